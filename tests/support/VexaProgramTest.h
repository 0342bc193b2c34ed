// Fixture for end-to-end tests of the built vexa program: a temporary folder with its own store,
// and Run, which runs the program with arguments and collects its status, output and errors.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "VexaTestSupport.h"

struct VexaProgramResult {
    int status = -1;
    std::string out;
    std::string err;
};

class VexaProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                (std::string("vexa-") + info->test_suite_name() + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        m_store = (m_dir / "store.db").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // A path in the test's folder.
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    // Runs `vexa <args>` with the test's store (or `store`), as a user in a shell would.
    VexaProgramResult Run(const std::string& args, const std::string& store = {}) const {
        const std::string errFile = Path("stderr.txt");
        const std::string cmd = "VEXA_STORE='" + (store.empty() ? m_store : store) + "' VEXA_PLUGIN='" + m_plugin +
                                "' '" VEXA_EXE "' " + args + " 2>'" + errFile + "'";
        VexaProgramResult r;
        FILE* pipe = ::popen(cmd.c_str(), "r");
        char buf[4096];
        std::size_t n;
        while (pipe && (n = std::fread(buf, 1, sizeof buf, pipe)) > 0) {
            r.out.append(buf, n);
        }
        const int raw = pipe ? ::pclose(pipe) : -1;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.err = VexaReadFile(errFile);
        return r;
    }

    // ezdxf's audit of a DXF file: "<errors> <fixes>\n", or what went wrong.
    static std::string AuditDxf(const std::string& path) { return VexaAuditDxf(path); }

    std::filesystem::path m_dir;
    std::string m_store;
    std::string m_plugin = VEXA_PLUGIN;  // the plug-in the program loads
};
