// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as bingolst.dat. Reading never crashes or reads past slot 51,
// and what is written back from it is 51 whole lines that read back as the same table.
#include "halloffame/fame.h"

#include <QStringDecoder>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FameTable table = readFameTable(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    const QByteArray written = fameFileBytes(table);
    QString text = QString::fromLatin1(written);  // a byte a character: only CR and LF are line ends
    if (table.encoding == FameEncoding::Utf16LE || table.encoding == FameEncoding::Utf16BE)
        text = QStringDecoder(table.encoding == FameEncoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE)(written);
    if (fameListLines(table).size() > WrittenSlots || text.count(u'\n') != WrittenSlots || text.count(u"\r\n") != WrittenSlots)
        std::abort();
    const FameTable back = readFameTable(written);
    for (int slot = 0; slot < WrittenSlots; ++slot)
        if (back[slot].WinnerName != table[slot].WinnerName || back[slot].Calls != table[slot].Calls
            || back[slot].Used != table[slot].Used || back[slot].Line != table[slot].Line)
            std::abort();
    return 0;
}
