// Import... and Export... on the Units page, with the file dialog answered in advance: a
// good table joins the working catalogue, every bad file or place is named in a warning
// and leaves the working catalogue exactly as it was.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <csignal>
#include <functional>
#include <sstream>

#include "formats/UnitTable.h"
#include "tests/support/AllocationLimit.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgOptions.h"
#include "ui/DlgOptionsUnits.h"
#include "ui/FileChooser.h"
#include "ui/MessageBox.h"
#include "ui/Translation.h"

namespace {

const QByteArray kHeader = "type\tunit\tcoefficient\toffset\n";
/// The largest block the tests that run out of memory can still get.
constexpr std::size_t kMemoryLeft = std::size_t{8} << 20;

/// Makes the file or place a case imports, in the scratch folder given.
using MakeFile = std::function<QString(const QTemporaryDir&)>;

/// An open Options sheet on its Units page.
struct CSheetOnUnits {
    explicit CSheetOnUnits(CFakeApp& app) : sheet(nullptr, app) {
        sheet.findChild<QTabWidget*>()->setCurrentIndex(1);
        sheet.show();
    }
    ~CSheetOnUnits() { sheet.close(); }

    CUnitMgr& Working() const { return sheet.Units().WorkingCatalogue(); }
    /// Presses the button with path chosen in the file dialog it opens.
    void Press(const char* button, const QString& path) const {
        CFileChooser::SetNextChoice(path);
        QTest::mouseClick(NamedChild<QPushButton>(sheet, button), Qt::LeftButton);
    }

    CDlgOptions sheet;
};

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

}  // namespace

Q_DECLARE_METATYPE(MakeFile)

class DlgOptionsUnitsFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CloseStrayBoxesWhileAlive(this); }
    void init() {
        CMessageBox::Reset();
        CFileChooser::Reset();
    }
    void cleanup() { VerifyNoWindowLeft(); }

    void importAddsAndUpdatesUnits() {
        CFakeApp app;
        QTemporaryDir dir;
        const QString path = WriteFile(dir, "good.tsv",
                                       kHeader +
                                           "Distance\tinch (in.)\t1\t0\n"    // as it is
                                           "Distance\tfoot (ft.)\t0.5\t0\n"  // updated
                                           "Data\tbyte\t1\t0\nData\tbit\t8\t0\n");
        const QByteArray factory = QByteArray::fromStdString(app.m_catalogue.SaveToBytes());
        CSheetOnUnits page(app);
        auto* type = NamedChild<QComboBox>(page.sheet, "typeBox");
        TypeInto(type->lineEdit(), "Distance");
        page.Press("importButton", path);

        QCOMPARE(CMessageBox::TakeShownTexts(),
                 QStringList{"Added 2 units and updated 1 units from good.tsv."});
        QCOMPARE(CMessageBox::TakeShownIcons(), QList{CMessageBox::Icon::Information});
        QVERIFY(page.Working().IsModified());
        QCOMPARE(page.Working().GetCount(), app.m_catalogue.GetCount() + 2);
        const int foot = page.Working().FindUnit("Distance", "foot (ft.)");
        QCOMPARE(page.Working().GetUnit(foot).m_coefficient, 0.5);
        // As after Defaults: the types listed anew, every box empty.
        QVERIFY(type->findText("Data") >= 0);
        QCOMPARE(type->currentText(), QString());
        QCOMPARE(NamedChild<QComboBox>(page.sheet, "unitBox")->count(), 0);
        // Until OK the application's catalogue stays as it was.
        QCOMPARE(QByteArray::fromStdString(app.m_catalogue.SaveToBytes()), factory);
    }

    void cancelledDialogsChangeNothing() {
        CFakeApp app;
        CSheetOnUnits page(app);
        page.Press("importButton", QString());
        page.Press("exportButton", QString());
        QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
        QVERIFY(!page.Working().IsModified());
        // Export proposes its file in the home folder.
        QCOMPARE(CFileChooser::TakeStartPaths().last(), QDir::home().filePath("Tarvo units.tsv"));
    }

    void badImportIsRefused_data() {
        QTest::addColumn<MakeFile>("make");
        QTest::addColumn<QString>("cause");
        QTest::newRow("bad line") << MakeFile([](const QTemporaryDir& dir) {
            return WriteFile(dir, "bad.tsv", kHeader + "Data\tbyte\t1\t0\nData\tbit\tx\t0\n");
        }) << "Line 3: the coefficient 'x' is not a number.";
        QTest::newRow("binary") << MakeFile([](const QTemporaryDir& dir) {
            return WriteFile(dir, "a.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        }) << "It is not a text file.";
        QTest::newRow("not UTF-8") << MakeFile([](const QTemporaryDir& dir) {
            return WriteFile(dir, "latin1.tsv", kHeader + "Angle\tdegr\xe9\t1\t0\n");
        }) << "Line 2 is not UTF-8 text.";
        QTest::newRow("empty") << MakeFile([](const QTemporaryDir& dir) {
            return WriteFile(dir, "empty.tsv", {});
        }) << "It is empty.";
        QTest::newRow("folder") << MakeFile([](const QTemporaryDir& dir) { return dir.path(); })
                                << "It is a folder, not a file.";
        QTest::newRow("FIFO") << MakeFile([](const QTemporaryDir& dir) {
            const QString path = dir.filePath("fifo");
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
            return path;
        }) << "It is not a file but a pipe, a device or a socket.";
        QTest::newRow("device") << MakeFile([](const QTemporaryDir&) {
            return QStringLiteral("/dev/zero");
        }) << "It is not a file but a pipe, a device or a socket.";
        QTest::newRow("read fails") << MakeFile([](const QTemporaryDir&) {
            return QStringLiteral("/proc/self/mem");  // a file whose first read fails
        }) << "It cannot be read: Input/output error.";
        QTest::newRow("missing") << MakeFile([](const QTemporaryDir& dir) {
            return dir.filePath("typed by hand.tsv");
        }) << "It cannot be opened: No such file or directory.";
        if (::geteuid() != 0) {  // root reads whatever the mode says
            QTest::newRow("no permission") << MakeFile([](const QTemporaryDir& dir) {
                const QString path = WriteFile(dir, "locked.tsv", kHeader);
                QFile::setPermissions(path, {});
                return path;
            }) << "It cannot be opened: Permission denied.";
        }
        QTest::newRow("over 256 MiB") << MakeFile([](const QTemporaryDir& dir) {
            const QString path = WriteFile(dir, "huge.tsv", kHeader);
            QFile(path).resize((qint64{256} << 20) + 1);  // sparse: no disk space taken
            return path;
        }) << "It is larger than 256 MiB, too large for a unit table.";
    }

    void badImportIsRefused() {
        QFETCH(MakeFile, make);
        QFETCH(QString, cause);
        CFakeApp app;
        QTemporaryDir dir;
        const QString path = make(dir);
        CSheetOnUnits page(app);
        page.Working().AddOrUpdateUnit(CUnit("Data", "byte", 1, 0));  // an edit before
        const std::string before = page.Working().SaveToBytes();
        page.Press("importButton", path);
        QCOMPARE(CMessageBox::TakeShownTexts(),
                 QStringList{"The units in " + path + " could not be imported.\n\n" + cause +
                             "\n\nYour units are unchanged."});
        QCOMPARE(CMessageBox::TakeShownIcons(), QList{CMessageBox::Icon::Exclamation});
        QCOMPARE(page.Working().SaveToBytes(), before);
        QVERIFY(page.Working().IsModified());
    }

    void reasonsAreInTheWindowsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("reason");
        QTest::newRow("de, coefficient") << "de" << QByteArray("Data\tbit\tx\t0\n")
                                         << "Zeile 2: der Koeffizient 'x' ist keine Zahl.";
        QTest::newRow("fi, unit name")
            << "fi" << QByteArray("Data\t\t1\t0\n") << "Rivi 2: yksikön nimi on tyhjä.";
    }
    void reasonsAreInTheWindowsLanguage() {
        QFETCH(QString, language);
        QFETCH(QByteArray, lines);
        QFETCH(QString, reason);
        CTranslation translation;
        translation.Install({language});
        CFakeApp app;
        QTemporaryDir dir;
        CSheetOnUnits page(app);
        page.Press("importButton", WriteFile(dir, "bad.tsv", kHeader + lines));
        const QStringList shown = CMessageBox::TakeShownTexts();
        QVERIFY2(shown.size() == 1 && shown[0].contains(reason), qPrintable(shown.join('\n')));
    }

    void runningOutOfMemoryChangesNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");  // %1: the file
        QTest::newRow("import") << "importButton"
                                << "The units in %1 could not be imported.\n\nThere is not "
                                   "enough memory to read it.\n\nYour units are unchanged.";
        QTest::newRow("unit sets") << "unitSetsButton"
                                   << "The unit sets could not be added: there is not enough "
                                      "memory.\n\nYour units are unchanged.";
    }
    void runningOutOfMemoryChangesNothing() {
        QFETCH(QString, button);
        QFETCH(QString, message);
        CFakeApp app;
        QTemporaryDir dir;
        // A header and blank lines, more than the memory left can hold.
        const QString path =
            WriteFile(dir, "blank.tsv", kHeader + QByteArray(kMemoryLeft + 1, '\n'));
        app.m_unitSetFolder = dir.path();
        CSheetOnUnits page(app);
        page.Working().AddOrUpdateUnit(CUnit("Data", "byte", 1, 0));  // an edit before
        const std::string before = page.Working().SaveToBytes();
        const CAllocationLimit limit(kMemoryLeft);
        page.Press(button.toLatin1().constData(), path);
        QVERIFY(limit.Refused());
        QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{message.arg(path)});
        QCOMPARE(CMessageBox::TakeShownIcons(), QList{CMessageBox::Icon::Exclamation});
        QCOMPARE(page.Working().SaveToBytes(), before);
        QVERIFY(page.Working().IsModified());
    }

    void exportWritesTheWorkingCatalogue() {
        CFakeApp app;
        QTemporaryDir dir;
        CSheetOnUnits page(app);
        page.Working().AddOrUpdateUnit(CUnit("Data", "tab\there", 8, 0));
        const QString path = dir.filePath("Tarvo units.tsv");
        page.Press("exportButton", path);
        QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
        std::ostringstream expected;
        CUnitTable::Write(expected, page.Working().Units());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), expected.str());
    }

    void badExportIsRefused_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<qint64>("fileSizeLimit");
        QTest::newRow("folder") << ""
                                << "Is a directory" << qint64{-1};
        QTest::newRow("missing folder") << "none/units.tsv"
                                        << "No such file or directory" << qint64{-1};
        // A file size limit stands in for a full disk: the write fails midway.
        QTest::newRow("full disk") << "units.tsv"
                                   << "File too large" << qint64{4096};
    }

    void badExportIsRefused() {
        QFETCH(QString, place);
        QFETCH(QString, cause);
        QFETCH(qint64, fileSizeLimit);
        CFakeApp app;
        QTemporaryDir dir;
        CSheetOnUnits page(app);
        const QString path = place.isEmpty() ? dir.path() : dir.filePath(place);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        if (fileSizeLimit >= 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(fileSizeLimit), old.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        page.Press("exportButton", path);
        ::setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{"Your units could not be exported to " +
                                                            path + ".\n\n" + cause + "."});
        QCOMPARE(CMessageBox::TakeShownIcons(), QList{CMessageBox::Icon::Exclamation});
        // Nothing half written is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    }
};

QTEST_MAIN(DlgOptionsUnitsFilesTest)
#include "DlgOptionsUnitsFilesTest.moc"
