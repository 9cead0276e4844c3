// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usernotifier.h"

#include <QStringList>

// Captures the boxes that would be shown, for the lifetime of the object.
struct RecordingNotifier : UserNotifier
{
    struct Box
    {
        Kind kind;
        QString title;
        QString text;
    };
    QList<Box> boxes;

    RecordingNotifier() { UserNotifier::install(this); }
    ~RecordingNotifier() override { UserNotifier::install(nullptr); }

    void notify(Kind kind, QWidget *, const QString &title, const QString &text) override
    {
        boxes.append({kind, title, text});
    }
    QStringList texts() const
    {
        QStringList all;
        for (const Box &b : boxes)
            all << b.text;
        return all;
    }
};
