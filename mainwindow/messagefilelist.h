// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>

class QListWidget;

// The message files of the folder "Spray/" in a list widget, shown by name
// without the extension. Follows files added or removed while the program
// runs; the selected message stays selected while it exists.
class MessageFileList : public QObject
{
    Q_OBJECT
public:
    MessageFileList(QListWidget *list, const QString &folder, QObject *parent = nullptr);

    void refresh();
    QStringList selectedNames() const;
    // "Spray/" + name + ".spr"
    QString pathOf(const QString &name) const;

signals:
    void selectionChanged();

private:
    void watchFolder();

    QListWidget *m_list;
    QString m_folder;
    QFileSystemWatcher m_watcher;
};
