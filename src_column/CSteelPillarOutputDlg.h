// Result page of the steel-reinforced-concrete column (template 453): the five verdicts beside the column schematic.
#pragma once

#include "CVexaCaltDlg.h"

class CSteelPillarOutputDlg : public CVexaCaltDlg {
public:
    static constexpr int kTemplateId = 453;
    static constexpr int IDB_COLUMN = 452;

    // Control ids of template 453 (resources/dialogs/453.json).
    enum : int {
        IDC_PICTURE_COLUMN = 1001,
        IDC_GROUP_NORMAL = 1010,
        IDC_EDIT_NORMAL = 1011,
        IDC_GROUP_STEELRATIO = 1020,
        IDC_EDIT_STEELRATIO = 1021,
        IDC_GROUP_SHEARCOMP = 1030,
        IDC_EDIT_SHEARCOMP = 1031,
        IDC_GROUP_SHEAR = 1040,
        IDC_EDIT_SHEAR = 1041,
        IDC_GROUP_AXIAL = 1050,
        IDC_EDIT_AXIAL = 1051,
    };

    explicit CSteelPillarOutputDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    // The verdicts are shown, not revised: this page takes no revisions after the calculation.
    bool IsResultPage() const override { return false; }
};
