// The floor for the search helper's first search: the least Qt D-Bus program that the
// session bus starts by its name and that answers a call. Started by SearchBench's bus.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QStringList>

/// One method, Echo(as) -> as: a call with the search's argument, answered as given.
class CMinimalDBusService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "net.kolpa.tarvo.BenchFloor")
public slots:
    /// The terms, as given.
    QStringList Echo(const QStringList& terms) { return terms; }
};

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    CMinimalDBusService service;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/"), &service, QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("net.kolpa.tarvo.BenchFloor"))) {
        return 1;
    }
    return QCoreApplication::exec();
}

#include "MinimalDBusService.moc"
