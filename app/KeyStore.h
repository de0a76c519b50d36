#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace SQLite {
class Database;
class Statement;
}  // namespace SQLite

/// A tree of keys under one root, kept in one SQLite database file. Each key holds named
/// values, each a 32-bit number or a text. Key and value names compare without regard to
/// ASCII letter case. A new store comes with the root's standard key "Software".
///
/// The object is one connection to the file, opened at the first access and kept until the
/// object dies; every access runs in a short transaction of its own, so other connections
/// and other processes may use the file at the same time. Nothing is thrown: an access that
/// fails yields nothing or false. A file that is not a store of this kind, or is damaged, is
/// never written. After a fault of the file itself (damaged, locked too long, unreadable)
/// every further access through this object fails at once instead of waiting again.
class CKeyStore {
public:
    using Value = std::variant<std::int32_t, std::string>;

    /// Where a value lives: keys that must already exist, then keys below them that are
    /// created when missing. Empty names add no level.
    struct Path {
        std::vector<std::string> opened;
        std::vector<std::string> created;
    };

    /// ReadOnly never writes the file nor creates it, its folder or a missing key: for
    /// the other programs of the session, which only look at the user's settings.
    enum class Access { ReadWrite, ReadOnly };

    explicit CKeyStore(std::string file, Access access = Access::ReadWrite);
    ~CKeyStore();
    CKeyStore(const CKeyStore&) = delete;
    CKeyStore& operator=(const CKeyStore&) = delete;

    /// The value called name at path (creating the missing keys of path.created, unless
    /// read-only); nothing when the value is missing or the access fails.
    std::optional<Value> GetValue(const Path& path, const std::string& name);
    /// Stores value as name at path, replacing a value whose name differs only in case;
    /// false when read-only.
    bool SetValue(const Path& path, const std::string& name, const Value& value);
    /// The names of the keys right below the existing key path; nothing when it is missing.
    std::optional<std::vector<std::string>> SubKeyNames(const std::vector<std::string>& path);
    /// The names of the values of the existing key path; nothing when it is missing.
    std::optional<std::vector<std::string>> ValueNames(const std::vector<std::string>& path);

private:
    enum class KeyMode { Open, Create };
    using KeyId = std::int64_t;

    SQLite::Database* Connect();
    std::unique_ptr<SQLite::Database> ConnectReadOnly();
    void Initialise(SQLite::Database& db);
    std::optional<KeyId> FindKey(SQLite::Database& db, const Path& path, KeyMode createdMode);
    std::optional<KeyId> ChildKey(SQLite::Database& db, KeyId parent, const std::string& name,
                                  KeyMode mode);
    std::optional<Value> ReadValue(SQLite::Database& db, KeyId key, const std::string& name);
    std::optional<std::vector<std::string>> ListNames(const std::vector<std::string>& path,
                                                      const char* query);
    /// The statement for sql on this connection, made on its first use and kept for the
    /// next; sql must be a text that lives as long as the program.
    SQLite::Statement& Prepared(SQLite::Database& db, const char* sql);
    void Fail();

    std::string m_file;
    Access m_access;
    std::unique_ptr<SQLite::Database> m_db;
    // Prepared once per connection: preparing costs more than running these lookups.
    // Emptied before the connection closes.
    std::map<const char*, std::unique_ptr<SQLite::Statement>> m_statements;
    bool m_failed = false;
};
