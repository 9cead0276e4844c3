// SPDX-License-Identifier: GPL-3.0-or-later
// The plant bus without a connection: payloads on the wire, topics, a
// coder's metrics, the commands read from the bus and the settings.
#include "codermetrics.h"
#include "plantcommand.h"
#include "plantsettings.h"
#include "sparkplugpayload.h"

#include <QtTest>

#include <limits>

using Sparkplug::DataType;
using Sparkplug::Metric;
using Sparkplug::metric;

Q_DECLARE_METATYPE(Sparkplug::DataType)
Q_DECLARE_METATYPE(QList<Metric>)

namespace {

QVariant i64(qint64 v)
{
    return QVariant::fromValue(v);
}

QByteArray commandPayload(const QList<Metric> &metrics)
{
    Sparkplug::Payload p;
    p.timestamp = 1700000000000;
    p.metrics = metrics;
    return Sparkplug::encode(p);
}

// Protobuf wire pieces, for payloads our encoder would never write.
QByteArray varint(quint64 v)
{
    QByteArray out;
    do {
        out.append(char((v & 0x7f) | (v > 0x7f ? 0x80 : 0)));
        v >>= 7;
    } while (v);
    return out;
}
QByteArray number(int field, quint64 v)
{
    return varint(quint64(field) << 3) + varint(v);
}
QByteArray bytesField(int field, const QByteArray &bytes)
{
    return varint(quint64(field) << 3 | 2) + varint(quint64(bytes.size())) + bytes;
}
// Metric fields: 1 name, 4 datatype, 7 is_null, 10 int_value, 14 boolean, 15 string.
QByteArray wireMetric(const QByteArray &fields)
{
    return bytesField(2, fields);
}

// The commands in one line: "Apply label1.spr [anna]; Start [anna]".
QString describe(const QList<PlantCommand> &commands)
{
    static const char *const kinds[] = {"Apply ",  "Start", "Stop",   "Set ",
                                        "Request", "Job ",  "End job"};
    QStringList out;
    for (const PlantCommand &c : commands) {
        QString job;
        if (c.kind == PlantCommand::Kind::StartJob) {
            job = c.product + '/' + c.order + '/' + c.lot;
            for (auto it = c.fieldValues.cbegin(); it != c.fieldValues.cend(); ++it)
                job += ' ' + it.key() + '=' + it.value();
            if (!c.packaging.isEmpty())
                job += " packaging " + c.packaging;
        }
        out << kinds[int(c.kind)] + c.messageName + c.fields.join(',') + job +
                   (c.user.isEmpty() ? QString() : " [" + c.user + "]");
    }
    return out.join("; ");
}

Coder coderWithBlock(const QByteArray &block)
{
    Coder c;
    c.descriptor = 7;
    c.ipText = QStringLiteral("127.0.0.1");
    c.remarkName = QStringLiteral("Line 2");
    c.state = CoderState::Printing;
    c.progress = 40;
    c.currentFile = QStringLiteral("label1.spr");
    c.parameterBlock = block;
    return c;
}

} // namespace

class TestSparkplug : public QObject
{
    Q_OBJECT
private slots:
    void payloadRoundTrip_data()
    {
        QTest::addColumn<DataType>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("wire"); // hex the encoding must hold, if any
        const auto add = [](const char *row, DataType type, const QVariant &value,
                            const char *wire = "") {
            QTest::newRow(row) << type << value << QByteArray(wire);
        };
        // Negative 8 to 32 bit values travel sign-extended to 32 bits (field 10 = 0x50).
        add("Int8 -1", DataType::Int8, i64(-1), "50ffffffff0f");
        add("Int8 -128", DataType::Int8, i64(-128), "5080ffffff0f");
        add("Int16 -32768", DataType::Int16, i64(-32768), "508080feff0f");
        add("Int32 min", DataType::Int32, i64(-2147483648LL), "508080808008");
        add("Int64 min", DataType::Int64, i64(std::numeric_limits<qint64>::min()));
        add("UInt8 255", DataType::UInt8, i64(255), "50ff01");
        add("UInt32 max", DataType::UInt32, i64(4294967295LL));
        add("UInt64 max", DataType::UInt64,
            QVariant::fromValue(std::numeric_limits<quint64>::max()));
        add("DateTime", DataType::DateTime, i64(1700000000123));
        add("Float", DataType::Float, 1.5);
        add("Double", DataType::Double, -0.1);
        add("Boolean", DataType::Boolean, true);
        add("String", DataType::String, QString::fromUtf8("Läufer ✓"));
        add("Text", DataType::Text, QStringLiteral(""));
        add("Bytes", DataType::Bytes, QByteArray("a\0b", 3));
        // is_null (field 7 = 0x38) and no value.
        add("null", DataType::Int32, QVariant(), "3801");
    }
    void payloadRoundTrip()
    {
        QFETCH(DataType, type);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, wire);
        Sparkplug::Payload in;
        in.timestamp = 1700000000000;
        in.seq = 255;
        Metric m = metric(QStringLiteral("Folder/Value"), type, value);
        m.alias = 12;
        in.metrics << m << metric(QStringLiteral("Other"), DataType::Boolean, false);
        const QByteArray bytes = Sparkplug::encode(in);
        if (!wire.isEmpty())
            QVERIFY2(bytes.toHex().contains(wire), bytes.toHex().constData());
        Sparkplug::Payload out;
        QString error;
        QVERIFY2(Sparkplug::decode(bytes, &out, &error), qPrintable(error));
        QCOMPARE(out.timestamp, in.timestamp);
        QCOMPARE(out.seq, in.seq);
        QCOMPARE(out.metrics.size(), 2);
        QCOMPARE(out.metrics[0].name, m.name);
        QCOMPARE(out.metrics[0].alias, m.alias);
        QCOMPARE(out.metrics[0].type, type);
        QCOMPARE(out.metrics[0].value, value);
        QCOMPARE(out.metrics[0].value.userType(), value.userType());
        QCOMPARE(out.metrics[1].value, QVariant(false));

        // A node death carries no seq.
        in.seq.reset();
        QVERIFY(Sparkplug::decode(Sparkplug::encode(in), &out, &error));
        QVERIFY(!out.seq);
    }

    void decodeChecksWhatPeersSend_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QVariant>("value"); // of the first metric
        const QByteArray int8 = number(4, 1);
        QTest::newRow("Int8 bare 0xff") << wireMetric(int8 + number(10, 0xff)) << true << i64(-1);
        QTest::newRow("Int16 bare 0x8000")
            << wireMetric(number(4, 2) + number(10, 0x8000)) << true << i64(-32768);
        QTest::newRow("Int8 of 300") << wireMetric(int8 + number(10, 300)) << false << QVariant();
        QTest::newRow("UInt8 of 256")
            << wireMetric(number(4, 5) + number(10, 256)) << false << QVariant();
        QTest::newRow("Int32 carrying text")
            << wireMetric(number(4, 3) + bytesField(15, "1")) << false << QVariant();
        QTest::newRow("Boolean without value") << wireMetric(number(4, 11)) << false << QVariant();
        QTest::newRow("null without value")
            << wireMetric(number(4, 3) + number(7, 1)) << true << QVariant();
        QTest::newRow("data set not read") << wireMetric(number(4, 16)) << true << QVariant();
        QTest::newRow("name not UTF-8")
            << wireMetric(bytesField(1, "\xc3\x28") + number(4, 11) + number(14, 1)) << false
            << QVariant();
        QTest::newRow("surrogate in text")
            << wireMetric(number(4, 12) + bytesField(15, "\xed\xa0\x80")) << false << QVariant();
        QTest::newRow("garbage") << QByteArray("\xff\xff\xff") << false << QVariant();
        QTest::newRow("cut short")
            << commandPayload({metric("Command/Apply Message", DataType::String, "label1")})
                   .chopped(3)
            << false << QVariant();
        QTest::newRow("over the size limit")
            << wireMetric(number(4, 17) +
                          bytesField(16, QByteArray(Sparkplug::kMaxPayloadBytes, 'x')))
            << false << QVariant();
        QTest::newRow("too many metrics")
            << wireMetric({}).repeated(Sparkplug::kMaxMetrics + 1) << false << QVariant();
    }
    void decodeChecksWhatPeersSend()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QVariant, value);
        Sparkplug::Payload out;
        out.timestamp = 99;
        QString error;
        QCOMPARE(Sparkplug::decode(bytes, &out, &error), ok);
        if (!ok) {
            QVERIFY(!error.isEmpty());
            QCOMPARE(out.timestamp, quint64(99)); // untouched
            return;
        }
        QCOMPARE(out.metrics.size(), 1);
        QCOMPARE(out.metrics[0].value, value);
    }

    void topicsAndIds_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("topic"); // empty: refused
        const auto add = [](const char *row, const char *type, const QString &node,
                            const QString &device, const QString &topic) {
            QTest::newRow(row) << QString(type) << node << device << topic;
        };
        add("node birth", "NBIRTH", "PC-1", "", "spBv1.0/Plant/NBIRTH/PC-1");
        add("device data", "DDATA", "PC-1", "127.0.0.1", "spBv1.0/Plant/DDATA/PC-1/127.0.0.1");
        add("UTF-8 device", "DCMD", "PC-1", "Linie ü", "spBv1.0/Plant/DCMD/PC-1/Linie ü");
        add("device message without device", "DBIRTH", "PC-1", "", "");
        add("node message with device", "NDATA", "PC-1", "x", "");
        add("unknown type", "STATE", "PC-1", "", "");
        add("slash", "NBIRTH", "PC/1", "", "");
        add("plus", "DDATA", "PC-1", "a+b", "");
        add("NUL", "DDATA", "PC-1", QString(QChar(0)), "");
        add("lone surrogate", "NDATA", QString(QChar(0xd800)), "", "");
        add("over MQTT's length", "DDATA", "PC-1", QString(65536, 'd'), "");
    }
    void topicsAndIds()
    {
        QFETCH(QString, type);
        QFETCH(QString, node);
        QFETCH(QString, device);
        QFETCH(QString, topic);
        QCOMPARE(Sparkplug::topic(QStringLiteral("Plant"), type, node, device), topic);
        QVERIFY(!Sparkplug::isValidId(QString()));
    }

    void deviceCommands_data()
    {
        QTest::addColumn<QList<Metric>>("metrics");
        QTest::addColumn<QByteArray>("block"); // the coder's last parameter block
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("refusal"); // part of the refusals; empty: none
        const QByteArray block = PrintParameters().toBytes();
        const auto str = [](const char *name, const QVariant &v) {
            return metric(QString::fromUtf8(name), DataType::String, v);
        };
        const auto yes = [](const char *name) {
            return metric(QString::fromUtf8(name), DataType::Boolean, true);
        };
        const auto i32 = [](const char *name, qint64 v) {
            return metric(QString::fromUtf8(name), DataType::Int32, QVariant::fromValue(v));
        };
        const auto dbl = [](const char *name, double v) {
            return metric(QString::fromUtf8(name), DataType::Double, v);
        };
        const Metric apply = str("Command/Apply Message", "label1");
        const Metric speed = i32("Parameters/Line Speed", 120);

        QTest::newRow("apply, start, user")
            << QList<Metric>{apply, yes("Command/Start"), str("Command/User", "anna")} << block
            << "Apply label1.spr [anna]; Start [anna]"
            << "";
        QTest::newRow("apply with suffix, stop, request")
            << QList<Metric>{str("Command/Apply Message", "Ürün 2.spr"), yes("Command/Stop"),
                             yes("Command/Request Current File")}
            << QByteArray() << "Apply Ürün 2.spr; Stop; Request"
            << "";
        QTest::newRow("parameters make one command where the first stands")
            << QList<Metric>{speed, yes("Command/Start"),
                             metric("Parameters/Spray Mode", DataType::UInt64, i64(5)),
                             metric("Parameters/Head Offset 2", DataType::Float, 12.3f),
                             metric("Parameters/Splice", DataType::Boolean, true)}
            << block
            << "Set Parameters/Line Speed,Parameters/Spray Mode,Parameters/Head Offset 2,"
               "Parameters/Splice; Start"
            << "";
        QTest::newRow("empty payload") << QList<Metric>{} << block << ""
                                       << "";

        const auto refused = [&](const char *row, const Metric &m, const char *reason,
                                 const QByteArray &last) {
            QTest::newRow(row) << QList<Metric>{m} << last << "" << reason;
        };
        refused("unknown", yes("Command/Explode"), "Command/Explode: unknown metric", block);
        refused("published only", str("Status/State", "Printing"), "Status/State: read only",
                block);
        refused("device value", dbl("Parameters/Device Value 1", 1), "read only", block);
        refused("start of the wrong type", i32("Command/Start", 1),
                "Command/Start: datatype Int32, expected Boolean", block);
        refused("integer as double", dbl("Parameters/Line Speed", 100), "datatype Double", block);
        refused("null", str("Command/Apply Message", QVariant()), "null value", block);
        refused("false start", metric("Command/Start", DataType::Boolean, false), "write true",
                block);
        refused("line speed", i32("Parameters/Line Speed", 400),
                "Parameters/Line Speed: 400 is out of range 0 to 300", block);
        refused("negative Int8", metric("Parameters/Signal Interval", DataType::Int8, i64(-1)),
                "-1 is out of range 0 to 99", block);
        refused("huge UInt64",
                metric("Parameters/Encoder PPR", DataType::UInt64,
                       QVariant::fromValue(std::numeric_limits<quint64>::max())),
                "out of range 0 to 5000", block);
        refused("spray code", i32("Parameters/Spray Mode", 3), "3 is not one of 1, 2, 4, 5", block);
        refused("offset over", dbl("Parameters/Head Offset 1", 1000.05), "out of range 0 to 1000",
                block);
        refused("offset NaN", dbl("Parameters/Head Offset 3", qQNaN()), "not a finite number",
                block);
        refused("offset between steps", dbl("Parameters/Head Offset 4", 12.34),
                "not in steps of 0.1 mm", block);
        refused("no block yet", speed, "the coder has not reported its print parameters yet",
                QByteArray());
        refused("short block", speed, "has not reported", block.left(20));
        refused("traversal", str("Command/Apply Message", "../etc/passwd"),
                "not a plain message name", block);
        refused("device name", str("Command/Apply Message", "CON"), "plain", block);
        refused("suffix alone", str("Command/Apply Message", ".spr"), "plain", block);
        refused("leading space", str("Command/Apply Message", " label1"), "space", block);
        refused("empty name", str("Command/Apply Message", ""), "empty message name", block);
        refused("256 bytes with .spr", str("Command/Apply Message", QString(252, 'a')),
                "longer than 255 bytes", block);
        refused("user with newline", str("Command/User", "anna\nroot"), "not a user name", block);
        // C1 and the line and paragraph separators are control characters as C0 and DEL are.
        refused("name with DEL",
                str("Command/Apply Message", QString("lab\x7f"
                                                     "el")),
                "plain", block);
        refused("name with NEL (C1)",
                str("Command/Apply Message", "lab" + QString(QChar(0x85)) + "el"),
                "not a plain message name", block);
        refused("name with CSI (C1)",
                str("Command/Apply Message", "label" + QString(QChar(0x9b)) + "2J"), "plain",
                block);
        refused("name with a line separator",
                str("Command/Apply Message", "lab" + QString(QChar(0x2028)) + "el"), "plain",
                block);
        refused("user with CSI (C1)", str("Command/User", "op" + QString(QChar(0x9b)) + "31m"),
                "not a user name", block);
        refused("user with a paragraph separator",
                str("Command/User", "op" + QString(QChar(0x2029))), "not a user name", block);
        QTest::newRow("user just past C1")
            << QList<Metric>{yes("Command/Start"),
                             str("Command/User", "op" + QString(QChar(0xa0)) + "1")}
            << block << QString("Start [op" + QString(QChar(0xa0)) + "1]") << "";
        Metric byAlias = yes("Command/Start");
        byAlias.name.clear();
        byAlias.alias = 3;
        refused("alias", byAlias, "metric 1 (alias 3): commands are taken by name", block);

        // Jobs: every value is checked before the job engine sees any.
        const Metric product = str("Job/Product", "4006381333931");
        const Metric order = str("Job/Order", "PO-77");
        const Metric lot = str("Job/Lot", "L2041");
        QTest::newRow("job with fields, by its user")
            << QList<Metric>{yes("Job/Start"),
                             product,
                             order,
                             lot,
                             str("Job/Field/shift", "B"),
                             str("Command/User", "anna")}
            << QByteArray() << "Job 4006381333931/PO-77/L2041 shift=B [anna]"
            << "";
        QTest::newRow("job with a packaging scan")
            << QList<Metric>{yes("Job/Start"), product, order, lot,
                             str("Job/Packaging", "4006381333931")}
            << QByteArray() << "Job 4006381333931/PO-77/L2041 packaging 4006381333931"
            << "";
        QTest::newRow("end, then a new job")
            << QList<Metric>{yes("Job/End"), product, order, lot, yes("Job/Start")} << block
            << "End job; Job 4006381333931/PO-77/L2041"
            << "";
        const auto jobRefused = [&](const char *row, const QList<Metric> &metrics,
                                    const char *reason) {
            QTest::newRow(row) << metrics << block << "" << reason;
        };
        jobRefused("job values without a start", {product, order, lot},
                   "start a job only with Job/Start true");
        jobRefused("job start without a lot", {yes("Job/Start"), product, order},
                   "Job/Start: a job needs Job/Lot");
        jobRefused("empty lot", {yes("Job/Start"), product, order, str("Job/Lot", " ")},
                   "Job/Lot: empty");
        jobRefused("lot of the wrong type",
                   {yes("Job/Start"), product, order, i32("Job/Lot", 2041)},
                   "Job/Lot: datatype Int32, expected String");
        jobRefused("lot with a line feed",
                   {yes("Job/Start"), product, order, str("Job/Lot", "L1\nL2")},
                   "Job/Lot: \"L1?L2\" holds a control character");
        jobRefused("256 bytes of product",
                   {yes("Job/Start"), str("Job/Product", QString(128, QChar(0xe9))), order, lot},
                   "Job/Product: \"");
        jobRefused("packaging with a line feed",
                   {yes("Job/Start"), product, order, lot, str("Job/Packaging", "1\n2")},
                   "Job/Packaging: \"1?2\" holds a control character");
        jobRefused("field name with a slash",
                   {yes("Job/Start"), product, order, lot, str("Job/Field/a/b", "x")},
                   "is not a field name");
        jobRefused("field name with a digit first",
                   {yes("Job/Start"), product, order, lot, str("Job/Field/1st", "x")},
                   "is not a field name");
        jobRefused("false job start", {metric("Job/Start", DataType::Boolean, false)},
                   "Job/Start: false asks for nothing");
        jobRefused("job state is published only", {str("Job/State", "verified")},
                   "Job/State: read only");

        QTest::newRow("given twice") << QList<Metric>{speed, speed} << block << ""
                                     << "Parameters/Line Speed: given more than once";
        // Nothing goes out when one metric is refused: not the start of the old message.
        QTest::newRow("all or nothing")
            << QList<Metric>{str("Command/Apply Message", "../x"), yes("Command/Start")} << block
            << ""
            << "not a plain message name";
    }
    void deviceCommands()
    {
        QFETCH(QList<Metric>, metrics);
        QFETCH(QByteArray, block);
        QFETCH(QString, commands);
        QFETCH(QString, refusal);
        const DecodedCommands decoded = decodeDeviceCommand(commandPayload(metrics), block);
        const QString refusals = decoded.refusals.join(QLatin1Char('|'));
        QCOMPARE(describe(decoded.commands), commands);
        if (refusal.isEmpty())
            QCOMPARE(refusals, QString());
        else
            QVERIFY2(refusals.contains(refusal), qPrintable(refusals));
        QCOMPARE(decoded.refusals.size(), refusal.isEmpty() ? 0 : 1);
    }

    void parametersLandOnTheLastBlock()
    {
        PrintParameters last;
        last.deviceValue1 = 7.25;
        last.headEnableMask = 1;
        last.headRangeMask = 1;
        last.lineSpeed = 30;
        const QList<Metric> metrics{metric("Parameters/Head Enable Mask", DataType::Int8, i64(5)),
                                    metric("Parameters/Head Offset 2", DataType::Float, 12.3f),
                                    metric("Parameters/Encoder Enabled", DataType::Boolean, true)};
        DecodedCommands decoded = decodeDeviceCommand(commandPayload(metrics), last.toBytes());
        QCOMPARE(decoded.commands.size(), 1);
        PrintParameters expected = last;
        expected.headEnableMask = 5;
        expected.headRangeMask = 7; // follows the highest head, as on the panel
        expected.headOffset2 = 12.3;
        expected.encoderEnabled = true;
        QCOMPARE(decoded.commands[0].parameters.toBytes().toHex(), expected.toBytes().toHex());

        // A range mask given beside the heads stays as given.
        decoded = decodeDeviceCommand(
            commandPayload({metric("Parameters/Head Enable Mask", DataType::Int32, i64(5)),
                            metric("Parameters/Head Range Mask", DataType::Int32, i64(15))}),
            last.toBytes());
        QCOMPARE(decoded.commands.value(0).parameters.headRangeMask, qint8(15));
    }

    void nodeCommands_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("rebirth");
        QTest::addColumn<int>("refusals");
        const Metric rebirth = metric("Node Control/Rebirth", DataType::Boolean, true);
        QTest::newRow("rebirth") << commandPayload({rebirth}) << true << 0;
        QTest::newRow("false") << commandPayload(
                                      {metric("Node Control/Rebirth", DataType::Boolean, false)})
                               << false << 1;
        QTest::newRow("wrong type")
            << commandPayload({metric("Node Control/Rebirth", DataType::Int32, i64(1))}) << false
            << 1;
        QTest::newRow("beside an unknown")
            << commandPayload({metric("Node Control/Reboot", DataType::Boolean, true), rebirth})
            << true << 1;
        QTest::newRow("garbage") << QByteArray("\x12\x05\x0a") << false << 1;
    }
    void nodeCommands()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, rebirth);
        QFETCH(int, refusals);
        QStringList reasons;
        QCOMPARE(decodeNodeCommand(payload, &reasons), rebirth);
        QCOMPARE(reasons.size(), refusals);
    }

    // With the aliases of a birth, a command may name its metric by alias
    // alone; an alias never given, or one that names another metric, is
    // refused with the reason, as an unknown name is.
    void commandsByAlias_data()
    {
        QTest::addColumn<QList<Metric>>("metrics");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("refusal");
        const auto aliased = [](const char *name, quint64 alias) {
            Metric m = metric(QString::fromUtf8(name), DataType::Boolean, true);
            m.alias = alias;
            return m;
        };
        const auto alone = [&](quint64 alias) {
            Metric m = aliased("", alias);
            m.name = QString();
            return m;
        };
        QTest::newRow("start by alias") << QList<Metric>{alone(7)} << "Start"
                                        << "";
        QTest::newRow("name and its alias") << QList<Metric>{aliased("Command/Stop", 8)} << "Stop"
                                            << "";
        QTest::newRow("unknown alias")
            << QList<Metric>{alone(99), aliased("Command/Start", 7)} << ""
            << "metric 1 (alias 99): unknown alias";
        QTest::newRow("alias of another metric")
            << QList<Metric>{aliased("Command/Start", 8)} << ""
            << "Command/Start: alias 8 stands for Command/Stop";
        QTest::newRow("the same metric by name and by alias")
            << QList<Metric>{aliased("Command/Start", 7), alone(7)} << ""
            << "Command/Start: given more than once";
    }
    void commandsByAlias()
    {
        QFETCH(QList<Metric>, metrics);
        QFETCH(QString, commands);
        QFETCH(QString, refusal);
        const AliasNames aliases{{7, "Command/Start"}, {8, "Command/Stop"}, {9, "Status/State"}};
        const DecodedCommands decoded =
            decodeDeviceCommand(commandPayload(metrics), QByteArray(), aliases);
        QCOMPARE(describe(decoded.commands), commands);
        QCOMPARE(decoded.refusals.join('|'), refusal);

        // The node's own: the rebirth by its alias, an unknown alias refused.
        Metric rebirth = metric(QString(), DataType::Boolean, true);
        rebirth.alias = 2;
        QStringList reasons;
        QVERIFY(
            decodeNodeCommand(commandPayload({rebirth}), &reasons, {{2, "Node Control/Rebirth"}}));
        QVERIFY(reasons.isEmpty());
        QVERIFY(!decodeNodeCommand(commandPayload({rebirth}), &reasons, {{3, "bdSeq"}}));
        QCOMPARE(reasons, QStringList{"metric 1 (alias 2): unknown alias"});
    }

    void birthMetrics()
    {
        const QString sha = QStringLiteral("ab").repeated(32);
        // No block, or a short one (its missing fields would read as zeros): no parameters.
        for (const QByteArray &block : {QByteArray(), QByteArray(80, '\1')}) {
            QVariantList values;
            for (const Metric &m : CoderMetrics::birth(coderWithBlock(block), sha))
                values << m.value;
            QCOMPARE(values,
                     (QVariantList{"Printing", i64(40), "label1.spr", sha, "Line 2", "127.0.0.1"}));
        }
        QCOMPARE(CoderMetrics::birth(Coder(), QString())[1].value, i64(-1));

        PrintParameters p;
        p.headOffset3 = 2.5;
        p.deviceValue3 = -2;
        p.splice = true;
        const QList<Metric> born = CoderMetrics::birth(coderWithBlock(p.toBytes()), sha);
        QStringList names;
        for (const Metric &m : born)
            names << m.name;
        QCOMPARE(names.mid(0, 6),
                 (QStringList{"Status/State", "Status/Progress", "Message/Name", "Message/SHA-256",
                              "Properties/Remark Name", "Properties/IP"}));
        QCOMPARE(names.size(), 6 + 24);
        QCOMPARE(names[6], QString("Parameters/Spray Mode"));
        QCOMPARE(names.last(), QString("Parameters/Device Value 3"));

        // Every metric survives the wire with its datatype and value.
        Sparkplug::Payload in;
        in.seq = 1;
        in.metrics = born;
        Sparkplug::Payload out;
        QString error;
        QVERIFY(Sparkplug::decode(Sparkplug::encode(in), &out, &error));
        QCOMPARE(out.metrics.size(), born.size());
        for (int i = 0; i < born.size(); ++i) {
            QCOMPARE(out.metrics[i].type, born[i].type);
            QCOMPARE(out.metrics[i].value, born[i].value);
        }
        QCOMPARE(out.metrics[names.indexOf("Parameters/Head Offset 3")].value, QVariant(2.5));
        QCOMPARE(out.metrics[names.indexOf("Parameters/Device Value 3")].value, i64(-2));
        QCOMPARE(out.metrics[names.indexOf("Parameters/Splice")].value, QVariant(true));
    }

    void changedGivesOnlyWhatDiffers()
    {
        PrintParameters p;
        p.headOffset1 = qQNaN(); // a coder that keeps reporting NaN is not sent again
        Coder coder = coderWithBlock(p.toBytes());
        const QList<Metric> before = CoderMetrics::birth(coder, QString());
        coder.progress = 41;
        p.lineSpeed = 60;
        coder.parameterBlock = p.toBytes();
        const QList<Metric> after = CoderMetrics::birth(coder, QStringLiteral("00ff"));
        QStringList names;
        for (const Metric &m : CoderMetrics::changed(before, after))
            names << m.name;
        QCOMPARE(names,
                 (QStringList{"Status/Progress", "Message/SHA-256", "Parameters/Line Speed"}));
        QVERIFY(CoderMetrics::changed(after, after).isEmpty());
        QVERIFY(!CoderMetrics::needsRebirth(before, after));

        // Parameters arriving for the first time were never born: a rebirth, not data.
        coder.parameterBlock.clear();
        const QList<Metric> bare = CoderMetrics::birth(coder, QString());
        QVERIFY(CoderMetrics::needsRebirth(bare, after));
        QCOMPARE(CoderMetrics::changed(bare, after).size(), 1); // only the hash
    }

    // Each bad setting is named with what is wrong with it.
    void settingsNameWhatIsWrong_data()
    {
        QTest::addColumn<QString>("mqtt"); // the [mqtt] section after its url
        QTest::addColumn<QStringList>("errors");
        const QString ids = "group=Plant\nnode=Line1\n";
        QTest::newRow("good") << ids + "user=korvexd\npassword_file=password\n" << QStringList();
        QTest::newRow("no node")
            << "group=Plant\n"
            << QStringList{"[mqtt] node is missing: the Sparkplug edge-node ID, a name without "
                           "\"/\", \"+\" and \"#\""};
        QTest::newRow("no group, a bad node")
            << "node=Line/1\n"
            << QStringList{"[mqtt] group is missing: the Sparkplug group ID, a name without "
                           "\"/\", \"+\" and \"#\"",
                           "[mqtt] node \"Line/1\" must be a name without \"/\", \"+\" and \"#\""};
        QTest::newRow("no password file")
            << ids + "password_file=missing\n"
            << QStringList{"[mqtt] cannot read the password file missing: no such file"};
        QTest::newRow("password file is a folder")
            << ids + "password_file=folder\n"
            << QStringList{"[mqtt] cannot read the password file folder: not a plain file"};
        QTest::newRow("primary host") << ids + "password_file=password\nprimary_host=scada-1\n"
                                      << QStringList();
        QTest::newRow("bad primary host")
            << ids + "primary_host=scada/1\n"
            << QStringList{"[mqtt] primary_host \"scada/1\" must be a host ID without \"/\", "
                           "\"+\" and \"#\""};
        QTest::newRow("no ca file") << ids + "ca_file=missing.crt\n"
                                    << QStringList{"[mqtt] cannot read the ca_file missing.crt: "
                                                   "no such file"};
    }
    void settingsNameWhatIsWrong()
    {
        QFETCH(QString, mqtt);
        QFETCH(QStringList, errors);
        QTemporaryDir dir;
        const QString home = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QDir().mkdir("folder");
        QFile password("password");
        QVERIFY(password.open(QIODevice::WriteOnly) && password.write("secret\n") == 7);
        password.close();
        QFile conf("korvex.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[mqtt]\nurl=mqtt://127.0.0.1:1883\n" + mqtt.toUtf8());
        conf.close();
        PlantSettings settings;
        QStringList found;
        const bool loaded = PlantSettings::load("korvex.conf", true, &settings, &found);
        QVERIFY(QDir::setCurrent(home));
        for (QString &error : found)
            error.remove("korvex.conf: ");
        QCOMPARE(found, errors);
        QCOMPARE(loaded, errors.isEmpty());
        if (loaded) {
            QCOMPARE(settings.broker.password, QString("secret"));
            QCOMPARE(settings.primaryHost, QString(mqtt.contains("primary") ? "scada-1" : ""));
        }
    }
};

QTEST_GUILESS_MAIN(TestSparkplug)
#include "tst_sparkplug.moc"
