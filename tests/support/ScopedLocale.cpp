#include "tests/support/ScopedLocale.h"

CScopedLocale::CScopedLocale(const QString& language) {
    QLocale::setDefault(QLocale(language));
}

CScopedLocale::~CScopedLocale() {
    QLocale::setDefault(m_previous);
}
