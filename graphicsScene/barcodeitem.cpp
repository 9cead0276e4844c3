// SPDX-License-Identifier: GPL-3.0-or-later
#include "barcodeitem.h"

#include "documentlog.h"
#include "graphicstextabstract.h"
#include "selectionframe.h"
#include "templatesamples.h"
#include "templatetext.h"

#include <QDebug>
#include <QJsonValue>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace {

// The stored scale in whole tenths, as the panel sets it; rounded, because
// the float behind it is rarely exact.  Nonsense reads as 0, which Zint
// refuses with an error picture.
int scaleTenths(double scale)
{
    const double tenths = scale * 10;
    return std::isfinite(tenths) && std::fabs(tenths) < 1e6 ? int(std::lround(tenths)) : 0;
}

} // namespace

BarcodeItem::BarcodeItem()
{
    regenerate();
    setFlags(ItemIsMovable | ItemIsSelectable);
}

void BarcodeItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    paintPixmapWithFrame(this, painter, option, widget);
}

void BarcodeItem::regenerate()
{
    QPixmap picture = m_zint.renderPixmap();
    // A template's barcode whose placeholders cannot be encoded as written
    // (a GS1 AI of fixed length holding "{{gtin}}") is drawn with the values
    // pre-flight checks it with, so that the designer shows its size and
    // place rather than an error box over its neighbours.
    const QString text = m_zint.text();
    if (m_zint.hasErrors() && !TemplateText::names(text).isEmpty()) {
        QMap<QString, QString> values = TemplateSamples().values();
        for (const QString &name : TemplateText::names(text))
            if (!values.contains(name))
                values.insert(name, TemplateSamples::unknownValue());
        QString filled = text;
        QString error;
        if (TemplateText::fill(&filled, values, &error)) {
            m_zint.setText(filled);
            const QPixmap sample = m_zint.renderPixmap();
            if (!m_zint.hasErrors())
                picture = sample;
            m_zint.setText(text);
            m_zint.renderPixmap(); // the item's own result again
        }
    }
    setPixmap(picture);
}

void BarcodeItem::setSymbology(int symbology)
{
    // The options mean something else for each symbology (a QR Code version
    // is a Data Matrix size or a Code 39 check digit), and they are not
    // saved: carried over, the symbol on screen would differ from the one
    // the file reproduces.
    if (symbology != m_zint.symbology()) {
        m_zint.setOption1(-1);
        m_zint.setOption2(0);
        m_zint.setOption3(0);
    }
    m_zint.setSymbology(symbology);
    regenerate();
}

void BarcodeItem::setGS1Mode(bool gs1)
{
    m_zint.setGS1Mode(gs1);
    regenerate();
}

void BarcodeItem::setShowText(bool show)
{
    m_zint.setShowText(show);
    regenerate();
}

void BarcodeItem::setContent(const QString &content)
{
    if (content.isEmpty())
        return;
    m_zint.setText(content);
    regenerate();
}

void BarcodeItem::setBarHeight(int height)
{
    m_zint.setHeight(height);
    regenerate();
}

void BarcodeItem::setScaleStep(int tenths)
{
    const float scale = tenths / 10.0f;
    qCDebug(lcDocument) << "scale :" << scale;
    m_zint.setScale(scale);
    regenerate();
}

void BarcodeItem::setQrSize(int index)
{
    if (index < 0 || index > 2)
        return;
    m_zint.setOption1(-1);
    m_zint.setOption3(0);
    m_zint.setOption2(index + 1);
    regenerate();
}

bool BarcodeItem::saveRecord(QJsonObject &record) const
{
    record.insert("BarAtX", int(pos().x()));
    record.insert("BarAtY", int(pos().y()));
    record.insert("BarAtZ", int(zValue()));
    record.insert("BarRotate", int(rotation()));
    record.insert("BarContent", m_zint.text());
    record.insert("BarMode", m_zint.symbology());
    record.insert("BarIsTextOn", m_zint.showText());
    record.insert("BarHeight", m_zint.height());
    record.insert("BarInputMode", m_zint.inputMode());
    // The float's shortest decimal form: 0.7f is written as 0.7, not as
    // 0.699999988, which would read back as 6 tenths.
    record.insert("BarScale", QString::number(double(m_zint.scale()), 'g', 6).toDouble());
    record.insert("BarID", data(ItemData::kId).toString());
    record.insert("BarIsExtern", data(ItemData::kIsExtern).toBool());
    return true;
}

bool BarcodeItem::loadRecord(const QJsonObject &record)
{
    if (record.contains("BarAtX"))
        setX(jsonToInt(record.value("BarAtX")));
    if (record.contains("BarAtY"))
        setY(jsonToInt(record.value("BarAtY")));
    if (record.contains("BarAtZ"))
        setZValue(jsonToInt(record.value("BarAtZ")));
    if (record.contains("BarMode"))
        m_zint.setSymbology(jsonToInt(record.value("BarMode")));
    if (record.contains("BarContent"))
        m_zint.setText(record.value("BarContent").toString());
    if (record.contains("BarIsTextOn"))
        m_zint.setShowText(record.value("BarIsTextOn").toBool());
    if (record.contains("BarInputMode"))
        m_zint.setInputMode(jsonToInt(record.value("BarInputMode")));
    if (record.contains("BarScale"))
        m_zint.setScale(scaleTenths(record.value("BarScale").toDouble()) / 10.0f);
    if (record.contains("BarHeight"))
        m_zint.setHeight(jsonToInt(record.value("BarHeight")));
    if (record.contains("BarID"))
        setData(ItemData::kId, record.value("BarID").toString());
    if (record.contains("BarIsExtern"))
        setData(ItemData::kIsExtern, record.value("BarIsExtern").toBool());
    // Rendered once, with every field in place, and rotated last so that the
    // rotation turns about the centre of the symbol as loaded.
    regenerate();
    if (record.contains("BarRotate"))
        rotateAboutCentre(this, jsonToInt(record.value("BarRotate")));
    return true;
}
