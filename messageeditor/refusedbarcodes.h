// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// While one lives, a barcode whose content its symbology refuses is noted
// here instead of showing a box of its own, so that reading a message with
// many such barcodes asks for one confirmation, not one per barcode.
class refusedBarcodes
{
public:
    // Most barcodes the box names one by one; the rest it counts.
    static constexpr int kMaxListed = 10;
    // Characters of content shown per barcode.
    static constexpr int kMaxShownContent = 32;

    refusedBarcodes();
    ~refusedBarcodes();
    refusedBarcodes(const refusedBarcodes &) = delete;
    refusedBarcodes &operator=(const refusedBarcodes &) = delete;

    int count() const { return m_count; }
    // One warning box through the editor's message-box seam that lists
    // them; nothing when there are none.
    void report() const;

    // Notes a refusal in the list that lives, if one does; false when none
    // does and the caller shows its own box.  symbology is the barcode
    // panel's index, error a barcodePainter::Error.
    static bool note(int symbology, const QString &content, int error);

private:
    QStringList m_lines;
    int m_count = 0;
    refusedBarcodes *m_outer;
};
