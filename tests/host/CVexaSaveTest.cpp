// Tests of the parameter store: round trips, kinds, batches, and refusal of foreign or damaged files.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "CVexaSave.h"

namespace fs = std::filesystem;

namespace {

// A second, independent SQLite connection, as another program would have. The SQLite library
// is already loaded by the host layer, so its entry points are looked up at run time.
class RawSqlite {
public:
    explicit RawSqlite(const std::string& path) {
        open_ = reinterpret_cast<decltype(open_)>(dlsym(RTLD_DEFAULT, "sqlite3_open_v2"));
        exec_ = reinterpret_cast<decltype(exec_)>(dlsym(RTLD_DEFAULT, "sqlite3_exec"));
        close_ = reinterpret_cast<decltype(close_)>(dlsym(RTLD_DEFAULT, "sqlite3_close_v2"));
        if (open_ != nullptr && exec_ != nullptr && close_ != nullptr) {
            // SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
            if (open_(path.c_str(), &db_, 0x2 | 0x4, nullptr) != 0) {
                close_(db_);
                db_ = nullptr;
            }
        }
    }
    ~RawSqlite() {
        if (db_ != nullptr) {
            close_(db_);
        }
    }
    bool Ok() const { return db_ != nullptr; }
    bool Exec(const std::string& sql) { return exec_(db_, sql.c_str(), nullptr, nullptr, nullptr) == 0; }
    // The first column of the first row of `sql`, or "" when there is none.
    std::string Scalar(const std::string& sql) {
        std::string result;
        auto callback = [](void* out, int, char** values, char**) {
            *static_cast<std::string*>(out) = values[0] != nullptr ? values[0] : "";
            return 1;
        };
        exec_(db_, sql.c_str(), callback, &result, nullptr);
        return result;
    }

private:
    void* db_ = nullptr;
    int (*open_)(const char*, void**, int, const char*) = nullptr;
    int (*exec_)(void*, const char*, int (*)(void*, int, char**, char**), void*, char**) = nullptr;
    int (*close_)(void*) = nullptr;
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class CVexaSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        programStore_ = CVexaSave::Path();
        std::string pattern = (fs::temp_directory_path() / "vexa-save-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        CVexaSave::Close();
    }
    void TearDown() override {
        CVexaSave::Close();
        std::error_code ec;
        fs::remove_all(dir_, ec);
        if (!programStore_.empty()) {
            std::string error;
            EXPECT_TRUE(CVexaSave::Open(programStore_, error)) << error;
        }
    }
    std::string PathIn(const std::string& name) const { return (dir_ / name).string(); }
    void OpenStore(const std::string& path) {
        std::string error;
        ASSERT_TRUE(CVexaSave::Open(path, error)) << error;
        EXPECT_TRUE(error.empty());
    }
    // Opening `path` must fail with `expected` and leave the file (and its folder) as it was.
    void ExpectRefused(const std::string& path, const std::string& expected) {
        const std::string before = ReadBytes(path);
        const auto entriesBefore = std::distance(fs::directory_iterator(dir_), fs::directory_iterator());
        std::string error;
        EXPECT_FALSE(CVexaSave::Open(path, error));
        EXPECT_EQ(error, expected);
        EXPECT_FALSE(CVexaSave::IsOpen());
        EXPECT_EQ(ReadBytes(path), before) << "the refused file was changed";
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), entriesBefore)
            << "files were created beside the refused file";
        // A refused store reads defaults and drops writes.
        int n = 0;
        EXPECT_EQ(CVexaSave::GetValue("k", n, 5), 0);
        EXPECT_EQ(n, 5);
        EXPECT_EQ(CVexaSave::SetValue("k", 1), 0);
        EXPECT_TRUE(CVexaSave::Keys("").empty());
        EXPECT_EQ(ReadBytes(path), before);
    }
    // A closed store with enough values to span several pages.
    std::string MakeStore(const std::string& name, int count) {
        const std::string path = PathIn(name);
        OpenStore(path);
        {
            CVexaSaveBatch batch;
            for (int i = 0; i < count; ++i) {
                CVexaSave::SetValue("KEY" + std::to_string(i), std::string(100, char('a' + i % 26)));
            }
        }
        CVexaSave::Close();
        return path;
    }

    std::string programStore_;
    fs::path dir_;
};

TEST_F(CVexaSaveTest, EveryKindRoundTrips) {
    // Missing folders are made; odd characters in the name are no obstacle to re-opening.
    const std::string path = PathIn("sub/参数 #?%/vexa.db");
    OpenStore(path);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(CVexaSave::Path(), path);

    const double doubles[] = {0.1, -123456.789, 1e-300, 3.141592653589793, -0.0};
    for (double d : doubles) {
        ASSERT_EQ(CVexaSave::SetValue("D", d), 1);
        double back = 99;
        EXPECT_EQ(CVexaSave::GetValue("D", back, 99.0), 1);
        EXPECT_EQ(back, d);
        EXPECT_EQ(std::signbit(back), std::signbit(d));
    }
    ASSERT_EQ(CVexaSave::SetValue("D", std::nan("")), 1);
    double nanBack = 0;
    EXPECT_EQ(CVexaSave::GetValue("D", nanBack, 0.0), 1);
    EXPECT_TRUE(std::isnan(nanBack));

    for (int n : {0, -1, 42, INT_MIN, INT_MAX}) {
        ASSERT_EQ(CVexaSave::SetValue("N", n), 1);
        int back = 7;
        EXPECT_EQ(CVexaSave::GetValue("N", back, 7), 1);
        EXPECT_EQ(back, n);
    }

    const std::string text = "钢筋混凝土结构\t“满足要求”\n第二行 ，Φ@100";
    ASSERT_EQ(CVexaSave::SetValue("T", text), 1);
    ASSERT_EQ(CVexaSave::SetValue("E", ""), 1);
    ASSERT_EQ(CVexaSave::SetValue("C", "C30"), 1);
    std::string back;
    EXPECT_EQ(CVexaSave::GetValue("T", back, std::string("x")), 1);
    EXPECT_EQ(back, text);
    EXPECT_EQ(CVexaSave::GetValue("E", back, std::string("x")), 1);
    EXPECT_EQ(back, "");
    EXPECT_EQ(CVexaSave::GetValue("C", back, std::string("x")), 1);
    EXPECT_EQ(back, "C30");

    const std::vector<std::vector<int>> arrays = {{}, {8}, {-1, 0, 1, INT_MIN, INT_MAX, 256, -256}};
    for (const auto& a : arrays) {
        ASSERT_EQ(CVexaSave::SetValue("A", a), 1);
        std::vector<int> got = {5, 5};
        EXPECT_EQ(CVexaSave::GetValue("A", got, std::vector<int>{9}), 1);
        EXPECT_EQ(got, a);
    }

    // The values survive closing and re-opening the file.
    CVexaSave::SetValue("/SHYNDJS/dB", 250.5);
    CVexaSave::Close();
    OpenStore(path);
    double b = 0;
    EXPECT_EQ(CVexaSave::GetValue("/SHYNDJS/dB", b, 0.0), 1);
    EXPECT_EQ(b, 250.5);
    EXPECT_EQ(CVexaSave::GetValue("T", back, std::string()), 1);
    EXPECT_EQ(back, text);
    std::vector<int> a;
    EXPECT_EQ(CVexaSave::GetValue("A", a, {}), 1);
    EXPECT_EQ(a, arrays.back());
}

TEST_F(CVexaSaveTest, AbsentKeysAndOtherKindsGiveTheDefault) {
    OpenStore(PathIn("vexa.db"));
    double d = 1;
    int n = 1;
    std::string s = "old";
    std::vector<int> a = {1};
    EXPECT_EQ(CVexaSave::GetValue("none", d, 2.5), 0);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(CVexaSave::GetValue("none", n, 3), 0);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(CVexaSave::GetValue("none", s, std::string("C25")), 0);
    EXPECT_EQ(s, "C25");
    EXPECT_EQ(CVexaSave::GetValue("none", a, {4, 5}), 0);
    EXPECT_EQ(a, (std::vector<int>{4, 5}));

    // Ints and doubles convert into each other; a double read as an int rounds to the nearest.
    CVexaSave::SetValue("int", 7);
    CVexaSave::SetValue("dbl", 2.6);
    CVexaSave::SetValue("neg", -2.5);
    CVexaSave::SetValue("huge", 1e12);
    EXPECT_EQ(CVexaSave::GetValue("int", d, 0.0), 1);
    EXPECT_EQ(d, 7.0);
    EXPECT_EQ(CVexaSave::GetValue("dbl", n, 0), 1);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(CVexaSave::GetValue("neg", n, 0), 1);
    EXPECT_EQ(n, -3);
    EXPECT_EQ(CVexaSave::GetValue("huge", n, 11), 0);
    EXPECT_EQ(n, 11);

    // Text, numbers and arrays do not read as one another.
    CVexaSave::SetValue("text", "25");
    CVexaSave::SetValue("arr", std::vector<int>{25});
    EXPECT_EQ(CVexaSave::GetValue("text", d, 1.5), 0);
    EXPECT_EQ(d, 1.5);
    EXPECT_EQ(CVexaSave::GetValue("text", n, 6), 0);
    EXPECT_EQ(n, 6);
    EXPECT_EQ(CVexaSave::GetValue("text", a, {}), 0);
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(CVexaSave::GetValue("int", s, std::string("d")), 0);
    EXPECT_EQ(s, "d");
    EXPECT_EQ(CVexaSave::GetValue("dbl", a, {1}), 0);
    EXPECT_EQ(CVexaSave::GetValue("arr", n, 0), 0);
    EXPECT_EQ(CVexaSave::GetValue("arr", s, std::string("e")), 0);

    // A key takes the kind of its latest value.
    CVexaSave::SetValue("int", "seven");
    EXPECT_EQ(CVexaSave::GetValue("int", n, 0), 0);
    EXPECT_EQ(CVexaSave::GetValue("int", s, std::string()), 1);
    EXPECT_EQ(s, "seven");
}

TEST_F(CVexaSaveTest, KeysWithAPrefixComeInKeyOrder) {
    OpenStore(PathIn("vexa.db"));
    for (const char* key : {"GHL/b", "GHL/a", "GHL0", "GHK/z", "GHL/a/x", "GHL"}) {
        CVexaSave::SetValue(key, 1);
    }
    EXPECT_EQ(CVexaSave::Keys("GHL/"), (std::vector<std::string>{"GHL/a", "GHL/a/x", "GHL/b"}));
    EXPECT_EQ(CVexaSave::Keys("GHL"), (std::vector<std::string>{"GHL", "GHL/a", "GHL/a/x", "GHL/b", "GHL0"}));
    EXPECT_EQ(CVexaSave::Keys("").size(), 6u);
    EXPECT_TRUE(CVexaSave::Keys("X").empty());
}

TEST_F(CVexaSaveTest, ABatchCommitsWhenTheOutermostEnds) {
    const std::string path = PathIn("vexa.db");
    OpenStore(path);
    CVexaSave::SetValue("single", 1);
    RawSqlite other(path);
    ASSERT_TRUE(other.Ok());
    // Outside a batch each write is committed at once.
    EXPECT_EQ(other.Scalar("SELECT count(*) FROM vexa_values"), "1");
    {
        CVexaSaveBatch outer;
        EXPECT_EQ(CVexaSave::SetValue("b/1", 1.5), 1);
        {
            CVexaSaveBatch inner;
            EXPECT_EQ(CVexaSave::SetValue("b/2", "x"), 1);
        }
        EXPECT_EQ(CVexaSave::SetValue("b/3", std::vector<int>{1, 2}), 1);
        // The writer sees its own writes; another connection sees nothing before the commit.
        double d = 0;
        EXPECT_EQ(CVexaSave::GetValue("b/1", d, 0.0), 1);
        EXPECT_EQ(other.Scalar("SELECT count(*) FROM vexa_values"), "1");
    }
    EXPECT_EQ(other.Scalar("SELECT count(*) FROM vexa_values"), "4");
    EXPECT_EQ(other.Scalar("PRAGMA journal_mode"), "wal");
}

TEST_F(CVexaSaveTest, AStoreLeftByAnInterruptedSessionOpensWithItsValues) {
    const std::string path = PathIn("vexa.db");
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::string error;
        const bool ok = CVexaSave::Open(path, error) && CVexaSave::SetValue("/GHZ/dN", 1200.0) == 1;
        _exit(ok ? 0 : 1);  // ends without closing: the log stays beside the file
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(fs::exists(path + "-wal"));
    OpenStore(path);
    double n = 0;
    EXPECT_EQ(CVexaSave::GetValue("/GHZ/dN", n, 0.0), 1);
    EXPECT_EQ(n, 1200.0);
}

TEST_F(CVexaSaveTest, ClosedStoreReadsDefaultsAndDropsWrites) {
    EXPECT_FALSE(CVexaSave::IsOpen());
    EXPECT_EQ(CVexaSave::Path(), "");
    double d = 0;
    EXPECT_EQ(CVexaSave::GetValue("k", d, 4.5), 0);
    EXPECT_EQ(d, 4.5);
    EXPECT_EQ(CVexaSave::SetValue("k", 1.0), 0);
    {
        CVexaSaveBatch batch;
        EXPECT_EQ(CVexaSave::SetValue("k", "t"), 0);
    }
    EXPECT_TRUE(CVexaSave::Keys("").empty());
}

TEST_F(CVexaSaveTest, AnEmptyFileBecomesAStore) {
    const std::string path = PathIn("empty.db");
    WriteBytes(path, "");
    OpenStore(path);
    EXPECT_EQ(CVexaSave::SetValue("k", 3), 1);
    CVexaSave::Close();
    OpenStore(path);
    int n = 0;
    EXPECT_EQ(CVexaSave::GetValue("k", n, 0), 1);
    EXPECT_EQ(n, 3);
}

TEST_F(CVexaSaveTest, ForeignFilesAreRefusedAndLeftUntouched) {
    const std::string text = PathIn("notes.txt");
    WriteBytes(text, "C30 HRB400\n这不是数据库\n");
    ExpectRefused(text, "参数库文件 " + text + " 不是 vexa 参数库，未作任何改动。");

    const std::string foreign = PathIn("other.db");
    {
        RawSqlite raw(foreign);
        ASSERT_TRUE(raw.Ok());
        ASSERT_TRUE(raw.Exec("PRAGMA journal_mode=WAL; CREATE TABLE t(x); INSERT INTO t VALUES (1)"));
    }
    ExpectRefused(foreign, "参数库文件 " + foreign + " 不是 vexa 参数库，未作任何改动。");

    // A database that borrows the vexa application id but lacks the schema.
    const std::string impostor = PathIn("impostor.db");
    {
        RawSqlite raw(impostor);
        ASSERT_TRUE(raw.Ok());
        ASSERT_TRUE(raw.Exec("PRAGMA application_id=1447385153; CREATE TABLE t(x)"));
    }
    ExpectRefused(impostor, "参数库文件 " + impostor + " 不是 vexa 参数库（结构版本 0），未作任何改动。");
}

TEST_F(CVexaSaveTest, ANewerOrDamagedStoreIsRefusedAndLeftUntouched) {
    const std::string newer = MakeStore("newer.db", 3);
    {
        RawSqlite raw(newer);
        ASSERT_TRUE(raw.Exec("PRAGMA user_version=2"));
    }
    ExpectRefused(newer, "参数库文件 " + newer + " 由较新版本的 vexa 创建（结构版本 2，本程序为 1），未作任何改动。");

    // Cut short: the pages the header counts are missing.
    const std::string truncated = MakeStore("truncated.db", 200);
    std::string bytes = ReadBytes(truncated);
    ASSERT_GT(bytes.size(), 3 * 4096u);
    WriteBytes(truncated, bytes.substr(0, bytes.size() / 2));
    ExpectRefused(truncated, "参数库文件 " + truncated + " 已损坏（数据页损坏或文件不完整），未作任何改动。");

    // Only the header is left.
    const std::string headerOnly = PathIn("header.db");
    WriteBytes(headerOnly, bytes.substr(0, 60));
    ExpectRefused(headerOnly, "参数库文件 " + headerOnly + " 已损坏（文件头不完整），未作任何改动。");

    // A page overwritten with rubbish in the middle of the file.
    const std::string scrambled = MakeStore("scrambled.db", 200);
    bytes = ReadBytes(scrambled);
    for (std::size_t i = 2 * 4096; i < 3 * 4096; ++i) {
        bytes[i] = char(i * 7);
    }
    WriteBytes(scrambled, bytes);
    std::string error;
    EXPECT_FALSE(CVexaSave::Open(scrambled, error));
    EXPECT_EQ(error, "参数库文件 " + scrambled + " 已损坏（数据页损坏或文件不完整），未作任何改动。");
    EXPECT_EQ(ReadBytes(scrambled), bytes);
}

TEST_F(CVexaSaveTest, AnUnopenablePathIsRefused) {
    std::string error;
    EXPECT_FALSE(CVexaSave::Open(dir_.string(), error));
    EXPECT_EQ(error, "参数库文件 " + dir_.string() + " 无法打开（这是一个目录），未作任何改动。");
    EXPECT_FALSE(CVexaSave::IsOpen());

    // A file stands where a folder of the path should be.
    const std::string blocker = PathIn("plain");
    WriteBytes(blocker, "x");
    const std::string path = blocker + "/vexa.db";
    EXPECT_FALSE(CVexaSave::Open(path, error));
    EXPECT_EQ(error, "参数库文件 " + path + " 无法打开（路径中有一段不是目录），未作任何改动。");
    EXPECT_EQ(ReadBytes(blocker), "x");

    // A refused Open closes the store that was open before.
    OpenStore(PathIn("vexa.db"));
    EXPECT_FALSE(CVexaSave::Open(dir_.string(), error));
    EXPECT_FALSE(CVexaSave::IsOpen());
    EXPECT_EQ(CVexaSave::Path(), "");
}

TEST_F(CVexaSaveTest, DefaultPathFollowsTheEnvironment) {
    const char* names[] = {"VEXA_STORE", "XDG_CONFIG_HOME", "HOME"};
    std::string saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = getenv(names[i]);
        had[i] = v != nullptr;
        saved[i] = v != nullptr ? v : "";
    }
    setenv("VEXA_STORE", "/data/p.db", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    setenv("HOME", "/home/eng", 1);
    EXPECT_EQ(CVexaSave::DefaultPath(), "/data/p.db");
    unsetenv("VEXA_STORE");
    EXPECT_EQ(CVexaSave::DefaultPath(), "/cfg/vexa/vexa.db");
    setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(CVexaSave::DefaultPath(), "/home/eng/.config/vexa/vexa.db");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(CVexaSave::DefaultPath(), "/home/eng/.config/vexa/vexa.db");
    for (int i = 0; i < 3; ++i) {
        if (had[i]) {
            setenv(names[i], saved[i].c_str(), 1);
        } else {
            unsetenv(names[i]);
        }
    }
}

}  // namespace

namespace {

TEST_F(CVexaSaveTest, ASnapshotReadsTheStoreAndNeverWritesIt) {
    const std::string path = PathIn("store.db");
    OpenStore(path);
    CVexaSave::SetValue("LFKZHJSm_dB", 250.0);
    CVexaSave::SetValue("LFKZHJSm_nFirstNum", 3);
    CVexaSave::SetValue("LFKZHJSm_strBlockNum", std::string("L-7"));
    CVexaSave::SetValue("ZFJm_ary", std::vector<int>{8, 10});
    CVexaSave::Close();
    const std::string before = ReadBytes(path);

    std::string error;
    ASSERT_TRUE(CVexaSave::OpenSnapshot(path, error)) << error;
    EXPECT_TRUE(CVexaSave::IsOpen());
    EXPECT_TRUE(CVexaSave::IsSnapshot());
    double b = 0;
    int n = 0;
    std::string number;
    std::vector<int> ary;
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_dB", b, 200.0), 1);
    EXPECT_EQ(b, 250.0);
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_nFirstNum", n, 2), 1);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_strBlockNum", number, ""), 1);
    EXPECT_EQ(number, "L-7");
    EXPECT_EQ(CVexaSave::GetValue("ZFJm_ary", ary, {}), 1);
    EXPECT_EQ(ary, (std::vector<int>{8, 10}));
    EXPECT_EQ(CVexaSave::Keys("LFKZHJS"),
              (std::vector<std::string>{"LFKZHJSm_dB", "LFKZHJSm_nFirstNum", "LFKZHJSm_strBlockNum"}));
    // Writes are dropped: the copy and the file stay as they were.
    EXPECT_EQ(CVexaSave::SetValue("LFKZHJSm_dB", 300.0), 0);
    {
        CVexaSaveBatch batch;
        EXPECT_EQ(CVexaSave::SetValue("new", 1), 0);
    }
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_dB", b, 200.0), 1);
    EXPECT_EQ(b, 250.0);
    CVexaSave::Close();
    EXPECT_FALSE(CVexaSave::IsSnapshot());
    EXPECT_EQ(ReadBytes(path), before);
}

// A snapshot opened again reads the store as it is then: nothing of the one before is left.
TEST_F(CVexaSaveTest, ASnapshotOpenedAgainReadsTheStoreAfresh) {
    const std::string first = PathIn("first.db"), second = PathIn("second.db");
    OpenStore(first);
    CVexaSave::SetValue("LFKZHJSm_dB", 250.0);
    CVexaSave::SetValue("LFKZHJSm_dH", 600.0);
    CVexaSave::Close();
    OpenStore(second);
    CVexaSave::SetValue("LFKZHJSm_dB", 300.0);
    CVexaSave::Close();

    std::string error;
    double value = 0;
    ASSERT_TRUE(CVexaSave::OpenSnapshot(first, error)) << error;
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_dH", value, 500.0), 1);
    EXPECT_EQ(value, 600.0);
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_dA", value, 35.0), 0);   // not stored: the default
    EXPECT_EQ(value, 35.0);
    ASSERT_TRUE(CVexaSave::OpenSnapshot(second, error)) << error;   // in place of the first
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_dB", value, 200.0), 1);
    EXPECT_EQ(value, 300.0);
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_dH", value, 500.0), 0);
    EXPECT_EQ(value, 500.0);
    CVexaSave::Close();
    EXPECT_EQ(CVexaSave::GetValue("LFKZHJSm_dB", value, 200.0), 0);   // closed: nothing is read
    EXPECT_EQ(value, 200.0);
}

TEST_F(CVexaSaveTest, ASnapshotOfNoFileIsEmptyAndCreatesNothing) {
    const std::string path = PathIn("absent.db");
    std::string error;
    ASSERT_TRUE(CVexaSave::OpenSnapshot(path, error)) << error;
    int n = 0;
    EXPECT_EQ(CVexaSave::GetValue("k", n, 5), 0);
    EXPECT_EQ(n, 5);
    CVexaSave::Close();
    EXPECT_FALSE(fs::exists(path));
    // Foreign files are refused as Open refuses them.
    WriteBytes(PathIn("notes.txt"), "not a store");
    EXPECT_FALSE(CVexaSave::OpenSnapshot(PathIn("notes.txt"), error));
    EXPECT_EQ(error, "参数库文件 " + PathIn("notes.txt") + " 不是 vexa 参数库，未作任何改动。");
}

// Processes that create and write one new store at the same moment all succeed, and every
// value of each is there afterwards.
TEST_F(CVexaSaveTest, ProcessesCreatingAndWritingOneStoreTogetherAllSucceed) {
    for (int round = 0; round < 10; ++round) {
        const std::string path = PathIn("shared-" + std::to_string(round) + ".db");
        constexpr int kWriters = 4;
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        std::vector<pid_t> pids;
        for (int w = 0; w < kWriters; ++w) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::close(go[1]);
                char c;
                (void)!::read(go[0], &c, 1);  // all start together
                std::string error;
                if (!CVexaSave::Open(path, error)) {
                    ::_exit(10);
                }
                int written = 0;
                {
                    CVexaSaveBatch batch;
                    for (int k = 0; k < 20; ++k) {
                        written += CVexaSave::SetValue(fmt::format("w{}k{}", w, k), w * 100 + k);
                    }
                }
                written += CVexaSave::SetValue(fmt::format("w{}single", w), std::string("done"));
                CVexaSave::Close();
                ::_exit(written == 21 ? 0 : 11);
            }
            pids.push_back(pid);
        }
        ::close(go[0]);
        ::close(go[1]);  // the start signal
        for (pid_t pid : pids) {
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round << " status " << status;
        }
        OpenStore(path);
        for (int w = 0; w < kWriters; ++w) {
            for (int k = 0; k < 20; ++k) {
                int v = -1;
                EXPECT_EQ(CVexaSave::GetValue(fmt::format("w{}k{}", w, k), v, -1), 1);
                EXPECT_EQ(v, w * 100 + k);
            }
        }
        CVexaSave::Close();
    }
}

}  // namespace
