// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "promptslayer.h"

#include <QStringList>
#include <QUrl>

// Captures the boxes that would be shown, for the lifetime of the object.
struct RecordingNotifier : PromptsLayer
{
    struct Box
    {
        Kind kind;
        QString title;
        QString text;
    };
    QList<Box> boxes;
    // Questions asked (their texts), and the answers to give, in order; when
    // the script runs out the answer is Cancel, which loses nothing.
    QStringList questions;
    QList<Answer> answers;
    // Pages handed to the browser; none is opened.
    QList<QUrl> opened;

    void notify(Kind kind, QWidget *, const QString &title, const QString &text) override
    {
        boxes.append({kind, title, text});
    }
    Answer askSaveChanges(QWidget *, const QString &, const QString &text) override
    {
        questions.append(text);
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    bool openUrl(const QUrl &url) override
    {
        opened.append(url);
        return true;
    }
    QStringList texts() const
    {
        QStringList all;
        for (const Box &b : boxes)
            all << b.text;
        return all;
    }
};
