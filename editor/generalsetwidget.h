// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itempanel.h"

#include <memory>

namespace Ui {
class GeneralSetWidget;
}

class GraphicsTextAbstract;

// Position, rotation and font of the selected item, whatever its kind; the
// font controls are shown for text-like items only.
class GeneralSetWidget : public ItemPanel
{
    Q_OBJECT
public:
    explicit GeneralSetWidget(QWidget *parent = nullptr);
    ~GeneralSetWidget() override;

    void refresh() override;

    // Font weights from this one up show as bold: anything heavier than
    // QFont::Medium (57), so demi-bold faces (63) count as bold too.
    static constexpr int kBoldWeight = 58;
    // The name a font family is listed under: the Chinese name for SimHei.
    static QString displayName(const QString &family);

protected:
    bool accepts(const QGraphicsItem *item) const override;

private slots:
    void on_itemX_valueChanged(int value);
    void on_itemY_valueChanged(int value);
    void on_ItemRotation_valueChanged(int value);
    void on_fontComboBox_currentIndexChanged(int index);
    void on_fontSizeSpinBox_valueChanged(int value);
    void on_textSpaceSpinBox_valueChanged(int value);
    void on_boldBtn_toggled(bool checked);
    void on_ItalicBtn_toggled(bool checked);
    void on_underLineBtn_toggled(bool checked);

private:
    void fillFontList();
    void showFontControls(bool show);
    // The kept item as a text-like item, or nullptr.
    GraphicsTextAbstract *textItem() const;

    std::unique_ptr<Ui::GeneralSetWidget> ui;
};
