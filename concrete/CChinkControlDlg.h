// Input page "基本参数" of the crack-width control check (dialog template 420).
#pragma once

#include <span>
#include <string>

#include "CVexaCaltDlg.h"
#include "VexaTypes.h"

class CChinkControlParam;

class CChinkControlDlg : public CVexaCaltDlg {
public:
    // Control ids of template 420 (resources/dialogs/420.json).
    enum {
        IDD = 420,
        IDC_STATIC_NUMBER = 1000,
        IDC_EDIT_NUMBER = 1001,
        IDC_STATIC_FORCE = 1002,
        IDC_COMBO_FORCE = 1003,
        IDC_STATIC_INPUTMODE = 1004,
        IDC_COMBO_INPUTMODE = 1005,
        IDC_STATIC_SECTYPE = 1006,
        IDC_COMBO_SECTYPE = 1007,
        IDC_STATIC_CONCRETE = 1008,
        IDC_COMBO_CONCRETE = 1009,
        IDC_STATIC_REIN = 1010,
        IDC_COMBO_REIN = 1011,
        IDC_STATIC_OMILIMIT = 1012,
        IDC_EDIT_OMILIMIT = 1013,
        IDC_GROUP_SIZE = 1014,
        IDC_STATIC_B = 1015,
        IDC_EDIT_B = 1016,
        IDC_STATIC_H = 1017,
        IDC_EDIT_H = 1018,
        IDC_STATIC_BF = 1019,
        IDC_EDIT_BF = 1020,
        IDC_STATIC_HF = 1021,
        IDC_EDIT_HF = 1022,
        IDC_STATIC_BF1 = 1023,
        IDC_EDIT_BF1 = 1024,
        IDC_STATIC_HF1 = 1025,
        IDC_EDIT_HF1 = 1026,
        IDC_STATIC_LO = 1027,
        IDC_EDIT_LO = 1028,
        IDC_STATIC_C = 1029,
        IDC_EDIT_C = 1030,
        IDC_PICTURE_SECTION = 1031,
        IDC_GROUP_REIN = 1032,
        IDC_STATIC_FIRSTNUM = 1033,
        IDC_COMBO_FIRSTNUM = 1034,
        IDC_STATIC_FIRSTDIA = 1035,
        IDC_COMBO_FIRSTDIA = 1036,
        IDC_STATIC_SECONDNUM = 1037,
        IDC_COMBO_SECONDNUM = 1038,
        IDC_STATIC_SECONDDIA = 1039,
        IDC_COMBO_SECONDDIA = 1040,
        IDC_STATIC_THREENUM = 1041,
        IDC_COMBO_THREENUM = 1042,
        IDC_STATIC_THREEDIA = 1043,
        IDC_COMBO_THREEDIA = 1044,
        IDC_STATIC_VI = 1045,
        IDC_COMBO_VI = 1046,
        IDC_STATIC_AS = 1047,
        IDC_EDIT_AS = 1048,
        IDC_STATIC_AS1 = 1049,
        IDC_EDIT_AS1 = 1050,
        IDC_GROUP_CONTROL = 1051,
        IDC_CHECK_MONOBLOCK = 1052,
        IDC_CHECK_PSI = 1053,
        IDC_CHECK_CRANE = 1054,
        IDC_GROUP_LOAD = 1055,
        IDC_STATIC_M = 1056,
        IDC_EDIT_M = 1057,
        IDC_STATIC_N = 1058,
        IDC_EDIT_N = 1059,
        IDC_GROUP_RESULT = 1060,
        IDC_EDIT_RESULT = 1061,
        IDC_BUTTON_CALC = 1062,
    };

    // Texts of the load label by input mode.
    static const char* const kLabelMoment;        // "弯矩准永久值Mq(kN*m)"
    static const char* const kLabelEccentricity;  // "偏心距eo(mm)"

    explicit CChinkControlDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;

    // --- event handlers ---
    void OnSelchangeSecType();
    void OnSelchangeForce();
    void OnSelchangeInputMode();
    void OnClickedMonoBlock();
    void OnChangeSecondNum();
    void OnKillfocusValidate();
    void OnKillfocusFlange();
    void OnButtonCalc();

protected:
    using ThisClass = CChinkControlDlg;
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    CChinkControlParam* Param() const;
    // The enabling rule of the force type; `forceMomentMode` also resets the input mode to
    // "输入弯矩值Mq" for flexure (what choosing "受弯" does).
    void ApplyForceType(bool forceMomentMode);
    // Picture and flange enabling of the section type; for "倒T形" and "I形(对称)" bf', hf'
    // take the values of bf, hf (in the edits and in the parameter object).
    void ApplySectionType();
    void ApplyInputMode();
    void ApplySecondGroup();
    void ApplyMonoBlock();

    CStringArray m_concreteGrades;
    CStringArray m_barGrades;
};
