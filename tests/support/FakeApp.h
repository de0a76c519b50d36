#pragma once

#include <QTemporaryDir>
#include <cstdint>
#include <functional>

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"
#include "ui/AppContext.h"

/// The application as the windows see it: the factory catalogue, default settings over a
/// store in a directory of its own (this version already run once), and Help and About
/// commands that only count, unless a test gives Help something to do.
class CFakeApp : public CAppContext {
public:
    static constexpr std::uint32_t kVersion = 65542;

    CFakeApp();

    CUnitMgr& Catalogue() override { return m_catalogue; }
    CWorkspaceSettings& Settings() override { return m_settings; }
    void OnHelp() override;
    void OnAbout() override { ++m_aboutCalls; }
    QString UnitSetFolder() const override { return m_unitSetFolder; }

    QTemporaryDir m_storeDir;
    CUnitMgr m_catalogue;
    CWorkspaceSettings m_settings;
    int m_helpCalls = 0;
    int m_aboutCalls = 0;
    /// Where the Units page finds its unit sets: the source tree's unless a test sets its own.
    QString m_unitSetFolder = QStringLiteral(TARVO_SOURCE_DIR "/share/tarvo/units");
    /// Run by each Help command after it is counted.
    std::function<void()> m_onHelp;
};
