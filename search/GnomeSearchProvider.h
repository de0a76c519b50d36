#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class CSearchHelper;

/// GNOME Shell's search provider interface (org.gnome.Shell.SearchProvider2): the
/// overview asks for results of the typed terms, then for what to show of them, and
/// opens the one the user chooses.
class CGnomeSearchProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
public:
    static constexpr const char* kService = "net.kolpa.tarvo.SearchProvider";
    static constexpr const char* kPath = "/net/kolpa/tarvo/SearchProvider";

    explicit CGnomeSearchProvider(CSearchHelper& helper, QObject* parent = nullptr);

public slots:
    /// The ids of the results of the terms, joined by spaces into one query.
    QStringList GetInitialResultSet(const QStringList& terms);
    /// The same for terms the user typed on: the query is read anew.
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    /// id, name, description and clipboardText of each known result id.
    QList<QVariantMap> GetResultMetas(const QStringList& ids);
    /// Opens the window with the result's conversion.
    void ActivateResult(const QString& id, const QStringList& terms, uint timestamp);
    /// Opens the window with the terms' likeliest conversion.
    void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    CSearchHelper& m_helper;
};
