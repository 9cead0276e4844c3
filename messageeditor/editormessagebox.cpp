// SPDX-License-Identifier: GPL-3.0-or-later
#include "editormessagebox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

class modalWarningBox : public editorMessageBox
{
public:
    void warning(const QString &title, const QString &text, const QString &button) override
    {
        QMessageBox box(QMessageBox::Warning, title, text);
        box.setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        QPushButton *confirm = box.addButton(button, QMessageBox::YesRole);
        const QFont font("simsun", 9);
        box.setFont(font);
        confirm->setFont(font);
        box.exec();
    }

    void information(const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::Information, title, text);
        box.setWindowFlags(Qt::WindowTitleHint);
        box.exec();
    }

    int question(const QString &title, const QString &text, const QStringList &answers) override
    {
        QMessageBox box(QMessageBox::Question, title, text);
        QList<QAbstractButton *> buttons;
        for (const QString &answer : answers)
            buttons << box.addButton(answer, QMessageBox::ActionRole);
        if (!buttons.isEmpty()) {
            box.setDefaultButton(static_cast<QPushButton *>(buttons.first()));
            box.setEscapeButton(buttons.last());
        }
        box.exec();
        const int chosen = buttons.indexOf(box.clickedButton());
        return chosen < 0 ? answers.size() - 1 : chosen;
    }
};

modalWarningBox defaultBox;
editorMessageBox *installed = nullptr;

} // namespace

editorMessageBox::~editorMessageBox() = default;

editorMessageBox &editorMessageBox::current()
{
    return installed ? *installed : defaultBox;
}

void editorMessageBox::install(editorMessageBox *box)
{
    installed = box;
}

void editorMessageBox::warn(const QString &text)
{
    current().warning(QCoreApplication::translate("QObject", "警告"), text,
                      QCoreApplication::translate("QObject", "确认"));
}
