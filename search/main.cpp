// tarvo-search: answers the desktop's search (GNOME Shell, KRunner) from the user's own
// catalogue. The session bus starts it on the first search; it ends after a quiet while.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusReply>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "app/RegistryKeyPath.h"
#include "catalogue/CatalogueRecord.h"
#include "search/GnomeSearchProvider.h"
#include "search/KRunnerProvider.h"
#include "search/SearchHelper.h"

namespace {

// How long the helper still answers once it gave up its names.
constexpr int kLastCallsMs = 500;

int Fail(const QString& reason) {
    std::fprintf(stderr, "tarvo-search: %s\n", qPrintable(reason));
    return 1;
}

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
    CGnomeSearchProvider gnome(helper);
    CKRunnerProvider krunner(helper);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return Fail(QStringLiteral("no session bus"));
    }
    if (!bus.registerObject(QString::fromLatin1(CGnomeSearchProvider::kPath), &gnome,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerObject(QString::fromLatin1(CKRunnerProvider::kPath), &krunner,
                            QDBusConnection::ExportAllSlots)) {
        return Fail(bus.lastError().message());
    }
    // Always in this order, so that of two helpers started at once for either name, one
    // takes both and the other ends.
    const QStringList names{QString::fromLatin1(CGnomeSearchProvider::kService),
                            QString::fromLatin1(CKRunnerProvider::kService)};
    for (const QString& name : names) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
            bus.interface()->registerService(name);
        if (!reply.isValid()) {
            return Fail(reply.error().message());
        }
        if (reply.value() != QDBusConnectionInterface::ServiceRegistered) {
            return Fail(name + QStringLiteral(" is taken by another program"));
        }
    }
    // The names go first: a call already on its way to the helper is still answered, and
    // the next one starts a new helper.
    QObject::connect(&helper, &CSearchHelper::Idle, &application, [&] {
        for (const QString& name : names) {
            bus.unregisterService(name);
        }
        QTimer::singleShot(kLastCallsMs, &application, &QCoreApplication::quit);
    });
    return QCoreApplication::exec();
}
