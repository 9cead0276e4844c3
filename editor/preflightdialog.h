// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preflight.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QTreeWidget;

// The findings of the pre-flight check, one row per finding with the item
// it concerns, and the choice to go ahead anyway or go back.  Choosing a row
// reports its item, so that the designer can select it.
class PreflightDialog : public QDialog
{
    Q_OBJECT
public:
    // What the message is about to undergo; names the button that goes ahead.
    enum class Purpose { Send, Save };

    PreflightDialog(const QList<Preflight::Finding> &findings, Purpose purpose,
                    const QString &messageName, QWidget *parent = nullptr);

    // True when there is nothing to show, or when the operator went ahead
    // anyway; choose gets the item of each row chosen meanwhile.
    // refusal, when not empty, says why the operator may not go ahead
    // anyway: the button is disabled with it as its tool tip.  The dialog
    // runs through the prompts in use.
    static bool confirm(const QList<Preflight::Finding> &findings, Purpose purpose,
                        const QString &messageName, QWidget *parent,
                        const std::function<void(QGraphicsItem *)> &choose = {},
                        const QString &refusal = QString());

    QTreeWidget *findingList() const { return m_list; }
    QPushButton *proceedButton() const { return m_proceed; }
    QPushButton *cancelButton() const { return m_cancel; }
    const QList<Preflight::Finding> &findings() const { return m_findings; }

signals:
    void itemChosen(QGraphicsItem *item);

private:
    void rowChosen();

    QList<Preflight::Finding> m_findings;
    QTreeWidget *m_list;
    QPushButton *m_proceed;
    QPushButton *m_cancel;
};
