// SPDX-License-Identifier: GPL-3.0-or-later
#include "preflight.h"

#include "barcodeitem.h"
#include "fontfolder.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicstextabstract.h"
#include "graphicstextitem.h"
#include "messagefile.h"
#include "picturefolder.h"
#include "safefilename.h"
#include "templatesamples.h"
#include "templatetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonObject>

#include <zint.h>

#include <cmath>
#include <memory>

namespace Preflight {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Preflight", text);
}

// Half a dot: positions and sizes are whole dots, give or take rounding.
constexpr qreal kTolerance = 0.5;
constexpr int kNameLength = 24;

QString shortened(const QString &text)
{
    const QString line = text.simplified();
    return line.size() <= kNameLength ? line : line.left(kNameLength - 1) + QChar(0x2026);
}

// The rectangle the item prints: a pixmap item's bounding rectangle is half
// a dot larger on every side than its picture.
QRectF printedRect(const QGraphicsItem *item)
{
    if (const auto *pixmap = dynamic_cast<const QGraphicsPixmapItem *>(item))
        return pixmap->mapRectToScene(QRectF(pixmap->offset(), pixmap->pixmap().size()));
    return item->sceneBoundingRect();
}

void checkPlacement(QGraphicsItem *item, const Options &options, QList<Finding> &findings)
{
    const QRectF r = printedRect(item);
    const qreal printBottom = PrintHead::kBandCount * PrintHead::kBandHeight;
    QStringList edges;
    if (r.left() < -kTolerance)
        edges << tr("left");
    if (r.top() < -kTolerance)
        edges << tr("top");
    if (r.bottom() > printBottom + kTolerance)
        edges << tr("bottom");
    if (!edges.isEmpty())
        findings.append({Kind::OutsidePrintArea, item, itemName(item),
                         tr("Reaches past the %1 edge of the print area: that part is not "
                            "printed.")
                             .arg(edges.join(tr(" and ")))});

    QStringList heads;
    for (int band = 0; band < PrintHead::kBandCount; ++band) {
        if (options.headMask & (1u << band))
            continue;
        const qreal top = band * PrintHead::kBandHeight;
        if (r.bottom() > top + kTolerance && r.top() < top + PrintHead::kBandHeight - kTolerance)
            heads << QString::number(band + 1);
    }
    if (!heads.isEmpty())
        findings.append({Kind::MaskedHead, item, itemName(item),
                         tr("Lies on the band of head %1, which the head mask leaves out: that "
                            "part is not printed.")
                             .arg(heads.join(tr(", ")))});
}

bool isTwoD(int symbology)
{
    return symbology == BARCODE_QRCODE || symbology == BARCODE_DATAMATRIX ||
           symbology == BARCODE_PDF417;
}

bool isGs1(const Zint::QZint &code)
{
    return code.symbology() == BARCODE_GS1_128 || (code.inputMode() & 0x07) == GS1_MODE;
}

struct SymbolDeleter
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

// Encodes the item's symbol as the designer does, with libzint's GS1
// warnings (a wrong check digit, say) taken as refusals.
void checkBarcode(BarcodeItem *item, QList<Finding> &findings)
{
    const Zint::QZint &code = item->encoder();
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol)
        return;
    symbol->symbology = code.symbology();
    symbol->height = float(code.height());
    symbol->scale = code.scale();
    symbol->option_1 = code.option1();
    symbol->option_2 = code.option2();
    symbol->option_3 = code.option3();
    symbol->input_mode = code.inputMode();
    symbol->show_hrt = code.showText() ? 1 : 0;
    const bool gs1 = isGs1(code);
    if (gs1)
        symbol->warn_level = WARN_FAIL_ALL;
    const QByteArray data = code.text().toUtf8();
    const int result = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()), data.size(), 0);
    const QString reason = QString::fromUtf8(symbol->errtxt);
    const bool twoD = isTwoD(code.symbology());
    if (result >= ZINT_ERROR) {
        if (twoD && result == ZINT_ERROR_TOO_LONG)
            findings.append(
                {Kind::OverCapacity, item, itemName(item),
                 tr("The content is more than the symbol holds at its size: %1").arg(reason)});
        else if (gs1)
            findings.append({Kind::Gs1Refused, item, itemName(item),
                             tr("The GS1 data is refused: %1").arg(reason)});
        else
            findings.append({Kind::Unencodable, item, itemName(item),
                             tr("The content cannot be encoded: %1").arg(reason)});
        return;
    }
    if (twoD || !symbol->vector)
        return;
    // The designer paints Zint's vector scaled once more by the scale: the
    // narrowest rectangle, one module, is that many dots wide.
    float narrowest = 0;
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next) {
        if (narrowest == 0 || r->width < narrowest)
            narrowest = r->width;
    }
    const double module = double(narrowest) * double(code.scale());
    if (module > 0 && std::fabs(module - std::round(module)) > 0.01)
        findings.append({Kind::FractionalModule, item, itemName(item),
                         tr("A module is %1 dots wide, not a whole number of dots: the coder "
                            "prints bars of uneven width. Choose a scale whose module is whole "
                            "dots.")
                             .arg(module, 0, 'g', 3)});
}

bool pictureExists(const QString &stored)
{
    const QString name = stored.section(QLatin1Char('/'), -1);
    if (name.isEmpty() || !isSafeStoredFileName(name))
        return false;
    return QFileInfo(stored).isFile() ||
           QFileInfo(QDir(PictureFolder::folderPath()).filePath(name)).isFile();
}

void checkFiles(QGraphicsItem *item, const std::function<bool(const QString &)> &fontAvailable,
                QList<Finding> &findings)
{
    switch (item->type()) {
    case ItemTypeCode::kText:
    case ItemTypeCode::kTime:
    case ItemTypeCode::kSerialNumber:
    case ItemTypeCode::kShiftCode: {
        const QString family = static_cast<GraphicsTextAbstract *>(item)->font().family();
        if (!fontAvailable(family))
            findings.append(
                {Kind::MissingFont, item, itemName(item),
                 tr("The font \"%1\" is neither installed nor in the fonts folder.").arg(family)});
        break;
    }
    case ItemTypeCode::kImage: {
        const QString path = static_cast<GraphicsImageItem *>(item)->picturePath();
        if (path.isEmpty())
            findings.append({Kind::MissingPicture, item, itemName(item),
                             tr("No picture was chosen: the placeholder would print.")});
        else if (!pictureExists(path))
            findings.append({Kind::MissingPicture, item, itemName(item),
                             tr("The picture %1 is not in the picture folder.").arg(path)});
        break;
    }
    default:
        break;
    }
}

// The placeholders of the item's content; none for items that hold none or
// take their content from the data file.
QStringList placeholdersOf(QGraphicsItem *item)
{
    if (item->data(ItemData::kIsExtern).toBool())
        return {};
    if (item->type() == ItemTypeCode::kText)
        return TemplateText::names(static_cast<GraphicsTextItem *>(item)->toPlainText());
    if (item->type() == ItemTypeCode::kBarcode)
        return TemplateText::names(static_cast<BarcodeItem *>(item)->encoder().text());
    return {};
}

// A copy of the item, outside any scene, with its placeholders filled.
std::unique_ptr<QGraphicsItem> filledCopy(QGraphicsItem *item, const QMap<QString, QString> &values)
{
    QJsonObject record;
    std::unique_ptr<QGraphicsItem> copy;
    if (item->type() == ItemTypeCode::kText) {
        static_cast<GraphicsTextItem *>(item)->saveRecord(record);
        copy = std::make_unique<GraphicsTextItem>();
    } else {
        static_cast<BarcodeItem *>(item)->saveRecord(record);
        copy = std::make_unique<BarcodeItem>();
    }
    QJsonValue filled = record;
    QString error;
    if (!TemplateText::fill(&filled, values, &error))
        return nullptr;
    if (item->type() == ItemTypeCode::kText)
        static_cast<GraphicsTextItem *>(copy.get())->loadRecord(filled.toObject());
    else
        static_cast<BarcodeItem *>(copy.get())->loadRecord(filled.toObject());
    return copy;
}

// The findings of a template's item: its placeholders, then the checks of
// its copy filled with the samples, said of the item itself.
void checkTemplated(QGraphicsItem *item, const QStringList &names, const TemplateSamples &samples,
                    const Options &options, QList<Finding> &findings)
{
    const QString name = itemName(item);
    QMap<QString, QString> values = samples.values();
    QStringList used;
    for (const QString &placeholder : names) {
        const TemplateSamples::Sample *sample = samples.find(placeholder);
        if (!sample) {
            values.insert(placeholder, TemplateSamples::unknownValue());
            used << QStringLiteral("{{%1}} = \"%2\"")
                        .arg(placeholder, TemplateSamples::unknownValue());
            findings.append(
                {Kind::UnknownPlaceholder, item, name,
                 samples.productKnown()
                     ? tr("{{%1}} is neither a standard placeholder nor a field of the product: "
                          "a job of it cannot fill it.")
                           .arg(placeholder)
                     : tr("{{%1}} is no standard placeholder: only a product with a field of "
                          "that name can fill it.")
                           .arg(placeholder)});
            continue;
        }
        used << QStringLiteral("{{%1}} = \"%2\"").arg(placeholder, sample->value);
        if (!sample->problem.isEmpty())
            findings.append({Kind::SampleValue, item, name,
                             tr("The field %1 ({{%2}}): %3.")
                                 .arg(sample->label, placeholder, sample->problem)});
    }
    const std::unique_ptr<QGraphicsItem> copy = filledCopy(item, values);
    if (!copy)
        return;
    QList<Finding> filled;
    checkPlacement(copy.get(), options, filled);
    if (copy->type() == ItemTypeCode::kBarcode)
        checkBarcode(static_cast<BarcodeItem *>(copy.get()), filled);
    for (Finding &f : filled) {
        f.item = item;
        f.itemName = name;
        f.text = tr("Filled with %1: %2").arg(used.join(tr(", ")), f.text);
        findings.append(f);
    }
}

} // namespace

QString itemName(const QGraphicsItem *item)
{
    switch (item ? item->type() : 0) {
    case ItemTypeCode::kText:
        return tr("Text \"%1\"")
            .arg(shortened(static_cast<const GraphicsTextAbstract *>(item)->toPlainText()));
    case ItemTypeCode::kTime:
        return tr("Date \"%1\"")
            .arg(shortened(static_cast<const GraphicsTextAbstract *>(item)->toPlainText()));
    case ItemTypeCode::kSerialNumber:
        return tr("Serial number \"%1\"")
            .arg(shortened(static_cast<const GraphicsTextAbstract *>(item)->toPlainText()));
    case ItemTypeCode::kShiftCode:
        return tr("Shift code \"%1\"")
            .arg(shortened(static_cast<const GraphicsTextAbstract *>(item)->toPlainText()));
    case ItemTypeCode::kBarcode:
        return tr("Barcode \"%1\"")
            .arg(shortened(static_cast<const BarcodeItem *>(item)->encoder().text()));
    case ItemTypeCode::kImage: {
        const QString path = static_cast<const GraphicsImageItem *>(item)->picturePath();
        return path.isEmpty() ? tr("Picture")
                              : tr("Picture %1").arg(path.section(QLatin1Char('/'), -1));
    }
    default:
        return tr("Message");
    }
}

QList<Finding> check(const GraphicsScene &scene, const Options &options)
{
    QList<Finding> findings;
    const ExternDataManage &data = scene.externData();
    if (data.externMode() == 1 && !QFileInfo(data.dataFileName()).isFile())
        findings.append({Kind::MissingDataFile, nullptr, tr("Data file"),
                         tr("The data file \"%1\" is not there: the data fields print nothing.")
                             .arg(data.dataFileName())});

    // Each family is looked up once; a message has few.
    QHash<QString, bool> known;
    const auto fontAvailable = [&](const QString &family) {
        auto found = known.find(family);
        if (found == known.end())
            found = known.insert(family, options.fontAvailable ? options.fontAvailable(family)
                                                               : FontFolder::isAvailable(family));
        return found.value();
    };

    const TemplateSamples genericSamples;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (GraphicsScene::kindOf(item) == TypeNone || item->parentItem())
            continue;
        const QStringList names = options.fillTemplates ? placeholdersOf(item) : QStringList();
        if (!names.isEmpty()) {
            checkTemplated(item, names, options.samples ? *options.samples : genericSamples,
                           options, findings);
        } else {
            checkPlacement(item, options, findings);
            if (item->type() == ItemTypeCode::kBarcode)
                checkBarcode(static_cast<BarcodeItem *>(item), findings);
        }
        checkFiles(item, fontAvailable, findings);
    }
    return findings;
}

MessageCheckResult checkFile(const QString &path, quint8 headMask)
{
    MessageCheckResult result;
    GraphicsScene scene;
    const MessageFile::Result loaded = MessageFile::load(scene, path);
    if (!loaded.ok) {
        result.error = loaded.error;
        return result;
    }
    result.loaded = true;
    Options options;
    options.headMask = headMask;
    // The coder prints a template's placeholders as they are written.
    options.fillTemplates = false;
    for (const Finding &finding : check(scene, options)) {
        result.findings << (finding.itemName.isEmpty()
                                ? finding.text
                                : QStringLiteral("%1: %2").arg(finding.itemName, finding.text));
    }
    return result;
}

} // namespace Preflight
