// Fixture for page tests: runs a command through its real dialog and hands the test its page,
// its parameter object and a session that acts as the user.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CVexaTabDlg.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"

template <class D, class P>
class VexaPageTest : public ::testing::Test {
protected:
    using Body = std::function<void(D&, P&, VexaSession&, CVexaTabDlg&)>;

    void SetUp() override { VexaTestFreshStore(); }

    // Runs command `code`, whose dialog has `pages` tabs; `body` gets the first page, the
    // parameter object and a session.
    static void RunCommand(const char* code, const Body& body, std::size_t pages = 2) {
        bool ran = false;
        ASSERT_TRUE(VexaRunCommandWith(code, [&](CVexaTabDlg& dlg) {
            ASSERT_EQ(dlg.GetPages().size(), pages);
            auto* page = dynamic_cast<D*>(dlg.GetPages()[0].page);
            auto* param = dynamic_cast<P*>(dlg.GetParam());
            ASSERT_NE(page, nullptr);
            ASSERT_NE(param, nullptr);
            VexaSession session(dlg);
            body(*page, *param, session, dlg);
            ran = true;
        }));
        EXPECT_TRUE(ran);
    }

    static void SetOk(VexaSession& s, const std::string& key, const std::string& value) {
        const VexaSetResult r = s.Set(key, value);
        EXPECT_EQ(r.status, VexaSetResult::Ok) << key << "=" << value << ": " << r.message;
    }

    // The messages of one kind, and all but advice.
    static std::vector<std::string> Texts(const CVexaTabDlg& dlg, VexaMessageKind kind) {
        std::vector<std::string> out;
        for (const VexaMessage& m : dlg.GetMessages()) {
            if (m.kind == kind) {
                out.push_back(m.text);
            }
        }
        return out;
    }
    static std::vector<std::string> Errors(const CVexaTabDlg& dlg) {
        std::vector<std::string> out;
        for (const VexaMessage& m : dlg.GetMessages()) {
            if (m.kind != VexaMessageKind::Advice) {
                out.push_back(m.text);
            }
        }
        return out;
    }
};
