// Result page of the lintel calculation (template 274, tab "计算结果"): the chosen bars and stirrups, revisable.
#pragma once

#include <span>
#include <string>

#include "CVexaCaltDlg.h"
#include "masonry/CSummerCalParam.h"

class CSummerResultDlg : public CVexaCaltDlg {
public:
    using ThisClass = CSummerResultDlg;

    enum { IDD = 274 };
    // Control ids, as in resources/dialogs/274.json. Each bar group has two rows of count,
    // diameter, "+", count and diameter; the top group's ids are the bottom group's + kTopOffset.
    enum {
        IDC_PIC_SECTION = 1000,
        IDC_GROUP_BOTTOM = 1001,
        IDC_STATIC_BOT1 = 1002,
        IDC_COMBO_BOT1NUM = 1003,
        IDC_COMBO_BOT1DIA = 1004,
        IDC_STATIC_BOT1PLUS = 1005,
        IDC_COMBO_BOT1NUM2 = 1006,
        IDC_COMBO_BOT1DIA2 = 1007,
        IDC_STATIC_BOT2 = 1008,
        IDC_COMBO_BOT2NUM = 1009,
        IDC_COMBO_BOT2DIA = 1010,
        IDC_STATIC_BOT2PLUS = 1011,
        IDC_COMBO_BOT2NUM2 = 1012,
        IDC_COMBO_BOT2DIA2 = 1013,
        IDC_STATIC_BOTREQ = 1014,
        IDC_EDIT_BOTREQ = 1015,
        IDC_STATIC_BOTPROV = 1016,
        IDC_EDIT_BOTPROV = 1017,
        kTopOffset = 100,
        IDC_GROUP_TOP = 1101,
        IDC_STATIC_TOP1 = 1102,
        IDC_COMBO_TOP1NUM = 1103,
        IDC_COMBO_TOP1DIA = 1104,
        IDC_STATIC_TOP1PLUS = 1105,
        IDC_COMBO_TOP1NUM2 = 1106,
        IDC_COMBO_TOP1DIA2 = 1107,
        IDC_STATIC_TOP2 = 1108,
        IDC_COMBO_TOP2NUM = 1109,
        IDC_COMBO_TOP2DIA = 1110,
        IDC_STATIC_TOP2PLUS = 1111,
        IDC_COMBO_TOP2NUM2 = 1112,
        IDC_COMBO_TOP2DIA2 = 1113,
        IDC_STATIC_TOPREQ = 1114,
        IDC_EDIT_TOPREQ = 1115,
        IDC_STATIC_TOPPROV = 1116,
        IDC_EDIT_TOPPROV = 1117,
        IDC_GROUP_STIRRUP = 1200,
        IDC_STATIC_STIRDIA = 1201,
        IDC_COMBO_STIRDIA = 1202,
        IDC_STATIC_STIRDIS = 1203,
        IDC_EDIT_STIRDIS = 1204,
        IDC_STATIC_STIRDIS_UNIT = 1205,
        IDC_STATIC_STIRREQ = 1206,
        IDC_EDIT_STIRREQ = 1207,
        IDC_STATIC_STIRREQ_UNIT = 1208,
        IDC_STATIC_STIRPROV = 1209,
        IDC_EDIT_STIRPROV = 1210,
        IDC_STATIC_STIRPROV_UNIT = 1211,
        IDC_GROUP_LOCAL = 1212,
        IDC_STATIC_LOCAL = 1213,
        IDC_STATIC_LOCALRESULT = 1214,
    };

    explicit CSummerResultDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    // Counts and clear spacings of bars revised on this page (second list).
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    // The range of a spacing revised on this page.
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    bool IsResultPage() const override { return true; }
    std::span<const VexaFieldControl> GetFieldControls() const override;
    // The result fields of the parameter object (bars, stirrup diameter and spacing).
    std::vector<VexaField> GetBoundFields() override;

    // The count shown by a count list ("3根" → 3; none → 0) and the diameter of a diameter list.
    int GetCount(int id) const;
    int GetDiameter(int id) const;

    // Event handlers.
    void OnChangeBars();
    void OnChangeStirrup();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // A group's bars as the page shows them; a row whose first size lacks a count or a
    // diameter counts as empty.
    SummerBarGroup ReadGroup(int offset) const;
    void ShowGroup(int offset, const SummerBarGroup& group, double required);
    // Enables a row's second size only when its first size has a count and a diameter;
    // otherwise clears and disables it.
    void UpdateRows(int offset);
    void ShowAreas();

    // What the page last loaded, to tell the user's revisions apart.
    SummerBarGroup m_loadedBottom;
    SummerBarGroup m_loadedTop;
    int m_nLoadedStirrupDia = 0;
    double m_dLoadedSpacing = 0;
};
