// Input page of the local compression check (template 295, tab "基本参数").
#pragma once

#include <span>

#include "CVexaCaltDlg.h"

class CLocalSufferBearParam;

class CLocalSufferBearDlg : public CVexaCaltDlg {
public:
    using ThisClass = CLocalSufferBearDlg;

    enum { IDD = 295 };
    // Control ids, as in resources/dialogs/295.json.
    enum {
        IDC_PIC_LOCAL = 1000,
        IDC_GROUP_BASEINFO = 1001,
        IDC_STATIC_NUMBER = 1002,
        IDC_EDIT_NUMBER = 1003,
        IDC_STATIC_CALTYPE = 1004,
        IDC_COMBO_CALTYPE = 1005,
        IDC_STATIC_BOLSTERTYPE = 1006,
        IDC_COMBO_BOLSTERTYPE = 1007,
        IDC_STATIC_BEAMTYPE = 1008,
        IDC_COMBO_BEAMTYPE = 1009,
        IDC_GROUP_SIZE = 1010,
        IDC_STATIC_AL = 1011,
        IDC_EDIT_AL = 1012,
        IDC_STATIC_BL = 1013,
        IDC_EDIT_BL = 1014,
        IDC_STATIC_C = 1015,
        IDC_EDIT_C = 1016,
        IDC_STATIC_BW = 1017,
        IDC_EDIT_BW = 1018,
        IDC_STATIC_BWL = 1019,
        IDC_EDIT_BWL = 1020,
        IDC_STATIC_LWL = 1021,
        IDC_EDIT_LWL = 1022,
        IDC_STATIC_HB = 1023,
        IDC_EDIT_HB = 1024,
        IDC_GROUP_MATERIAL = 1025,
        IDC_STATIC_MATERIAL = 1026,
        IDC_COMBO_MATERIAL = 1027,
        IDC_STATIC_GRADE = 1028,
        IDC_COMBO_GRADE = 1029,
        IDC_STATIC_MORTAR = 1030,
        IDC_COMBO_MORTAR = 1031,
        IDC_GROUP_STRENGTH = 1032,
        IDC_RADIO_DIRECT = 1033,   // mode 0: f entered
        IDC_RADIO_GAMMA = 1034,    // mode 1: f = γa·fc
        IDC_RADIO_TABLE = 1035,    // mode 2 (hidden): f from the table entry
        IDC_STATIC_GAMMA = 1036,
        IDC_COMBO_GAMMA = 1037,
        IDC_STATIC_F = 1038,
        IDC_EDIT_F = 1039,
        IDC_STATIC_FC = 1040,
        IDC_EDIT_FC = 1041,
        IDC_BUTTON_TABLE = 1042,
        IDC_GROUP_LOAD = 1043,
        IDC_STATIC_NL = 1044,
        IDC_EDIT_NL = 1045,
        IDC_STATIC_N0 = 1046,
        IDC_EDIT_N0 = 1047,
        IDC_STATIC_RESULT = 1048,
        IDC_EDIT_RESULT = 1049,
        IDC_BUTTON_CALC = 1050,
    };

    explicit CLocalSufferBearDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;

    // Picture strip index for a calculation type and support type (0 … 13); the strip shows
    // "LOCALSUFFERBEAR<index + 1>".
    static int PictureIndex(int calType, int bolsterType);

    // Event handlers.
    void OnSelchangeCalType();
    void OnSelchangeBolsterType();
    void OnSelchangeMaterial();
    void OnKillfocusBw();
    void OnRadioStrength();
    void OnButtonCalc();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // Support list for the selected calculation type (five entries except for uniform compression).
    void FillBolsterList(int calType, int bolsterIndex);
    // Grade and mortar lists of the unit type's strength table; keeps the given texts when present.
    void FillGradeLists(const std::string& material, const std::string& grade, const std::string& mortar);
    // Enabling, labels, bl = bw for support type 4 and the picture.
    void UpdateControls();
    void UpdateStrengthControls();
    int GetStrengthMode() const;
};
