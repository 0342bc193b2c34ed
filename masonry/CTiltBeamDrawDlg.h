// Drawing page of the cantilever beam (template 310, tab "绘图预览"): drawing parameters and the drawing request.
#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

#include "CTiltBeamDrawParam.h"
#include "CVexaCaltDlg.h"

class CTiltBeamCalParam;

class CTiltBeamDrawDlg : public CVexaCaltDlg {
public:
    using ThisClass = CTiltBeamDrawDlg;

    enum { IDD = 310 };
    // Control ids, as in resources/dialogs/310.json.
    enum {
        IDC_PIC_BEAM = 1000,
        IDC_GROUP_TOP = 1001,
        IDC_COMBO_TOPNUM1 = 1002,
        IDC_COMBO_TOPDIA1 = 1003,
        IDC_STATIC_TOPPLUS = 1004,
        IDC_COMBO_TOPNUM2 = 1005,
        IDC_COMBO_TOPDIA2 = 1006,
        IDC_STATIC_TOPGRADE = 1007,
        IDC_COMBO_TOPGRADE = 1008,
        IDC_GROUP_BOT = 1009,
        IDC_COMBO_BOTNUM1 = 1010,
        IDC_COMBO_BOTDIA1 = 1011,
        IDC_STATIC_BOTPLUS = 1012,
        IDC_COMBO_BOTNUM2 = 1013,
        IDC_COMBO_BOTDIA2 = 1014,
        IDC_STATIC_BOTGRADE = 1015,
        IDC_COMBO_BOTGRADE = 1016,
        IDC_GROUP_STIRRUP = 1017,
        IDC_STATIC_STIRGRADE = 1018,
        IDC_COMBO_STIRGRADE = 1019,
        IDC_STATIC_STIRDIA = 1020,
        IDC_COMBO_STIRDIA = 1021,
        IDC_STATIC_STIRDIS = 1022,
        IDC_EDIT_STIRDIS = 1023,
        IDC_GROUP_DRAW = 1024,
        IDC_STATIC_SCALE = 1025,
        IDC_STATIC_SCALEPREFIX = 1026,
        IDC_EDIT_SCALE = 1027,
        IDC_STATIC_TITLE = 1028,
        IDC_EDIT_TITLE = 1029,
        IDC_STATIC_LEVEL = 1030,
        IDC_EDIT_LEVEL = 1031,
        IDC_GROUP_SIZE = 1032,
        IDC_STATIC_B = 1033,
        IDC_EDIT_B = 1034,
        IDC_STATIC_H1 = 1035,
        IDC_EDIT_H1 = 1036,
        IDC_STATIC_H2 = 1037,
        IDC_EDIT_H2 = 1038,
        IDC_STATIC_H3 = 1039,
        IDC_EDIT_H3 = 1040,
        IDC_STATIC_L = 1041,
        IDC_EDIT_L = 1042,
        IDC_STATIC_L1 = 1043,
        IDC_EDIT_L1 = 1044,
        IDC_BUTTON_DRAW = 1045,
    };

    // The store section of the drawing parameters and the drawing command that reads them.
    static constexpr const char* kSection = "QUORCADH_TLHZH";
    static constexpr const char* kDrawCommand = "VEXATLHZH\n";

    explicit CTiltBeamDrawDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    // Fills the drawing parameters from the page.
    int SaveToParam(CVexaParam* param) override;
    // Dimensions and bars from the object, the member number as title, scale 20, top elevation 2.1.
    int LoadFromParam(CVexaParam* param) override;
    int ValidateData() override;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;
    // The drawing parameters, keys "QUORCADH_TLHZH/<key>".
    std::vector<VexaField> GetBoundFields() override;
    int GetDrawButtonId() const override { return IDC_BUTTON_DRAW; }

    const CTiltBeamDrawParam& DrawParam() const { return m_drawParam; }

    // "绘  制": the framework's checks of all pages, then the parameters saved and the command sent.
    void OnButtonDraw();
    void OnChangeSecondCount();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    void FillDrawParam();
    void UpdateControls();

    CTiltBeamDrawParam m_drawParam;
    std::map<int, std::string> m_loadedTexts;  // entries as LoadFromParam filled them
};
