#include <sys/stat.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "catalogue/UnitMgr.h"
#include "tests/support/AllocationLimit.h"
#include "tests/support/FakeRatesTransfer.h"
#include "tests/support/ModalGuard.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgMain.h"
#include "ui/DlgRates.h"
#include "ui/Translation.h"

namespace {

const QString kData = QStringLiteral(TARVO_TEST_DATA "/");
const std::string kCurrency = "Currency";
const std::string kYen = "Japan (Yen)";
const QString kRefusal = QStringLiteral("The server refused the download.");
/// The largest block the tests that run out of memory can still get.
constexpr std::size_t kMemoryLeft = std::size_t{8} << 20;
// Rates and then blank lines, more than the memory left can hold.
const QByteArray kHuge = "Date, USD\n8 December 2026, 1.05\n" + QByteArray(kMemoryLeft, '\n');
// A date that a label taking markup would show as a red banner and a local image.
const QByteArray kMarkup =
    "<h1 style='color:red'>WARNING: call +1-555-0100</h1><img src='/usr/share/pixmaps/x.png'>";

QString Message(const CDlgRates& dialog) {
    return NamedChild<QLabel>(dialog, "messageLabel")->text();
}

/// Has the dialog download source (an address's path) or read it as a file.
void ReadInto(CDlgRates& dialog, bool download, const QString& source) {
    if (download) {
        NamedChild<QPushButton>(dialog, "downloadButton")->click();
    } else {
        dialog.ReadFile(source);
    }
}

double Coefficient(const CUnitMgr& catalogue, const std::string& unit) {
    return catalogue.GetUnit(catalogue.FindUnit(kCurrency, unit)).m_coefficient;
}

}  // namespace

class CDlgRatesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QFile daily(kData + "eurofxref-daily.xml");
        QVERIFY(daily.open(QIODevice::ReadOnly));
        m_transfers.Serve(Url("/daily.xml"), daily.readAll());
        m_transfers.Serve(Url("/garbage"), "<html>Moved</html>");
        m_transfers.Refuse(Url("/missing"), kRefusal);
        m_transfers.Serve(Url("/huge.csv"), kHuge);
        m_transfers.Serve(Url("/markup.csv"), "Date, USD, JPY\n" + kMarkup + ", 1.05, 160\n");
        QVERIFY(m_files.isValid());
        Write("no-dollar.csv", "Date, JPY\n8 December 2026, 160.21\n");
        Write("no-date.csv", "Date, USD\n, 1.05\n");
        Write("zero.csv", "Date, USD\n8 December 2026, 0\n");
        Write("empty.xml", "");
        Write("huge.csv", kHuge);
        Write("markup.csv", "Date, USD, JPY\n" + kMarkup + ", 1.05, 160\n");
        Write("markup-no-dollar.csv", "Date, JPY\n" + kMarkup + ", 160.21\n");
        QCOMPARE(::mkfifo(QFile::encodeName(m_files.filePath("fifo.xml")).constData(), 0600), 0);
    }

    void cleanup() { VerifyNoWindowLeft(); }

    void downloadShowsTheChangesAndApplyMakesThem() {
        CFakeApp app;
        const int yen = app.m_catalogue.FindUnit(kCurrency, kYen);
        CDlgRates dialog(app.m_catalogue, Url("/daily.xml"), nullptr, &m_transfers);
        dialog.show();
        auto* apply = NamedChild<QPushButton>(dialog, "applyButton");
        QVERIFY(apply->isHidden());
        NamedChild<QPushButton>(dialog, "downloadButton")->click();
        QTRY_VERIFY(apply->isVisible());
        QCOMPARE(NamedChild<QLabel>(dialog, "dateLabel")->text(),
                 QStringLiteral("Rates of 2026-12-08"));
        const auto* table = NamedChild<QTableWidget>(dialog, "changesTable");
        const QList<QTableWidgetItem*> yenRow =
            table->findItems(QString::fromStdString(kYen), Qt::MatchExactly);
        QCOMPARE(yenRow.size(), 1);
        QCOMPARE(table->item(yenRow.first()->row(), 1)->text(), QStringLiteral("110"));
        const QList<QTableWidgetItem*> zloty = table->findItems("Poland (Zloty)", Qt::MatchExactly);
        QCOMPARE(zloty.size(), 1);
        QCOMPARE(table->item(zloty.first()->row(), 1)->text(), QStringLiteral("new"));
        QVERIFY(!app.m_catalogue.IsModified());
        QCOMPARE(Coefficient(app.m_catalogue, kYen), 110.0);

        apply->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(app.m_catalogue.IsModified());
        QCOMPARE(app.m_catalogue.FindUnit(kCurrency, kYen), yen);
        QCOMPARE(Coefficient(app.m_catalogue, kYen), 160.21 / 1.0512);
        QCOMPARE(Coefficient(app.m_catalogue, "Poland (Zloty)"), 4.2715 / 1.0512);
    }

    void badInputChangesNothing_data() {
        QTest::addColumn<bool>("download");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("message");
        const QString folder = QDir::toNativeSeparators(m_files.path());
        QTest::newRow("folder") << false << m_files.path()
                                << folder + " is a folder, not a rates file. Nothing was changed.";
        QTest::newRow("missing")
            << false << m_files.filePath("none.xml")
            << folder + "/none.xml cannot be read: No such file or directory. Nothing was changed.";
        // Opened as a plain file, a pipe nobody writes to would hang the window.
        QTest::newRow("pipe") << false << m_files.filePath("fifo.xml")
                              << folder +
                                     "/fifo.xml is a pipe or a device, not a rates file. Nothing "
                                     "was changed.";
        QTest::newRow("unreadable")
            << false << "/proc/self/mem"
            << "/proc/self/mem cannot be read: Input/output error. Nothing was changed.";
        QTest::newRow("empty") << false << m_files.filePath("empty.xml")
                               << folder +
                                      "/empty.xml holds no rates that can be used: the rates file "
                                      "is empty. Nothing was changed.";
        QTest::newRow("no dollar")
            << false << m_files.filePath("no-dollar.csv")
            << "The rates of 8 December 2026 cannot be used: the rates file has no rate for USD. "
               "Nothing was changed.";
        QTest::newRow("no date") << false << m_files.filePath("no-date.csv")
                                 << folder +
                                        "/no-date.csv holds no rates that can be used: the rates "
                                        "file gives no date for its rates. Nothing was changed.";
        QTest::newRow("zero") << false << m_files.filePath("zero.csv")
                              << folder +
                                     "/zero.csv holds no rates that can be used: line 2: the rate "
                                     "of USD '0' is not a positive number. Nothing was changed.";
        QTest::newRow("download of no rates")
            << true << "/garbage"
            << Url("/garbage").toString() +
                   " holds no rates that can be used: not a reference-rate file: the XML holds "
                   "<html>, not an <Envelope> of rates. Nothing was changed.";
        QTest::newRow("failed download")
            << true << "/missing" << kRefusal + " Nothing was changed.";
        // Rows whose name ends so run with the memory left too small for the rates.
        QTest::newRow("download, out of memory")
            << true << "/huge.csv"
            << Url("/huge.csv").toString() +
                   " could not be read: there is not enough memory. Nothing was changed.";
        QTest::newRow("from file, out of memory")
            << false << m_files.filePath("huge.csv")
            << folder +
                   "/huge.csv could not be read: there is not enough memory. Nothing was "
                   "changed.";
    }
    void badInputChangesNothing() {
        QFETCH(bool, download);
        QFETCH(QString, source);
        QFETCH(QString, message);
        CFakeApp app;
        const std::string before = app.m_catalogue.SaveToBytes();
        CDlgRates dialog(app.m_catalogue, Url(source), nullptr, &m_transfers);
        dialog.show();
        std::optional<CAllocationLimit> limit;
        if (QByteArray(QTest::currentDataTag()).endsWith("out of memory")) {
            limit.emplace(kMemoryLeft);
        }
        ReadInto(dialog, download, source);
        QTRY_COMPARE(Message(dialog), message);
        QVERIFY(!limit || limit->Refused());
        QVERIFY(NamedChild<QPushButton>(dialog, "applyButton")->isHidden());
        QVERIFY(NamedChild<QPushButton>(dialog, "downloadButton")->isEnabled());
        QCOMPARE(NamedChild<QTableWidget>(dialog, "changesTable")->rowCount(), 0);
        QCOMPARE(app.m_catalogue.SaveToBytes(), before);
        QVERIFY(!app.m_catalogue.IsModified());
    }

    void outsideTextIsNeverMarkup_data() {
        QTest::addColumn<bool>("download");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        const QString markup = QString::fromLatin1(kMarkup);
        QTest::newRow("downloaded date") << true << "/markup.csv"
                                         << "dateLabel"
                                         << "Rates of " + markup;
        QTest::newRow("date from a file") << false << m_files.filePath("markup.csv") << "dateLabel"
                                          << "Rates of " + markup;
        QTest::newRow("date in the error line")
            << false << m_files.filePath("markup-no-dollar.csv") << "messageLabel"
            << "The rates of " + markup +
                   " cannot be used: the rates file has no rate for USD. Nothing was changed.";
    }
    void outsideTextIsNeverMarkup() {
        QFETCH(bool, download);
        QFETCH(QString, source);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        CFakeApp app;
        CDlgRates dialog(app.m_catalogue, Url(source), nullptr, &m_transfers);
        dialog.show();
        ReadInto(dialog, download, source);
        const QLabel* shownIn = NamedChild<QLabel>(dialog, label.toLatin1().constData());
        QTRY_COMPARE(shownIn->text(), shown);
        for (const QLabel* each : dialog.findChildren<QLabel*>()) {
            QVERIFY2(each->textFormat() == Qt::PlainText || !Qt::mightBeRichText(each->text()),
                     qPrintable(each->objectName()));
        }
    }

    void reasonsAreInTheWindowsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("de, bad rate") << "de"
                                      << "zero.csv"
                                      << "Zeile 2: der Kurs von USD '0' ist keine positive Zahl";
        QTest::newRow("de, no date") << "de"
                                     << "no-date.csv"
                                     << "die Kursdatei nennt kein Datum für ihre Kurse";
        QTest::newRow("de, no dollar") << "de"
                                       << "no-dollar.csv"
                                       << "die Kursdatei enthält keinen Kurs für USD";
        QTest::newRow("fi, bad rate") << "fi"
                                      << "zero.csv"
                                      << "rivi 2: valuutan USD kurssi '0' ei ole positiivinen luku";
        QTest::newRow("fi, empty") << "fi"
                                   << "empty.xml"
                                   << "kurssitiedosto on tyhjä";
    }
    void reasonsAreInTheWindowsLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        CTranslation translation;
        translation.Install({language});
        CFakeApp app;
        CDlgRates dialog(app.m_catalogue, Url("/daily.xml"), nullptr, &m_transfers);
        dialog.show();
        dialog.ReadFile(m_files.filePath(file));
        QVERIFY2(Message(dialog).contains(reason), qPrintable(Message(dialog)));
    }

    void cancelAfterReadingChangesNothing() {
        CFakeApp app;
        const std::string before = app.m_catalogue.SaveToBytes();
        CDlgRates dialog(app.m_catalogue, Url("/daily.xml"), nullptr, &m_transfers);
        dialog.show();
        dialog.ReadFile(kData + "eurofxref-sample.csv");
        QVERIFY(NamedChild<QPushButton>(dialog, "applyButton")->isVisible());
        NamedChild<QPushButton>(dialog, "cancelButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(app.m_catalogue.SaveToBytes(), before);
        QVERIFY(!app.m_catalogue.IsModified());
    }

    void mainWindowKeepsItsUnitsAndConvertsAnew() {
        CFakeApp app;
        app.m_settings.m_decimalPrecision = 3;
        CDlgMain window(app);
        window.show();
        auto* typeList = NamedChild<QComboBox>(window, "typeList");
        auto* fromList = NamedChild<QComboBox>(window, "fromUnitList");
        auto* toList = NamedChild<QComboBox>(window, "toUnitList");
        auto* fromBox = NamedChild<QLineEdit>(window, "fromNumberBox");
        for (auto [list, text] :
             {std::pair{typeList, "Currency"}, std::pair{fromList, "U.S.A. (Dollar)"},
              std::pair{toList, "Japan (Yen)"}}) {
            list->setFocus();
            list->setCurrentIndex(list->findText(QString::fromLatin1(text)));
            emit list->activated(list->currentIndex());
        }
        fromBox->setFocus();
        QTest::keyClicks(fromBox, "2");
        QCOMPARE(NamedChild<QLineEdit>(window, "toNumberBox")->text(), QStringLiteral("220"));

        const QList<QAction*> tools = NamedChild<QMenu>(window, "menuTools")->actions();
        QCOMPARE(tools.at(0)->text(), QStringLiteral("&Options..."));
        QCOMPARE(tools.at(1)->text(), QStringLiteral("Update Currency &Rates..."));
        QCOMPARE(tools.at(2)->text(), QStringLiteral("&Quick Conversion..."));
        QVERIFY(tools.at(3)->isSeparator());
        const CModalGuard guard([](QWidget& modal) {
            if (auto* dialog = qobject_cast<CDlgRates*>(&modal)) {
                dialog->ReadFile(kData + "eurofxref-daily.xml");
                NamedChild<QPushButton>(*dialog, "applyButton")->click();
            }
        });
        tools.at(1)->trigger();
        QVERIFY2(!guard.TimedOut(), "Apply left the Currency Rates dialog open");
        QVERIFY2(guard.Handed().contains(QStringLiteral("CDlgRates")),
                 "no Currency Rates dialog opened");

        QCOMPARE(typeList->currentText(), QStringLiteral("Currency"));
        QCOMPARE(fromList->currentText(), QStringLiteral("U.S.A. (Dollar)"));
        QCOMPARE(toList->currentText(), QStringLiteral("Japan (Yen)"));
        QVERIFY(fromList->findText("Poland (Zloty)") >= 0);
        QCOMPARE(NamedChild<QLineEdit>(window, "toNumberBox")->text(),
                 QStringLiteral("304.814"));  // 2 × 160.21 ÷ 1.0512
        QVERIFY(app.m_catalogue.IsModified());
    }

private:
    void Write(const QString& name, const QByteArray& text) {
        QFile file(m_files.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    static QUrl Url(const QString& path) { return QUrl("https://rates.test" + path); }

    CFakeRatesTransfers m_transfers;
    QTemporaryDir m_files;
};

QTEST_MAIN(CDlgRatesTest)
#include "DlgRatesTest.moc"
