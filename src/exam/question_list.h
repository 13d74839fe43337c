#pragma once

#include <QList>
#include <QString>

// The question IDs of a questionnaire's question list ("Fragen"): one decimal ID per line, lines
// ending in CR LF, a lone CR or a lone LF, the break after the last line optional. A line that is
// empty or not a decimal integer (an optional sign and digits, nothing else, within 32 bits) is
// left out, so the result holds the valid lines in their order.
QList<int> QuestionIdsOfList(const QString &questionList);
