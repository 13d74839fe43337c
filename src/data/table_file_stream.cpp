#include "data/table_file_stream.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 bufferSize = 16384;

// Characters of the bytes 0x80 ... 0x9F in Windows-1252; the undefined ones keep their number.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

// UTF-8 length of UTF-16 text; a lone surrogate counts as U+FFFD.
qint64 utf8Length(const char16_t *text, qsizetype size)
{
    qint64 length = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            length += 1;
        } else if (c < 0x800) {
            length += 2;
        } else if (isHighSurrogate(c) && i + 1 < size && isLowSurrogate(text[i + 1])) {
            length += 4;
            ++i;
        } else {
            length += 3;
        }
    }
    return length;
}

char *encodeUtf8(const char16_t *text, qsizetype size, char *out)
{
    for (qsizetype i = 0; i < size; ++i) {
        char32_t c = text[i];
        if (c < 0x80) {
            *out++ = char(c);
            continue;
        }
        if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
            continue;
        }
        if (isHighSurrogate(char16_t(c)) && i + 1 < size && isLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
            *out++ = char(0xF0 | (c >> 18));
            *out++ = char(0x80 | ((c >> 12) & 0x3F));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
            continue;
        }
        if (isHighSurrogate(char16_t(c)) || isLowSurrogate(char16_t(c)))
            c = 0xFFFD;
        *out++ = char(0xE0 | (c >> 12));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace

QString DecodeWindows1252(const char *data, qsizetype size)
{
    QString text = QString::fromLatin1(data, size);
    bool special = false;
    for (qsizetype i = 0; i < size; ++i)
        special |= (quint8(data[i]) & 0xE0) == 0x80;
    if (special) {
        QChar *chars = text.data();
        for (qsizetype i = 0; i < size; ++i) {
            const quint8 byte = quint8(data[i]);
            if (byte >= 0x80 && byte < 0xA0)
                chars[i] = QChar(windows1252High[byte - 0x80]);
        }
    }
    return text;
}

QByteArray EncodeWindows1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            byte = char(c);
        } else {
            const auto *found = std::find(std::begin(windows1252High), std::end(windows1252High), c);
            if (found != std::end(windows1252High))
                byte = char(0x80 + (found - std::begin(windows1252High)));
        }
        bytes[i] = byte;
    }
    return bytes;
}

// ---------------------------------------------------------------- reading

TTableStreamReader::TTableStreamReader(QIODevice &device) : m_device(device), m_buffer(size_t(bufferSize)) {}

void TTableStreamReader::FailRead() { throw VelmoraError(QStringLiteral("Stream-Lesefehler")); }

void TTableStreamReader::FailValue() { throw VelmoraError(QStringLiteral("Ungültiger Eigenschaftswert")); }

qint64 TTableStreamReader::BytesLeft() const
{
    if (m_device.isSequential())
        return -1;
    return m_device.size() - m_device.pos() + (m_len - m_pos);
}

void TTableStreamReader::Refill(qint64 need)
{
    const qint64 unread = m_len - m_pos;
    if (unread > 0 && m_pos > 0)
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, size_t(unread));
    m_pos = 0;
    m_len = unread;
    while (m_len < need) {
        const qint64 got = m_device.read(m_buffer.data() + m_len, bufferSize - m_len);
        if (got <= 0)
            FailRead();
        m_len += got;
    }
}

const char *TTableStreamReader::Take(qint64 size)
{
    if (m_len - m_pos >= size) {
        const char *data = m_buffer.data() + m_pos;
        m_pos += size;
        return data;
    }
    if (size <= bufferSize) {
        Refill(size);
        const char *data = m_buffer.data() + m_pos;
        m_pos += size;
        return data;
    }
    // Larger than the buffer: gather it, growing only as far as the device really has data,
    // so a damaged length cannot make us reserve gigabytes.
    const qint64 left = BytesLeft();
    if (left >= 0 && size > left)
        FailRead();
    const qint64 buffered = m_len - m_pos;
    m_scratch.resize(0);
    m_scratch.append(m_buffer.data() + m_pos, buffered);
    m_pos = m_len = 0;
    qint64 remaining = size - buffered;
    while (remaining > 0) {
        const qint64 chunk = std::min<qint64>(remaining, qint64(1) << 20);
        const qsizetype old = m_scratch.size();
        m_scratch.resize(old + chunk);
        const qint64 got = m_device.read(m_scratch.data() + old, chunk);
        if (got <= 0)
            FailRead();
        m_scratch.resize(old + got);
        remaining -= got;
    }
    return m_scratch.constData();
}

qint64 TTableStreamReader::ReadLittleEndian(int bytes)
{
    const auto *data = reinterpret_cast<const quint8 *>(Take(bytes));
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | data[i];
    return qint64(value);
}

bool TTableStreamReader::TryReadEnd()
{
    if (PeekByte() != TableTag::End)
        return false;
    ++m_pos;
    return true;
}

void TTableStreamReader::ReadListBegin()
{
    if (ReadByte() != TableTag::List)
        FailValue();
}

qint32 TTableStreamReader::ReadInteger()
{
    switch (ReadByte()) {
    case TableTag::Int8:
        return qint8(ReadByte());
    case TableTag::Int16:
        return qint16(ReadLittleEndian(2));
    case TableTag::Int32:
        return qint32(ReadLittleEndian(4));
    default:
        FailValue();
    }
}

void TTableStreamReader::ReadText(QString &text)
{
    switch (ReadByte()) {
    case TableTag::ShortText: {
        const qint64 size = ReadByte();
        text = DecodeWindows1252(Take(size), qsizetype(size));
        return;
    }
    case TableTag::LongText: {
        const qint64 size = quint32(ReadLittleEndian(4));
        text = DecodeWindows1252(Take(size), qsizetype(size));
        return;
    }
    case TableTag::Utf8Text: {
        const qint64 size = quint32(ReadLittleEndian(4));
        text = QString::fromUtf8(Take(size), qsizetype(size));
        return;
    }
    case TableTag::WideText: {
        const qint64 count = quint32(ReadLittleEndian(4));
        const auto *data = reinterpret_cast<const quint8 *>(Take(count * 2));
        text.resize(qsizetype(count));
        QChar *chars = text.data();
        for (qint64 i = 0; i < count; ++i)
            chars[i] = QChar(char16_t(data[2 * i] | (data[2 * i + 1] << 8)));
        return;
    }
    default:
        FailValue();
    }
}

TFloat80 TTableStreamReader::ReadFloat()
{
    switch (ReadByte()) {
    case TableTag::Float80: {
        const auto *data = reinterpret_cast<const quint8 *>(Take(10));
        TFloat80 value;
        for (int i = 7; i >= 0; --i)
            value.mantissa = (value.mantissa << 8) | data[i];
        value.signExponent = quint16(data[8] | (data[9] << 8));
        return value;
    }
    case TableTag::Int8:
        return TFloat80::FromInteger(qint8(ReadByte()));
    case TableTag::Int16:
        return TFloat80::FromInteger(qint16(ReadLittleEndian(2)));
    case TableTag::Int32:
        return TFloat80::FromInteger(qint32(ReadLittleEndian(4)));
    case TableTag::Int64:
        return TFloat80::FromInteger(ReadLittleEndian(8));
    default:
        FailValue();
    }
}

// ---------------------------------------------------------------- writing

TTableStreamWriter::TTableStreamWriter(QIODevice &device) : m_device(device), m_buffer(size_t(bufferSize)) {}

void TTableStreamWriter::Flush()
{
    if (m_pos == 0)
        return;
    writeAll(m_buffer.data(), m_pos);
    m_pos = 0;
}

void TTableStreamWriter::writeAll(const char *data, qint64 size)
{
    // A device may take only part of a block (a disk that fills up); the rest is offered again, and
    // only a write that takes nothing counts as the failure, which leaves the device's reason behind.
    while (size > 0) {
        const qint64 written = m_device.write(data, size);
        if (written <= 0)
            throw TStreamWriteError();
        data += written;
        size -= written;
    }
}

void TTableStreamWriter::WriteRaw(const char *data, qint64 size)
{
    if (qint64(m_buffer.size()) - m_pos >= size) {
        std::memcpy(m_buffer.data() + m_pos, data, size_t(size));
        m_pos += size;
        return;
    }
    Flush();
    if (size <= qint64(m_buffer.size())) {
        std::memcpy(m_buffer.data(), data, size_t(size));
        m_pos = size;
    } else {
        writeAll(data, size);
    }
}

void TTableStreamWriter::PutLittleEndian(quint64 value, int bytes)
{
    Ensure(bytes);
    for (int i = 0; i < bytes; ++i) {
        m_buffer[size_t(m_pos++)] = char(value & 0xFF);
        value >>= 8;
    }
}

void TTableStreamWriter::WriteInteger(qint32 value)
{
    if (value >= -128 && value <= 127) {
        Ensure(2);
        m_buffer[size_t(m_pos++)] = char(TableTag::Int8);
        m_buffer[size_t(m_pos++)] = char(qint8(value));
    } else if (value >= -32768 && value <= 32767) {
        WriteByte(TableTag::Int16);
        PutLittleEndian(quint16(qint16(value)), 2);
    } else {
        WriteByte(TableTag::Int32);
        PutLittleEndian(quint32(value), 4);
    }
}

void TTableStreamWriter::WriteText(const QString &text)
{
    const char16_t *chars = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype size = text.size();
    char16_t all = 0;
    for (qsizetype i = 0; i < size; ++i)
        all |= chars[i];
    if (all < 0x80) {
        if (size <= 255) {
            Ensure(2 + size);
            m_buffer[size_t(m_pos++)] = char(TableTag::ShortText);
            m_buffer[size_t(m_pos++)] = char(quint8(size));
        } else {
            WriteByte(TableTag::LongText);
            PutLittleEndian(quint32(size), 4);
        }
        char *out;
        if (size <= qint64(m_buffer.size())) {
            Ensure(size);
            out = m_buffer.data() + m_pos;
            m_pos += size;
        } else {
            m_scratch.resize(size_t(size));
            out = m_scratch.data();
        }
        for (qsizetype i = 0; i < size; ++i)
            out[i] = char(chars[i]);
        if (size > qint64(m_buffer.size()))
            WriteRaw(m_scratch.data(), size);
        return;
    }
    const qint64 length = utf8Length(chars, size);
    WriteByte(TableTag::Utf8Text);
    PutLittleEndian(quint32(length), 4);
    if (length <= qint64(m_buffer.size())) {
        Ensure(length);
        encodeUtf8(chars, size, m_buffer.data() + m_pos);
        m_pos += length;
    } else {
        m_scratch.resize(size_t(length));
        encodeUtf8(chars, size, m_scratch.data());
        WriteRaw(m_scratch.data(), length);
    }
}

void TTableStreamWriter::WriteFloat(TFloat80 value)
{
    WriteByte(TableTag::Float80);
    PutLittleEndian(value.mantissa, 8);
    PutLittleEndian(value.signExponent, 2);
}
