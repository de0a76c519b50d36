#pragma once

#include <map>
#include <string>
#include <vector>

#include "catalogue/Unit.h"
#include "tests/support/ScratchDir.h"

class CUnitMgr;

/// A desktop session's files as the search helper finds them, in a scratch folder: the
/// window's catalogue record, the catalogue it names and the window's settings store.
class CSearchSession {
public:
    /// The scratch folder the files are in.
    const CScratchDir& Scratch() const { return m_scratch; }
    /// The window's catalogue record.
    std::string Record() const { return m_scratch.File("state/tarvo/catalogue"); }
    /// The window's settings store.
    std::string Store() const { return m_scratch.File("config/Kolpa/Tarvo.db"); }
    /// The catalogue file the record names.
    std::string CatalogueFile() const { return m_scratch.File("work/Tarvo.Dat"); }

    /// Saves catalogue as the window does, and records where.
    void WindowSaves(const CUnitMgr& catalogue) const;
    /// The same with the factory units, psi and extra.
    void WindowSaves(const std::vector<CUnit>& extra = {}) const;
    /// Saves the window's last type and to-unit and its precision.
    void WindowSettles(const std::string& type, const std::string& to, int precision) const;
    /// The variables that give a helper this session's files, in English with a decimal point.
    std::map<std::string, std::string> Environment() const;

private:
    CScratchDir m_scratch;
};
