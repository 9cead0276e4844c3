// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// What happened that the operator should know without being stopped by a
// box: coders coming and going, failed copies and writes, refused replies.
// Newest line last; the oldest go beyond kMaxLines.
class EventLog : public QListWidget
{
    Q_OBJECT
public:
    enum class Level { Info, Problem };
    static constexpr int kMaxLines = 500;
    // Lines in view when the window first opens.
    static constexpr int kOpeningLines = 4;

    explicit EventLog(QWidget *parent = nullptr);

    void add(Level level, const QString &text);
    QStringList lines() const;
    // Room for kOpeningLines lines: the window opens with the log that high.
    QSize sizeHint() const override;

signals:
    void eventAdded(const QString &line);
};
