// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagefile.h"

#include "barcodeitem.h"
#include "boundedread.h"
#include "counterregistry.h"
#include "documentlog.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "pixellimit.h"
#include "savetemporaries.h"
#include "writewhole.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QSaveFile>

namespace {

// The item arrays of the document, in the order the reader creates them.
struct RecordArray
{
    ItemType kind;
    const char *key;
};
const RecordArray kRecordArrays[] = {
    {TypeText, "TextItemInfo"},       {TypeTime, "TimeItemInfo"}, {TypeSerialNumber, "CntItemInfo"},
    {TypeBarcode, "BarcodeItemInfo"}, {TypeImage, "ImgItemInfo"}, {TypeShiftCode, "ShiftItemInfo"},
};

const char *arrayKey(ItemType kind)
{
    for (const RecordArray &a : kRecordArrays) {
        if (a.kind == kind)
            return a.key;
    }
    return nullptr;
}

// Writes the item's record; false when the item is not to be saved.
bool saveItemRecord(QGraphicsItem *item, QJsonObject &record)
{
    switch (item->type()) {
    case ItemTypeCode::kTime:
        // A date/time item whose format was cleared prints nothing: not saved.
        if (static_cast<GraphicsTimeItem *>(item)->timeFormat().isEmpty())
            return false;
        return static_cast<GraphicsTextAbstract *>(item)->saveRecord(record);
    case ItemTypeCode::kText:
    case ItemTypeCode::kSerialNumber:
    case ItemTypeCode::kShiftCode:
        return static_cast<GraphicsTextAbstract *>(item)->saveRecord(record);
    case ItemTypeCode::kBarcode:
        return static_cast<BarcodeItem *>(item)->saveRecord(record);
    case ItemTypeCode::kImage:
        return static_cast<GraphicsImageItem *>(item)->saveRecord(record);
    default:
        return false;
    }
}

// Reads the record into a freshly created item; false when the item refuses it.
bool loadItemRecord(QGraphicsItem *item, const QJsonObject &record)
{
    switch (item->type()) {
    case ItemTypeCode::kText:
    case ItemTypeCode::kTime:
    case ItemTypeCode::kSerialNumber:
    case ItemTypeCode::kShiftCode:
        return static_cast<GraphicsTextAbstract *>(item)->loadRecord(record);
    // The barcode item renders itself at the end of loading its record.
    case ItemTypeCode::kBarcode:
        return static_cast<BarcodeItem *>(item)->loadRecord(record);
    case ItemTypeCode::kImage:
        return static_cast<GraphicsImageItem *>(item)->loadRecord(record);
    default:
        return false;
    }
}

// Binds a loaded serial-number item to the registry's counter of its number
// (0 means counter 1), creating the counter when there is none yet.
void bindToRegistryCounter(GraphicsSerialNumberItem *item)
{
    if (item->counterNumber() == 0)
        item->setCounterNumber(1);
    const quint8 id = quint8(item->counterNumber());
    Counter *counter = findCounter(id);
    qCDebug(lcDocument) << "match :" << (counter ? "true" : "false");
    if (!counter) {
        counter = CounterRegistry::add(id);
        qCDebug(lcDocument) << "counter add!";
    }
    item->bindCounter(counter);
}

// Why the data file could not be used; empty when it could.
QString dataFileProblem(int result)
{
    QString text;
    switch (result) {
    case ExternDataManage::FileNotFound:
        text = QCoreApplication::translate("MessageFile", "Can not find the extern data file!");
        break;
    case ExternDataManage::ColumnMismatch:
        text = QCoreApplication::translate(
            "MessageFile", "The columns in the file don't match the extern items you create!");
        break;
    case ExternDataManage::CannotOpen:
        text = QCoreApplication::translate("MessageFile", "Unknown Error!");
        break;
    case ExternDataManage::NotAFile:
        text = QCoreApplication::translate(
            "MessageFile", "The extern data file is a device or a pipe, not a plain file!");
        break;
    case ExternDataManage::TooLarge:
        text = QCoreApplication::translate("MessageFile",
                                           "The extern data file is larger than %1 MiB!")
                   .arg(ExternDataManage::kMaxFileBytes / (1024 * 1024));
        break;
    case ExternDataManage::LineTooLong:
        text = QCoreApplication::translate("MessageFile",
                                           "The extern data file has a line longer than %1 bytes!")
                   .arg(ExternDataManage::kMaxLineBytes);
        break;
    default:
        break;
    }
    return text;
}

MessageFile::Result failure(const QString &error)
{
    MessageFile::Result result;
    result.ok = false;
    result.error = error;
    return result;
}

} // namespace

namespace MessageFile {

// The texts are translatable in the context "MessageFile".
QString boxTitle()
{
    return QCoreApplication::translate("MessageFile", "Qt Drawing");
}

QString dataFileBoxTitle()
{
    return QCoreApplication::translate("MessageFile", "t");
}

QJsonObject toDocument(GraphicsScene &scene)
{
    ExternDataManage &m = scene.externData();
    QJsonObject document;
    if (!m.isEmpty() && m.externMode() != 0) {
        QJsonObject sequence;
        for (int i = 0; i < m.columnCount(); ++i) {
            qCDebug(lcDocument) << "dataManage ID:" << m.idAt(i);
            sequence.insert(QStringLiteral("F%1").arg(i), m.idAt(i));
        }
        document.insert("ExternDataSequance", sequence);
    } else {
        m.setExternMode(0);
        for (QGraphicsItem *item : scene.items())
            item->setData(ItemData::kIsExtern, false);
        m.clear();
    }

    QJsonObject info;
    info.insert("ExternMode", m.externMode());
    if (m.externMode() == 1) {
        info.insert("ExternFileName", m.dataFileName());
        info.insert("CurrentLine", m.currentLine());
        info.insert("StartLine", m.startLine());
        info.insert("EndLine", m.endLine());
        info.insert("JObCompleteType", m.jobCompleteType());
    }
    document.insert("ExternDataInfo", info);
    writeItems(scene, document);
    return document;
}

QByteArray toBytes(GraphicsScene &scene)
{
    const ExternDataManage &m = scene.externData();
    QJsonObject document;
    if (!m.isEmpty() && m.externMode() != 0) {
        document = toDocument(scene);
    } else {
        // As toDocument() writes it once it has cleared the flags.
        document.insert("ExternDataInfo", QJsonObject{{"ExternMode", 0}});
        writeItems(scene, document);
        for (const auto &[array, flag] :
             {std::pair<const char *, const char *>{"TextItemInfo", "TextIsExtern"},
              {"BarcodeItemInfo", "BarIsExtern"}}) {
            QJsonArray records = document.value(QLatin1String(array)).toArray();
            for (int i = 0; i < records.size(); ++i) {
                QJsonObject record = records.at(i).toObject();
                if (record.contains(QLatin1String(flag)))
                    record.insert(QLatin1String(flag), false);
                records.replace(i, record);
            }
            if (!records.isEmpty())
                document.insert(QLatin1String(array), records);
        }
    }
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

Result save(GraphicsScene &scene, const QString &path)
{
    const auto refuse = [&](const QString &reason) {
        return failure(QCoreApplication::translate("MessageFile", "Cannot write file %1:\n%2.")
                           .arg(path, reason));
    };
    // Written to a temporary file and renamed over the old one on success, so
    // a failed save never leaves a half-written message behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return refuse(file.errorString());
    const QByteArray bytes = toBytes(scene);
    // The reason is taken before cancelWriting(), which replaces it with
    // "Writing canceled by the application".
    QString reason;
    if (!writeWhole(file, bytes, &reason))
        file.cancelWriting();
    if (!file.commit())
        return refuse(reason.isEmpty() ? file.errorString() : reason);
    removeStaleTemporaries(path);
    return Result();
}

bool writeItems(GraphicsScene &scene, QJsonObject &document)
{
    const QList<QGraphicsItem *> items = scene.items(Qt::DescendingOrder);
    if (items.isEmpty())
        return false;

    QMap<ItemType, QJsonArray> arrays;
    for (QGraphicsItem *item : items) {
        const ItemType kind = GraphicsScene::kindOf(item);
        if (!arrayKey(kind))
            continue;
        QJsonObject record;
        if (saveItemRecord(item, record))
            arrays[kind].append(record);
    }
    for (const RecordArray &a : kRecordArrays) {
        if (!arrays.value(a.kind).isEmpty())
            document.insert(a.key, arrays.value(a.kind));
    }
    return true;
}

void loadItems(GraphicsScene &scene, const QJsonObject &document)
{
    scene.clear();
    // Pictures past the budget show the error picture or none, as those
    // over the limit of one item do.
    PixelLimit::LoadBudget budget;
    for (const RecordArray &a : kRecordArrays) {
        const QJsonValue value = document.value(a.key);
        if (!value.isArray())
            continue;
        for (const QJsonValue &element : value.toArray()) {
            QGraphicsItem *item = GraphicsScene::createItem(a.kind);
            if (!item)
                break;
            if (!loadItemRecord(item, element.toObject())) {
                delete item;
                continue;
            }
            if (item->type() == ItemTypeCode::kSerialNumber)
                bindToRegistryCounter(static_cast<GraphicsSerialNumberItem *>(item));
            scene.addItem(item);
        }
    }
    if (budget.refused() > 0)
        qCWarning(lcDocument).nospace() << "Pictures of the message over its budget of "
                                        << PixelLimit::kMaxLoadArea / (1024 * 1024)
                                        << " Mi pixels: " << budget.refused() << " refused";
}

QString applyDocument(GraphicsScene &scene, const QJsonObject &root)
{
    ExternDataManage &m = scene.externData();
    // The columns and mode of the message shown before belong to items that
    // are gone; kept, the next save would write columns for missing items.
    m.clear();
    m.setExternMode(0);
    loadItems(scene, root);

    const QJsonValue info = root.value("ExternDataInfo");
    if (info.isObject())
        m.setExternMode(jsonToInt(info.toObject().value("ExternMode")));

    const QJsonValue sequence = root.value("ExternDataSequance");
    if (sequence.isObject() && !sequence.toObject().isEmpty() && m.externMode() != 0) {
        // Columns are looked up densely from "F0"; a gap yields an empty ID.
        const QJsonObject columns = sequence.toObject();
        m.clear();
        for (int i = 0; i < columns.size(); ++i)
            m.addColumn(columns.value(QStringLiteral("F%1").arg(i)).toString());
        qCDebug(lcDocument) << "from scene:" << m.externItemIds();
    }

    QString problem;
    if (info.isObject()) {
        const QJsonObject settings = info.toObject();
        m.setExternMode(jsonToInt(settings.value("ExternMode")));
        if (m.externMode() == 1) {
            m.setDataFileName(settings.value("ExternFileName").toString());
            m.setCurrentLine(jsonToInt(settings.value("CurrentLine")));
            m.setStartLine(jsonToInt(settings.value("StartLine")));
            m.setEndLine(jsonToInt(settings.value("EndLine")));
            m.setJobCompleteType(jsonToInt(settings.value("JObCompleteType")));
            problem = dataFileProblem(m.loadDataFile(m.dataFileName()));
        }
    }

    scene.update();
    scene.fitSceneRect();
    return problem;
}

Result load(GraphicsScene &scene, const QString &path)
{
    const auto refuse = [&](const QString &reason) {
        return failure(QCoreApplication::translate("MessageFile", "Cannot read print file %1:\n%2.")
                           .arg(path, reason));
    };
    // Coders send message files too: a FIFO or a device under that name would
    // block open() or never end, and a huge file would be held whole.
    const QString tooLarge =
        QCoreApplication::translate("MessageFile", "The file is larger than %1 MiB")
            .arg(kMaxFileBytes / (1024 * 1024));
    if (QFileInfo(path).isDir()) {
        QFile folder(path);
        folder.open(QIODevice::ReadOnly | QIODevice::Text);
        return refuse(folder.errorString());
    }
    const PlainFile read = PlainFile::read(path, kMaxFileBytes, true);
    switch (read.problem) {
    case PlainFile::Problem::None:
        break;
    case PlainFile::Problem::NotPlain:
        return refuse(QCoreApplication::translate("MessageFile", "Not a plain file"));
    case PlainFile::Problem::TooLarge:
        return refuse(tooLarge);
    case PlainFile::Problem::CannotOpen:
    case PlainFile::Problem::ReadFailed:
        return refuse(read.error);
    }
    const QByteArray &bytes = read.bytes;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    // A document that is not an object (an array, say) holds no message either.
    if (document.isNull() || document.isEmpty() || !document.isObject())
        return failure(QCoreApplication::translate("MessageFile", "File %1 is empty.").arg(path));
    Result result;
    result.dataFileProblem = applyDocument(scene, document.object());
    return result;
}

} // namespace MessageFile
