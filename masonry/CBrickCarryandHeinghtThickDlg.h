// Input page of the unreinforced masonry wall check (template 306, tab "基本参数").
#pragma once

#include <span>
#include <string>

#include "CVexaCaltDlg.h"

class CBrickCarryandHeinghtThickCal;

class CBrickCarryandHeinghtThickDlg : public CVexaCaltDlg {
public:
    using ThisClass = CBrickCarryandHeinghtThickDlg;

    enum { IDD = 306 };
    // Control ids, as in resources/dialogs/306.json.
    enum {
        IDC_PIC_WALL = 1000,
        IDC_GROUP_CHECK = 1001,
        IDC_STATIC_RANGE = 1002,
        IDC_COMBO_RANGE = 1003,
        IDC_CHECK_DOOR = 1004,
        IDC_CHECK_PILLAR = 1005,
        IDC_CHECK_CONSTRUCT = 1006,
        IDC_GROUP_LOAD = 1007,
        IDC_STATIC_N = 1008,
        IDC_EDIT_N = 1009,
        IDC_STATIC_M = 1010,
        IDC_EDIT_M = 1011,
        IDC_GROUP_MATERIAL = 1012,
        IDC_STATIC_MATERIAL = 1013,
        IDC_COMBO_MATERIAL = 1014,
        IDC_STATIC_GRADE = 1015,
        IDC_COMBO_GRADE = 1016,
        IDC_STATIC_MORTAR = 1017,
        IDC_COMBO_MORTAR = 1018,
        IDC_GROUP_STRENGTH = 1019,
        IDC_RADIO_DIRECT = 1020,
        IDC_RADIO_GAMMA = 1021,
        IDC_RADIO_TABLE = 1022,
        IDC_STATIC_GAMMA = 1023,
        IDC_EDIT_GAMMA = 1024,
        IDC_STATIC_F = 1025,
        IDC_EDIT_F = 1026,
        IDC_STATIC_FC = 1027,
        IDC_EDIT_FC = 1028,
        IDC_GROUP_PILLAR = 1029,
        IDC_STATIC_B1 = 1030,
        IDC_EDIT_B1 = 1031,
        IDC_STATIC_H1 = 1032,
        IDC_EDIT_H1 = 1033,
        IDC_STATIC_H2 = 1034,
        IDC_EDIT_H2 = 1035,
        IDC_GROUP_PROJECT = 1036,
        IDC_STATIC_NUMBER = 1037,
        IDC_EDIT_NUMBER = 1038,
        IDC_STATIC_HOUSE = 1039,
        IDC_COMBO_HOUSE = 1040,
        IDC_STATIC_CARRY = 1041,
        IDC_COMBO_CARRY = 1042,
        IDC_STATIC_SPAN = 1043,
        IDC_COMBO_SPAN = 1044,
        IDC_STATIC_FLOOR = 1045,
        IDC_COMBO_FLOOR = 1046,
        IDC_GROUP_SIZE = 1047,
        IDC_STATIC_S = 1048,
        IDC_EDIT_S = 1049,
        IDC_STATIC_H = 1050,
        IDC_EDIT_H = 1051,
        IDC_STATIC_BS = 1052,
        IDC_EDIT_BS = 1053,
        IDC_STATIC_NUM = 1054,
        IDC_EDIT_NUM = 1055,
        IDC_STATIC_BC = 1056,
        IDC_EDIT_BC = 1057,
        IDC_STATIC_WALLH = 1058,
        IDC_EDIT_WALLH = 1059,
        IDC_STATIC_HO = 1060,
        IDC_EDIT_HO = 1061,
        IDC_STATIC_RESULT = 1062,
        IDC_EDIT_RESULT = 1063,
        IDC_BUTTON_CALC = 1064,
    };

    explicit CBrickCarryandHeinghtThickDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;

    // The label of the spacing entry s for the checking range and the ticked options.
    static std::string SpacingLabel(bool wholeWall, bool hasDoor, bool hasPillar, bool hasColumn);

    // Event handlers.
    void OnSelchangeRange();
    void OnCheckOption();
    void OnSelchangeMaterial();
    void OnRadioStrength();
    void OnButtonCalc();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // Grade and mortar lists of the unit type's strength table; keeps the given texts when present.
    void FillGradeLists(const std::string& material, const std::string& grade, const std::string& mortar);
    // Spacing label and the enabling of bs, b1, h1, h2 and bc.
    void UpdateControls();
    // γa for mode 1, f for mode 0, the hidden table entry for mode 2.
    void UpdateStrengthControls();
    int GetStrengthMode() const;
};
