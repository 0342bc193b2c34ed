// Drawing page "绘图预览" of the fold-angle stirrup calculation (dialog template 275): the drawing
// parameters, the scale, and the drawing request "VEXALZSHGJHZH".
#pragma once

#include <span>
#include <string>
#include <vector>

#include "CBeamAddStirrupDrawParam.h"
#include "CVexaCaltDlg.h"
#include "VexaTypes.h"

class CBeamAddStirrupDrawDlg : public CVexaCaltDlg {
public:
    // Control ids of template 275 (resources/dialogs/275.json).
    enum {
        IDD = 275,
        IDC_PICTURE_BEAM = 1000,
        IDC_GROUP_BASE = 1001,
        IDC_STATIC_TITLE = 1002,
        IDC_EDIT_TITLE = 1003,
        IDC_STATIC_H = 1004,
        IDC_EDIT_H = 1005,
        IDC_STATIC_ANGLE = 1006,
        IDC_EDIT_ANGLE = 1007,
        IDC_STATIC_REINTYPE = 1008,
        IDC_COMBO_REINTYPE = 1009,
        IDC_GROUP_DRAW = 1010,
        IDC_STATIC_STIRRUPTYPE = 1011,
        IDC_COMBO_STIRRUPTYPE = 1012,
        IDC_STATIC_DIAMETER = 1013,
        IDC_COMBO_DIAMETER = 1014,
        IDC_STATIC_NUM = 1015,
        IDC_EDIT_NUM = 1016,
        IDC_STATIC_DIST = 1017,
        IDC_EDIT_DIST = 1018,
        IDC_STATIC_COUNT = 1019,
        IDC_EDIT_COUNT = 1020,
        IDC_STATIC_SCALE = 1021,
        IDC_EDIT_SCALE = 1022,
        IDC_BUTTON_DRAW = 1023,
    };
    // Picture of the page (also the book's): the fold with its added stirrups.
    static constexpr int IDB_BEAM = 290;
    // Store section of the drawing parameters and the drawing command that reads them.
    static constexpr const char* kSection = "BeamAddStirrup";
    static constexpr const char* kCommand = "VEXALZSHGJHZH\n";

    explicit CBeamAddStirrupDrawDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    // With the calculation's parameter object: takes the drawing values from it (the scale from
    // the scale edit unless that is empty). With none: reads every drawing value from the page.
    int SaveToParam(CVexaParam* param) override;
    // Shows the drawing parameters.
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    // The drawing parameters, keyed "BeamAddStirrup/<key>" as the bindings name them.
    std::vector<VexaField> GetBoundFields() override;
    int GetDrawButtonId() const override { return IDC_BUTTON_DRAW; }

    const CBeamAddStirrupDrawParam& GetDrawParam() const { return m_drawParam; }

    // --- event handlers ---
    void OnKillfocusValidate();
    void OnButtonDraw();

protected:
    using ThisClass = CBeamAddStirrupDrawDlg;
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    CBeamAddStirrupDrawParam m_drawParam;
};
