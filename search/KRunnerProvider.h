#pragma once

#include <QDBusArgument>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

class CSearchHelper;

/// KDE Plasma's runner interface (org.kde.krunner1): KRunner asks for matches of the
/// typed text and runs the one the user chooses, or its action that copies the number.
class CKRunnerProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
public:
    static constexpr const char* kService = "net.kolpa.tarvo.KRunner";
    static constexpr const char* kPath = "/runner";
    static constexpr const char* kCopyAction = "copy";

    /// One match: (sssida{sv}), id, text, icon, type, relevance, properties.
    struct RemoteMatch {
        QString id;
        QString text;
        QString icon;
        int type = 0;
        double relevance = 0;
        QVariantMap properties;
    };
    /// One action offered on the matches: (sss), id, text, icon.
    struct RemoteAction {
        QString id;
        QString text;
        QString icon;
    };

    explicit CKRunnerProvider(CSearchHelper& helper, QObject* parent = nullptr);

public slots:
    /// The action that copies a match's number.
    QList<CKRunnerProvider::RemoteAction> Actions();
    /// The conversions the query may mean, likeliest first.
    QList<CKRunnerProvider::RemoteMatch> Match(const QString& query);
    /// Opens the window with the match's conversion, or copies its number.
    void Run(const QString& matchId, const QString& actionId);
    /// KRunner closed: nothing is held between queries.
    void Teardown();

private:
    CSearchHelper& m_helper;
};

Q_DECLARE_METATYPE(CKRunnerProvider::RemoteMatch)
Q_DECLARE_METATYPE(CKRunnerProvider::RemoteAction)

QDBusArgument& operator<<(QDBusArgument& argument, const CKRunnerProvider::RemoteMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument,
                                CKRunnerProvider::RemoteMatch& match);
QDBusArgument& operator<<(QDBusArgument& argument, const CKRunnerProvider::RemoteAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument,
                                CKRunnerProvider::RemoteAction& action);
