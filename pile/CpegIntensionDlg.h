// Input page of the pile shaft strength calculation (template 422): known condition, pile type and section, result.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "CVexaCaltDlg.h"

class CPegIntensionParam;

class CpegIntensionDlg : public CVexaCaltDlg {
public:
    using ThisClass = CpegIntensionDlg;

    static constexpr int kTemplateId = 422;

    // Control ids of template 422 (resources/dialogs/422.json).
    enum : int {
        IDC_GROUP_PROJECT = 1001,
        IDC_STATIC_NUMBER = 1002,
        IDC_EDIT_NUMBER = 1003,
        IDC_STATIC_KNOWN = 1004,
        IDC_COMBO_KNOWN = 1005,
        IDC_STATIC_CALKIND = 1006,
        IDC_COMBO_CALKIND = 1007,
        IDC_GROUP_SHAPE = 1010,
        IDC_RADIO_SQUARE = 1011,
        IDC_RADIO_ROUND = 1012,
        IDC_PICTURE_SECTION = 1013,
        IDC_GROUP_SECTION = 1020,
        IDC_STATIC_PEGSTYLE = 1021,
        IDC_COMBO_PEGSTYLE = 1022,
        IDC_STATIC_WORKCOND = 1023,
        IDC_COMBO_WORKCOND = 1024,
        IDC_STATIC_DIA = 1025,
        IDC_EDIT_DIA = 1026,
        IDC_STATIC_H = 1027,
        IDC_EDIT_H = 1028,
        IDC_STATIC_OPC = 1029,
        IDC_EDIT_OPC = 1030,
        IDC_STATIC_T = 1031,
        IDC_EDIT_T = 1032,
        IDC_GROUP_CALC = 1040,
        IDC_STATIC_RA = 1041,
        IDC_EDIT_RA = 1042,
        IDC_STATIC_RZ = 1043,
        IDC_COMBO_RZ = 1044,
        IDC_STATIC_GRADE = 1045,
        IDC_COMBO_GRADE = 1046,
        IDC_STATIC_RESULT = 1047,
        IDC_EDIT_RESULT = 1048,
        IDC_BUTTON_CALC = 1049,
    };

    // Section pictures of the page: solid square, solid round, hollow square, hollow round.
    static constexpr int IDB_PEG_SQUARE = 4221;
    static constexpr int IDB_PEG_ROUND = 4222;
    static constexpr int IDB_PEG_HOLLOW_SQUARE = 4223;
    static constexpr int IDB_PEG_HOLLOW_ROUND = 4224;

    explicit CpegIntensionDlg(CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int SaveToParam(CVexaParam* param) override;
    int LoadFromParam(CVexaParam* param) override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    int ValidateData() override;
    using CVexaCaltDlg::VerifyData;

    std::span<const VexaFieldControl> GetFieldControls() const override;
    std::span<const char* const> GetDerivedKeys() const override;
    std::span<const VexaFlagEntry> GetFlagEntries() const override;

    // Event handlers.
    void OnSelchangeKnown();
    void OnSelchangePegStyle();
    void OnRadioSquare();
    void OnRadioRound();
    void OnButtonCalc();
    void OnKillfocusEdit();

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // "计算要求:" for the known condition; `first` is selected when it is an entry, else the first entry.
    void FillCalKind(const std::string& first);
    // Load label and enabling of the load edit and the grade list by the known condition.
    void UpdateKnownCondition();
    // Prestress and wall-thickness labels and edits enabled only for a prestressed pile.
    void UpdatePrestress();
    // The grade list for the pile type, its first entry selected.
    void FillGradeList();
    // Width/diameter label and the depth label and edit by the section shape.
    void UpdateShape();
    // The section picture by shape and pile type.
    void UpdatePicture();
    // Selects `text` in drop list `id` when it is an entry; returns false (and leaves the
    // selection) otherwise.
    bool SelectEntry(int id, const std::string& text);

    int m_nPegKind = 0;  // section shape chosen by the radio pair
};
