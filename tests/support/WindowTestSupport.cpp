#include "tests/support/WindowTestSupport.h"

#include <QMessageBox>
#include <QTimer>

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY2(QTest::qWaitForWindowActive(window),
             qPrintable(QStringLiteral("%1 never became the active window")
                            .arg(QString::fromLatin1(window->metaObject()->className()))));
}

void CloseStrayBoxesWhileAlive(QObject* owner) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->reject();
        }
    });
    timer->start(100);
}

void VerifyNoWindowLeft() {
    QStringList left;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        left << QStringLiteral("%1 \"%2\"")
                    .arg(QString::fromLatin1(window->metaObject()->className()),
                         window->windowTitle());
    }
    QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("top-level windows left: ") +
                                        left.join(QStringLiteral(", "))));
}

void FailMissingChild(const QWidget& window, const char* className, const char* name) {
    const QString message = QStringLiteral("%1 has no %2 named %3")
                                .arg(QString::fromLatin1(window.metaObject()->className()),
                                     QString::fromLatin1(className), QString::fromLatin1(name));
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}
