// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QRCodeDynamicStyleDialog;
}
struct qrCodeParams;

// What the dynamic QR content dialog composed: the content with a counter
// placeholder (zeros) and a time format written into it, and where they
// stand.  Positions count characters of the content.
struct qrDynamicContent
{
    QString content;
    int counterMode = 0; // digits of the inserted counter, 0 for none
    int counterPosition = 0;
    QString timeFormat; // empty for none
    int timePosition = 0;
    bool insertCounter = false;
    bool insertTime = false;

    // What the QR item shows: the content, or "DORVIKA" when it is empty.
    QString itemContent() const;
    // Copies itemContent() and the dynamic fields into params.  A counter
    // or a time inserted also sets the insert-variable flag: the message
    // file keeps the dynamic fields only while it is set, so without it they
    // would be lost at the next save.
    void applyTo(qrCodeParams &params) const;
};

// Composes QR content that a printer completes with a counter and a time.
class QRCodeDynamicStyleDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QRCodeDynamicStyleDialog(QWidget *parent = nullptr);
    ~QRCodeDynamicStyleDialog() override;

    // The state so far.  The two insert flags and the content are settled
    // by "确定".
    qrDynamicContent composition() const { return m_state; }
    bool insertCounter() const { return m_state.insertCounter; }
    bool insertTime() const { return m_state.insertTime; }

private slots:
    void on_counterTypeCombo_activated(int index);
    void on_timeSetPushButton_clicked();
    void on_contentLineEdit_textEdited(const QString &text);
    void on_editPushButton_clicked();
    void on_okPushButton_clicked();
    void on_cancelPushButton_clicked();

private:
    // Puts text where the previous insertion (of the same kind) still
    // stands, else appends it; returns where it went.  The other
    // insertion's position follows a change of length before it.
    int place(const QString &previous, int previousPosition, const QString &text,
              int &otherPosition);

    std::unique_ptr<Ui::QRCodeDynamicStyleDialog> ui;
    qrDynamicContent m_state;
};
