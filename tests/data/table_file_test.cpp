#include "core/velmora_error.h"
#include "support/error_of.h"
#include "support/tiny_file_system.h"
#include "data/record_table.h"
#include "data/table_file.h"
#include "data/table_file_stream.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace {

// Builds table file bytes by hand, independently of the writer under test.
class Bytes
{
public:
    Bytes &raw(std::initializer_list<int> bytes)
    {
        for (int b : bytes)
            data.append(char(b));
        return *this;
    }
    Bytes &raw(const QByteArray &bytes)
    {
        data.append(bytes);
        return *this;
    }
    Bytes &text(const char *ascii)
    {
        const QByteArray bytes(ascii);
        data.append(char(6)).append(char(bytes.size())).append(bytes);
        return *this;
    }
    Bytes &i8(int v) { return raw({2, v & 0xFF}); }
    Bytes &i16(int v) { return raw({3, v & 0xFF, (v >> 8) & 0xFF}); }
    Bytes &i32(qint64 v) { return raw({4, int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int((v >> 24) & 0xFF)}); }
    Bytes &yes() { return raw({9}); }
    Bytes &no() { return raw({8}); }
    Bytes &list() { return raw({1}); }
    Bytes &end() { return raw({0}); }
    // A field definition as written by version 251 (kind and default expression), or older without them.
    Bytes &field(const char *name, const char *type, int size, int width, int version = 251)
    {
        text(name).text(type).i8(size).text(name).text("").i8(width).no().no();
        if (version >= 250)
            text("Data");
        if (version >= 251)
            text("");
        return *this;
    }
    QByteArray data;
};

// The worked example: Name (String 40), Beschreibung (Memo), ID (AutoInc); one record "Grün", empty, 0.
QByteArray workedExample()
{
    return QByteArray::fromHex(
        "54504630" "03fb00" "01"
        "06044e616d65" "0606537472696e67" "0228" "06044e616d65" "0600" "0228" "08" "08" "060444617461" "0600"
        "060c426573636872656962756e67"
        "06044d656d6f" "0200" "060c426573636872656962756e67" "0600" "020a" "08" "08" "060444617461" "0600"
        "06024944" "06074175746f496e63" "0200" "06024944" "0600" "020a" "08" "08" "060444617461" "0600"
        "00" "0100" "01" "01" "0200" "08" "14050000004772c3bc6e" "09" "08" "0200" "00" "00");
}

std::unique_ptr<TRecordTable> makeWorkedExampleTable()
{
    auto table = std::make_unique<TRecordTable>(QStringLiteral("TextGruppenTable"));
    table->AddField(QStringLiteral("Name"), TFieldType::String, 40);
    table->AddField(QStringLiteral("Beschreibung"), TFieldType::Memo);
    table->AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table->Open();
    table->Append();
    table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("Grün"));
    table->Post();
    return table;
}

QByteArray saveToBytes(const TRecordTable &table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TTableFile::Save(table, buffer);
    return buffer.data();
}

int loadBytes(TRecordTable &table, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return TTableFile::Load(table, buffer);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// --- golden files: each is made from the byte array here; VELMORA_WRITE_GOLDEN=1 rewrites them ---

QByteArray version100File()
{
    // No version number, field entries without kind and default expression, no index list,
    // records without list, status or null flags. "Grün" as Windows-1252 short text.
    return Bytes()
        .raw(QByteArray("TPF0"))
        .list()
        .field("ID", "AutoInc", 0, 10, 100)
        .field("Name", "String", 10, 10, 100)
        .field("Aktiv", "Boolean", 0, 6, 100)
        .end()
        .list()
        .i8(3).text("abc").yes()
        .i8(7).raw({6, 4, 'G', 'r', 0xFC, 'n'}).no()
        .end()
        .data;
}

QByteArray version230File()
{
    // Version 230: index list and records as lists with an update status, no null flags;
    // the record carries a second, older version.
    return Bytes()
        .raw(QByteArray("TPF0"))
        .i16(230)
        .list()
        .field("ID", "AutoInc", 0, 10, 230)
        .field("Name", "String", 10, 10, 230)
        .end()
        .list()
        .text("ByName").text("Name").text("ByName").no().yes().no().no()
        .end()
        .list()
        .list().i8(0).i8(1).text("neu").i8(1).i8(1).text("alt").end()
        .list().i8(0).i8(2).text("zwei").end()
        .end()
        .data;
}

QByteArray wideIntegersFile()
{
    // Integers sent in larger tags than they need; a float field given an integer; other text tags.
    return Bytes()
        .raw(QByteArray("TPF0"))
        .i32(251)
        .list()
        .text("ID").text("AutoInc").i32(0).text("ID").text("").i32(10).no().no().text("Data").text("")
        .text("Wertung").text("Word").i16(0).text("Wertung").text("").i16(10).no().no().text("Data").text("")
        .text("Betrag").text("Float").i8(0).text("Betrag").text("").i8(10).no().no().text("Data").text("")
        .text("Text").text("Memo").i8(0).text("Text").text("").i8(10).no().no().text("Data").text("")
        .end()
        .list().end()
        .list()
        .list().i32(0).no().i32(5).no().i32(40000).no().raw({19, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
        .no().raw({12, 3, 0, 0, 0, 'a', 'b', 'c'}).end()
        .list().i16(0).no().i16(6).no().i8(7).no().i16(300).no().raw({18, 2, 0, 0, 0, 0xAC, 0x20, 0xE4, 0}).end()
        .end()
        .data;
}

QByteArray badSignatureFile() { return QByteArray("TPF1") + workedExample().mid(4); }

QByteArray unknownTypeFile()
{
    return Bytes()
        .raw(QByteArray("TPF0"))
        .i16(251)
        .list()
        .field("A", "Integer", 0, 10)
        .field("B", "Fancy", 0, 10)
        .end()
        .list().end()
        .list().end()
        .data;
}

QByteArray cutInRecordsFile()
{
    // The worked example with a second record, cut inside the second record's Name text.
    QByteArray bytes = workedExample();
    bytes.chop(1); // records end
    bytes += QByteArray::fromHex("01" "0200" "08" "0605") + QByteArray("Zw");
    return bytes;
}

struct GoldenFile
{
    const char *name;
    QByteArray (*bytes)();
};

const GoldenFile goldenFiles[] = {
    {"worked_example.dat", workedExample},
    {"version100.dat", version100File},
    {"version230_extra_version.dat", version230File},
    {"wide_integers.dat", wideIntegersFile},
    {"empty.dat", [] { return QByteArray(); }},
    {"bad_signature.dat", badSignatureFile},
    {"unknown_type.dat", unknownTypeFile},
    {"cut_in_records.dat", cutInRecordsFile},
};

QString goldenPath(const char *name)
{
    return QStringLiteral(VELMORA_GOLDEN_DIR "/") + QString::fromLatin1(name);
}

// A device in front of another that refuses every byte past the first `limit`.
class FailingDevice final : public QIODevice
{
public:
    FailingDevice(QIODevice &target, qint64 limit) : m_target(target), m_limit(limit) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_written + size > m_limit) {
            setErrorString(QStringLiteral("Auf dem Datenträger ist nicht genügend Speicherplatz verfügbar"));
            m_target.write(data, m_limit - m_written);
            m_written = m_limit;
            return -1;
        }
        m_written += size;
        return m_target.write(data, size);
    }

private:
    QIODevice &m_target;
    qint64 m_limit;
    qint64 m_written = 0;
};

} // namespace

TEST(TableFileGolden, FilesMatchTheByteArraysTheyAreMadeFrom)
{
    const bool rewrite = qEnvironmentVariableIsSet("VELMORA_WRITE_GOLDEN");
    for (const GoldenFile &golden : goldenFiles) {
        if (rewrite) {
            QDir().mkpath(QFileInfo(goldenPath(golden.name)).path());
            writeFile(goldenPath(golden.name), golden.bytes());
        }
        EXPECT_EQ(readFile(goldenPath(golden.name)), golden.bytes()) << golden.name;
    }
    EXPECT_EQ(workedExample().size(), 151);
}

TEST(TableFileWorkedExample, IsWrittenByteForByteAndSurvivesLoadAndSave)
{
    auto table = makeWorkedExampleTable();
    EXPECT_EQ(saveToBytes(*table).toHex(), workedExample().toHex());

    TRecordTable loaded;
    EXPECT_EQ(TTableFile::LoadFromFile(loaded, goldenPath("worked_example.dat")), 251);
    EXPECT_TRUE(loaded.Active());
    EXPECT_EQ(loaded.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Grün"));
    EXPECT_TRUE(loaded.FieldByName(QStringLiteral("Beschreibung")).IsNull());
    EXPECT_EQ(saveToBytes(loaded), workedExample());
}

TEST(TableFileWriter, IntegersTakeTheSmallestTagAndTextsFollowTheAsciiRule)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TTableStreamWriter out(buffer);
        for (int v : {127, -128, 128, -129, 32767, -32768, 32768})
            out.WriteInteger(v);
        out.Flush();
    }
    EXPECT_EQ(buffer.data().toHex(), QByteArray("027f" "0280" "038000" "037fff" "03ff7f" "030080" "0400800000"));

    const auto textBytes = [](const QString &text) {
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        TTableStreamWriter out(b);
        out.WriteText(text);
        out.Flush();
        return b.data();
    };
    EXPECT_EQ(textBytes(QString(255, u'a')).left(2).toHex(), QByteArray("06ff"));
    EXPECT_EQ(textBytes(QString(256, u'a')).left(5).toHex(), QByteArray("0c00010000"));
    EXPECT_EQ(textBytes(QString(256, u'a')).size(), 5 + 256);
    EXPECT_EQ(textBytes(QStringLiteral("ü")).toHex(), QByteArray("1402000000c3bc"));
    EXPECT_EQ(textBytes(QStringLiteral("€")).toHex(), QByteArray("1403000000e282ac"));
    EXPECT_EQ(textBytes(QString()).toHex(), QByteArray("0600"));
    // A long text is written through the buffer in pieces.
    const QString longGerman = QString(40000, u'ä');
    const QByteArray longBytes = textBytes(longGerman);
    EXPECT_EQ(longBytes.size(), 5 + 80000);
    QBuffer in;
    in.setData(longBytes + textBytes(QString(20000, u'x')));
    in.open(QIODevice::ReadOnly);
    TTableStreamReader reader(in);
    EXPECT_EQ(reader.ReadText(), longGerman);
    EXPECT_EQ(reader.ReadText(), QString(20000, u'x'));
}

TEST(TableFileWriter, FloatsAreExtendedPrecisionAndKeepTheirBits)
{
    EXPECT_EQ(TFloat80::FromDouble(1.0), (TFloat80{0x8000000000000000ULL, 0x3FFF}));
    EXPECT_EQ(TFloat80::FromInteger(-3), (TFloat80{0xC000000000000000ULL, 0xC000}));
    for (double d : {0.0, 1.5, -2.25, 1e-310, 123456.789, 1e300})
        EXPECT_EQ(TFloat80::FromDouble(d).ToDouble(), d);

    TRecordTable table;
    table.AddField(QStringLiteral("Betrag"), TFieldType::Currency);
    table.AddField(QStringLiteral("Am"), TFieldType::DateTime);
    table.AddField(QStringLiteral("Gross"), TFieldType::LargeInt);
    table.AddField(QStringLiteral("Daten"), TFieldType::Blob);
    table.Open();
    table.Append();
    table.FieldByName(QStringLiteral("Betrag")).SetAsFloat(12.5);
    table.FieldByName(QStringLiteral("Am")).SetAsFloat(0.0);
    table.FieldByName(QStringLiteral("Gross")).SetAsFloat(9007199254740992.0); // 2^53
    table.FieldByName(QStringLiteral("Daten")).SetAsString(QStringLiteral("x\x01y"));
    table.Post();
    QByteArray bytes = saveToBytes(table);
    // A value with more precision than a double holds keeps its bits through load and save.
    const QByteArray twoTo53 = QByteArray::fromHex("05" "0000000000000080" "3440");
    const QByteArray precise = QByteArray::fromHex("05" "0100000000000080" "3440");
    const qsizetype at = bytes.indexOf(twoTo53);
    ASSERT_GT(at, 0);
    bytes.replace(at, precise.size(), precise);
    TRecordTable loaded;
    loadBytes(loaded, bytes);
    EXPECT_DOUBLE_EQ(loaded.FieldByName(QStringLiteral("Betrag")).AsFloat(), 12.5);
    EXPECT_TRUE(loaded.FieldByName(QStringLiteral("Am")).IsNull()); // a date of 0 is null
    EXPECT_EQ(loaded.FieldByName(QStringLiteral("Daten")).AsString(), QStringLiteral("x\x01y"));
    const QByteArray again = saveToBytes(loaded);
    EXPECT_TRUE(again.contains(precise));
}

TEST(TableFileReader, OlderVersionsLoadWithEveryValuePresent)
{
    TRecordTable table;
    EXPECT_EQ(TTableFile::LoadFromFile(table, goldenPath("version100.dat")), 100);
    ASSERT_EQ(table.FieldCount(), 3);
    EXPECT_EQ(table.FieldDef(1).kind, TFieldKind::Data);
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("abc"));
    EXPECT_TRUE(table.FieldByName(QStringLiteral("Aktiv")).AsBoolean());
    table.Next();
    EXPECT_EQ(table.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Grün"));
    // The highest AutoInc value loaded was 7: the next record gets 8.
    table.Append();
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID")).AsInteger(), 8);
    table.Cancel();

    TRecordTable v230;
    EXPECT_EQ(TTableFile::LoadFromFile(v230, goldenPath("version230_extra_version.dat")), 230);
    ASSERT_EQ(v230.IndexDefs().size(), 1u);
    EXPECT_EQ(v230.IndexDefs()[0].name, QStringLiteral("ByName"));
    EXPECT_TRUE(v230.IndexDefs()[0].caseInsensitive);
    EXPECT_EQ(v230.RecordCount(), 2);
    EXPECT_EQ(v230.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("neu"));
    // Saved in the current format; the older record version is not written.
    TRecordTable again;
    loadBytes(again, saveToBytes(v230));
    EXPECT_EQ(again.RecordCount(), 2);
    EXPECT_FALSE(saveToBytes(v230).contains(QByteArray("alt")));
}

TEST(TableFileReader, AcceptsIntegersInLargerTagsAndEveryTextTag)
{
    TRecordTable table;
    loadBytes(table, readFile(goldenPath("wide_integers.dat")));
    ASSERT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID")).AsInteger(), 5);
    EXPECT_EQ(table.FieldByName(QStringLiteral("Wertung")).AsInteger(), 40000);
    EXPECT_EQ(table.FieldByName(QStringLiteral("Wertung")).Size(), 0);
    EXPECT_EQ(table.FieldDefs()[1].displayWidth, 10);
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("Betrag")).AsFloat(), -1.0);
    EXPECT_EQ(table.FieldByName(QStringLiteral("Text")).AsString(), QStringLiteral("abc"));
    table.Next();
    EXPECT_EQ(table.FieldByName(QStringLiteral("Betrag")).AsFloat(), 300.0);
    EXPECT_EQ(table.FieldByName(QStringLiteral("Text")).AsString(), QStringLiteral("€ä"));
    EXPECT_EQ(table.AutoIncCounter(), 6);
    // Saved again, every integer takes its smallest tag.
    const QByteArray saved = saveToBytes(table);
    EXPECT_TRUE(saved.startsWith(QByteArray::fromHex("5450463003fb0001")));
    EXPECT_TRUE(saved.contains(QByteArray::fromHex("01" "0200" "08" "0205" "08" "04409c0000")));
}

TEST(TableFileReader, ReportsDamageAndKeepsWhatWasReadBefore)
{
    auto table = makeWorkedExampleTable();
    EXPECT_EQ(errorOf([&] { TTableFile::LoadFromFile(*table, goldenPath("empty.dat")); }),
              QStringLiteral("Stream-Lesefehler"));
    EXPECT_EQ(errorOf([&] { TTableFile::LoadFromFile(*table, goldenPath("bad_signature.dat")); }),
              QStringLiteral("Ungültiges Stream-Format"));
    EXPECT_EQ(table->RecordCount(), 1); // both left the table as it was
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Grün"));

    EXPECT_EQ(errorOf([&] { TTableFile::LoadFromFile(*table, goldenPath("unknown_type.dat")); }),
              QStringLiteral("Unknown field type (Fancy)"));
    EXPECT_TRUE(table->Active());
    EXPECT_EQ(table->FieldCount(), 1); // the field read before the bad one
    EXPECT_EQ(table->RecordCount(), 0);

    EXPECT_EQ(errorOf([&] { TTableFile::LoadFromFile(*table, goldenPath("cut_in_records.dat")); }),
              QStringLiteral("Stream-Lesefehler"));
    EXPECT_TRUE(table->Active());
    EXPECT_EQ(table->FieldCount(), 3);
    EXPECT_EQ(table->RecordCount(), 1);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Grün"));

    const QString missing = QStringLiteral("/nonexistent/fragen.dat");
    EXPECT_TRUE(errorOf([&] { TTableFile::LoadFromFile(*table, missing); })
                    .startsWith(QStringLiteral("Datei /nonexistent/fragen.dat kann nicht geöffnet werden. ")));

    // A rejected type name, a tag where a text belongs, no fields at all.
    QByteArray rejected = unknownTypeFile();
    rejected.replace(QByteArray("\x06\x05" "Fancy", 7), QByteArray("\x06\x07" "Variant", 9));
    EXPECT_EQ(errorOf([&] { loadBytes(*table, rejected); }), QStringLiteral("Unknown field type (Variant)"));
    EXPECT_EQ(errorOf([&] { loadBytes(*table, Bytes().raw(QByteArray("TPF0")).i16(251).list().i8(1).data); }),
              QStringLiteral("Ungültiger Eigenschaftswert"));
    TRecordTable fieldless;
    EXPECT_EQ(errorOf([&] {
                  loadBytes(fieldless, Bytes().raw(QByteArray("TPF0")).i16(251).list().end().list().end().list().end().data);
              }),
              QStringLiteral("Couldnt determine field count for load."));
    // A length far beyond the end of the data is a read error, not a huge allocation.
    EXPECT_EQ(errorOf([&] {
                  loadBytes(*table, Bytes().raw(QByteArray("TPF0")).i16(251).list().raw({12, 0xFF, 0xFF, 0xFF, 0x7F}).data);
              }),
              QStringLiteral("Stream-Lesefehler"));
}

TEST(TableFileReader, FileFieldsReplaceTheTableFieldsAndTheFilterStays)
{
    TRecordTable table(QStringLiteral("FragenTable"));
    table.AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table.AddField(QStringLiteral("Klasse_S"), TFieldType::Boolean);
    table.SetFilter(QStringLiteral("(Name = 'abc')"));
    table.SetFiltered(true);
    table.Open();
    TTableFile::LoadFromFile(table, goldenPath("version100.dat"));
    EXPECT_EQ(errorOf([&] { table.FieldByName(QStringLiteral("Klasse_S")); }),
              QStringLiteral("FragenTable: Das Feld 'Klasse_S' wurde nicht gefunden"));
    EXPECT_EQ(table.RecordCount(), 1);

    // An empty field list keeps the table's fields and records and adds the file's records.
    TRecordTable names;
    names.AddField(QStringLiteral("Name"), TFieldType::String, 10);
    names.Open();
    names.Append();
    names.FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("alt"));
    names.Post();
    loadBytes(names, Bytes().raw(QByteArray("TPF0")).i16(251).list().end().list().end().list()
                         .list().i8(0).no().text("neu").end().end().data);
    EXPECT_EQ(names.RecordCount(), 2);
    names.Last();
    EXPECT_EQ(names.FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("neu"));
}

TEST(TableFileIndex, QuestionTableCarriesItsIdIndexAndIsBrowsedByIt)
{
    TRecordTable table(QStringLiteral("FragenTable"));
    table.AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table.AddIndexDef({QStringLiteral("ID"), QStringLiteral("ID"), false, false, false, true});
    table.SetIndexName(QStringLiteral("ID"));
    table.Open();
    const QByteArray empty = saveToBytes(table);
    EXPECT_TRUE(empty.endsWith(QByteArray::fromHex("01" "06024944" "06024944" "06024944" "08" "08" "08" "09" "00" "0100")));

    // Records stored out of order in the file are browsed in ID order after loading.
    QByteArray bytes = empty.chopped(2) + Bytes().list().list().i8(0).no().i8(9).end().list().i8(0).no().i8(4).end().end().data;
    TRecordTable loaded(QStringLiteral("FragenTable"));
    loaded.SetIndexName(QStringLiteral("ID"));
    loadBytes(loaded, bytes);
    EXPECT_TRUE(loaded.IndexDefs()[0].unique);
    EXPECT_EQ(loaded.FieldByName(QStringLiteral("ID")).AsInteger(), 4);
    loaded.Next();
    EXPECT_EQ(loaded.FieldByName(QStringLiteral("ID")).AsInteger(), 9);
}

TEST(TableFileWriter, SavesVisibleStoredRecordsInTheCurrentOrder)
{
    TRecordTable sets(QStringLiteral("SetsTable"));
    sets.AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    sets.AddField(QStringLiteral("Wertung"), TFieldType::Word);
    EXPECT_EQ(errorOf([&] { saveToBytes(sets); }),
              QStringLiteral("SetsTable: Operation bei geschlossener Datenmenge nicht ausführbar"));
    sets.Open();
    EXPECT_TRUE(saveToBytes(sets).endsWith(QByteArray::fromHex("00" "0100" "0100")));
    for (int w : {1, 5, 3, 2, 4, 1}) {
        sets.Append();
        sets.FieldByName(QStringLiteral("Wertung")).SetAsInteger(w);
        sets.Post();
    }
    sets.SetFilter(QStringLiteral("ID = 4"));
    sets.SetFiltered(true);
    TRecordTable copy;
    loadBytes(copy, saveToBytes(sets));
    EXPECT_EQ(copy.RecordCount(), 1);
    EXPECT_EQ(copy.FieldByName(QStringLiteral("ID")).AsInteger(), 4);
    sets.SetFilter(QString());
    loadBytes(copy, saveToBytes(sets));
    EXPECT_EQ(copy.RecordCount(), 6);

    sets.SortOn(QStringLiteral("Wertung"), true);
    sets.First();
    sets.Edit();
    sets.FieldByName(QStringLiteral("Wertung")).SetAsInteger(0); // being edited: saved as it was
    sets.Post();
    sets.Edit();
    sets.FieldByName(QStringLiteral("Wertung")).SetAsInteger(9);
    sets.Append(); // posts 9, then starts an insert that is not saved
    sets.FieldByName(QStringLiteral("Wertung")).SetAsInteger(7);
    const int recNo = sets.RecNo();
    loadBytes(copy, saveToBytes(sets));
    EXPECT_EQ(sets.State(), TTableState::Insert);
    EXPECT_EQ(sets.RecNo(), recNo);
    QStringList order;
    for (copy.First(); !copy.Eof(); copy.Next())
        order << copy.FieldByName(QStringLiteral("Wertung")).AsString();
    EXPECT_EQ(order.join(u','), QStringLiteral("9,4,3,2,1,1"));
}

TEST(TableFileWriter, LongGermanMemoSurvivesAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fragen.dat"));
    TRecordTable table;
    table.AddField(QStringLiteral("Frage"), TFieldType::Memo);
    table.Open();
    QString question;
    for (int i = 0; i < 400; ++i)
        question += QStringLiteral("Wie müssen Sie sich verhalten, wenn Fußgänger die Straße überqueren?\r\n");
    table.Append();
    table.FieldByName(QStringLiteral("Frage")).SetAsString(question);
    table.Post();
    table.SaveToFile(path);
    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("08" "14")));
    TRecordTable loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.FieldByName(QStringLiteral("Frage")).AsString(), question);
}

TEST(TableFileSaving, AFailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("texte.dat"));
    writeFile(path, QByteArray("previous content"));
    auto table = makeWorkedExampleTable();

    const QString error = errorOf([&] {
        TTableFile::SaveToFile(*table, path, [](QIODevice &file) { return std::make_unique<FailingDevice>(file, 40); });
    });
    EXPECT_EQ(error, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Auf dem Datenträger ist nicht genügend "
                                    "Speicherplatz verfügbar")
                         .arg(path));
    EXPECT_EQ(readFile(path), QByteArray("previous content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("texte.dat")}); // no leftovers

    TTableFile::SaveToFile(*table, path);
    EXPECT_EQ(readFile(path), workedExample());

    const QString inMissingFolder = dir.filePath(QStringLiteral("fehlt/texte.dat"));
    EXPECT_TRUE(errorOf([&] { table->SaveToFile(inMissingFolder); })
                    .startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(inMissingFolder)));
    const QString underAFile = path + QStringLiteral("/x.dat");
    EXPECT_FALSE(errorOf([&] { table->SaveToFile(underAFile); }).isEmpty());
    EXPECT_EQ(readFile(path), workedExample());

    if (geteuid() != 0) { // the superuser may write anywhere
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QDir().mkpath(locked);
        const QString lockedPath = locked + QStringLiteral("/sets.dat");
        writeFile(lockedPath, QByteArray("old"));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_TRUE(errorOf([&] { table->SaveToFile(lockedPath); })
                        .startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(lockedPath)));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(readFile(lockedPath), QByteArray("old"));
    }
}

TEST(TableFileSaving, AFullOrReadOnlyDiskNamesTheSystemsReasonAndKeepsTheOldFile)
{
    TinyFileSystem disk(64);
    if (!disk.valid())
        GTEST_SKIP() << "mounting a small file system needs the superuser";
    // A table larger than what is left: the disk takes part of it, then refuses.
    TRecordTable table;
    table.AddField(QStringLiteral("Frage"), TFieldType::Memo);
    table.Open();
    for (int i = 0; i < 40; ++i) {
        table.Append();
        table.FieldByName(QStringLiteral("Frage")).SetAsString(QString(1000 + i, u'F'));
        table.Post();
    }
    const QString path = disk.path() + QStringLiteral("/fragen.dat");
    writeFile(path, QByteArray("previous content"));
    disk.fill();

    EXPECT_EQ(errorOf([&] { table.SaveToFile(path); }),
              QStringLiteral("Datei \"%1\" kann nicht erstellt werden. No space left on device").arg(path));
    EXPECT_EQ(readFile(path), QByteArray("previous content"));

    disk.free();
    ASSERT_TRUE(disk.setReadOnly(true));
    EXPECT_TRUE(errorOf([&] { table.SaveToFile(path); }).contains(QStringLiteral("Read-only file system")));
    EXPECT_EQ(readFile(path), QByteArray("previous content"));

    ASSERT_TRUE(disk.setReadOnly(false));
    table.SaveToFile(path);
    TRecordTable loaded;
    loaded.AddField(QStringLiteral("Frage"), TFieldType::Memo);
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.RecordCount(), 40);
}
