// Input page of the steel-reinforced-concrete column (template 449): design data, the steel section chosen from the section library, bars, stirrups and loads.
#pragma once

#include <span>
#include <string>

#include "CDataItem.h"
#include "CVexaCaltDlg.h"
#include "CWordObject.h"

class CSteelPillarInputDlg : public CVexaCaltDlg {
public:
    using ThisClass = CSteelPillarInputDlg;

    static constexpr int kTemplateId = 449;
    // The column schematic shown at the left of the page.
    static constexpr int IDB_COLUMN = 452;

    // Control ids of template 449 (resources/dialogs/449.json).
    enum : int {
        IDC_PICTURE_COLUMN = 1001,
        IDC_GROUP_DESIGN = 1010,
        IDC_STATIC_CODE = 1011,
        IDC_EDIT_CODE = 1012,
        IDC_STATIC_SECTYPE = 1013,
        IDC_COMBO_SECTYPE = 1014,
        IDC_STATIC_GRASTEEL = 1015,
        IDC_COMBO_GRASTEEL = 1016,
        IDC_STATIC_GRACON = 1017,
        IDC_COMBO_GRACON = 1018,
        IDC_STATIC_GRAPORT = 1019,
        IDC_COMBO_GRAPORT = 1020,
        IDC_STATIC_GRAHOOP = 1021,
        IDC_COMBO_GRAHOOP = 1022,
        IDC_GROUP_STEEL = 1030,
        IDC_BUTTON_PICK = 1031,
        IDC_STATIC_NAME = 1032,
        IDC_STATIC_PITYPE = 1033,
        IDC_PICTURE_SECTION = 1034,
        IDC_STATIC_STLH = 1035,
        IDC_EDIT_STLH = 1036,
        IDC_STATIC_STLB = 1037,
        IDC_EDIT_STLB = 1038,
        IDC_STATIC_STLTW = 1039,
        IDC_EDIT_STLTW = 1040,
        IDC_STATIC_STLTF = 1041,
        IDC_EDIT_STLTF = 1042,
        IDC_GROUP_STRUCTURE = 1050,
        IDC_STATIC_STRUCTURE = 1051,
        IDC_COMBO_STRUCTURE = 1052,
        IDC_STATIC_YO = 1053,
        IDC_COMBO_YO = 1054,
        IDC_STATIC_SEISMIC = 1055,
        IDC_COMBO_SEISMIC = 1056,
        IDC_STATIC_CRI = 1057,
        IDC_COMBO_CRI = 1058,
        IDC_GROUP_HOOP = 1060,
        IDC_STATIC_SPACEHOOP = 1061,
        IDC_EDIT_SPACEHOOP = 1062,
        IDC_STATIC_DIAMHOOP = 1063,
        IDC_EDIT_DIAMHOOP = 1064,
        IDC_STATIC_NUMHOOPX = 1065,
        IDC_EDIT_NUMHOOPX = 1066,
        IDC_STATIC_NUMHOOPY = 1067,
        IDC_EDIT_NUMHOOPY = 1068,
        IDC_GROUP_GEOMETRY = 1070,
        IDC_STATIC_B = 1071,
        IDC_EDIT_B = 1072,
        IDC_STATIC_H = 1073,
        IDC_EDIT_H = 1074,
        IDC_STATIC_HN = 1075,
        IDC_EDIT_HN = 1076,
        IDC_STATIC_LO = 1077,
        IDC_EDIT_LO = 1078,
        IDC_STATIC_C = 1079,
        IDC_EDIT_C = 1080,
        IDC_GROUP_BARS = 1090,
        IDC_STATIC_DO = 1091,
        IDC_EDIT_DO = 1092,
        IDC_STATIC_DX = 1093,
        IDC_EDIT_DX = 1094,
        IDC_STATIC_NX = 1095,
        IDC_EDIT_NX = 1096,
        IDC_STATIC_DY = 1097,
        IDC_EDIT_DY = 1098,
        IDC_STATIC_NY = 1099,
        IDC_EDIT_NY = 1100,
        IDC_STATIC_BARNOTE = 1101,
        IDC_GROUP_LOADS = 1110,
        IDC_STATIC_MX = 1111,
        IDC_EDIT_MX = 1112,
        IDC_STATIC_AMPNUM = 1113,
        IDC_EDIT_AMPNUM = 1114,
        IDC_STATIC_VC = 1115,
        IDC_EDIT_VC = 1116,
        IDC_STATIC_NC = 1117,
        IDC_EDIT_NC = 1118,
    };

    explicit CSteelPillarInputDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    // The section must fit inside the column with its cover (and the other input the
    // calculation cannot take): refused with the reason, nothing calculated.
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    // The chosen section's properties and the fixed hoop style: persisted, not entered.
    std::span<const char* const> GetDerivedKeys() const override;

    // Event handlers.
    void OnButtonPick();
    void OnKillfocusEdit();

    // The page's copy of the section (family, designation, row, dimensions).
    const CDataItem& GetItem() const { return m_item; }
    const std::string& GetKind() const { return m_strKind; }
    const std::string& GetPiType() const { return m_strPiType; }

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // The designation, the four dimensions and the section's picture.
    void ShowSection();
    // Selects `text` in drop list `id` when it is an entry; false (selection kept) otherwise.
    bool SelectEntry(int id, const std::string& text);

    CDataItem m_item;
    CVexaBitmap m_bmpSection;
    std::string m_strKind;
    std::string m_strPiType;
    int m_nKind = 0;
    double m_dStlB = 0;
    double m_dStlH = 0;
    double m_dStlTw = 0;
    double m_dStlTf = 0;
    // Carried through unchanged: γs and Ic; Wss in cm³, Ia and Iss in cm⁴.
    double m_dYs = 0;
    double m_dIc = 0;
    double m_dWss = 0;
    double m_dIa = 0;
    double m_dIss = 0;
};
