// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as bingolst.dat. Reading never crashes or reads past slot 51,
// and what is written back from it is 51 whole lines that read back as the same table.
#include "halloffame/fame.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FameTable table = readFameTable(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    const QByteArray written = fameFileBytes(table);
    if (fameListLines(table).size() > WrittenSlots || written.count('\n') != WrittenSlots
        || written.count("\r\n") != WrittenSlots)
        std::abort();
    const FameTable back = readFameTable(written);
    for (int slot = 0; slot < WrittenSlots; ++slot)
        if (back[slot].WinnerName != table[slot].WinnerName || back[slot].Calls != table[slot].Calls
            || back[slot].Used != table[slot].Used)
            std::abort();
    return 0;
}
