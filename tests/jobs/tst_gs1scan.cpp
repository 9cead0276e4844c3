// SPDX-License-Identifier: GPL-3.0-or-later
// Scans as scanners and code readers send them: each good one with what it
// gives, each bad one with the character at fault and why.
#include "gs1scan.h"

#include <QtTest>

namespace {

const QDate kToday(2026, 12, 9);
const QString kGs(QChar(0x1d));

// One line for all a scan gives, so that a row names it whole.
QString summary(const Gs1Scan &s)
{
    QStringList parts;
    parts << QString(QLatin1Char("EGT"[int(s.kind)]));
    if (!s.symbology.isEmpty())
        parts << s.symbology;
    if (s.kind == Gs1Scan::Kind::ElementString)
        parts << Gs1Scan::bracketed(s.elements);
    if (s.kind == Gs1Scan::Kind::Text)
        parts << QStringLiteral("text=") + s.text;
    if (!s.gtin.isEmpty())
        parts << QStringLiteral("gtin=") + s.gtin;
    if (!s.lot.isEmpty())
        parts << QStringLiteral("lot=") + s.lot;
    if (!s.serial.isEmpty())
        parts << QStringLiteral("serial=") + s.serial;
    if (s.production.isValid())
        parts << QStringLiteral("made=") + s.production.toString(Qt::ISODate);
    if (s.bestBefore.isValid())
        parts << QStringLiteral("bb=") + s.bestBefore.toString(Qt::ISODate);
    if (s.expiry.isValid())
        parts << QStringLiteral("exp=") + s.expiry.toString(Qt::ISODate);
    if (s.count >= 0)
        parts << QStringLiteral("count=%1").arg(s.count);
    return parts.join(QLatin1Char(' '));
}

QString gs(const char *text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('|'), kGs);
}

} // namespace

class TestGs1Scan : public QObject
{
    Q_OBJECT
private slots:
    void good_data();
    void good();
    void bad_data();
    void bad();
};

void TestGs1Scan::good_data()
{
    QTest::addColumn<QString>("scan");
    QTest::addColumn<QString>("expected");

    // GS1 symbologies; '|' stands for the group separator.
    QTest::newRow("GS1-128 GTIN and lot")
        << gs("]C1010950110102091710ABC")
        << "E ]C1 (01)09501101020917(10)ABC gtin=09501101020917 lot=ABC";
    QTest::newRow("GS1-128 lot ended by the separator")
        << gs("]C110ABC|17271231") << "E ]C1 (10)ABC(17)271231 lot=ABC exp=2027-12-31";
    QTest::newRow("GS1 DataMatrix, a whole coding line, day 00")
        << gs("]d2010950110102091717270600"
              "10LOT-7|21SN/1|3712")
        << "E ]d2 (01)09501101020917(17)270600(10)LOT-7(21)SN/1(37)12 gtin=09501101020917 "
           "lot=LOT-7 serial=SN/1 exp=2027-06-30 count=12";
    QTest::newRow("GS1 QR production and best before")
        << gs("]Q3010950110102091711261201"
              "15270500")
        << "E ]Q3 (01)09501101020917(11)261201(15)270500 gtin=09501101020917 "
           "made=2026-12-01 bb=2027-05-31";
    QTest::newRow("GS1 DataBar") << gs("]e00109501101020917")
                                 << "E ]e0 (01)09501101020917 gtin=09501101020917";
    QTest::newRow("GS1 DotCode, a separator after a fixed field")
        << gs("]J10109501101020917|10A")
        << "E ]J1 (01)09501101020917(10)A gtin=09501101020917 lot=A";
    QTest::newRow("SSCC") << gs("]C100106141411234567897") << "E ]C1 (00)106141411234567897";
    QTest::newRow("content GTIN and count")
        << gs("]C102095011010209173748") << "E ]C1 (02)09501101020917(37)48 count=48";
    QTest::newRow("same AI twice, same data") << gs("]C110A|10A") << "E ]C1 (10)A(10)A lot=A";
    QTest::newRow("line end dropped")
        << gs("]C10109501101020917\r\n") << "E ]C1 (01)09501101020917 gtin=09501101020917";

    // Unknown AIs are kept with their data.
    QTest::newRow("unknown AI of a predefined group keeps its length")
        << gs("]C1122612311"
              "0X")
        << "E ]C1 (12)261231(10)X lot=X";
    QTest::newRow("unknown four-digit AI up to the separator")
        << gs("]C17240ABC|10L") << "E ]C1 (7240)ABC(10)L lot=L";
    QTest::newRow("unknown three-digit AI")
        << gs("]C12531234567890123ABC") << "E ]C1 (253)1234567890123ABC";
    QTest::newRow("company AI 92 at the end") << gs("]C192xyz") << "E ]C1 (92)xyz";

    // Dates: GS1's century window around 2026, February of a leap year.
    QTest::newRow("50 years ahead") << gs("]C117760101") << "E ]C1 (17)760101 exp=2076-01-01";
    QTest::newRow("51 years ahead is last century")
        << gs("]C111770101") << "E ]C1 (11)770101 made=1977-01-01";
    QTest::newRow("day 00 of a leap February")
        << gs("]C115280200") << "E ]C1 (15)280200 bb=2028-02-29";

    // Without an identifier.
    QTest::newRow("FNC1 first, sent as a separator")
        << gs("|0109501101020917") << "E (01)09501101020917 gtin=09501101020917";
    QTest::newRow("element string alone")
        << gs("010950110102091710ABC|21X")
        << "E (01)09501101020917(10)ABC(21)X gtin=09501101020917 lot=ABC serial=X";
    QTest::newRow("brackets")
        << gs("(01)09501101020917(10)ABC(17)270131")
        << "E (01)09501101020917(10)ABC(17)270131 gtin=09501101020917 lot=ABC exp=2027-01-31";
    QTest::newRow("brackets, a bracket in the lot")
        << gs("(10)A(B)(21)7") << "E (10)A(B)(21)7 lot=A(B) serial=7";

    // EAN/UPC and ITF-14 become GTIN-14.
    QTest::newRow("]E0 EAN-13") << gs("]E04006381333931") << "G ]E0 gtin=04006381333931";
    QTest::newRow("]E4 EAN-8") << gs("]E496385074") << "G ]E4 gtin=00000096385074";
    QTest::newRow("]E3 EAN-13 with add-on")
        << gs("]E3400638133393112") << "G ]E3 gtin=04006381333931";
    QTest::newRow("]I1 ITF-14") << gs("]I109501101020917") << "G ]I1 gtin=09501101020917";
    QTest::newRow("EAN-13 alone") << gs("4006381333931") << "G gtin=04006381333931";
    QTest::newRow("UPC-A alone") << gs("036000291452") << "G gtin=00036000291452";
    QTest::newRow("EAN-8 alone") << gs("96385074") << "G gtin=00000096385074";
    QTest::newRow("GTIN-14 alone") << gs("09501101020917") << "G gtin=09501101020917";

    // Codes of no GS1 meaning give their text.
    QTest::newRow("]C0 Code 128") << gs("]C0ABC-123") << "T ]C0 text=ABC-123";
    QTest::newRow("]Q1 QR Code") << gs("]Q1LOT 42") << "T ]Q1 text=LOT 42";
    QTest::newRow("]E1 add-on alone") << gs("]E112") << "T ]E1 text=12";
    QTest::newRow("]I0 short ITF") << gs("]I01234") << "T ]I0 text=1234";
    QTest::newRow("letters alone") << gs("Hello") << "T text=Hello";
}

void TestGs1Scan::good()
{
    QFETCH(QString, scan);
    QFETCH(QString, expected);
    const Gs1Scan s = Gs1Scan::parse(scan, kToday);
    QVERIFY2(s.ok(), qPrintable(s.error));
    QCOMPARE(summary(s), expected);
    if (s.kind != Gs1Scan::Kind::ElementString)
        return;
    // What a coder would be sent for these fields reads back the same.
    Gs1Scan again =
        Gs1Scan::parse(QStringLiteral("]C1") + Gs1Scan::elementString(s.elements), kToday);
    QVERIFY2(again.ok(), qPrintable(again.error));
    QCOMPARE(again.elements, s.elements);
    again = Gs1Scan::parse(Gs1Scan::bracketed(s.elements), kToday);
    QVERIFY2(again.ok(), qPrintable(again.error));
    QCOMPARE(again.elements, s.elements);
}

void TestGs1Scan::bad_data()
{
    QTest::addColumn<QString>("scan");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty") << QString() << 0 << "empty";
    QTest::newRow("only a line end") << gs("\r\n") << 0 << "empty";
    QTest::newRow("longer than any code") << QString(9000, QLatin1Char('1')) << 8192 << "longer";
    QTest::newRow("] alone") << gs("]") << 0 << "symbology identifier";
    QTest::newRow("identifier cut short") << gs("]C") << 0 << "symbology identifier";
    QTest::newRow("identifier of no symbology") << gs("]#1ABC") << 0 << "symbology identifier";
    QTest::newRow("identifier without data") << gs("]C1") << 3 << "no data";
    QTest::newRow("only a separator") << gs("]d2|") << 4 << "no data";

    // GTIN and the other check digits.
    QTest::newRow("GTIN check digit") << gs("]C10109501101020918") << 18 << "should be 7";
    QTest::newRow("SSCC check digit") << gs("]C100106141411234567898") << 22 << "check digit";
    QTest::newRow("GTIN too short") << gs("]C1010950110102091") << 18 << "it has 13";
    QTest::newRow("GTIN cut by a separator") << gs("]C101095011|0102091") << 11 << "it has 6";
    QTest::newRow("letter in a GTIN") << gs("]C1010950110A020917") << 12 << "digits only";
    QTest::newRow("EAN-13 check digit") << gs("]E04006381333932") << 15 << "check digit";
    QTest::newRow("EAN-13 alone, check digit") << gs("4006381333932") << 12 << "check digit";
    QTest::newRow("]E4 of 7 digits") << gs("]E49638507") << 3 << "8, 12, 13 or 14";
    QTest::newRow("]E3 without add-on") << gs("]E34006381333931") << 3 << "15 or 18";

    // Lengths, characters, separators.
    QTest::newRow("lot too long: separator missing")
        << gs("]C110ABCDEFGHIJKLMNOPQRSTU17270101") << 25 << "at most 20";
    QTest::newRow("count too long") << gs("]C137123456789") << 13 << "at most 8";
    QTest::newRow("count with a letter") << gs("]C13712A") << 7 << "digits only";
    QTest::newRow("fixed AI outside the predefined group needs a separator")
        << gs("]C17003261231120010A") << 17 << "one too many";
    QTest::newRow("date cut short") << gs("]C11726123") << 10 << "it has 5";
    QTest::newRow("empty lot") << gs("]C110|21B") << 5 << "no data";
    QTest::newRow("two separators") << gs("]C110A||21B") << 7 << "expected at character 8";
    QTest::newRow("space in a lot") << gs("]C110AB C") << 7 << "may not hold";
    QTest::newRow("non-ASCII in a lot") << QStringLiteral("]C110\u00e9") << 5 << "may not hold";
    QTest::newRow("lower case where only upper may be") << gs("]C18010abc") << 7 << "may not hold";
    QTest::newRow("same AI twice, other data") << gs("]C110A|10B") << 7 << "twice";

    // AIs.
    QTest::newRow("AI GS1 does not assign")
        << gs("]C101095011010209174712") << 19 << "beginning with \"47\"";
    QTest::newRow("three-digit AI cut short") << gs("]C124") << 5 << "has 3 digits";
    QTest::newRow("one digit where an AI begins")
        << gs("]C10109501101020917|1") << 20 << "expected";
    QTest::newRow("brackets encoded in a GS1-128")
        << gs("]C1(01)09501101020917") << 3 << "encoded as text";

    // Dates.
    QTest::newRow("month 13") << gs("]C117271301") << 7 << "month 13";
    QTest::newRow("30 February") << gs("]C117270230") << 9 << "day 30";
    QTest::newRow("day 00 of a production date") << gs("]C111270200") << 9 << "day 00";

    // Brackets.
    QTest::newRow("one-digit AI in brackets") << gs("(1)23") << 0 << "brackets";
    QTest::newRow("AI in brackets of the wrong length") << gs("(123)45") << 0 << "2 digits";
    QTest::newRow("AI in brackets GS1 does not assign") << gs("(47)12") << 0 << "(47)";
    QTest::newRow("fixed field too long in brackets")
        << gs("(01)095011010209170(10)A") << 18 << "one too many";
    QTest::newRow("separator inside brackets") << gs("(10)A|B") << 5 << "group separator";
}

void TestGs1Scan::bad()
{
    QFETCH(QString, scan);
    QFETCH(int, index);
    QFETCH(QString, reason);
    const Gs1Scan s = Gs1Scan::parse(scan, kToday);
    QVERIFY(!s.ok());
    QVERIFY2(s.error.contains(reason), qPrintable(s.error));
    QCOMPARE(s.index, index);
    // A refused scan gives nothing to act on.
    QVERIFY(s.elements.isEmpty() && s.gtin.isEmpty() && s.lot.isEmpty());
}

QTEST_GUILESS_MAIN(TestGs1Scan)
#include "tst_gs1scan.moc"
