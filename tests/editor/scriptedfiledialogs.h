// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filedialogs.h"

#include <QStringList>

// Answers file dialogs from a script for the lifetime of the object; when
// the script runs out the dialog counts as cancelled.
struct ScriptedFileDialogs : FileDialogs
{
    QStringList openAnswers;
    QStringList saveAnswers;
    int openAsked = 0;
    int saveAsked = 0;
    QString lastCaption, lastDir, lastFilter, lastSuffix;

    ScriptedFileDialogs() { FileDialogs::install(this); }
    ~ScriptedFileDialogs() override { FileDialogs::install(nullptr); }

    QString getOpenFileName(QWidget *, const QString &caption, const QString &dir,
                            const QString &filter) override
    {
        ++openAsked;
        lastCaption = caption;
        lastDir = dir;
        lastFilter = filter;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString getSaveFileName(QWidget *, const QString &caption, const QString &dir,
                            const QString &filter, const QString &defaultSuffix) override
    {
        ++saveAsked;
        lastCaption = caption;
        lastDir = dir;
        lastFilter = filter;
        lastSuffix = defaultSuffix;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
};
