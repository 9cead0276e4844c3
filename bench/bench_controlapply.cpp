// SPDX-License-Identifier: GPL-3.0-or-later
// One 200 KiB message applied to 100 checked coders through the control
// window ("Apply": read the file, build the frame, write the journal line,
// send it to each coder, keep the local copy) next to the same apply with
// no journal and the bare fan-out of the same frame through
// TcpServer::sendMsgToSocket, in the same run: time until every coder has
// every byte. The coders are sockets of this process on 127.0.0.1.
#include "commandjournal.h"
#include "devicefolder.h"
#include "devicelistpanel.h"
#include "filerecord.h"
#include "fleet.h"
#include "journaldock.h"
#include "linkbench.h"
#include "protocol.h"
#include "stationwindow.h"
#include "tcpserver.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListView>
#include <QListWidget>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kCoders = 100;
constexpr int kRounds = 15;
constexpr int kMessageBytes = 200 * 1024;

class Coders
{
public:
    void connectAll(quint16 port)
    {
        for (int i = 0; i < kCoders; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            QTcpSocket *s = socket.get();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                const qint64 before = m_received[s];
                m_received[s] += s->readAll().size();
                if (before < m_expected && m_received[s] >= m_expected && ++m_complete == kCoders)
                    m_loop.quit();
            });
            s->connectToHost(QHostAddress::LocalHost, port);
            m_sockets.push_back(std::move(socket));
        }
    }
    double time(qint64 bytes, const std::function<void()> &send)
    {
        for (auto &s : m_sockets)
            m_received[s.get()] = 0;
        m_expected = bytes;
        m_complete = 0;
        QElapsedTimer timer;
        timer.start();
        send();
        if (m_complete < kCoders)
            m_loop.exec();
        return timer.nsecsElapsed() / 1e6;
    }

private:
    std::vector<std::unique_ptr<QTcpSocket>> m_sockets;
    std::unordered_map<QTcpSocket *, qint64> m_received;
    qint64 m_expected = 0;
    int m_complete = 0;
    QEventLoop m_loop;
};

bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(mainwindow);
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(
        QStringLiteral("korvex.*.debug=false\nkorvex.control.info=false"));
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QDir().mkdir(QStringLiteral("Spray"));
    {
        // A JSON-looking message of exactly kMessageBytes.
        // In a font this machine has, so that the pre-flight check finds nothing.
        QByteArray message = "{\"TextItemInfo\":[{\"TextFont\":\"DejaVu Sans,-1,100,5,50,0,0,0,0,"
                             "0\",\"TextContent\":\"";
        message.append(QByteArray(kMessageBytes - message.size() - 4, 'x'));
        message.append("\"}]}");
        QFile file(QStringLiteral("Spray/big.spr"));
        if (!file.open(QIODevice::WriteOnly) || file.write(message) != message.size())
            return 1;
    }

    StationWindow window;
    window.show();
    Coders coders;
    coders.connectAll(window.server()->serverPort());
    DeviceListPanel *devices = window.deviceList();
    if (!waitFor([&] { return devices->count() == kCoders; }))
        return 1;
    window.findChild<QToolButton *>(QStringLiteral("multiSelectbtnForParameter"))->click();
    devices->view()->selectAll();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("fileListWidget"));
    list->clearSelection();
    list->findItems(QStringLiteral("big"), Qt::MatchExactly).first()->setSelected(true);
    QCoreApplication::processEvents();

    // The frame the window sends, built here once for the bare fan-out.
    QFile file(QStringLiteral("Spray/big.spr"));
    file.open(QIODevice::ReadOnly);
    QByteArray record;
    const QByteArray name = "big.spr";
    if (!FileRecord::encode(QString::fromLatin1(name), file.readAll(), &record, nullptr))
        return 1;
    const QByteArray frame = packFrame(0x10, record);
    TcpServer *server = window.server();
    const QList<int> descriptors = devices->checkedDescriptors();
    if (descriptors.size() != kCoders)
        return 1;
    auto *apply = window.findChild<QToolButton *>(QStringLiteral("syncBtn"));

    QVector<double> windowMs, bareMs, unjournaledMs;
    CommandJournal *journal = window.journal()->commands();
    for (int round = 0; round < kRounds; ++round) {
        bareMs << coders.time(frame.size(), [&] {
            for (int descriptor : descriptors)
                server->sendMsgToSocket(descriptor, frame);
        });
        windowMs << coders.time(frame.size(), [&] { apply->click(); });
        window.fleet()->setRecorder(nullptr);
        unjournaledMs << coders.time(frame.size(), [&] { apply->click(); });
        window.fleet()->setRecorder(journal);
    }
    // What one local copy costs, for coders that do not share an address.
    QElapsedTimer timer;
    timer.start();
    const QByteArray content = record.mid(1 + name.size() + 4);
    for (int i = 0; i < kCoders; ++i)
        DeviceFolder::writeFile(QStringLiteral("192.168.7.%1").arg(i), QStringLiteral("big.spr"),
                                content, nullptr);
    const double copiesMs = timer.nsecsElapsed() / 1e6;

    const double w = LinkBench::median(windowMs), b = LinkBench::median(bareMs),
                 u = LinkBench::median(unjournaledMs);
    std::printf("frame %d bytes to %d coders, median of %d rounds\n", int(frame.size()), kCoders,
                kRounds);
    std::printf("bare fan-out   %8.2f ms\n", b);
    std::printf("window apply   %8.2f ms  (%.2f x bare, goal <= 1.3)\n", w, w / b);
    std::printf("  no journal   %8.2f ms  (journal adds %.1f %%, goal <= 10 %%)\n", u,
                100.0 * (w - u) / u);
    std::printf("100 copies to distinct coder folders: %.2f ms\n", copiesMs);
    return 0;
}
