// SPDX-License-Identifier: GPL-3.0-or-later
#include "generalsetwidget.h"
#include "ui_generalsetwidget.h"

#include "editorlog.h"
#include "fontfolder.h"
#include "graphicstextabstract.h"

#include <QSignalBlocker>

namespace {

bool isTextLike(const QGraphicsItem *item)
{
    switch (item ? item->type() : 0) {
    case ItemTypeCode::kText:
    case ItemTypeCode::kTime:
    case ItemTypeCode::kSerialNumber:
    case ItemTypeCode::kShiftCode:
        return true;
    default:
        return false;
    }
}

} // namespace

GeneralSetWidget::GeneralSetWidget(QWidget *parent)
    : ItemPanel(parent), ui(std::make_unique<Ui::GeneralSetWidget>())
{
    ui->setupUi(this);
    fillFontList();
    setItem(nullptr);
}

GeneralSetWidget::~GeneralSetWidget() = default;

QString GeneralSetWidget::displayName(const QString &family)
{
    if (family.contains(QLatin1String("SimHei"), Qt::CaseInsensitive))
        return QString(QChar(0x9ED1)) + QChar(0x4F53);
    return family;
}

void GeneralSetWidget::fillFontList()
{
    const QSignalBlocker blocker(ui->fontComboBox);
    // Sorted by name so that the list is the same on every machine.
    for (const QString &file : FontFolder::fontFiles()) {
        const QStringList families = FontFolder::familiesOf(file);
        if (!families.isEmpty())
            ui->fontComboBox->addItem(displayName(families.first()), families.first());
    }
    ui->fontComboBox->setCurrentIndex(-1);
}

bool GeneralSetWidget::accepts(const QGraphicsItem *) const
{
    return true;
}

GraphicsTextAbstract *GeneralSetWidget::textItem() const
{
    // Text-like items derive from QGraphicsTextItem; the type code decides
    // before the cast.
    return isTextLike(item()) ? static_cast<GraphicsTextAbstract *>(item()) : nullptr;
}

void GeneralSetWidget::showFontControls(bool show)
{
    const QList<QWidget *> fontControls = {
        ui->fontLabel,      ui->fontComboBox,     ui->fontSizeLabel,  ui->fontSizeSpinBox,
        ui->textSpaceLabel, ui->textSpaceSpinBox, ui->fontStyleWidget};
    for (QWidget *w : fontControls)
        w->setVisible(show);
}

void GeneralSetWidget::refresh()
{
    const SignalBlockers blockers = blockControls(
        {ui->itemX, ui->itemY, ui->ItemRotation, ui->fontComboBox, ui->fontSizeSpinBox,
         ui->textSpaceSpinBox, ui->boldBtn, ui->ItalicBtn, ui->underLineBtn});

    QGraphicsItem *current = item();
    ui->itemX->setEnabled(current);
    ui->itemY->setEnabled(current);
    ui->ItemRotation->setEnabled(current);
    if (!current) {
        showFontControls(false);
        return;
    }
    ui->itemX->setValue(int(current->x()));
    ui->itemY->setValue(int(current->y()));
    ui->ItemRotation->setValue(int(current->rotation()));

    GraphicsTextAbstract *text = textItem();
    showFontControls(text);
    if (!text)
        return;
    const QFont font = text->font();
    ui->fontSizeSpinBox->setValue(font.pixelSize() > 0 ? font.pixelSize() : text->fontPixelSize());
    ui->textSpaceSpinBox->setValue(int(font.letterSpacing()));
    ui->boldBtn->setChecked(font.weight() >= kBoldWeight);
    ui->ItalicBtn->setChecked(font.style() != QFont::StyleNormal);
    ui->underLineBtn->setChecked(font.underline());
    ui->fontComboBox->setCurrentIndex(ui->fontComboBox->findData(font.family()));
}

void GeneralSetWidget::on_itemX_valueChanged(int value)
{
    if (QGraphicsItem *current = item())
        current->setX(value);
}

void GeneralSetWidget::on_itemY_valueChanged(int value)
{
    if (QGraphicsItem *current = item())
        current->setY(value);
}

void GeneralSetWidget::on_ItemRotation_valueChanged(int value)
{
    if (QGraphicsItem *current = item())
        rotateAboutCentre(current, value);
}

void GeneralSetWidget::on_fontComboBox_currentIndexChanged(int index)
{
    if (GraphicsTextAbstract *text = textItem(); text && index >= 0)
        text->applyFontFamily(QFont(ui->fontComboBox->itemData(index).toString()));
}

void GeneralSetWidget::on_fontSizeSpinBox_valueChanged(int value)
{
    if (GraphicsTextAbstract *text = textItem())
        text->setFontPixelSize(value);
}

void GeneralSetWidget::on_textSpaceSpinBox_valueChanged(int value)
{
    if (GraphicsTextAbstract *text = textItem())
        text->setFontLetterSpacing(value);
}

void GeneralSetWidget::on_boldBtn_toggled(bool checked)
{
    qCDebug(lcEditor) << "bold";
    if (GraphicsTextAbstract *text = textItem())
        text->setFontBold(checked);
}

void GeneralSetWidget::on_ItalicBtn_toggled(bool checked)
{
    if (GraphicsTextAbstract *text = textItem())
        text->setFontItalic(checked);
}

void GeneralSetWidget::on_underLineBtn_toggled(bool checked)
{
    if (GraphicsTextAbstract *text = textItem())
        text->setFontUnderline(checked);
}
