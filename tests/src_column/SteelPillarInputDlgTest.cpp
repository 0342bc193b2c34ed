// Steel-reinforced-concrete column input page, driven through the real command as a user would: lists, corrections, the section choice, data exchange, refusals.
#include <gtest/gtest.h>

#include <algorithm>

#include "CLoadDataTable.h"
#include "CVexaMainInfo.h"
#include "VexaPageTest.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"
#include "src_column/CSteelPillarCalParam.h"
#include "src_column/CSteelPillarInputDlg.h"
#include "src_column/CSteelPillarOutputDlg.h"

namespace {

using D = CSteelPillarInputDlg;
using P = CSteelPillarCalParam;

class SteelPillarInputDlgTest : public VexaPageTest<D, P> {
protected:
    static void Run(const Body& body) { RunCommand("GHZ", body, 3); }
};

}  // namespace

TEST_F(SteelPillarInputDlgTest, CommandBuildsTheDialog) {
    Run([](D& page, P& param, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "钢骨混凝土柱计算");
        EXPECT_EQ(dlg.GetPages()[0].label, "基本参数");
        EXPECT_EQ(dlg.GetPages()[0].templateId, 449);
        EXPECT_EQ(dlg.GetPages()[1].label, "计算结果");
        EXPECT_EQ(dlg.GetPages()[1].templateId, 453);
        EXPECT_NE(dynamic_cast<CSteelPillarOutputDlg*>(dlg.GetPages()[1].page), nullptr);
        EXPECT_EQ(dlg.GetPages()[2].label, "计算书");
        EXPECT_EQ(dlg.GetPages()[2].templateId, 0);
        // Every bound key is a persisted field, and its control is of the kind the field needs.
        std::vector<std::string> keys;
        for (const VexaField& f : param.GetFields()) {
            keys.emplace_back(f.key);
        }
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            SCOPED_TRACE(fc.key);
            EXPECT_NE(std::find(keys.begin(), keys.end(), fc.key), keys.end());
            ASSERT_TRUE(page.HasControl(fc.id));
            const std::string key = fc.key;
            const VexaCtrlKind kind = page.Control(fc.id).kind;
            if (key == "/m_strKind" || key == "/m_strPiType") {
                EXPECT_EQ(kind, VexaCtrlKind::Button);
            } else if ((key.rfind("/m_str", 0) == 0 && key != "/m_strCode") || key == "/m_dYo") {
                EXPECT_EQ(kind, VexaCtrlKind::DropList);
            } else {
                EXPECT_EQ(kind, VexaCtrlKind::Edit);
            }
        }
        for (int id : {D::IDC_EDIT_STLH, D::IDC_EDIT_STLB, D::IDC_EDIT_STLTW, D::IDC_EDIT_STLTF}) {
            EXPECT_TRUE(page.Control(id).readOnly);
        }
        EXPECT_EQ(page.Control(D::IDC_PICTURE_COLUMN).picture, "452");
        EXPECT_EQ(page.GetLabelText(D::IDC_BUTTON_PICK), "截面选择>>");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_BARNOTE), "注：x和y方向分布钢筋均不包含角筋");
    });
    EXPECT_EQ(g_VexaMainInfo.GetDescription(),
              "根据用户需要，对钢骨混凝土柱进行设计。主要包括对钢骨混凝土梁正截面验算和斜截面的承载力计算、轴压比验算。"
              "用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果，同时生成规范化的施工图，可以直接插入AutoCAD图中。");
}

TEST_F(SteelPillarInputDlgTest, OpensWithTheListsAndTheDefaults) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.Control(D::IDC_COMBO_SEISMIC).items,
                  (std::vector<std::string>{"非抗震", "四级抗震", "三级抗震", "二级抗震", "一级抗震"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_CRI).items,
                  (std::vector<std::string>{"JGJ138－2001《型钢砼组合结构技术规程》", "YB9082-97《钢骨砼结构设计规程》"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_STRUCTURE).items,
                  (std::vector<std::string>{"框架", "框架—剪力墙", "框架—筒体", "框支结构"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_YO).items, (std::vector<std::string>{"0.9", "1.0", "1.1"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRASTEEL).items, (std::vector<std::string>{"Q235", "Q345"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_SECTYPE).items, (std::vector<std::string>{"矩形"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRACON).items.front(), "C15");
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRAHOOP).items.size(), 4u);
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRAPORT).items.size(), 8u);
        // The parameter object's defaults.
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_CODE), "GGHNTZ_1");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRACON), "C30");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRAPORT), "HRB335");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRAHOOP), "HPB300");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_YO), "1.0");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_SEISMIC), "非抗震");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CRI), "JGJ138－2001《型钢砼组合结构技术规程》");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_PITYPE), "I40b");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLH), "400");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLB), "144");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTW), "12.5");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "16.5");
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "section:热轧普通工字钢/I40b");
        EXPECT_EQ(page.GetItem().GetName(), "I40b");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LO), "9000");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_AMPNUM), "1");
    });
}

TEST_F(SteelPillarInputDlgTest, EntriesAreCorrectedWhenTheFocusLeaves) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg&) {
        struct Case {
            const char* key;
            int id;
            const char* typed;
            const char* shown;
        };
        const Case cases[] = {
            {"m_nB", D::IDC_EDIT_B, "150", "200"},          {"m_nB", D::IDC_EDIT_B, "200", "200"},
            {"m_nH", D::IDC_EDIT_H, "199", "200"},          {"m_nHn", D::IDC_EDIT_HN, "999", "1000"},
            {"m_nLo", D::IDC_EDIT_LO, "0", "1000"},         {"m_nC", D::IDC_EDIT_C, "-5", "15"},
            {"m_nC", D::IDC_EDIT_C, "0", "0"},              {"m_nDo", D::IDC_EDIT_DO, "6", "8"},
            {"m_nDx", D::IDC_EDIT_DX, "7", "8"},            {"m_nDy", D::IDC_EDIT_DY, "8", "8"},
            {"m_nNx", D::IDC_EDIT_NX, "-1", "0"},           {"m_nNy", D::IDC_EDIT_NY, "0", "0"},
            {"m_nMx", D::IDC_EDIT_MX, "0", "1"},            {"m_nNc", D::IDC_EDIT_NC, "-3", "1"},
            {"m_nVc", D::IDC_EDIT_VC, "0", "1"},            {"m_nSpaceHoop", D::IDC_EDIT_SPACEHOOP, "0", "25"},
            {"m_nDiamHoop", D::IDC_EDIT_DIAMHOOP, "5", "6"}, {"m_nDiamHoop", D::IDC_EDIT_DIAMHOOP, "7", "7"},
            {"m_nNumHoopX", D::IDC_EDIT_NUMHOOPX, "0", "1"}, {"m_nNumHoopY", D::IDC_EDIT_NUMHOOPY, "-2", "1"},
            {"m_dAmpNum", D::IDC_EDIT_AMPNUM, "0.5", "1"},   {"m_dAmpNum", D::IDC_EDIT_AMPNUM, "1.2", "1.2"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.key) + "=" + c.typed);
            SetOk(s, c.key, c.typed);
            EXPECT_EQ(page.GetEditText(c.id), c.shown);
        }
        // By its label, as the user sees it.
        SetOk(s, "柱截面宽b(mm)", "100");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_B), "200");
    });
}

TEST_F(SteelPillarInputDlgTest, ChoosingSectionsByFamily) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        // A rolled I-beam: the flange thickness from "t(mm)".
        SetOk(s, "m_strPiType", "热轧普通工字钢/I63b");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_PITYPE), "I63b");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLH), "630");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLB), "178");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTW), "15");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "22");
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "section:热轧普通工字钢/I63b");
        // A wide-flange H section, the family first: "H(mm)", "B(mm)", "tf(mm)".
        SetOk(s, "m_strKind", "热轧宽翼缘H型钢");
        SetOk(s, "m_strPiType", "HW400X400X13X21");
        EXPECT_EQ(page.GetKind(), "热轧宽翼缘H型钢");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLH), "400");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLB), "400");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTW), "13");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "21");
        dlg.SaveAllData();
        EXPECT_EQ(param.m_strKind, "热轧宽翼缘H型钢");
        EXPECT_EQ(param.m_strPiType, "HW400X400X13X21");
        EXPECT_DOUBLE_EQ(param.m_dStlB, 400);
        EXPECT_DOUBLE_EQ(param.m_dStlTf, 21);
        EXPECT_EQ(param.m_item.GetName(), "HW400X400X13X21");
        // The calculation takes the section's own properties.
        ASSERT_TRUE(dlg.RunCalculation());
        EXPECT_NEAR(param.m_dIa, (400 * 400.0 * 400 * 400 - 387 * 358.0 * 358 * 358) / 12, 1e-3);
        // A welded H section: "H(mm)" and "tf(mm)" likewise.
        SetOk(s, "截面选择>>", "热轧普通焊接H型钢/H500X300X10X20");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "20");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLB), "300");
        // An unknown row is refused by the session, nothing changes.
        EXPECT_EQ(s.Set("m_strPiType", "I99z").status, VexaSetResult::BadValue);
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_PITYPE), "H500X300X10X20");
    });
}

TEST_F(SteelPillarInputDlgTest, AnAsymmetricSectionIsRefused) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        CDataItem asym("自定义非对称H型钢", CLoadDataTable::GetColumnNames("自定义非对称H型钢"),
                       {"H600X300X200", "600", "300", "20", "200", "16", "12"});
        ASSERT_TRUE(CLoadDataTable::SetUserJMItem(asym));
        dlg.ClearMessages();
        const VexaSetResult r = s.Set("m_strPiType", "自定义非对称H型钢/H600X300X200");
        EXPECT_EQ(r.status, VexaSetResult::Refused);
        EXPECT_EQ(r.message, "此截面类型不能进行强度计算！");
        ASSERT_EQ(dlg.GetMessages().size(), 1u);
        EXPECT_EQ(dlg.GetMessages()[0].kind, VexaMessageKind::Box);
        EXPECT_EQ(dlg.GetMessages()[0].text, "此截面类型不能进行强度计算！");
        EXPECT_EQ(page.GetKind(), "热轧普通工字钢");
        EXPECT_EQ(page.GetPiType(), "I40b");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLH), "400");
        dlg.SaveAllData();
        EXPECT_EQ(param.m_strKind, "热轧普通工字钢");
        CLoadDataTable::RemoveUserJMItem("自定义非对称H型钢", "H600X300X200");
    });
}

TEST_F(SteelPillarInputDlgTest, AUserSectionOfAKnownFamilyIsLookedUpFirst) {
    CDataItem mine("热轧普通工字钢", CLoadDataTable::GetColumnNames("热轧普通工字钢"),
                   {"I40b", "410", "150", "13", "17", "12.5", "6.3", "96", "75", "24000", "1170", "15.8", "720", "96", "2.7"});
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(mine));
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.GetItem().GetCells()[1], "410");  // the user's row, not GB/T 706's
    });
    CLoadDataTable::RemoveUserJMItem("热轧普通工字钢", "I40b");
}

TEST_F(SteelPillarInputDlgTest, SavingAndLoadingKeepTheCarriedValues) {
    Run([](D& page, P& param, VexaSession&, CVexaTabDlg& dlg) {
        param.m_dWss = 1131600.6314583332;
        param.m_dIa = 226320126.29166666;
        param.m_dIss = 226320126.29166666;
        param.m_dYs = 1.05;
        param.m_dIc = 8.3e10;
        param.m_nKind = 3;
        page.LoadFromParam(&param);
        param.m_dWss = param.m_dIa = param.m_dIss = param.m_dYs = param.m_dIc = 0;
        param.m_nKind = 0;
        page.SaveToParam(&param);
        EXPECT_DOUBLE_EQ(param.m_dWss, 1131600.6314583332);
        EXPECT_DOUBLE_EQ(param.m_dIa, 226320126.29166666);
        EXPECT_DOUBLE_EQ(param.m_dIss, 226320126.29166666);
        EXPECT_DOUBLE_EQ(param.m_dYs, 1.05);
        EXPECT_DOUBLE_EQ(param.m_dIc, 8.3e10);
        EXPECT_EQ(param.m_nKind, 3);
        // The importance factor is shown with one decimal and read as a number.
        param.m_dYo = 1.1;
        page.LoadFromParam(&param);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_YO), "1.1");
        page.SetComboBoxIndex(D::IDC_COMBO_YO, 0);
        page.SaveToParam(&param);
        EXPECT_DOUBLE_EQ(param.m_dYo, 0.9);
        (void)dlg;
    });
}

TEST_F(SteelPillarInputDlgTest, CalculatesThroughTheFrameworkAndFillsTheResultPage) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_strCri", "YB9082-97《钢骨砼结构设计规程》");
        SetOk(s, "m_nMx", "1500");
        SetOk(s, "抗震等级", "二级抗震");
        ASSERT_TRUE(dlg.RunCalculation());
        EXPECT_TRUE(param.m_bCalculated);
        EXPECT_EQ(param.m_strGraSeismic, "二级抗震");
        auto* result = dynamic_cast<CSteelPillarOutputDlg*>(dlg.GetPages()[1].page);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->GetEditText(CSteelPillarOutputDlg::IDC_EDIT_NORMAL), param.m_strNormalResult);
        EXPECT_EQ(result->GetEditText(CSteelPillarOutputDlg::IDC_EDIT_AXIAL), "轴压比验算满足要求！\n");
    });
}

TEST_F(SteelPillarInputDlgTest, ASectionThatDoesNotFitIsRefusedAndNothingIsCalculated) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nH", "450");
        dlg.ClearMessages();
        EXPECT_FALSE(dlg.RunCalculation());
        EXPECT_EQ(Errors(dlg),
                  (std::vector<std::string>{"型钢截面高400mm加两倍保护层厚度35mm不小于柱截面高h=450mm，型钢不能放入柱截面内，"
                                            "请重新选择型钢截面或调整柱截面尺寸！"}));
        EXPECT_FALSE(param.m_bCalculated);
        EXPECT_TRUE(param.m_strNormalResult.empty());
        // A shallower section fits.
        SetOk(s, "m_strPiType", "热轧普通工字钢/I36a");
        dlg.ClearMessages();
        EXPECT_TRUE(dlg.RunCalculation());
        EXPECT_TRUE(param.m_bCalculated);
    });
}
