// SPDX-License-Identifier: GPL-3.0-or-later
#include "printparameterwidget.h"
#include "slotnaming.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QtTest>

#include <cmath>
#include <limits>
#include <type_traits>

namespace {

using P = PrintParameters;

template <typename T> P with(P p, T P::*field, std::common_type_t<T> value)
{
    p.*field = value;
    return p;
}

// The block right after construction: the lists have picked their first entries.
P startupBlock()
{
    return with(with(with(P(), &P::sprayMode, 1), &P::triggerMode, 3), &P::dpiCode, 4);
}

// The start-up block as a coder would send it: the range covers head 1 only.
P headOneBlock()
{
    return with(startupBlock(), &P::headRangeMask, 1);
}

// Every field distinct and within the controls' ranges, so that a field bound
// to the wrong control shows.
P distinctBlock()
{
    P p;
    p.sprayMode = 5, p.deviceValue1 = 2.5, p.deviceValue2 = -0.5, p.dpiCode = 2;
    p.triggerMode = 2, p.headRangeMask = 15, p.splice = true, p.headEnableMask = 0b1101;
    p.entireDirection = 3, p.headOffset1 = 0.5, p.headOffset2 = 12.3, p.headOffset3 = 999.9;
    p.headOffset4 = 0.0, p.headDirection1 = 0, p.headDirection2 = 1, p.headDirection3 = 2;
    p.headDirection4 = 3, p.encoderEnabled = true, p.beepEnabled = true, p.encoderPpr = 4096;
    p.encoderDiameter = 75, p.lineSpeed = 250, p.signalInterval = 99, p.deviceValue3 = -7;
    return p;
}

template <typename T> T *find(const QWidget &panel, const QString &name)
{
    return panel.findChild<T *>(name);
}

bool shown(const QWidget &panel, const QString &name)
{
    return !find<QWidget>(panel, name)->isHidden();
}

qint8 &headDirection(P &p, int head)
{
    qint8 *fields[] = {&p.headDirection1, &p.headDirection2, &p.headDirection3, &p.headDirection4};
    return *fields[head - 1];
}

// The block as the controls show it. Fields without a control, and direction
// codes no button can show, are taken from the panel's block.
P shownBlock(const PrintParameterWidget &panel)
{
    P p = panel.parameters();
    auto code = [&](const char *list) {
        return qint8(find<QComboBox>(panel, list)->currentData().toInt());
    };
    auto on = [&](const QString &name) { return find<QAbstractButton>(panel, name)->isChecked(); };
    auto value = [&](const char *spin) { return find<QSpinBox>(panel, spin)->value(); };
    p.sprayMode = code("sprayModeComboBox"), p.triggerMode = code("triggerModeComboBox");
    p.dpiCode = code("dpiComboBox"), p.splice = on("spliceCheckBox");
    p.encoderEnabled = on("encodeCheckbox"), p.beepEnabled = on("beepCheckBox");
    p.encoderPpr = value("encoderPPRspinBox"), p.encoderDiameter = value("encoderDiameterSpinBox");
    p.lineSpeed = value("productionLineSpeedSpinBox");
    p.signalInterval = value("signalIntervalSpinBox");
    quint8 enabled = quint8(p.headEnableMask) & 0xf0;
    double *offsets[] = {&p.headOffset1, &p.headOffset2, &p.headOffset3, &p.headOffset4};
    const QStringList directions = {"Forward", "Reverse", "Inverse", "RevInv"};
    for (int head = 1; head <= 4; ++head) {
        if (on(QString("head%1CheckBox").arg(head)))
            enabled |= 1u << (head - 1);
        *offsets[head - 1] =
            find<QDoubleSpinBox>(panel, QString("head%1DoubleSpinBox").arg(head))->value();
        qint8 &direction = headDirection(p, head);
        for (int c = 0; c < 4 && on(QString("singleHead%1RadioButton").arg(head)); ++c) {
            // An unknown code shows as Forward and stays in the block.
            if (on("single" + directions[c] + "Btn") && (c != 0 || (direction & ~3) == 0))
                direction = qint8(c);
        }
        if (on("entire" + directions[head - 1] + "Btn"))
            p.entireDirection = qint8(head - 1);
    }
    p.headEnableMask = qint8(enabled);
    return p;
}

template <typename T>
void controlRow(const char *name, const char *control, QVariant value, T P::*field,
                std::common_type_t<T> expected, QStringList shows = {}, QStringList hides = {})
{
    QTest::newRow(name) << QString(control) << value
                        << with(startupBlock(), field, expected).toBytes() << shows << hides;
}

template <typename T>
void clampRow(const char *name, T P::*field, std::common_type_t<T> sent,
              std::common_type_t<T> display, QString unknownList = {})
{
    QTest::newRow(name) << with(distinctBlock(), field, sent).toBytes()
                        << with(distinctBlock(), field, display).toBytes() << unknownList;
}

} // namespace

class TestPrintParameterWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { SlotNaming::install(); }
    void cleanup() { QCOMPARE(SlotNaming::take(), QStringList()); }

    // The lists pick their first entries; every other control shows the
    // default that "Apply Print Parameter" sends.
    void startupShowsWhatApplySends()
    {
        PrintParameterWidget panel;
        QCOMPARE(panel.parameters().toBytes().toHex(), startupBlock().toBytes().toHex());
        QCOMPARE(shownBlock(panel).toBytes().toHex(), panel.parameters().toBytes().toHex());
        for (const char *name : {"singleHeadDirectWidget", "productionLineSpeedWidget",
                                 "signalIntervalWidget", "singleHead1RadioButton"})
            QVERIFY2(shown(panel, name), name);
        for (const char *name :
             {"directWidget", "encoderParameterWidget", "singleHead2RadioButton"})
            QVERIFY2(!shown(panel, name), name);
        QVERIFY(find<QRadioButton>(panel, "singleHead1RadioButton")->isChecked());
        QVERIFY(!find<QCheckBox>(panel, "spliceCheckBox")->isTristate());
        QVERIFY(!find<QCheckBox>(panel, "encodeCheckbox")->isTristate());
    }

    // Each control writes its own field and nothing else; some switch panels.
    void controlWritesItsField_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QStringList>("showsNow");
        QTest::addColumn<QStringList>("hidesNow");
        controlRow("splice on", "spliceCheckBox", true, &P::splice, true, {"directWidget"},
                   {"singleHeadDirectWidget"});
        controlRow("encoder on", "encodeCheckbox", true, &P::encoderEnabled, true,
                   {"encoderParameterWidget"}, {"productionLineSpeedWidget"});
        controlRow("beep on", "beepCheckBox", true, &P::beepEnabled, true);
        controlRow("offset 1", "head1DoubleSpinBox", 12.5, &P::headOffset1, 12.5);
        controlRow("offset 4", "head4DoubleSpinBox", 7.7, &P::headOffset4, 7.7);
        controlRow("external signal", "triggerModeComboBox", 1, &P::triggerMode, 2, {},
                   {"signalIntervalWidget"});
        controlRow("right spray", "sprayModeComboBox", 1, &P::sprayMode, 2);
        controlRow("high speed", "sprayModeComboBox", 3, &P::sprayMode, 5);
        controlRow("dpi 300", "dpiComboBox", 2, &P::dpiCode, 2);
        controlRow("dpi 600", "dpiComboBox", 3, &P::dpiCode, 1);
        controlRow("interval", "signalIntervalSpinBox", 42, &P::signalInterval, 42);
        controlRow("line speed", "productionLineSpeedSpinBox", 120, &P::lineSpeed, 120);
        controlRow("ppr", "encoderPPRspinBox", 1024, &P::encoderPpr, 1024);
        controlRow("diameter", "encoderDiameterSpinBox", 60, &P::encoderDiameter, 60);
        controlRow("entire forward", "entireForwardBtn", {}, &P::entireDirection, 0);
        controlRow("entire inverse", "entireInverseBtn", {}, &P::entireDirection, 2);
        controlRow("entire rev/inv", "entireRevInvBtn", {}, &P::entireDirection, 3);
        // Head 1 is the selected head from the start.
        controlRow("head 1 forward", "singleForwardBtn", {}, &P::headDirection1, 0);
        controlRow("head 1 inverse", "singleInverseBtn", {}, &P::headDirection1, 2);
        controlRow("head 1 rev/inv", "singleRevInvBtn", {}, &P::headDirection1, 3);
    }
    void controlWritesItsField()
    {
        QFETCH(QString, control);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, expected);
        QFETCH(QStringList, showsNow);
        QFETCH(QStringList, hidesNow);
        PrintParameterWidget panel;
        QWidget *widget = find<QWidget>(panel, control);
        QVERIFY(widget);
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            box->setChecked(value.toBool());
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            list->setCurrentIndex(value.toInt());
        else if (auto *offset = qobject_cast<QDoubleSpinBox *>(widget))
            offset->setValue(value.toDouble());
        else if (auto *spin = qobject_cast<QSpinBox *>(widget))
            spin->setValue(value.toInt());
        else
            qobject_cast<QAbstractButton *>(widget)->click();
        QCOMPARE(panel.parameters().toBytes().toHex(), expected.toHex());
        QCOMPARE(shownBlock(panel).toBytes().toHex(), expected.toHex());
        for (const QString &name : showsNow)
            QVERIFY2(shown(panel, name), qPrintable(name));
        for (const QString &name : hidesNow)
            QVERIFY2(!shown(panel, name), qPrintable(name));
    }

    // Blocks the controls can hold come back byte for byte, whatever the
    // panel showed before.
    void replyRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("dpiText");
        QTest::newRow("distinct values") << distinctBlock().toBytes() << "300";
        P plain = with(with(distinctBlock(), &P::splice, false), &P::encoderEnabled, false);
        plain.triggerMode = 3, plain.dpiCode = 4, plain.sprayMode = 1, plain.beepEnabled = false;
        QTest::newRow("not spliced, line speed, internal signal") << plain.toBytes() << "150";
        // No head enabled: the range mask is carried as received.
        QTest::newRow("all heads off")
            << with(with(distinctBlock(), &P::headEnableMask, 0), &P::headRangeMask, 7).toBytes()
            << "300";
    }
    void replyRoundTrips()
    {
        QFETCH(QByteArray, block);
        QFETCH(QString, dpiText);
        const P p = P::fromBytes(block);
        PrintParameterWidget panel;
        for (const QByteArray &reply :
             {block, distinctBlock().toBytes(), headOneBlock().toBytes(), block}) {
            QVERIFY(panel.loadParameters(reply));
            QCOMPARE(panel.parameters().toBytes().toHex(), reply.toHex());
            QCOMPARE(shownBlock(panel).toBytes().toHex(), reply.toHex());
        }
        QCOMPARE(find<QComboBox>(panel, "dpiComboBox")->currentText(), dpiText);
        QCOMPARE(shown(panel, "directWidget"), p.splice);
        QCOMPARE(shown(panel, "singleHeadDirectWidget"), !p.splice);
        QCOMPARE(shown(panel, "encoderParameterWidget"), p.encoderEnabled);
        QCOMPARE(shown(panel, "productionLineSpeedWidget"), !p.encoderEnabled);
        QCOMPARE(shown(panel, "signalIntervalWidget"), p.triggerMode == 3);
        for (int head = 1; head <= 4; ++head) {
            const QString radio = QString("singleHead%1RadioButton").arg(head);
            QCOMPARE(shown(panel, radio), bool(p.headEnableMask & (1 << (head - 1))));
            QVERIFY(!find<QCheckBox>(panel, QString("head%1CheckBox").arg(head))->isTristate());
        }
        QVERIFY(!find<QCheckBox>(panel, "spliceCheckBox")->isTristate());
    }

    // Values a control cannot hold: the control shows what it can, the block
    // keeps what the coder reported until the operator edits that field
    // (also on a second identical reply), and an unknown code shows as such.
    void replyKeepsWhatControlsCannotHold_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QString>("unknownList");
        clampRow("line speed over 300", &P::lineSpeed, 400, 300);
        clampRow("negative line speed", &P::lineSpeed, -1, 0);
        clampRow("ppr over 5000", &P::encoderPpr, 9000, 5000);
        clampRow("diameter over 200", &P::encoderDiameter, 201, 200);
        clampRow("interval over 99", &P::signalInterval, 1 << 30, 99);
        clampRow("offset over 1000", &P::headOffset1, 1000.5, 1000.0);
        clampRow("negative offset", &P::headOffset2, -3.0, 0.0);
        clampRow("offset with two decimals", &P::headOffset3, 1.26, 1.3);
        clampRow("offset not a number", &P::headOffset4, std::nan(""), 0.0);
        clampRow("offset infinite", &P::headOffset4, std::numeric_limits<double>::infinity(),
                 1000.0);
        clampRow("unknown spray mode", &P::sprayMode, 3, 3, "sprayModeComboBox");
        clampRow("unknown trigger", &P::triggerMode, 4, 4, "triggerModeComboBox");
        clampRow("unknown dpi", &P::dpiCode, 0, 0, "dpiComboBox");
        // Codes no button shows are carried.
        clampRow("unknown entire direction", &P::entireDirection, 7, 7);
        clampRow("unknown head 1 direction", &P::headDirection1, 9, 9);
    }
    void replyKeepsWhatControlsCannotHold()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, display);
        QFETCH(QString, unknownList);
        PrintParameterWidget panel;
        for (int pass = 1; pass <= 2; ++pass) {
            QVERIFY(panel.loadParameters(reply));
            QCOMPARE(panel.parameters().toBytes().toHex(), reply.toHex());
            QCOMPARE(shownBlock(panel).toBytes().toHex(), display.toHex());
        }
        if (!unknownList.isEmpty()) {
            auto *list = find<QComboBox>(panel, unknownList);
            QVERIFY2(list->currentText().startsWith("Unknown ("), qPrintable(list->currentText()));
            // A known code afterwards takes the unknown entry away.
            QVERIFY(panel.loadParameters(distinctBlock().toBytes()));
            QVERIFY(list->findText("Unknown (", Qt::MatchStartsWith) < 0);
            QVERIFY(panel.loadParameters(reply));
        }
        // The interval shows exactly with the internal signal, the first entry.
        QCOMPARE(shown(panel, "signalIntervalWidget"),
                 find<QComboBox>(panel, "triggerModeComboBox")->currentIndex() == 0);
        // The field the operator edits goes out as edited, the others as reported.
        find<QSpinBox>(panel, "encoderDiameterSpinBox")->setValue(77);
        QCOMPARE(panel.parameters().toBytes().toHex(),
                 with(P::fromBytes(reply), &P::encoderDiameter, 77).toBytes().toHex());
    }

    // The range mask covers heads 1 up to the highest enabled one, on a reply
    // and when a head box is clicked; with no head it keeps its value.
    void headMasks_data()
    {
        QTest::addColumn<int>("replyEnabled"); // -1: no reply, the panel as started
        QTest::addColumn<int>("replyRange");
        QTest::addColumn<QList<int>>("clickedHeads");
        QTest::addColumn<int>("enabled");
        QTest::addColumn<int>("range");
        QTest::newRow("all off, head 3 on") << 0 << 3 << QList<int>{3} << 4 << 7;
        QTest::newRow("all off, heads 3 and 1 on") << 0 << 3 << QList<int>{3, 1} << 5 << 7;
        QTest::newRow("start-up, head 3 on") << -1 << 0 << QList<int>{3} << 5 << 7;
        QTest::newRow("start-up, head 1 off keeps range") << -1 << 0 << QList<int>{1} << 0 << 3;
        QTest::newRow("all on, head 4 off") << 15 << 15 << QList<int>{4} << 7 << 7;
        QTest::newRow("heads 1 and 4, head 4 off") << 9 << 15 << QList<int>{4} << 1 << 1;
        QTest::newRow("reply range too narrow") << 0b1010 << 1 << QList<int>{} << 0b1010 << 15;
        QTest::newRow("reply range too wide") << 0b0011 << 15 << QList<int>{} << 0b0011 << 3;
        QTest::newRow("bits above head 4 kept") << 0xf1 << 15 << QList<int>{2} << 0xf3 << 3;
    }
    void headMasks()
    {
        QFETCH(int, replyEnabled);
        QFETCH(int, replyRange);
        QFETCH(QList<int>, clickedHeads);
        QFETCH(int, enabled);
        QFETCH(int, range);
        PrintParameterWidget panel;
        const P reply = with(with(distinctBlock(), &P::headEnableMask, qint8(replyEnabled)),
                             &P::headRangeMask, qint8(replyRange));
        for (int pass = 0; replyEnabled >= 0 && pass < 2; ++pass)
            QVERIFY(panel.loadParameters(reply.toBytes()));
        for (int head : clickedHeads)
            find<QCheckBox>(panel, QString("head%1CheckBox").arg(head))->click();
        QCOMPARE(quint8(panel.parameters().headEnableMask), quint8(enabled));
        QCOMPARE(int(panel.parameters().headRangeMask), range);
        for (int head = 1; head <= 4; ++head) {
            const QString radio = QString("singleHead%1RadioButton").arg(head);
            QCOMPARE(shown(panel, radio), bool(enabled & (1 << (head - 1))));
        }
    }

    // The direction buttons show and edit the head whose radio button is
    // checked; the other heads and the joined-image direction stay.
    void directionsByHead_data()
    {
        QTest::addColumn<int>("head");
        QTest::addColumn<QString>("shownButton");
        QTest::addColumn<QString>("clickedButton");
        QTest::addColumn<int>("code");
        QTest::newRow("head 1") << 1 << "singleForwardBtn"
                                << "singleRevInvBtn" << 3;
        QTest::newRow("head 2") << 2 << "singleReverseBtn"
                                << "singleForwardBtn" << 0;
        QTest::newRow("head 3") << 3 << "singleInverseBtn"
                                << "singleReverseBtn" << 1;
        QTest::newRow("head 4") << 4 << "singleRevInvBtn"
                                << "singleInverseBtn" << 2;
    }
    void directionsByHead()
    {
        QFETCH(int, head);
        QFETCH(QString, shownButton);
        QFETCH(QString, clickedButton);
        QFETCH(int, code);
        const P reply = with(with(distinctBlock(), &P::splice, false), &P::headEnableMask, 15);
        PrintParameterWidget panel;
        QVERIFY(panel.loadParameters(reply.toBytes()));
        auto *radio = find<QRadioButton>(panel, QString("singleHead%1RadioButton").arg(head));
        radio->click();
        QVERIFY(find<QPushButton>(panel, shownButton)->isChecked());
        find<QPushButton>(panel, clickedButton)->click();
        P expected = reply;
        headDirection(expected, head) = qint8(code);
        QCOMPARE(panel.parameters().toBytes().toHex(), expected.toBytes().toHex());

        // Another head shows its own direction, and coming back shows the new one.
        const int other = head % 4 + 1;
        find<QRadioButton>(panel, QString("singleHead%1RadioButton").arg(other))->click();
        QCOMPARE(find<QPushButton>(panel, clickedButton)->isChecked(),
                 headDirection(expected, other) == code);
        radio->click();
        QVERIFY(find<QPushButton>(panel, clickedButton)->isChecked());
    }

    // The direction buttons edit a head whose radio button the operator sees:
    // the first enabled head after a reply, and after switching a head off.
    void directionButtonsFollowAnEnabledHead()
    {
        const P reply = with(with(distinctBlock(), &P::splice, false), &P::headEnableMask, 0b0110);
        PrintParameterWidget panel;
        QVERIFY(panel.loadParameters(reply.toBytes()));
        QVERIFY(find<QRadioButton>(panel, "singleHead2RadioButton")->isChecked());
        QVERIFY(find<QPushButton>(panel, "singleReverseBtn")->isChecked());
        find<QRadioButton>(panel, "singleHead3RadioButton")->click();
        find<QCheckBox>(panel, "head3CheckBox")->click();
        QVERIFY(find<QRadioButton>(panel, "singleHead2RadioButton")->isChecked());
        find<QPushButton>(panel, "singleInverseBtn")->click();
        const P expected = with(with(with(reply, &P::headEnableMask, 0b0010), &P::headRangeMask, 3),
                                &P::headDirection2, 2);
        QCOMPARE(panel.parameters().toBytes().toHex(), expected.toBytes().toHex());
    }

    // A reply too short to hold a block changes nothing and says why; bytes
    // after the block are ignored.
    void malformedReplies_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("applied");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("one byte") << QByteArray(1, '\x05') << false;
        QTest::newRow("one byte short") << headOneBlock().toBytes().left(80) << false;
        QTest::newRow("trailing bytes")
            << headOneBlock().toBytes() + QByteArray(300, '\xff') << true;
    }
    void malformedReplies()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, applied);
        PrintParameterWidget panel;
        QVERIFY(panel.loadParameters(distinctBlock().toBytes()));
        QSignalSpy refused(&panel, &PrintParameterWidget::parametersRefused);
        QCOMPARE(panel.loadParameters(payload), applied);
        QCOMPARE(refused.count(), applied ? 0 : 1);
        if (!applied)
            QVERIFY(refused.at(0).at(0).toString().contains(QString::number(payload.size())));
        const QByteArray expected = (applied ? headOneBlock() : distinctBlock()).toBytes();
        QCOMPARE(panel.parameters().toBytes().toHex(), expected.toHex());
        QCOMPARE(shownBlock(panel).toBytes().toHex(), expected.toHex());
    }

    // Whatever 81 bytes arrive, the block keeps them but for the range mask,
    // which follows the heads, and the check boxes are two-state again.
    void arbitraryRepliesKeepBlockAndControlsInStep()
    {
        QRandomGenerator random(20261208);
        PrintParameterWidget panel;
        for (int i = 0; i < 300; ++i) {
            QByteArray reply(P::kSize, '\0');
            for (char &byte : reply)
                byte = char(random.bounded(256));
            QVERIFY(panel.loadParameters(reply));
            const P kept =
                with(P::fromBytes(reply), &P::headRangeMask, panel.parameters().headRangeMask);
            QCOMPARE(panel.parameters().toBytes().toHex(), kept.toBytes().toHex());
            QVERIFY(!find<QCheckBox>(panel, "head4CheckBox")->isTristate());
        }
    }

    // With KORVEX_SHOT_DIR set, saves the panel as pictures to look at.
    void screenshot()
    {
        const QString folder = qEnvironmentVariable("KORVEX_SHOT_DIR");
        if (folder.isEmpty())
            QSKIP("KORVEX_SHOT_DIR not set");
        for (bool splice : {false, true}) {
            PrintParameterWidget panel;
            P p = with(with(distinctBlock(), &P::splice, splice), &P::encoderEnabled, splice);
            p.triggerMode = splice ? 2 : 3;
            QVERIFY(panel.loadParameters(p.toBytes()));
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
            const QString file = splice ? "printparameters-spliced.png" : "printparameters.png";
            QVERIFY(panel.grab().save(QDir(folder).filePath(file)));
        }
    }
};

QTEST_MAIN(TestPrintParameterWidget)
#include "tst_printparameterwidget.moc"
