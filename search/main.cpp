// tarvo-search: answers the desktop's search (GNOME Shell, KRunner) from the user's own
// catalogue. The session bus starts it on the first search; it ends after a quiet while.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "app/RegistryKeyPath.h"
#include "catalogue/CatalogueRecord.h"
#include "search/GnomeSearchProvider.h"
#include "search/KRunnerProvider.h"
#include "search/SearchHelper.h"

namespace {

// The window program: the build tree's beside a helper of the build tree, else the one
// installed with it.
QString WindowProgram() {
    // The program's own path has its links resolved; the build's may hold some.
    const QString built = QFileInfo(QStringLiteral(TARVO_SEARCH_BUILT)).canonicalFilePath();
    if (QCoreApplication::applicationFilePath() == built) {
        return QStringLiteral(TARVO_WINDOW_BUILT);
    }
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" TARVO_WINDOW_INSTALLED);
}

// Options for tests and for trying it by hand: --idle-timeout MS, --window PROGRAM.
bool ReadOptions(const QStringList& arguments, CSearchHelper::Options& options) {
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size()) {
            return false;
        }
        const QString& value = arguments[i + 1];
        bool ok = true;
        if (arguments[i] == QLatin1String("--idle-timeout")) {
            options.idleMs = value.toInt(&ok);
        } else if (arguments[i] == QLatin1String("--window")) {
            options.window = value;
        } else {
            return false;
        }
        if (!ok || options.idleMs <= 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    CSearchHelper::Options options{QString::fromStdString(CCatalogueRecord::DefaultFile()),
                                   QString::fromStdString(CRegistryKeyPath::DefaultRoot()),
                                   WindowProgram()};
    if (!ReadOptions(QCoreApplication::arguments(), options)) {
        std::fputs("usage: tarvo-search [--idle-timeout MS] [--window PROGRAM]\n", stderr);
        return 2;
    }
    QTranslator translator;
    if (translator.load(QLocale::system(), QStringLiteral("tarvo"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&translator);
    }

    CSearchHelper helper(options);
    QObject::connect(&helper, &CSearchHelper::Idle, &application, &QCoreApplication::quit);
    CGnomeSearchProvider gnome(helper);
    CKRunnerProvider krunner(helper);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const bool registered =
        bus.registerObject(QString::fromLatin1(CGnomeSearchProvider::kPath), &gnome,
                           QDBusConnection::ExportAllSlots) &&
        bus.registerObject(QString::fromLatin1(CKRunnerProvider::kPath), &krunner,
                           QDBusConnection::ExportAllSlots) &&
        bus.registerService(QString::fromLatin1(CGnomeSearchProvider::kService)) &&
        bus.registerService(QString::fromLatin1(CKRunnerProvider::kService));
    if (!registered) {
        std::fprintf(stderr, "tarvo-search: %s\n",
                     qPrintable(bus.isConnected() ? bus.lastError().message()
                                                  : QStringLiteral("no session bus")));
        return 1;
    }
    return QCoreApplication::exec();
}
