// SPDX-License-Identifier: GPL-3.0-or-later
#include "framedecoder.h"

#include <QtEndian>
#include <QtTest>

namespace {

QByteArray header(qint32 length)
{
    QByteArray h(4, '\0');
    qToBigEndian<qint32>(length, h.data());
    return h;
}

QList<QByteArray> drain(FrameDecoder &decoder)
{
    QList<QByteArray> bodies;
    QByteArray body;
    while (decoder.next(&body))
        bodies << body;
    return bodies;
}

// Feeds the stream in the pieces between the given cut positions, taking
// frames after each piece as the socket does on each read notification.
QList<QByteArray> decodeInPieces(const QByteArray &stream, const QVector<int> &cuts)
{
    FrameDecoder decoder;
    QList<QByteArray> bodies;
    int from = 0;
    for (int cut : cuts) {
        decoder.feed(stream.mid(from, cut - from));
        bodies << drain(decoder);
        from = cut;
    }
    decoder.feed(stream.mid(from));
    bodies << drain(decoder);
    return bodies;
}

// Copies the stream in as a socket read does, at most readSize bytes a time,
// into the room the decoder offers.
QList<QByteArray> decodeByReads(const QByteArray &stream, int readSize)
{
    FrameDecoder decoder;
    QList<QByteArray> bodies;
    int from = 0;
    while (from < stream.size()) {
        int room = 0;
        char *at = decoder.prepareAppend(qMin(readSize, stream.size() - from), &room);
        memcpy(at, stream.constData() + from, size_t(room));
        decoder.commitAppend(room);
        from += room;
        bodies << drain(decoder);
    }
    return bodies;
}

} // namespace

class TestFrameDecoder : public QObject
{
    Q_OBJECT

    // A start order, an empty frame and a larger frame, back to back.
    const QList<QByteArray> m_bodies{QByteArray("\x30\x01", 2), QByteArray(),
                                     QByteArray("\x40") + QByteArray(300, 'x')};
    QByteArray stream() const
    {
        QByteArray s;
        for (const QByteArray &b : m_bodies)
            s += header(b.size()) + b;
        return s;
    }

private slots:
    void deliversEveryFrameOfOneFeedInOrder() { QCOMPARE(decodeInPieces(stream(), {}), m_bodies); }

    // Two cuts cover a header in three pieces and a split body followed by a
    // header that arrives with the next frame's start; a second cut at the
    // end leaves a single cut.
    void assemblesFramesSplitAtAnyOneOrTwoPoints()
    {
        const QByteArray s = stream();
        for (int i = 1; i < s.size(); ++i) {
            for (int j = i + 1; j <= s.size(); ++j) {
                if (decodeInPieces(s, {i, j}) != m_bodies)
                    QFAIL(qPrintable(QString("cut at %1 and %2").arg(i).arg(j)));
            }
        }
    }

    void assemblesFramesFedByteByByte()
    {
        const QByteArray s = stream();
        QVector<int> cuts;
        for (int i = 1; i < s.size(); ++i)
            cuts << i;
        QCOMPARE(decodeInPieces(s, cuts), m_bodies);
    }

    void largeBodyGatheredOverManyFeedsKeepsTheNextFrame()
    {
        const QByteArray big = QByteArray("\x10") + QByteArray(1 << 20, 'b');
        const QByteArray s = header(big.size()) + big + header(2) + QByteArray("\x20\x01", 2);
        QVector<int> cuts;
        for (int at = 65536; at < s.size(); at += 65536)
            cuts << at;
        cuts << s.size() - 3; // the last piece holds the body's end and the next frame
        QCOMPARE(decodeInPieces(s, cuts), (QList<QByteArray>{big, QByteArray("\x20\x01", 2)}));
    }

    void readsIntoItsOwnBufferInAnyReadSize_data()
    {
        QTest::addColumn<int>("readSize");
        for (int size : {1, 3, 5, 100, 4096, 65536, 1 << 20})
            QTest::addRow("%d", size) << size;
    }
    void readsIntoItsOwnBufferInAnyReadSize()
    {
        QFETCH(int, readSize);
        // A body large enough to be read up to its end only, between small ones.
        const QList<QByteArray> expected{QByteArray("\x20\x01", 2),
                                         QByteArray("\x10") + QByteArray(200000, 'L'), QByteArray(),
                                         QByteArray("\x30\x00", 2)};
        QByteArray s;
        for (const QByteArray &b : expected)
            s += header(b.size()) + b;
        QCOMPARE(decodeByReads(s, readSize), expected);
    }

    void refusesBadLengths_data()
    {
        QTest::addColumn<qint32>("length");
        QTest::newRow("minus one") << qint32(-1);
        QTest::newRow("most negative") << std::numeric_limits<qint32>::min();
        QTest::newRow("one over the cap") << qint32(17);
        QTest::newRow("largest int") << std::numeric_limits<qint32>::max();
    }
    void refusesBadLengths()
    {
        QFETCH(qint32, length);
        FrameDecoder decoder(16);
        decoder.feed(header(1) + "A" + header(length) + QByteArray(40, 'z'));
        QCOMPARE(drain(decoder), QList<QByteArray>{"A"});
        QVERIFY(decoder.failed());
        QCOMPARE(decoder.badLength(), length);
        // Nothing later is taken or kept.
        decoder.feed(header(1) + "B");
        QVERIFY(drain(decoder).isEmpty());
        QCOMPARE(decoder.bufferedBytes(), 0);
    }

    void acceptsABodyOfExactlyTheCap()
    {
        FrameDecoder decoder(16);
        decoder.feed(header(16) + QByteArray(16, 'c'));
        QCOMPARE(drain(decoder), QList<QByteArray>{QByteArray(16, 'c')});
        QVERIFY(!decoder.failed());
    }

    // With the limits of a coder's frames: a report announcing more than it
    // may fails as soon as its command byte is there, in one feed or after
    // its header; a current-file report may be large, and a report at the
    // limit passes.
    void refusesABodyOverItsCommandsLimit_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<int>("badCommand"); // -1: no failure
        const qint32 over = kMaxCoderReportBody + 1;
        QTest::newRow("status report announcing a megabyte")
            << header(1024 * 1024) + "\x20\x01\x05" << QByteArray() << 0x20;
        QTest::newRow("header alone, command byte later")
            << header(over) << QByteArray("\x41") << 0x41;
        QTest::newRow("unknown command over the limit")
            << header(over) + '\0' << QByteArray() << 0x00;
        QTest::newRow("current file of megabytes")
            << header(8 * 1024 * 1024) + "\x40" << QByteArray(100, 'f') << -1;
        QTest::newRow("status report at the limit")
            << header(kMaxCoderReportBody) + "\x20" << QByteArray(kMaxCoderReportBody - 1, 's')
            << -1;
    }
    void refusesABodyOverItsCommandsLimit()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(int, badCommand);
        FrameDecoder decoder;
        decoder.setBodyLimit(&maxBodyFromCoder);
        decoder.feed(header(3) + QByteArray("\x20\x02\x00", 3) + first);
        QCOMPARE(drain(decoder).size(), 1);
        decoder.feed(second);
        const QList<QByteArray> rest = drain(decoder);
        QCOMPARE(decoder.failed(), badCommand >= 0);
        if (badCommand < 0) {
            QCOMPARE(rest.size(), first.startsWith(header(kMaxCoderReportBody)) ? 1 : 0);
            return;
        }
        QCOMPARE(decoder.badCommand(), badCommand);
        QVERIFY(rest.isEmpty());
        QCOMPARE(decoder.bufferedBytes(), 0);
    }

    void waitsForAnAnnouncedBodyWithoutFailing()
    {
        FrameDecoder decoder;
        decoder.feed(header(kMaxFrameBody) + "partial");
        QVERIFY(drain(decoder).isEmpty());
        QVERIFY(!decoder.failed());
        QCOMPARE(decoder.pendingLength(), kMaxFrameBody);
    }
};

QTEST_APPLESS_MAIN(TestFrameDecoder)
#include "tst_framedecoder.moc"
