// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorprompts.h"

#include "qrcodedynamicstyledialog.h"
#include "settimemodedialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

editorPrompts modalPrompts;
editorPrompts *installed = nullptr;

} // namespace

editorPrompts::~editorPrompts() = default;

void editorPrompts::warning(const QString &title, const QString &text, const QString &button)
{
    QMessageBox box(QMessageBox::Warning, title, text);
    box.setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QPushButton *confirm = box.addButton(button, QMessageBox::YesRole);
    const QFont font("simsun", 9);
    box.setFont(font);
    confirm->setFont(font);
    box.exec();
}

void editorPrompts::information(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text);
    box.setWindowFlags(Qt::WindowTitleHint);
    box.exec();
}

int editorPrompts::question(const QString &title, const QString &text, const QStringList &answers)
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

QString editorPrompts::chooseFile(QWidget *parent, const QString &title, const QString &folder,
                                  const QString &filter)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

QString editorPrompts::chooseSaveName(QWidget *parent, const QString &caption,
                                      const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

std::optional<QString> editorPrompts::chooseTimeFormat(QWidget *parent, const QString &initial)
{
    setTimeModeDialog dialog(parent);
    if (!initial.isEmpty())
        dialog.setFormat(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.format();
}

std::optional<qrDynamicContent> editorPrompts::composeDynamicQr(QWidget *parent)
{
    QRCodeDynamicStyleDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.composition();
}

bool editorPrompts::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

editorPrompts &editorPrompts::current()
{
    return installed ? *installed : modalPrompts;
}

editorPrompts *editorPrompts::install(editorPrompts *prompts)
{
    editorPrompts *replaced = installed;
    installed = prompts == &modalPrompts ? nullptr : prompts;
    return replaced;
}

void editorPrompts::warn(const QString &text)
{
    current().warning(QCoreApplication::translate("QObject", "警告"), text,
                      QCoreApplication::translate("QObject", "确认"));
}
