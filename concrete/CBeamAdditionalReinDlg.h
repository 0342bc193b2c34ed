// Input page "基本参数" of the additional transverse reinforcement calculation (template 276).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "CVexaCaltDlg.h"

class CBeamLandscapeReinCal;

class CBeamAdditionalReinDlg : public CVexaCaltDlg {
public:
    using ThisClass = CBeamAdditionalReinDlg;

    static constexpr int IDD = 276;

    // Control ids of template 276 (resources/dialogs/276.json).
    enum : int {
        IDC_PICTURE = 1001,
        IDC_GROUP_PROJECT = 1002,
        IDC_STATIC_NUMBER = 1003,
        IDC_EDIT_NUMBER = 1004,
        IDC_STATIC_CALSTYLE = 1005,
        IDC_COMBO_CALSTYLE = 1006,
        IDC_STATIC_REINSTYLE = 1007,
        IDC_COMBO_REINSTYLE = 1008,
        IDC_GROUP_SECTION = 1010,
        IDC_STATIC_B = 1011,
        IDC_EDIT_B = 1012,
        IDC_STATIC_H = 1013,
        IDC_EDIT_H = 1014,
        IDC_STATIC_MAINH = 1015,
        IDC_EDIT_MAINH = 1016,
        IDC_STATIC_AS = 1017,
        IDC_EDIT_AS = 1018,
        IDC_GROUP_LOAD = 1020,
        IDC_STATIC_IMPORT = 1021,
        IDC_COMBO_IMPORT = 1022,
        IDC_STATIC_LOAD = 1023,
        IDC_EDIT_LOAD = 1024,
        IDC_GROUP_LOOP = 1030,
        IDC_STATIC_LOOPGRADE = 1031,
        IDC_COMBO_LOOPGRADE = 1032,
        IDC_STATIC_LOOPDIA = 1033,
        IDC_COMBO_LOOPDIA = 1034,
        IDC_STATIC_LOOPDIS = 1035,
        IDC_EDIT_LOOPDIS = 1036,
        IDC_STATIC_LEGS = 1037,
        IDC_EDIT_LEGS = 1038,
        IDC_STATIC_LOOPCOUNT = 1039,
        IDC_EDIT_LOOPCOUNT = 1040,
        IDC_BUTTON_LOOPSEL = 1041,
        IDC_GROUP_HANG = 1050,
        IDC_STATIC_HANGGRADE = 1051,
        IDC_COMBO_HANGGRADE = 1052,
        IDC_STATIC_HANGCOUNT = 1053,
        IDC_EDIT_HANGCOUNT = 1054,
        IDC_STATIC_HANGDIA = 1055,
        IDC_COMBO_HANGDIA = 1056,
        IDC_STATIC_ANGLE = 1057,
        IDC_COMBO_ANGLE = 1058,
        IDC_BUTTON_HANGSEL = 1059,
        IDC_STATIC_RESULT = 1060,
        IDC_EDIT_RESULT = 1061,
        IDC_BUTTON_CALC = 1062,
    };

    explicit CBeamAdditionalReinDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;
    std::span<const VexaFlagEntry> GetFlagEntries() const override;

    // The page's copies of the diameter lists: stirrup selection range, stirrup optimal list,
    // hanger selection range (not shown by the dialog), hanger optimal list.
    const std::vector<int>& GetLoopDiaSel() const { return m_aryLoopDiaSel; }
    const std::vector<int>& GetLoopBest() const { return m_aryLoopBest; }
    const std::vector<int>& GetHangBest() const { return m_aryHangBest; }

    // Event handlers.
    void OnSelchangeCalStyle();
    void OnSelchangeReinStyle();
    void OnButtonLoopSel();
    void OnButtonHangSel();
    void OnButtonCalc();
    void OnKillfocusEdit();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // Result controls shown in check mode, "选筋" buttons and F in design mode.
    void UpdateCalStyle();
    // Stirrup and hanger controls enabled by the style; the picture follows it.
    void UpdateReinStyle();
    // Selects the entry of `id` whose number equals `value`, else types the short number.
    void SetNumberEntry(int id, double value);

    std::vector<int> m_aryLoopDiaSel;
    std::vector<int> m_aryLoopBest;
    std::vector<int> m_aryHangDiaSel;
    std::vector<int> m_aryHangBest;
};
