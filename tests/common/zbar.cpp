// SPDX-License-Identifier: GPL-3.0-or-later
#include "zbar.h"

#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace zbar {

QByteArray run(const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.start(QStringLiteral("zbarimg"), QStringList{"-q", "--nodbus"} + arguments);
    if (!process.waitForFinished(timeoutMs))
        return {};
    return process.readAllStandardOutput();
}

namespace {

QStringList rawLines(const QStringList &files, const QStringList &options)
{
    QStringList lines = QString::fromUtf8(run(QStringList{"--raw"} + options + files)).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

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
    QStringList decoded = rawLines(files, options);
    if (decoded.size() == files.size())
        return decoded;
    decoded.clear();
    for (const QString &file : files) {
        const QStringList one = rawLines({file}, options);
        decoded << (one.size() == 1 ? one.first() : QString());
    }
    return decoded;
}

QHash<QString, Symbol> decodeFiles(const QStringList &files, const QStringList &options)
{
    QStringList sources;
    QStringList types;
    QXmlStreamReader xml(run(QStringList{"--xml"} + options + files));
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = QFileInfo(xml.attributes().value("href").toString()).fileName();
        } else if (xml.name() == QLatin1String("symbol")) {
            sources << source;
            types << xml.attributes().value("type").toString();
        }
    }
    QList<QByteArray> lines = run(QStringList{"--raw"} + options + files).split('\n');
    lines.removeLast(); // after the final line end
    QHash<QString, Symbol> result;
    if (lines.size() != sources.size())
        return result;
    for (int i = 0; i < sources.size(); ++i)
        result.insert(sources.at(i), {types.at(i), QString::fromUtf8(lines.at(i))});
    return result;
}

} // namespace zbar
