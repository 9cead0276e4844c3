// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagepreview.h"

#include "boundedread.h"
#include "coder.h"
#include "graphicsscene.h"
#include "graphicsview.h"
#include "messagefile.h"
#include "prompts.h"

#include <QCryptographicHash>
#include <QFile>
#include <QGraphicsItem>
#include <QLabel>

MessagePreview::MessagePreview(GraphicsView *view, QLabel *caption, QObject *parent)
    : QObject(parent), m_view(view), m_caption(caption), m_scene(new GraphicsScene(this))
{
    m_scene->setSceneRect(0, 0, 3000, 1200);
    m_scene->autoFitSceneRect = true;
    m_view->setScene(m_scene);
    // Top-left, head mask 15, millimetre rulers over the scene only, rubber
    // band; at the preview's own scale.
    m_view->setupMessageView();
    m_view->setTransform(QTransform::fromScale(kScale, kScale));
    m_view->updateRulers();
    // 300 pixels show all four heads; the operator may give the preview
    // more or less room against what is below it.
    m_view->setMinimumHeight(120);
    m_view->setMaximumHeight(QWIDGETSIZE_MAX);
}

QString MessagePreview::caption() const
{
    return m_caption->text();
}

void MessagePreview::showFile(const QString &path)
{
    m_coderDescriptor = -1;
    m_mismatch = false;
    m_caption->setStyleSheet(QString());
    m_caption->setText(path);
    const QByteArray before = fingerprint(path);
    const MessageFile::Result result = load(path);
    m_filePath = result.ok && !before.isEmpty() ? path : QString();
    m_fileFingerprint = before;
    if (!result.error.isEmpty())
        Prompts::warning(m_view->window(), MessageFile::boxTitle(), result.error);
    if (!result.dataFileProblem.isEmpty())
        Prompts::information(m_view->window(), MessageFile::dataFileBoxTitle(),
                             result.dataFileProblem);
}

void MessagePreview::showCoderFile(const QString &path, const Coder &coder)
{
    m_coderDescriptor = coder.descriptor;
    setCoderCaption(coder);
    const QString ipText = coder.ipText;
    m_filePath.clear();
    const MessageFile::Result result = load(path);
    for (const QString &text : {result.error, result.dataFileProblem}) {
        if (!text.isEmpty())
            emit problem(tr("Current message of coder %1: %2").arg(ipText, text));
    }
}

void MessagePreview::showReadBack(const Coder &coder)
{
    if (coder.descriptor == m_coderDescriptor)
        setCoderCaption(coder);
}

void MessagePreview::setCoderCaption(const Coder &coder)
{
    QString text = coder.remarkName.isEmpty()
                       ? tr("Current message of %1").arg(coder.ipText)
                       : tr("Current message of %1 (%2)").arg(coder.ipText, coder.remarkName);
    const QString at = coder.readBackTime.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
    m_mismatch = false;
    switch (coder.readBack) {
    case ReadBack::Verified:
        text = tr("%1, read back %2").arg(text, at);
        break;
    case ReadBack::Mismatch:
        m_mismatch = true;
        text =
            tr("%1, read back %2: not the message sent\nsent SHA-256 %3\nheld SHA-256 %4")
                .arg(text, at, coder.sentSha256,
                     coder.currentFileSha256.isEmpty() ? tr("unknown") : coder.currentFileSha256);
        break;
    case ReadBack::NoAnswer:
        m_mismatch = true;
        text = tr("%1: no read-back since %2 (sent SHA-256 %3)").arg(text, at, coder.sentSha256);
        break;
    case ReadBack::Pending:
        text = tr("%1, waiting for the read-back").arg(text);
        break;
    case ReadBack::None:
        break;
    }
    m_caption->setStyleSheet(
        m_mismatch ? QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;") : QString());
    m_caption->setText(text);
}

const GraphicsScene *MessagePreview::sceneOf(const QString &path) const
{
    if (path.isEmpty() || path != m_filePath)
        return nullptr;
    return fingerprint(path) == m_fileFingerprint ? m_scene : nullptr;
}

// The SHA-256 of the file's bytes; empty when it cannot be read whole.
QByteArray MessagePreview::fingerprint(const QString &path)
{
    const PlainFile file = PlainFile::read(path);
    return file.ok() ? QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha256)
                     : QByteArray();
}

MessageFile::Result MessagePreview::load(const QString &path)
{
    const MessageFile::Result result = m_view->loadFile(path);
    // The preview only shows: nothing in it moves or gets selected.
    for (QGraphicsItem *item : m_scene->items()) {
        item->setFlag(QGraphicsItem::ItemIsMovable, false);
        item->setFlag(QGraphicsItem::ItemIsSelectable, false);
    }
    return result;
}
