// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpbutton.h"

#include "manualpage.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QTabWidget>
#include <QUrl>

HelpButton::HelpButton(QTabWidget *tabs, QWidget *window) : QToolButton(tabs)
{
    setObjectName(QStringLiteral("helpButton"));
    setText(tr("Help"));
    setPopupMode(QToolButton::InstantPopup);
    setAutoRaise(true);
    auto *menu = new QMenu(this);
    QAction *manual = menu->addAction(tr("Operator's Manual"), this, &HelpButton::openManual);
    manual->setObjectName(QStringLiteral("manualAction"));
    manual->setShortcut(QKeySequence::HelpContents);
    manual->setShortcutContext(Qt::WindowShortcut);
    window->addAction(manual);
    setMenu(menu);
    tabs->setCornerWidget(this, Qt::TopRightCorner);
}

void HelpButton::openManual()
{
    const QStringList folders = ManualPage::folders(QCoreApplication::applicationDirPath(),
                                                    QStringLiteral("korvex-control"));
    const QString page = ManualPage::indexFor(QLocale().name(), folders);
    if (page.isEmpty())
        emit refused(tr("The operator's manual is not installed (looked in %1).")
                         .arg(folders.join(QStringLiteral(", "))));
    else if (!Prompts::open(QUrl::fromLocalFile(page)))
        emit refused(
            tr("The operator's manual could not be opened: no browser took %1.").arg(page));
}
