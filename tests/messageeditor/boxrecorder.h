// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "promptslayer.h"

#include <QStringList>
#include <QUrl>

// Records the editor's boxes instead of showing them, for as long as it
// lives.  Questions get the answer at index `answer`.
class boxRecorder : public promptsLayer
{
public:
    // "title|text|button" per box shown.
    QStringList seen;

    void warning(const QString &title, const QString &text, const QString &button) override
    {
        seen << title + '|' + text + '|' + button;
    }

    int answer = 0;
    // Pages handed to the browser; none is opened.
    QList<QUrl> opened;

    bool openUrl(const QUrl &url) override
    {
        opened << url;
        return true;
    }

    void information(const QString &title, const QString &text) override
    {
        seen << title + '|' + text;
    }

    int question(const QString &title, const QString &text, const QStringList &answers) override
    {
        seen << title + '|' + text + '|' + answers.join('/');
        return answer;
    }
};
