// SPDX-License-Identifier: GPL-3.0-or-later
#include "writewhole.h"

#include <QFileDevice>

bool writeWhole(QFileDevice &out, const QByteArray &bytes, QString *reason)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = out.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            *reason = out.errorString();
            return false;
        }
        done += n;
    }
    // A flush cut short gives no reason either; flushing the rest does.
    if (out.flush() || out.flush())
        return true;
    *reason = out.errorString();
    return false;
}
