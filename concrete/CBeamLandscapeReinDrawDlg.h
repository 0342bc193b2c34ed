// Drawing page "绘图预览" of the additional transverse reinforcement calculation (template 269): drawing parameters and the drawing request.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "CBeamLandscapeReinDrawParam.h"
#include "CVexaCaltDlg.h"

class CBeamLandscapeReinDrawDlg : public CVexaCaltDlg {
public:
    using ThisClass = CBeamLandscapeReinDrawDlg;

    static constexpr int IDD = 269;
    // Store section of the drawing parameters and the drawing command that reads them.
    static constexpr const char* kSection = "AdditionalReinDraw";
    static constexpr const char* kCommand = "ZJLFJHXGJ\n";
    // Pictures of the page by style: 311 prefer stirrups, 312 stirrups only, 313 hangers only.
    static int PictureOf(int reinStyle);

    // Control ids of template 269 (resources/dialogs/269.json).
    enum : int {
        IDC_PICTURE = 1001,
        IDC_GROUP_PROJECT = 1002,
        IDC_STATIC_REINSTYLE = 1003,
        IDC_COMBO_REINSTYLE = 1004,
        IDC_STATIC_NUMBER = 1005,
        IDC_EDIT_NUMBER = 1006,
        IDC_GROUP_SECTION = 1010,
        IDC_STATIC_B = 1011,
        IDC_EDIT_B = 1012,
        IDC_STATIC_H = 1013,
        IDC_EDIT_H = 1014,
        IDC_STATIC_MAINH = 1015,
        IDC_EDIT_MAINH = 1016,
        IDC_STATIC_SLAB = 1017,
        IDC_EDIT_SLAB = 1018,
        IDC_STATIC_TOPLEVEL = 1019,
        IDC_EDIT_TOPLEVEL = 1020,
        IDC_GROUP_LOOP = 1030,
        IDC_STATIC_LOOPGRADE = 1031,
        IDC_COMBO_LOOPGRADE = 1032,
        IDC_STATIC_LOOPDIA = 1033,
        IDC_COMBO_LOOPDIA = 1034,
        IDC_STATIC_LOOPDIS = 1035,
        IDC_EDIT_LOOPDIS = 1036,
        IDC_STATIC_LEGS = 1037,
        IDC_EDIT_LEGS = 1038,
        IDC_STATIC_LOOPCOUNT = 1039,
        IDC_EDIT_LOOPCOUNT = 1040,
        IDC_GROUP_HANG = 1050,
        IDC_STATIC_HANGGRADE = 1051,
        IDC_COMBO_HANGGRADE = 1052,
        IDC_STATIC_HANGCOUNT = 1053,
        IDC_EDIT_HANGCOUNT = 1054,
        IDC_STATIC_HANGDIA = 1055,
        IDC_COMBO_HANGDIA = 1056,
        IDC_STATIC_ANGLE = 1057,
        IDC_COMBO_ANGLE = 1058,
        IDC_GROUP_HANGPOS = 1060,
        IDC_RADIO_TENSION = 1061,
        IDC_RADIO_COMPRESSION = 1062,
        IDC_GROUP_DRAW = 1070,
        IDC_STATIC_TITLE = 1071,
        IDC_EDIT_TITLE = 1072,
        IDC_STATIC_SCALE = 1073,
        IDC_EDIT_SCALE = 1074,
        IDC_BUTTON_DRAW = 1075,
    };

    explicit CBeamLandscapeReinDrawDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    // With the calculation's parameter object: the drawing parameters take the calculated
    // reinforcement and the section from it, scale, slab and elevation from the page. Without
    // one (from "绘图"): everything from the page.
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;
    std::span<const VexaFlagEntry> GetFlagEntries() const override;
    std::vector<VexaField> GetBoundFields() override;
    int GetDrawButtonId() const override { return IDC_BUTTON_DRAW; }

    const CBeamLandscapeReinDrawParam& GetDrawParam() const { return m_draw; }

    // Event handlers.
    void OnSelchangeReinStyle();
    void OnRadioTension();
    void OnRadioCompression();
    void OnButtonDraw();
    void OnKillfocusEdit();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // Stirrup and hanger controls enabled by the style; the picture follows it.
    void UpdateReinStyle();
    // The number of an edit when it holds one other than 0; false for "0" or empty.
    bool NonZeroEdit(int id, double& value) const;

    CBeamLandscapeReinDrawParam m_draw;
};
