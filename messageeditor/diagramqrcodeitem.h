// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagrampicturebase.h"
#include "editoritemtypes.h"
#include "qrcodeparams.h"

// A QR code symbol.  Its whole parameter block is taken at once and the
// symbol re-rendered from it.
class diagramQRCodeItem : public diagramPictureBase
{
public:
    enum { Type = diagramType::kQrCode };

    // Shows the symbol of "INKJET".
    explicit diagramQRCodeItem(QGraphicsItem *parent = nullptr);
    int type() const override { return Type; }

    qrCodeParams params() const { return m_params; }
    // Stores the block and re-renders.  Returns false when the encoder gave
    // no symbol; the previous picture then stays.
    bool setParams(const qrCodeParams &params);

private:
    qrCodeParams m_params;
};
