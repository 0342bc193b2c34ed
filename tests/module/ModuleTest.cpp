// Tests of the plug-in: registration table, attach/detach and the command sequence.
#include <gtest/gtest.h>

#include "CVexaMainInfo.h"
#include "CVexaParam.h"
#include "VexaTestSupport.h"
#include "module/VexaModule.h"

namespace {
struct Row {
    const char* code;
    const char* category;
    const char* name;
};
const Row kExpected[] = {
    {"SHYNDJS", "钢筋混凝土结构", "受弯构件挠度验算"},
    {"LFKZHJS", "钢筋混凝土结构", "裂缝控制验算"},
    {"LZHGJJS", "钢筋混凝土结构", "梁内折角增设箍筋计算"},
    {"LZFJGJJS", "钢筋混凝土结构", "梁中附加横向钢筋计算"},
    {"GLJS", "砌体结构", "过梁计算"},
    {"TLJS", "砌体结构", "挑梁计算"},
    {"JBSHYJS", "砌体结构", "局部受压计算"},
    {"WJQTJS", "砌体结构", "无筋砌体承载力高厚比验算"},
    {"ZHSHQDJS", "桩基础", "桩身强度计算"},
    {"GHL", "钢骨计算", "钢骨混凝土梁计算"},
    {"GHZ", "钢骨计算", "钢骨混凝土柱计算"},
};

// Tab-dialog titles of the calculations built so far (the registered name except for WJQTJS).
struct TabRow {
    const char* code;
    const char* title;
    std::vector<std::pair<std::string, int>> tabs;  // label, template id
};
// What each command function builds: title and tabs in order.
const TabRow kTabs[] = {
    {"SHYNDJS", "受弯构件挠度验算", {{"基本参数", 423}, {"计算书", 0}}},
    {"LFKZHJS", "裂缝控制验算", {{"基本参数", 420}, {"计算书", 0}}},
    {"LZHGJJS", "梁内折角增设箍筋计算", {{"基本参数", 264}, {"计算书", 0}, {"绘图预览", 275}}},
    {"LZFJGJJS", "梁中附加横向钢筋计算", {{"基本参数", 276}, {"计算书", 0}, {"绘图预览", 269}}},
    {"GLJS", "过梁计算", {{"基本参数", 266}, {"计算结果", 274}, {"计算书", 0}, {"绘图预览", 292}}},
    {"TLJS", "挑梁计算", {{"基本参数", 302}, {"计算参数", 304}, {"计算结果", 308}, {"计算书", 0}, {"绘图预览", 310}}},
    {"JBSHYJS", "局部受压计算", {{"基本参数", 295}, {"计算书", 0}}},
    {"WJQTJS", "无筋砌体承载力高厚比计算", {{"基本参数", 306}, {"计算书", 0}}},
    {"ZHSHQDJS", "桩身强度计算", {{"基本参数", 422}, {"计算书", 0}}},
    {"GHL", "钢骨混凝土梁计算", {{"基本参数", 441}, {"计算结果", 443}, {"计算书", 0}}},
    {"GHZ", "钢骨混凝土柱计算", {{"基本参数", 449}, {"计算结果", 453}, {"计算书", 0}}},
};
}  // namespace

TEST(Registration, ElevenRowsInMenuOrderWithTheirStrings) {
    const auto& calts = g_VexaMainInfo.GetCaltFuncs();
    ASSERT_EQ(calts.size(), std::size(kExpected));
    for (std::size_t i = 0; i < calts.size(); ++i) {
        SCOPED_TRACE(kExpected[i].code);
        EXPECT_EQ(calts[i].strCode, kExpected[i].code);
        EXPECT_EQ(calts[i].strCategory, kExpected[i].category);
        EXPECT_EQ(calts[i].strName, kExpected[i].name);
        EXPECT_EQ(calts[i].nFlag1, 1);
        EXPECT_EQ(calts[i].nFlag2, 0);
        EXPECT_EQ(calts[i].nMask, 0xFFFFFFFFu);
        EXPECT_EQ(calts[i].chKey, L'V');
        EXPECT_NE(calts[i].pFunc, nullptr);
    }
}

TEST(Registration, AttachRefusesANullInstanceAndRegistersNothing) {
    CVexaMainInfo saved = g_VexaMainInfo;
    g_VexaMainInfo.RemoveAll();
    AFX_EXTENSION_MODULE savedModule = g_ExtensionModule;
    g_ExtensionModule = AFX_EXTENSION_MODULE{};
    EXPECT_EQ(VexaDllMain(nullptr, VEXA_PROCESS_ATTACH), 0);
    EXPECT_TRUE(g_VexaMainInfo.GetCaltFuncs().empty());
    EXPECT_EQ(VexaDllMain(nullptr, VEXA_THREAD_ATTACH), 1);
    g_ExtensionModule = savedModule;
    g_VexaMainInfo = saved;
}

TEST(CommandSequence, ResourceHandleIsTheModulesOnlyWhileTheDialogRuns) {
    int shown = 0;
    for (const TabRow& row : kTabs) {
        SCOPED_TRACE(row.code);
        HINSTANCE before = CVexaInsTance::GetResourceHandle();
        bool ran = false;
        ASSERT_TRUE(VexaRunCommandWith(row.code, [&](CVexaTabDlg& tab) {
            ran = true;
            EXPECT_EQ(CVexaInsTance::GetResourceHandle(), g_hModuleInstance);
            EXPECT_TRUE(gVexa_IsRunning());
            EXPECT_EQ(tab.GetTitle(), row.title);
            ASSERT_EQ(tab.GetPages().size(), row.tabs.size());
            for (std::size_t i = 0; i < row.tabs.size(); ++i) {
                EXPECT_EQ(tab.GetPages()[i].label, row.tabs[i].first);
                EXPECT_EQ(tab.GetPages()[i].templateId, row.tabs[i].second);
                EXPECT_EQ(tab.GetPages()[i].page->GetTemplateId(), row.tabs[i].second);
                EXPECT_EQ(tab.GetPages()[i].instance, g_hModuleInstance);
                // Only the drawing tab draws, only a result tab takes revisions (the column's result
                // tab only shows its verdicts).
                EXPECT_EQ(tab.GetPages()[i].page->GetDrawButtonId() != 0, row.tabs[i].first == "绘图预览");
                EXPECT_EQ(tab.GetPages()[i].page->IsResultPage(),
                          row.tabs[i].first == "计算结果" && std::string(row.code) != "GHZ");
            }
            EXPECT_EQ(tab.GetParamInstance(), g_hModuleInstance);
            EXPECT_FALSE(g_VexaMainInfo.GetDescription().empty());
        }));
        if (!ran) {
            EXPECT_FALSE(g_VexaMainInfo.GetCmdMessage().empty());  // not built yet: says so
            continue;
        }
        ++shown;
        EXPECT_EQ(CVexaInsTance::GetResourceHandle(), before);
        EXPECT_FALSE(gVexa_IsRunning());
    }
    (void)shown;
}

TEST(CommandSequence, ANegativeBeginBuildsNothing) {
    ASSERT_EQ(gVexa_Begin(), 0);  // a command is already running
    for (const Row& row : kExpected) {
        bool ran = false;
        VexaRunCommandWith(row.code, [&](CVexaTabDlg&) { ran = true; });
        EXPECT_FALSE(ran) << row.code;
    }
    EXPECT_TRUE(gVexa_IsRunning());  // the refused commands did not end the running one
    gVexa_End();
}

TEST(CommandSequence, CalculationsNotBuiltSaySo) {
    // Every calculation is built now; the message a stub gives.
    VexaCommandNotBuilt("GHZ");
    EXPECT_EQ(g_VexaMainInfo.GetCmdMessage(), "“钢骨混凝土柱计算”(GHZ)尚未实现，本版本不能计算。");
    EXPECT_FALSE(VexaRunCommandWith("NOPE", [](CVexaTabDlg&) {}));
}

TEST(CadCommands, SentCommandsAreRecordedWithTheirSection) {
    g_VexaMainInfo.SendAcadCommand("VEXAGLHZH\n");
    ASSERT_FALSE(g_VexaMainInfo.GetSentCommands().empty());
    EXPECT_EQ(g_VexaMainInfo.GetSentCommands().back().section, "QUORCADH_GLHZH");
    EXPECT_EQ(CVexaMainInfo::DrawSectionOf("VEXALZSHGJHZH\n"), "BeamAddStirrup");
    EXPECT_EQ(CVexaMainInfo::DrawSectionOf("ZJLFJHXGJ\n"), "AdditionalReinDraw");
    EXPECT_EQ(CVexaMainInfo::DrawSectionOf("VEXATLHZH\n"), "QUORCADH_TLHZH");
    EXPECT_EQ(CVexaMainInfo::DrawSectionOf("LINE\n"), "");
}
