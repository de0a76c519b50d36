#include "search/GnomeSearchProvider.h"

#include <QDBusMetaType>

#include "search/SearchHelper.h"

namespace {

// More ids than the overview ever shows are not described.
constexpr qsizetype kMaxMetas = 64;

QStringList Ids(const std::vector<std::string>& found) {
    QStringList ids;
    for (const std::string& id : found) {
        ids.append(QString::fromStdString(id));
    }
    return ids;
}

}  // namespace

CGnomeSearchProvider::CGnomeSearchProvider(CSearchHelper& helper, QObject* parent)
    : QObject(parent), m_helper(helper) {
    // The metas' type, aa{sv}, must be known before the object is exported.
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

QStringList CGnomeSearchProvider::GetInitialResultSet(const QStringList& terms) {
    return Ids(m_helper.Answers().Find(CSearchHelper::Query(terms)));
}

QStringList CGnomeSearchProvider::GetSubsearchResultSet(const QStringList& /*previousResults*/,
                                                        const QStringList& terms) {
    return GetInitialResultSet(terms);
}

QList<QVariantMap> CGnomeSearchProvider::GetResultMetas(const QStringList& ids) {
    QList<QVariantMap> metas;
    for (const QString& id : ids.mid(0, kMaxMetas)) {
        const auto result = m_helper.Answers().Describe(id.toStdString());
        if (!result) {
            continue;
        }
        metas.append({{QStringLiteral("id"), id},
                      {QStringLiteral("name"), QString::fromStdString(result->name)},
                      {QStringLiteral("description"), QString::fromStdString(result->description)},
                      {QStringLiteral("clipboardText"), QString::fromStdString(result->number)},
                      {QStringLiteral("gicon"), QStringLiteral("tarvo")}});
    }
    return metas;
}

void CGnomeSearchProvider::ActivateResult(const QString& id, const QStringList& /*terms*/,
                                          uint /*timestamp*/) {
    if (const auto result = m_helper.Answers().Describe(id.toStdString())) {
        m_helper.OpenWindow(result->query);
    }
}

void CGnomeSearchProvider::LaunchSearch(const QStringList& terms, uint /*timestamp*/) {
    const std::vector<std::string> found = m_helper.Answers().Find(CSearchHelper::Query(terms));
    if (!found.empty()) {
        ActivateResult(QString::fromStdString(found.front()), terms, 0);
    }
}
