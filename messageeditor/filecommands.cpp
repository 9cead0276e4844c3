// SPDX-License-Identifier: GPL-3.0-or-later
#include "filecommands.h"

#include "diagramscene.h"
#include "editoritemtypes.h"
#include "editorprompts.h"
#include "messageeditorlog.h"
#include "messagereader.h"
#include "messagewriter.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The open and delete dialogs' filter, translated in the window's context.
QString sprFilter()
{
    return QCoreApplication::translate("MainWindow", "Spr Files(*.spr )");
}

QList<QGraphicsItem *> messageItems(const diagramScene &scene)
{
    QList<QGraphicsItem *> found;
    const QList<QGraphicsItem *> all = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all) {
        if (!item->parentItem() && diagramType::isMessageItem(item->type()))
            found << item;
    }
    return found;
}

} // namespace

fileCommands::fileCommands(diagramScene *scene, QWidget *dialogParent, Discarder discard)
    : m_scene(scene), m_dialogParent(dialogParent), m_discard(std::move(discard)),
      m_fileName(QCoreApplication::translate("MainWindow", "Spray/Untitled.spr"))
{
    markSaved();
}

bool fileCommands::isModified() const
{
    return messageWriter::document(*m_scene) != m_saved;
}

void fileCommands::newFile()
{
    m_discard(messageItems(*m_scene));
    m_isNew = true;
    m_fileName = QCoreApplication::translate("MainWindow", "Spray/Untitled.spr");
    markSaved();
    emit messageReplaced();
}

bool fileCommands::open()
{
    const QString path = editorPrompts::current().chooseFile(
        m_dialogParent, QCoreApplication::translate("MainWindow", "打开文件"), QStringLiteral("."),
        sprFilter());
    return !path.isEmpty() && openFile(path);
}

bool fileCommands::openFile(const QString &path)
{
    // Read into a scene of its own first, so that a file that cannot be
    // read costs nothing of the message on screen.
    diagramScene loaded;
    loaded.setSceneRect(m_scene->sceneRect());
    const messageReader::Result result = messageReader::load(path, &loaded);
    if (result != messageReader::Result::Loaded) {
        QString text;
        if (result == messageReader::Result::CannotOpen)
            text = QCoreApplication::translate("MainWindow", "无法打开文件：%1").arg(path);
        else if (result == messageReader::Result::TooLarge) // the size says why
            text = QCoreApplication::translate("MainWindow", "无法打开文件：%1")
                       .arg(QStringLiteral("%1 (> %2 MiB)")
                                .arg(path)
                                .arg(messageReader::kMaxFileBytes / (1024 * 1024)));
        else
            text =
                QCoreApplication::translate("MainWindow", "文件不是有效的信息文件：%1").arg(path);
        editorPrompts::warn(text);
        return false;
    }
    m_discard(messageItems(*m_scene));
    const QList<QGraphicsItem *> items = messageItems(loaded);
    for (QGraphicsItem *item : items) {
        loaded.removeItem(item);
        m_scene->addItem(item);
    }
    m_scene->setSceneRect(loaded.sceneRect());
    m_isNew = false;
    m_fileName = path;
    markSaved();
    emit messageReplaced();
    return true;
}

bool fileCommands::save()
{
    return m_isNew ? saveAs() : write(m_fileName);
}

bool fileCommands::saveAs()
{
    const QString path = editorPrompts::current().chooseSaveName(
        m_dialogParent, QCoreApplication::translate("MainWindow", "保存文件"), QStringLiteral("."),
        QCoreApplication::translate("MainWindow", "*.spr"));
    if (path.isEmpty())
        return false;
    qCDebug(lcMessageEditor) << "save as:" << path;
    if (!write(path))
        return false; // the name and the new flag stay as they were
    m_isNew = false;
    m_fileName = path;
    emit stateChanged();
    return true;
}

bool fileCommands::deleteFile()
{
    const QString path = editorPrompts::current().chooseFile(
        m_dialogParent, QCoreApplication::translate("MainWindow", "删除文件"), QStringLiteral("."),
        sprFilter());
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (file.remove())
        return true;
    editorPrompts::warn(QCoreApplication::translate("MainWindow", "无法删除文件：%1\n%2")
                            .arg(path, file.errorString()));
    return false;
}

bool fileCommands::maySetAside()
{
    if (!isModified())
        return true;
    const QStringList answers{QCoreApplication::translate("MainWindow", "保存"),
                              QCoreApplication::translate("MainWindow", "不保存"),
                              QCoreApplication::translate("MainWindow", "取消")};
    const int answer = editorPrompts::current().question(
        QCoreApplication::translate("MainWindow", "编辑软件"),
        QCoreApplication::translate("MainWindow", "%1 有未保存的修改，是否保存？").arg(m_fileName),
        answers);
    if (answer == 0)
        return save();
    return answer == 1;
}

bool fileCommands::write(const QString &path)
{
    // The writer reports a failure itself and leaves the old file as it was.
    if (!messageWriter::save(*m_scene, path))
        return false;
    markSaved();
    return true;
}

void fileCommands::markSaved()
{
    m_saved = messageWriter::document(*m_scene);
    emit stateChanged();
}
