// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchrecordpdf.h"

#include "graphicsscene.h"
#include "messagefile.h"
#include "printpreview.h"
#include "templatesigning.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

QString timeText(const QDateTime &t)
{
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                       : QStringLiteral("-");
}

// Draws lines of text down the page; a line too long for the width wraps.
class Writer
{
public:
    Writer(QPainter *painter, int width) : m_p(painter), m_width(width) {}
    void heading(const QString &text)
    {
        QFont f = m_p->font();
        f.setBold(true);
        m_p->setFont(f);
        line(text);
        f.setBold(false);
        m_p->setFont(f);
    }
    void line(const QString &text)
    {
        const QRect box = m_p->boundingRect(QRect(0, m_y, m_width, 100000),
                                            Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
        m_p->drawText(box, Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
        m_y = box.bottom() + m_p->fontMetrics().height() / 4;
    }
    void gap() { m_y += m_p->fontMetrics().height() / 2; }
    int y() const { return m_y; }
    void skip(int by) { m_y += by; }

private:
    QPainter *m_p;
    int m_width;
    int m_y = 0;
};

} // namespace

QString BatchRecordPdf::findMessage(const QString &folder, const QString &sha256)
{
    if (sha256.isEmpty())
        return QString();
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.spr")}, QDir::Files)) {
        const QString path = dir.filePath(name);
        if (TemplateSigning::fileSha256(path) == sha256)
            return path;
    }
    return QString();
}

QImage BatchRecordPdf::render(const QString &messagePath, const QDateTime &moment, QString *error)
{
    GraphicsScene scene;
    const MessageFile::Result loaded = MessageFile::load(scene, messagePath);
    if (!loaded) {
        *error = loaded.error;
        return QImage();
    }
    const QImage picture = PrintPreview::picture(scene, moment);
    if (picture.isNull())
        *error = tr("the message is too large to draw");
    return picture;
}

QString BatchRecordPdf::write(const Input &in, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return tr("%1 cannot be written (%2)").arg(path, file.errorString());
    const JobRecord &job = in.job;
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(tr("Batch record of job %1").arg(job.id));
        pdf.setCreator(QStringLiteral("Korvex Control"));
        QPainter p(&pdf);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(8.5);
        p.setFont(font);
        const int width = pdf.width();
        Writer w(&p, width);
        QFont title = font;
        title.setPointSizeF(14);
        title.setBold(true);
        p.setFont(title);
        w.line(tr("Batch record: job %1").arg(job.id));
        p.setFont(font);
        w.line(tr("Product: %1 %2").arg(job.productCode, in.productName));
        w.line(tr("Order: %1    Lot: %2").arg(job.orderNumber, job.lot));
        w.line(tr("Started: %1 by %2").arg(timeText(job.startedAt), job.startedBy));
        w.line(job.endedBy.isEmpty()
                   ? tr("Ended: not yet")
                   : tr("Ended: %1 by %2").arg(timeText(job.endedAt), job.endedBy));
        w.gap();
        w.heading(tr("Field values"));
        for (const auto &value : job.fieldValues)
            w.line(QStringLiteral("%1 = %2").arg(value.first, value.second));
        if (job.fieldValues.isEmpty())
            w.line(tr("none"));
        w.gap();
        w.heading(tr("Template"));
        w.line(tr("%1, SHA-256 %2").arg(job.templateName, job.templateSha256));
        w.line(tr("Signature: %1").arg(in.signature.isEmpty() ? tr("none") : in.signature));
        w.gap();
        w.heading(tr("Message sent"));
        w.line(tr("SHA-256 %1").arg(job.messageSha256));
        QString problem;
        const QImage picture =
            in.messagePath.isEmpty() ? QImage() : render(in.messagePath, job.startedAt, &problem);
        if (!picture.isNull()) {
            // At most a third of the page's height, never wider than the page.
            const QSize room(width, pdf.height() / 3);
            const QSize size =
                picture.size().scaled(room.boundedTo(picture.size() * 4), Qt::KeepAspectRatio);
            p.drawImage(QRect(QPoint(0, w.y()), size), picture);
            w.skip(size.height() + p.fontMetrics().height());
        } else {
            w.line(in.messagePath.isEmpty()
                       ? tr("(no picture: the message sent is no longer in the folder of jobs)")
                       : tr("(no picture: %1)").arg(problem));
        }
        w.gap();
        w.heading(tr("Coders"));
        for (const JobCoderRecord &c : job.coders) {
            w.line(tr("%1 %2: %3 at %4; read back %5")
                       .arg(c.ip, c.remarkName, c.result, timeText(c.resultAt),
                            c.readBackSha256.isEmpty() ? tr("nothing") : c.readBackSha256));
            w.line(
                tr("    started %1, stopped %2").arg(timeText(c.startedAt), timeText(c.stoppedAt)));
        }
        if (job.coders.isEmpty())
            w.line(tr("none"));
        w.gap();
        w.heading(tr("Code readers"));
        for (const ReaderCounts &c : in.readerCounts)
            w.line(tr("%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared")
                       .arg(c.coder, c.reader)
                       .arg(c.good)
                       .arg(c.bad)
                       .arg(c.noRead)
                       .arg(c.notCompared));
        for (const ChallengeRecord &c : in.challenges)
            w.line(tr("Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7")
                       .arg(c.coder, c.reader, c.passed ? tr("passed") : tr("failed"),
                            timeText(c.endedAt), c.by)
                       .arg(c.readsSeen)
                       .arg(c.detail.isEmpty() ? QString() : QStringLiteral(": ") + c.detail));
        if (in.readerCounts.isEmpty() && in.challenges.isEmpty())
            w.line(tr("none"));
        if (!p.end())
            return tr("%1 cannot be written").arg(path);
    }
    if (!file.commit())
        return tr("%1 cannot be written (%2)").arg(path, file.errorString());
    return QString();
}
