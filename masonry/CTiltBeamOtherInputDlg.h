// Loads and materials page of the cantilever beam (template 304, tab "计算参数").
#pragma once

#include <span>

#include "CVexaCaltDlg.h"

class CTiltBeamCalParam;

class CTiltBeamOtherInputDlg : public CVexaCaltDlg {
public:
    using ThisClass = CTiltBeamOtherInputDlg;

    enum { IDD = 304 };
    // Control ids, as in resources/dialogs/304.json.
    enum {
        IDC_PIC_TILT = 1000,
        IDC_GROUP_LOAD = 1001,
        IDC_STATIC_FK = 1002,
        IDC_EDIT_FK = 1003,
        IDC_STATIC_QK1 = 1004,
        IDC_EDIT_QK1 = 1005,
        IDC_STATIC_GK1 = 1006,
        IDC_EDIT_GK1 = 1007,
        IDC_STATIC_GK2 = 1008,
        IDC_EDIT_GK2 = 1009,
        IDC_STATIC_RL = 1010,
        IDC_EDIT_RL = 1011,
        IDC_STATIC_RW = 1012,
        IDC_EDIT_RW = 1013,
        IDC_STATIC_RG = 1014,
        IDC_EDIT_RG = 1015,
        IDC_STATIC_RQ = 1016,
        IDC_EDIT_RQ = 1017,
        IDC_STATIC_RO = 1018,
        IDC_EDIT_RO = 1019,
        IDC_GROUP_STRENGTH = 1020,
        IDC_STATIC_STUFF = 1021,
        IDC_COMBO_STUFF = 1022,
        IDC_STATIC_GRADE = 1023,
        IDC_COMBO_GRADE = 1024,
        IDC_STATIC_SAND = 1025,
        IDC_COMBO_SAND = 1026,
        IDC_RADIO_DIRECT = 1027,  // f as entered (m_nSelectCalFc = 0)
        IDC_RADIO_GAMMA = 1028,   // f = γa·table value (m_nSelectCalFc = 1)
        IDC_STATIC_GAMMA = 1029,
        IDC_EDIT_GAMMA = 1030,
        IDC_STATIC_F = 1031,
        IDC_EDIT_F = 1032,
        IDC_GROUP_RC = 1033,
        IDC_STATIC_CON = 1034,
        IDC_COMBO_CON = 1035,
        IDC_STATIC_PRIMAL = 1036,
        IDC_COMBO_PRIMAL = 1037,
        IDC_STATIC_STIRRUP = 1038,
        IDC_COMBO_STIRRUP = 1039,
        IDC_STATIC_DIS = 1040,
        IDC_EDIT_DIS = 1041,
        IDC_STATIC_NUM = 1042,
        IDC_EDIT_NUM = 1043,
        IDC_STATIC_AS = 1044,
        IDC_EDIT_AS = 1045,
    };

    // The message box when the cover leaves no width for bars.
    static constexpr const char* kCoverTooLarge = "保护层厚度 > 梁宽/2，不合理，程序强制取as=25，或请重新设定!";

    explicit CTiltBeamOtherInputDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    // Copies the page into the object; a cover with b − 2·aS < 0 is replaced by aS = 25.
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    // Bar grades without a design strength; no table strength for the masonry in the table mode.
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;

    // Event handlers.
    void OnSelchangeStuff();
    void OnRadioStrength();
    void OnEdited();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    void UpdateStrengthControls();
    // A page without its own "计算" button: every edit goes through the object to all pages.
    void Resync();
};
