// tarvo-search on a session bus of the test's own, spoken to as GNOME Shell and KRunner
// speak to it: started by either name, every method of both interfaces, the window it
// opens, the number it copies, a catalogue saved meanwhile, calls that must get nothing,
// and its end when idle or when its bus goes.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "catalogue/Unit.h"
#include "tests/support/PrivateSessionBus.h"
#include "tests/support/ScratchDir.h"
#include "tests/support/SearchSession.h"

namespace {

const QString kGnome = "net.kolpa.tarvo.SearchProvider";
const QString kRunner = "net.kolpa.tarvo.KRunner";
// Far above a call's time on a busy machine, far below the bus's own 25 s: a helper that
// hangs fails the test.
constexpr int kCallMs = 10000;
// What a call starts (a window, a copy, the end when idle) or a call sent without waiting
// comes far sooner; a QTRY that fails waits three times as long to say so.
constexpr int kWaitMs = 5000;
// Long enough that no helper ends within a test function unless the test wants it to.
constexpr int kIdleMs = 20000;
const QStringList kPsiInBar{"5", "psi", "in", "bar"};
const QString kPsiInBarQuery = "5 pound per square inch (psi) in bar (bar)";
const QString kHuge(1 << 20, '5');
const QStringList kMany(10000, "psi");

QDBusMessage Gnome(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kGnome, "/net/kolpa/tarvo/SearchProvider",
                                                       "org.gnome.Shell.SearchProvider2", method);
    call.setArguments(arguments);
    return call;
}

QDBusMessage Runner(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kRunner, "/runner", "org.kde.krunner1", method);
    call.setArguments(arguments);
    return call;
}

/// The fields of each structure of a reply's array, as KRunner reads its matches
/// (id, text, icon, type, relevance, properties) and actions (id, text, icon).
QList<QVariantList> Structures(const QDBusMessage& reply) {
    QList<QVariantList> structures;
    const QDBusArgument array = reply.arguments().value(0).value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        QVariantList fields;
        array.beginStructure();
        while (!array.atEnd()) {
            fields.append(array.asVariant());
        }
        array.endStructure();
        structures.append(fields);
    }
    array.endArray();
    return structures;
}

/// Whether a reply carries nothing: an error, no arguments, or an empty list.
bool GivesNothing(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage || reply.arguments().isEmpty()) {
        return true;
    }
    const QVariant first = reply.arguments().first();
    if (first.canConvert<QDBusArgument>()) {
        const QDBusArgument list = first.value<QDBusArgument>();
        list.beginArray();
        return list.atEnd();
    }
    return first.toStringList().isEmpty();
}

bool AllFinished(const QList<QDBusPendingCall>& calls) {
    return std::all_of(calls.begin(), calls.end(),
                       [](const QDBusPendingCall& call) { return call.isFinished(); });
}

/// Whether the process has ended: gone, or a zombie that nobody reaped yet.
bool Ended(uint pid) {
    const std::string stat = CScratchDir::Read("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t state = stat.rfind(") ");
    return state == std::string::npos || stat.compare(state + 2, 1, "Z") == 0;
}

}  // namespace

/// Klipper as far as the helper uses it: what it is asked to put on the clipboard.
class CFakeKlipper : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.klipper.klipper")
public:
    QStringList m_copied;
public slots:
    void setClipboardContents(const QString& text) { m_copied.append(text); }
};

class SearchBusTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eitherNameStartsTheHelper_data();
    void eitherNameStartsTheHelper();
    void gnomeShellGetsConversions();
    void krunnerGetsConversions();
    void aChosenResultOpensTheWindow_data();
    void aChosenResultOpensTheWindow();
    void aSavedCatalogueIsPickedUpAndOldIdsDoNothing();
    void badCallsGetNothingAndTheHelperGoesOn_data();
    void badCallsGetNothingAndTheHelperGoesOn();
    void parallelCallsAreAllAnswered();
    void theHelperEndsWhenIdleAndStartsAgain();
    void theHelperEndsWithItsBus();

private:
    void StartBus(int idleMs);
    void Disconnect();
    QDBusConnection Connect();
    QDBusConnection Bus() const { return QDBusConnection(m_connections.value(0)); }
    QDBusMessage Call(const QDBusMessage& call) { return Bus().call(call, QDBus::Block, kCallMs); }
    bool Owned(const QString& name) { return Bus().interface()->isServiceRegistered(name); }
    /// The ids GNOME Shell gets for terms: anew, or typed on from earlier ids.
    QStringList Ids(const QStringList& terms, const QStringList& earlier = {}) {
        return Call(earlier.isEmpty() ? Gnome("GetInitialResultSet", {terms})
                                      : Gnome("GetSubsearchResultSet", {earlier, terms}))
            .arguments()
            .value(0)
            .toStringList();
    }
    QList<QVariantMap> Metas(const QStringList& ids) {
        return qdbus_cast<QList<QVariantMap>>(
            Call(Gnome("GetResultMetas", {ids})).arguments().value(0));
    }
    QString MatchId(const QString& query) {
        return Structures(Call(Runner("Match", {query}))).value(0).value(0).toString();
    }
    std::unique_ptr<CFakeKlipper> Klipper();
    QStringList WindowRuns() const {
        return QString::fromStdString(CScratchDir::Read(m_session->Scratch().Path() / "window.log"))
            .split('\n', Qt::SkipEmptyParts);
    }
    QString WindowStarted(const QString& query) const {
        const auto folder = std::filesystem::canonical(m_session->CatalogueFile()).parent_path();
        return QString::fromStdString(folder.string()) + "\t--convert\t" + query;
    }

    std::unique_ptr<CSearchSession> m_session;
    std::unique_ptr<CPrivateSessionBus> m_bus;
    QStringList m_connections;  ///< the first is the one the test calls on
};

void SearchBusTest::init() {
    m_session = std::make_unique<CSearchSession>();
    m_session->WindowSaves();
    // A stand-in window: one line per start, its folder and arguments, tab-separated.
    const std::string window = m_session->Scratch().Write(
        "window",
        "#!/bin/sh\nline=$(pwd -P)\nfor argument in \"$@\"; do\n    line=\"$line\t$argument\"\n"
        "done\nprintf '%s\\n' \"$line\" >> '" +
            m_session->Scratch().File("window.log") + "'\n");
    std::filesystem::permissions(window, std::filesystem::perms::owner_all);
    StartBus(kIdleMs);
}

void SearchBusTest::cleanup() {
    if (QTest::currentTestFailed() && m_bus) {
        qWarning("what the bus and the helper printed:\n%s", m_bus->Log().c_str());
    }
    Disconnect();
    m_bus.reset();
    m_session.reset();
}

void SearchBusTest::eitherNameStartsTheHelper_data() {
    QTest::addColumn<QDBusMessage>("call");
    QTest::newRow("GNOME Shell") << Gnome("GetInitialResultSet", {kPsiInBar});
    QTest::newRow("KRunner") << Runner("Match", {"5 psi in bar"});
}

void SearchBusTest::eitherNameStartsTheHelper() {
    QFETCH(QDBusMessage, call);
    QVERIFY(!Owned(kGnome) && !Owned(kRunner));
    const QDBusMessage reply = Call(call);
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QVERIFY(!GivesNothing(reply));
    // One helper holds both names.
    QDBusConnectionInterface& bus = *Bus().interface();
    QVERIFY(bus.serviceOwner(kGnome).value().startsWith(':'));
    QCOMPARE(bus.serviceOwner(kRunner).value(), bus.serviceOwner(kGnome).value());
}

void SearchBusTest::gnomeShellGetsConversions() {
    const QStringList ids = Ids(kPsiInBar);
    QCOMPARE(ids.size(), 1);
    const QDBusMessage reply = Call(Gnome("GetResultMetas", {ids}));
    QCOMPARE(reply.signature(), "aa{sv}");
    const QVariantMap meta = qdbus_cast<QList<QVariantMap>>(reply.arguments().value(0)).value(0);
    QCOMPARE(meta.value("id").toString(), ids[0]);
    QCOMPARE(meta.value("name").toString(), "0.345 bar");
    QCOMPARE(meta.value("description").toString(),
             "5 pound per square inch (psi) = 0.345 bar (bar) \u00B7 Pressure");
    QCOMPARE(meta.value("clipboardText").toString(), "0.345");

    struct Case {
        QStringList terms;
        qsizetype results;
        QString first;
    };
    const Case cases[] = {
        {{"5", "psi"}, 5, "34473.786 Pa"},
        {{"weather"}, 0, ""},
    };
    for (const Case& c : cases) {
        const QStringList found = Ids(c.terms, ids);
        const QList<QVariantMap> metas = Metas(found);
        QCOMPARE(found.size(), c.results);
        QCOMPARE(metas.size(), c.results);
        for (qsizetype i = 0; i < metas.size(); ++i) {
            QCOMPARE(metas[i].value("id").toString(), found[i]);
        }
        QCOMPARE(metas.value(0).value("name").toString(), c.first);
    }

    // The window's settings, from the store in the bus's XDG_CONFIG_HOME.
    m_session->WindowSettles("Pressure", "bar (bar)", 5);
    QCOMPARE(Metas(Ids({"5", "psi"})).value(0).value("name").toString(), "0.34474 bar");
}

void SearchBusTest::krunnerGetsConversions() {
    const QDBusMessage actions = Call(Runner("Actions"));
    QCOMPARE(actions.signature(), "a(sss)");
    QCOMPARE(Structures(actions),
             (QList<QVariantList>{{"copy", "Copy to Clipboard", "edit-copy"}}));

    struct Case {
        QString query;
        qsizetype matches;
        int type;  // a whole conversion is exact, a unit alone only possible
        QString first;
        QString subtext;
    };
    const Case cases[] = {
        {"5 psi in bar", 1, 100, "0.345 bar",
         "5 pound per square inch (psi) = 0.345 bar (bar) \u00B7 Pressure"},
        {"5 psi", 5, 30, "34473.786 Pa",
         "5 pound per square inch (psi) = 34473.786 Pascal (Pa) \u00B7 Pressure"},
        {"weather", 0, 0, "", ""},
    };
    for (const Case& c : cases) {
        const QDBusMessage reply = Call(Runner("Match", {c.query}));
        QCOMPARE(reply.signature(), "a(sssida{sv})");
        const QList<QVariantList> matches = Structures(reply);
        QCOMPARE(matches.size(), c.matches);
        double relevance = 1.0 + 1e-9;
        for (const QVariantList& match : matches) {  // id, text, icon, type, relevance, properties
            QVERIFY(!match[0].toString().isEmpty());
            QCOMPARE(match[2].toString(), "tarvo");
            QCOMPARE(match[3].toInt(), c.type);
            QVERIFY2(match[4].toDouble() > 0 && match[4].toDouble() < relevance,
                     qPrintable(c.query));
            relevance = match[4].toDouble();
        }
        const QVariantList first = matches.value(0, QVariantList(6));
        QCOMPARE(first[1].toString(), c.first);
        QCOMPARE(qdbus_cast<QVariantMap>(first[5]).value("subtext").toString(), c.subtext);
    }

    const std::unique_ptr<CFakeKlipper> klipper = Klipper();
    QVERIFY(klipper);
    Call(Runner("Run", {MatchId("5 psi in bar"), "copy"}));
    QTRY_COMPARE_WITH_TIMEOUT(klipper->m_copied, QStringList{"0.345"}, kWaitMs);
    QCOMPARE(Call(Runner("Teardown")).type(), QDBusMessage::ReplyMessage);
    QVERIFY(!MatchId("5 psi in bar").isEmpty());
    QVERIFY(WindowRuns().isEmpty());
}

void SearchBusTest::aChosenResultOpensTheWindow_data() {
    QTest::addColumn<QString>("chosen");
    QTest::newRow("GNOME Shell's ActivateResult") << "ActivateResult";
    QTest::newRow("GNOME Shell's LaunchSearch") << "LaunchSearch";
    QTest::newRow("KRunner's Run") << "Run";
}

void SearchBusTest::aChosenResultOpensTheWindow() {
    QFETCH(QString, chosen);
    const QDBusMessage reply =
        chosen == "ActivateResult" ? Call(Gnome(chosen, {Ids(kPsiInBar).value(0), kPsiInBar, 0u}))
        : chosen == "LaunchSearch" ? Call(Gnome(chosen, {kPsiInBar, 0u}))
                                   : Call(Runner(chosen, {MatchId("5 psi in bar"), QString()}));
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE_WITH_TIMEOUT(WindowRuns(), QStringList{WindowStarted(kPsiInBarQuery)}, kWaitMs);
}

void SearchBusTest::aSavedCatalogueIsPickedUpAndOldIdsDoNothing() {
    const std::unique_ptr<CFakeKlipper> klipper = Klipper();
    QVERIFY(klipper);
    const QStringList sack{"2", "sack", "in", "kg"};
    const QString oldId = Ids(kPsiInBar).value(0);
    const QString oldMatch = MatchId("5 psi in bar");
    QVERIFY(Ids(sack).isEmpty());

    m_session->WindowSaves({CUnit("Weight", "sack", 1 / 50.0, 0)});
    const QStringList ids = Ids(sack);
    QCOMPARE(ids.size(), 1);
    QCOMPARE(Metas(ids).value(0).value("name").toString(), "100 kg");
    QVERIFY(Metas({oldId, oldMatch}).isEmpty());
    Call(Gnome("ActivateResult", {oldId, kPsiInBar, 0u}));
    Call(Runner("Run", {oldMatch, QString()}));
    Call(Runner("Run", {oldMatch, "copy"}));
    // The window of the last call is the only one: the old ids started none.
    Call(Runner("Run", {MatchId("2 sack in kg"), QString()}));
    QTRY_COMPARE_WITH_TIMEOUT(WindowRuns(), QStringList{WindowStarted("2 sack in kilogram (kg)")},
                              kWaitMs);
    QVERIFY(klipper->m_copied.isEmpty());
}

void SearchBusTest::badCallsGetNothingAndTheHelperGoesOn_data() {
    QTest::addColumn<QDBusMessage>("call");
    const QString unknown = "0/0/0/0x1p+0";
    QTest::newRow("a 1 MiB term") << Gnome("GetInitialResultSet", {QStringList{kHuge}});
    QTest::newRow("10 000 terms") << Gnome("GetInitialResultSet", {kMany});
    QTest::newRow("a 1 MiB term typed on")
        << Gnome("GetSubsearchResultSet", {kMany, QStringList{"5", "psi", kHuge}});
    QTest::newRow("a 1 MiB KRunner query") << Runner("Match", {kHuge});
    QTest::newRow("unknown ids to describe")
        << Gnome("GetResultMetas", {QStringList{"", "x", unknown, "1/2/3", kHuge}});
    QTest::newRow("10 000 unknown ids to describe") << Gnome("GetResultMetas", {kMany});
    QTest::newRow("an unknown id to activate") << Gnome("ActivateResult", {unknown, kPsiInBar, 0u});
    QTest::newRow("a 1 MiB id to activate") << Gnome("ActivateResult", {kHuge, kPsiInBar, 0u});
    QTest::newRow("a 1 MiB term to launch") << Gnome("LaunchSearch", {QStringList{kHuge}, 0u});
    QTest::newRow("an unknown id to run") << Runner("Run", {unknown, QString()});
    QTest::newRow("a 1 MiB id to copy") << Runner("Run", {kHuge, "copy"});
    QTest::newRow("wrong argument types") << Gnome("GetInitialResultSet", {kPsiInBar.join(' ')});
    QTest::newRow("an unknown method") << Gnome("Search", {kPsiInBar});
}

void SearchBusTest::badCallsGetNothingAndTheHelperGoesOn() {
    QFETCH(QDBusMessage, call);
    const std::unique_ptr<CFakeKlipper> klipper = Klipper();
    QVERIFY(klipper);
    const QDBusPendingCall pending = Bus().asyncCall(call);  // the bus's own 25 s to answer
    QTRY_VERIFY_WITH_TIMEOUT(pending.isFinished(), kWaitMs);
    QVERIFY(GivesNothing(pending.reply()));
    QCOMPARE(Ids(kPsiInBar).size(), 1);
    Call(Gnome("LaunchSearch", {kPsiInBar, 0u}));
    QTRY_COMPARE_WITH_TIMEOUT(WindowRuns(), QStringList{WindowStarted(kPsiInBarQuery)}, kWaitMs);
    QVERIFY(klipper->m_copied.isEmpty());
}

void SearchBusTest::parallelCallsAreAllAnswered() {
    // Several connections at once; the first round starts the helper.
    std::vector<QDBusConnection> connections;
    for (int i = 0; i < 6; ++i) {
        connections.push_back(Connect());
    }
    QList<QDBusPendingCall> first;
    for (const QDBusConnection& connection : connections) {
        first.append(connection.asyncCall(Gnome("GetInitialResultSet", {kPsiInBar})));
    }
    QTRY_VERIFY_WITH_TIMEOUT(AllFinished(first), kWaitMs);
    for (const QDBusPendingCall& call : first) {
        QCOMPARE(call.reply().arguments().value(0).toStringList(), Ids(kPsiInBar));
    }

    QList<QDBusPendingCall> good;
    QList<QDBusPendingCall> bad;
    for (const QDBusConnection& connection : connections) {
        bad.append(connection.asyncCall(Gnome("GetInitialResultSet", {QStringList{kHuge}})));
        good.append(connection.asyncCall(Runner("Match", {"5 psi"})));
        bad.append(connection.asyncCall(Gnome("GetResultMetas", {kMany})));
        bad.append(connection.asyncCall(Runner("Match", {kHuge})));
        good.append(connection.asyncCall(Gnome("GetInitialResultSet", {kPsiInBar})));
    }
    QTRY_VERIFY_WITH_TIMEOUT(AllFinished(good + bad), kWaitMs);
    for (const QDBusPendingCall& call : bad) {
        QVERIFY(GivesNothing(call.reply()));
    }
    for (const QDBusPendingCall& call : good) {
        QVERIFY(call.reply().type() == QDBusMessage::ReplyMessage && !GivesNothing(call.reply()));
    }
    QVERIFY(!MatchId("5 psi in bar").isEmpty());
}

void SearchBusTest::theHelperEndsWhenIdleAndStartsAgain() {
    StartBus(200);
    const QString earlier = Ids(kPsiInBar).value(0);
    QVERIFY(!earlier.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!Owned(kGnome) && !Owned(kRunner), kWaitMs);
    // The next search starts it again, on a catalogue read anew: earlier ids are not its.
    QVERIFY(!MatchId("5 psi in bar").isEmpty());
    QVERIFY(Metas({earlier}).isEmpty());
    Call(Gnome("ActivateResult", {earlier, kPsiInBar, 0u}));
    QTRY_VERIFY_WITH_TIMEOUT(!Owned(kGnome) && !Owned(kRunner), kWaitMs);
    QVERIFY(WindowRuns().isEmpty());
}

void SearchBusTest::theHelperEndsWithItsBus() {
    QCOMPARE(Ids(kPsiInBar).size(), 1);
    const uint pid = Bus().interface()->servicePid(kGnome).value();
    QVERIFY(pid > 0 && !Ended(pid));
    Disconnect();
    m_bus.reset();
    QTRY_VERIFY_WITH_TIMEOUT(Ended(pid), kWaitMs);
}

void SearchBusTest::StartBus(int idleMs) {
    Disconnect();
    m_bus.reset();
    const std::vector<std::string> helper{TARVO_SEARCH, "--idle-timeout", std::to_string(idleMs),
                                          "--window", m_session->Scratch().File("window")};
    m_bus = std::make_unique<CPrivateSessionBus>(
        std::vector<CPrivateSessionBus::Service>{{kGnome.toStdString(), helper},
                                                 {kRunner.toStdString(), helper}},
        m_session->Environment());
    QVERIFY(Connect().isConnected());
}

void SearchBusTest::Disconnect() {
    for (const QString& name : std::as_const(m_connections)) {
        QDBusConnection::disconnectFromBus(name);
    }
    m_connections.clear();
}

QDBusConnection SearchBusTest::Connect() {
    static int count = 0;
    m_connections.append(QStringLiteral("connection-%1").arg(++count));
    return QDBusConnection::connectToBus(QString::fromStdString(m_bus->Address()),
                                         m_connections.back());
}

std::unique_ptr<CFakeKlipper> SearchBusTest::Klipper() {
    auto klipper = std::make_unique<CFakeKlipper>();
    QDBusConnection connection = Connect();
    if (!connection.registerObject("/klipper", klipper.get(), QDBusConnection::ExportAllSlots) ||
        !connection.registerService("org.kde.klipper")) {
        return nullptr;
    }
    return klipper;
}

QTEST_GUILESS_MAIN(SearchBusTest)
#include "SearchBusTest.moc"
