#include "halloffame/fame.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <cstring>

namespace {

// Larger files are read this far only: 52 records of any name a player could type fit.
constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Windows-1252: Latin-1 but for 0x80 to 0x9F.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    text.clear();
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte));
    }
    return text;
}

qint16 toInt16(const QByteArray& field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok && value >= -32768 && value <= 32767 ? static_cast<qint16>(value) : 0;
}

class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : m_p(bytes.constData()), m_end(m_p + bytes.size()) {}

    bool atEnd() const { return m_p >= m_end; }

    QByteArray next()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\t'))
            ++m_p;
        QByteArray value;
        if (m_p < m_end && *m_p == '"') {
            ++m_p;
            const auto* close = static_cast<const char*>(std::memchr(m_p, '"', m_end - m_p));
            if (!close)
                close = m_end;
            value = QByteArray(m_p, close - m_p);
            m_p = close < m_end ? close + 1 : m_end;
            skipToSeparator();  // anything between the closing quote and the separator is dropped
        } else {
            const char* start = m_p;
            skipToSeparator();
            value = QByteArray(start, m_p - start).trimmed();
        }
        if (m_p < m_end) {
            const char separator = *m_p++;
            if (separator == '\r' && m_p < m_end && *m_p == '\n')
                ++m_p;
        }
        return value;
    }

private:
    void skipToSeparator()
    {
        while (m_p < m_end && *m_p != ',' && *m_p != '\r' && *m_p != '\n')
            ++m_p;
    }

    const char* m_p;
    const char* m_end;
};

QString safeName(QString name)
{
    name.replace(QLatin1Char('"'), QLatin1Char('\''));
    name.replace(QLatin1String("\r\n"), QLatin1String(" "));
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return name;
}

}  // namespace

FameTable readFameTable(const QByteArray& bytes)
{
    FameTable table;
    FieldReader reader(bytes);
    for (int slot = 0; slot < FameSlots && !reader.atEnd(); ++slot) {
        FameRecord& record = table[slot];
        record.WinnerName = decode(reader.next());
        record.Calls = toInt16(reader.next());
        record.Used = toInt16(reader.next());
    }
    return table;
}

QByteArray fameFileBytes(const FameTable& table)
{
    QByteArray bytes;
    for (int slot = 0; slot < WrittenSlots; ++slot) {
        const FameRecord& record = table[slot];
        bytes += '"' + safeName(record.WinnerName).toUtf8() + "\"," + QByteArray::number(record.Calls) + ','
                 + QByteArray::number(record.Used) + "\r\n";
    }
    return bytes;
}

QStringList fameListLines(const FameTable& table)
{
    QStringList lines;
    for (int slot = 0; slot < WrittenSlots; ++slot)
        if (table[slot].Used != 0)
            lines << table[slot].WinnerName + QStringLiteral(" , ") + QString::number(table[slot].Calls);
    return lines;
}

int AddFameEntry(FameTable& table, const QString& name, int calls)
{
    int slot = 0;
    while (slot < WrittenSlots && table[slot].Used != 0)
        ++slot;
    if (slot == WrittenSlots)
        slot = 0;
    table[slot].WinnerName = name;
    table[slot].Calls = static_cast<qint16>(calls);
    table[slot].Used = 1;
    return slot;
}

FameTable ReadFameFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readFameTable(file.read(MaxFileBytes));
}

bool writeFameFile(const FameTable& table, const QString& path, const std::function<void()>& beforeRename)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = fameFileBytes(table);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (beforeRename) {
        file.flush();
        beforeRename();
    }
    return file.commit();
}
