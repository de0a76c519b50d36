#include "search/KRunnerProvider.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>

#include "formats/QueryReader.h"
#include "search/SearchHelper.h"

namespace {

// KRunner's kinds of match: a whole conversion is exact, a unit alone only possible.
constexpr int kExactMatch = 100;
constexpr int kPossibleMatch = 30;
const char* const kIcon = "tarvo";

}  // namespace

CKRunnerProvider::CKRunnerProvider(CSearchHelper& helper, QObject* parent)
    : QObject(parent), m_helper(helper) {
    // The types of the replies must be known before the object is exported.
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<QList<RemoteMatch>>();
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<QList<RemoteAction>>();
}

QList<CKRunnerProvider::RemoteAction> CKRunnerProvider::Actions() {
    m_helper.Answers();
    return {
        {QString::fromLatin1(kCopyAction), tr("Copy to Clipboard"), QStringLiteral("edit-copy")}};
}

QList<CKRunnerProvider::RemoteMatch> CKRunnerProvider::Match(const QString& query) {
    QList<RemoteMatch> matches;
    const std::string text = CSearchHelper::Query({query});
    CSearchAnswers& answers = m_helper.Answers();
    const int type = CQueryReader::HasSeparator(text) ? kExactMatch : kPossibleMatch;
    double relevance = 1.0;
    for (const std::string& id : answers.Find(text)) {
        if (const auto result = answers.Describe(id)) {
            matches.append(
                {QString::fromStdString(id),
                 QString::fromStdString(result->name),
                 QString::fromLatin1(kIcon),
                 type,
                 relevance,
                 {{QStringLiteral("subtext"), QString::fromStdString(result->description)}}});
            relevance -= 0.01;
        }
    }
    return matches;
}

void CKRunnerProvider::Run(const QString& matchId, const QString& actionId) {
    const auto result = m_helper.Answers().Describe(matchId.toStdString());
    if (!result) {
        return;
    }
    if (actionId.isEmpty()) {
        m_helper.OpenWindow(result->query);
    } else if (actionId == QLatin1String(kCopyAction)) {
        // Plasma's clipboard is Klipper's; the helper has no display of its own to hold one.
        QDBusMessage copy = QDBusMessage::createMethodCall(
            QStringLiteral("org.kde.klipper"), QStringLiteral("/klipper"),
            QStringLiteral("org.kde.klipper.klipper"), QStringLiteral("setClipboardContents"));
        copy << QString::fromStdString(result->number);
        QDBusConnection::sessionBus().send(copy);
    }
}

void CKRunnerProvider::Teardown() {
    m_helper.Answers();
}

QDBusArgument& operator<<(QDBusArgument& argument, const CKRunnerProvider::RemoteMatch& match) {
    argument.beginStructure();
    argument << match.id << match.text << match.icon << match.type << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument,
                                CKRunnerProvider::RemoteMatch& match) {
    argument.beginStructure();
    argument >> match.id >> match.text >> match.icon >> match.type >> match.relevance >>
        match.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const CKRunnerProvider::RemoteAction& action) {
    argument.beginStructure();
    argument << action.id << action.text << action.icon;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument,
                                CKRunnerProvider::RemoteAction& action) {
    argument.beginStructure();
    argument >> action.id >> action.text >> action.icon;
    argument.endStructure();
    return argument;
}
