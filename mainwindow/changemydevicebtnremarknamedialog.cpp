// SPDX-License-Identifier: GPL-3.0-or-later
#include "changemydevicebtnremarknamedialog.h"

#include "devicestore.h"
#include "ui_changemydevicebtnremarknamedialog.h"

ChangeMyDeviceBtnRemarkNameDialog::ChangeMyDeviceBtnRemarkNameDialog(QWidget *parent,
                                                                     const QString &ipText,
                                                                     const QString &remarkName)
    : QDialog(parent), ui(std::make_unique<Ui::ChangeMyDeviceBtnRemarkNameDialog>()),
      m_ipText(ipText)
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
    // Stored even when the coder left meanwhile: the name belongs to the address.
    DeviceStore::setRemarkName(m_ipText, name());
    accept();
}
