#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <string>

#include "search/SearchAnswers.h"
#include "search/SearchCatalogue.h"

/// What the desktops' search interfaces share: the answers on the user's catalogue, the
/// window that a chosen result opens, and the end of the helper once no call has come for
/// a while.
class CSearchHelper : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString recordFile;    ///< the window's catalogue record
        QString settingsRoot;  ///< the window's settings store
        QString window;        ///< the window program
        int idleMs = 30000;    ///< quiet time after which the helper ends
    };

    explicit CSearchHelper(const Options& options, QObject* parent = nullptr);

    /// The answers, for one call: a call also puts off the idle end.
    CSearchAnswers& Answers();
    /// The terms joined by spaces into one query; empty when they are too long to be one.
    static std::string Query(const QStringList& terms);
    /// Opens the window converting query ("5 psi in bar"), in the folder where its
    /// catalogue file is the one the answers come from.
    void OpenWindow(const std::string& query);

signals:
    /// No call came for the idle time.
    void Idle();

private:
    CSearchCatalogue m_catalogue;
    CSearchAnswers m_answers;
    QString m_window;
    QTimer m_idle;
};
