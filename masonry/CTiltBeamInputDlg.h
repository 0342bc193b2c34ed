// Geometry page of the cantilever beam (template 302, tab "基本参数").
#pragma once

#include <span>

#include "CVexaCaltDlg.h"

class CTiltBeamCalParam;

class CTiltBeamInputDlg : public CVexaCaltDlg {
public:
    using ThisClass = CTiltBeamInputDlg;

    enum { IDD = 302 };
    // Control ids, as in resources/dialogs/302.json.
    enum {
        IDC_PIC_TILT = 1000,
        IDC_GROUP_PROJECT = 1001,
        IDC_STATIC_CODE = 1002,
        IDC_EDIT_CODE = 1003,
        IDC_CHECK_TILT = 1004,
        IDC_CHECK_NORMAL = 1005,
        IDC_CHECK_OBLIQUE = 1006,
        IDC_CHECK_LOCAL = 1007,
        IDC_GROUP_SECTION = 1008,
        IDC_STATIC_B = 1009,
        IDC_EDIT_B = 1010,
        IDC_STATIC_H1 = 1011,
        IDC_EDIT_H1 = 1012,
        IDC_STATIC_H2 = 1013,
        IDC_EDIT_H2 = 1014,
        IDC_STATIC_H3 = 1015,
        IDC_EDIT_H3 = 1016,
        IDC_GROUP_WALL = 1017,
        IDC_STATIC_POS = 1018,
        IDC_COMBO_POS = 1019,
        IDC_STATIC_L = 1020,
        IDC_EDIT_L = 1021,
        IDC_STATIC_L1 = 1022,
        IDC_EDIT_L1 = 1023,
        IDC_STATIC_LW = 1024,
        IDC_EDIT_LW = 1025,
        IDC_CHECK_COLU = 1026,
        IDC_GROUP_HOLE = 1027,
        IDC_CHECK_HOLE = 1028,
        IDC_STATIC_BM = 1029,
        IDC_EDIT_BM = 1030,
        IDC_STATIC_HM = 1031,
        IDC_EDIT_HM = 1032,
        IDC_STATIC_D = 1033,
        IDC_EDIT_D = 1034,
        IDC_STATIC_BW = 1035,
        IDC_EDIT_BW = 1036,
        IDC_STATIC_WALL = 1037,
        IDC_COMBO_WALL = 1038,
    };

    explicit CTiltBeamInputDlg(CVexaDlg* parent = nullptr);

    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    // Input the calculation cannot take, then the checks of a trial calculation: αs, the bar
    // arrangement, the embedded length and the heights. Advice: an over-reinforced section.
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;

    // Event handlers.
    void OnSelchangePos();
    void OnClickedHole();
    void OnEdited();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // Wall height and opening by position, opening entries by the opening box, the picture.
    void UpdateControls();
    // A page without its own "计算" button: every edit goes through the object to all pages.
    void Resync();
};
