#include "pictures/teaser_choice.h"

#include "core/random_generator.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"

namespace fb = fields::bilder;
namespace fs = fields::sets;
namespace ft = fields::texte;

namespace {

// Finds a record by its ID whatever filter another screen left on the table and reads it with
// `read`; filter text and flag are put back afterwards (which may move the table off the record).
template <typename Read>
bool ReadUnfiltered(TRecordTable &table, int id, Read read)
{
    const TFilterGuard keep(table);
    table.SetFiltered(false);
    if (!table.Locate(QStringLiteral("ID"), id))
        return false;
    read(table);
    return true;
}

// A text of the group, each with the same chance; -1 when the group holds none.
int DrawnTextId(TMainDataModule &data, int textGroupId)
{
    TRecordTable &texte = data.TexteTable;
    TFilterGuard keep(texte);
    keep.Restrict(QStringLiteral("TextGruppeID = %1").arg(textGroupId));
    texte.First();
    if (texte.IsEmpty())
        return -1;
    data.Random().reseed();
    texte.MoveBy(data.Random().draw(texte.RecordCount()));
    return texte.FieldByName(ft::ID).AsInteger();
}

} // namespace

QString TeaserText(const QString &text, const QString &girlName)
{
    QString shown = text;
    return shown.replace(QStringLiteral("%s"), girlName);
}

TTeaser ChooseTeaser(TMainDataModule &data)
{
    TRecordTable &bilder = data.BilderTable;
    IRandomGenerator &random = data.Random();
    random.reseed();
    bilder.SetFilter(QString());
    bilder.First();
    if (bilder.IsEmpty())
        return {};
    if (data.TeaserBildID == -1) {
        random.reseed();
        bilder.MoveBy(random.draw(bilder.RecordCount()));
        data.TeaserBildID = bilder.FieldByName(fb::ID).AsInteger();
    } else if (!bilder.Locate(fb::ID, data.TeaserBildID)) {
        // The kept picture was deleted meanwhile.
        return {};
    }

    TTeaser teaser;
    teaser.picturePath = data.SetPicturePath(bilder.FieldByName(fb::Bild).AsString());
    const QString ownText = bilder.FieldByName(fb::Text).AsString();
    if (ownText.size() >= 2) {
        teaser.text = ownText;
        return teaser;
    }

    int textGroupId = 0;
    QString girlName;
    const bool setFound = ReadUnfiltered(data.SetsTable, bilder.FieldByName(fb::SetID).AsInteger(),
                                         [&](TRecordTable &sets) {
                                             textGroupId = sets.FieldByName(fs::TextGruppeID).AsInteger();
                                             girlName = sets.FieldByName(fs::GirlName).AsString();
                                         });
    if (!setFound)
        return teaser;
    if (data.TeaserTextID == -1) {
        const int drawn = DrawnTextId(data, textGroupId);
        if (drawn < 0)
            return teaser;
        data.TeaserTextID = drawn;
    }
    QString text;
    if (ReadUnfiltered(data.TexteTable, data.TeaserTextID,
                       [&](TRecordTable &texte) { text = texte.FieldByName(ft::Text).AsString(); }))
        teaser.text = TeaserText(text, girlName);
    return teaser;
}
