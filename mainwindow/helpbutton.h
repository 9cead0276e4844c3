// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

class QTabWidget;

// The control window's Help button with its menu, in the corner of the
// tabs, where a menu bar would take a row from the event log; its manual
// item is on F1 anywhere in the window.
class HelpButton : public QToolButton
{
    Q_OBJECT
public:
    HelpButton(QTabWidget *tabs, QWidget *window);

    // The manual in the interface language where it is translated, else in
    // English: the build tree's when run from the build, else the installed one.
    void openManual();

signals:
    // Why the manual cannot be shown.
    void refused(const QString &text);
};
