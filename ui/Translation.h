#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

/// The program's texts in the user's language: installs the translation of the first of the
/// given UI languages that has one, with Qt's own texts (buttons, file dialog) in the same
/// language, and takes both away again when destroyed. English, the language of the source
/// texts, needs no translation; with none found the program stays English.
class CTranslation {
public:
    CTranslation() = default;
    ~CTranslation();
    CTranslation(const CTranslation&) = delete;
    CTranslation& operator=(const CTranslation&) = delete;

    /// Installs the translation for the first of uiLanguages (as QLocale::uiLanguages()
    /// lists them, most wanted first) that is English or has one; replaces any installed.
    void Install(const QStringList& uiLanguages);
    /// Takes the installed translation away; the program is English again.
    void Remove();

    /// The installed translation's language ("de", "fi"), empty for English.

private:
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
    // The translated help text and disclaimer are resources chosen by the default locale,
    // which follows the translation and returns to this afterwards.
    QLocale m_previousLocale;
};
