// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itempanel.h"

#include <memory>

namespace Ui {
class TimeSetWidget;
}

class GraphicsTimeItem;

// Format string and valid days of a date/time item; the token buttons
// insert format codes at the cursor.
class TimeSetWidget : public ItemPanel
{
    Q_OBJECT
public:
    explicit TimeSetWidget(QWidget *parent = nullptr);
    ~TimeSetWidget() override;

    void refresh() override;

protected:
    bool accepts(const QGraphicsItem *item) const override;

private slots:
    void on_timeTypeLineEdit_textChanged(const QString &text);
    void on_vaildDaysSpinBox_valueChanged(int value);
    void on_bestBeforeCheckBox_toggled(bool checked);
    void on_yearBtn_clicked();
    void on_monthBtn_clicked();
    void on_daysBtn_clicked();
    void on_hoursBtn_clicked();
    void on_minuteBtn_clicked();
    void on_secondBtn_clicked();
    void on_slashBtn_clicked();
    void on_minusBtn_clicked();
    void on_colonBtn_clicked();
    void on_clearBtn_clicked();
    void on_helpBtn_clicked();

private:
    GraphicsTimeItem *timeItem() const;
    void insertToken(const QString &token);

    std::unique_ptr<Ui::TimeSetWidget> ui;
};
