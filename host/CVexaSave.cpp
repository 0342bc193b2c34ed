// The framework's key/value store of persisted parameters, kept in one SQLite file.
#include "CVexaSave.h"

#include <fmt/format.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <pwd.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <string_view>
#include <system_error>
#include <unordered_map>

namespace {

// "VEXA" in ASCII: the SQLite application id that marks a vexa store (header offset 68).
constexpr std::int32_t kApplicationId = 0x56455841;
// Schema number kept in PRAGMA user_version (header offset 60).
constexpr int kSchemaVersion = 1;

// The 16-byte magic every SQLite 3 database file starts with, terminating NUL included.
constexpr char kSqliteMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                   'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
// The database header is the first 100 bytes of page 1.
constexpr std::size_t kHeaderSize = 100;

// Type tags of the `kind` column.
constexpr char kKindDouble = 'd';
constexpr char kKindInt = 'i';
constexpr char kKindText = 't';
constexpr char kKindInts = 'a';

const char* const kCreateSchema =
    "CREATE TABLE IF NOT EXISTS vexa_values ("
    " key TEXT PRIMARY KEY NOT NULL,"
    " kind TEXT NOT NULL CHECK (kind IN ('d', 'i', 't', 'a')),"
    " value"
    ") WITHOUT ROWID";

// The statements cached for the open connection.
enum Statement { kSelect, kUpsert, kKeys, kBegin, kCommit, kRollback, kStatementCount };

const char* const kStatementSql[kStatementCount] = {
    "SELECT kind, value FROM vexa_values WHERE key = ?1",
    "INSERT OR REPLACE INTO vexa_values (key, kind, value) VALUES (?1, ?2, ?3)",
    "SELECT key FROM vexa_values WHERE key >= ?1 ORDER BY key",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
};

// One stored row as read: its kind tag and its value as SQLite holds it.
struct StoredValue {
    char kind = '\0';
    int type = SQLITE_NULL;   // SQLite's storage class of the value
    double real = 0;
    std::int64_t integer = 0;
    std::string bytes;        // text or blob
};

struct StoreState {
    sqlite3* db = nullptr;
    std::string path;
    sqlite3_stmt* statements[kStatementCount] = {};
    int batchDepth = 0;
    // OpenSnapshot: every row in memory, no connection.
    bool snapshot = false;
    std::uint64_t snapshotId = 0;   // of the last snapshot opened
    std::map<std::string, StoredValue, std::less<>> values;   // in key order, for Keys
    std::unordered_map<std::string_view, const StoredValue*> index;   // the same rows, by key
};

StoreState& State() {
    static StoreState state;
    return state;
}

// Returns the cached statement, preparing it on first use; nullptr when the store is closed.
sqlite3_stmt* Prepared(Statement which) {
    StoreState& s = State();
    if (s.db == nullptr) {
        return nullptr;
    }
    sqlite3_stmt*& stmt = s.statements[which];
    if (stmt == nullptr) {
        if (sqlite3_prepare_v3(s.db, kStatementSql[which], -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) !=
            SQLITE_OK) {
            stmt = nullptr;
        }
    }
    return stmt;
}

// Runs a cached statement without result rows; true on success.
bool RunPrepared(Statement which) {
    sqlite3_stmt* stmt = Prepared(which);
    if (stmt == nullptr) {
        return false;
    }
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    return rc == SQLITE_DONE;
}

void FinalizeAll(StoreState& s) {
    for (sqlite3_stmt*& stmt : s.statements) {
        sqlite3_finalize(stmt);
        stmt = nullptr;
    }
}

// Commits an open batch transaction; on failure rolls it back so the connection is usable.
void CommitOpenTransaction() {
    StoreState& s = State();
    if (s.db == nullptr || sqlite3_get_autocommit(s.db)) {
        return;
    }
    if (!RunPrepared(kCommit)) {
        RunPrepared(kRollback);
    }
}

// SQLite's reason for the last failure on `db`, in Chinese for the usual faults of a file.
std::string SqliteReason(sqlite3* db) {
    switch (sqlite3_errcode(db) & 0xFF) {
    case SQLITE_CORRUPT:
        return "数据页损坏或文件不完整";
    case SQLITE_NOTADB:
        return "文件格式不是 SQLite 数据库";
    case SQLITE_CANTOPEN:
        return "无法打开文件";
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "没有访问权限";
    case SQLITE_READONLY:
        return "文件只读";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "文件正被其他程序占用";
    case SQLITE_FULL:
        return "磁盘空间不足";
    case SQLITE_IOERR:
        return "读写错误";
    default:
        return sqlite3_errmsg(db);
    }
}

// Opens `path` with `flags`; on failure closes the handle and returns SQLite's message.
sqlite3* OpenConnection(const std::string& path, int flags, std::string& reason) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        reason = db != nullptr ? SqliteReason(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 2000);
    return db;
}

bool Exec(sqlite3* db, const char* sql, std::string& reason) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        reason = (sqlite3_errcode(db) & 0xFF) == SQLITE_ERROR && message != nullptr ? message : SqliteReason(db);
        sqlite3_free(message);
        return false;
    }
    return true;
}

// Runs a one-row integer query such as "PRAGMA application_id".
bool QueryInt(sqlite3* db, const char* sql, std::int64_t& value, std::string& reason) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        reason = SqliteReason(db);
        return false;
    }
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        value = sqlite3_column_int64(stmt, 0);
    } else {
        reason = SqliteReason(db);
    }
    sqlite3_finalize(stmt);
    return rc == SQLITE_ROW;
}

std::uint32_t BigEndian32(const unsigned char* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

std::string SystemReason(int err) {
    switch (err) {
    case EACCES:
    case EPERM:
        return "没有访问权限";
    case ENOENT:
        return "路径不存在";
    case ENOTDIR:
        return "路径中有一段不是目录";
    case EROFS:
        return "所在文件系统只读";
    case ENOSPC:
        return "磁盘空间不足";
    default:
        return std::strerror(err);
    }
}

std::string Untouched(const std::string& path, const std::string& what) {
    return fmt::format("参数库文件 {} {}，未作任何改动。", path, what);
}

// The outcome of looking at a file before SQLite sees it.
enum class FileCheck { kCreate, kExisting, kRefused };

// Decides from the file itself whether `path` is absent or empty (a new store), looks like a
// vexa store, or must be refused. Reads only.
FileCheck CheckFile(const std::string& path, bool forWriting, std::string& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) {
            return FileCheck::kCreate;
        }
        error = Untouched(path, "无法打开（" + SystemReason(errno) + "）");
        return FileCheck::kRefused;
    }
    if (S_ISDIR(st.st_mode)) {
        error = Untouched(path, "无法打开（这是一个目录）");
        return FileCheck::kRefused;
    }
    if (!S_ISREG(st.st_mode)) {
        error = Untouched(path, "无法打开（不是普通文件）");
        return FileCheck::kRefused;
    }
    if (::access(path.c_str(), forWriting ? R_OK | W_OK : R_OK) != 0) {
        error = Untouched(path, "无法打开（" + SystemReason(errno) + "）");
        return FileCheck::kRefused;
    }
    if (st.st_size == 0) {
        return FileCheck::kCreate;
    }
    unsigned char header[kHeaderSize] = {};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = Untouched(path, "无法读取");
        return FileCheck::kRefused;
    }
    in.read(reinterpret_cast<char*>(header), kHeaderSize);
    const std::streamsize got = in.gcount();
    if (got < std::streamsize(sizeof kSqliteMagic) || std::memcmp(header, kSqliteMagic, sizeof kSqliteMagic) != 0) {
        error = Untouched(path, "不是 vexa 参数库");
        return FileCheck::kRefused;
    }
    if (got < std::streamsize(kHeaderSize)) {
        error = Untouched(path, "已损坏（文件头不完整）");
        return FileCheck::kRefused;
    }
    if (std::int32_t(BigEndian32(header + 68)) != kApplicationId) {
        error = Untouched(path, "不是 vexa 参数库");
        return FileCheck::kRefused;
    }
    return FileCheck::kExisting;
}

// `path` as an SQLite file URI, every byte outside the unreserved set percent-encoded.
std::string FileUri(const std::string& path) {
    std::string uri = path.starts_with('/') ? "file://" : "file:";
    for (const unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '.' || c == '_' || c == '-' || c == '~') {
            uri += char(c);
        } else {
            uri += fmt::format("%{:02X}", unsigned(c));
        }
    }
    return uri;
}

// A read-only connection to an existing file. Without a write-ahead log beside the file, the
// file alone holds the store: read it as immutable, so that SQLite creates no side files next to
// a file it may refuse. With a log (another program writing, or one interrupted), read through
// the log as any reader would.
sqlite3* OpenReader(const std::string& path, std::string& reason) {
    std::error_code ec;
    const bool hasLog = std::filesystem::exists(path + "-wal", ec);
    return hasLog ? OpenConnection(path, SQLITE_OPEN_READONLY, reason)
                  : OpenConnection(FileUri(path) + "?immutable=1", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, reason);
}

// Verifies an existing file through a read-only connection: application id, schema number,
// table layout and a quick integrity check. Nothing is written to the file. With `keep`, the
// connection is handed over instead of closed.
bool VerifyExisting(const std::string& path, std::string& error, sqlite3** keep = nullptr) {
    std::string reason;
    sqlite3* db = OpenReader(path, reason);
    if (db == nullptr) {
        error = Untouched(path, "无法打开（" + reason + "）");
        return false;
    }
    // A failure to read the schema on an intact header means a damaged file.
    auto corrupt = [&](const std::string& why) {
        error = Untouched(path, "已损坏（" + why + "）");
        return false;
    };
    bool ok = true;
    std::int64_t applicationId = 0;
    std::int64_t userVersion = 0;
    if (!QueryInt(db, "PRAGMA application_id", applicationId, reason)) {
        ok = corrupt(reason);
    } else if (applicationId != kApplicationId) {
        error = Untouched(path, "不是 vexa 参数库");
        ok = false;
    } else if (!QueryInt(db, "PRAGMA user_version", userVersion, reason)) {
        ok = corrupt(reason);
    } else if (userVersion > kSchemaVersion) {
        error = Untouched(path, fmt::format("由较新版本的 vexa 创建（结构版本 {}，本程序为 {}）", userVersion,
                                            kSchemaVersion));
        ok = false;
    } else if (userVersion != kSchemaVersion) {
        error = Untouched(path, fmt::format("不是 vexa 参数库（结构版本 {}）", userVersion));
        ok = false;
    }
    if (ok) {
        // The values table must have exactly the columns key, kind, value.
        sqlite3_stmt* stmt = nullptr;
        std::string columns;
        if (sqlite3_prepare_v2(db, "SELECT name FROM pragma_table_info('vexa_values') ORDER BY cid", -1, &stmt,
                               nullptr) != SQLITE_OK) {
            ok = corrupt(SqliteReason(db));
        } else {
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
                columns += reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
                columns += ',';
            }
            if (rc != SQLITE_DONE) {
                ok = corrupt(SqliteReason(db));
            } else if (columns != "key,kind,value,") {
                error = Untouched(path, "不是 vexa 参数库（缺少参数表）");
                ok = false;
            }
            sqlite3_finalize(stmt);
        }
    }
    if (ok) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &stmt, nullptr) != SQLITE_OK) {
            ok = corrupt(SqliteReason(db));
        } else {
            std::string result;
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
                if (!result.empty()) {
                    result += "; ";
                }
                result += reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            }
            if (rc != SQLITE_DONE) {
                ok = corrupt(SqliteReason(db));
            } else if (result != "ok") {
                ok = corrupt("完整性检查未通过：" + result);
            }
            sqlite3_finalize(stmt);
        }
    }
    if (ok && keep != nullptr) {
        *keep = db;
        return true;
    }
    sqlite3_close_v2(db);
    return ok;
}

// Journal settings for a file that passed the checks or that was just created.
bool ConfigureConnection(sqlite3* db, std::string& reason) {
    return Exec(db, "PRAGMA journal_mode = WAL", reason) && Exec(db, "PRAGMA synchronous = NORMAL", reason);
}

// Writes the schema into an empty file. Two programs creating one store at the same time take
// turns (the second finds the table there).
bool CreateSchema(sqlite3* db, std::string& reason) {
    const std::string sql = fmt::format(
        "BEGIN IMMEDIATE; PRAGMA application_id = {}; PRAGMA user_version = {}; {}; COMMIT", kApplicationId,
        kSchemaVersion, kCreateSchema);
    if (!Exec(db, sql.c_str(), reason)) {
        std::string ignored;
        Exec(db, "ROLLBACK", ignored);
        return false;
    }
    return true;
}

void EncodeInts(const std::vector<int>& values, std::string& bytes) {
    bytes.resize(values.size() * 4);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto u = static_cast<std::uint32_t>(values[i]);
        bytes[4 * i + 0] = char(u & 0xFF);
        bytes[4 * i + 1] = char((u >> 8) & 0xFF);
        bytes[4 * i + 2] = char((u >> 16) & 0xFF);
        bytes[4 * i + 3] = char((u >> 24) & 0xFF);
    }
}

bool DecodeInts(const unsigned char* p, int size, std::vector<int>& values) {
    if (size < 0 || size % 4 != 0) {
        return false;
    }
    values.resize(std::size_t(size / 4));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::uint32_t u = std::uint32_t(p[4 * i]) | (std::uint32_t(p[4 * i + 1]) << 8) |
                                (std::uint32_t(p[4 * i + 2]) << 16) | (std::uint32_t(p[4 * i + 3]) << 24);
        values[i] = static_cast<int>(u);
    }
    return true;
}

// The value in column `column` of the row `stmt` is positioned on.
void ReadColumn(sqlite3_stmt* stmt, int column, StoredValue& out) {
    out.type = sqlite3_column_type(stmt, column);
    switch (out.type) {
    case SQLITE_INTEGER:
        out.integer = sqlite3_column_int64(stmt, column);
        break;
    case SQLITE_FLOAT:
        out.real = sqlite3_column_double(stmt, column);
        break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        out.bytes.assign(data != nullptr ? data : "", std::size_t(sqlite3_column_bytes(stmt, column)));
        break;
    }
    default:
        break;
    }
}

// Looks `key` up and hands the row to `read`. Returns what `read` returns, or 0 when the key
// is absent or the store is closed.
template <typename Read>
int Lookup(const std::string& key, Read&& read) {
    StoreState& s = State();
    if (s.snapshot) {
        const auto it = s.index.find(std::string_view(key));
        return it == s.index.end() ? 0 : read(*it->second);
    }
    sqlite3_stmt* stmt = Prepared(kSelect);
    if (stmt == nullptr) {
        return 0;
    }
    sqlite3_bind_text(stmt, 1, key.data(), int(key.size()), SQLITE_STATIC);
    int found = 0;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        StoredValue row;
        const unsigned char* kind = sqlite3_column_text(stmt, 0);
        row.kind = kind != nullptr ? char(kind[0]) : '\0';
        ReadColumn(stmt, 1, row);
        found = read(row);
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return found;
}

// A stored number as a double (SQLite may keep an integral double as an integer).
double RealOf(const StoredValue& v) { return v.type == SQLITE_INTEGER ? double(v.integer) : v.real; }

// Stores one value; `bind` binds parameter 3. Outside a batch the statement is its own
// transaction.
template <typename Bind>
int Store(const std::string& key, char kind, Bind&& bind) {
    sqlite3_stmt* stmt = Prepared(kUpsert);
    if (stmt == nullptr) {
        return 0;
    }
    const char kindText[1] = {kind};
    sqlite3_bind_text(stmt, 1, key.data(), int(key.size()), SQLITE_STATIC);
    sqlite3_bind_text(stmt, 2, kindText, 1, SQLITE_STATIC);
    bind(stmt);
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return rc == SQLITE_DONE ? 1 : 0;
}

// Creates a new store at `path`, which does not exist: the store is made whole in a file beside
// it and linked into place, so that no other program ever sees it half made. kExists when another
// program created it first; kFailed (with `reason`) when the file system does not allow it.
enum class Creation { kCreated, kExists, kFailed };

Creation CreateBeside(const std::string& path, std::string& reason) {
    const std::string temp = fmt::format("{}.new{}", path, ::getpid());
    ::unlink(temp.c_str());
    sqlite3* db = OpenConnection(temp, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, reason);
    if (db == nullptr) {
        return Creation::kFailed;
    }
    const bool made = CreateSchema(db, reason) && ConfigureConnection(db, reason);
    sqlite3_close_v2(db);  // the last connection: the log is folded into the file and removed
    if (!made) {
        ::unlink(temp.c_str());
        return Creation::kFailed;
    }
    const int rc = ::link(temp.c_str(), path.c_str());
    const int err = errno;
    ::unlink(temp.c_str());
    if (rc == 0) {
        return Creation::kCreated;
    }
    if (err == EEXIST) {
        return Creation::kExists;
    }
    reason = SystemReason(err);
    return Creation::kFailed;
}

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        return pw->pw_dir;
    }
    return ".";
}

}  // namespace

std::string CVexaSave::DefaultPath() {
    if (const char* store = std::getenv("VEXA_STORE"); store != nullptr && *store != '\0') {
        return store;
    }
    // The XDG base-directory rules ignore a relative XDG_CONFIG_HOME.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
        return (std::filesystem::path(config) / "vexa" / "vexa.db").string();
    }
    return (std::filesystem::path(HomeDirectory()) / ".config" / "vexa" / "vexa.db").string();
}

bool CVexaSave::Open(const std::string& path, std::string& error) {
    Close();
    error.clear();
    if (path.empty()) {
        error = "参数库文件名为空，无法打开。";
        return false;
    }
    const FileCheck check = CheckFile(path, true, error);
    if (check == FileCheck::kRefused) {
        return false;
    }
    std::string reason;
    sqlite3* db = nullptr;
    bool created = false;
    if (check == FileCheck::kCreate) {
        const std::filesystem::path parent = std::filesystem::path(path).parent_path();
        std::error_code ec;
        if (!parent.empty()) {
            std::filesystem::create_directories(parent, ec);
        }
        if (ec) {
            error = fmt::format("无法创建参数库文件 {}（{}）。", path, SystemReason(ec.value()));
            return false;
        }
        struct stat st {};
        const bool absent = ::stat(path.c_str(), &st) != 0 && errno == ENOENT;
        const Creation made = absent ? CreateBeside(path, reason) : Creation::kFailed;
        if (made == Creation::kExists && CheckFile(path, true, error) == FileCheck::kRefused) {
            return false;
        }
        if (made == Creation::kFailed) {
            // An empty file given by the user (or a file system without links): made in place.
            db = OpenConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, reason);
            if (db == nullptr) {
                error = fmt::format("无法创建参数库文件 {}（{}）。", path, reason);
                return false;
            }
            if (!CreateSchema(db, reason) || !ConfigureConnection(db, reason)) {
                sqlite3_close_v2(db);
                error = fmt::format("无法创建参数库文件 {}（{}）。", path, reason);
                return false;
            }
        }
        created = made == Creation::kCreated;
    }
    if (db == nullptr) {
        // Freshly linked into place, the file needs no checks of its own.
        if (!created && !VerifyExisting(path, error)) {
            return false;
        }
        db = OpenConnection(path, SQLITE_OPEN_READWRITE, reason);
        if (db == nullptr) {
            error = Untouched(path, "无法打开（" + reason + "）");
            return false;
        }
        if (sqlite3_db_readonly(db, "main") == 1) {
            sqlite3_close_v2(db);
            error = Untouched(path, "无法写入（只读）");
            return false;
        }
        if (!ConfigureConnection(db, reason)) {
            sqlite3_close_v2(db);
            error = fmt::format("参数库文件 {} 无法使用（{}）。", path, reason);
            return false;
        }
    }
    StoreState& s = State();
    s.db = db;
    s.path = path;
    if (s.batchDepth > 0) {
        RunPrepared(kBegin);
    }
    return true;
}

bool CVexaSave::OpenSnapshot(const std::string& path, std::string& error) {
    Close();
    error.clear();
    if (path.empty()) {
        error = "参数库文件名为空，无法打开。";
        return false;
    }
    std::map<std::string, StoredValue, std::less<>> values;
    const FileCheck check = CheckFile(path, false, error);
    if (check == FileCheck::kRefused) {
        return false;
    }
    if (check == FileCheck::kExisting) {
        sqlite3* db = nullptr;
        if (!VerifyExisting(path, error, &db)) {
            return false;
        }
        sqlite3_stmt* stmt = nullptr;
        bool ok = sqlite3_prepare_v2(db, "SELECT key, kind, value FROM vexa_values", -1, &stmt, nullptr) == SQLITE_OK;
        int rc = SQLITE_DONE;
        while (ok && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            const auto* key = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            const unsigned char* kind = sqlite3_column_text(stmt, 1);
            StoredValue row;
            row.kind = kind != nullptr ? char(kind[0]) : '\0';
            ReadColumn(stmt, 2, row);
            values.insert_or_assign(std::string(key != nullptr ? key : "", std::size_t(sqlite3_column_bytes(stmt, 0))),
                                    std::move(row));
        }
        if (!ok || rc != SQLITE_DONE) {
            error = Untouched(path, "已损坏（" + SqliteReason(db) + "）");
            sqlite3_finalize(stmt);
            sqlite3_close_v2(db);
            return false;
        }
        sqlite3_finalize(stmt);
        sqlite3_close_v2(db);
    }
    StoreState& s = State();
    s.snapshot = true;
    ++s.snapshotId;
    s.values = std::move(values);
    s.index.clear();
    s.index.reserve(s.values.size());
    for (const auto& [key, value] : s.values) {
        s.index.emplace(key, &value);
    }
    s.path = path;
    return true;
}

bool CVexaSave::IsSnapshot() { return State().snapshot; }

std::uint64_t CVexaSave::SnapshotId() { return State().snapshot ? State().snapshotId : 0; }

void CVexaSave::Close() {
    StoreState& s = State();
    if (s.snapshot) {
        s.snapshot = false;
        s.index.clear();
        s.values.clear();
        s.path.clear();
    }
    if (s.db == nullptr) {
        return;
    }
    CommitOpenTransaction();
    FinalizeAll(s);
    sqlite3_close_v2(s.db);
    s.db = nullptr;
    s.path.clear();
}

bool CVexaSave::IsOpen() {
    return State().db != nullptr || State().snapshot;
}

const std::string& CVexaSave::Path() {
    return State().path;
}

int CVexaSave::GetValue(const std::string& key, double& value, double def) {
    value = def;
    return Lookup(key, [&](const StoredValue& v) {
        if (v.kind == kKindDouble && v.type == SQLITE_NULL) {
            // SQLite keeps a NaN as NULL.
            value = std::numeric_limits<double>::quiet_NaN();
            return 1;
        }
        if ((v.kind == kKindDouble || v.kind == kKindInt) && (v.type == SQLITE_FLOAT || v.type == SQLITE_INTEGER)) {
            value = RealOf(v);
            return 1;
        }
        return 0;
    });
}

int CVexaSave::GetValue(const std::string& key, int& value, int def) {
    value = def;
    return Lookup(key, [&](const StoredValue& v) {
        if (v.kind == kKindInt && v.type == SQLITE_INTEGER) {
            // A value outside the int range (written by another program) is not an int.
            if (v.integer < std::numeric_limits<int>::min() || v.integer > std::numeric_limits<int>::max()) {
                return 0;
            }
            value = int(v.integer);
            return 1;
        }
        if ((v.kind == kKindDouble || v.kind == kKindInt) && (v.type == SQLITE_FLOAT || v.type == SQLITE_INTEGER)) {
            // A double read as an int rounds to the nearest; one outside the int range is not an int.
            const double rounded = std::round(RealOf(v));
            if (rounded >= double(std::numeric_limits<int>::min()) &&
                rounded <= double(std::numeric_limits<int>::max())) {
                value = int(rounded);
                return 1;
            }
        }
        return 0;
    });
}

int CVexaSave::GetValue(const std::string& key, std::string& value, const std::string& def) {
    value = def;
    return Lookup(key, [&](const StoredValue& v) {
        if (v.kind != kKindText) {
            return 0;
        }
        value = v.type == SQLITE_TEXT || v.type == SQLITE_BLOB ? v.bytes : std::string();
        return 1;
    });
}

int CVexaSave::GetValue(const std::string& key, std::vector<int>& value, const std::vector<int>& def) {
    value = def;
    return Lookup(key, [&](const StoredValue& v) {
        if (v.kind != kKindInts || (v.type != SQLITE_BLOB && v.type != SQLITE_TEXT)) {
            return 0;
        }
        std::vector<int> decoded;
        if (!DecodeInts(reinterpret_cast<const unsigned char*>(v.bytes.data()), int(v.bytes.size()), decoded)) {
            return 0;
        }
        value = std::move(decoded);
        return 1;
    });
}

int CVexaSave::SetValue(const std::string& key, double value) {
    return Store(key, kKindDouble, [&](sqlite3_stmt* stmt) { sqlite3_bind_double(stmt, 3, value); });
}

int CVexaSave::SetValue(const std::string& key, int value) {
    return Store(key, kKindInt, [&](sqlite3_stmt* stmt) { sqlite3_bind_int(stmt, 3, value); });
}

int CVexaSave::SetValue(const std::string& key, const std::string& value) {
    return Store(key, kKindText,
                 [&](sqlite3_stmt* stmt) { sqlite3_bind_text(stmt, 3, value.data(), int(value.size()), SQLITE_STATIC); });
}

int CVexaSave::SetValue(const std::string& key, const char* value) {
    return SetValue(key, std::string(value != nullptr ? value : ""));
}

int CVexaSave::SetValue(const std::string& key, const std::vector<int>& value) {
    std::string bytes;
    EncodeInts(value, bytes);
    // A zero-length blob, not NULL, so that an empty array stays an array.
    return Store(key, kKindInts, [&](sqlite3_stmt* stmt) {
        if (bytes.empty()) {
            sqlite3_bind_zeroblob(stmt, 3, 0);
        } else {
            sqlite3_bind_blob(stmt, 3, bytes.data(), int(bytes.size()), SQLITE_STATIC);
        }
    });
}

std::vector<std::string> CVexaSave::Keys(const std::string& prefix) {
    std::vector<std::string> keys;
    if (State().snapshot) {
        const auto& values = State().values;
        for (auto it = values.lower_bound(prefix); it != values.end() && it->first.starts_with(prefix); ++it) {
            keys.push_back(it->first);
        }
        return keys;
    }
    sqlite3_stmt* stmt = Prepared(kKeys);
    if (stmt == nullptr) {
        return keys;
    }
    sqlite3_bind_text(stmt, 1, prefix.data(), int(prefix.size()), SQLITE_STATIC);
    // Keys sort bytewise, so those with the prefix form one run starting at the prefix itself.
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        std::string key(text != nullptr ? text : "", std::size_t(sqlite3_column_bytes(stmt, 0)));
        if (key.compare(0, prefix.size(), prefix) != 0) {
            break;
        }
        keys.push_back(std::move(key));
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return keys;
}

CVexaSaveBatch::CVexaSaveBatch() {
    StoreState& s = State();
    if (s.batchDepth++ == 0 && s.db != nullptr && sqlite3_get_autocommit(s.db)) {
        RunPrepared(kBegin);
    }
}

CVexaSaveBatch::~CVexaSaveBatch() {
    StoreState& s = State();
    if (s.batchDepth > 0 && --s.batchDepth == 0) {
        CommitOpenTransaction();
    }
}
