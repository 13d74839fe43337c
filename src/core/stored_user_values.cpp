#include "core/stored_user_values.h"

#include "core/licence_classes.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// The scrambling key of the points value: ten ASCII characters.
constexpr char kPointsKey[] = "kV7#pQ2!zM";
constexpr int kPointsKeyLength = 10;

const QString kGroup = QStringLiteral("TBrowseForm");
const QString kFormVersion = QStringLiteral("FormVersion");
const QString kVolumeCaption = QStringLiteral("VolumeLabel_Caption");
const QString kVolumeTag = QStringLiteral("VolumeLabel_Tag");
const QString kClassCaption = QStringLiteral("AktKlasseLabel_Caption");
const QString kPimpPoints = QStringLiteral("PimpPoints");
const QString kExename = QStringLiteral("Exename");

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isWholeNumber(const QString &text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    return ok && !text.contains(u' ');
}

} // namespace

TStoredUserValues::TStoredUserValues(QString programFilePath) : m_programFilePath(std::move(programFilePath)) {}

QString TStoredUserValues::settingsFilePath() const
{
    return configFolder() + u'/' + QFileInfo(m_programFilePath).completeBaseName() + QStringLiteral(".ini");
}

QString TStoredUserValues::exeSettingsFilePath()
{
    // The place of the program file is kept apart from the user's values, under "Velmora",
    // in a section file whose group "section" carries the value "Exe".
    return configFolder() + QStringLiteral("/Velmora/Section.ini");
}

void TStoredUserValues::Restore()
{
    m_restored = true;
    QSettings store(settingsFilePath(), QSettings::IniFormat);
    store.beginGroup(kGroup);
    bool ok = false;
    const int storedVersion = store.value(kFormVersion, QStringLiteral("0")).toString().toInt(&ok);
    formVersion = ok ? storedVersion : 0;
    if (formVersion < 0)
        return;

    if (store.contains(kVolumeCaption)) {
        const int volume = store.value(kVolumeCaption).toString().trimmed().toInt(&ok);
        if (ok)
            musicVolume = volume;
    }
    if (store.contains(kVolumeTag)) {
        const int tag = store.value(kVolumeTag).toString().trimmed().toInt(&ok);
        if (ok)
            musicOff = tag != 0;
    }
    // The class is a text the user can edit in the file: only a class code is taken.
    if (store.contains(kClassCaption))
        licenceClass = ClassInForce(store.value(kClassCaption).toString().trimmed());
    if (store.contains(kPimpPoints)) {
        // A value that does not decode to a whole number would make every later evaluation and
        // purchase fail; such a value is taken as no value at all.
        const QString decoded = UnscramblePoints(store.value(kPimpPoints).toString());
        pimpPoints = isWholeNumber(decoded) ? decoded : QString();
    }
    if (store.contains(kExename))
        exeName = store.value(kExename).toString();
}

bool TStoredUserValues::Write() const
{
    QSettings store(settingsFilePath(), QSettings::IniFormat);
    store.beginGroup(kGroup);
    store.setValue(kFormVersion, QStringLiteral("0"));
    store.setValue(kVolumeCaption, QString::number(musicVolume));
    store.setValue(kVolumeTag, musicOff ? QStringLiteral("1") : QStringLiteral("0"));
    store.setValue(kClassCaption, ClassInForce(licenceClass));
    store.setValue(kPimpPoints, ScramblePoints(pimpPoints));
    store.setValue(kExename, exeName);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

void TStoredUserValues::WriteExe() const
{
    QSettings store(exeSettingsFilePath(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("section"));
    store.setValue(QStringLiteral("Exe"), m_programFilePath);
    store.endGroup();
    store.sync();
}

QString TStoredUserValues::ScramblePoints(const QString &decimalText)
{
    QString hex;
    hex.reserve(decimalText.size() * 2);
    for (qsizetype i = 0; i < decimalText.size(); ++i) {
        const int byte = (decimalText.at(i).unicode() ^ static_cast<unsigned char>(kPointsKey[i % kPointsKeyLength])) & 0xFF;
        hex += QString::number(byte, 16).rightJustified(2, u'0');
    }
    return hex;
}

QString TStoredUserValues::UnscramblePoints(const QString &hexText)
{
    QString text;
    const qsizetype pairs = hexText.size() / 2; // an odd last digit is dropped
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hexText.at(2 * i));
        const int low = hexDigit(hexText.at(2 * i + 1));
        const int byte = (high < 0 || low < 0) ? 32 : high * 16 + low;
        text += QChar(static_cast<char16_t>(byte ^ static_cast<unsigned char>(kPointsKey[i % kPointsKeyLength])));
    }
    return text;
}
