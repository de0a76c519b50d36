// The desktop search helper on a private session bus, over a catalogue of the whole unit
// library (the factory units and every set of share/tarvo/units), as GNOME Shell asks it:
// - a warm search, GetInitialResultSet of "5 psi in bar" and GetResultMetas of its ids
//   (target under 5 ms), against a Peer.Ping round trip to the helper;
// - the first search of a session, the helper started by the bus, then the search and
//   ActivateResult (target under 100 ms), against the bus starting the least Qt D-Bus
//   program (MinimalDBusService) and its one answer;
// - the helper's peak resident memory after those searches (target under 20 MiB), against
//   that program's.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/PairedTiming.h"
#include "catalogue/UnitMgr.h"
#include "formats/UnitSet.h"
#include "tests/support/PrivateSessionBus.h"
#include "tests/support/ScratchDir.h"
#include "tests/support/SearchSession.h"

namespace {

const char* const kSetFolder = TARVO_SOURCE_DIR "/share/tarvo/units";
// The factory units and every set, as the README counts them.
constexpr int kLibraryUnits = 683;
const QString kHelper = QStringLiteral("net.kolpa.tarvo.SearchProvider");
const QString kFloor = QStringLiteral("net.kolpa.tarvo.BenchFloor");
const QStringList kTerms{"5", "psi", "in", "bar"};
// More searches of a session, for the peak memory: conversions and units alone.
const QStringList kMoreQueries[] = {
    {"5", "psi"},
    {"1", "ly", "in", "km"},
    {"100", "F", "in", "C"},
    {"3", "kWh", "in", "MJ"},
    {"2", "yd"},
    {"weather"},
};
constexpr int kCallMs = 25000;

/// A session whose window saved a catalogue of the whole unit library.
class CLibrarySession {
public:
    CLibrarySession() {
        CUnitMgr catalogue;
        catalogue.AddFactoryUnits();
        for (const CUnitSet& set : CUnitSet::InFolder(kSetFolder)) {
            set.MergeInto(catalogue);
        }
        m_units = catalogue.GetCount();
        m_session.WindowSaves(catalogue);
    }

    /// How many units the catalogue holds.
    int Units() const { return m_units; }

    /// A bus that starts the helper and the floor program in this session.
    std::unique_ptr<CPrivateSessionBus> StartBus() const {
        return std::make_unique<CPrivateSessionBus>(
            std::vector<CPrivateSessionBus::Service>{
                {kHelper.toStdString(), {TARVO_SEARCH, "--window", "/bin/true"}},
                {kFloor.toStdString(), {TARVO_MINIMAL_DBUS_SERVICE}}},
            m_session.Environment());
    }

private:
    CSearchSession m_session;
    int m_units = 0;
};

/// A connection to bus, closed with the object.
class CBusClient {
public:
    explicit CBusClient(const CPrivateSessionBus& bus)
        : m_name(QStringLiteral("bench-%1").arg(++s_count)),
          m_connection(
              QDBusConnection::connectToBus(QString::fromStdString(bus.Address()), m_name)) {}
    ~CBusClient() { QDBusConnection::disconnectFromBus(m_name); }
    CBusClient(const CBusClient&) = delete;
    CBusClient& operator=(const CBusClient&) = delete;

    /// The reply to a call of method on service's object at path.
    QDBusMessage Call(const QString& service, const QString& path, const QString& interface,
                      const QString& method, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
        call.setArguments(arguments);
        return m_connection.call(call, QDBus::Block, kCallMs);
    }
    /// GNOME Shell's search of terms and what it shows of them; with activate, the first
    /// result opened too. False when the search found nothing to show.
    bool Search(const QStringList& terms, bool activate) {
        const QString path = QStringLiteral("/net/kolpa/tarvo/SearchProvider");
        const QString interface = QStringLiteral("org.gnome.Shell.SearchProvider2");
        const QStringList ids = Call(kHelper, path, interface, "GetInitialResultSet", {terms})
                                    .arguments()
                                    .value(0)
                                    .toStringList();
        const QDBusMessage metas = Call(kHelper, path, interface, "GetResultMetas", {ids});
        if (activate && !ids.isEmpty()) {
            Call(kHelper, path, interface, "ActivateResult", {ids[0], terms, 0u});
        }
        return !ids.isEmpty() && metas.type() == QDBusMessage::ReplyMessage;
    }
    /// A round trip to service that its bus library answers.
    bool Ping(const QString& service) {
        return Call(service, "/", "org.freedesktop.DBus.Peer", "Ping", {}).type() ==
               QDBusMessage::ReplyMessage;
    }
    /// The floor program's one call, which the bus starts it for.
    bool Echo() {
        return Call(kFloor, "/", "net.kolpa.tarvo.BenchFloor", "Echo", {kTerms})
                   .arguments()
                   .value(0)
                   .toStringList() == kTerms;
    }
    /// The peak resident memory of service's process in MiB; 0 when it cannot be read.
    double PeakMiB(const QString& service) {
        const uint pid = m_connection.interface()->servicePid(service).value();
        std::istringstream status(CScratchDir::Read("/proc/" + std::to_string(pid) + "/status"));
        std::string line;
        while (pid > 0 && std::getline(status, line)) {
            if (line.rfind("VmHWM:", 0) == 0) {
                return std::stod(line.substr(6)) / 1024.0;  // given in kB
            }
        }
        return 0.0;
    }

private:
    static inline int s_count = 0;
    QString m_name;
    QDBusConnection m_connection;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void BM_WarmSearch(benchmark::State& state) {
    const CLibrarySession session;
    const auto bus = session.StartBus();
    CBusClient client(*bus);
    if (session.Units() != kLibraryUnits || !client.Search(kTerms, false)) {
        state.SkipWithError("the whole library or the helper's first answer is missing");
        return;
    }
    CPairedTiming timing;
    for (auto _ : state) {
        bool found = false;
        state.SetIterationTime(timing.Measure([&] { found = client.Search(kTerms, false); }));
        bool pinged = false;
        timing.Compare([&] { pinged = client.Ping(kHelper); });
        if (!found || !pinged) {
            state.SkipWithError("a search or a ping got no answer");
            break;
        }
    }
    timing.Report(state, "search", "ping");
}

void BM_FirstSearch(benchmark::State& state) {
    const CLibrarySession session;
    CPairedTiming timing;
    std::vector<double> helperMiB;
    std::vector<double> floorMiB;
    for (auto _ : state) {
        const auto bus = session.StartBus();  // a new session: no helper running
        CBusClient client(*bus);
        bool found = false;
        state.SetIterationTime(timing.Measure([&] { found = client.Search(kTerms, true); }));
        bool echoed = false;
        timing.Compare([&] { echoed = client.Echo(); });
        for (const QStringList& terms : kMoreQueries) {
            client.Search(terms, false);
        }
        helperMiB.push_back(client.PeakMiB(kHelper));
        floorMiB.push_back(client.PeakMiB(kFloor));
        if (!found || !echoed || helperMiB.back() <= 0 || floorMiB.back() <= 0) {
            state.SkipWithError("a first search or the floor's answer failed");
            break;
        }
    }
    timing.Report(state, "first_search", "floor");
    state.counters["helper_peak_MiB"] = Median(helperMiB);
    state.counters["floor_peak_MiB"] = Median(floorMiB);
    state.counters["peak_ratio"] = Median(helperMiB) / Median(floorMiB);
}

}  // namespace

BENCHMARK(BM_WarmSearch)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstSearch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(31);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
