#pragma once

#include <QLocale>

/// Makes a language the windows' default locale, as the translation does, for the life of
/// the object, and then puts back the one before.
class CScopedLocale {
public:
    explicit CScopedLocale(const QString& language);
    ~CScopedLocale();
    CScopedLocale(const CScopedLocale&) = delete;
    CScopedLocale& operator=(const CScopedLocale&) = delete;

private:
    QLocale m_previous;
};
