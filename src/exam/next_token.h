#pragma once

#include <QString>

// Cuts the next token out of a text. `position` is 1-based and is moved on past the token.
// From `position` onward the delimiter is searched exactly (case-sensitive). Found at q: the token
// is the text from `position` to q - 1 and `position` becomes q + the delimiter's length. Not
// found, or an empty delimiter: the token is the rest of the text and `position` becomes its
// length + 1. An empty text gives an empty token and leaves `position` alone. A position below 1
// counts as 1.
//
// Used to cut the number-answer template "before (Lsg: 42) after" on the question screen and in the
// scoring, and by the overview window and the text-group dialog.
QString NextToken(const QString &text, int &position, const QString &delimiter);

// The solution of a number question: the text between "Lsg: " and ")" of its answer template
// "before (Lsg: 42) after", as the scoring compares it with the typed answer.
QString NumberSolution(const QString &answerTemplate);
