#include "tests/support/FakeApp.h"

CFakeApp::CFakeApp() : m_settings(m_storeDir.filePath(QStringLiteral("store.db")).toStdString()) {
    m_catalogue.AddFactoryUnits();
    m_settings.m_currentVersion = kVersion;
    m_settings.m_storedVersion = kVersion;
}

void CFakeApp::OnHelp() {
    ++m_helpCalls;
    if (m_onHelp) {
        m_onHelp();
    }
}
