// Tests of modal dialogs opened from a page, lists set through them, tab switches, message boxes
// and the drawing parameters a drawing command reads.
#include <gtest/gtest.h>

#include <algorithm>

#include "CLoadDataTable.h"
#include "CVexaCaltDlg.h"
#include "CVexaDrawParam.h"
#include "CVexaMainInfo.h"
#include "CVexaParam.h"
#include "CVexaTabDlg.h"
#include "VexaResource.h"
#include "VexaSession.h"

namespace {
const char kPageTemplate[] = R"json({
  "id": 9101, "caption": "基本参数", "width": 200, "height": 80,
  "controls": [
    {"id": 10, "name": "IDC_STATIC_B", "kind": "static", "text": "宽度b:", "rect": [5, 5, 40, 10]},
    {"id": 11, "name": "IDC_EDIT_B", "kind": "edit", "label": 10, "rect": [50, 5, 40, 12]},
    {"id": 20, "name": "IDC_BUTTON_SEL", "kind": "button", "text": "选筋", "rect": [5, 25, 40, 14]}
  ]
})json";

const char kListTemplate[] = R"json({
  "id": 9102, "caption": "直径信息", "width": 150, "height": 100,
  "controls": [
    {"id": 10, "name": "IDC_LIST_ALL", "kind": "listbox", "items": ["6", "8", "10", "12"], "rect": [5, 5, 40, 60]},
    {"id": 11, "name": "IDC_LIST_SEL", "kind": "listbox", "rect": [90, 5, 40, 60]},
    {"id": 12, "name": "IDC_BUTTON_ADD", "kind": "button", "text": ">>", "rect": [50, 20, 30, 14]},
    {"id": 13, "name": "IDC_BUTTON_DEL", "kind": "button", "text": "<<", "rect": [50, 40, 30, 14]},
    {"id": 1, "name": "IDOK", "kind": "button", "text": "确定", "rect": [50, 80, 40, 14]}
  ]
})json";

const char kDrawTemplate[] = R"json({
  "id": 9103, "caption": "绘图预览", "width": 200, "height": 60,
  "controls": [
    {"id": 10, "name": "IDC_STATIC_SCALE", "kind": "static", "text": "绘图比例1：", "rect": [5, 5, 40, 10]},
    {"id": 11, "name": "IDC_EDIT_SCALE", "kind": "edit", "label": 10, "text": "20", "rect": [50, 5, 40, 12]},
    {"id": 20, "name": "IDC_BUTTON_DRAW", "kind": "button", "text": "绘制", "rect": [5, 25, 40, 14]}
  ]
})json";

const char kPickTemplate[] = R"json({
  "id": 9104, "caption": "基本参数", "width": 200, "height": 40,
  "controls": [
    {"id": 10, "name": "IDC_BUTTON_PICK", "kind": "button", "text": "截面选择>>", "rect": [5, 5, 60, 14]},
    {"id": 11, "name": "IDC_STATIC_SECTION", "kind": "static", "text": "", "rect": [70, 5, 120, 14]}
  ]
})json";

const VexaResourceFile kFiles[] = {
    {"dialogs/9104.json", reinterpret_cast<const unsigned char*>(kPickTemplate), sizeof kPickTemplate - 1},
    {"dialogs/9101.json", reinterpret_cast<const unsigned char*>(kPageTemplate), sizeof kPageTemplate - 1},
    {"dialogs/9102.json", reinterpret_cast<const unsigned char*>(kListTemplate), sizeof kListTemplate - 1},
    {"dialogs/9103.json", reinterpret_cast<const unsigned char*>(kDrawTemplate), sizeof kDrawTemplate - 1},
};
const VexaResourceSet kSet{kFiles, 4};

struct ListParam : CVexaParam {
    double m_dB = 200;
    std::vector<int> m_aryDia{8};
    std::vector<VexaField> GetFields() override {
        static const VexaFieldDef<ListParam> kFields[] = {{"m_dB", &ListParam::m_dB}, {"m_aryDia", &ListParam::m_aryDia}};
        return VexaBindFields(this, kFields);
    }
};

// The nested dialog: moves diameters from the full list into the chosen list, kept ascending.
class ListDlg : public CVexaCaltDlg {
public:
    using ThisClass = ListDlg;
    explicit ListDlg(std::vector<int>& values, CVexaDlg* parent) : CVexaCaltDlg(9102, parent), m_values(values) {}

    int OnInitDialog() override {
        std::vector<std::string> items;
        for (int v : m_values) {
            items.push_back(std::to_string(v));
        }
        ResetComboBox(11, items);
        return 1;
    }
    std::span<const VexaFieldControl> GetFieldControls() const override {
        static const VexaFieldControl map[] = {{"m_aryDia", 11}};
        return map;
    }
    bool SetListValues(int id, const std::vector<int>& values, std::string& message) override {
        const auto& all = Control(10).items;
        for (int v : values) {
            if (std::find(all.begin(), all.end(), std::to_string(v)) == all.end()) {
                message = "只能选择 6、8、10、12";
                return false;
            }
        }
        while (!m_values.empty()) {
            SetComboBoxIndex(id, 0);
            FireEvent(VexaEvent::Clicked, 13);
        }
        for (int v : values) {
            SetComboBoxText(10, std::to_string(v));
            FireEvent(VexaEvent::Clicked, 12);
        }
        return true;
    }

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override {
        static const VexaMsgMapEntry map[] = {
            ON_VEXA_EVENT(VexaEvent::Clicked, 12, OnAdd),
            ON_VEXA_EVENT(VexaEvent::Clicked, 13, OnDel),
        };
        return map;
    }

private:
    void OnAdd() {
        const int v = std::stoi(GetComboBoxText(10));
        if (std::find(m_values.begin(), m_values.end(), v) == m_values.end()) {
            m_values.insert(std::upper_bound(m_values.begin(), m_values.end(), v), v);
        }
        OnInitDialog();
    }
    void OnDel() {
        const int sel = GetComboBoxIndex(11);
        if (sel >= 0 && sel < static_cast<int>(m_values.size())) {
            m_values.erase(m_values.begin() + sel);
        }
        OnInitDialog();
    }
    std::vector<int>& m_values;
};

class ListPage : public CVexaCaltDlg {
public:
    using ThisClass = ListPage;
    ListPage() : CVexaCaltDlg(9101) {}
    std::vector<int> m_values{8};
    int modalResult = 0;
    std::span<const VexaFieldControl> GetFieldControls() const override {
        static const VexaFieldControl map[] = {{"m_dB", 11}, {"m_aryDia", 20}};
        return map;
    }
    int SaveToParam(CVexaParam* param) override {
        auto* p = static_cast<ListParam*>(param);
        GetEditText(11, p->m_dB);
        p->m_aryDia = m_values;
        return 1;
    }
    int LoadFromParam(CVexaParam* param) override {
        auto* p = static_cast<ListParam*>(param);
        SetEditText(11, p->m_dB);
        m_values = p->m_aryDia;
        return 1;
    }

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override {
        static const VexaMsgMapEntry map[] = {ON_VEXA_EVENT(VexaEvent::Clicked, 20, OnSel)};
        return map;
    }

private:
    void OnSel() {
        ListDlg dlg(m_values, this);
        modalResult = dlg.DoModal();
    }
};

struct ScaleDraw : CVexaDrawParam {
    int m_nScale = 20;
    std::string m_strTitle = "L-1";
    std::vector<VexaField> GetFields() override {
        static const VexaFieldDef<ScaleDraw> kFields[] = {{"m_strTitle", &ScaleDraw::m_strTitle},
                                                          {"m_nScale", &ScaleDraw::m_nScale}};
        return VexaBindFields(this, kFields);
    }
};

class DrawPage : public CVexaCaltDlg {
public:
    using ThisClass = DrawPage;
    DrawPage() : CVexaCaltDlg(9103) {}
    ScaleDraw draw;
    int saves = 0, loads = 0, lastTab = -1;
    std::span<const VexaFieldControl> GetFieldControls() const override {
        static const VexaFieldControl map[] = {{"TESTDRAW/m_nScale", 11}};
        return map;
    }
    std::vector<VexaField> GetBoundFields() override { return VexaPrefixFields(draw.GetFields(), "TESTDRAW/"); }
    int GetDrawButtonId() const override { return 20; }
    int SaveToParam(CVexaParam*) override { return ++saves; }
    int LoadFromParam(CVexaParam*) override { return ++loads; }
    void OnSelchangeTab(int index) override { lastTab = index; }

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override {
        static const VexaMsgMapEntry map[] = {ON_VEXA_EVENT(VexaEvent::Clicked, 20, OnDraw)};
        return map;
    }

private:
    void OnDraw() {
        GetEditText(11, draw.m_nScale);
        if (draw.m_nScale > 100) {
            MessageBox("比例过小");
            return;
        }
        draw.SaveAllData("TESTDRAW");
        g_VexaMainInfo.SendAcadCommand("VEXALZSHGJHZH\n");
    }
};

// Ends every dialog it is given with IDOK, or leaves it open.
struct PressOk : IVexaModalDriver {
    bool press = true;
    int shown = 0;
    void RunModal(CVexaDlg& dialog) override {
        ++shown;
        if (press) {
            dialog.FireEvent(VexaEvent::Clicked, IDOK);
        }
    }
};

struct PickParam : CVexaParam {
    std::string m_strKind = "热轧普通工字钢";
    std::string m_strPiType = "I40b";
    std::vector<VexaField> GetFields() override {
        static const VexaFieldDef<PickParam> kFields[] = {{"m_strKind", &PickParam::m_strKind},
                                                          {"m_strPiType", &PickParam::m_strPiType}};
        return VexaBindFields(this, kFields);
    }
};

// A page that chooses its steel section in the picker, refusing the user's asymmetric H sections.
class PickPage : public CVexaCaltDlg {
public:
    using ThisClass = PickPage;
    PickPage() : CVexaCaltDlg(9104) {}
    std::string kind = "热轧普通工字钢", type = "I40b";
    std::span<const VexaFieldControl> GetFieldControls() const override {
        static const VexaFieldControl map[] = {{"m_strKind", 10}, {"m_strPiType", 10}};
        return map;
    }
    int SaveToParam(CVexaParam* param) override {
        auto* p = static_cast<PickParam*>(param);
        p->m_strKind = kind;
        p->m_strPiType = type;
        return 1;
    }
    int LoadFromParam(CVexaParam* param) override {
        auto* p = static_cast<PickParam*>(param);
        kind = p->m_strKind;
        type = p->m_strPiType;
        return 1;
    }

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override {
        static const VexaMsgMapEntry map[] = {ON_VEXA_EVENT(VexaEvent::Clicked, 10, OnPick)};
        return map;
    }

private:
    void OnPick() {
        CDataItem item = CLoadDataTable::GetSysTemJMItem(kind, type);
        if (!CLoadDataTable::VisitSelJMDlg("", item, kVexaSectionSrcFilter)) {
            return;
        }
        if (item.GetTableName() == "自定义非对称H型钢") {
            MessageBox("不能选择自定义非对称H型钢");
            return;
        }
        kind = item.GetTableName();
        type = item.GetName();
    }
};

class NestedDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_instance.resources = &kSet;
        m_saved = CVexaInsTance::GetResourceHandle();
        CVexaInsTance::SetResourceHandle(&m_instance);
        tab.AddPage(&page, "基本参数", 9101, &m_instance);
        tab.AddPage(&drawPage, "绘图预览", 9103, &m_instance);
        tab.SetParam(&param, &m_instance);
        std::string error;
        ASSERT_TRUE(tab.Open(error)) << error;
    }
    void TearDown() override { CVexaInsTance::SetResourceHandle(m_saved); }

    VexaModuleInstance m_instance;
    HINSTANCE m_saved = nullptr;
    ListPage page;
    DrawPage drawPage;
    ListParam param;
    CVexaTabDlg tab;
};
}  // namespace

TEST_F(NestedDialogTest, AModalDialogNeedsADriverAndEndsByItsOkButton) {
    // No front end to show it: cancelled at once, nothing changes.
    ASSERT_EQ(VexaGetModalDriver(), nullptr);
    page.FireEvent(VexaEvent::Clicked, 20);
    EXPECT_EQ(page.modalResult, IDCANCEL);

    PressOk driver;
    IVexaModalDriver* previous = VexaSetModalDriver(&driver);
    page.FireEvent(VexaEvent::Clicked, 20);
    EXPECT_EQ(page.modalResult, IDOK);
    // A driver that returns without the dialog ending: the user closed it.
    driver.press = false;
    page.FireEvent(VexaEvent::Clicked, 20);
    EXPECT_EQ(page.modalResult, IDCANCEL);
    EXPECT_EQ(driver.shown, 2);
    VexaSetModalDriver(previous);
}

TEST_F(NestedDialogTest, AListFieldIsSetThroughTheDialogItsButtonOpens) {
    VexaSession session(tab);
    EXPECT_EQ(session.Set("m_aryDia", "12, 6,10").status, VexaSetResult::Ok);
    EXPECT_EQ(page.m_values, (std::vector<int>{6, 10, 12}));
    EXPECT_EQ(page.modalResult, IDOK);
    EXPECT_EQ(VexaGetModalDriver(), nullptr);  // the session's driver is gone again

    // The dialog refuses a diameter it does not offer: its message, nothing changes.
    VexaSetResult r = session.Set("m_aryDia", "6,7");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(r.message, "只能选择 6、8、10、12");
    EXPECT_EQ(page.m_values, (std::vector<int>{6, 10, 12}));

    r = session.Set("m_aryDia", "6;8");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(r.message, "“选筋”应为以逗号分隔的整数（如 8,10,14），而不是“6;8”。");
    EXPECT_EQ(session.Set("m_aryDia", "6,,8").status, VexaSetResult::BadValue);
    EXPECT_EQ(session.Set("m_aryDia", "8.5").status, VexaSetResult::BadValue);

    // The empty list is a list too.
    EXPECT_EQ(session.Set("m_aryDia", "").status, VexaSetResult::Ok);
    EXPECT_TRUE(page.m_values.empty());

    tab.SaveAllData();
    EXPECT_TRUE(param.m_aryDia.empty());
}

TEST_F(NestedDialogTest, DrawingPageFieldsAreTypedByTheDrawingParameters) {
    VexaSession session(tab);
    VexaControlRef ref;
    ASSERT_TRUE(session.Find("TESTDRAW/m_nScale", ref));
    EXPECT_EQ(ref.page, &drawPage);
    ASSERT_TRUE(session.Find("绘图比例1：", ref));
    EXPECT_EQ(ref.key, "TESTDRAW/m_nScale");
    VexaSetResult r = session.Set("TESTDRAW/m_nScale", "fifty");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(r.message, "“绘图比例1”应为数值，而不是“fifty”。");
    EXPECT_EQ(session.Set("TESTDRAW/m_nScale", "50").status, VexaSetResult::Ok);
}

TEST_F(NestedDialogTest, ChoosingATabSynchronisesThePagesFirst) {
    const int saves = drawPage.saves, loads = drawPage.loads;
    page.SetEditText(11, "275");
    tab.SelectTab(1);
    EXPECT_EQ(param.m_dB, 275);
    EXPECT_EQ(drawPage.saves, saves + 1);
    EXPECT_EQ(drawPage.loads, loads + 1);
    EXPECT_EQ(drawPage.lastTab, 1);
    EXPECT_EQ(tab.GetCurTab(), 1);
}

TEST_F(NestedDialogTest, TheDrawingCommandCarriesWhatWasSavedUnderItsSection) {
    const std::size_t before = g_VexaMainInfo.GetSentCommands().size();
    g_VexaMainInfo.SetSavedDrawParams("BeamAddStirrup", {});
    drawPage.SetEditText(11, "50");
    drawPage.FireEvent(VexaEvent::Clicked, 20);
    ASSERT_EQ(g_VexaMainInfo.GetSentCommands().size(), before + 1);
    const VexaCadCommand sent = g_VexaMainInfo.GetSentCommands()[before];
    EXPECT_EQ(sent.section, "BeamAddStirrup");
    // The test page saved under its own section, so the command finds nothing of its own.
    EXPECT_TRUE(sent.params.empty());

    ScaleDraw own;
    own.m_nScale = 25;
    own.SaveAllData("BeamAddStirrup");
    g_VexaMainInfo.SendAcadCommand("VEXALZSHGJHZH\n");
    ASSERT_EQ(g_VexaMainInfo.GetSentCommands().size(), before + 2);
    const VexaCadCommand second = g_VexaMainInfo.GetSentCommands()[before + 1];
    ASSERT_EQ(second.params.size(), 2u);
    EXPECT_EQ(second.params[0].key, "m_strTitle");
    EXPECT_EQ(second.params[0].type, "text");
    EXPECT_EQ(second.params[0].text, "L-1");
    EXPECT_EQ(second.params[1].key, "m_nScale");
    EXPECT_EQ(second.params[1].type, "int");
    EXPECT_EQ(second.params[1].text, "25");
}

TEST_F(NestedDialogTest, AMessageBoxIsAMessageOfTheRun) {
    drawPage.SetEditText(11, "500");
    tab.ClearMessages();
    drawPage.FireEvent(VexaEvent::Clicked, 20);
    ASSERT_EQ(tab.GetMessages().size(), 1u);
    EXPECT_EQ(tab.GetMessages()[0].kind, VexaMessageKind::Box);
    EXPECT_EQ(tab.GetMessages()[0].text, "比例过小");
    EXPECT_STREQ(kVexaMessageBoxCaption, "QUOR提醒您");
}

TEST_F(NestedDialogTest, ACalculationsMessageBoxGoesToTheOpenDialog) {
    tab.ClearMessages();
    g_VexaMainInfo.MessageBox("计算超限！");
    ASSERT_EQ(tab.GetMessages().size(), 1u);
    EXPECT_EQ(tab.GetMessages()[0].kind, VexaMessageKind::Box);
    EXPECT_EQ(tab.GetMessages()[0].text, "计算超限！");
    {
        CVexaTabDlg other;
        g_VexaMainInfo.SetMessageTarget(&other);
    }
    // A dialog that is gone takes no messages.
    EXPECT_EQ(g_VexaMainInfo.GetMessageTarget(), nullptr);
    g_VexaMainInfo.MessageBox("无处显示");
    EXPECT_EQ(tab.GetMessages().size(), 1u);
}

TEST(SectionPicker, ARowIsChosenAsThePickerWould) {
    VexaModuleInstance instance;
    instance.resources = &kSet;
    HINSTANCE saved = CVexaInsTance::GetResourceHandle();
    CVexaInsTance::SetResourceHandle(&instance);
    PickPage page;
    PickParam param;
    CVexaTabDlg tab;
    tab.AddPage(&page, "基本参数", 9104, &instance);
    tab.SetParam(&param, &instance);
    std::string error;
    ASSERT_TRUE(tab.Open(error)) << error;
    VexaSession session(tab);

    // "FAMILY/NAME" by key or by the button's label.
    EXPECT_EQ(session.Set("m_strPiType", "热轧普通工字钢/I63b").status, VexaSetResult::Ok);
    EXPECT_EQ(page.type, "I63b");
    EXPECT_EQ(session.Set("截面选择>>", "热轧窄翼缘H型钢/HN700X300X13X24").status, VexaSetResult::Ok);
    EXPECT_EQ(page.kind, "热轧窄翼缘H型钢");
    EXPECT_EQ(page.type, "HN700X300X13X24");
    // The family first, then its row; a bare row stays in the family shown.
    EXPECT_EQ(session.Set("m_strKind", "热轧宽翼缘H型钢").status, VexaSetResult::Ok);
    EXPECT_EQ(page.kind, "热轧窄翼缘H型钢");  // nothing chosen yet
    EXPECT_EQ(session.Set("m_strPiType", "HW400X400X13X21").status, VexaSetResult::Ok);
    EXPECT_EQ(page.kind, "热轧宽翼缘H型钢");
    tab.SaveAllData();
    EXPECT_EQ(param.m_strPiType, "HW400X400X13X21");

    VexaSetResult r = session.Set("m_strPiType", "I99z");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(r.message, "截面表“热轧宽翼缘H型钢”中没有“I99z”；可用 vexa sections 热轧宽翼缘H型钢 查看该表的截面。");
    r = session.Set("m_strKind", "槽钢");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(r.message.rfind("没有“槽钢”这一截面表；可选：热轧普通工字钢、", 0), 0u) << r.message;
    EXPECT_EQ(page.type, "HW400X400X13X21");

    // The page's own refusal of a row it cannot take.
    CDataItem asym("自定义非对称H型钢", CLoadDataTable::GetColumnNames("自定义非对称H型钢"),
                   {"H600X300X200", "600", "300", "20", "200", "16", "12"});
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(asym));
    tab.ClearMessages();
    r = session.Set("m_strPiType", "自定义非对称H型钢/H600X300X200");
    EXPECT_EQ(r.status, VexaSetResult::Refused);
    EXPECT_EQ(r.message, "不能选择自定义非对称H型钢");
    ASSERT_EQ(tab.GetMessages().size(), 1u);
    EXPECT_EQ(tab.GetMessages()[0].text, "不能选择自定义非对称H型钢");
    EXPECT_EQ(page.type, "HW400X400X13X21");
    CLoadDataTable::RemoveUserJMItem("自定义非对称H型钢", "H600X300X200");
    CVexaInsTance::SetResourceHandle(saved);
}
