#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "tests/support/EveryWindow.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgOptionsGeneral.h"
#include "ui/MessageBox.h"
#include "ui/TextResource.h"
#include "ui/Translation.h"

namespace {

/// The language the program's numbers and Qt's dialogs follow.
QString Language() {
    return QLocale().name().section(QLatin1Char('_'), 0, 0);
}

using Texts = QMap<QString, QString>;

/// Every text a person sees or hears of the window, keyed by where it stands; unit names
/// (the list entries) are the user's data and left out.
Texts WindowTexts(QWidget* window) {
    Texts texts;
    const QString name = window->metaObject()->className();
    texts[name + ".title"] = window->windowTitle();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    // The menu bar's overflow menu keeps what did not fit in some early layout pass; the
    // bar itself shows every menu.
    const auto overflow = window->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    QHash<QString, int> seen;
    for (QWidget* widget : widgets) {
        if (overflow && widget == static_cast<QWidget*>(overflow->menu())) {
            continue;
        }
        // Both languages build the same widgets, and those of one name in the same order;
        // the Unit Sets dialog makes its named boxes in the order of their translated titles.
        const int sameName = seen[widget->objectName()]++;
        const QString key =
            QStringLiteral("%1/%2#%3").arg(name, widget->objectName()).arg(sameName);
        texts[key + ".accessibleName"] = widget->accessibleName();
        texts[key + ".toolTip"] = widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            texts[key + ".text"] = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts[key + ".text"] = button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            texts[key + ".title"] = group->title();
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            texts[key + ".text"] = edit->toPlainText();
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                texts[key + ".tab" + QString::number(tab)] = tabs->tabText(tab);
            }
        }
        // The menu bar's and the menus' commands.
        const QList<QAction*> actions = widget->actions();
        for (qsizetype a = 0; a < actions.size(); ++a) {
            texts[key + ".action" + QString::number(a)] = actions[a]->text();
        }
    }
    return texts;
}

/// What a person sees of every window in the language whose translation is installed.
Texts EveryWindowsTexts() {
    CFakeApp app;
    app.m_settings.m_currentVersion = app.m_settings.m_storedVersion = 1;
    Texts texts;
    CEveryWindow::Visit(app, [&texts](QWidget& window) { texts.insert(WindowTexts(&window)); });
    return texts;
}

/// False for texts that read the same in every language: none at all, numbers and signs,
/// the program's name and version, web addresses, and "OK".
bool NeedsTranslation(QString text) {
    static const QRegularExpression kSame(
        QStringLiteral("Tarvo|v\\d+\\.\\d+|https?://\\S+|^&?OK$"));
    return text.remove(kSame).contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

/// The message the View page shows for a precision that is no integer.
QString PrecisionMessage() {
    CFakeApp app;
    CDlgOptionsGeneral page(app);
    page.Activate();
    NamedChild<QLineEdit>(page, "precisionBox")->setText(QStringLiteral("x"));
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    page.ReadBack();
    const QStringList shown = CMessageBox::TakeShownTexts();
    return shown.value(0);
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("Tarvo");
        m_english = EveryWindowsTexts();
        m_englishMessage = PrecisionMessage();
        m_startLanguage = Language();
    }
    void cleanup() {
        m_translation.Remove();
        CMessageBox::Reset();
        VerifyNoWindowLeft();
    }

    void firstLanguageWithATranslationWins_data();
    void firstLanguageWithATranslationWins();
    void everyWindowShowsNoEnglish_data();
    void everyWindowShowsNoEnglish();
    void removingTheTranslationBringsEnglishBack();

private:
    CTranslation m_translation;
    Texts m_english;
    QString m_englishMessage;
    QString m_startLanguage;
};

void TranslationTest::firstLanguageWithATranslationWins_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("cancelButton");
    QTest::newRow("German") << QStringList{"de-DE", "de"} << "de"
                            << "Abbrechen";
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de"
                                     << "Abbrechen";
    QTest::newRow("Finnish") << QStringList{"fi-FI"} << "fi"
                             << "Peru";
    QTest::newRow("Swedish, then Finnish") << QStringList{"sv-SE", "fi"} << "fi"
                                           << "Peru";
    QTest::newRow("English before German") << QStringList{"en-GB", "de"} << ""
                                           << "Cancel";
    QTest::newRow("no translation") << QStringList{"fr-FR", "sv"} << ""
                                    << "Cancel";
    QTest::newRow("C locale") << QStringList{"C"} << ""
                              << "Cancel";
    QTest::newRow("none") << QStringList{} << ""
                          << "Cancel";
}

void TranslationTest::firstLanguageWithATranslationWins() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, installed);
    QFETCH(QString, cancelButton);
    m_translation.Install(uiLanguages);
    QCOMPARE(Language(), installed.isEmpty() ? m_startLanguage : installed);
    // Qt's own buttons follow the program's language.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancelButton);
}

void TranslationTest::everyWindowShowsNoEnglish_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("helpNumbersSentence");
    QTest::newRow("German") << "de"
                            << "mit einem Komma vor den Nachkommastellen";
    QTest::newRow("Finnish") << "fi"
                             << "pilkulla desimaalien edessä";
}

void TranslationTest::everyWindowShowsNoEnglish() {
    QFETCH(QString, language);
    QFETCH(QString, helpNumbersSentence);
    m_translation.Install({language});
    QCOMPARE(Language(), language);
    const Texts translated = EveryWindowsTexts();
    QCOMPARE(translated.keys(), m_english.keys());
    QStringList stillEnglish;
    for (auto it = m_english.cbegin(); it != m_english.cend(); ++it) {
        if (NeedsTranslation(it.value()) && translated[it.key()] == it.value()) {
            stillEnglish << it.key() + ": " + it.value();
        }
    }
    QVERIFY2(stillEnglish.isEmpty(), qPrintable(stillEnglish.join('\n')));
    const auto help = std::find_if(translated.cbegin(), translated.cend(), [](const QString& text) {
        return text.count(QLatin1Char('\n')) > 50;
    });
    QVERIFY(help != translated.cend());
    QVERIFY(help->contains(helpNumbersSentence));
    const QString message = PrecisionMessage();
    QVERIFY(!message.isEmpty());
    QVERIFY(message != m_englishMessage);
}

void TranslationTest::removingTheTranslationBringsEnglishBack() {
    m_translation.Install({"fi"});
    m_translation.Remove();
    QCOMPARE(Language(), m_startLanguage);
    QCOMPARE(EveryWindowsTexts(), m_english);
    // The English help text is the resource as it stands, CR LF and all.
    QFile help(":/text/HELP");
    QVERIFY(help.open(QIODevice::ReadOnly));
    QVERIFY(help.readAll().startsWith("INTRODUCTION\r\n\r\n"));
}

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
