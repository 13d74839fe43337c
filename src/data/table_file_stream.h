#pragma once

#include "core/velmora_error.h"
#include "data/table_field.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QIODevice;

// Tags of the tagged values a table file is made of.
namespace TableTag {
inline constexpr quint8 End = 0, List = 1, Int8 = 2, Int16 = 3, Int32 = 4, Float80 = 5, ShortText = 6, False = 8,
                        True = 9, LongText = 12, WideText = 18, Int64 = 19, Utf8Text = 20;
}

// Thrown when the device refuses bytes while a table file is written.
class TStreamWriteError : public VelmoraError
{
public:
    TStreamWriteError() : VelmoraError(QStringLiteral("Stream-Schreibfehler")) {}
};

// Windows-1252 at the file edge: bytes to characters and back. The five bytes Windows-1252 leaves
// undefined map to the control characters of the same number, so every byte survives a round trip.
QString DecodeWindows1252(const char *data, qsizetype size);
// Characters Windows-1252 cannot hold become "?".
QByteArray EncodeWindows1252(const QString &text);

// Reads tagged values from a device through a 16 KB buffer. Every fault throws VelmoraError:
// "Stream-Lesefehler" when the data ends inside a value, "Ungültiger Eigenschaftswert" for a tag
// that is not allowed where it stands.
class TTableStreamReader
{
public:
    explicit TTableStreamReader(QIODevice &device);

    quint8 ReadByte()
    {
        if (m_pos == m_len)
            Refill(1);
        return quint8(m_buffer[size_t(m_pos++)]);
    }
    quint8 PeekByte()
    {
        if (m_pos == m_len)
            Refill(1);
        return quint8(m_buffer[size_t(m_pos)]);
    }
    // Takes the end tag when it is next; false otherwise.
    bool TryReadEnd();
    void ReadListBegin();
    qint32 ReadInteger();  // int8, int16 or int32
    bool ReadBoolean() { return ReadByte() == TableTag::True; }
    void ReadText(QString &text); // short, long, wide or UTF-8 text
    QString ReadText()
    {
        QString text;
        ReadText(text);
        return text;
    }
    TFloat80 ReadFloat(); // float80 or an integer tag

    // Bytes of the device not yet read; -1 when the device cannot tell.
    qint64 BytesLeft() const;

    [[noreturn]] static void FailRead();
    [[noreturn]] static void FailValue();

private:
    // Makes at least `need` bytes available from m_pos on, or fails with "Stream-Lesefehler".
    void Refill(qint64 need);
    // `size` contiguous bytes, valid until the next read.
    const char *Take(qint64 size);
    qint64 ReadLittleEndian(int bytes);

    QIODevice &m_device;
    std::vector<char> m_buffer;
    qint64 m_pos = 0;
    qint64 m_len = 0;
    QByteArray m_scratch; // for values larger than the buffer
};

// Writes tagged values to a device through a 16 KB buffer; a refused write throws TStreamWriteError.
class TTableStreamWriter
{
public:
    explicit TTableStreamWriter(QIODevice &device);

    void WriteRaw(const char *data, qint64 size);
    void WriteByte(quint8 byte)
    {
        if (m_pos == qint64(m_buffer.size()))
            Flush();
        m_buffer[size_t(m_pos++)] = char(byte);
    }
    void WriteInteger(qint32 value); // the smallest of int8, int16, int32
    void WriteBoolean(bool value) { WriteByte(value ? TableTag::True : TableTag::False); }
    // ASCII text as short (up to 255) or long text, any other text as UTF-8 text.
    void WriteText(const QString &text);
    void WriteFloat(TFloat80 value);
    void Flush();

private:
    void Ensure(qint64 size)
    {
        if (qint64(m_buffer.size()) - m_pos < size)
            Flush();
    }
    void PutLittleEndian(quint64 value, int bytes);
    void writeAll(const char *data, qint64 size);

    QIODevice &m_device;
    std::vector<char> m_buffer;
    qint64 m_pos = 0;
    std::vector<char> m_scratch;
};
