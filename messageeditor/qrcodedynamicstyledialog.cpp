// SPDX-License-Identifier: GPL-3.0-or-later
#include "qrcodedynamicstyledialog.h"

#include "editorprompts.h"
#include "qrcodeparams.h"
#include "settimemodedialog.h"
#include "ui_qrcodedynamicstyledialog.h"

#include <QStyle>

QString qrDynamicContent::itemContent() const
{
    return content.isEmpty() ? QStringLiteral("DORVIKA") : content;
}

void qrDynamicContent::applyTo(qrCodeParams &params) const
{
    params.content = itemContent();
    params.cntPos = counterPosition;
    params.cntMode = counterMode;
    params.insertCnt = insertCounter;
    params.insertTime = insertTime;
    params.timeFormat = timeFormat;
    params.timePos = timePosition;
    if (insertCounter || insertTime)
        params.insVariable = true;
}

QRCodeDynamicStyleDialog::QRCodeDynamicStyleDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::QRCodeDynamicStyleDialog>())
{
    ui->setupUi(this);
    // Nothing is inserted until a counter type is chosen.
    ui->counterTypeCombo->setCurrentIndex(-1);
    // The edit button starts the content over.
    ui->editPushButton->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
}

QRCodeDynamicStyleDialog::~QRCodeDynamicStyleDialog() = default;

int QRCodeDynamicStyleDialog::place(const QString &previous, int previousPosition,
                                    const QString &text, int &otherPosition)
{
    QString &content = m_state.content;
    // One counter and one time per code: choosing again replaces the earlier
    // placeholder instead of leaving it behind as literal text.
    if (!previous.isEmpty() && previousPosition >= 0 &&
        content.mid(previousPosition, previous.size()) == previous) {
        content.replace(previousPosition, previous.size(), text);
        if (otherPosition > previousPosition)
            otherPosition += text.size() - previous.size();
        return previousPosition;
    }
    const int position = content.size();
    content += text;
    return position;
}

void QRCodeDynamicStyleDialog::on_counterTypeCombo_activated(int index)
{
    if (index < 0 || index > 7)
        return;
    const int digits = index + 1;
    const QString previous(m_state.counterMode, QLatin1Char('0'));
    m_state.counterPosition = place(previous, m_state.counterPosition,
                                    QString(digits, QLatin1Char('0')), m_state.timePosition);
    m_state.counterMode = digits;
    ui->contentLineEdit->setText(m_state.content);
}

void QRCodeDynamicStyleDialog::on_timeSetPushButton_clicked()
{
    const std::optional<QString> format =
        editorPrompts::current().chooseTimeFormat(this, m_state.timeFormat);
    if (!format)
        return;
    m_state.timePosition =
        place(m_state.timeFormat, m_state.timePosition, *format, m_state.counterPosition);
    m_state.timeFormat = *format;
    ui->contentLineEdit->setText(m_state.content);
}

void QRCodeDynamicStyleDialog::on_contentLineEdit_textEdited(const QString &text)
{
    m_state.content = text;
}

void QRCodeDynamicStyleDialog::on_editPushButton_clicked()
{
    m_state = qrDynamicContent();
    ui->counterTypeCombo->setCurrentIndex(-1);
    ui->contentLineEdit->clear();
    ui->contentLineEdit->setFocus();
}

void QRCodeDynamicStyleDialog::on_okPushButton_clicked()
{
    m_state.insertCounter = m_state.counterMode != 0 || m_state.counterPosition != 0;
    m_state.insertTime = !m_state.timeFormat.isEmpty() || m_state.timePosition != 0;
    m_state.content = ui->contentLineEdit->text();
    accept();
}

void QRCodeDynamicStyleDialog::on_cancelPushButton_clicked()
{
    reject();
}
