// SPDX-License-Identifier: GPL-3.0-or-later
#include "changemydevicebtnremarknamedialog.h"

#include "ui_changemydevicebtnremarknamedialog.h"

ChangeMyDeviceBtnRemarkNameDialog::ChangeMyDeviceBtnRemarkNameDialog(QWidget *parent,
                                                                     const QString &remarkName)
    : QDialog(parent), ui(std::make_unique<Ui::ChangeMyDeviceBtnRemarkNameDialog>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->remarkNameLineEdit->setText(remarkName);
    connect(ui->changeNameBtn, &QPushButton::clicked, this,
            &ChangeMyDeviceBtnRemarkNameDialog::changeName);
}

ChangeMyDeviceBtnRemarkNameDialog::~ChangeMyDeviceBtnRemarkNameDialog() = default;

QString ChangeMyDeviceBtnRemarkNameDialog::name() const
{
    return ui->remarkNameLineEdit->text();
}

void ChangeMyDeviceBtnRemarkNameDialog::changeName()
{
    // The device list hands the name to the Fleet, which stores and journals
    // it, or refuses it (a role, a journal that cannot be written).
    accept();
}
