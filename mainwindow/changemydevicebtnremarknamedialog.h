// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ChangeMyDeviceBtnRemarkNameDialog;
}

// Renames a coder: the name is stored per IP text in the device store and
// shown on the coder's button. Deletes itself when closed.
class ChangeMyDeviceBtnRemarkNameDialog : public QDialog
{
    Q_OBJECT
public:
    ChangeMyDeviceBtnRemarkNameDialog(QWidget *parent, const QString &ipText,
                                      const QString &remarkName);
    ~ChangeMyDeviceBtnRemarkNameDialog() override;

    // The name entered; empty: none.
    QString name() const;

private:
    void changeName();

    std::unique_ptr<Ui::ChangeMyDeviceBtnRemarkNameDialog> ui;
    QString m_ipText;
};
