// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

class MyDeviceToolBtn;

namespace Ui {
class ChangeMyDeviceBtnRemarkNameDialog;
}

// Renames a coder: the name is stored per IP text in the device store and
// shown on the coder's button. Deletes itself when closed.
class ChangeMyDeviceBtnRemarkNameDialog : public QDialog
{
    Q_OBJECT
public:
    ChangeMyDeviceBtnRemarkNameDialog(QWidget *parent, MyDeviceToolBtn *button);
    ~ChangeMyDeviceBtnRemarkNameDialog() override;

private:
    void changeName();

    std::unique_ptr<Ui::ChangeMyDeviceBtnRemarkNameDialog> ui;
    // The coder may disconnect, and its button go, while the dialog is open.
    QPointer<MyDeviceToolBtn> m_button;
};
