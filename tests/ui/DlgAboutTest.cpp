#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/DlgAbout.h"

namespace {

QString LabelText(QWidget* dlg, const char* name) {
    auto* label = dlg->findChild<QLabel*>(QString::fromLatin1(name));
    Q_ASSERT(label);
    return label->text();
}

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

/// Runs the About command; once the box is up, records what it shows and presses Enter.
Seen RunAbout(std::uint32_t version) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<CDlgAbout*>(QApplication::activeModalWidget());
        if (!about) {
            return;
        }
        seen.parent = about->parentWidget();
        auto* focus = qobject_cast<QPushButton*>(about->focusWidget());
        seen.focusText = focus ? focus->text() : QString();
        seen.caption = about->windowTitle();
        seen.title = LabelText(about, "labelTitle");
        seen.description = LabelText(about, "labelDescription");
        auto* disclaimer = about->findChild<QLabel*>("labelDisclaimer");
        seen.disclaimer = disclaimer->text();
        seen.disclaimerPixelSize = disclaimer->font().pixelSize();
        const QPixmap icon = about->findChild<QLabel*>("labelIcon")->pixmap();
        seen.hasIcon = !icon.isNull();
        QTest::keyClick(about->focusWidget(), Qt::Key_Return);
        seen.closed = !about->isVisible();
    });
    CDlgAbout::RunAboutCommand(version);
    return seen;
}

}  // namespace

class DlgAboutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Tarvo"); }
    void cleanup() { QCOMPARE(QApplication::topLevelWidgets().size(), 0); }

    void showsNameVersionAndBuild();
    void titleCarriesMajorDotMinor_data();
    void titleCarriesMajorDotMinor();
    void opensOverTheWindowInUse();
};

void DlgAboutTest::showsNameVersionAndBuild() {
    const Seen seen = RunAbout(65542);
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
    QCOMPARE(RunAbout(version).title, title);
}

void DlgAboutTest::opensOverTheWindowInUse() {
    QWidget main;
    main.show();
    QDialog sheet(&main);
    Seen seen;
    QTimer::singleShot(0, &sheet, [&] {
        seen = RunAbout(65542);
        sheet.reject();
    });
    sheet.exec();
    QCOMPARE(seen.parent, &sheet);
}

QTEST_MAIN(DlgAboutTest)
#include "DlgAboutTest.moc"
