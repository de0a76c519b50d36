#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "tests/support/WindowTestSupport.h"
#include "ui/DlgAbout.h"

namespace {

/// What one About box showed while it was open.
struct Seen {
    QWidget* parent = nullptr;
    QString focusText;
    QString caption;
    QString title;
    QString description;
    QString disclaimer;
    int disclaimerPixelSize = 0;
    bool hasIcon = false;
    bool closed = false;
};

/// Runs the About command; once the box is up, records what it shows into seen and presses
/// Enter. Fails the test when no About box opens or Enter leaves it open.
void RunAbout(std::uint32_t version, Seen& seen) {
    CModalGuard guard([&seen](QWidget& modal) {
        auto* about = qobject_cast<CDlgAbout*>(&modal);
        if (about == nullptr) {
            return;
        }
        seen.parent = about->parentWidget();
        auto* focus = qobject_cast<QPushButton*>(about->focusWidget());
        seen.focusText = focus ? focus->text() : QString();
        seen.caption = about->windowTitle();
        seen.title = NamedChild<QLabel>(*about, "labelTitle")->text();
        seen.description = NamedChild<QLabel>(*about, "labelDescription")->text();
        const QLabel* disclaimer = NamedChild<QLabel>(*about, "labelDisclaimer");
        seen.disclaimer = disclaimer->text();
        seen.disclaimerPixelSize = disclaimer->font().pixelSize();
        seen.hasIcon = !NamedChild<QLabel>(*about, "labelIcon")->pixmap().isNull();
        QTest::keyClick(about->focusWidget(), Qt::Key_Return);
        seen.closed = !about->isVisible();
    });
    CDlgAbout::RunAboutCommand(version);
    QVERIFY2(guard.Handed().contains(QStringLiteral("CDlgAbout")), "no About box opened");
    QVERIFY2(!guard.TimedOut(), "the About box was still open at the deadline");
}

}  // namespace

class DlgAboutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Tarvo"); }
    void cleanup() { VerifyNoWindowLeft(); }

    void showsNameVersionAndBuild();
    void titleCarriesMajorDotMinor_data();
    void titleCarriesMajorDotMinor();
    void opensOverTheWindowInUse();
};

void DlgAboutTest::showsNameVersionAndBuild() {
    Seen seen;
    RunAbout(65542, seen);
    QVERIFY(seen.closed);
    QCOMPARE(seen.caption, QStringLiteral("About Tarvo"));
    QCOMPARE(seen.title, QStringLiteral("Tarvo v1.6"));
    QCOMPARE(seen.description, QStringLiteral("Dov32 Evaru Dozozavud\nBuilt on Nov 30 1996"));
    QVERIFY(seen.disclaimer.startsWith("DISCLAIMER:\r\n"));
    QCOMPARE(seen.disclaimerPixelSize, 9);
    QVERIFY(seen.hasIcon);
    QCOMPARE(seen.focusText, QStringLiteral("OK"));
}

void DlgAboutTest::titleCarriesMajorDotMinor_data() {
    QTest::addColumn<uint>("version");
    QTest::addColumn<QString>("title");
    QTest::newRow("1.6") << 0x00010006u << "Tarvo v1.6";
    QTest::newRow("minor 10") << 0x0002000Au << "Tarvo v2.10";
    QTest::newRow("zero") << 0u << "Tarvo v0.0";
    QTest::newRow("largest") << 0xFFFFFFFFu << "Tarvo v65535.65535";
}

void DlgAboutTest::titleCarriesMajorDotMinor() {
    QFETCH(uint, version);
    QFETCH(QString, title);
    Seen seen;
    RunAbout(version, seen);
    QCOMPARE(seen.title, title);
}

void DlgAboutTest::opensOverTheWindowInUse() {
    QWidget main;
    main.show();
    QDialog sheet(&main);
    Seen seen;
    const CModalGuard guard([&](QWidget& modal) {
        if (&modal == &sheet) {
            RunAbout(65542, seen);
            sheet.reject();
        }
    });
    sheet.exec();
    QVERIFY(!guard.TimedOut());
    QCOMPARE(seen.parent, &sheet);
}

QTEST_MAIN(DlgAboutTest)
#include "DlgAboutTest.moc"
