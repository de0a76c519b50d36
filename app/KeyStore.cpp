#include "app/KeyStore.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <exception>
#include <filesystem>
#include <limits>
#include <stdexcept>

namespace {

// Marks a database file as a key store of ours ("Tarv"), so a database that belongs to
// something else is never taken over.
constexpr int kApplicationId = 0x54617276;
// Long enough to outwait another process's short transaction, short enough that a store
// held locked by someone else does not freeze the program.
constexpr int kBusyTimeoutMs = 2000;
// Keys right below the root have this parent; real key ids start at 1.
constexpr std::int64_t kRootKey = 0;

// Read in one statement, so both come from the same snapshot of the file.
constexpr const char* kOwnerQuery =
    "SELECT (SELECT application_id FROM pragma_application_id()),"
    " (SELECT count(*) FROM sqlite_master)";

// A new store stands for the machine-wide root, which always holds the standard key
// "Software"; that key is only ever opened, so it must be there from the start.
constexpr const char* kSchema = R"sql(
CREATE TABLE keys(
    id INTEGER PRIMARY KEY,
    parent INTEGER NOT NULL,
    name TEXT NOT NULL COLLATE NOCASE,
    UNIQUE(parent, name));
CREATE TABLE key_values(
    key INTEGER NOT NULL REFERENCES keys(id),
    name TEXT NOT NULL COLLATE NOCASE,
    data NOT NULL CHECK(typeof(data) IN ('integer', 'text')),
    UNIQUE(key, name));
INSERT INTO keys(parent, name) VALUES(0, 'Software');
)sql";

// Makes commits and closes cheap: in WAL mode a commit needs no sync at this level and
// still never corrupts the file, and a connection that leaves the log in place for the next
// one instead of copying it back on close needs no sync either. The log is copied back
// every few runs, when it has grown past a few hundred pages, and then cut back.
void KeepLogBetweenConnections(SQLite::Database& db) {
    int persist = 1;
    sqlite3_file_control(db.getHandle(), "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
    sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    db.exec(
        "PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 200;"
        " PRAGMA journal_size_limit = 1048576");
}

// What a database file holds before we use it.
enum class CFileOwner { Ours, Nobody, Other };

CFileOwner OwnerOf(SQLite::Database& db) {
    SQLite::Statement query(db, kOwnerQuery);
    query.executeStep();
    const int applicationId = query.getColumn(0).getInt();
    const int objects = query.getColumn(1).getInt();
    if (applicationId == kApplicationId) {
        return CFileOwner::Ours;
    }
    return applicationId == 0 && objects == 0 ? CFileOwner::Nobody : CFileOwner::Other;
}

// A cached statement in use: reset when the use ends, so that between uses it holds no
// snapshot of the file and no lock.
class CStatementUse {
public:
    explicit CStatementUse(SQLite::Statement& statement) : m_statement(statement) {}
    ~CStatementUse() { m_statement.tryReset(); }
    CStatementUse(const CStatementUse&) = delete;
    CStatementUse& operator=(const CStatementUse&) = delete;

private:
    SQLite::Statement& m_statement;
};

// Thrown inside the store to end an access that must not go on; never leaves it.
struct CUnusableFile : std::runtime_error {
    CUnusableFile() : std::runtime_error("not a usable key store") {}
};

}  // namespace

CKeyStore::CKeyStore(std::string file, Access access) : m_file(std::move(file)), m_access(access) {}

CKeyStore::~CKeyStore() = default;

SQLite::Database* CKeyStore::Connect() {
    if (m_failed || m_db) {
        return m_db.get();
    }
    try {
        if (m_access == Access::ReadOnly) {
            m_db = ConnectReadOnly();
            return m_db.get();
        }
        const std::filesystem::path file(m_file);
        if (file.has_parent_path()) {
            std::filesystem::create_directories(file.parent_path());
        }
        auto db = std::make_unique<SQLite::Database>(
            m_file, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE, kBusyTimeoutMs);
        // The first statement reads the file's header: a file that is not a database, or
        // is cut short by whole pages, fails here before anything has been written.
        switch (OwnerOf(*db)) {
            case CFileOwner::Ours:
                break;
            case CFileOwner::Nobody:
                Initialise(*db);
                break;
            case CFileOwner::Other:
                throw CUnusableFile();
        }
        // Damage inside the pages shows only when they are read; check them all before
        // the first write. The store is a few pages, so this is cheap.
        if (db->execAndGet("PRAGMA integrity_check").getString() != "ok") {
            throw CUnusableFile();
        }
        KeepLogBetweenConnections(*db);
        m_db = std::move(db);
    } catch (const std::exception&) {
        Fail();
    }
    return m_db.get();
}

std::unique_ptr<SQLite::Database> CKeyStore::ConnectReadOnly() {
    auto db = std::make_unique<SQLite::Database>(m_file, SQLite::OPEN_READONLY, kBusyTimeoutMs);
    if (OwnerOf(*db) != CFileOwner::Ours) {
        throw CUnusableFile();
    }
    return db;
}

void CKeyStore::Initialise(SQLite::Database& db) {
    // Readers go on while a writer works, so start-up reads are never held up by another
    // process's save.
    db.exec("PRAGMA journal_mode = WAL");
    SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
    // Another process may have made the store since the first look.
    switch (OwnerOf(db)) {
        case CFileOwner::Ours:
            return;
        case CFileOwner::Nobody:
            db.exec(kSchema);
            db.exec("PRAGMA application_id = " + std::to_string(kApplicationId));
            transaction.commit();
            return;
        case CFileOwner::Other:
            throw CUnusableFile();
    }
}

std::optional<CKeyStore::KeyId> CKeyStore::ChildKey(SQLite::Database& db, KeyId parent,
                                                    const std::string& name, KeyMode mode) {
    SQLite::Statement& find = Prepared(db, "SELECT id FROM keys WHERE parent = ? AND name = ?");
    const CStatementUse findUse(find);
    find.bind(1, parent);
    find.bind(2, name);
    if (find.executeStep()) {
        return find.getColumn(0).getInt64();
    }
    if (mode == KeyMode::Open) {
        return std::nullopt;
    }
    SQLite::Statement& insert = Prepared(db, "INSERT INTO keys(parent, name) VALUES(?, ?)");
    const CStatementUse insertUse(insert);
    insert.bind(1, parent);
    insert.bind(2, name);
    insert.exec();
    return db.getLastInsertRowid();
}

std::optional<CKeyStore::KeyId> CKeyStore::FindKey(SQLite::Database& db, const Path& path,
                                                   KeyMode createdMode) {
    std::optional<KeyId> key = kRootKey;
    const auto walk = [&](const std::vector<std::string>& names, KeyMode mode) {
        for (const std::string& name : names) {
            if (key && !name.empty()) {
                key = ChildKey(db, *key, name, mode);
            }
        }
    };
    walk(path.opened, KeyMode::Open);
    walk(path.created, createdMode);
    return key;
}

std::optional<CKeyStore::Value> CKeyStore::ReadValue(SQLite::Database& db, KeyId key,
                                                     const std::string& name) {
    SQLite::Statement& query =
        Prepared(db, "SELECT data FROM key_values WHERE key = ? AND name = ?");
    const CStatementUse use(query);
    query.bind(1, key);
    query.bind(2, name);
    if (!query.executeStep()) {
        return std::nullopt;
    }
    const SQLite::Column data = query.getColumn(0);
    if (data.isInteger()) {
        const std::int64_t number = data.getInt64();
        if (number < std::numeric_limits<std::int32_t>::min() ||
            number > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(number);
    }
    if (data.isText()) {
        std::string text = data.getString();
        if (const auto nul = text.find('\0'); nul != std::string::npos) {
            text.resize(nul);
        }
        return text;
    }
    return std::nullopt;
}

std::optional<CKeyStore::Value> CKeyStore::GetValue(const Path& path, const std::string& name) {
    SQLite::Database* db = Connect();
    if (!db) {
        return std::nullopt;
    }
    try {
        {
            // Most reads find their keys; they need no write lock.
            SQLite::Transaction reading(*db, SQLite::TransactionBehavior::DEFERRED);
            if (const auto key = FindKey(*db, path, KeyMode::Open)) {
                auto value = ReadValue(*db, *key, name);
                reading.commit();
                return value;
            }
        }
        if (m_access == Access::ReadOnly) {
            return std::nullopt;
        }
        SQLite::Transaction creating(*db, SQLite::TransactionBehavior::IMMEDIATE);
        const auto key = FindKey(*db, path, KeyMode::Create);
        auto value = key ? ReadValue(*db, *key, name) : std::nullopt;
        creating.commit();
        return value;
    } catch (const std::exception&) {
        Fail();
        return std::nullopt;
    }
}

bool CKeyStore::SetValue(const Path& path, const std::string& name, const Value& value) {
    SQLite::Database* db = m_access == Access::ReadWrite ? Connect() : nullptr;
    if (!db) {
        return false;
    }
    try {
        SQLite::Transaction writing(*db, SQLite::TransactionBehavior::IMMEDIATE);
        const auto key = FindKey(*db, path, KeyMode::Create);
        if (!key) {
            return false;
        }
        // A value whose name differs only in case is the same value: replace its data.
        SQLite::Statement& upsert =
            Prepared(*db,
                     "INSERT INTO key_values(key, name, data) VALUES(?, ?, ?)"
                     " ON CONFLICT(key, name) DO UPDATE SET data = excluded.data");
        const CStatementUse use(upsert);
        upsert.bind(1, *key);
        upsert.bind(2, name);
        if (const auto* number = std::get_if<std::int32_t>(&value)) {
            upsert.bind(3, *number);
        } else {
            // Texts are kept up to their first NUL, as they are read back.
            upsert.bind(3, std::get<std::string>(value).c_str());
        }
        upsert.exec();
        writing.commit();
        return true;
    } catch (const std::exception&) {
        Fail();
        return false;
    }
}

std::optional<std::vector<std::string>> CKeyStore::ListNames(const std::vector<std::string>& path,
                                                             const char* query) {
    SQLite::Database* db = Connect();
    if (!db) {
        return std::nullopt;
    }
    try {
        SQLite::Transaction reading(*db, SQLite::TransactionBehavior::DEFERRED);
        const auto key = FindKey(*db, Path{path, {}}, KeyMode::Open);
        if (!key) {
            return std::nullopt;
        }
        SQLite::Statement names(*db, query);
        names.bind(1, *key);
        std::vector<std::string> result;
        while (names.executeStep()) {
            result.push_back(names.getColumn(0).getString());
        }
        reading.commit();
        return result;
    } catch (const std::exception&) {
        Fail();
        return std::nullopt;
    }
}

std::optional<std::vector<std::string>> CKeyStore::SubKeyNames(
    const std::vector<std::string>& path) {
    return ListNames(path, "SELECT name FROM keys WHERE parent = ? ORDER BY name");
}

std::optional<std::vector<std::string>> CKeyStore::ValueNames(
    const std::vector<std::string>& path) {
    return ListNames(path, "SELECT name FROM key_values WHERE key = ? ORDER BY name");
}

SQLite::Statement& CKeyStore::Prepared(SQLite::Database& db, const char* sql) {
    std::unique_ptr<SQLite::Statement>& statement = m_statements[sql];
    if (!statement) {
        statement = std::make_unique<SQLite::Statement>(db, sql);
    }
    return *statement;
}

void CKeyStore::Fail() {
    m_statements.clear();
    m_db.reset();
    m_failed = true;
}
