#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include "tests/support/WindowTestSupport.h"
#include "ui/MessageBox.h"

class CMessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { VerifyNoWindowLeft(); }

    void boxFitsTheScreenAndShowsNoMarkup_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("a whole line of a file")
            << "Line 2 cannot be read: " + QString(5'000'000, QLatin1Char('W'));
        QTest::newRow("a long file name")
            << "/tmp/" + QString(3000, QLatin1Char('n')) + ".csv cannot be read: it is empty.";
        QTest::newRow("many words") << QString("word ").repeated(100'000);
        QTest::newRow("markup") << "<h1 style='color:red'>WARNING</h1><img src='x.png'>";
    }
    void boxFitsTheScreenAndShowsNoMarkup() {
        QFETCH(QString, text);
        int width = -1;
        int available = 0;
        Qt::TextFormat format = Qt::AutoText;
        const CModalGuard guard([&](QWidget& modal) {
            available = modal.screen()->availableGeometry().width();
            width = modal.frameGeometry().width();
            if (const auto* label = modal.findChild<QLabel*>("qt_msgbox_label")) {
                format = label->textFormat();
            }
            qobject_cast<QMessageBox*>(&modal)->accept();
        });
        CMessageBox::Show(nullptr, CMessageBox::Icon::Exclamation, text);
        QCOMPARE(guard.Handed(), QStringList{"QMessageBox"});
        QVERIFY2(width <= available, qPrintable(QString("%1 > %2").arg(width).arg(available)));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{text});
    }
};

QTEST_MAIN(CMessageBoxTest)
#include "MessageBoxTest.moc"
