// SPDX-License-Identifier: GPL-3.0-or-later
// The external data file loader.  Byte 0 sets the number of external items
// (0 to 7); the rest is the data file.  Loaded columns always have equal
// lengths, and no more values than the file has lines.
#include "externdatamanage.h"
#include "fuzzqt.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const QString path = QStringLiteral("data.csv");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        file.write(reinterpret_cast<const char *>(data) + 1, qint64(size - 1));
    }
    ExternDataManage manager;
    const int columns = data[0] % 8;
    for (int i = 0; i < columns; ++i)
        manager.addColumn(QStringLiteral("Text%1").arg(i));
    const int result = manager.loadDataFile(path);
    if (result == ExternDataManage::Loaded) {
        for (int i = 0; i < manager.columnCount(); ++i) {
            const int values = manager.columnAt(i).values.size();
            if (values != manager.columnAt(0).values.size() || values > manager.lineCount())
                abort();
        }
    }
    return 0;
}
