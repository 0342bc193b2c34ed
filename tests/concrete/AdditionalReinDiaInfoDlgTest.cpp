// Diameter dialog (template 278): the moves between "直径", "选择范围" and "最优直径", by mode,
// and a whole list applied as those moves.
#include <gtest/gtest.h>

#include "VexaTestSupport.h"
#include "concrete/CAdditionalReinDiaInfoDlg.h"

namespace {

using D = CAdditionalReinDiaInfoDlg;

// Selects `text` in list box `id` (as a click on the entry would).
void Pick(D& dlg, int id, const std::string& text) {
    const auto& items = dlg.Control(id).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            dlg.SetComboBoxIndex(id, static_cast<int>(i));
            return;
        }
    }
    FAIL() << text << " is not in list " << id;
}

void Open(D& dlg) {
    std::string error;
    ASSERT_TRUE(dlg.Create(error)) << error;
}

}  // namespace

TEST(AdditionalReinDiaInfoDlg, StirrupModeShowsThreeLists) {
    D dlg(D::kStirrups, {8, 10}, {8});
    Open(dlg);
    EXPECT_EQ(dlg.GetTitle(), "箍筋优选直径信息");
    EXPECT_EQ(dlg.GetCaption(), "箍筋优选直径信息");
    EXPECT_EQ(dlg.GetWindowText(D::IDC_GROUP_DIA), "箍筋");
    EXPECT_EQ(dlg.Control(D::IDC_LIST_ALL).items,
              (std::vector<std::string>{"6", "8", "10", "12", "14", "16", "18", "20", "22", "25", "28", "30", "32", "36",
                                        "40"}));
    EXPECT_EQ(dlg.Control(D::IDC_LIST_RANGE).items, (std::vector<std::string>{"8", "10"}));
    EXPECT_EQ(dlg.Control(D::IDC_LIST_BEST).items, (std::vector<std::string>{"8"}));
    for (int id : {D::IDC_LIST_RANGE, D::IDC_BUTTON_ADDBEST, D::IDC_BUTTON_DELBEST, D::IDC_STATIC_RANGE}) {
        EXPECT_TRUE(dlg.IsWindowVisible(id));
    }
    EXPECT_EQ(dlg.Control(IDOK).text, "确定");
}

// [8, 10, 20] + 14 gives [8, 10, 14, 20]; 10 again changes nothing; a double click adds too.
TEST(AdditionalReinDiaInfoDlg, AddingKeepsTheRangeAscendingWithoutDuplicates) {
    D dlg(D::kStirrups, {8, 10, 20}, {});
    Open(dlg);
    Pick(dlg, D::IDC_LIST_ALL, "14");
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_ADDRANGE);
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{8, 10, 14, 20}));
    EXPECT_EQ(dlg.Control(D::IDC_LIST_RANGE).items, (std::vector<std::string>{"8", "10", "14", "20"}));
    EXPECT_EQ(dlg.GetComboBoxText(D::IDC_LIST_RANGE), "14");
    Pick(dlg, D::IDC_LIST_ALL, "10");
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_ADDRANGE);
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{8, 10, 14, 20}));
    Pick(dlg, D::IDC_LIST_ALL, "6");
    dlg.FireEvent(VexaEvent::DblClk, D::IDC_LIST_ALL);
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{6, 8, 10, 14, 20}));
    // From the range into the optimal list, by button and by double click.
    Pick(dlg, D::IDC_LIST_RANGE, "14");
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_ADDBEST);
    Pick(dlg, D::IDC_LIST_RANGE, "8");
    dlg.FireEvent(VexaEvent::DblClk, D::IDC_LIST_RANGE);
    dlg.FireEvent(VexaEvent::DblClk, D::IDC_LIST_RANGE);
    EXPECT_EQ(dlg.GetBest(), (std::vector<int>{8, 14}));
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{6, 8, 10, 14, 20}));
}

TEST(AdditionalReinDiaInfoDlg, RemovingFromTheRangeRemovesFromTheOptimalList) {
    D dlg(D::kStirrups, {8, 10, 14}, {10, 14});
    Open(dlg);
    Pick(dlg, D::IDC_LIST_RANGE, "10");
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_DELRANGE);
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{8, 14}));
    EXPECT_EQ(dlg.GetBest(), (std::vector<int>{14}));
    EXPECT_EQ(dlg.GetComboBoxText(D::IDC_LIST_RANGE), "8");  // the previous entry
    // The optimal list alone.
    Pick(dlg, D::IDC_LIST_BEST, "14");
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_DELBEST);
    EXPECT_TRUE(dlg.GetBest().empty());
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{8, 14}));
    // Down to nothing; "<<" on an empty list does nothing.
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_DELRANGE);
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_DELRANGE);
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_DELRANGE);
    EXPECT_TRUE(dlg.GetRange().empty());
    EXPECT_TRUE(dlg.Control(D::IDC_LIST_RANGE).items.empty());
    EXPECT_EQ(dlg.GetComboBoxIndex(D::IDC_LIST_RANGE), -1);
}

TEST(AdditionalReinDiaInfoDlg, HangerModeHidesTheRange) {
    D dlg(D::kHangers, {12}, {10});
    Open(dlg);
    EXPECT_EQ(dlg.GetTitle(), "吊筋优选直径信息");
    EXPECT_EQ(dlg.GetCaption(), "吊筋优选直径信息");
    EXPECT_EQ(dlg.GetWindowText(D::IDC_GROUP_DIA), "吊筋");
    for (int id : {D::IDC_LIST_RANGE, D::IDC_STATIC_RANGE, D::IDC_BUTTON_ADDBEST, D::IDC_BUTTON_DELBEST}) {
        EXPECT_FALSE(dlg.IsWindowVisible(id)) << dlg.Control(id).name;
    }
    EXPECT_TRUE(dlg.IsWindowVisible(D::IDC_LIST_BEST));
    EXPECT_EQ(dlg.Control(D::IDC_LIST_BEST).x, dlg.Control(D::IDC_LIST_RANGE).x);
    Pick(dlg, D::IDC_LIST_ALL, "16");
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_ADDRANGE);
    Pick(dlg, D::IDC_LIST_ALL, "8");
    dlg.FireEvent(VexaEvent::DblClk, D::IDC_LIST_ALL);
    EXPECT_EQ(dlg.GetBest(), (std::vector<int>{8, 10, 16}));
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{12}));  // kept, never shown
    Pick(dlg, D::IDC_LIST_BEST, "10");
    dlg.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_DELRANGE);
    EXPECT_EQ(dlg.GetBest(), (std::vector<int>{8, 16}));
    EXPECT_EQ(dlg.GetComboBoxText(D::IDC_LIST_BEST), "8");
    // The hanger dialog binds only the hanger list.
    ASSERT_EQ(dlg.GetFieldControls().size(), 1u);
    EXPECT_STREQ(dlg.GetFieldControls()[0].key, "m_aryHangBest");
}

TEST(AdditionalReinDiaInfoDlg, AWholeListIsAppliedAsMoves) {
    D dlg(D::kStirrups, {8, 10, 20}, {8, 20});
    Open(dlg);
    std::string message;
    ASSERT_TRUE(dlg.SetListValues(D::IDC_LIST_RANGE, {14, 8, 8, 10}, message)) << message;
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{8, 10, 14}));
    EXPECT_EQ(dlg.GetBest(), (std::vector<int>{8}));  // 20 left the range and the optimal list
    EXPECT_FALSE(dlg.SetListValues(D::IDC_LIST_RANGE, {8, 7}, message));
    EXPECT_EQ(message, "直径7不是可选的钢筋直径，可选直径：6、8、10、12、14、16、18、20、22、25、28、30、32、36、40。");
    EXPECT_EQ(dlg.GetRange(), (std::vector<int>{8, 10, 14}));
    ASSERT_TRUE(dlg.SetListValues(D::IDC_LIST_BEST, {14, 10}, message)) << message;
    EXPECT_EQ(dlg.GetBest(), (std::vector<int>{10, 14}));
    ASSERT_TRUE(dlg.SetListValues(D::IDC_LIST_RANGE, {}, message));
    EXPECT_TRUE(dlg.GetBest().empty());
    EXPECT_FALSE(dlg.SetListValues(D::IDC_LIST_BEST, {10}, message));
    EXPECT_EQ(message, "直径10不在选择范围中：选择范围为空，请先设置箍筋的选择范围。");
    EXPECT_FALSE(dlg.SetListValues(D::IDC_LIST_ALL, {10}, message));
}
