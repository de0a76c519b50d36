#pragma once

#include <QApplication>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "app/RegistryKeyPath.h"
#include "shell/ReadAhead.h"
#include "shell/WorkspaceLoad.h"
#include "ui/AppContext.h"
#include "ui/Translation.h"

class CFileError;

/// The application object: owns the catalogue and the settings for the whole run, runs
/// the main converter window, and writes back what changed when it closes.
class CConverterApp : public QApplication, public CAppContext {
    Q_OBJECT
public:
    /// Version 1.6: major in the high 16 bits, minor in the low 16 bits.
    static constexpr std::uint32_t kVersion = (1u << 16) | 6u;

    /// settingsRoot: the settings store to use (tests pass a temporary one).
    CConverterApp(int& argc, char** argv,
                  std::string settingsRoot = CRegistryKeyPath::DefaultRoot());
    ~CConverterApp() override;

    /// Starts reading what a run needs before its first window; call it before the
    /// application object exists. None when the platform is not supported: then nothing
    /// is read.
    static std::unique_ptr<CReadAhead> ReadAhead(
        std::string settingsRoot = CRegistryKeyPath::DefaultRoot());

    /// The query of --convert QUERY or --convert=QUERY (the last one given) in arguments, the
    /// program's name first; an empty one when no query follows, none without the option.
    static std::optional<QString> ConvertQuery(const QStringList& arguments);

    /// The whole run: StartUp, RunMainWindow with the query of --convert, ShutDown. Returns
    /// the process exit code.
    int Run(CReadAhead* readAhead = nullptr);

    /// Checks the platform, creates the catalogue and the settings, loads both, or takes
    /// them from readAhead, and records the catalogue file for the session's other
    /// programs. False when the program must not go on (the reason has been shown).
    bool StartUp(CReadAhead* readAhead = nullptr);
    /// Runs the main converter window modally until the user ends it, set to the conversion
    /// convertQuery reads as (see CDlgMain::Convert) when there is one.
    void RunMainWindow(const std::optional<QString>& convertQuery = std::nullopt);
    /// Saves the catalogue when modified (also after a failure in the window), then the
    /// settings when modified.
    void ShutDown();

    /// True once a failure has ended the run (it has been shown).
    bool Failed() const { return m_failed; }

    CUnitMgr& Catalogue() override;
    CWorkspaceSettings& Settings() override;
    void OnHelp() override;
    void OnAbout() override;

    /// Catches what escapes an event handler: the run ends with the start-up failure
    /// message instead of the process aborting.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    /// The Qt run-time must be at least the version the program was built against.
    static bool IsSupportedPlatform();
    /// Writes the record on a thread of its own: a slow disk must not hold up the window.
    void RecordCatalogue();
    void SaveCatalogue();
    /// Shows the start-up failure message once and marks the run failed.
    void Fail();

    std::string m_settingsRoot;
    CTranslation m_translation;
    CWorkspaceLoad::Workspace m_workspace;
    bool m_failed = false;
    std::jthread m_recorder;
};
