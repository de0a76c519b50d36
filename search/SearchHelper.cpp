#include "search/SearchHelper.h"

#include <QDir>
#include <QLocale>
#include <QProcess>

CSearchHelper::CSearchHelper(const Options& options, QObject* parent)
    : QObject(parent),
      m_catalogue(options.recordFile.toStdString(), options.settingsRoot.toStdString()),
      m_answers(m_catalogue, QLocale::system().decimalPoint() == QLatin1String(",")),
      m_window(options.window) {
    m_idle.setSingleShot(true);
    m_idle.setInterval(options.idleMs);
    connect(&m_idle, &QTimer::timeout, this, &CSearchHelper::Idle);
    m_idle.start();
}

CSearchAnswers& CSearchHelper::Answers() {
    m_idle.start();
    return m_answers;
}

std::string CSearchHelper::Query(const QStringList& terms) {
    // Measured before anything is copied: any program of the session may send megabytes.
    qsizetype length = 0;
    for (const QString& term : terms) {
        length += term.size() + 1;
        if (length > qsizetype{CSearchAnswers::kMaxQuery}) {
            return {};
        }
    }
    return terms.join(QLatin1Char(' ')).toStdString();
}

void CSearchHelper::OpenWindow(const std::string& query) {
    m_idle.start();
    m_catalogue.Refresh();
    QString folder = QString::fromStdString(m_catalogue.WindowFolder());
    if (folder.isEmpty()) {
        folder = QDir::homePath();  // where a window started from the desktop works
    }
    QProcess::startDetached(m_window, {QStringLiteral("--convert"), QString::fromStdString(query)},
                            folder);
}
