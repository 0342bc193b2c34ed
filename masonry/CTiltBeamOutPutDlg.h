// Result page of the cantilever beam (template 308, tab "计算结果"): bars and stirrups the engineer may revise.
#pragma once

#include <span>
#include <vector>

#include "CVexaCaltDlg.h"

class CTiltBeamCalParam;

class CTiltBeamOutPutDlg : public CVexaCaltDlg {
public:
    using ThisClass = CTiltBeamOutPutDlg;

    enum { IDD = 308 };
    // Control ids, as in resources/dialogs/308.json.
    enum {
        IDC_PIC_BEAM = 1000,
        IDC_GROUP_TOP = 1001,
        IDC_COMBO_TOPNUM1 = 1002,
        IDC_COMBO_TOPDIA1 = 1003,
        IDC_STATIC_TOPPLUS = 1004,
        IDC_COMBO_TOPNUM2 = 1005,
        IDC_COMBO_TOPDIA2 = 1006,
        IDC_STATIC_TOPREQ = 1007,
        IDC_EDIT_TOPREQ = 1008,
        IDC_STATIC_TOPPROV = 1009,
        IDC_EDIT_TOPPROV = 1010,
        IDC_GROUP_BOT = 1011,
        IDC_COMBO_BOTNUM1 = 1012,
        IDC_COMBO_BOTDIA1 = 1013,
        IDC_STATIC_BOTPLUS = 1014,
        IDC_COMBO_BOTNUM2 = 1015,
        IDC_COMBO_BOTDIA2 = 1016,
        IDC_STATIC_BOTREQ = 1017,
        IDC_EDIT_BOTREQ = 1018,
        IDC_STATIC_BOTPROV = 1019,
        IDC_EDIT_BOTPROV = 1020,
        IDC_GROUP_STIRRUP = 1021,
        IDC_STATIC_STIRDIA = 1022,
        IDC_COMBO_STIRDIA = 1023,
        IDC_STATIC_STIRDIS = 1024,
        IDC_EDIT_STIRDIS = 1025,
        IDC_STATIC_ASVREQ = 1026,
        IDC_EDIT_ASVREQ = 1027,
        IDC_STATIC_ASVPROV = 1028,
        IDC_EDIT_ASVPROV = 1029,
        IDC_GROUP_CHECK = 1030,
        IDC_STATIC_TILT = 1031,
        IDC_STATIC_TILTRESULT = 1032,
        IDC_STATIC_LOCAL = 1033,
        IDC_STATIC_LOCALRESULT = 1034,
    };

    explicit CTiltBeamOutPutDlg(CVexaDlg* parent = nullptr);

    // Writes the bars and stirrups back into the object when the engineer revised them here.
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    // Revised bars: at least two bars per group, the clear spacing across b (25 mm tension, 30 mm
    // compression). Only the first failing rule is reported.
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    bool IsResultPage() const override { return true; }
    std::span<const VexaFieldControl> GetFieldControls() const override;
    // The object's inputs and results.
    std::vector<VexaField> GetBoundFields() override;

    // Clear spacing (mm) of a row of n bars of d and n2 bars of d2 across the width w with the
    // bar centres at as from the faces.
    static double ClearSpacing(double w, double as, int n, int d, int n2, int d2);

    // Event handlers.
    void OnChangeBars();
    void OnChangeStirrup();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // What the page shows and the engineer may revise.
    struct Revision {
        int topNum1 = 0, topDia1 = 0, topNum2 = 0, topDia2 = 0;
        int botNum1 = 0, botDia1 = 0, botNum2 = 0, botDia2 = 0;
        int stirrupDia = 0, stirrupDis = 0;
        bool operator==(const Revision&) const = default;
    };
    Revision ReadControls() const;
    // Second sizes enabled only with a count; the provided areas from the lists.
    void UpdateAreas();

    Revision m_loaded;  // as the object gave it at the last LoadFromParam
    int m_nLegs = 0;    // stirrup legs of the object
};
