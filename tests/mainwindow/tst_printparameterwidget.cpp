// SPDX-License-Identifier: GPL-3.0-or-later
#include "printparameterwidget.h"

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
#include <functional>
#include <limits>

namespace {

QStringList g_unmatchedSlots;
QtMessageHandler g_previousHandler = nullptr;

void recordUnmatchedSlots(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains("QMetaObject::connectSlotsByName: No matching signal"))
        g_unmatchedSlots << text;
    g_previousHandler(type, context, text);
}

using Edit = std::function<void(PrintParameters &)>;

// The block right after construction: the lists have picked their first entries.
PrintParameters startupBlock()
{
    PrintParameters p;
    p.sprayMode = 1;
    p.triggerMode = 3;
    p.dpiCode = 4;
    return p;
}

// Every field distinct and within the controls' ranges, so that a field bound
// to the wrong control shows.
PrintParameters distinctBlock()
{
    PrintParameters p;
    p.sprayMode = 5;
    p.deviceValue1 = 2.5;
    p.deviceValue2 = -0.5;
    p.dpiCode = 2;
    p.triggerMode = 2;
    p.headRangeMask = 15;
    p.splice = true;
    p.headEnableMask = 0b1101;
    p.entireDirection = 3;
    p.headOffset1 = 0.5;
    p.headOffset2 = 12.3;
    p.headOffset3 = 999.9;
    p.headOffset4 = 0.0;
    p.headDirection1 = 0;
    p.headDirection2 = 1;
    p.headDirection3 = 2;
    p.headDirection4 = 3;
    p.encoderEnabled = true;
    p.beepEnabled = true;
    p.encoderPpr = 4096;
    p.encoderDiameter = 75;
    p.lineSpeed = 250;
    p.signalInterval = 99;
    p.deviceValue3 = -7;
    return p;
}

PrintParameters edited(PrintParameters p, const Edit &edit)
{
    edit(p);
    return p;
}

template <typename T> T *find(const PrintParameterWidget &panel, const QString &name)
{
    return panel.findChild<T *>(name);
}

qint8 &headDirection(PrintParameters &p, int head)
{
    qint8 *fields[] = {&p.headDirection1, &p.headDirection2, &p.headDirection3, &p.headDirection4};
    return *fields[head - 1];
}

// The block as the controls show it. Fields without a control, and direction
// codes no button can show, are taken from the panel's block.
PrintParameters shownBlock(const PrintParameterWidget &panel)
{
    PrintParameters p = panel.parameters();
    auto code = [&](const char *list) {
        return qint8(find<QComboBox>(panel, list)->currentData().toInt());
    };
    auto checked = [&](const QString &name) {
        return find<QAbstractButton>(panel, name)->isChecked();
    };
    p.sprayMode = code("sprayModeComboBox");
    p.triggerMode = code("triggerModeComboBox");
    p.dpiCode = code("dpiComboBox");
    p.splice = checked("spliceCheckBox");
    quint8 enabled = quint8(p.headEnableMask) & 0xf0;
    double *offsets[] = {&p.headOffset1, &p.headOffset2, &p.headOffset3, &p.headOffset4};
    for (int head = 1; head <= 4; ++head) {
        if (checked(QString("head%1CheckBox").arg(head)))
            enabled |= 1u << (head - 1);
        *offsets[head - 1] =
            find<QDoubleSpinBox>(panel, QString("head%1DoubleSpinBox").arg(head))->value();
    }
    p.headEnableMask = qint8(enabled);
    const QStringList directions = {"Forward", "Reverse", "Inverse", "RevInv"};
    for (int c = 0; c < 4; ++c) {
        if (checked("entire" + directions[c] + "Btn"))
            p.entireDirection = qint8(c);
    }
    for (int head = 1; head <= 4; ++head) {
        if (!checked(QString("singleHead%1RadioButton").arg(head)))
            continue;
        qint8 &direction = headDirection(p, head);
        for (int c = 0; c < 4; ++c) {
            // An unknown code shows as Forward and stays in the block.
            if (checked("single" + directions[c] + "Btn") &&
                (c != 0 || (direction >= 0 && direction <= 3)))
                direction = qint8(c);
        }
    }
    p.encoderEnabled = checked("encodeCheckbox");
    p.beepEnabled = checked("beepCheckBox");
    p.encoderPpr = find<QSpinBox>(panel, "encoderPPRspinBox")->value();
    p.encoderDiameter = find<QSpinBox>(panel, "encoderDiameterSpinBox")->value();
    p.lineSpeed = find<QSpinBox>(panel, "productionLineSpeedSpinBox")->value();
    p.signalInterval = find<QSpinBox>(panel, "signalIntervalSpinBox")->value();
    return p;
}

bool shown(const PrintParameterWidget &panel, const char *name)
{
    return !find<QWidget>(panel, name)->isHidden();
}

} // namespace

class TestPrintParameterWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(recordUnmatchedSlots); }
    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }
    void cleanup()
    {
        QVERIFY2(g_unmatchedSlots.isEmpty(), qPrintable(g_unmatchedSlots.join('\n')));
    }

    // The lists pick their first entries; every other control shows the
    // default it will send.
    void startupShowsWhatApplySends()
    {
        PrintParameterWidget panel;
        QCOMPARE(panel.parameters().toBytes().toHex(), startupBlock().toBytes().toHex());
        QCOMPARE(shownBlock(panel).toBytes().toHex(), panel.parameters().toBytes().toHex());
        QVERIFY(shown(panel, "singleHeadDirectWidget") && !shown(panel, "directWidget"));
        QVERIFY(shown(panel, "productionLineSpeedWidget") &&
                !shown(panel, "encoderParameterWidget"));
        QVERIFY(shown(panel, "signalIntervalWidget"));
        QVERIFY(shown(panel, "singleHead1RadioButton") && !shown(panel, "singleHead2RadioButton"));
        QVERIFY(find<QRadioButton>(panel, "singleHead1RadioButton")->isChecked());
        for (const char *name :
             {"spliceCheckBox", "encodeCheckbox", "head1CheckBox", "beepCheckBox"})
            QVERIFY2(!find<QCheckBox>(panel, name)->isTristate(), name);

        const QList<QPair<const char *, QStringList>> lists = {
            {"triggerModeComboBox", {"Internal Singal=3", "External Singal=2"}},
            {"sprayModeComboBox",
             {"Left Spary=1", "Right Spary=2", "Hight Quanlity=4", "Hight Speed=5"}},
            {"dpiComboBox", {"150=4", "200=3", "300=2", "600=1"}}};
        for (const auto &list : lists) {
            auto *box = find<QComboBox>(panel, list.first);
            QStringList entries;
            for (int row = 0; row < box->count(); ++row)
                entries << box->itemText(row) + '=' + box->itemData(row).toString();
            QCOMPARE(entries, list.second);
        }
    }

    // Each control writes its own field and nothing else; some switch panels.
    void controlWritesItsField_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QStringList>("showsNow");
        QTest::addColumn<QStringList>("hidesNow");
        auto row = [](const char *name, const char *control, QVariant value, const Edit &edit,
                      QStringList shows = {}, QStringList hides = {}) {
            QTest::newRow(name) << control << value << edited(startupBlock(), edit).toBytes()
                                << shows << hides;
        };
        row("splice on", "spliceCheckBox", true, [](auto &p) { p.splice = true; }, {"directWidget"},
            {"singleHeadDirectWidget"});
        row("encoder on", "encodeCheckbox", true, [](auto &p) { p.encoderEnabled = true; },
            {"encoderParameterWidget"}, {"productionLineSpeedWidget"});
        row("beep on", "beepCheckBox", true, [](auto &p) { p.beepEnabled = true; });
        row("head 1 off", "head1CheckBox", false, [](auto &p) { p.headEnableMask = 0; }, {},
            {"singleHead1RadioButton"});
        row("head 2 on", "head2CheckBox", true,
            [](auto &p) {
                p.headEnableMask = 3;
                p.headRangeMask = 3;
            },
            {"singleHead2RadioButton"});
        row("head 4 on", "head4CheckBox", true,
            [](auto &p) {
                p.headEnableMask = 9;
                p.headRangeMask = 15;
            },
            {"singleHead4RadioButton"});
        row("offset 1", "head1DoubleSpinBox", 12.5, [](auto &p) { p.headOffset1 = 12.5; });
        row("offset 2", "head2DoubleSpinBox", 0.1, [](auto &p) { p.headOffset2 = 0.1; });
        row("offset 3", "head3DoubleSpinBox", 1000.0, [](auto &p) { p.headOffset3 = 1000.0; });
        row("offset 4", "head4DoubleSpinBox", 7.7, [](auto &p) { p.headOffset4 = 7.7; });
        row("external signal", "triggerModeComboBox", 1, [](auto &p) { p.triggerMode = 2; }, {},
            {"signalIntervalWidget"});
        row("right spray", "sprayModeComboBox", 1, [](auto &p) { p.sprayMode = 2; });
        row("high quality", "sprayModeComboBox", 2, [](auto &p) { p.sprayMode = 4; });
        row("high speed", "sprayModeComboBox", 3, [](auto &p) { p.sprayMode = 5; });
        row("dpi 200", "dpiComboBox", 1, [](auto &p) { p.dpiCode = 3; });
        row("dpi 300", "dpiComboBox", 2, [](auto &p) { p.dpiCode = 2; });
        row("dpi 600", "dpiComboBox", 3, [](auto &p) { p.dpiCode = 1; });
        row("signal interval", "signalIntervalSpinBox", 42, [](auto &p) { p.signalInterval = 42; });
        row("line speed", "productionLineSpeedSpinBox", 120, [](auto &p) { p.lineSpeed = 120; });
        row("ppr", "encoderPPRspinBox", 1024, [](auto &p) { p.encoderPpr = 1024; });
        row("diameter", "encoderDiameterSpinBox", 60, [](auto &p) { p.encoderDiameter = 60; });
        row("entire forward", "entireForwardBtn", {}, [](auto &p) { p.entireDirection = 0; });
        row("entire inverse", "entireInverseBtn", {}, [](auto &p) { p.entireDirection = 2; });
        row("entire rev/inv", "entireRevInvBtn", {}, [](auto &p) { p.entireDirection = 3; });
        // Head 1 is the selected head from the start.
        row("head 1 forward", "singleForwardBtn", {}, [](auto &p) { p.headDirection1 = 0; });
        row("head 1 inverse", "singleInverseBtn", {}, [](auto &p) { p.headDirection1 = 2; });
        row("head 1 rev/inv", "singleRevInvBtn", {}, [](auto &p) { p.headDirection1 = 3; });
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
            QVERIFY2(!find<QWidget>(panel, name)->isHidden(), qPrintable(name));
        for (const QString &name : hidesNow)
            QVERIFY2(find<QWidget>(panel, name)->isHidden(), qPrintable(name));
    }

    // Blocks the controls can hold come back byte for byte, whatever the
    // panel showed before.
    void replyRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("dpiText");
        QTest::newRow("distinct values") << distinctBlock().toBytes() << "300";
        QTest::newRow("not spliced, line speed, internal signal")
            << edited(distinctBlock(),
                      [](auto &p) {
                          p.splice = false, p.encoderEnabled = false, p.triggerMode = 3;
                          p.dpiCode = 4, p.sprayMode = 1, p.beepEnabled = false;
                      })
                   .toBytes()
            << "150";
        // No head enabled: the range mask is carried as received.
        QTest::newRow("all heads off") << edited(distinctBlock(),
                                                 [](auto &p) {
                                                     p.headEnableMask = 0;
                                                     p.headRangeMask = 7;
                                                 })
                                              .toBytes()
                                       << "300";
        QTest::newRow("head 1 only, 600 dpi") << edited(distinctBlock(),
                                                        [](auto &p) {
                                                            p.headEnableMask = 1;
                                                            p.headRangeMask = 1, p.dpiCode = 1;
                                                        })
                                                     .toBytes()
                                              << "600";
        QTest::newRow("extreme values")
            << edited(distinctBlock(),
                      [](auto &p) {
                          p.headOffset1 = 1000.0, p.encoderPpr = 5000, p.encoderDiameter = 0;
                          p.lineSpeed = 300, p.signalInterval = 0, p.entireDirection = 0;
                      })
                   .toBytes()
            << "300";
    }
    void replyRoundTrips()
    {
        QFETCH(QByteArray, block);
        QFETCH(QString, dpiText);
        const PrintParameters p = PrintParameters::fromBytes(block);
        const QByteArray singleHeadBlock =
            edited(startupBlock(), [](auto &p) { p.headRangeMask = 1; }).toBytes();
        PrintParameterWidget panel;
        for (const QByteArray &reply : {block, distinctBlock().toBytes(), singleHeadBlock, block}) {
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
            const bool enabled = p.headEnableMask & (1 << (head - 1));
            QCOMPARE(shown(panel, qPrintable(QString("singleHead%1RadioButton").arg(head))),
                     enabled);
            QVERIFY(!find<QCheckBox>(panel, QString("head%1CheckBox").arg(head))->isTristate());
        }
        QVERIFY(!find<QCheckBox>(panel, "spliceCheckBox")->isTristate());
        const int firstHead = p.headEnableMask & 1 ? 1 : p.headEnableMask & 2 ? 2 : 1;
        QVERIFY(find<QRadioButton>(panel, QString("singleHead%1RadioButton").arg(firstHead))
                    ->isChecked());
    }

    // Values a control cannot hold: the block takes what the control shows,
    // also on a second identical reply, when no control changes any more.
    void replyKeepsWhatControlsHold_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QStringList>("uncheckedLists");
        auto row = [](const char *name, const Edit &sent, const Edit &kept,
                      QStringList unchecked = {}) {
            QTest::newRow(name) << edited(distinctBlock(), sent).toBytes()
                                << edited(distinctBlock(), kept).toBytes() << unchecked;
        };
        row(
            "line speed over 300", [](auto &p) { p.lineSpeed = 400; },
            [](auto &p) { p.lineSpeed = 300; });
        row(
            "negative line speed", [](auto &p) { p.lineSpeed = -1; },
            [](auto &p) { p.lineSpeed = 0; });
        row(
            "ppr over 5000", [](auto &p) { p.encoderPpr = 9000; },
            [](auto &p) { p.encoderPpr = 5000; });
        row(
            "diameter over 200", [](auto &p) { p.encoderDiameter = 201; },
            [](auto &p) { p.encoderDiameter = 200; });
        row(
            "interval over 99", [](auto &p) { p.signalInterval = 1 << 30; },
            [](auto &p) { p.signalInterval = 99; });
        row(
            "offset over 1000", [](auto &p) { p.headOffset1 = 1000.5; },
            [](auto &p) { p.headOffset1 = 1000.0; });
        row(
            "negative offset", [](auto &p) { p.headOffset2 = -3.0; },
            [](auto &p) { p.headOffset2 = 0.0; });
        row(
            "offset with two decimals", [](auto &p) { p.headOffset3 = 1.26; },
            [](auto &p) { p.headOffset3 = 1.3; });
        row(
            "offset not a number", [](auto &p) { p.headOffset4 = std::nan(""); },
            [](auto &p) { p.headOffset4 = 0.0; });
        row(
            "offset infinite",
            [](auto &p) { p.headOffset4 = std::numeric_limits<double>::infinity(); },
            [](auto &p) { p.headOffset4 = 1000.0; });
        row(
            "unknown spray mode", [](auto &p) { p.sprayMode = 3; },
            [](auto &p) { p.sprayMode = 0; }, {"sprayModeComboBox"});
        row(
            "unknown trigger", [](auto &p) { p.triggerMode = 4; },
            [](auto &p) { p.triggerMode = 0; }, {"triggerModeComboBox"});
        row(
            "unknown dpi", [](auto &p) { p.dpiCode = 0; }, [](auto &p) { p.dpiCode = 0; },
            {"dpiComboBox"});
        row(
            "range mask follows the heads",
            [](auto &p) {
                p.headEnableMask = 0b1010;
                p.headRangeMask = 1;
            },
            [](auto &p) {
                p.headEnableMask = 0b1010;
                p.headRangeMask = 15;
            });
        row(
            "range mask too wide",
            [](auto &p) {
                p.headEnableMask = 0b0011;
                p.headRangeMask = 15;
            },
            [](auto &p) {
                p.headEnableMask = 0b0011;
                p.headRangeMask = 3;
            });
        // Bits above head 4 and direction codes no button shows are carried.
        row(
            "high enable bits", [](auto &p) { p.headEnableMask = qint8(0xf1); },
            [](auto &p) {
                p.headEnableMask = qint8(0xf1);
                p.headRangeMask = 1;
            });
        row(
            "unknown directions", [](auto &p) { p.entireDirection = 7, p.headDirection1 = 9; },
            [](auto &p) { p.entireDirection = 7, p.headDirection1 = 9; });
    }
    void replyKeepsWhatControlsHold()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, expected);
        QFETCH(QStringList, uncheckedLists);
        PrintParameterWidget panel;
        for (int pass = 1; pass <= 2; ++pass) {
            QVERIFY(panel.loadParameters(reply));
            QCOMPARE(panel.parameters().toBytes().toHex(), expected.toHex());
            QCOMPARE(shownBlock(panel).toBytes().toHex(), expected.toHex());
        }
        for (const QString &list : uncheckedLists)
            QCOMPARE(find<QComboBox>(panel, list)->currentIndex(), -1);
        if (uncheckedLists.contains("triggerModeComboBox"))
            QVERIFY(!shown(panel, "signalIntervalWidget"));
    }

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
        QTest::newRow("head 2 only, head 2 off keeps range") << 2 << 3 << QList<int>{2} << 0 << 3;
    }
    void headMasks()
    {
        QFETCH(int, replyEnabled);
        QFETCH(int, replyRange);
        QFETCH(QList<int>, clickedHeads);
        QFETCH(int, enabled);
        QFETCH(int, range);
        PrintParameterWidget panel;
        if (replyEnabled >= 0) {
            QVERIFY(panel.loadParameters(edited(distinctBlock(), [&](auto &p) {
                                             p.headEnableMask = qint8(replyEnabled);
                                             p.headRangeMask = qint8(replyRange);
                                         }).toBytes()));
        }
        for (int head : clickedHeads)
            find<QCheckBox>(panel, QString("head%1CheckBox").arg(head))->click();
        QCOMPARE(int(panel.parameters().headEnableMask), enabled);
        QCOMPARE(int(panel.parameters().headRangeMask), range);
        for (int head = 1; head <= 4; ++head) {
            const bool on = enabled & (1 << (head - 1));
            QCOMPARE(shown(panel, qPrintable(QString("singleHead%1RadioButton").arg(head))), on);
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
        const PrintParameters reply = edited(distinctBlock(), [](auto &p) {
            p.splice = false;
            p.headEnableMask = 15;
        });
        PrintParameterWidget panel;
        QVERIFY(panel.loadParameters(reply.toBytes()));
        auto *radio = find<QRadioButton>(panel, QString("singleHead%1RadioButton").arg(head));
        radio->click();
        QVERIFY(find<QPushButton>(panel, shownButton)->isChecked());
        find<QPushButton>(panel, clickedButton)->click();
        PrintParameters expected = reply;
        headDirection(expected, head) = qint8(code);
        QCOMPARE(panel.parameters().toBytes().toHex(), expected.toBytes().toHex());

        // Another head shows its own direction, and coming back shows the new one.
        find<QRadioButton>(panel, QString("singleHead%1RadioButton").arg(head % 4 + 1))->click();
        QCOMPARE(find<QPushButton>(panel, clickedButton)->isChecked(),
                 headDirection(expected, head % 4 + 1) == code);
        radio->click();
        QVERIFY(find<QPushButton>(panel, clickedButton)->isChecked());
    }

    // The direction buttons edit a head whose radio button the operator sees:
    // the first enabled head after a reply, and after switching a head off.
    void directionButtonsFollowAnEnabledHead()
    {
        const PrintParameters reply = edited(distinctBlock(), [](auto &p) {
            p.splice = false;
            p.headEnableMask = 0b0110;
        });
        PrintParameterWidget panel;
        QVERIFY(panel.loadParameters(reply.toBytes()));
        QVERIFY(find<QRadioButton>(panel, "singleHead2RadioButton")->isChecked());
        QVERIFY(find<QPushButton>(panel, "singleReverseBtn")->isChecked());
        find<QPushButton>(panel, "singleInverseBtn")->click();
        PrintParameters expected = reply;
        expected.headDirection2 = 2;
        expected.headRangeMask = 7; // up to head 3
        QCOMPARE(panel.parameters().toBytes().toHex(), expected.toBytes().toHex());

        find<QRadioButton>(panel, "singleHead3RadioButton")->click();
        QVERIFY(find<QPushButton>(panel, "singleInverseBtn")->isChecked()); // head 3's own code 2
        find<QCheckBox>(panel, "head3CheckBox")->click();
        QVERIFY(find<QRadioButton>(panel, "singleHead2RadioButton")->isChecked());
        find<QPushButton>(panel, "singleForwardBtn")->click();
        QCOMPARE(int(panel.parameters().headDirection2), 0);
        QCOMPARE(int(panel.parameters().headDirection3), 2);

        // With every head off the last selection stays; nothing else changes.
        find<QCheckBox>(panel, "head2CheckBox")->click();
        QCOMPARE(int(panel.parameters().headEnableMask), 0);
        QVERIFY(find<QRadioButton>(panel, "singleHead2RadioButton")->isChecked());
    }

    // A reply too short to hold a block changes nothing and says why.
    void shortReplyIsRefused_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte") << QByteArray(1, '\x05');
        QTest::newRow("one byte short") << distinctBlock().toBytes().left(80);
    }
    void shortReplyIsRefused()
    {
        QFETCH(QByteArray, payload);
        PrintParameterWidget panel;
        QVERIFY(panel.loadParameters(distinctBlock().toBytes()));
        QSignalSpy refused(&panel, &PrintParameterWidget::parametersRefused);
        QVERIFY(!panel.loadParameters(payload));
        QCOMPARE(refused.count(), 1);
        QVERIFY(refused.at(0).at(0).toString().contains(QString::number(payload.size())));
        QCOMPARE(panel.parameters().toBytes().toHex(), distinctBlock().toBytes().toHex());
        QCOMPARE(shownBlock(panel).toBytes().toHex(), distinctBlock().toBytes().toHex());
    }

    void bytesAfterTheBlockAreIgnored()
    {
        PrintParameterWidget panel;
        QSignalSpy refused(&panel, &PrintParameterWidget::parametersRefused);
        QVERIFY(panel.loadParameters(distinctBlock().toBytes() + QByteArray(300, '\xff')));
        QCOMPARE(panel.parameters().toBytes().toHex(), distinctBlock().toBytes().toHex());
        QCOMPARE(refused.count(), 0);
    }

    // Whatever 81 bytes arrive, the block ends up as the controls show it,
    // within their ranges, and the check boxes are two-state again.
    void arbitraryRepliesKeepBlockAndControlsInStep()
    {
        QRandomGenerator random(20261208);
        PrintParameterWidget panel;
        for (int i = 0; i < 300; ++i) {
            QByteArray reply(PrintParameters::kSize, '\0');
            for (char &byte : reply)
                byte = char(random.bounded(256));
            QVERIFY(panel.loadParameters(reply));
            const PrintParameters &p = panel.parameters();
            QCOMPARE(shownBlock(panel).toBytes().toHex(), p.toBytes().toHex());
            for (double offset : {p.headOffset1, p.headOffset2, p.headOffset3, p.headOffset4})
                QVERIFY2(offset >= 0.0 && offset <= 1000.0, qPrintable(reply.toHex()));
            QVERIFY(p.encoderPpr >= 0 && p.encoderPpr <= 5000);
            QVERIFY(p.encoderDiameter >= 0 && p.encoderDiameter <= 200);
            QVERIFY(p.lineSpeed >= 0 && p.lineSpeed <= 300);
            QVERIFY(p.signalInterval >= 0 && p.signalInterval <= 99);
            QVERIFY(!find<QCheckBox>(panel, "head4CheckBox")->isTristate());
        }
    }

    // With KORVEX_SHOT_DIR set, saves the panel as a picture to look at.
    void screenshot()
    {
        const QString folder = qEnvironmentVariable("KORVEX_SHOT_DIR");
        if (folder.isEmpty())
            QSKIP("KORVEX_SHOT_DIR not set");
        for (bool splice : {false, true}) {
            PrintParameterWidget panel;
            QVERIFY(panel.loadParameters(edited(distinctBlock(), [&](auto &p) {
                                             p.splice = splice, p.encoderEnabled = splice;
                                             p.triggerMode = splice ? 2 : 3;
                                         }).toBytes()));
            panel.resize(panel.sizeHint());
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
            const QString file = QDir(folder).filePath(splice ? "printparameters-spliced.png"
                                                              : "printparameters.png");
            QVERIFY(panel.grab().save(file));
        }
    }
};

QTEST_MAIN(TestPrintParameterWidget)
#include "tst_printparameterwidget.moc"
