// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <memory>

#include <QGraphicsItem>
class QWidget;
class diagramBarItem;
class diagramCnt2Item;
class diagramCntItem;
class diagramImageItem;
class diagramQRCodeItem;
class diagramTextItem;
class diagramTimeItem;

// The item of each kind that the property panels act on: the last one
// selected or created.  Until there is one, a default item of that kind
// stands in (it is never in the scene; built when first asked for, which
// keeps the start quick), so a pointer is never null.  Each
// slot takes the value of the panel signal of the same name and changes the
// current item of the panel's kind.
class currentItemEditor : public QObject
{
    Q_OBJECT
public:
    // The item-kind codes of the window (what the selection slot remembers).
    enum Kind { Text = 0, Time = 2, Bar = 3, Image = 4, Cnt = 5, Cnt2 = 6, QRCode = 7, None = -1 };

    // dialogParent: the window the image file dialog belongs to.
    explicit currentItemEditor(QWidget *dialogParent);
    ~currentItemEditor() override;

    // The kind of a message item's type code; None for anything else.
    static Kind kindOf(int type);

    // Makes the item the current one of its kind and returns that kind;
    // None (and nothing changes) for items that are not message items.
    Kind setCurrent(QGraphicsItem *item);
    // The current item of a kind (the default stand-in when none was set).
    QGraphicsItem *current(Kind kind) const;
    // Whether a kind has an item of its own rather than the stand-in.
    bool hasCurrent(Kind kind) const;
    // Items about to be deleted: a current pointer at one of them goes back
    // to the default stand-in of its kind.
    void forget(const QList<QGraphicsItem *> &items);

    diagramTextItem *text() const;
    diagramTimeItem *time() const;
    diagramCntItem *cnt() const;
    diagramCnt2Item *cnt2() const;
    diagramBarItem *bar() const;
    diagramImageItem *image() const;
    diagramQRCodeItem *qrCode() const;

public slots:
    void textXChange(int x);
    void textYChange(int y);
    void textRotateChange(int degrees);
    void textFontChange(int index);
    void textSizeChange(int pixels);
    void textIntervalChange(int pixels);

    void barXChange(int x);
    void barYChange(int y);
    void barWidthChange(int pixels);
    void barHeightChange(int pixels);
    void barRotateChange(int degrees);
    void barModeChange(int symbology);
    void barTextStateChange(bool shown);

    void cntXChange(int x);
    void cntYChange(int y);
    void cntRotateChange(int degrees);
    void cntFontChange(int index);
    void cntSizeChange(int pixels);
    void cntIntervalChange(int pixels);
    void cntModeChange(int digitsIndex);
    void cntNameChange(int counterNumber);

    void cnt2XChange(int x);
    void cnt2YChange(int y);
    void cnt2RotateChange(int degrees);
    void cnt2FontChange(int index);
    void cnt2SizeChange(int pixels);
    void cnt2IntervalChange(int pixels);
    void cnt2ModeChange(int digitsIndex);

    void imageXChange(int x);
    void imageYChange(int y);
    void imageWidthChange(int pixels);
    void imageHeightChange(int pixels);
    void imageRotateChange(int degrees);
    void imageSelectChange();
    void imageConverseChange();

    void QRCodeXChange(int x);
    void QRCodeYChange(int y);
    void QRCodeRotateChange(int degrees);
    void QRCodeLevelChange(int level);
    void QRCodeScaleChange(int pixels);
    void QRCodeVersionChange(int version);
    void QRCodeConverseChange(int converse);

    void timeXChange(int x);
    void timeYChange(int y);
    void timeRotateChange(int degrees);
    void timeFontChange(int index);
    void timeSizeChange(int pixels);
    void timeModeChange(const QString &format);
    void timeSpacingChange(int pixels);

signals:
    // A picture item got a new picture or size (the panel shows its size).
    void pictureChanged(QGraphicsItem *item);

private:
    QWidget *m_dialogParent;
    // The stand-ins, owned here, built when first asked for.
    mutable std::unique_ptr<diagramTextItem> m_defaultText;
    mutable std::unique_ptr<diagramTimeItem> m_defaultTime;
    mutable std::unique_ptr<diagramCntItem> m_defaultCnt;
    mutable std::unique_ptr<diagramCnt2Item> m_defaultCnt2;
    mutable std::unique_ptr<diagramBarItem> m_defaultBar;
    mutable std::unique_ptr<diagramImageItem> m_defaultImage;
    mutable std::unique_ptr<diagramQRCodeItem> m_defaultQRCode;

    // Null while the stand-in serves.
    diagramTextItem *m_text = nullptr;
    diagramTimeItem *m_time = nullptr;
    diagramCntItem *m_cnt = nullptr;
    diagramCnt2Item *m_cnt2 = nullptr;
    diagramBarItem *m_bar = nullptr;
    diagramImageItem *m_image = nullptr;
    diagramQRCodeItem *m_qrCode = nullptr;
};
