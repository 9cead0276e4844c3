// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itempanel.h"

#include <memory>

class FieldMenu;
class TemplateSamples;

namespace Ui {
class TextSetWidget;
}

// Content and external-data switch of a fixed text item.
class TextSetWidget : public ItemPanel
{
    Q_OBJECT
public:
    explicit TextSetWidget(QWidget *parent = nullptr);
    ~TextSetWidget() override;

    void refresh() override;
    // The placeholders the "Insert field" menu offers.
    void setSamples(const TemplateSamples &samples);

signals:
    // The item is to take its content from the external data file (on) or
    // no longer (off); the edit widget hands it to the scene.
    void needExternData(QGraphicsItem *item, bool on);

protected:
    bool accepts(const QGraphicsItem *item) const override;

private slots:
    void on_textEdit_textChanged();
    void on_externDataCheckBox_toggled(bool checked);

private:
    std::unique_ptr<Ui::TextSetWidget> ui;
    FieldMenu *m_fieldMenu;
};
