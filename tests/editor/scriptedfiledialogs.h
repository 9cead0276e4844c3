// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "promptslayer.h"

#include <QStringList>

// Answers file dialogs from a script for the lifetime of the object; when
// the script runs out the dialog counts as cancelled.
struct ScriptedFileDialogs : PromptsLayer
{
    QStringList openAnswers;
    QStringList saveAnswers;
    int openAsked = 0;
    int saveAsked = 0;
    QString lastCaption, lastDir, lastFilter, lastSuffix;

    QString openFileName(QWidget *, const QString &caption, const QString &dir,
                         const QString &filter) override
    {
        ++openAsked;
        lastCaption = caption;
        lastDir = dir;
        lastFilter = filter;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &dir,
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
