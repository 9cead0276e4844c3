// SPDX-License-Identifier: GPL-3.0-or-later
// What the lines' edge nodes and other hosts publish, of any bytes, fed to
// the host application: births, data and deaths of two nodes with two
// devices, STATEs, and a line's bridge going down.  The host keeps within
// its bounds, shows no coder that was not born, and a coder it shows as
// live belongs to a live node.
#include "mqttbus.h"
#include "planthost.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

namespace {

class SilentBus : public MqttBus
{
public:
    void setWill(const QString &, const QByteArray &, int) override {}
    void start() override
    {
        emit connecting();
        emit connected();
    }
    void stop() override {}
    bool isConnected() const override { return true; }
    bool publish(const QString &, const QByteArray &, int) override { return true; }
    bool subscribe(const QString &, int) override { return true; }
    void deliver(const QString &topic, const QByteArray &payload)
    {
        emit messageReceived(topic, payload);
    }
};

const char *const kTopics[] = {
    "spBv1.0/G/NBIRTH/n1",    "spBv1.0/G/DBIRTH/n1/d1", "spBv1.0/G/DBIRTH/n1/d2",
    "spBv1.0/G/DDATA/n1/d1",  "spBv1.0/G/DDATA/n1/d2",  "spBv1.0/G/NDATA/n1",
    "spBv1.0/G/DDEATH/n1/d1", "spBv1.0/G/NDEATH/n1",    "spBv1.0/H/NBIRTH/n2",
    "spBv1.0/H/DBIRTH/n2/d1", "spBv1.0/H/DDATA/n2/d1",  "spBv1.0/STATE/other",
    "spBv1.0/STATE/host",     "korvex/bridge/G",        "spBv1.0/G/DCMD/n1/d1",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_planthost";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("korvex.*=false"));
        return true;
    }();
    (void)quiet;
    SilentBus bus;
    PlantHost host(&bus, QStringLiteral("host"), true);
    host.setClock([] { return qint64(1733740000000); });
    host.start();
    // Each message: one byte for its topic, two for its length, the payload.
    size_t at = 0;
    while (at + 3 <= size) {
        const QString topic = QString::fromLatin1(kTopics[data[at] % std::size(kTopics)]);
        const size_t length =
            std::min<size_t>(size - at - 3, size_t(data[at + 1]) << 8 | data[at + 2]);
        bus.deliver(topic, QByteArray(reinterpret_cast<const char *>(data + at + 3), int(length)));
        at += 3 + length;
    }
    if (host.nodes().size() > PlantHost::kMaxNodes)
        abort();
    for (const QString &node : host.nodes()) {
        for (const QString &device : host.devices(node)) {
            const RemoteCoder *coder = host.coder(node, device);
            if (!coder || coder->metrics.size() > PlantHost::kMaxMetricsPerDevice)
                abort();
            if (!coder->stale && host.isNodeStale(node))
                abort();
            for (auto it = coder->metrics.cbegin(); it != coder->metrics.cend(); ++it) {
                if (it.key().isEmpty() || it.key() != it->name)
                    abort();
            }
        }
    }
    return 0;
}
