// Input page "基本参数" of the fold-angle stirrup calculation (dialog template 264).
#pragma once

#include <span>
#include <string>

#include "CVexaCaltDlg.h"
#include "VexaTypes.h"

class CBeamAddStirrupParam;

class CBeamAddStirrupDlg : public CVexaCaltDlg {
public:
    // Control ids of template 264 (resources/dialogs/264.json).
    enum {
        IDD = 264,
        IDC_PICTURE_BEAM = 1000,
        IDC_GROUP_BASE = 1001,
        IDC_STATIC_NUMBER = 1002,
        IDC_EDIT_NUMBER = 1003,
        IDC_STATIC_H = 1004,
        IDC_EDIT_H = 1005,
        IDC_STATIC_ANGLE = 1006,
        IDC_EDIT_ANGLE = 1007,
        IDC_GROUP_REIN = 1008,
        IDC_STATIC_REINTYPE = 1009,
        IDC_COMBO_REINTYPE = 1010,
        IDC_STATIC_AS = 1011,
        IDC_EDIT_AS = 1012,
        IDC_STATIC_AS1 = 1013,
        IDC_EDIT_AS1 = 1014,
        IDC_GROUP_STIRRUP = 1015,
        IDC_STATIC_STIRRUPTYPE = 1016,
        IDC_COMBO_STIRRUPTYPE = 1017,
        IDC_STATIC_DIST = 1018,
        IDC_EDIT_DIST = 1019,
        IDC_STATIC_NUM = 1020,
        IDC_EDIT_NUM = 1021,
        IDC_GROUP_RESULT = 1022,
        IDC_STATIC_REIN = 1023,
        IDC_EDIT_REIN = 1024,
        IDC_STATIC_ASV = 1025,
        IDC_EDIT_ASV = 1026,
        IDC_STATIC_RESULTASV = 1027,
        IDC_EDIT_RESULTASV = 1028,
        IDC_BUTTON_CALC = 1029,
    };
    // Picture of the page: the beam with its inner fold angle.
    static constexpr int IDB_BEAM = 286;
    // Smallest spacing of the added stirrups the page accepts, mm.
    static constexpr double kMinSpacing = 50;

    explicit CBeamAddStirrupDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;

    // --- event handlers ---
    void OnKillfocusValidate();
    void OnButtonCalc();

protected:
    using ThisClass = CBeamAddStirrupDlg;
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    CBeamAddStirrupParam* Param() const;
    // Fills a grade list and selects `grade`; a grade that is not in the list (a stored value
    // the list no longer offers) is shown as an extra entry so that it is not lost unseen.
    void ShowGrade(int id, const std::string& grade);

    CStringArray m_barGrades;
};
