// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagrampicturebase.h"
#include "editoritemtypes.h"

// A one-bit picture loaded from a file, or the "NO IMG" placeholder.
class diagramImageItem : public diagramPictureBase
{
public:
    enum { Type = diagramType::kImage };

    // Shows the 120 × 120 placeholder.
    explicit diagramImageItem(QGraphicsItem *parent = nullptr);
    int type() const override { return Type; }

    // 120 × 120, white, "NO IMG" centred in Arial 20 pt.
    static QPixmap placeholder();
    // The file as a one-bit picture (null when it cannot be read); an empty
    // path gives the placeholder.
    static QPixmap picture(const QString &path);
    // Every black pixel white and every other pixel black, one bit deep.
    static QPixmap inverted(const QPixmap &picture);

    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    bool converse() const { return m_converse; }
    void setConverse(bool on) { m_converse = on; }

    // Stores the path and shows its picture at natural size.
    void loadFile(const QString &path);
    // Sets the converse flag (it never clears it) and inverts the picture,
    // keeping the shown size.
    void reverse();

private:
    QString m_path;
    bool m_converse = false;
};
