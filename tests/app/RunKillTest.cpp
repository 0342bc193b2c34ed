// Crash safety of the store under the program: `vexa run` killed at random moments leaves a
// sound store whose values are all the old ones or all the new ones; programs writing one store
// at the same time all succeed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <fmt/format.h>

#include "CVexaSave.h"
#include "VexaProgramTest.h"

namespace fs = std::filesystem;

namespace {

using Values = std::map<std::string, std::string>;  // key -> kind and value

// The store's rows and its integrity, read with SQLite directly ("" when sound).
std::string ReadStore(const std::string& path, Values& values) {
    values.clear();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return "cannot open";
    }
    std::string problem;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
    if (sqlite3_step(stmt) != SQLITE_ROW || std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))) != "ok") {
        problem = "integrity check failed";
    }
    sqlite3_finalize(stmt);
    sqlite3_prepare_v2(db, "SELECT key, kind, quote(value) FROM vexa_values", -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        values[reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))] =
            std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))) + ":" +
            reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return problem;
}

void CopyStore(const std::string& from, const std::string& to) {
    for (const char* suffix : {"", "-wal", "-shm"}) {
        fs::remove(to + suffix);
    }
    fs::copy_file(from, to);
}

// Starts `vexa ARGS…` on `store`, its output thrown away.
pid_t Start(const std::string& store, const std::vector<std::string>& args) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::setenv("VEXA_STORE", store.c_str(), 1);
        ::setenv("VEXA_PLUGIN", VEXA_PLUGIN, 1);
        std::vector<char*> argv{const_cast<char*>(VEXA_EXE)};
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(VEXA_EXE, argv.data());
        ::_exit(127);
    }
    return pid;
}

int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

std::vector<std::string> RunArgs(const std::vector<std::string>& sets) {
    std::vector<std::string> args{"run", "LFKZHJS"};
    for (const std::string& s : sets) {
        args.push_back("--set");
        args.push_back(s);
    }
    return args;
}

class RunKillTest : public VexaProgramTest {};

TEST_F(RunKillTest, AKilledRunLeavesTheOldValuesOrTheNewOnes) {
    const std::vector<std::string> oldSets{"m_strBlockNum=L-old", "m_dB=250", "m_dH=550", "m_nFirstNum=3",
                                           "m_strConcreteGrade=C30", "m_bIsPsi=0"};
    const std::vector<std::string> newSets{"m_strBlockNum=L-new", "m_dB=300", "m_dH=650", "m_nFirstNum=4",
                                           "m_strConcreteGrade=C35", "m_bIsPsi=1", "m_nSufferForce=3", "m_dN=368.8"};
    const std::string oldStore = Path("old.db"), newStore = Path("new.db"), store = Path("killed.db");
    ASSERT_EQ(Wait(Start(oldStore, RunArgs(oldSets))), 0);
    CopyStore(oldStore, newStore);
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(Start(newStore, RunArgs(newSets))), 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0);
    Values oldValues, newValues, values;
    ASSERT_EQ(ReadStore(oldStore, oldValues), "");
    ASSERT_EQ(ReadStore(newStore, newValues), "");
    ASSERT_NE(oldValues, newValues);

    std::mt19937 random(20261209);
    int sawOld = 0, sawNew = 0;
    for (int i = 0; i < 200; ++i) {
        CopyStore(oldStore, store);
        // Moments over the whole run, and more of them near its end, where it writes.
        const double share = i % 2 == 0 ? std::uniform_real_distribution<double>(0, 1.1)(random)
                                        : std::uniform_real_distribution<double>(0.6, 1.1)(random);
        const pid_t pid = Start(store, RunArgs(newSets));
        std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long>(share * double(whole.count()))));
        ::kill(pid, SIGKILL);
        Wait(pid);
        ASSERT_EQ(ReadStore(store, values), "") << "kill " << i;
        // Every key holds its old or its new value, and all of one run's values went in together.
        for (const auto& [key, value] : values) {
            const auto o = oldValues.find(key), n = newValues.find(key);
            EXPECT_TRUE((o != oldValues.end() && o->second == value) || (n != newValues.end() && n->second == value))
                << "kill " << i << ": " << key << " = " << value;
        }
        EXPECT_TRUE(values == oldValues || values == newValues) << "kill " << i << ": a run's values went in only in part";
        sawOld += values == oldValues;
        sawNew += values == newValues;
        // The program opens the store afterwards.
        std::string error;
        ASSERT_TRUE(CVexaSave::Open(store, error)) << "kill " << i << ": " << error;
        CVexaSave::Close();
    }
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

TEST_F(RunKillTest, ProgramsWritingOneStoreAtOnceAllSucceed) {
    for (int round = 0; round < 6; ++round) {
        const std::string store = Path(fmt::format("shared{}.db", round));
        if (round % 2 == 1) {
            ASSERT_EQ(Wait(Start(store, {"run", "SHYNDJS"})), 0);  // an existing store, and a new one
        }
        const pid_t a = Start(store, RunArgs({"m_dB=260"}));
        const pid_t b = Start(store, {"run", "ZHSHQDJS", "--set", "m_dDia=450"});
        const pid_t c = Start(store, {"run", "JBSHYJS"});
        EXPECT_EQ(Wait(a), 0) << "round " << round;
        EXPECT_EQ(Wait(b), 0) << "round " << round;
        EXPECT_EQ(Wait(c), 0) << "round " << round;
        Values values;
        ASSERT_EQ(ReadStore(store, values), "");
        EXPECT_EQ(values["LFKZHJSm_dB"], "d:260.0");
        EXPECT_EQ(values["ZHSHQDJSm_dDia"], "d:450.0");
        EXPECT_TRUE(std::any_of(values.begin(), values.end(), [](const auto& kv) { return kv.first.starts_with("JBSHYJS"); }));
    }
}

}  // namespace
