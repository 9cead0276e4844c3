// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ChangeMyDeviceBtnRemarkNameDialog;
}

// Asks for a coder's remark name; the device list hands it to the Fleet,
// which keeps it per IP text. Deletes itself when closed.
class ChangeMyDeviceBtnRemarkNameDialog : public QDialog
{
    Q_OBJECT
public:
    ChangeMyDeviceBtnRemarkNameDialog(QWidget *parent, const QString &remarkName);
    ~ChangeMyDeviceBtnRemarkNameDialog() override;

    // The name entered; empty: none.
    QString name() const;

private:
    void changeName();

    std::unique_ptr<Ui::ChangeMyDeviceBtnRemarkNameDialog> ui;
};
