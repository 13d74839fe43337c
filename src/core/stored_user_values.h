#pragma once

#include <QString>

// What belongs to the user and outlives a run: the points account, the music volume, the music-off
// flag and the licence class in force. On Linux they live in a per-user INI file in the XDG config
// folder named after the program file ("velmora.ini"), group "TBrowseForm", every value as text.
// They are read when the main window is first shown and written when the program ends and after
// every step that changes the user's progress; in between the running program works on the copies
// held here.
class TStoredUserValues
{
public:
    // programFilePath: the full path of the program file; its base name names the settings file.
    explicit TStoredUserValues(QString programFilePath);

    // The settings file of the stored values and the file holding the value "Exe".
    QString settingsFilePath() const;
    static QString exeSettingsFilePath();

    // Reads the stored values; absent or unconvertible ones keep what is held in memory, and a
    // stored class that is none of the 13 class codes counts as "B". A negative stored form version
    // makes the whole reading a no-op.
    void Restore();
    // Writes every value, in a fixed order, as text; the form version always as "0", so a negative
    // one found once does not cost the user's values at every later start.
    // False when the settings file could not be written.
    bool Write() const;
    // Whether Restore() has run: before that the values held here are a fresh user's, not this user's.
    bool isRestored() const { return m_restored; }
    // Records where the program file lies (value "Exe"), at every start.
    void WriteExe() const;

    // In-memory values, with the values a fresh user starts with.
    int formVersion = 0;                           // as read; never written other than "0"
    int musicVolume = 25;                          // "VolumeLabel_Caption": music volume 1 ... 100
    bool musicOff = false;                         // "VolumeLabel_Tag": 0 music on, anything else off
    QString licenceClass = QStringLiteral("B");    // "AktKlasseLabel_Caption": one of the 13 class codes
    QString pimpPoints;                            // points total as decimal text; empty counts as 0
    QString exeName = QStringLiteral("0");

    const QString &programFilePath() const { return m_programFilePath; }

    // The points are stored scrambled: each character of the decimal text XOR a key character,
    // written as two lower-case hex digits.
    static QString ScramblePoints(const QString &decimalText);
    static QString UnscramblePoints(const QString &hexText);

private:
    QString m_programFilePath;
    bool m_restored = false;
};
