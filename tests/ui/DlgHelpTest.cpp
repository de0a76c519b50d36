#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "tests/support/WindowTestSupport.h"
#include "ui/DlgHelp.h"
#include "ui/HelpKeyFilter.h"
#include "ui/TextResource.h"

namespace {

/// One paragraph of the help text: an optional lead line and the list lines under it.
struct Paragraph {
    QString lead;
    QStringList list;
};

struct Section {
    QString heading;
    QList<Paragraph> paragraphs;
};

/// Lays the help text out: one blank line after a heading and between paragraphs, two
/// between sections, list lines indented by four spaces, CR LF after every line.
QByteArray Layout(const QList<Section>& sections) {
    QStringList lines;
    for (const Section& section : sections) {
        if (!lines.isEmpty()) {
            lines << ""
                  << "";
        }
        lines << section.heading << "";
        for (qsizetype p = 0; p < section.paragraphs.size(); ++p) {
            const Paragraph& paragraph = section.paragraphs[p];
            if (p > 0) {
                lines << "";
            }
            if (!paragraph.lead.isEmpty()) {
                lines << paragraph.lead;
            }
            for (const QString& item : paragraph.list) {
                lines << "    " + item;
            }
        }
    }
    return (lines.join("\r\n") + "\r\n").toLatin1();
}

QByteArray ExpectedHelp() {
    return Layout({
        {"INTRODUCTION",
         {{"This application allows you to convert between different units of measurement.", {}},
          {"To make a conversion, select the category of units you wish to use.  Then, select "
           "the starting and ending units in the two combo boxes marked \"Units\".  Finally, "
           "enter a value into the corresponding \"Numbers\" edit box.  The conversion will be "
           "displayed immediately in the other edit box.",
           {}}}},
        {"MENU",
         {{"Exit!: Exit the application.", {}},
          {"Tools:",
           {"- Options: Modify application options.",
            "- DAVORU Units Solver: Convert from A to C (knowing A to B and B to C).",
            "- Calculator: Run the Windows calculator."}},
          {"Help:",
           {"- Contents: Display this window.",
            "- About Tarvo: Display information about this product."}}}},
        {"OPTIONS",
         {{"The options dialog has two tabs.  The first tab (View) allows you to set options "
           "about the window.",
           {"- Reload last units: Load the units used in the last session.",
            "- Always on top: Keep this window on top of all other windows.",
            "- Decimal precision: The number of decimal point to show."}},
          {"The second tab (Units) allows you to customize your units.",
           {"- Type: Select a category of units.",
            "- Unit: Select a unit of measurement from the current category.",
            "- Base: The base unit that is used for calculation.",
            "- Coeficient: The relationship of the selected unit to the base unit."}},
          {"",
           {"- Remove Type: Remove the currently selected type of units.",
            "- Update Unit: Update the selected unit of measurement using the value in the "
            "\"Coefficient\" text box.",
            "- Add Unit: Add a new unit using the values specified by the \"Unit\" and "
            "\"Coefficient\" text boxes.",
            "- Remove Unit: Remove the currently selected unit of measurement."}},
          {"", {"- Defaults: Restore the factory settings."}}}},
        {"TIPS",
         {{"",
           {"- You can customize and add units of measurement in the \"Units\" tab of the "
            "Options dialog box."}}}},
        {"EXAMPLES",
         {{"(A) You want to add a new type of measurement for data.",
           {"1- Select Options from the Tools menu.  Go to the \"Units\" tab.",
            "2- Type \"Data\" into the \"Type\" combobox.",
            "3- Type \"Bit\" into the \"Unit\" combobox.",
            "4- Type \"1\" into the \"Coeficient\" text box.",
            "5- Click the \"Add Unit\" button."}},
          {"(B) You want to add a new unit of measurement for the \"Data\" type.",
           {"1- Enter the new type as shown in example (A).",
            "2- Type \"Byte\" into the \"Unit\" combobox.",
            "3- Type \".125\" into the \"Coeficient\" text box (1 bit = 0.125 bytes).",
            "4- Click the \"Add Unit\" button."}},
          {"You now have the ability to convert bits to bytes.", {}}}},
        {"MORE TOOLS",
         {{"The \"Units\" tab of the Options dialog has three more buttons.  What they change "
           "is kept when you click OK.",
           {"- Import: Add the units of a unit table file, or update the units it shares with "
            "yours.",
            "- Export: Write all your units to a unit table file.",
            "- Unit Sets: Add whole sets of units that come with Tarvo, one type to a set."}},
          {"Tools:",
           {"- Update Currency Rates: Bring the rates of the currencies up to date from the "
            "European Central Bank, downloaded or read from a file."}},
          {"Each time your units are saved, the file they replace is kept as a backup in "
           "~/.local/state/tarvo/backups; the last 10 stay.  \"tarvo-convert --backups\" lists "
           "them, and \"tarvo-convert --restore N\" makes backup N your units again.",
           {}}}},
    });
}

QList<CDlgHelp*> OpenHelpWindows() {
    QList<CDlgHelp*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<CDlgHelp*>(w); help && help->isVisible()) {
            open << help;
        }
    }
    return open;
}

void CloseHelpWindows() {
    for (CDlgHelp* help : OpenHelpWindows()) {
        help->reject();
    }
}

}  // namespace

class DlgHelpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Tarvo"); }
    void cleanup() { VerifyNoWindowLeft(); }

    void resourceHoldsTheHelpText();
    void textEndsAtNulLessCode2_data();
    void textEndsAtNulLessCode2();
    void disclaimerBeginsWithItsHeading();
    void missingResourceFails();
    void windowShowsTheTextReadOnlyFromTheTop();
    void closeHasTheFocusAndAnswersEnterAndEscape_data();
    void closeHasTheFocusAndAnswersEnterAndEscape();
    void helpKeyOpensOneWindowAtATime();
};

void DlgHelpTest::resourceHoldsTheHelpText() {
    InitResources();
    QFile file(":/text/HELP");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray expected = ExpectedHelp();
    // Compared line by line first, so a failure names the line.
    const QList<QByteArray> got = bytes.split('\n');
    const QList<QByteArray> want = expected.split('\n');
    for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i) {
        QCOMPARE(got[i], want[i]);
    }
    QCOMPARE(bytes, expected);
    QCOMPARE(LoadTextResource("HELP"), std::optional<QString>(QString::fromLatin1(expected)));
}

void DlgHelpTest::textEndsAtNulLessCode2_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QByteArray("ab\r\n") << "ab\r\n";
    QTest::newRow("NUL ends it") << QByteArray("ab\0cd", 5) << "ab";
    QTest::newRow("code 2 dropped") << QByteArray("ab\x02") << "ab";
    QTest::newRow("code 2 before NUL") << QByteArray("ab\x02\0\x02", 5) << "ab";
    QTest::newRow("only the last code 2") << QByteArray("a\x02\x02") << "a\x02";
    QTest::newRow("code 2 inside kept") << QByteArray(
                                               "a\x02"
                                               "b")
                                        << "a\x02"
                                           "b";
    QTest::newRow("single bytes") << QByteArray("\xe9") << QString(QChar(0xE9));
    QTest::newRow("empty") << QByteArray() << "";
}

void DlgHelpTest::textEndsAtNulLessCode2() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextFromResourceBytes(bytes), text);
}

void DlgHelpTest::disclaimerBeginsWithItsHeading() {
    const std::optional<QString> text = LoadTextResource("AboutDis");
    QVERIFY(text);
    QVERIFY(text->startsWith("DISCLAIMER:\r\n"));
    QVERIFY(text->endsWith("\r\n"));
}

void DlgHelpTest::missingResourceFails() {
    QCOMPARE(LoadTextResource("NOSUCH"), std::nullopt);
}

void DlgHelpTest::windowShowsTheTextReadOnlyFromTheTop() {
    CDlgHelp dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Tarvo Help"));
    auto* text = NamedChild<QPlainTextEdit>(dlg, "editText");
    QVERIFY(text->isReadOnly());
    // The CR LF line ends show as plain line breaks, not as doubled ones.
    QCOMPARE(text->toPlainText(), QString::fromLatin1(ExpectedHelp()).replace("\r\n", "\n"));
    QCOMPARE(text->verticalScrollBar()->value(), 0);
    QVERIFY(text->verticalScrollBar()->maximum() > 0);
    const QString shown = text->toPlainText();
    QTest::keyClicks(text, "x");
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(text->toPlainText(), shown);
}

void DlgHelpTest::closeHasTheFocusAndAnswersEnterAndEscape_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void DlgHelpTest::closeHasTheFocusAndAnswersEnterAndEscape() {
    QFETCH(int, key);
    CDlgHelp dlg;
    QWidget* focus = nullptr;
    const CModalGuard guard([&](QWidget& modal) {
        focus = modal.focusWidget();
        QTest::keyClick(focus, Qt::Key(key));
    });
    dlg.exec();
    QVERIFY(!guard.TimedOut());
    QCOMPARE(focus, NamedChild<QPushButton>(dlg, "buttonClose"));
    QVERIFY(!dlg.isVisible());
}

void DlgHelpTest::helpKeyOpensOneWindowAtATime() {
    CFakeApp app;
    app.m_onHelp = &CDlgHelp::RunHelpCommand;
    CHelpKeyFilter filter(app);
    qApp->installEventFilter(&filter);
    QWidget main;
    main.show();
    qsizetype mostOpen = 0;
    {
        // The key is pressed again in the open window. A second window would be handed over
        // too, while the first is still open; closing them all lets both key presses return.
        const CModalGuard guard([&mostOpen](QWidget& modal) {
            mostOpen = std::max(mostOpen, OpenHelpWindows().size());
            if (mostOpen == 1) {
                QTest::keyClick(modal.focusWidget(), Qt::Key_F1);
            }
            CloseHelpWindows();
        });
        QTest::keyClick(&main, Qt::Key_F1);
        QVERIFY(!guard.TimedOut());
        QCOMPARE(guard.Handed(), QStringList{QStringLiteral("CDlgHelp")});
    }
    QCOMPARE(mostOpen, 1);

    // Once it has closed, the key opens a window again.
    const CModalGuard guard([](QWidget&) { CloseHelpWindows(); });
    QTest::keyClick(&main, Qt::Key_F1);
    QCOMPARE(guard.Handed(), QStringList{QStringLiteral("CDlgHelp")});
    qApp->removeEventFilter(&filter);
}

QTEST_MAIN(DlgHelpTest)
#include "DlgHelpTest.moc"
