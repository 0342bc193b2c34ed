// Drawing page of the lintel calculation (template 292, tab "绘图预览"): drawing parameters and the drawing request.
#pragma once

#include <span>
#include <string>

#include "CSummerDrawParam.h"
#include "CVexaCaltDlg.h"

class CSummerDrawDlg : public CVexaCaltDlg {
public:
    using ThisClass = CSummerDrawDlg;

    // The store section of the drawing parameters and the drawing command that reads them.
    static constexpr const char* kSection = "QUORCADH_GLHZH";
    static constexpr const char* kCommand = "VEXAGLHZH\n";

    enum { IDD = 292 };
    // Control ids, as in resources/dialogs/292.json. The top bars' ids are the bottom bars' +
    // kTopOffset.
    enum {
        IDC_PIC_SECTION = 1000,
        IDC_GROUP_SIZE = 1001,
        IDC_STATIC_SECTYPE = 1002,
        IDC_COMBO_SECTYPE = 1003,
        IDC_STATIC_B = 1004,
        IDC_EDIT_B = 1005,
        IDC_STATIC_H = 1006,
        IDC_EDIT_H = 1007,
        IDC_STATIC_B1 = 1008,
        IDC_EDIT_B1 = 1009,
        IDC_STATIC_H1 = 1010,
        IDC_EDIT_H1 = 1011,
        IDC_STATIC_LN = 1012,
        IDC_EDIT_LN = 1013,
        IDC_STATIC_A = 1014,
        IDC_EDIT_A = 1015,
        IDC_GROUP_DRAW = 1016,
        IDC_STATIC_TITLE = 1017,
        IDC_EDIT_TITLE = 1018,
        IDC_STATIC_SCALE = 1019,
        IDC_STATIC_SCALE_PREFIX = 1020,
        IDC_EDIT_SCALE = 1021,
        IDC_STATIC_LEVEL = 1022,
        IDC_EDIT_LEVEL = 1023,
        IDC_STATIC_LEVEL_UNIT = 1024,
        IDC_GROUP_BOTTOM = 1100,
        IDC_STATIC_BOT1 = 1101,
        IDC_COMBO_BOT1NUM = 1102,
        IDC_COMBO_BOT1DIA = 1103,
        IDC_STATIC_BOT1PLUS = 1104,
        IDC_COMBO_BOT1NUM2 = 1105,
        IDC_COMBO_BOT1DIA2 = 1106,
        IDC_STATIC_BOT2 = 1107,
        IDC_COMBO_BOT2NUM = 1108,
        IDC_COMBO_BOT2DIA = 1109,
        IDC_STATIC_BOT2PLUS = 1110,
        IDC_COMBO_BOT2NUM2 = 1111,
        IDC_COMBO_BOT2DIA2 = 1112,
        IDC_STATIC_BOTGRADE = 1113,
        IDC_COMBO_BOTGRADE = 1114,
        kTopOffset = 100,
        IDC_GROUP_TOP = 1200,
        IDC_STATIC_TOP1 = 1201,
        IDC_COMBO_TOP1NUM = 1202,
        IDC_COMBO_TOP1DIA = 1203,
        IDC_STATIC_TOP1PLUS = 1204,
        IDC_COMBO_TOP1NUM2 = 1205,
        IDC_COMBO_TOP1DIA2 = 1206,
        IDC_STATIC_TOP2 = 1207,
        IDC_COMBO_TOP2NUM = 1208,
        IDC_COMBO_TOP2DIA = 1209,
        IDC_STATIC_TOP2PLUS = 1210,
        IDC_COMBO_TOP2NUM2 = 1211,
        IDC_COMBO_TOP2DIA2 = 1212,
        IDC_STATIC_TOPGRADE = 1213,
        IDC_COMBO_TOPGRADE = 1214,
        IDC_GROUP_STIRRUP = 1300,
        IDC_STATIC_STIRGRADE = 1301,
        IDC_COMBO_STIRGRADE = 1302,
        IDC_STATIC_STIRDIA = 1303,
        IDC_COMBO_STIRDIA = 1304,
        IDC_STATIC_STIRDIS = 1305,
        IDC_EDIT_STIRDIS = 1306,
        IDC_STATIC_STIRDIS_UNIT = 1307,
        IDC_GROUP_ERECT = 1308,
        IDC_STATIC_ERECTGRADE = 1309,
        IDC_COMBO_ERECTGRADE = 1310,
        IDC_STATIC_ERECTDIA = 1311,
        IDC_COMBO_ERECTDIA = 1312,
        IDC_STATIC_NOTE = 1313,
        IDC_BUTTON_DRAW = 1314,
    };

    explicit CSummerDrawDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    // Fills the drawing parameters from the page (the store is written when "绘  制" is pressed).
    int SaveToParam(CVexaParam* param) override;
    // Section, dimensions, bars and stirrups from the calculation; title = member number, scale
    // 20, bottom elevation 2.1 m.
    int LoadFromParam(CVexaParam* param) override;

    int GetDrawButtonId() const override { return IDC_BUTTON_DRAW; }
    std::span<const VexaFieldControl> GetFieldControls() const override;
    // The drawing parameters, keys "QUORCADH_GLHZH/<key>".
    std::vector<VexaField> GetBoundFields() override;

    const CSummerDrawParam& GetDrawParam() const { return m_drawParam; }

    // Event handlers.
    void OnSelchangeSecType();
    void OnSelchangeBars();
    void OnButtonDraw();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // Ranges of the drawing's own entries, checked when "绘  制" is pressed (a calculation does
    // not depend on them); the first failure stops the rest.
    int ValidateDrawing();
    void UpdateSection();
    // A diameter list goes with its count: disabled and empty without bars.
    void UpdateBars();
    int GetCount(int id) const;
    int GetDiameter(int id) const;

    CSummerDrawParam m_drawParam;
};
