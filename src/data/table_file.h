#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

class QIODevice;
class TRecordTable;

// Reading and writing record tables as table files: signature "TPF0", version, field definitions,
// index definitions and records as tagged values. Errors are thrown as VelmoraError with the
// program's own texts ("Stream-Lesefehler", "Ungültiges Stream-Format", ...).
class TTableFile
{
public:
    static constexpr int WrittenVersion = 251;
    static constexpr int BufferSize = 16384;

    // Which records a save writes: those the filter lets through, or all of them.
    enum class Records : quint8 { Visible, All };

    // Writes the table (its visible records, or all of them, in the current order) to an open device.
    // A device that refuses bytes makes it fail with "Stream-Schreibfehler".
    static void Save(const TRecordTable &table, QIODevice &device, Records records = Records::Visible);
    // Reads a table file from an open device into the table; returns the file's version
    // (100 for files without a version number). What was read before a failure stays in the table.
    static int Load(TRecordTable &table, QIODevice &device);

    // Puts a device between the writer and the file (tests use it to make writes fail).
    using DeviceWrapper = std::function<std::unique_ptr<QIODevice>(QIODevice &file)>;

    // Saves through a temporary file in the same folder that replaces the file at `path` only once
    // the whole table is written, so a failed save keeps the previous file. Fails with
    // "Datei "<path>" kann nicht erstellt werden. <reason>".
    static void SaveToFile(const TRecordTable &table, const QString &path, const DeviceWrapper &wrap = {},
                           Records records = Records::Visible);
    // Fails with "Datei <path> kann nicht geöffnet werden. <reason>" when the file cannot be opened.
    static int LoadFromFile(TRecordTable &table, const QString &path);
};
