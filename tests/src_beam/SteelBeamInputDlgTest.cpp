// Input page of the steel-reinforced-concrete beam, driven through the real command as a user would:
// the lists, the section picker and its refusal, the range and cross-field refusals.
#include <gtest/gtest.h>

#include "CLoadDataTable.h"
#include "CVexaMainInfo.h"
#include "VexaPageTest.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"
#include "src_beam/CSteelBeamCalParam.h"
#include "src_beam/CSteelBeamInputDlg.h"

namespace {

using D = CSteelBeamInputDlg;
using P = CSteelBeamCalParam;

class SteelBeamInputDlgTest : public VexaPageTest<D, P> {
protected:
    static void Run(const Body& body) { RunCommand("GHL", body, 3); }
};

TEST_F(SteelBeamInputDlgTest, CommandBuildsTheThreeTabs) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "钢骨混凝土梁计算");
        EXPECT_EQ(dlg.GetPages()[0].label, "基本参数");
        EXPECT_EQ(dlg.GetPages()[0].templateId, 441);
        EXPECT_EQ(dlg.GetPages()[1].label, "计算结果");
        EXPECT_EQ(dlg.GetPages()[1].templateId, 443);
        EXPECT_EQ(dlg.GetPages()[2].label, "计算书");
        EXPECT_EQ(dlg.GetPages()[2].templateId, 0);
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            SCOPED_TRACE(fc.key);
            ASSERT_TRUE(page.HasControl(fc.id));
            const std::string key = fc.key;
            const VexaCtrlKind kind = page.Control(fc.id).kind;
            if (key == "/m_strKind" || key == "/m_strPiType") {
                EXPECT_EQ(kind, VexaCtrlKind::Button);
            } else if (key.rfind("/m_str", 0) == 0 && key != "/m_strBeamCode") {
                EXPECT_EQ(kind, VexaCtrlKind::DropList);
            } else if (key == "/m_dYo") {
                EXPECT_EQ(kind, VexaCtrlKind::DropList);
            } else {
                EXPECT_EQ(kind, VexaCtrlKind::Edit);
            }
        }
        EXPECT_TRUE(page.Control(D::IDC_EDIT_STLH).readOnly);
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SCHEMATIC).picture, "445");
    });
}

TEST_F(SteelBeamInputDlgTest, OpensWithTheDefaults) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_YO), "1.0");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CRI), "JGJ138－2001《型钢砼组合结构技术规程》");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_RESTRAIN), "一端固支一端铰支");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRACON), "C30");
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRACON).items.front(), "C15");
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRAHOOP).items,
                  (std::vector<std::string>{"HPB300", "HRB335", "HRB400", "HRB500"}));
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_B), "1000");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_PES), "0.4");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_D4), "40");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_CODE), "GGHNTL-1");
        // The section: name, plates and its picture from the section table.
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_NAME), "I63b");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLH), "630");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLB), "178");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTW), "15");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "22");
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "section:热轧普通工字钢/I63b");
        EXPECT_EQ(page.GetSectionItem().GetName(), "I63b");
    });
}

TEST_F(SteelBeamInputDlgTest, TheFirstEntryOfEveryListBeforeTheValuesArrive) {
    D page;
    std::string error;
    ASSERT_TRUE(page.Create(error)) << error;
    EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_INTENSITY), "非抗震");
    EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRACON), "C15");
    EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_IRONFACE), "光面钢筋");
    EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_YO), "0.9");
    EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_NAME), "H500X200X8X12");
}

TEST_F(SteelBeamInputDlgTest, SectionFromTheSystemTables) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        const double ia = param.m_dIa;
        // An I-beam table: the flange thickness from "t(mm)".
        SetOk(s, "m_strPiType", "热轧普通工字钢/I40b");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_NAME), "I40b");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLH), "400");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLB), "144");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTW), "12.5");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "16.5");
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "section:热轧普通工字钢/I40b");
        // A welded H table: "H(mm)", "B(mm)", "tf(mm)"; the family first, then the row.
        SetOk(s, "m_strKind", "热轧普通焊接H型钢");
        SetOk(s, "m_strPiType", "H300X200X6X12");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLH), "300");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLB), "200");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTW), "6");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "12");
        // A light I-beam by the button's label.
        SetOk(s, "截面选择>>", "热轧轻型工字钢/I12");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "7.3");
        dlg.SaveAllData();
        EXPECT_EQ(param.m_strKind, "热轧轻型工字钢");
        EXPECT_EQ(param.m_strPiType, "I12");
        EXPECT_DOUBLE_EQ(param.m_dStlH, 120);
        EXPECT_DOUBLE_EQ(param.m_dStlB, 64);
        EXPECT_DOUBLE_EQ(param.m_dStlTw, 4.8);
        EXPECT_DOUBLE_EQ(param.m_dStlTf, 7.3);
        EXPECT_EQ(param.m_SectionItem.GetName(), "I12");
        // Picking does not touch the carried properties; the calculation sets them.
        EXPECT_DOUBLE_EQ(param.m_dIa, ia);
        dlg.RunCalculation();
        EXPECT_DOUBLE_EQ(param.m_dIa, P::SectionIx(64, 120, 4.8, 7.3));
        // Hot-rolled H: the same columns as the welded tables.
        SetOk(s, "m_strPiType", "热轧宽翼缘H型钢/HW400X400X13X21");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "21");
    });
}

TEST_F(SteelBeamInputDlgTest, AsymmetricUserSectionIsRefused) {
    CDataItem asym("自定义非对称H型钢", CLoadDataTable::GetColumnNames("自定义非对称H型钢"),
                   {"H800X300X250", "800", "300", "20", "250", "16", "12"});
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(asym));
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        const VexaSetResult r = s.Set("m_strPiType", "自定义非对称H型钢/H800X300X250");
        EXPECT_EQ(r.status, VexaSetResult::Refused);
        EXPECT_EQ(r.message, "此截面类型不能进行强度计算！");
        ASSERT_EQ(dlg.GetMessages().size(), 1u);
        EXPECT_EQ(dlg.GetMessages()[0].kind, VexaMessageKind::Box);
        EXPECT_EQ(dlg.GetMessages()[0].text, "此截面类型不能进行强度计算！");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_NAME), "I63b");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLH), "630");
        dlg.SaveAllData();
        EXPECT_EQ(param.m_strKind, "热轧普通工字钢");  // the family stays with its row
        EXPECT_EQ(param.m_strPiType, "I63b");
    });
    CLoadDataTable::RemoveUserJMItem("自定义非对称H型钢", "H800X300X250");
}

TEST_F(SteelBeamInputDlgTest, UserSectionOfASymmetricFamily) {
    CDataItem own("热轧普通焊接H型钢", CLoadDataTable::GetColumnNames("热轧普通焊接H型钢"),
                  {"H700X350X14X25", "700", "350", "14", "25"});
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(own));
    Run([&own](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_strPiType", "热轧普通焊接H型钢/H700X350X14X25");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STLTF), "25");
        dlg.SaveAllData();
        dlg.LoadAllData();  // the user's row is found again by its names
        EXPECT_EQ(page.GetSectionItem(), own);
        EXPECT_DOUBLE_EQ(param.m_dStlB, 350);
    });
    CLoadDataTable::RemoveUserJMItem("热轧普通焊接H型钢", "H700X350X14X25");
}

TEST_F(SteelBeamInputDlgTest, RangesAreRefusedAsTheFieldIsLeft) {
    Run([](D&, P&, VexaSession& s, CVexaTabDlg& dlg) {
        struct Case {
            const char* key;
            const char* value;
            const char* message;
        } cases[] = {
            {"m_nB", "0", "梁截面宽b(mm)应在1～10000之间，请重新输入！"},
            {"m_nH", "-5", "梁截面高h(mm)应在1～10000之间，请重新输入！"},
            {"m_nL", "0", "梁计算跨度L(mm)应在1～200000之间，请重新输入！"},
            {"m_nLn", "0", "梁净跨度Ln(mm)应在1～200000之间，请重新输入！"},
            {"m_nSpaceHoop", "0", "箍筋间距(mm)应在1～1000之间，请重新输入！"},
            {"m_nC", "-1", "保护层厚度c(mm)应在0～1000之间，请重新输入！"},
            {"m_nN3", "-2", "上一纵筋根数n3i应在0～100之间，请重新输入！"},
            {"m_nM", "-1", "正截面弯矩设计值M(kN.m)应在0～1000000之间，请重新输入！"},
            {"m_nVb", "-1", "斜截面剪力设计值Vb(kN)应在0～1000000之间，请重新输入！"},
            {"m_dPes", "1.2", "准永久系数pesaiq应在0～1之间，请重新输入！"},
        };
        for (const Case& c : cases) {
            dlg.ClearMessages();
            SetOk(s, c.key, c.value);
            EXPECT_EQ(Errors(dlg), std::vector<std::string>{c.message}) << c.key;
            SetOk(s, c.key, c.key == std::string("m_dPes") ? "0.4" : "100");
        }
    });
}

TEST_F(SteelBeamInputDlgTest, CrossFieldErrorsCalculateNothing) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nMgk", "0");
        SetOk(s, "m_nMqk", "0");
        SetOk(s, "m_nN1", "0");
        SetOk(s, "m_nN2", "0");
        SetOk(s, "m_nD3", "0");
        SetOk(s, "m_nB", "240");
        dlg.ClearMessages();
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"型钢截面宽hb+2c必须小于梁截面宽b", "弯矩标准值Mgk+Mqk必须大于0",
                                                         "受拉区纵筋根数n1i+n2i必须大于0",
                                                         "上一纵筋根数n3i大于0时，上一纵筋直径d3i必须大于0"}));
        EXPECT_TRUE(param.m_strNormalResult.empty());
    });
}

TEST_F(SteelBeamInputDlgTest, CalculationFillsTheResultPage) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_strCri", "YB9082-97《钢骨砼结构设计规程》");
        SetOk(s, "m_dYo", "1.1");
        ASSERT_NE(dlg.RunCalculation(), 0);
        EXPECT_DOUBLE_EQ(param.m_dYo, 1.1);
        EXPECT_FALSE(param.IsJgj());
        CVexaCaltDlg* result = dlg.GetPages()[1].page;
        EXPECT_EQ(result->GetEditText(1002), "正筋选筋面积不符合要求");  // 1.1·4000 > 4257.8
        EXPECT_EQ(result->GetEditText(1008), "裂缝计算不满足要求");
        EXPECT_EQ(result->GetEditText(1016), std::to_string(static_cast<int>(param.m_dAsv)));
    });
}

}  // namespace
