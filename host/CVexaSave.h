// The framework's key/value store of persisted parameters, kept in one SQLite file.
//
// The store is opened once per process (CVexaSave::Open). Its default file is
// $VEXA_STORE, else $XDG_CONFIG_HOME/vexa/vexa.db, else ~/.config/vexa/vexa.db.
// A file that cannot be opened, is not a vexa store or is corrupt is refused with a message
// naming it, and is never written to. Every SetValue outside a CVexaSaveBatch is its own
// transaction; inside a batch all writes commit together when the outermost batch ends.
// Before Open (or after a refused Open) reads give their defaults and writes are dropped.
//
// OpenSnapshot reads a store whole into memory and lets the file go: reads come from that copy,
// writes are dropped, and the file is never written (a batch of calculations reads the stored
// values as defaults but leaves the store as it found it).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CVexaSave {
public:
    // The default store file as described above.
    static std::string DefaultPath();
    // Opens (creating when absent or empty) the store at `path`. On failure returns false and
    // sets `error` to a message in Chinese naming the file; the file is left untouched.
    static bool Open(const std::string& path, std::string& error);
    // Reads the store at `path` into memory (an absent or empty file gives an empty copy; the
    // file is not created). Refuses what Open refuses, with the same messages.
    static bool OpenSnapshot(const std::string& path, std::string& error);
    static void Close();
    static bool IsOpen();
    // True while an OpenSnapshot copy is in use: writes are dropped.
    static bool IsSnapshot();
    // While a snapshot is in use, a number that is its own (every OpenSnapshot gives a new one):
    // what was read from it reads the same as long as the number stays. 0 otherwise.
    static std::uint64_t SnapshotId();
    static const std::string& Path();

    // An absent key (or a value of another kind) leaves `value` = `def` and returns 0;
    // a stored value returns 1. Ints and doubles convert into each other.
    static int GetValue(const std::string& key, double& value, double def);
    static int GetValue(const std::string& key, int& value, int def);
    static int GetValue(const std::string& key, std::string& value, const std::string& def);
    static int GetValue(const std::string& key, std::vector<int>& value, const std::vector<int>& def);

    // Returns 1 when written.
    static int SetValue(const std::string& key, double value);
    static int SetValue(const std::string& key, int value);
    static int SetValue(const std::string& key, const std::string& value);
    static int SetValue(const std::string& key, const char* value);
    static int SetValue(const std::string& key, const std::vector<int>& value);

    // Every stored key beginning with `prefix`, in key order.
    static std::vector<std::string> Keys(const std::string& prefix);
};

// Groups writes into one transaction (nested batches join the outermost).
class CVexaSaveBatch {
public:
    CVexaSaveBatch();
    ~CVexaSaveBatch();
    CVexaSaveBatch(const CVexaSaveBatch&) = delete;
    CVexaSaveBatch& operator=(const CVexaSaveBatch&) = delete;
};
