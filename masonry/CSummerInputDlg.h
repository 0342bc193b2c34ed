// Input page of the lintel calculation (template 266, tab "基本参数").
#pragma once

#include <span>

#include "CVexaCaltDlg.h"

class CSummerCalParam;

class CSummerInputDlg : public CVexaCaltDlg {
public:
    using ThisClass = CSummerInputDlg;

    enum { IDD = 266 };
    // Control ids, as in resources/dialogs/266.json.
    enum {
        IDC_PIC_SECTION = 1000,
        IDC_GROUP_BASE = 1001,
        IDC_STATIC_CODE = 1002,
        IDC_EDIT_CODE = 1003,
        IDC_GROUP_SIZE = 1004,
        IDC_STATIC_SECTYPE = 1005,
        IDC_COMBO_SECTYPE = 1006,
        IDC_STATIC_B = 1007,
        IDC_EDIT_B = 1008,
        IDC_STATIC_H = 1009,
        IDC_EDIT_H = 1010,
        IDC_STATIC_H1 = 1011,
        IDC_EDIT_H1 = 1012,
        IDC_STATIC_B1 = 1013,
        IDC_EDIT_B1 = 1014,
        IDC_STATIC_LN = 1015,
        IDC_EDIT_LN = 1016,
        IDC_STATIC_A = 1017,
        IDC_EDIT_A = 1018,
        IDC_STATIC_HW = 1019,
        IDC_EDIT_HW = 1020,
        IDC_STATIC_BW = 1021,
        IDC_EDIT_BW = 1022,
        IDC_GROUP_MATERIAL = 1023,
        IDC_STATIC_STUFFTYPE = 1024,
        IDC_COMBO_STUFFTYPE = 1025,
        IDC_STATIC_STUFFGRADE = 1026,
        IDC_COMBO_STUFFGRADE = 1027,
        IDC_STATIC_SANDGRADE = 1028,
        IDC_COMBO_SANDGRADE = 1029,
        IDC_GROUP_STRENGTH = 1030,
        IDC_RADIO_BYGAMMA = 1031,   // mode 1: table value × γa
        IDC_STATIC_YA = 1032,
        IDC_EDIT_YA = 1033,
        IDC_RADIO_ENTERED = 1034,   // mode 2: f entered
        IDC_STATIC_F = 1035,
        IDC_EDIT_F = 1036,
        IDC_RADIO_HIDDEN = 1037,    // mode 3 (hidden): f of the second entry
        IDC_EDIT_F3 = 1038,
        IDC_STATIC_CONGRADE = 1039,
        IDC_COMBO_CONGRADE = 1040,
        IDC_STATIC_PRIMALREIN = 1041,
        IDC_COMBO_PRIMALREIN = 1042,
        IDC_STATIC_STIRRUP = 1043,
        IDC_COMBO_STIRRUP = 1044,
        IDC_STATIC_S = 1045,
        IDC_EDIT_S = 1046,
        IDC_STATIC_S_UNIT = 1047,
        IDC_GROUP_CALC = 1048,
        IDC_STATIC_YO = 1049,
        IDC_EDIT_YO = 1050,
        IDC_STATIC_AS = 1051,
        IDC_EDIT_AS = 1052,
        IDC_GROUP_LOAD = 1053,
        IDC_STATIC_YG = 1054,
        IDC_EDIT_YG = 1055,
        IDC_STATIC_YW = 1056,
        IDC_EDIT_YW = 1057,
        IDC_STATIC_YW_UNIT = 1058,
        IDC_STATIC_YL = 1059,
        IDC_EDIT_YL = 1060,
        IDC_STATIC_YL_UNIT = 1061,
        IDC_STATIC_QB = 1062,
        IDC_EDIT_QB = 1063,
        IDC_STATIC_QB_UNIT = 1064,
        IDC_CHECK_LOCAL = 1065,
    };

    explicit CSummerInputDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    // Inputs that cannot be calculated, then the checks of what the calculation would give
    // (worked out on a copy of the inputs; the parameter object is not changed).
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    // Ranges; the first failure stops the rest.
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const VexaRadioCode> GetRadioCodes() const override;

    // Event handlers.
    void OnSelchangeSecType();
    void OnSelchangeStuffType();
    void OnRadioStrength();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // h1 and b1 with their labels for "L形" only; the section picture.
    void UpdateSection();
    // The entry of the chosen strength mode.
    void UpdateStrength();
    int GetStrengthMode() const;
};
