#pragma once

#include <QString>

class TMainDataModule;

// The teaser of the pass screen: a picture of any set, unlocked or not, with a text about the set's
// girl. Empty fields mean nothing to show there.
struct TTeaser
{
    QString picturePath; // the picture file in db/sets/; empty: no picture
    QString text;        // the text with the girl's name put in; empty: no text
};

// Draws the teaser anew when TeaserBildID / TeaserTextID are -1 and keeps the drawn IDs there;
// otherwise finds the kept picture and text again, so the pass screen shows the same teaser after a
// review. The picture's own text wins when it has at least 2 characters; else a text of its set's
// text group. No pictures, a picture that is gone or a group without texts give empty fields.
// BilderTable is left on the teaser picture, with its filter text cleared; the sets and texts
// tables keep their filters.
TTeaser ChooseTeaser(TMainDataModule &data);

// A teaser text with every "%s" replaced by the girl's name, as plain text: other "%" sequences in a
// user's text stay as they are.
QString TeaserText(const QString &text, const QString &girlName);
