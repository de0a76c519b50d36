#include <QtTest>

#include "tests/support/WindowTestSupport.h"
#include "ui/CalculatorLauncher.h"

/// The calculator command on a machine whose PATH holds only the given programs; starts
/// are recorded, never run.
class CCalculatorLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoWindowLeft(); }

    void launch_data();
    void launch();
};

void CCalculatorLauncherTest::launch_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("started");  // program, then its arguments
    QTest::addColumn<bool>("result");

    QTest::newRow("calc installed")
        << "calc" << QStringList{"calc", "kcalc"} << QStringList{"calc"} << true;
    QTest::newRow("no calc: first desktop calculator")
        << "calc" << QStringList{"xcalc", "kcalc"} << QStringList{"/usr/bin/kcalc"} << true;
    QTest::newRow("no calculator at all") << "calc" << QStringList{} << QStringList{} << false;
    QTest::newRow("own command, no shell")
        << "\"my calc\" --mode 'two words' ; rm" << QStringList{}
        << QStringList{"my calc", "--mode", "'two", "words'", ";", "rm"} << true;
    QTest::newRow("empty command") << "  " << QStringList{"calc"} << QStringList{} << false;
}

void CCalculatorLauncherTest::launch() {
    QFETCH(QString, command);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, started);
    QFETCH(bool, result);
    QStringList seen;
    const CCalculatorLauncher launcher(
        [&installed](const QString& name) {
            return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        },
        [&seen](const QString& program, const QStringList& args) {
            seen = QStringList{program} + args;
            return true;
        });
    QCOMPARE(launcher.Launch(command), result);
    QCOMPARE(seen, started);
}

QTEST_GUILESS_MAIN(CCalculatorLauncherTest)
#include "CalculatorLauncherTest.moc"
