// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QDialog>
#include <memory>

namespace Ui {
class setTimeModeDialog;
}

// Chooses a date-time format (a QDateTime::toString pattern): one of the
// quick settings, or composed from six parts, each with its suffix and its
// place in the order.  The preview shows 1 July 2016 08:30:00 in it.
class setTimeModeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit setTimeModeDialog(QWidget *parent = nullptr);
    ~setTimeModeDialog() override;

    // The format chosen or composed so far.
    QString format() const { return m_format; }
    // Starts from a format.
    void setFormat(const QString &format);

    // The moment every preview shows.
    static QDateTime previewMoment();

private slots:
    void on_quickSettingCombo_activated(int index);
    void on_previewPushButton_clicked();
    void on_okPushButton_clicked();
    void on_cancelPushButton_clicked();

private:
    void compose();
    // Shows the format, the preview moment in it, and its quick row.
    void showPreview();

    std::unique_ptr<Ui::setTimeModeDialog> ui;
    QString m_format;
};
