// The session that drives pages as a user would: settings in any order, refusals that name
// what enables a field, whole numbers for int fields, flags set through their list entries.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CVexaMainInfo.h"
#include "VexaPageTest.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"
#include "concrete/CChinkControlDlg.h"
#include "concrete/CChinkControlParam.h"
#include "pile/CPegIntensionParam.h"
#include "pile/CpegIntensionDlg.h"

namespace {

using Sets = std::vector<std::pair<std::string, std::string>>;

class CrackSessionTest : public VexaPageTest<CChinkControlDlg, CChinkControlParam> {
protected:
    static void Run(const Body& body) { RunCommand("LFKZHJS", body); }
};

class PileSessionTest : public VexaPageTest<CpegIntensionDlg, CPegIntensionParam> {
protected:
    static void Run(const Body& body) { RunCommand("ZHSHQDJS", body); }
};

VexaSetResult SetAll(VexaSession& session, const Sets& sets, std::size_t* failed = nullptr) {
    return session.SetAll(sets, [](const VexaSetResult&) { return true; }, failed);
}

TEST_F(CrackSessionTest, AChoiceGivenAfterTheFieldItEnablesIsAppliedFirst) {
    Run([](CChinkControlDlg& page, CChinkControlParam& p, VexaSession& s, CVexaTabDlg& dlg) {
        const VexaSetResult r = SetAll(s, {{"m_dN", "368.8"}, {"m_nSufferForce", "3"}});
        ASSERT_EQ(r.status, VexaSetResult::Ok) << r.message;
        dlg.SaveAllData();
        EXPECT_EQ(p.m_nSufferForce, CChinkControlParam::kAxialTension);
        EXPECT_DOUBLE_EQ(p.m_dN, 368.8);
        EXPECT_FALSE(page.IsWindowEnabled(CChinkControlDlg::IDC_EDIT_M));
    });
}

TEST_F(CrackSessionTest, AFieldStillDisabledNamesTheChoiceThatEnablesIt) {
    Run([](CChinkControlDlg& page, CChinkControlParam&, VexaSession& s, CVexaTabDlg& dlg) {
        std::size_t failed = 99;
        VexaSetResult r = SetAll(s, {{"m_strBlockNum", "L-7"}, {"m_dN", "368.8"}}, &failed);
        EXPECT_EQ(r.status, VexaSetResult::Disabled);
        EXPECT_EQ(failed, 1u);
        EXPECT_EQ(r.message,
                  "“轴力准永久值Nk(kN)”在当前选择下不可输入：“构件受力类型”选为“偏心受压”、“偏心受拉”或“轴心受拉”时才可输入。");
        // The tries are undone and leave no message behind.
        EXPECT_EQ(page.GetComboBoxIndex(CChinkControlDlg::IDC_COMBO_FORCE), CChinkControlParam::kFlexure);
        EXPECT_TRUE(dlg.GetMessages().empty());

        // A check box that disables: the message says to clear it.
        r = SetAll(s, {{"m_dAs", "40"}, {"m_bIsMonoBlock", "1"}});
        EXPECT_EQ(r.status, VexaSetResult::Disabled);
        EXPECT_EQ(r.message, "“as(mm)”在当前选择下不可输入：不勾选“纵向受拉钢筋为单排(as=c+0.5d)”时才可输入。");
    });
}

TEST_F(CrackSessionTest, ListsThatEnableEachOtherTakeTheirOrderFromThePage) {
    Run([](CChinkControlDlg&, CChinkControlParam& p, VexaSession& s, CVexaTabDlg& dlg) {
        // The second bar group's diameter is enabled by its count, given after it.
        const VexaSetResult r = SetAll(s, {{"m_nThreeDia", "12"}, {"m_nSecondDia", "16"}, {"m_nSecondNum", "2"},
                                           {"m_nThreeNum", "1"}});
        ASSERT_EQ(r.status, VexaSetResult::Ok) << r.message;
        dlg.SaveAllData();
        EXPECT_EQ(p.m_nSecondNum, 2);
        EXPECT_EQ(p.m_nSecondDia, 16);
        EXPECT_EQ(p.m_nThreeNum, 1);
        EXPECT_EQ(p.m_nThreeDia, 12);
    });
}

TEST_F(CrackSessionTest, IntFieldsTakeWholeNumbersOnly) {
    Run([](CChinkControlDlg& page, CChinkControlParam& p, VexaSession& s, CVexaTabDlg& dlg) {
        VexaSetResult r = s.Set("m_nFirstNum", "3.5");
        EXPECT_EQ(r.status, VexaSetResult::BadValue);
        EXPECT_EQ(r.message, "“第一种纵筋根数”应为整数，而不是“3.5”。");
        r = s.Set("m_nFirstNum", "1e10");
        EXPECT_EQ(r.message, "“第一种纵筋根数”应为整数，而不是“1e10”。");
        EXPECT_EQ(s.Set("m_nFirstNum", "4.0").status, VexaSetResult::Ok);
        EXPECT_EQ(page.GetComboBoxText(CChinkControlDlg::IDC_COMBO_FIRSTNUM), "4");
        EXPECT_EQ(s.Set("第一种纵筋根数", "1e1").status, VexaSetResult::Ok);
        dlg.SaveAllData();
        EXPECT_EQ(p.m_nFirstNum, 10);
        // A list stored as an index: no entry "1.5".
        r = s.Set("m_nSufferForce", "1.5");
        EXPECT_EQ(r.status, VexaSetResult::BadValue);
        EXPECT_EQ(r.message, "“构件受力类型”没有“1.5”这一项；可选：受弯、偏心受压、偏心受拉、轴心受拉。");
    });
}

TEST_F(CrackSessionTest, AMemoOfFindsServesTheNextDialogOpenedTheSameWay) {
    VexaFindMemo memo;
    // The first dialog looks the names up and keeps them by page place; only what was found
    // before its first setting goes into the memo.
    Run([&](CChinkControlDlg&, CChinkControlParam&, VexaSession&, CVexaTabDlg& dlg) {
        VexaSession first(dlg);
        first.KeepFinds(&memo);
        VexaControlRef ref;
        ASSERT_TRUE(first.Find("截面宽度b", ref));
        ASSERT_TRUE(first.Find("/m_dH", ref));
        EXPECT_FALSE(first.Find("没有这个参数", ref));
        ASSERT_EQ(SetAll(first, {{"截面宽度b", "250"}}).status, VexaSetResult::Ok);
        ASSERT_TRUE(first.Find("m_dM", ref));
    });
    ASSERT_EQ(memo.found.size(), 3u);
    EXPECT_EQ(memo.found[0].first, "截面宽度b");
    EXPECT_EQ(memo.found[2].second.size(), 0u);
    // The next dialog takes the places for its own pages.
    Run([&](CChinkControlDlg& page, CChinkControlParam& p, VexaSession&, CVexaTabDlg& dlg) {
        VexaSession next(dlg);
        next.KeepFinds(&memo);
        VexaControlRef ref;
        ASSERT_TRUE(next.Find("截面宽度b", ref));
        EXPECT_EQ(ref.page, &page);
        EXPECT_EQ(ref.id, CChinkControlDlg::IDC_EDIT_B);
        EXPECT_EQ(ref.key, "m_dB");
        ASSERT_EQ(SetAll(next, {{"/m_dH", "650"}, {"截面宽度b", "260"}}).status, VexaSetResult::Ok);
        dlg.SaveAllData();
        EXPECT_DOUBLE_EQ(p.m_dB, 260);
        EXPECT_DOUBLE_EQ(p.m_dH, 650);
    });
    EXPECT_EQ(memo.found.size(), 3u);
}

TEST_F(PileSessionTest, AChoiceThatRefillsAListComesBeforeTheEntryChosenInIt) {
    Run([](CpegIntensionDlg&, CPegIntensionParam& p, VexaSession& s, CVexaTabDlg& dlg) {
        // Choosing the precast pile refills the grade list (from C30): the grade goes in after it.
        VexaSetResult r = SetAll(s, {{"m_strConcreteLevel", "C35"}, {"m_nPegStyle", "1"}});
        ASSERT_EQ(r.status, VexaSetResult::Ok) << r.message;
        dlg.SaveAllData();
        EXPECT_EQ(p.m_nPegStyle, CPegIntensionParam::kPrecast);
        EXPECT_EQ(p.m_strConcreteLevel, "C35");
        // An entry the refilled list does not hold is refused.
        r = SetAll(s, {{"m_strConcreteLevel", "C25"}, {"m_nPegStyle", "2"}});
        EXPECT_EQ(r.status, VexaSetResult::BadValue);
        EXPECT_EQ(r.message.rfind("“混凝土强度等级”没有“C25”这一项；可选：C40、", 0), 0u) << r.message;
        // The calculation kind's list is filled by the known condition given after it.
        r = SetAll(s, {{"m_strCalKind", "桩身混凝土强度等级"}, {"m_strKnownCondition", "单桩竖向承载力特征值"}});
        ASSERT_EQ(r.status, VexaSetResult::Ok) << r.message;
        dlg.SaveAllData();
        EXPECT_EQ(p.m_strKnownCondition, "单桩竖向承载力特征值");
        EXPECT_EQ(p.m_strCalKind, "桩身混凝土强度等级");
    });
}

TEST_F(PileSessionTest, FlagsWithoutAControlGoThroughTheirListEntry) {
    Run([](CpegIntensionDlg& page, CPegIntensionParam& p, VexaSession& s, CVexaTabDlg& dlg) {
        EXPECT_EQ(page.GetComboBoxText(CpegIntensionDlg::IDC_COMBO_WORKCOND), "自动");
        ASSERT_EQ(s.Set("m_bAutoWorkCondition", "0").status, VexaSetResult::Ok);
        // Off, the list keeps the value it stood for.
        EXPECT_EQ(page.GetComboBoxText(CpegIntensionDlg::IDC_COMBO_WORKCOND), "0.6");
        ASSERT_EQ(s.Set("/m_bAutodrz", "0").status, VexaSetResult::Ok);
        dlg.SaveAllData();
        EXPECT_EQ(p.m_bAutoWorkCondition, 0);
        EXPECT_EQ(p.m_bAutodrz, 0);
        EXPECT_DOUBLE_EQ(p.m_drz, 1.35);
        ASSERT_EQ(s.Set("m_bAutoWorkCondition", "1").status, VexaSetResult::Ok);
        dlg.SaveAllData();
        EXPECT_EQ(p.m_bAutoWorkCondition, 1);
        const VexaSetResult r = s.Set("m_bAutoWorkCondition", "2");
        EXPECT_EQ(r.status, VexaSetResult::BadValue);
        EXPECT_EQ(r.message, "“工作条件系数ψc”的“自动”应为 0 或 1，而不是“2”。");
    });
}

// Every key that `vexa params` prints (the parameter object's fields) and every drawing-page
// key answers to a control of the calculation's pages.
TEST(SessionKeys, EveryPersistedKeyOfEveryCalculationCanBeSet) {
    VexaTestFreshStore();
    int calculations = 0;
    for (const _tagCaltInfo& info : g_VexaMainInfo.GetCaltFuncs()) {
        VexaRunCommandWith(info.strCode, [&](CVexaTabDlg& dlg) {
            ++calculations;
            VexaSession session(dlg);
            std::vector<std::string> keys;
            for (const VexaField& f : dlg.GetParam()->GetFields()) {
                keys.emplace_back(f.key);
            }
            for (const VexaTabPage& p : dlg.GetPages()) {
                if (p.page->GetDrawButtonId() != 0) {
                    for (const VexaField& f : p.page->GetBoundFields()) {
                        keys.emplace_back(f.key);
                    }
                }
            }
            for (const std::string& key : keys) {
                VexaControlRef ref;
                EXPECT_TRUE(session.Find(key, ref)) << info.strCode << ": " << key;
            }
        });
    }
    EXPECT_GE(calculations, 10);
}

}  // namespace
