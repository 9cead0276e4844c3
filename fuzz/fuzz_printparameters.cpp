// SPDX-License-Identifier: GPL-3.0-or-later
// The print-parameter block and the status report, of any length.  Reading
// then writing a block must settle after one pass (booleans read as any
// non-zero byte are written as 1).
#include "printparameters.h"
#include "protocol.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray block(reinterpret_cast<const char *>(data), int(size));
    const QByteArray once = PrintParameters::fromBytes(block).toBytes();
    if (once.size() != PrintParameters::kSize)
        abort();
    if (PrintParameters::fromBytes(once).toBytes() != once)
        abort();
    const StatusReport report = parseStatusReport(block);
    if (size >= 2 && (report.state != data[0] || quint8(report.progress) != data[1]))
        abort();
    return 0;
}
