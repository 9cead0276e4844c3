// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "promptslayer.h"

#include <QStringList>

// Answers the editor's file dialogs instead of showing them, for as long as
// it lives.  An empty answer is a cancelled dialog.
class fileDialogStub : public promptsLayer
{
public:
    QString file;     // what chooseFile answers
    QString saveName; // what chooseSaveName answers
    // "open|title|folder|filter" or "save|caption|folder|filter" per dialog.
    QStringList asked;

    QString chooseFile(QWidget *, const QString &title, const QString &folder,
                       const QString &filter) override
    {
        asked << "open|" + title + '|' + folder + '|' + filter;
        return file;
    }

    QString chooseSaveName(QWidget *, const QString &caption, const QString &folder,
                           const QString &filter) override
    {
        asked << "save|" + caption + '|' + folder + '|' + filter;
        return saveName;
    }
};
