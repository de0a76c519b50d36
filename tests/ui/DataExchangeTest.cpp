#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "tests/support/WindowTestSupport.h"
#include "ui/DataExchange.h"
#include "ui/MessageBox.h"

/// The page exchange on real controls: sorting and matching without regard to letter
/// case, writes that change only what differs, and the length check.
class CDataExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CloseStrayBoxesWhileAlive(this); }
    void cleanup() { VerifyNoWindowLeft(); }

    void fillSortsWithoutSelection();
    void writeListValue_data();
    void writeListValue();
    void addSortedKeepsOrderAndSelection();
    void writeTextKeepsCaret();
    void checkLength();
};

namespace {

const QStringList kUnits{"yard", "Foot", "foot (ft.)", "inch", "FOOT", "acre"};

}  // namespace

void CDataExchangeTest::fillSortsWithoutSelection() {
    QComboBox list;
    QSignalSpy activated(&list, &QComboBox::activated);
    DataExchange::FillSorted(&list, kUnits);
    QStringList shown;
    for (int i = 0; i < list.count(); ++i) {
        shown << list.itemText(i);
    }
    // Entries equal but for case stay in the order they were given.
    QCOMPARE(shown, (QStringList{"acre", "Foot", "FOOT", "foot (ft.)", "inch", "yard"}));
    QCOMPARE(list.currentIndex(), -1);
    QCOMPARE(DataExchange::ReadListValue(&list), QString());
    list.setCurrentIndex(2);
    DataExchange::FillSorted(&list, {"b", "a"});
    QCOMPARE(list.currentIndex(), -1);
    QCOMPARE(activated.count(), 0);
}

void CDataExchangeTest::writeListValue_data() {
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("read");

    // The list starts with "inch" selected.
    QTest::newRow("prefix, any case") << false << "FOOT ("
                                      << "foot (ft.)";
    QTest::newRow("first of equals") << false << "foot"
                                     << "Foot";
    QTest::newRow("empty clears") << false << ""
                                  << "";
    QTest::newRow("no match keeps") << false << "mile"
                                    << "inch";
    QTest::newRow("editable, match") << true << "YA"
                                     << "yard";
    QTest::newRow("editable, no match sets text") << true << "mile"
                                                  << "mile";
    QTest::newRow("editable, empty clears") << true << ""
                                            << "";
}

void CDataExchangeTest::writeListValue() {
    QFETCH(bool, editable);
    QFETCH(QString, value);
    QFETCH(QString, read);
    QComboBox list;
    list.setEditable(editable);
    DataExchange::FillSorted(&list, kUnits);
    DataExchange::WriteListValue(&list, QStringLiteral("inch"));
    QCOMPARE(DataExchange::ReadListValue(&list), QStringLiteral("inch"));
    DataExchange::WriteListValue(&list, value);
    QCOMPARE(DataExchange::ReadListValue(&list), read);
}

void CDataExchangeTest::addSortedKeepsOrderAndSelection() {
    for (const bool filled : {false, true}) {
        QComboBox list;
        if (filled) {
            DataExchange::FillSorted(&list, kUnits);
        } else {
            list.addItems({"acre", "inch", "yard"});  // a list filled elsewhere, in order
            list.setCurrentIndex(-1);
        }
        DataExchange::AddSorted(&list, QStringLiteral("Mile"));
        QCOMPARE(list.currentIndex(), -1);
        DataExchange::WriteListValue(&list, QStringLiteral("yard"));
        DataExchange::AddSorted(&list, QStringLiteral("Barrel"));
        QCOMPARE(list.itemText(list.findText("Mile") - 1), QStringLiteral("inch"));
        QCOMPARE(list.itemText(1), QStringLiteral("Barrel"));
        QCOMPARE(DataExchange::ReadListValue(&list), QStringLiteral("yard"));
        QCOMPARE(DataExchange::FindPrefix(&list, QStringLiteral("mi")), list.findText("Mile"));
    }
    QComboBox empty;
    DataExchange::AddSorted(&empty, QStringLiteral("only"));
    QCOMPARE(empty.currentIndex(), -1);
}

void CDataExchangeTest::writeTextKeepsCaret() {
    QLineEdit edit(QStringLiteral("12.5"));
    edit.setCursorPosition(2);
    QSignalSpy edited(&edit, &QLineEdit::textEdited);
    DataExchange::WriteText(&edit, QStringLiteral("12.5"));
    QCOMPARE(edit.cursorPosition(), 2);
    DataExchange::WriteText(&edit, QStringLiteral("7"));
    QCOMPARE(edit.text(), QStringLiteral("7"));
    QCOMPARE(edited.count(), 0);
}

void CDataExchangeTest::checkLength() {
    CMessageBox::Reset();
    QLineEdit edit(QString(33, QLatin1Char('9')));
    QVERIFY(DataExchange::CheckLength(&edit, QString(32, QLatin1Char('9'))));
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    QVERIFY(!DataExchange::CheckLength(&edit, edit.text()));
    QCOMPARE(CMessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("Please enter no more than 32 characters.")});
    QCOMPARE(CMessageBox::TakeShownIcons(),
             QList<CMessageBox::Icon>{CMessageBox::Icon::Exclamation});
    QCOMPARE(edit.selectedText(), edit.text());
}

QTEST_MAIN(CDataExchangeTest)
#include "DataExchangeTest.moc"
