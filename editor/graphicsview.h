// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messagefile.h"

#include <QGraphicsView>
#include <QJsonObject>

class GraphicsScene;
class QtCornerBox;
class QtRuleBar;

// The widget that shows a message scene between two rulers, marks the print
// head bands over it and carries the message file reader and writer for it.
class GraphicsView : public QGraphicsView
{
    Q_OBJECT
public:
    // The scale the designer and the preview open at: the 1200 dots of four
    // head bands in the 269 pixels a 300-pixel view leaves below its ruler
    // and above its scroll bar.
    static constexpr qreal kMessageViewScale = 0.22416666666666665;
    // The zoom range of the designer, in pixels per dot.
    static constexpr qreal kMinZoom = 0.02;
    static constexpr qreal kMaxZoom = 8.0;
    // One zoom step, in or out.
    static constexpr qreal kZoomStep = 1.25;

    explicit GraphicsView(QWidget *parent = nullptr);

    // The scene shown, when it is a message scene.
    GraphicsScene *messageScene() const;

    // The configuration both the designer and the preview use; call it after
    // setScene(): 300 pixels high, whole message bands in view from its top
    // left corner, rulers in millimetres over the scene only, all four heads
    // in use and rubber-band selection.
    void setupMessageView();

    quint8 headMask() const { return m_headMask; }
    void setHeadMask(quint8 headMask);

    void setRulersFillSceneOnly(bool on);
    void setRulerUnitMode(int mode);
    // Recomputes the scene range both rulers show; keeps it without a scene.
    void updateRulers();

    QtRuleBar *horizontalRuler() const { return m_horizontalRuler; }
    QtRuleBar *verticalRuler() const { return m_verticalRuler; }

    // Pixels per dot.
    qreal zoom() const;

    // Scrolls so that the item is in view; one larger than the view shows
    // its top left part.
    void revealItem(const QGraphicsItem *item);

    // Message file operations on the view's scene.  They show nothing: the
    // result says why a file could not be written or read (not ok, with no
    // reason, when there is no message scene).
    MessageFile::Result saveFile(const QString &path);
    MessageFile::Result loadFile(const QString &path);
    bool writeItems(QJsonObject &document);
    void loadItems(const QJsonObject &document);

public slots:
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void zoomToActual();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setZoom(qreal zoom);
    void zoomAbout(qreal zoom, const QPointF &viewportPos);
    bool nudgeSelection(int dx, int dy);

    QtRuleBar *m_horizontalRuler;
    QtRuleBar *m_verticalRuler;
    QtCornerBox *m_cornerBox;
    quint8 m_headMask = 3; // print heads in use: 1, 3, 7 or 15
};
