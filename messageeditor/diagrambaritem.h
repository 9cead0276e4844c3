// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagrampicturebase.h"
#include "editoritemtypes.h"
#include "externaldata.h"

// What a barcode item draws.
struct barcodeSettings
{
    QString content = QStringLiteral("6901234567892");
    // 0 EAN-13, 1 EAN-8, 2 Code 39, 3 Code 93, 4 UPC-A, 5 UPC-E, 6 Code 128.
    int symbology = 0;
    bool showText = true;
    int moduleWidth = 4; // pixels per narrow module
    int barHeight = 200; // pixels
};

// A linear barcode drawn by the editor's own painter.  Changing the content,
// the symbology or the text flag re-renders it at its natural size.
class diagramBarItem : public diagramPictureBase
{
public:
    enum { Type = diagramType::kBar };

    explicit diagramBarItem(QGraphicsItem *parent = nullptr);
    int type() const override { return Type; }

    barcodeSettings settings() const { return m_settings; }
    // Takes all settings at once and renders once.
    void setSettings(const barcodeSettings &settings);

    QString content() const { return m_settings.content; }
    void setContent(const QString &content);
    int symbology() const { return m_settings.symbology; }
    void setSymbology(int index);
    bool showText() const { return m_settings.showText; }
    void setShowText(bool on);
    int moduleWidth() const { return m_settings.moduleWidth; }
    int barHeight() const { return m_settings.barHeight; }

    externalData external() const { return m_external; }
    void setExternal(const externalData &data) { m_external = data; }

private:
    // Refused content shows the barcode error box and the picture as far as
    // it was drawn.
    void render();

    barcodeSettings m_settings;
    externalData m_external;
};
