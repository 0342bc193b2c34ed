// Writes the seed inputs of the fuzz targets into DIR/<target>/: a store with values of every
// kind, a small workbook and tables of members, the dialog templates and pictures of SOURCE.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "BatchXlsx.h"
#include "CVexaSave.h"

namespace fs = std::filesystem;

namespace {
void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzz_seeds DIR SOURCE\n";
        return 2;
    }
    const fs::path dir = argv[1];
    const fs::path source = argv[2];

    const fs::path store = dir / "store-seed.db";
    fs::remove(store);
    std::string error;
    if (CVexaSave::Open(store.string(), error)) {
        CVexaSave::SetValue("LFKZHJSm_dB", 250.0);
        CVexaSave::SetValue("LFKZHJSm_nFirstNum", 3);
        CVexaSave::SetValue("LFKZHJSm_strBlockNum", std::string("L-1"));
        CVexaSave::SetValue("ZFJ/m_aryLoopDiaSel", std::vector<int>{8, 10});
        CVexaSave::Close();
        Write(dir / "store" / "seed.db", Read(store));
    }
    fs::remove(store);

    const std::string csv = "m_strBlockNum,m_nSufferForce,m_dN,m_dM\nL-1,3,368.8,120\n\"L,2\";\"a\"\"b\";\n";
    Write(dir / "csv" / "comma.csv", csv);
    Write(dir / "csv" / "semicolon.csv", "\xEF\xBB\xBF" "a;b;c\r\n1;2;3\r\n\r\n4;\"5\n6\";7\r\n");

    const fs::path book = dir / "seed.xlsx";
    if (VexaWriteXlsx(book.string(), "members",
                      {{"m_strBlockNum", "m_nSufferForce", "m_dN"}, {"L-1", "3", "368.8"}, {"L-2", "", "12"}},
                      {false, true, true})) {
        Write(dir / "xlsx" / "seed.xlsx", Read(book));
    }
    fs::remove(book);

    for (const auto& entry : fs::directory_iterator(source / "resources" / "dialogs")) {
        Write(dir / "resources" / ("d-" + entry.path().filename().string()), std::string(1, '\0') + Read(entry.path()));
    }
    int n = 0;
    for (const auto& entry : fs::directory_iterator(source / "resources" / "pictures")) {
        if (n++ < 12) {
            Write(dir / "resources" / ("p-" + entry.path().filename().string()), std::string(1, '\1') + Read(entry.path()));
        }
    }
    return 0;
}
