// SPDX-License-Identifier: GPL-3.0-or-later
#include "preflightdialog.h"

#include "prompts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

PreflightDialog::PreflightDialog(const QList<Preflight::Finding> &findings, Purpose purpose,
                                 const QString &messageName, QWidget *parent)
    : QDialog(parent), m_findings(findings), m_list(new QTreeWidget(this))
{
    setWindowTitle(tr("Pre-flight check"));
    setObjectName(QStringLiteral("PreflightDialog"));
    auto *layout = new QVBoxLayout(this);
    const QString count =
        findings.size() == 1 ? tr("1 problem") : tr("%1 problems").arg(findings.size());
    auto *heading = new QLabel(
        purpose == Purpose::Send
            ? tr("The pre-flight check found %1 in %2 before it is sent:").arg(count, messageName)
            : tr("The pre-flight check found %1 in %2 before it is saved:").arg(count, messageName),
        this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    m_list->setObjectName(QStringLiteral("findingList"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("Item"), tr("Finding")});
    m_list->setRootIsDecorated(false);
    m_list->setWordWrap(true);
    m_list->setUniformRowHeights(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setStretchLastSection(true);
    for (const Preflight::Finding &finding : findings) {
        auto *row = new QTreeWidgetItem({finding.itemName, finding.text});
        row->setToolTip(1, finding.text);
        m_list->addTopLevelItem(row);
    }
    m_list->resizeColumnToContents(0);
    m_list->setColumnWidth(0, qMin(m_list->columnWidth(0) + 12, 260));
    layout->addWidget(m_list);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &PreflightDialog::rowChosen);

    auto *buttons = new QDialogButtonBox(this);
    m_proceed = buttons->addButton(purpose == Purpose::Send ? tr("Send anyway") : tr("Save anyway"),
                                   QDialogButtonBox::AcceptRole);
    m_proceed->setObjectName(QStringLiteral("proceedButton"));
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    // Enter must not send a message with problems by accident.
    m_proceed->setAutoDefault(false);
    m_cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(900, 320);
}

void PreflightDialog::rowChosen()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row >= 0 && row < m_findings.size() && m_findings.at(row).item)
        emit itemChosen(m_findings.at(row).item);
}

bool PreflightDialog::confirm(const QList<Preflight::Finding> &findings, Purpose purpose,
                              const QString &messageName, QWidget *parent,
                              const std::function<void(QGraphicsItem *)> &choose,
                              const QString &refusal)
{
    if (findings.isEmpty())
        return true;
    PreflightDialog dialog(findings, purpose, messageName, parent);
    if (choose)
        connect(&dialog, &PreflightDialog::itemChosen, &dialog, choose);
    if (!refusal.isEmpty()) {
        dialog.proceedButton()->setEnabled(false);
        dialog.proceedButton()->setToolTip(refusal);
    }
    const int result = Prompts::exec(&dialog);
    return result == QDialog::Accepted && refusal.isEmpty();
}
