#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "app/WorkspaceSettings.h"
#include "catalogue/CatalogueBackups.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/UnitMgr.h"
#include "shell/ConverterApp.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgMain.h"
#include "ui/MessageBox.h"

namespace {

const char* const kDataFile = "Tarvo.Dat";
const int kFactoryUnits = 153;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

/// Start-up and shutdown of the application in a working directory and settings store of
/// its own per test.
class CConverterAppTest : public QObject {
    Q_OBJECT
public:
    CConverterAppTest(CConverterApp& app, QString storePath)
        : m_app(app), m_storePath(std::move(storePath)) {}

private slots:
    void init();
    void cleanup();

    void firstRunCreatesNoDataFile();
    void aboutOpensOnTheFirstRunOnly();
    void unreadableFileGivesFactoryUnitsAndStaysUntouched();
    void changedCatalogueIsSavedAtExit();
    void unwritableFileAtExitWarns_data();
    void unwritableFileAtExitWarns();
    void failureDuringRunEndsIt();
    void runWithoutDownloadLoadsNoNetworkCode();
    void readAheadStartsFromWhatTheLastRunLeft();
    void catalogueIsRecordedSilently_data();
    void catalogueIsRecordedSilently();
    void convertOptionSetsTheWindow_data();
    void convertOptionSetsTheWindow();

private:
    /// Runs the main window, closing each modal window as it comes up; their classes go
    /// into closed.
    void RunAndCloseMainWindow(QStringList& closed);
    /// The settings as the next run would load them.
    std::unique_ptr<CWorkspaceSettings> StoredSettings() const;
    QString DataPath() const { return m_work->filePath(QString::fromLatin1(kDataFile)); }

    CConverterApp& m_app;
    QString m_storePath;
    const QString m_startDir = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> m_work;
};

void CConverterAppTest::init() {
    CMessageBox::Reset();
    QFile::remove(m_storePath);
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_work->path()));
}

void CConverterAppTest::cleanup() {
    QVERIFY(QDir::setCurrent(m_startDir));
    m_work.reset();
    VerifyNoWindowLeft();
}

void CConverterAppTest::RunAndCloseMainWindow(QStringList& closed) {
    const CModalGuard guard([](QWidget& modal) { QMetaObject::invokeMethod(&modal, "reject"); });
    m_app.RunMainWindow();
    closed = guard.Handed();
    QVERIFY2(!guard.TimedOut(), "a window did not close when rejected");
}

std::unique_ptr<CWorkspaceSettings> CConverterAppTest::StoredSettings() const {
    auto settings = std::make_unique<CWorkspaceSettings>(m_storePath.toStdString());
    settings->m_location.Set("Software", "Kolpa", "Tarvo");
    settings->Load();
    return settings;
}

void CConverterAppTest::firstRunCreatesNoDataFile() {
    QVERIFY(m_app.StartUp());
    QCOMPARE(m_app.Catalogue().GetCount(), kFactoryUnits);
    QCOMPARE(m_app.Settings().m_storedVersion, 0u);
    QCOMPARE(m_app.Settings().m_currentVersion, CConverterApp::kVersion);
    QStringList closed;
    RunAndCloseMainWindow(closed);
    m_app.ShutDown();
    QVERIFY(!QFile::exists(DataPath()));
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
    const auto stored = StoredSettings();
    QCOMPARE(stored->GetNumber("CurrentVersion", "Version", 0), 65542);
    QCOMPARE(stored->GetNumber("General", "Reload MRU", -1), 1);
}

void CConverterAppTest::aboutOpensOnTheFirstRunOnly() {
    for (const int expectedAbouts : {1, 0}) {
        QVERIFY(m_app.StartUp());
        QStringList closed;
        RunAndCloseMainWindow(closed);
        m_app.ShutDown();
        QCOMPARE(closed.count(QStringLiteral("CDlgAbout")), expectedAbouts);
    }
}

void CConverterAppTest::unreadableFileGivesFactoryUnitsAndStaysUntouched() {
    const QByteArray garbage("this is not a catalogue");
    WriteAll(DataPath(), garbage);
    QVERIFY(m_app.StartUp());
    QCOMPARE(m_app.Catalogue().GetCount(), kFactoryUnits);
    QVERIFY(!m_app.Catalogue().IsModified());
    QStringList closed;
    RunAndCloseMainWindow(closed);
    m_app.ShutDown();
    QCOMPARE(ReadAll(DataPath()), garbage);
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

void CConverterAppTest::changedCatalogueIsSavedAtExit() {
    QVERIFY(m_app.StartUp());
    QVERIFY(m_app.Catalogue().RemoveType("Currency"));
    const int left = m_app.Catalogue().GetCount();
    m_app.ShutDown();
    CUnitMgr saved;
    saved.LoadFromFile(DataPath().toStdString());
    QCOMPARE(saved.GetCount(), left);
    QVERIFY(saved.FindBaseUnit("Currency") < 0);

    // The next run reads the file instead of the factory units, and its save keeps the
    // file it replaces.
    QVERIFY(m_app.StartUp());
    QCOMPARE(m_app.Catalogue().GetCount(), left);
    QVERIFY(m_app.Catalogue().RemoveType("Distance"));
    m_app.ShutDown();
    const auto backups = CCatalogueBackups().List(DataPath().toStdString());
    QCOMPARE(backups.size(), std::size_t{1});
    saved.LoadFromFile(backups[0].path);
    QCOMPARE(saved.GetCount(), left);
}

void CConverterAppTest::unwritableFileAtExitWarns_data() {
    QTest::addColumn<QString>("workspace");
    QTest::addColumn<QList<int>>("answers");

    QTest::newRow("missing directory, cancel")
        << "missing/Tarvo.Dat" << QList<int>{QMessageBox::Cancel};
    QTest::newRow("a directory, retry then cancel")
        << "." << QList<int>{QMessageBox::Retry, QMessageBox::Cancel};
}

void CConverterAppTest::unwritableFileAtExitWarns() {
    QFETCH(QString, workspace);
    QFETCH(QList<int>, answers);
    QVERIFY(m_app.StartUp());
    CWorkspaceSettings& settings = m_app.Settings();
    settings.m_workspaceFile = m_work->filePath(workspace).toStdString();
    settings.m_type = "Distance";
    settings.SetModified();
    m_app.Catalogue().RemoveType("Currency");
    for (const int answer : answers) {
        CMessageBox::SetNextAnswer(static_cast<QMessageBox::StandardButton>(answer));
    }
    m_app.ShutDown();

    const QStringList texts = CMessageBox::TakeShownTexts();
    QCOMPARE(texts.size(), answers.size());
    for (const QString& text : texts) {
        QVERIFY2(text.contains(m_work->filePath(workspace)), qPrintable(text));
    }
    QCOMPARE(CMessageBox::TakeShownIcons().first(), CMessageBox::Icon::Exclamation);
    QCOMPARE(StoredSettings()->m_type, std::string("Distance"));
}

void CConverterAppTest::failureDuringRunEndsIt() {
    QVERIFY(m_app.StartUp());
    m_app.Settings().m_storedVersion = CConverterApp::kVersion;
    m_app.Catalogue().RemoveType("Currency");
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    const CModalGuard guard([](QWidget&) { throw std::runtime_error("out of luck"); });
    m_app.RunMainWindow();
    QCOMPARE(guard.Handed(), QStringList{QStringLiteral("CDlgMain")});
    QVERIFY(!guard.TimedOut());
    m_app.ShutDown();
    QVERIFY(m_app.Failed());
    QCOMPARE(
        CMessageBox::TakeShownTexts(),
        QStringList{QStringLiteral("The application could not start due to an unknown error.")});
    QCOMPARE(CMessageBox::TakeShownIcons(), QList<CMessageBox::Icon>{CMessageBox::Icon::Stop});
    // The units confirmed before the failure are saved all the same.
    CUnitMgr saved;
    saved.LoadFromFile(DataPath().toStdString());
    QCOMPARE(saved.GetCount(), m_app.Catalogue().GetCount());
    QVERIFY(saved.FindBaseUnit("Currency") < 0);
    // The main window closed and stored its (empty) units, so the settings were saved.
    QCOMPARE(StoredSettings()->GetNumber("General", "Reload MRU", -1), 1);
    // exit() ends every event loop from now on, the windows of later tests too; the
    // application's own loop clears that when it returns.
    QTimer::singleShot(0, &m_app, &QCoreApplication::quit);
    m_app.exec();
}

void CConverterAppTest::runWithoutDownloadLoadsNoNetworkCode() {
    QVERIFY(m_app.StartUp());
    QStringList closed;
    RunAndCloseMainWindow(closed);
    m_app.ShutDown();
    // Qt Network and the libraries it needs would slow every start-up: only Download loads
    // them, with the download module.
    const QByteArray mapped = ReadAll(QStringLiteral("/proc/self/maps"));
    QVERIFY(mapped.contains("libQt6Widgets"));
    QVERIFY(!mapped.contains("libQt6Network"));
    QVERIFY(!mapped.contains("tarvo_net"));
}

void CConverterAppTest::readAheadStartsFromWhatTheLastRunLeft() {
    QVERIFY(m_app.StartUp());
    QVERIFY(m_app.Catalogue().RemoveType("Currency"));
    const int left = m_app.Catalogue().GetCount();
    m_app.Settings().m_type = "Distance";
    m_app.Settings().SetModified();
    m_app.ShutDown();

    const auto readAhead = CConverterApp::ReadAhead(m_storePath.toStdString());
    QVERIFY(readAhead);
    QVERIFY(m_app.StartUp(readAhead.get()));
    QCOMPARE(m_app.Catalogue().GetCount(), left);
    QCOMPARE(m_app.Settings().m_type, std::string("Distance"));
    QCOMPARE(m_app.Settings().m_currentVersion, CConverterApp::kVersion);
    m_app.ShutDown();
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

void CConverterAppTest::catalogueIsRecordedSilently_data() {
    QTest::addColumn<QString>("stateHome");
    QTest::addColumn<bool>("recorded");
    QTest::newRow("recorded") << "state" << true;
    QTest::newRow("a file in the way, no word of it") << "file" << false;
}

void CConverterAppTest::catalogueIsRecordedSilently() {
    QFETCH(QString, stateHome);
    QFETCH(bool, recorded);
    WriteAll(m_work->filePath("file"), "x");
    const CScopedEnv state("XDG_STATE_HOME", m_work->filePath(stateHome).toStdString());
    QVERIFY(m_app.StartUp());
    m_app.ShutDown();
    const std::string absolute = QDir::current().absoluteFilePath(kDataFile).toStdString();
    QCOMPARE(CCatalogueRecord().Recorded(), recorded ? absolute : std::string());
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

void CConverterAppTest::convertOptionSetsTheWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fromUnit");
    QTest::addColumn<bool>("quickConversion");
    QTest::newRow("none") << QStringList{"tarvo", "-x", "2 yd in ft"} << "" << false;
    QTest::newRow("--convert QUERY")
        << QStringList{"tarvo", "--convert", "2 yd in ft"} << "yard (yd.)" << false;
    QTest::newRow("--convert=QUERY, the last one")
        << QStringList{"tarvo", "--convert=2 kg in g", "--convert=2 yd in ft"} << "yard (yd.)"
        << false;
    QTest::newRow("--convert alone") << QStringList{"tarvo", "--convert"} << "" << true;
}

void CConverterAppTest::convertOptionSetsTheWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, fromUnit);
    QFETCH(bool, quickConversion);
    QVERIFY(m_app.StartUp());
    m_app.Settings().m_storedVersion = CConverterApp::kVersion;  // no About box
    QString shown;
    const CModalGuard guard([&shown](QWidget& modal) {
        if (qobject_cast<CDlgMain*>(&modal) != nullptr) {
            shown = NamedChild<QComboBox>(modal, "fromUnitList")->currentText();
        }
        QMetaObject::invokeMethod(&modal, "reject");
    });
    m_app.RunMainWindow(CConverterApp::ConvertQuery(arguments));
    m_app.ShutDown();
    QCOMPARE(shown, fromUnit);
    QCOMPARE(guard.Handed().contains("CDlgQuickConversion"), quickConversion);
}

int main(int argc, char** argv) {
    QTemporaryDir store;
    const QString storePath = store.filePath(QStringLiteral("store.db"));
    CConverterApp app(argc, argv, storePath.toStdString());
    CConverterAppTest test(app, storePath);
    return QTest::qExec(&test, argc, argv);
}

#include "ConverterAppTest.moc"
