// SPDX-License-Identifier: GPL-3.0-or-later
#include "barcodesetwidget.h"
#include "ui_barcodesetwidget.h"

#include "barcodeitem.h"
#include "editorlog.h"
#include "fieldmenu.h"
#include "mytexteditor.h"

#include <QHideEvent>
#include <QListView>

using Zint::QZint;

const BarcodeSetWidget::Symbology BarcodeSetWidget::kSymbologies[11] = {
    {QT_TR_NOOP("EAN14"), QZint::Ean14},
    {QT_TR_NOOP("EAN13"), QZint::Ean13},
    {QT_TR_NOOP("QR Code (ISO 18004)"), QZint::QrCode},
    {QT_TR_NOOP("Data Matrix (ISO 16022)"), QZint::DataMatrix},
    {QT_TR_NOOP("Code_39"), QZint::Code39},
    {QT_TR_NOOP("Code_93"), QZint::Code93},
    {QT_TR_NOOP("UPC-A"), QZint::UpcA},
    {QT_TR_NOOP("UPC-E"), QZint::UpcE},
    {QT_TR_NOOP("Code_128"), QZint::Code128},
    {QT_TR_NOOP("ITF14"), QZint::Itf14},
    {QT_TR_NOOP("PDF417"), QZint::Pdf417},
};

namespace {
// Scale is edited in tenths: 20 is scale 2.0.
constexpr int kScaleSteps = 10;
} // namespace

BarcodeSetWidget::BarcodeSetWidget(QWidget *parent)
    : ItemPanel(parent), ui(std::make_unique<Ui::BarcodeSetWidget>())
{
    ui->setupUi(this);
    m_fieldMenu = new FieldMenu(ui->insertFieldBtn, [this](const QString &placeholder) {
        ui->contentLineEdit->insert(placeholder);
        ui->contentLineEdit->setFocus();
    });
    const SignalBlockers blockers = blockControls({ui->typeComboBox, ui->qrcodeSizecomboBox});
    ui->typeComboBox->setView(new QListView(ui->typeComboBox));
    for (const Symbology &s : kSymbologies)
        ui->typeComboBox->addItem(tr(s.name), s.zint);
    ui->qrcodeSizecomboBox->setView(new QListView(ui->qrcodeSizecomboBox));
    const char *const sizes[] = {"21x21", "25x25", "29x29"};
    for (int i = 0; i < 3; ++i)
        ui->qrcodeSizecomboBox->addItem(QLatin1String(sizes[i]), i);
}

void BarcodeSetWidget::setSamples(const TemplateSamples &samples)
{
    m_fieldMenu->setSamples(samples);
}

BarcodeSetWidget::~BarcodeSetWidget() = default;

bool BarcodeSetWidget::accepts(const QGraphicsItem *item) const
{
    return item->type() == ItemTypeCode::kBarcode;
}

BarcodeItem *BarcodeSetWidget::barcode() const
{
    return static_cast<BarcodeItem *>(item());
}

void BarcodeSetWidget::showControlsFor(int symbology)
{
    const bool dataMode = symbology == QZint::Code128 || symbology == QZint::Gs1_128 ||
                          symbology == QZint::DataMatrix || symbology == QZint::QrCode;
    const bool qrSize = symbology == QZint::QrCode;
    // A matrix code's height is its module count, which Zint derives from
    // the content: a typed height would be dropped.
    const bool height = symbology != QZint::QrCode && symbology != QZint::DataMatrix;
    ui->heightLabel->setVisible(height);
    ui->heightSpinBox->setVisible(height);
    ui->dataModeLabel->setVisible(dataMode);
    ui->dataModeWidget->setVisible(dataMode);
    ui->qrcodeSizeLabel->setVisible(qrSize);
    ui->qrcodeSizecomboBox->setVisible(qrSize);
}

void BarcodeSetWidget::refresh()
{
    const SignalBlockers blockers =
        blockControls({ui->contentLineEdit, ui->typeComboBox, ui->heightSpinBox, ui->ScaleSpinBox,
                       ui->hideTextCheckBox, ui->qrcodeSizecomboBox, ui->standardBtn, ui->GS1Btn,
                       ui->externDataCheckBox});
    setEnabled(item());
    // The content editor writes into the panel's content: it must not reach
    // an item other than the one it was opened for.
    if (item() != m_editedItem)
        closeContentEditor();
    BarcodeItem *code = barcode();
    if (!code)
        return;
    const QZint &zint = code->encoder();
    const int symbology = zint.symbology();
    ui->hideTextCheckBox->setTristate(false);
    ui->hideTextCheckBox->setChecked(zint.showText());
    qCDebug(lcEditor) << "barcode type:" << symbology;
    // GS1-128 is Code 128 in GS1 data mode: listed as Code_128.
    const int listed = symbology == QZint::Gs1_128 ? int(QZint::Code128) : symbology;
    ui->typeComboBox->setCurrentIndex(ui->typeComboBox->findData(listed));
    ui->contentLineEdit->setText(zint.text());
    ui->heightSpinBox->setValue(zint.height());
    ui->ScaleSpinBox->setValue(int(zint.scale() * kScaleSteps));
    // The QR size is not stored; versions 1 to 3 are what the box sets.
    if (zint.option2() >= 1 && zint.option2() <= 3)
        ui->qrcodeSizecomboBox->setCurrentIndex(zint.option2() - 1);
    showControlsFor(symbology);
    bool gs1 = (zint.inputMode() & QZint::Gs1Mode) != 0;
    if (symbology == QZint::Code128)
        gs1 = false;
    else if (symbology == QZint::Gs1_128)
        gs1 = true;
    ui->GS1Btn->setChecked(gs1);
    ui->standardBtn->setChecked(!gs1);
    ui->externDataCheckBox->setTristate(false);
    ui->externDataCheckBox->setChecked(code->data(ItemData::kIsExtern).toBool());
}

void BarcodeSetWidget::on_contentLineEdit_textChanged(const QString &text)
{
    if (BarcodeItem *code = barcode()) {
        code->setContent(text);
        code->update();
    }
}

void BarcodeSetWidget::on_textExpandBtn_clicked()
{
    closeContentEditor();
    m_contentEditor = MyTextEditor::open(ui->contentLineEdit);
    m_editedItem = item();
}

void BarcodeSetWidget::closeContentEditor()
{
    if (m_contentEditor)
        m_contentEditor->close();
    m_contentEditor = nullptr;
    m_editedItem = nullptr;
}

void BarcodeSetWidget::hideEvent(QHideEvent *event)
{
    // Another tab or another item's panel: the editor goes with the panel.
    // A minimised window (a spontaneous hide) keeps it.
    if (!event->spontaneous())
        closeContentEditor();
    ItemPanel::hideEvent(event);
}

void BarcodeSetWidget::on_typeComboBox_currentIndexChanged(int index)
{
    BarcodeItem *code = barcode();
    if (!code || index < 0)
        return;
    QZint &zint = code->encoder();
    qCDebug(lcEditor) << "barcode symbol1:" << zint.symbology();
    const int chosen = ui->typeComboBox->itemData(index).toInt();
    // Choosing Code_128 for GS1-128 keeps its GS1 data mode.
    if (!(zint.symbology() == QZint::Gs1_128 && chosen == QZint::Code128))
        code->setSymbology(chosen);

    const int symbology = zint.symbology();
    const bool twoD = symbology == QZint::QrCode || symbology == QZint::DataMatrix;
    if (symbology != QZint::Gs1_128 && (!twoD || zint.inputMode() != QZint::Gs1Mode))
        code->setGS1Mode(false);
    if (zint.inputMode() == QZint::Gs1Mode)
        qCDebug(lcEditor) << "barcode symbol2:" << zint.symbology();
    code->update();
    qCDebug(lcEditor) << "barcode symbol3:" << zint.symbology();
    refresh();
}

void BarcodeSetWidget::on_heightSpinBox_valueChanged(int value)
{
    if (BarcodeItem *code = barcode()) {
        code->setBarHeight(value);
        code->update();
    }
}

void BarcodeSetWidget::on_ScaleSpinBox_valueChanged(int value)
{
    if (BarcodeItem *code = barcode())
        code->setScaleStep(value);
}

void BarcodeSetWidget::on_hideTextCheckBox_toggled(bool checked)
{
    if (BarcodeItem *code = barcode()) {
        code->setShowText(checked);
        code->update();
    }
}

void BarcodeSetWidget::on_qrcodeSizecomboBox_currentIndexChanged(int index)
{
    if (BarcodeItem *code = barcode(); code && index >= 0) {
        code->setQrSize(index);
        code->update();
    }
}

void BarcodeSetWidget::setDataMode(bool gs1)
{
    if (BarcodeItem *code = barcode()) {
        code->setGS1Mode(gs1);
        code->update();
        refresh();
    }
}

void BarcodeSetWidget::on_standardBtn_clicked()
{
    setDataMode(false);
}

void BarcodeSetWidget::on_GS1Btn_clicked()
{
    setDataMode(true);
}

void BarcodeSetWidget::on_externDataCheckBox_toggled(bool checked)
{
    if (item())
        emit needExternData(item(), checked);
}
