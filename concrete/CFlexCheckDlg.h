// Input page of the deflection check (template 423, tab "基本参数").
#pragma once

#include <span>
#include <string>

#include "CVexaCaltDlg.h"

class CFlexCheckParam;

class CFlexCheckDlg : public CVexaCaltDlg {
public:
    using ThisClass = CFlexCheckDlg;

    enum { IDD = 423 };
    // Control ids, as in resources/dialogs/423.json.
    enum {
        IDC_STATIC_CODE = 1000,
        IDC_EDIT_CODE = 1001,
        IDC_STATIC_SECTYPE = 1002,
        IDC_COMBO_SECTYPE = 1003,
        IDC_STATIC_ZCTYPE = 1004,
        IDC_COMBO_ZCTYPE = 1005,
        IDC_STATIC_CONGRADE = 1006,
        IDC_COMBO_CONGRADE = 1007,
        IDC_STATIC_STEELGRADE = 1008,
        IDC_COMBO_STEELGRADE = 1009,
        IDC_PICTURE_SECTION = 1010,
        IDC_GROUP_SIZE = 1011,
        IDC_STATIC_B = 1012,
        IDC_EDIT_B = 1013,
        IDC_STATIC_H = 1014,
        IDC_EDIT_H = 1015,
        IDC_STATIC_BF1 = 1016,
        IDC_EDIT_BF1 = 1017,
        IDC_STATIC_HF1 = 1018,
        IDC_EDIT_HF1 = 1019,
        IDC_STATIC_BF2 = 1020,
        IDC_EDIT_BF2 = 1021,
        IDC_STATIC_HF2 = 1022,
        IDC_EDIT_HF2 = 1023,
        IDC_STATIC_LO = 1024,
        IDC_EDIT_LO = 1025,
        IDC_STATIC_AS = 1026,
        IDC_EDIT_AS = 1027,
        IDC_GROUP_LOAD = 1028,
        IDC_STATIC_QGK = 1029,
        IDC_EDIT_QGK = 1030,
        IDC_STATIC_QQK = 1031,
        IDC_EDIT_QQK = 1032,
        IDC_STATIC_YQ = 1033,
        IDC_EDIT_YQ = 1034,
        IDC_STATIC_LOADNOTE = 1035,
        IDC_GROUP_AREA = 1036,
        IDC_STATIC_AREAOFSL = 1037,
        IDC_EDIT_AREAOFSL = 1038,
        IDC_STATIC_AREAOFSY = 1039,
        IDC_EDIT_AREAOFSY = 1040,
        IDC_CHECK_YTOBEONE = 1041,
        IDC_GROUP_LIMIT = 1042,
        IDC_STATIC_CALTYPE = 1043,
        IDC_COMBO_CALTYPE = 1044,
        IDC_STATIC_LIMIT = 1045,
        IDC_STATIC_LOPREFIX = 1046,
        IDC_EDIT_RATIO = 1047,
        IDC_STATIC_OBJTYPE = 1048,
        IDC_COMBO_OBJTYPE = 1049,
        IDC_CHECK_REQUALWELL = 1050,
        IDC_GROUP_RESULT = 1051,
        IDC_EDIT_RESULT = 1052,
    };

    explicit CFlexCheckDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;

    // Section picture of a section type: 425 矩形, 426 T形, 427 倒T形, 428 I sections.
    static int SectionBitmapId(const std::string& secType);

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // Event handlers.
    void OnKillfocusCode();
    void OnKillfocusB();
    void OnKillfocusH();
    void OnKillfocusBf1();
    void OnKillfocusHf1();
    void OnKillfocusBf2();
    void OnKillfocusHf2();
    void OnKillfocusLo();
    void OnKillfocusAs();
    void OnKillfocusQgk();
    void OnKillfocusQqk();
    void OnKillfocusYq();
    void OnKillfocusAreaOfSL();
    void OnKillfocusAreaOfSY();
    void OnKillfocusRatio();
    void OnSelchangeSecType();
    void OnSelchangeZCType();
    void OnSelchangeConGrade();
    void OnSelchangeSteelGrade();
    void OnSelchangeCalType();
    void OnSelchangeObjType();
    void OnClickedYToBeOne();
    void OnClickedRequalWell();

    // Range check of a numeric edit as it loses focus; a refused value gives way to the last
    // accepted one. Returns 1 when the value stands.
    int CheckEdit(int id);
    // The page copy of the field a numeric edit edits.
    double* EditField(int id);
    // Picture, enabled flange edits and the symmetric I copy of the chosen section type.
    void UpdateSectionControls();
    // Enabled states of the limit group.
    void UpdateLimitControls();
    // Framework synchronisation that ends every handler.
    void SyncAll();

    CStringArray m_concreteGrades;
    CStringArray m_steelGrades;
    int m_nSectionBitmap = 425;

    // Page copy of the parameter fields.
    double m_dB = 0;
    double m_dH = 0;
    double m_dBf1 = 0;
    double m_dHf1 = 0;
    double m_dBf2 = 0;
    double m_dHf2 = 0;
    double m_dLo = 0;
    double m_dAs = 0;
    std::string m_strCode;
    std::string m_strSecType;
    std::string m_strZCType;
    double m_dQgk = 0;
    double m_dQqk = 0;
    double m_dYq = 0;
    std::string m_strConGrade;
    std::string m_strSteelGrade;
    double m_dAreaOfSL = 0;
    double m_dAreaOfSY = 0;
    int m_bYToBeOne = 0;
    std::string m_strCalMaxFlexType;
    double m_dMaxFlexRatio = 0;
    std::string m_strObjStype;
    int m_bIsRequalWell = 0;
    std::string m_strResult;
};
