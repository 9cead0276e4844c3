// SPDX-License-Identifier: GPL-3.0-or-later
#include "silentcoders.h"
#include "tcpserver.h"

#include <QLoggingCategory>
#include <QtTest>

// A plant powering up: 200 coders connect at the same moment and none of
// them sends anything first. Every one must be accepted promptly, which a
// 50-entry accept queue does not manage.
class TestManyConnections : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("korvex.link.debug=false"); }

    void twoHundredSilentCodersAreAllAccepted()
    {
        constexpr int kCoders = 200;
        TcpServer server(nullptr, 0);
        QVERIFY(server.isListening());
        QSignalSpy accepted(&server, &TcpServer::addNewClientSocketSig);
        SilentCoders coders;
        QCOMPARE(coders.connectAll(server.serverPort(), kCoders), kCoders);
        QTRY_COMPARE_WITH_TIMEOUT(accepted.count(), kCoders, 2000);
        QCOMPARE(server.connectionCount(), kCoders);
        QCOMPARE(coders.established(), kCoders);

        QSignalSpy gone(&server, &TcpServer::reduceClientSocketSig);
        coders.closeAll();
        QTRY_COMPARE_WITH_TIMEOUT(gone.count(), kCoders, 2000);
        QCOMPARE(server.connectionCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestManyConnections)
#include "tst_manyconnections.moc"
