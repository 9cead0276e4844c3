// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagefilelist.h"

#include <QDir>
#include <QListWidget>
#include <QSignalBlocker>

MessageFileList::MessageFileList(QListWidget *list, const QString &folder, QObject *parent)
    : QObject(parent), m_list(list), m_folder(folder)
{
    connect(m_list, &QListWidget::itemSelectionChanged, this, &MessageFileList::selectionChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &MessageFileList::refresh);
    watchFolder();
}

void MessageFileList::watchFolder()
{
    if (m_watcher.directories().isEmpty() && QDir(m_folder).exists())
        m_watcher.addPath(m_folder);
}

void MessageFileList::refresh()
{
    watchFolder();
    const QStringList selected = selectedNames();
    QStringList names;
    const QStringList files = QDir(m_folder).entryList(
        {QStringLiteral("*.spr")}, QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString &file : files)
        names << file.left(file.lastIndexOf(QLatin1Char('.')));

    bool selectionKept = false;
    {
        // One selection signal at most, below, rather than one per row.
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        m_list->addItems(names);
        for (int i = 0; i < m_list->count(); ++i) {
            if (selected.contains(m_list->item(i)->text())) {
                m_list->item(i)->setSelected(true);
                m_list->setCurrentRow(i, QItemSelectionModel::NoUpdate);
                selectionKept = true;
            }
        }
    }
    if (!selected.isEmpty() && !selectionKept)
        emit selectionChanged();
}

QStringList MessageFileList::selectedNames() const
{
    QStringList names;
    for (const QListWidgetItem *item : m_list->selectedItems())
        names << item->text();
    return names;
}

QString MessageFileList::pathOf(const QString &name) const
{
    return m_folder + QLatin1Char('/') + name + QStringLiteral(".spr");
}
