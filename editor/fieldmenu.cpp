// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldmenu.h"

#include "templatesamples.h"

#include <QToolButton>

FieldMenu::FieldMenu(QToolButton *button, std::function<void(const QString &)> insert)
    : QMenu(button), m_insert(std::move(insert))
{
    setObjectName(QStringLiteral("fieldMenu"));
    button->setText(tr("Insert field"));
    button->setToolTip(tr("Insert a placeholder that a job fills"));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setMenu(this);
    setSamples(TemplateSamples());
}

void FieldMenu::setSamples(const TemplateSamples &samples)
{
    clear();
    const QStringList standard = TemplateSamples::standardNames();
    bool separated = false;
    for (const TemplateSamples::Sample &s : samples.samples()) {
        if (!separated && !standard.contains(s.name)) {
            addSeparator();
            separated = true;
        }
        const QString placeholder = QStringLiteral("{{%1}}").arg(s.name);
        QAction *action = addAction(QStringLiteral("%1\t%2").arg(s.label, placeholder));
        action->setData(placeholder);
        connect(action, &QAction::triggered, this, [this, placeholder] { m_insert(placeholder); });
    }
}
