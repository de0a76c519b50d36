#pragma once

#include <QString>

class CUnitMgr;
class CWorkspaceSettings;

/// What the windows need of the application object: its catalogue, its settings and
/// its two application-wide commands. The program passes CConverterApp; tests pass a
/// small fake with their own catalogue and a temporary settings store.
class CAppContext {
public:
    virtual ~CAppContext() = default;

    virtual CUnitMgr& Catalogue() = 0;
    virtual CWorkspaceSettings& Settings() = 0;
    /// The Help command: opens the help window unless one is open already.
    virtual void OnHelp() = 0;
    /// The About command: opens the About box over the window in use.
    virtual void OnAbout() = 0;
    /// The folder of the unit sets that come with the program: installed beside it, or the
    /// source tree's when it runs from its build tree; empty when there is none.
    virtual QString UnitSetFolder() const;
};
