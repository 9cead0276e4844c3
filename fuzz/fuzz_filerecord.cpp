// SPDX-License-Identifier: GPL-3.0-or-later
// The file-transfer and current-file records.  Whatever a peer sends, an
// accepted name is a plain file name, and an accepted file-transfer record
// encodes back to the same bytes.
#include "filerecord.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray payload(reinterpret_cast<const char *>(data), int(size));
    FileRecord record;
    QString error;
    if (FileRecord::parseCurrentFile(payload, &record, &error)) {
        if (!FileRecord::isSafeFileName(record.name) || record.name.contains(QLatin1Char('/')))
            abort();
    }
    FileRecord transfer;
    if (FileRecord::parseFileTransfer(payload, &transfer, &error)) {
        if (!FileRecord::isSafeFileName(transfer.name))
            abort();
        QByteArray again;
        if (FileRecord::encode(transfer.name, transfer.content, &again, &error)) {
            FileRecord back;
            if (!FileRecord::parseFileTransfer(again, &back, &error) ||
                back.name != transfer.name || back.content != transfer.content)
                abort();
        }
    }
    return 0;
}
