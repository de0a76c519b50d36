#pragma once

#include <string>

/// Where a settings object keeps its values: root (the store database file), then
/// base ("Software"), maker key, application key and an optional sub-key. Empty keys add
/// no level.
class CRegistryKeyPath {
public:
    /// The user's store, standing for the machine-wide root:
    /// $XDG_CONFIG_HOME/Kolpa/Tarvo.db (~/.config when unset).
    static std::string DefaultRoot();

    /// A location on root with no maker or application key set yet.
    explicit CRegistryKeyPath(std::string root = DefaultRoot());

    /// Sets the location again; empty maker or application key take the keys of this
    /// application (Kolpa, Tarvo).
    void Set(std::string base = "Software", std::string maker = {}, std::string application = {},
             std::string subKey = {});

    std::string m_root;
    std::string m_base = "Software";
    std::string m_maker;
    std::string m_application;
    std::string m_subKey;
};
