// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itempanel.h"

#include <QPointer>

#include <memory>

class FieldMenu;
class TemplateSamples;

namespace Ui {
class BarcodeSetWidget;
}

class BarcodeItem;
class MyTextEditor;

// Symbology, content and look of a barcode item.
class BarcodeSetWidget : public ItemPanel
{
    Q_OBJECT
public:
    explicit BarcodeSetWidget(QWidget *parent = nullptr);
    ~BarcodeSetWidget() override;

    void refresh() override;
    // The placeholders the "Insert field" menu offers.
    void setSamples(const TemplateSamples &samples);

    // The symbologies offered: visible name and Zint symbology number.
    struct Symbology
    {
        const char *name;
        int zint;
    };
    static const Symbology kSymbologies[11];

signals:
    // As TextSetWidget::needExternData.
    void needExternData(QGraphicsItem *item, bool on);

protected:
    bool accepts(const QGraphicsItem *item) const override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void on_contentLineEdit_textChanged(const QString &text);
    void on_textExpandBtn_clicked();
    void on_typeComboBox_currentIndexChanged(int index);
    void on_heightSpinBox_valueChanged(int value);
    void on_ScaleSpinBox_valueChanged(int value);
    void on_hideTextCheckBox_toggled(bool checked);
    void on_qrcodeSizecomboBox_currentIndexChanged(int index);
    void on_standardBtn_clicked();
    void on_GS1Btn_clicked();
    void on_externDataCheckBox_toggled(bool checked);

private:
    BarcodeItem *barcode() const;
    void setDataMode(bool gs1);
    void showControlsFor(int symbology);
    void closeContentEditor();

    std::unique_ptr<Ui::BarcodeSetWidget> ui;
    FieldMenu *m_fieldMenu;
    // The content editor while it is open, laid over the window rather than
    // inside the panel, and the item it was opened for.
    QPointer<MyTextEditor> m_contentEditor;
    QGraphicsItem *m_editedItem = nullptr;
};
