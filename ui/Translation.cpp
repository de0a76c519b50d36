#include "ui/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// The .qm files are compiled into the windows library under this resource folder.
const char* const kTranslationsFolder = ":/i18n";

// The translator of the first language that has a file named prefix_<language>.qm in
// folder; nothing once English, the source texts' language, comes first.
std::unique_ptr<QTranslator> LoadFirst(const QStringList& uiLanguages, const QString& prefix,
                                       const QString& folder) {
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English) {
            return nullptr;
        }
        auto translator = std::make_unique<QTranslator>();
        if (locale.language() != QLocale::C &&
            translator->load(locale, prefix, QStringLiteral("_"), folder)) {
            return translator;
        }
    }
    return nullptr;
}

}  // namespace

CTranslation::~CTranslation() {
    Remove();
}

void CTranslation::Install(const QStringList& uiLanguages) {
    Remove();
    m_program =
        LoadFirst(uiLanguages, QStringLiteral("tarvo"), QString::fromLatin1(kTranslationsFolder));
    if (!m_program) {
        return;
    }
    const QString language = QLocale(m_program->language()).name().section(QLatin1Char('_'), 0, 0);
    QCoreApplication::installTranslator(m_program.get());
    // Without Qt's own translation the standard buttons stay English; that is all.
    m_qt = LoadFirst({language}, QStringLiteral("qtbase"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qt) {
        QCoreApplication::installTranslator(m_qt.get());
    }
    m_previousLocale = QLocale();
    QLocale::setDefault(QLocale(language));
}

void CTranslation::Remove() {
    if (!m_program) {
        return;
    }
    if (m_qt) {
        QCoreApplication::removeTranslator(m_qt.get());
        m_qt.reset();
    }
    QCoreApplication::removeTranslator(m_program.get());
    m_program.reset();
    QLocale::setDefault(m_previousLocale);
}
