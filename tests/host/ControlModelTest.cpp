// Tests of the page control model: templates, accessors, events, range checks and the session.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "CVexaCaltDlg.h"
#include "CVexaMainInfo.h"
#include "CVexaParam.h"
#include "CVexaSave.h"
#include "CVexaTabDlg.h"
#include "VexaResource.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"

namespace {
const char kTemplate[] = R"json({
  "id": 9001, "caption": "基本参数", "width": 200, "height": 120,
  "controls": [
    {"id": 10, "name": "IDC_STATIC_B", "kind": "static", "text": "截面宽度b:", "rect": [5, 5, 40, 10]},
    {"id": 11, "name": "IDC_EDIT_B", "kind": "edit", "label": 10, "rect": [50, 5, 40, 12]},
    {"id": 20, "name": "IDC_STATIC_TYPE", "kind": "static", "text": "截面类型", "rect": [5, 20, 40, 10]},
    {"id": 21, "name": "IDC_COMBO_TYPE", "kind": "droplist", "label": 20, "items": ["矩形", "T形"], "rect": [50, 20, 40, 60]},
    {"id": 30, "name": "IDC_CHECK_PSI", "kind": "check", "text": "直接承受重复荷载的构件(ψ=1.0)", "rect": [5, 35, 100, 10]},
    {"id": 40, "name": "IDC_RADIO_SQUARE", "kind": "radio", "text": "方桩", "group": 1, "rect": [5, 50, 30, 10]},
    {"id": 41, "name": "IDC_RADIO_ROUND", "kind": "radio", "text": "圆桩", "group": 1, "rect": [40, 50, 30, 10]},
    {"id": 50, "name": "IDC_EDIT_H", "kind": "edit", "text": "500", "label": 51, "disabled": true, "rect": [50, 65, 40, 12]},
    {"id": 51, "name": "IDC_STATIC_H", "kind": "static", "text": "截面高度h：", "rect": [5, 65, 40, 10]},
    {"id": 60, "name": "IDC_COMBO_VI", "kind": "combo", "label": 61, "items": ["带肋钢筋", "0.7"], "rect": [50, 80, 40, 60]},
    {"id": 61, "name": "IDC_STATIC_VI", "kind": "static", "text": "粘结特征系数vi", "rect": [5, 80, 40, 10]},
    {"id": 71, "name": "IDC_STATIC_DIA", "kind": "static", "text": "直径", "rect": [5, 95, 40, 10]},
    {"id": 72, "name": "IDC_EDIT_DIA2", "kind": "edit", "label": 71, "rect": [100, 95, 40, 12]},
    {"id": 70, "name": "IDC_COMBO_DIA", "kind": "droplist", "label": 71, "items": ["6", "8", "10"], "rect": [50, 95, 40, 60]}
  ]
})json";

// Ids far apart, negative among them.
const char kScatteredTemplate[] = R"json({
  "id": 9002, "caption": "散", "controls": [
    {"id": 2000000000, "name": "IDC_EDIT_FAR", "kind": "edit", "text": "far"},
    {"id": -7, "name": "IDC_STATIC_LOW", "kind": "static", "text": "远处:"},
    {"id": 3, "name": "IDC_EDIT_NEAR", "kind": "edit", "text": "near", "label": -7}
  ]
})json";

const VexaResourceFile kFiles[] = {
    {"dialogs/9001.json", reinterpret_cast<const unsigned char*>(kTemplate), sizeof kTemplate - 1},
    {"dialogs/9002.json", reinterpret_cast<const unsigned char*>(kScatteredTemplate), sizeof kScatteredTemplate - 1},
};
const VexaResourceSet kSet{kFiles, 2};

struct TestParam : CVexaParam {
    double m_dB = 200;
    std::string m_strType = "矩形";
    int m_bPsi = 0;
    int m_nKind = 0;
    double m_dH = 500;
    std::string m_strVi = "带肋钢筋";
    int m_nDia = 6;
    std::vector<VexaField> GetFields() override {
        static const VexaFieldDef<TestParam> kFields[] = {
            {"/m_dB", &TestParam::m_dB},       {"/m_strType", &TestParam::m_strType}, {"/m_bPsi", &TestParam::m_bPsi},
            {"/m_nKind", &TestParam::m_nKind}, {"/m_dH", &TestParam::m_dH},           {"/m_strVi", &TestParam::m_strVi},
            {"/m_nDia", &TestParam::m_nDia},   {"/m_strNumber", &TestParam::m_strNumber}};
        return VexaBindFields(this, kFields);
    }
};

class TestPage : public CVexaCaltDlg {
public:
    using ThisClass = TestPage;
    TestPage() : CVexaCaltDlg(9001) {}
    int typeChanges = 0, bLeft = 0, psiClicks = 0, radioClicks = 0, viLeft = 0;
    std::span<const VexaFieldControl> GetFieldControls() const override {
        static const VexaFieldControl map[] = {{"/m_dB", 11}, {"/m_strType", 21}, {"/m_bPsi", 30},
                                               {"/m_nKind", 40}, {"/m_dH", 50},  {"/m_strVi", 60},
                                               {"/m_nDia", 70}};
        return map;
    }
    int ValidateData() override {
        double b = 0;
        return ValidateEditValue(11, b, 10000, 1);
    }

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override {
        static const VexaMsgMapEntry map[] = {
            ON_VEXA_EVENT(VexaEvent::SelChange, 21, OnSelchangeType),
            ON_VEXA_EVENT(VexaEvent::KillFocus, 11, OnKillfocusB),
            ON_VEXA_EVENT(VexaEvent::Clicked, 30, OnPsi),
            ON_VEXA_EVENT(VexaEvent::Clicked, 40, OnRadio),
            ON_VEXA_EVENT(VexaEvent::Clicked, 41, OnRadio),
            ON_VEXA_EVENT(VexaEvent::KillFocus, 60, OnKillfocusVi),
        };
        return map;
    }

private:
    void OnSelchangeType() {
        ++typeChanges;
        EnableWindow(50, GetComboBoxText(21) == "T形");
    }
    void OnKillfocusB() {
        ++bLeft;
        double b = 0;
        ValidateEditValue(11, b, 10000, 1);
    }
    void OnPsi() { ++psiClicks; }
    void OnRadio() { ++radioClicks; }
    void OnKillfocusVi() { ++viLeft; }
};

class ControlModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_instance.resources = &kSet;
        m_saved = CVexaInsTance::GetResourceHandle();
        CVexaInsTance::SetResourceHandle(&m_instance);
        tab.AddPage(&page, "基本参数", 9001, &m_instance);
        tab.SetParam(&param, &m_instance);
        std::string error;
        ASSERT_TRUE(page.Create(error)) << error;
    }
    void TearDown() override { CVexaInsTance::SetResourceHandle(m_saved); }

    VexaModuleInstance m_instance;
    HINSTANCE m_saved = nullptr;
    TestPage page;
    TestParam param;
    CVexaTabDlg tab;
};
}  // namespace

TEST_F(ControlModelTest, ControlsComeFromTheTemplate) {
    EXPECT_EQ(page.ControlOrder().size(), 14u);
    EXPECT_EQ(page.Control(21).items, (std::vector<std::string>{"矩形", "T形"}));
    EXPECT_EQ(page.GetComboBoxIndex(21), -1);
    EXPECT_FALSE(page.IsWindowEnabled(50));
    EXPECT_EQ(page.GetEditText(50), "500");
    EXPECT_EQ(page.GetLabelText(11), "截面宽度b:");
    EXPECT_EQ(page.GetLabelText(30), "直接承受重复荷载的构件(ψ=1.0)");
    EXPECT_THROW(page.Control(999), std::logic_error);
}

TEST_F(ControlModelTest, ControlsWithIdsFarApartAreFoundByTheirIds) {
    CVexaDlg scattered(9002);
    std::string error;
    ASSERT_TRUE(scattered.Create(error)) << error;
    EXPECT_EQ(scattered.ControlOrder(), (std::vector<int>{2000000000, -7, 3}));
    EXPECT_EQ(scattered.GetEditText(2000000000), "far");
    EXPECT_EQ(scattered.GetEditText(3), "near");
    EXPECT_EQ(scattered.GetLabelText(3), "远处:");
    for (int absent : {0, 2, 4, -8, 1999999999, 2147483647, -2147483647 - 1}) {
        EXPECT_FALSE(scattered.HasControl(absent)) << absent;
    }
    EXPECT_THROW(scattered.Control(2), std::logic_error);
    // Created again, the controls are the template's once more.
    scattered.SetEditText(3, "changed");
    ASSERT_TRUE(scattered.Create(error)) << error;
    EXPECT_EQ(scattered.GetEditText(3), "near");
    // The page's own ids, close together: absent ids between and beyond them.
    for (int absent : {9, 12, 19, 42, 49, 73, 0, -1, 1000}) {
        EXPECT_FALSE(page.HasControl(absent)) << absent;
    }
}

TEST_F(ControlModelTest, PagesOfOneTemplateKeepTheirListsApart) {
    // The lists start as the template's; a page that refills one changes no other page.
    TestPage other;
    std::string error;
    ASSERT_TRUE(other.Create(error)) << error;
    other.ResetComboBox(21, {"圆形"});
    other.SetComboBoxText(21, "圆形");
    EXPECT_EQ(other.Control(21).items, (std::vector<std::string>{"圆形"}));
    EXPECT_EQ(page.Control(21).items, (std::vector<std::string>{"矩形", "T形"}));
    page.SetComboBoxText(21, "T形");
    EXPECT_EQ(page.GetComboBoxIndex(21), 1);
    // Nor does a page's text, state or picture reach a page made after it.
    other.SetEditText(50, "650");
    other.SetWindowTextW(30, "改过的说明文字很长很长");
    other.EnableWindow(50, true);
    other.ShowWindow(11, false);
    other.SetCheckData(30, 1);
    other.SetPicture(11, "OTHER");
    TestPage third;
    ASSERT_TRUE(third.Create(error)) << error;
    EXPECT_EQ(third.Control(21).items, (std::vector<std::string>{"矩形", "T形"}));
    EXPECT_EQ(third.Control(21).name, "IDC_COMBO_TYPE");
    EXPECT_EQ(third.GetEditText(50), "500");
    EXPECT_EQ(third.GetWindowText(30), "直接承受重复荷载的构件(ψ=1.0)");
    EXPECT_FALSE(third.IsWindowEnabled(50));
    EXPECT_TRUE(third.IsWindowVisible(11));
    EXPECT_EQ(third.GetCheckData(30), 0);
    EXPECT_EQ(third.Control(11).picture, "");
    EXPECT_EQ(third.ControlOrder(), page.ControlOrder());
    EXPECT_EQ(third.GetLabelText(72), "直径");   // found through its own lookup table
}

TEST_F(ControlModelTest, APageMadeAfterOthersAreGoneStartsFromItsTemplate) {
    // Pages changed every way and gone, of this template and of a smaller one, leave nothing of
    // theirs to the pages made after them.
    std::string error;
    for (int round = 0; round < 3; ++round) {
        {
            TestPage gone;
            ASSERT_TRUE(gone.Create(error)) << error;
            gone.ResetComboBox(21, {"圆形", "环形", "工字形"});
            gone.SetComboBoxText(21, "工字形");
            gone.SetEditText(11, "一段很长很长很长的文字");
            gone.SetEditText(50, "650");
            double value = 0;
            gone.GetEditText(50, value);
            gone.SetCheckData(30, 1);
            gone.SetCheckData(41, 1);
            gone.EnableWindow(50, true);
            gone.SetPicture(11, "OTHER");
            CVexaDlg scattered(9002);
            ASSERT_TRUE(scattered.Create(error)) << error;
            scattered.SetEditText(3, "近处改过");
        }
        CVexaDlg scattered(9002);
        ASSERT_TRUE(scattered.Create(error)) << error;
        EXPECT_EQ(scattered.GetEditText(3), "near");
        EXPECT_EQ(scattered.Controls().size(), 3u);
        TestPage next;
        ASSERT_TRUE(next.Create(error)) << error;
        EXPECT_EQ(next.Controls().size(), page.Controls().size());
        EXPECT_EQ(next.Control(21).items, (std::vector<std::string>{"矩形", "T形"}));
        EXPECT_EQ(next.GetComboBoxIndex(21), -1);
        EXPECT_EQ(next.GetEditText(11), "");
        EXPECT_EQ(next.GetEditText(50), "500");
        double value = 0;
        next.GetEditText(50, value);
        EXPECT_EQ(value, 500);
        EXPECT_EQ(next.GetCheckData(30), 0);
        EXPECT_EQ(next.GetCheckData(41), 0);
        EXPECT_FALSE(next.IsWindowEnabled(50));
        EXPECT_EQ(next.Control(11).picture, "");
        EXPECT_EQ(next.GetLabelText(72), "直径");
    }
}

TEST(DialogTemplate, APageKeepsTheTemplateItWasMadeFromWhenTheFileIsReplaced) {
    // The same resource entry given other bytes: pages made before keep their names and lists.
    std::string json = R"json({"id": 9003, "caption": "甲", "controls": [
        {"id": 1, "name": "IDC_COMBO_FIRST_OF_ALL_LISTS", "kind": "droplist", "items": ["第一项很长的名字", "第二项"]}]})json";
    VexaResourceFile file{"dialogs/9003.json", nullptr, 0};
    const VexaResourceSet set{&file, 1};
    VexaModuleInstance instance{"t", nullptr, &set};
    HINSTANCE saved = CVexaInsTance::GetResourceHandle();
    CVexaInsTance::SetResourceHandle(&instance);
    auto load = [&](const std::string& text) {
        file.data = reinterpret_cast<const unsigned char*>(text.data());
        file.size = text.size();
    };
    load(json);
    CVexaDlg before(9003);
    std::string error;
    ASSERT_TRUE(before.Create(error)) << error;
    std::string replaced = json;
    replaced.replace(replaced.find("第一项很长的名字"), std::strlen("第一项很长的名字"), "换过的一项很长的名字");
    replaced.replace(replaced.find("FIRST_OF_ALL"), 12, "FIRST_OF_MANY");
    load(replaced);
    CVexaDlg after(9003);
    ASSERT_TRUE(after.Create(error)) << error;
    json.assign(json.size(), ' ');   // the old bytes are gone
    EXPECT_EQ(before.Control(1).name, "IDC_COMBO_FIRST_OF_ALL_LISTS");
    EXPECT_EQ(before.Control(1).items, (std::vector<std::string>{"第一项很长的名字", "第二项"}));
    EXPECT_EQ(after.Control(1).name, "IDC_COMBO_FIRST_OF_MANY_LISTS");
    EXPECT_EQ(after.Control(1).items, (std::vector<std::string>{"换过的一项很长的名字", "第二项"}));
    CVexaInsTance::SetResourceHandle(saved);
}

TEST(DialogTemplate, AFixedSetsTemplateIsReadOnceAndAnotherFileInItsPlaceIsReadAgain) {
    const std::string json = R"json({"id": 9004, "caption": "乙", "controls": [{"id": 1, "kind": "edit"}]})json";
    VexaResourceFile file{"dialogs/9004.json", reinterpret_cast<const unsigned char*>(json.data()), json.size()};
    const VexaResourceSet set{&file, 1, true};
    VexaModuleInstance instance{"t", nullptr, &set};
    HINSTANCE saved = CVexaInsTance::GetResourceHandle();
    CVexaInsTance::SetResourceHandle(&instance);
    std::string error;
    const auto first = VexaFindDialogTemplate(9004, error);
    ASSERT_NE(first, nullptr) << error;
    EXPECT_EQ(VexaFindDialogTemplate(9004, error), first);
    // Other bytes at another address in the same entry are another file.
    const std::string other = R"json({"id": 9004, "caption": "丙", "controls": []})json";
    file.data = reinterpret_cast<const unsigned char*>(other.data());
    file.size = other.size();
    const auto second = VexaFindDialogTemplate(9004, error);
    ASSERT_NE(second, nullptr) << error;
    EXPECT_EQ(second->caption, "丙");
    EXPECT_EQ(first->caption, "乙");
    CVexaInsTance::SetResourceHandle(saved);
}

TEST_F(ControlModelTest, AnEditReadsAsANumberAsAtofAndAtoiReadIt) {
    for (const char* text : {"250", "-0.5", "1e3", "3.", ".25", "  12", "+5", "12abc", "0x10", "1e400", "-1e-400",
                             "", "abc", "2.5e", "1,5", "0.1000000000000000055511151231257827"}) {
        page.SetEditText(11, std::string(text));
        double value = -99;
        page.GetEditText(11, value);
        EXPECT_EQ(value, std::atof(text)) << text;
        int whole = -99;
        page.GetEditText(11, whole);
        EXPECT_EQ(whole, std::atoi(text)) << text;
    }
    for (const char* text : {"-", "-7", "007", "123456789", "-12345678", "2147483647", "12 ", "\t3"}) {
        page.SetEditText(11, std::string(text));
        int whole = -99;
        page.GetEditText(11, whole);
        EXPECT_EQ(whole, std::atoi(text)) << text;
    }
    // Read again after every change of the text, whichever way it changed.
    double value = 0;
    page.SetEditText(11, "250");
    page.GetEditText(11, value);
    EXPECT_EQ(value, 250);
    page.SetEditText(11, 0.00001);
    page.GetEditText(11, value);
    EXPECT_EQ(value, 0.00001);
    page.SetComboBoxText(60, "0.85");
    page.GetEditText(60, value);
    EXPECT_EQ(value, 0.85);
    page.SetComboBoxIndex(60, 0);
    page.GetEditText(60, value);
    EXPECT_EQ(value, 0);   // "带肋钢筋" reads as atof reads it
    page.SetComboBoxText(60, 1.5);
    page.GetEditText(60, value);
    EXPECT_EQ(value, 1.5);
    // Numbers written by the page: the short form, "-0" as "0".
    page.SetEditText(11, 25);
    EXPECT_EQ(page.GetEditText(11), "25");
    page.SetComboBoxText(60, -0.0);
    EXPECT_EQ(page.GetComboBoxText(60), "0");
    page.SetComboBoxText(60, 3);
    EXPECT_EQ(page.GetComboBoxText(60), "3");
}

TEST_F(ControlModelTest, AccessorsKeepValues) {
    page.SetEditText(11, 0.00001);
    EXPECT_EQ(page.GetEditText(11), "1e-05");
    double v = 0;
    page.GetEditText(11, v);
    EXPECT_EQ(v, 0.00001);  // nothing lost through the edit
    page.SetEditText(11, 1234.5);
    EXPECT_EQ(page.GetEditText(11), "1234.5");

    page.SetComboBoxText(21, "T形");
    EXPECT_EQ(page.GetComboBoxIndex(21), 1);
    page.SetComboBoxText(21, "圆形");  // not an entry of a drop list: nothing selected
    EXPECT_EQ(page.GetComboBoxIndex(21), -1);
    EXPECT_EQ(page.GetComboBoxText(21), "");
    page.SetComboBoxText(60, "0.85");  // an editable combo takes typed text
    EXPECT_EQ(page.GetComboBoxText(60), "0.85");
    page.SetComboBoxIndex(60, 0);
    EXPECT_EQ(page.GetComboBoxText(60), "带肋钢筋");
    page.ResetComboBox(21, {"C20", "C25"});
    EXPECT_EQ(page.GetComboBoxText(21), "");
    EXPECT_EQ(page.Control(21).items.size(), 2u);
}

TEST_F(ControlModelTest, RadioButtonsOfAGroupExcludeEachOther) {
    page.SetCheckData(40, 1);
    page.SetCheckData(41, 1);
    EXPECT_EQ(page.GetCheckData(40), 0);
    EXPECT_EQ(page.GetCheckData(41), 1);
    page.SetCheckData(30, 1);  // a check box is independent
    EXPECT_EQ(page.GetCheckData(41), 1);
}

TEST_F(ControlModelTest, EventsRunTheBoundHandlersOnly) {
    EXPECT_EQ(page.FireEvent(VexaEvent::SelChange, 21), 1);
    EXPECT_EQ(page.typeChanges, 1);
    EXPECT_EQ(page.FireEvent(VexaEvent::KillFocus, 21), 0);
    EXPECT_EQ(page.FireEvent(VexaEvent::DblClk, 11), 0);
    EXPECT_EQ(page.typeChanges, 1);
    EXPECT_EQ(page.bLeft, 0);
}

TEST_F(ControlModelTest, RangeRefusalNamesTheLabelAndRange) {
    page.SetEditText(11, "0");
    double b = -1;
    EXPECT_EQ(page.ValidateEditValue(11, b, 10000, 1), 0);
    EXPECT_EQ(b, 0);
    ASSERT_EQ(tab.GetMessages().size(), 1u);
    EXPECT_EQ(tab.GetMessages()[0].kind, VexaMessageKind::Range);
    EXPECT_EQ(tab.GetMessages()[0].text, "截面宽度b应在1～10000之间，请重新输入！");
    page.SetEditText(11, "10000.5");
    EXPECT_EQ(page.ValidateEditValue(11, b, 10000, 1), 0);
    page.SetEditText(11, "nan");  // not a number is never in range
    EXPECT_EQ(page.ValidateEditValue(11, b, 10000, 1), 0);
    page.SetEditText(11, "10000");
    EXPECT_EQ(page.ValidateEditValue(11, b, 10000, 1), 1);

    // A disabled field is read but not checked.
    page.SetEditText(50, "-3");
    int h = 0;
    EXPECT_EQ(page.ValidateEditValue(50, h, 100, 1), 1);
    EXPECT_EQ(h, -3);
}

TEST_F(ControlModelTest, SessionSetsFieldsAsAUserWould) {
    VexaSession session(tab);
    EXPECT_EQ(session.Set("m_dB", "250").status, VexaSetResult::Ok);
    EXPECT_EQ(page.GetEditText(11), "250");
    EXPECT_EQ(page.bLeft, 1);
    EXPECT_EQ(session.Set("截面宽度b", "300").status, VexaSetResult::Ok);  // by label, colon ignored
    EXPECT_EQ(page.GetEditText(11), "300");

    EXPECT_EQ(session.Set("/m_strType", "T形").status, VexaSetResult::Ok);
    EXPECT_EQ(page.typeChanges, 1);
    EXPECT_TRUE(page.IsWindowEnabled(50));  // the handler ran
    EXPECT_EQ(session.Set("截面高度h", "600").status, VexaSetResult::Ok);

    // A check box takes 0 or 1 and clicks only on a change.
    EXPECT_EQ(session.Set("/m_bPsi", "1").status, VexaSetResult::Ok);
    EXPECT_EQ(session.Set("/m_bPsi", "1").status, VexaSetResult::Ok);
    EXPECT_EQ(page.psiClicks, 1);
    EXPECT_EQ(page.GetCheckData(30), 1);

    // A radio group by caption or index.
    EXPECT_EQ(session.Set("m_nKind", "圆桩").status, VexaSetResult::Ok);
    EXPECT_EQ(page.GetCheckData(41), 1);
    EXPECT_EQ(session.Set("m_nKind", "0").status, VexaSetResult::Ok);
    EXPECT_EQ(page.GetCheckData(40), 1);
    EXPECT_EQ(page.radioClicks, 2);

    // An editable combo takes an entry or typed text.
    EXPECT_EQ(session.Set("m_strVi", "1.2").status, VexaSetResult::Ok);
    EXPECT_EQ(page.GetComboBoxText(60), "1.2");
    EXPECT_EQ(page.viLeft, 1);
}

TEST_F(ControlModelTest, SessionRefusesWhatAUserCouldNotDo) {
    VexaSession session(tab);
    auto r = session.Set("m_dX", "1");
    EXPECT_EQ(r.status, VexaSetResult::UnknownKey);
    EXPECT_EQ(r.message, "未知的参数“m_dX”。");
    r = session.Set("m_dB", "abc");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(r.message, "“截面宽度b”应为数值，而不是“abc”。");
    EXPECT_EQ(session.Set("m_dB", "nan").status, VexaSetResult::BadValue);
    EXPECT_EQ(session.Set("m_dB", "inf").status, VexaSetResult::BadValue);
    r = session.Set("m_strType", "圆形");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(r.message, "“截面类型”没有“圆形”这一项；可选：矩形、T形。");
    r = session.Set("m_dH", "600");  // disabled until the section type is T形
    EXPECT_EQ(r.status, VexaSetResult::Disabled);
    EXPECT_EQ(r.message, "“截面高度h”在当前选择下不可输入。");
    // A list of numbers is chosen by value, never by position.
    EXPECT_EQ(session.Set("m_nDia", "8").status, VexaSetResult::Ok);
    EXPECT_EQ(page.GetComboBoxIndex(70), 1);
    r = session.Set("m_nDia", "2");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(r.message, "“直径”没有“2”这一项；可选：6、8、10。");
    r = session.Set("直径", "8");  // a label that names two inputs
    EXPECT_EQ(r.status, VexaSetResult::UnknownKey);
    EXPECT_EQ(r.message, "标签“直径”对应多个输入项，请用参数键名：IDC_EDIT_DIA2、m_nDia。");
    r = session.Set("m_bPsi", "yes");
    EXPECT_EQ(r.status, VexaSetResult::BadValue);
    EXPECT_EQ(page.psiClicks, 0);
}

TEST_F(ControlModelTest, FrameworkVerifyRunsRangesBeforeCrossFieldChecks) {
    page.SetEditText(11, "0");
    EXPECT_EQ(tab.VerifyData(1), 0);
    ASSERT_EQ(tab.GetMessages().size(), 1u);
    EXPECT_EQ(tab.GetMessages()[0].kind, VexaMessageKind::Range);
    tab.ClearMessages();
    page.SetEditText(11, "5");
    EXPECT_EQ(tab.VerifyData(1), 1);
    EXPECT_TRUE(tab.GetMessages().empty());
}

TEST(DialogTemplate, MalformedTemplatesAreRefusedWithAReason) {
    std::string error;
    EXPECT_FALSE(VexaParseDialogTemplate("{", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(VexaParseDialogTemplate(R"({"id":1,"controls":[{"id":1,"kind":"slider"}]})", error));
    EXPECT_EQ(error, "控件 1 的类型未知: slider");
    EXPECT_FALSE(VexaParseDialogTemplate(R"({"id":1,"controls":[{"id":1,"kind":"edit"},{"id":1,"kind":"edit"}]})", error));
    EXPECT_EQ(error, "控件编号重复: 1");
    EXPECT_FALSE(VexaParseDialogTemplate(R"({"id":1,"controls":[{"id":2,"kind":"edit","rect":[1,2]}]})", error));
    // Numbers that are not whole or do not fit an int are refused, never converted.
    EXPECT_FALSE(VexaParseDialogTemplate(R"({"id":1,"controls":[{"id":2,"kind":"edit","rect":[1,2,1e300,4]}]})", error));
    EXPECT_EQ(error, "对话框模板格式错误: 控件 2 的 rect 应为整数");
    EXPECT_FALSE(VexaParseDialogTemplate(R"({"id":1.5,"controls":[]})", error));
    EXPECT_EQ(error, "对话框模板格式错误: id 应为整数");
    EXPECT_FALSE(VexaParseDialogTemplate(R"({"id":1,"controls":[{"id":4294967297,"kind":"edit"}]})", error));
    EXPECT_EQ(error, "对话框模板格式错误: 控件的 id 应为整数");
    EXPECT_FALSE(VexaParseDialogTemplate(R"({"id":1,"controls":[{"id":3,"kind":"edit","label":-1e10}]})", error));
    EXPECT_EQ(error, "对话框模板格式错误: 控件 3 的 label 应为整数");
    EXPECT_FALSE(VexaLoadDialogTemplate(424242, error));
    EXPECT_EQ(error, "找不到对话框模板 424242");
}

TEST(FieldTable, BindsTypedMembersAndPrintsValues) {
    TestParam p;
    p.m_dB = 0.1;
    p.m_strNumber = "L-1";
    auto fields = p.GetFields();
    ASSERT_EQ(fields.size(), 8u);
    EXPECT_EQ(fields[0].key, "/m_dB");
    EXPECT_EQ(VexaFieldText(fields[0]), "0.1");
    EXPECT_STREQ(VexaFieldTypeName(fields[0]), "double");
    EXPECT_STREQ(VexaFieldTypeName(fields[2]), "int");
    EXPECT_EQ(VexaFieldText(fields[7]), "L-1");  // a base-class member in a derived table
    *std::get<double*>(fields[0].ptr) = 7.5;
    EXPECT_EQ(p.m_dB, 7.5);
}

TEST(FieldTable, KeysMadeAtRunTimeStayWithTheirFields) {
    TestParam p;
    std::vector<VexaField> fields;
    for (int row = 1; row <= 2; ++row) {
        fields.push_back({"/m_nRow" + std::to_string(row) + "NumberOfBarsInTheRow", &p.m_nDia});
    }
    fields = VexaPrefixFields(fields, "A_LONG_SECTION_NAME/");
    const std::vector<VexaField> copy = fields;
    fields.clear();
    ASSERT_EQ(copy.size(), 2u);
    EXPECT_EQ(copy[0].key, "A_LONG_SECTION_NAME//m_nRow1NumberOfBarsInTheRow");
    EXPECT_EQ(copy[1].key, "A_LONG_SECTION_NAME//m_nRow2NumberOfBarsInTheRow");
}

TEST(FieldTable, ReadAndWriteGoThroughTheStoreUnderTheSection) {
    TestParam a;
    a.m_dB = 333.25;
    a.m_strType = "T形";
    a.m_bPsi = 1;
    a.WriteFields("TESTSEC");
    TestParam b;
    b.ReadFields("TESTSEC");
    EXPECT_EQ(b.m_dB, 333.25);
    EXPECT_EQ(b.m_strType, "T形");
    EXPECT_EQ(b.m_bPsi, 1);
    TestParam c;
    c.m_dH = 42;
    c.ReadFields("OTHERSEC");  // absent keys keep the current values
    EXPECT_EQ(c.m_dH, 42);
}

// Reads from a snapshot of the store are kept and given again to the same fields holding the same
// values (a batch reads one section for every member): exactly what reading the store gives.
TEST(FieldTable, ReadsFromASnapshotAreThoseOfTheStore) {
    VexaTestFreshStore();
    const std::string path = CVexaSave::Path();
    CVexaSave::SetValue("SNAPSEC/m_dB", 250.0);   // two fields of the section stored, the rest not
    CVexaSave::SetValue("SNAPSEC/m_strType", std::string("T形"));
    CVexaSave::Close();
    std::string error;
    ASSERT_TRUE(CVexaSave::OpenSnapshot(path, error)) << error;

    TestParam a;
    a.ReadFields("SNAPSEC");
    EXPECT_EQ(a.m_dB, 250);
    EXPECT_EQ(a.m_strType, "T形");
    EXPECT_EQ(a.m_dH, 500);   // not stored: kept
    TestParam b;
    b.ReadFields("SNAPSEC");   // the same fields holding the same values: the same reading
    EXPECT_EQ(b.m_dB, 250);
    EXPECT_EQ(b.m_strType, "T形");
    EXPECT_EQ(b.m_dH, 500);
    // A field holding another value before keeps its own where nothing is stored.
    TestParam c;
    c.m_dH = 42;
    c.m_strVi = "光圆钢筋";
    c.ReadFields("SNAPSEC");
    EXPECT_EQ(c.m_dH, 42);
    EXPECT_EQ(c.m_strVi, "光圆钢筋");
    EXPECT_EQ(c.m_dB, 250);
    TestParam zero, negativeZero;
    zero.m_dH = 0.0;
    zero.ReadFields("SNAPSEC");
    negativeZero.m_dH = -0.0;
    negativeZero.ReadFields("SNAPSEC");
    EXPECT_FALSE(std::signbit(zero.m_dH));
    EXPECT_TRUE(std::signbit(negativeZero.m_dH));
    // Another section, and the same section in a snapshot opened again after the store changed.
    TestParam other;
    other.ReadFields("OTHERSNAP");
    EXPECT_EQ(other.m_dB, 200);
    ASSERT_TRUE(CVexaSave::Open(path, error)) << error;
    CVexaSave::SetValue("SNAPSEC/m_dB", 300.0);
    CVexaSave::Close();
    ASSERT_TRUE(CVexaSave::OpenSnapshot(path, error)) << error;
    TestParam d;
    d.ReadFields("SNAPSEC");
    EXPECT_EQ(d.m_dB, 300);
    EXPECT_EQ(d.m_strType, "T形");
    VexaTestFreshStore();
}
