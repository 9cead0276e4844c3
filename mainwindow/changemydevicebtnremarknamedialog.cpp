// SPDX-License-Identifier: GPL-3.0-or-later
#include "changemydevicebtnremarknamedialog.h"

#include "mydevicetoolbtn.h"
#include "ui_changemydevicebtnremarknamedialog.h"

ChangeMyDeviceBtnRemarkNameDialog::ChangeMyDeviceBtnRemarkNameDialog(QWidget *parent,
                                                                     MyDeviceToolBtn *button)
    : QDialog(parent), ui(std::make_unique<Ui::ChangeMyDeviceBtnRemarkNameDialog>()),
      m_button(button)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->remarkNameLineEdit->setText(button->remarkName());
    connect(ui->changeNameBtn, &QPushButton::clicked, this,
            &ChangeMyDeviceBtnRemarkNameDialog::changeName);
}

ChangeMyDeviceBtnRemarkNameDialog::~ChangeMyDeviceBtnRemarkNameDialog() = default;

void ChangeMyDeviceBtnRemarkNameDialog::changeName()
{
    const QString name = ui->remarkNameLineEdit->text();
    if (m_button)
        m_button->setRemarkName(name);
    // Stored by the Fleet, which may refuse the name (its journal line).
    accept();
}
