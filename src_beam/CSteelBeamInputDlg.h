// Input page "基本参数" of the steel-reinforced-concrete beam (dialog template 441).
#pragma once

#include <span>
#include <string>

#include "CDataItem.h"
#include "CVexaCaltDlg.h"
#include "VexaTypes.h"

class CSteelBeamCalParam;

class CSteelBeamInputDlg : public CVexaCaltDlg {
public:
    // Control ids of template 441 (resources/dialogs/441.json).
    enum {
        IDD = 441,
        IDC_PICTURE_SCHEMATIC = 1000,
        IDC_GROUP_LOAD = 1001,
        IDC_STATIC_M = 1002,
        IDC_EDIT_M = 1003,
        IDC_STATIC_MGK = 1004,
        IDC_EDIT_MGK = 1005,
        IDC_STATIC_MQK = 1006,
        IDC_EDIT_MQK = 1007,
        IDC_STATIC_PES = 1008,
        IDC_EDIT_PES = 1009,
        IDC_STATIC_VB = 1010,
        IDC_EDIT_VB = 1011,
        IDC_GROUP_GEOMETRY = 1012,
        IDC_STATIC_B = 1013,
        IDC_EDIT_B = 1014,
        IDC_STATIC_H = 1015,
        IDC_EDIT_H = 1016,
        IDC_STATIC_L = 1017,
        IDC_EDIT_L = 1018,
        IDC_STATIC_LN = 1019,
        IDC_EDIT_LN = 1020,
        IDC_STATIC_C = 1021,
        IDC_EDIT_C = 1022,
        IDC_GROUP_CALC = 1023,
        IDC_STATIC_YO = 1024,
        IDC_COMBO_YO = 1025,
        IDC_STATIC_INTENSITY = 1026,
        IDC_COMBO_INTENSITY = 1027,
        IDC_STATIC_RESTRAIN = 1028,
        IDC_COMBO_RESTRAIN = 1029,
        IDC_STATIC_CRI = 1030,
        IDC_COMBO_CRI = 1031,
        IDC_STATIC_DEFLECTION = 1032,
        IDC_COMBO_DEFLECTION = 1033,
        IDC_STATIC_ENVIRONMENT = 1034,
        IDC_COMBO_ENVIRONMENT = 1035,
        IDC_STATIC_CODE = 1036,
        IDC_EDIT_CODE = 1037,
        IDC_GROUP_MATERIAL = 1038,
        IDC_STATIC_GRASTEEL = 1039,
        IDC_COMBO_GRASTEEL = 1040,
        IDC_STATIC_GRACON = 1041,
        IDC_COMBO_GRACON = 1042,
        IDC_STATIC_GRAPORT = 1043,
        IDC_COMBO_GRAPORT = 1044,
        IDC_STATIC_GRAHOOP = 1045,
        IDC_COMBO_GRAHOOP = 1046,
        IDC_GROUP_REIN = 1047,
        IDC_STATIC_SPACEHOOP = 1048,
        IDC_EDIT_SPACEHOOP = 1049,
        IDC_GROUP_TENSION = 1050,
        IDC_STATIC_N1 = 1051,
        IDC_EDIT_N1 = 1052,
        IDC_STATIC_D1 = 1053,
        IDC_EDIT_D1 = 1054,
        IDC_STATIC_N2 = 1055,
        IDC_EDIT_N2 = 1056,
        IDC_STATIC_D2 = 1057,
        IDC_EDIT_D2 = 1058,
        IDC_GROUP_COMPRESSION = 1059,
        IDC_STATIC_N3 = 1060,
        IDC_EDIT_N3 = 1061,
        IDC_STATIC_D3 = 1062,
        IDC_EDIT_D3 = 1063,
        IDC_STATIC_N4 = 1064,
        IDC_EDIT_N4 = 1065,
        IDC_STATIC_D4 = 1066,
        IDC_EDIT_D4 = 1067,
        IDC_STATIC_SPACELINE = 1068,
        IDC_EDIT_SPACELINE = 1069,
        IDC_STATIC_IRONFACE = 1070,
        IDC_COMBO_IRONFACE = 1071,
        IDC_GROUP_SECTION = 1072,
        IDC_PICTURE_SECTION = 1073,
        IDC_BUTTON_PICK = 1074,
        IDC_STATIC_NAMELABEL = 1075,
        IDC_STATIC_NAME = 1076,
        IDC_STATIC_STLH = 1077,
        IDC_EDIT_STLH = 1078,
        IDC_STATIC_STLB = 1079,
        IDC_EDIT_STLB = 1080,
        IDC_STATIC_STLTW = 1081,
        IDC_EDIT_STLTW = 1082,
        IDC_STATIC_STLTF = 1083,
        IDC_EDIT_STLTF = 1084,
    };

    // The filter of the section picker: I and H sections, and the user's own sections.
    static constexpr unsigned kSectionFilter = 0x3000001;
    // The message for a section the checks cannot take.
    static const char* const kRefuseAsymmetric;  // "此截面类型不能进行强度计算！"

    explicit CSteelBeamInputDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;

    // --- event handlers ---
    void OnButtonPick();
    void OnKillfocusValidate();

    // The section shown on the page.
    const CDataItem& GetSectionItem() const { return m_item; }

protected:
    using ThisClass = CSteelBeamInputDlg;
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    CSteelBeamCalParam* Param() const;
    // The section row's name, dimensions and picture into the page's controls.
    void ShowSection();

    // The section and the values the page carries without a control.
    CDataItem m_item;
    std::string m_strKind;
    std::string m_strPiType;
    int m_nKind = 0;
    double m_dStlB = 0, m_dStlH = 0, m_dStlTw = 0, m_dStlTf = 0;
    double m_dWss = 0;  // cm³
    double m_dIa = 0;   // cm⁴
    double m_dIss = 0;  // cm⁴
    double m_dYs = 0;
    double m_dIc = 0;
};
