// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives panel controls the way a user does (key clicks, mouse clicks).

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimeEdit>
#include <QtTest>

#include "slotnaming.h"

namespace PanelHarness {

// Makes `value` the control's value by keyboard or mouse: spin boxes, line
// and text edits are typed into (replacing their text), combo boxes are
// stepped with the arrow keys to the entry of that text, buttons clicked.
inline bool operate(QWidget *control, const QString &value)
{
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        // Picked from the open list with the mouse, so that no other entry
        // is passed on the way.
        const int target = combo->findText(value);
        if (target < 0)
            return false;
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        const QRect cell = list->visualRect(combo->model()->index(target, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        return combo->currentIndex() == target;
    }
    if (auto *time = qobject_cast<QDateTimeEdit *>(control)) {
        // Typed section by section from the first; ":" moves to the next.
        time->setFocus();
        time->setSelectedSection(QDateTimeEdit::HourSection);
        QTest::keyClicks(time, value);
        QTest::keyClick(time, Qt::Key_Enter);
        return true;
    }
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(control)) {
        spin->setFocus();
        spin->selectAll();
        if (value.isEmpty())
            QTest::keyClick(spin, Qt::Key_Backspace);
        QTest::keyClicks(spin, value);
        QTest::keyClick(spin, Qt::Key_Enter);
        return true;
    }
    if (auto *line = qobject_cast<QLineEdit *>(control)) {
        line->setFocus();
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Backspace);
        QTest::keyClicks(line, value);
        return true;
    }
    if (auto *text = qobject_cast<QTextEdit *>(control)) {
        text->setFocus();
        text->selectAll();
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClicks(text, value);
        return true;
    }
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        // On the box itself: a check box stretched by its layout does not
        // take clicks beyond its text.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        return true;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }
    return false;
}

// Clicks the cell at row and column of an item view.
inline bool clickCell(QAbstractItemView *view, int row, int column)
{
    const QModelIndex index = view->model()->index(row, column);
    if (!index.isValid())
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    return true;
}

// Runs steps such as "addToolButton; lineEdit=B; timeEdit=06:30" on the
// controls of panel: a bare name is a click, "tableView@1,0" clicks a cell.
inline bool runSteps(QWidget *panel, const QString &steps)
{
    for (const QString &step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (step.contains(QLatin1Char('@'))) {
            auto *view = panel->findChild<QAbstractItemView *>(step.section('@', 0, 0).trimmed());
            const QString cell = step.section('@', 1);
            if (!view ||
                !clickCell(view, cell.section(',', 0, 0).toInt(), cell.section(',', 1).toInt()))
                return false;
            continue;
        }
        const QString name = step.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = step.section(QLatin1Char('='), 1);
        auto *control = panel->findChild<QWidget *>(name);
        if (!control) {
            qWarning("no control %s", qPrintable(name));
            return false;
        }
        if (!operate(control, value)) {
            qWarning("cannot set %s to %s", qPrintable(name), qPrintable(value));
            return false;
        }
    }
    return true;
}

// The state a control shows, as text: spin box and edit texts, the current
// combo entry, "on"/"off" for checkable buttons; "?name" gives "shown" or
// "hidden".
inline QString controlState(QWidget *panel, const QString &name)
{
    if (name.startsWith(QLatin1Char('?'))) {
        auto *w = panel->findChild<QWidget *>(name.mid(1));
        return !w                      ? QStringLiteral("missing")
               : w->isVisibleTo(panel) ? QStringLiteral("shown")
                                       : QStringLiteral("hidden");
    }
    QWidget *w = panel->findChild<QWidget *>(name);
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
        return spin->text();
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    if (auto *text = qobject_cast<QTextEdit *>(w))
        return text->toPlainText();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    return QStringLiteral("missing");
}

} // namespace PanelHarness
