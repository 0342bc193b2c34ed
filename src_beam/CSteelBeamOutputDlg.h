// Result page "计算结果" of the steel-reinforced-concrete beam (dialog template 443): the four
// verdicts and the stirrup choice.
#pragma once

#include <span>
#include <string>

#include "CVexaCaltDlg.h"
#include "VexaTypes.h"

class CSteelBeamOutputDlg : public CVexaCaltDlg {
public:
    // Control ids of template 443 (resources/dialogs/443.json).
    enum {
        IDD = 443,
        IDC_PICTURE_SCHEMATIC = 1000,
        IDC_GROUP_NORMAL = 1001,
        IDC_EDIT_NORMAL = 1002,
        IDC_GROUP_SHEARCOMP = 1003,
        IDC_EDIT_SHEARCOMP = 1004,
        IDC_GROUP_DEFLECTION = 1005,
        IDC_EDIT_DEFLECTION = 1006,
        IDC_GROUP_CRACK = 1007,
        IDC_EDIT_CRACK = 1008,
        IDC_GROUP_STIRRUP = 1009,
        IDC_STATIC_DIA = 1010,
        IDC_COMBO_DIA = 1011,
        IDC_STATIC_SPACE = 1012,
        IDC_COMBO_SPACE = 1013,
        IDC_LIST_SCHEME = 1014,
        IDC_STATIC_ASV = 1015,
        IDC_EDIT_ASV = 1016,
        IDC_STATIC_ASVREAL = 1017,
        IDC_EDIT_ASVREAL = 1018,
    };

    explicit CSteelBeamOutputDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    // The page shows the calculated results and takes the calculated area back.
    bool IsResultPage() const override { return true; }

    // Stirrup area per metre (mm²) of diameter d (mm) at spacing s (mm), truncated; 0 when d or
    // s is not positive or the area is beyond an int.
    static int StirrupAreaPerMetre(int d, int s);

    // --- event handlers ---
    void OnChangeDiaSpace();
    void OnSelectScheme();

protected:
    using ThisClass = CSteelBeamOutputDlg;
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    int m_nAsv = 0;      // calculated area, as shown
    int m_nAsvReal = 0;  // provided area
    std::string m_strDia;
    std::string m_strSpace;
    std::string m_strNormalResult, m_strShearCompResult, m_strDeflectionResult, m_strCrackResult;
};
