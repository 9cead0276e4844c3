// SPDX-License-Identifier: GPL-3.0-or-later
#include "zbardecoder.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QStringList run(const QStringList &files, const QStringList &options)
{
    QProcess zbar;
    zbar.start("zbarimg", QStringList{"--raw", "-q", "--nodbus"} + options + files);
    if (!zbar.waitForFinished(60000))
        return {};
    QStringList lines = QString::fromUtf8(zbar.readAllStandardOutput()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

namespace zbarDecoder {

QStringList decode(const QList<QImage> &pictures, int margin, const QStringList &options)
{
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < pictures.size(); ++i) {
        const QImage &picture = pictures[i];
        QImage paper(picture.width() + 2 * margin, picture.height() + 2 * margin,
                     QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        painter.drawImage(margin, margin, picture);
        painter.end();
        const QString file = dir.filePath(QString("symbol%1.png").arg(i));
        paper.save(file);
        files << file;
    }
    QStringList decoded = run(files, options);
    if (decoded.size() == files.size())
        return decoded;
    decoded.clear();
    for (const QString &file : files) {
        const QStringList one = run({file}, options);
        decoded << (one.size() == 1 ? one.first() : QString());
    }
    return decoded;
}

} // namespace zbarDecoder
