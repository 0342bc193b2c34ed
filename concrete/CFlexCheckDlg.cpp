// Input page of the deflection check: fields, section picture, enabling rules and checks.
#include "concrete/CFlexCheckDlg.h"

#include <cstring>

#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "concrete/CFlexCheckParam.h"

namespace {

// Which persisted key each numeric edit edits (its range comes from the parameter class).
struct EditKey {
    int id;
    const char* key;
};

constexpr EditKey kEditKeys[] = {
    {CFlexCheckDlg::IDC_EDIT_B, "/m_dB"},
    {CFlexCheckDlg::IDC_EDIT_H, "/m_dH"},
    {CFlexCheckDlg::IDC_EDIT_BF1, "/m_dBf1"},
    {CFlexCheckDlg::IDC_EDIT_HF1, "/m_dHf1"},
    {CFlexCheckDlg::IDC_EDIT_BF2, "/m_dBf2"},
    {CFlexCheckDlg::IDC_EDIT_HF2, "/m_dHf2"},
    {CFlexCheckDlg::IDC_EDIT_LO, "/m_dLo"},
    {CFlexCheckDlg::IDC_EDIT_AS, "/m_dAs"},
    {CFlexCheckDlg::IDC_EDIT_QGK, "/m_dQgk"},
    {CFlexCheckDlg::IDC_EDIT_QQK, "/m_dQqk"},
    {CFlexCheckDlg::IDC_EDIT_YQ, "/m_dYq"},
    {CFlexCheckDlg::IDC_EDIT_AREAOFSL, "/m_dAreaOfSL"},
    {CFlexCheckDlg::IDC_EDIT_AREAOFSY, "/m_dAreaOfSY"},
    {CFlexCheckDlg::IDC_EDIT_RATIO, "/m_dMaxFlexRatio"},
};

const FlexInputRange* RangeOfEdit(int id) {
    for (const EditKey& e : kEditKeys) {
        if (e.id != id) {
            continue;
        }
        for (const FlexInputRange& range : CFlexCheckParam::InputRanges()) {
            if (std::strcmp(range.key, e.key) == 0) {
                return &range;
            }
        }
    }
    return nullptr;
}

constexpr VexaFieldControl kFieldControls[] = {
    {"/m_dB", CFlexCheckDlg::IDC_EDIT_B},
    {"/m_dH", CFlexCheckDlg::IDC_EDIT_H},
    {"/m_dBf1", CFlexCheckDlg::IDC_EDIT_BF1},
    {"/m_dHf1", CFlexCheckDlg::IDC_EDIT_HF1},
    {"/m_dBf2", CFlexCheckDlg::IDC_EDIT_BF2},
    {"/m_dHf2", CFlexCheckDlg::IDC_EDIT_HF2},
    {"/m_dLo", CFlexCheckDlg::IDC_EDIT_LO},
    {"/m_dAs", CFlexCheckDlg::IDC_EDIT_AS},
    {"/m_strCode", CFlexCheckDlg::IDC_EDIT_CODE},
    {"/m_strSecType", CFlexCheckDlg::IDC_COMBO_SECTYPE},
    {"/m_strZCType", CFlexCheckDlg::IDC_COMBO_ZCTYPE},
    {"/m_dQgk", CFlexCheckDlg::IDC_EDIT_QGK},
    {"/m_dQqk", CFlexCheckDlg::IDC_EDIT_QQK},
    {"/m_dYq", CFlexCheckDlg::IDC_EDIT_YQ},
    {"/m_strConGrade", CFlexCheckDlg::IDC_COMBO_CONGRADE},
    {"/m_strSteelGrade", CFlexCheckDlg::IDC_COMBO_STEELGRADE},
    {"/m_dAreaOfSL", CFlexCheckDlg::IDC_EDIT_AREAOFSL},
    {"/m_dAreaOfSY", CFlexCheckDlg::IDC_EDIT_AREAOFSY},
    {"/m_bYToBeOne", CFlexCheckDlg::IDC_CHECK_YTOBEONE},
    {"/m_strCalMaxFlexType", CFlexCheckDlg::IDC_COMBO_CALTYPE},
    {"/m_dMaxFlexRatio", CFlexCheckDlg::IDC_EDIT_RATIO},
    {"/m_strObjStype", CFlexCheckDlg::IDC_COMBO_OBJTYPE},
    {"/m_bIsRequalWell", CFlexCheckDlg::IDC_CHECK_REQUALWELL},
};

}  // namespace

CFlexCheckDlg::CFlexCheckDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {
    CQuorConcrete::GetConcreteGradeString(m_concreteGrades);
    CQuorSteelBar::GetSteelBarGradeString(m_steelGrades);
}

std::span<const VexaMsgMapEntry> CFlexCheckDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_CODE, OnKillfocusCode),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_B, OnKillfocusB),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusH),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_BF1, OnKillfocusBf1),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_HF1, OnKillfocusHf1),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_BF2, OnKillfocusBf2),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_HF2, OnKillfocusHf2),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LO, OnKillfocusLo),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AS, OnKillfocusAs),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_QGK, OnKillfocusQgk),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_QQK, OnKillfocusQqk),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_YQ, OnKillfocusYq),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AREAOFSL, OnKillfocusAreaOfSL),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AREAOFSY, OnKillfocusAreaOfSY),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_RATIO, OnKillfocusRatio),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_SECTYPE, OnSelchangeSecType),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_ZCTYPE, OnSelchangeZCType),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_CONGRADE, OnSelchangeConGrade),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_STEELGRADE, OnSelchangeSteelGrade),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_CALTYPE, OnSelchangeCalType),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_OBJTYPE, OnSelchangeObjType),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_YTOBEONE, OnClickedYToBeOne),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_REQUALWELL, OnClickedRequalWell),
    };
    return map;
}

std::span<const VexaFieldControl> CFlexCheckDlg::GetFieldControls() const { return kFieldControls; }

int CFlexCheckDlg::SectionBitmapId(const std::string& secType) {
    if (secType == "T形") {
        return 426;
    }
    if (secType == "倒T形") {
        return 427;
    }
    if (secType == "I形(对称)" || secType == "I形( 非对称)") {
        return 428;
    }
    return 425;
}

int CFlexCheckDlg::OnInitDialog() {
    CVexaCaltDlg::OnInitDialog();
    ResetComboBox(IDC_COMBO_CONGRADE, m_concreteGrades);
    ResetComboBox(IDC_COMBO_STEELGRADE, m_steelGrades);
    SetPicture(IDC_PICTURE_SECTION, m_nSectionBitmap);
    return 1;
}

int CFlexCheckDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CFlexCheckParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    GetEditText(IDC_EDIT_B, m_dB);
    GetEditText(IDC_EDIT_H, m_dH);
    GetEditText(IDC_EDIT_BF1, m_dBf1);
    GetEditText(IDC_EDIT_HF1, m_dHf1);
    GetEditText(IDC_EDIT_BF2, m_dBf2);
    GetEditText(IDC_EDIT_HF2, m_dHf2);
    GetEditText(IDC_EDIT_LO, m_dLo);
    GetEditText(IDC_EDIT_AS, m_dAs);
    GetEditText(IDC_EDIT_CODE, m_strCode);
    m_strSecType = GetComboBoxText(IDC_COMBO_SECTYPE);
    m_strZCType = GetComboBoxText(IDC_COMBO_ZCTYPE);
    GetEditText(IDC_EDIT_QGK, m_dQgk);
    GetEditText(IDC_EDIT_QQK, m_dQqk);
    GetEditText(IDC_EDIT_YQ, m_dYq);
    m_strConGrade = GetComboBoxText(IDC_COMBO_CONGRADE);
    m_strSteelGrade = GetComboBoxText(IDC_COMBO_STEELGRADE);
    GetEditText(IDC_EDIT_AREAOFSL, m_dAreaOfSL);
    GetEditText(IDC_EDIT_AREAOFSY, m_dAreaOfSY);
    m_bYToBeOne = GetCheckData(IDC_CHECK_YTOBEONE);
    m_strCalMaxFlexType = GetComboBoxText(IDC_COMBO_CALTYPE);
    GetEditText(IDC_EDIT_RATIO, m_dMaxFlexRatio);
    m_strObjStype = GetComboBoxText(IDC_COMBO_OBJTYPE);
    m_bIsRequalWell = GetCheckData(IDC_CHECK_REQUALWELL);
    if (m_strSecType == "I形(对称)") {
        m_dBf2 = m_dBf1;
        m_dHf2 = m_dHf1;
    }

    p->m_dB = m_dB;
    p->m_dH = m_dH;
    p->m_dBf1 = m_dBf1;
    p->m_dHf1 = m_dHf1;
    p->m_dBf2 = m_dBf2;
    p->m_dHf2 = m_dHf2;
    p->m_dLo = m_dLo;
    p->m_dAs = m_dAs;
    p->m_strNumber = m_strCode;
    p->m_strSecType = m_strSecType;
    p->m_strZCType = m_strZCType;
    p->m_dQgk = m_dQgk;
    p->m_dQqk = m_dQqk;
    p->m_dYq = m_dYq;
    p->m_strConGrade = m_strConGrade;
    p->m_strSteelGrade = m_strSteelGrade;
    p->m_dAreaOfSL = m_dAreaOfSL;
    p->m_dAreaOfSY = m_dAreaOfSY;
    p->m_bYToBeOne = m_bYToBeOne;
    p->m_strCalMaxFlexType = m_strCalMaxFlexType;
    p->m_dMaxFlexRatio = m_dMaxFlexRatio;
    p->m_strObjStype = m_strObjStype;
    p->m_bIsRequalWell = m_bIsRequalWell;
    return 1;
}

int CFlexCheckDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CFlexCheckParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    // The result box always shows the verdict of the inputs as they stand.
    Calculate();

    m_dB = p->m_dB;
    m_dH = p->m_dH;
    m_dBf1 = p->m_dBf1;
    m_dHf1 = p->m_dHf1;
    m_dBf2 = p->m_dBf2;
    m_dHf2 = p->m_dHf2;
    m_dLo = p->m_dLo;
    m_dAs = p->m_dAs;
    m_strCode = p->m_strNumber;
    m_strSecType = p->m_strSecType;
    m_strZCType = p->m_strZCType;
    m_dQgk = p->m_dQgk;
    m_dQqk = p->m_dQqk;
    m_dYq = p->m_dYq;
    m_strConGrade = p->m_strConGrade;
    m_strSteelGrade = p->m_strSteelGrade;
    m_dAreaOfSL = p->m_dAreaOfSL;
    m_dAreaOfSY = p->m_dAreaOfSY;
    m_bYToBeOne = p->m_bYToBeOne;
    m_strCalMaxFlexType = p->m_strCalMaxFlexType;
    m_dMaxFlexRatio = p->m_dMaxFlexRatio;
    m_strObjStype = p->m_strObjStype;
    m_bIsRequalWell = p->m_bIsRequalWell;
    m_strResult = p->m_strResult;

    SetEditText(IDC_EDIT_CODE, m_strCode);
    SetComboBoxText(IDC_COMBO_SECTYPE, m_strSecType);
    SetComboBoxText(IDC_COMBO_ZCTYPE, m_strZCType);
    SetComboBoxText(IDC_COMBO_CONGRADE, m_strConGrade);
    SetComboBoxText(IDC_COMBO_STEELGRADE, m_strSteelGrade);
    SetEditText(IDC_EDIT_B, m_dB);
    SetEditText(IDC_EDIT_H, m_dH);
    SetEditText(IDC_EDIT_BF1, m_dBf1);
    SetEditText(IDC_EDIT_HF1, m_dHf1);
    SetEditText(IDC_EDIT_BF2, m_dBf2);
    SetEditText(IDC_EDIT_HF2, m_dHf2);
    SetEditText(IDC_EDIT_LO, m_dLo);
    SetEditText(IDC_EDIT_AS, m_dAs);
    SetEditText(IDC_EDIT_QGK, m_dQgk);
    SetEditText(IDC_EDIT_QQK, m_dQqk);
    SetEditText(IDC_EDIT_YQ, m_dYq);
    SetEditText(IDC_EDIT_AREAOFSL, m_dAreaOfSL);
    SetEditText(IDC_EDIT_AREAOFSY, m_dAreaOfSY);
    SetCheckData(IDC_CHECK_YTOBEONE, m_bYToBeOne);
    SetComboBoxText(IDC_COMBO_CALTYPE, m_strCalMaxFlexType);
    SetEditText(IDC_EDIT_RATIO, m_dMaxFlexRatio);
    SetComboBoxText(IDC_COMBO_OBJTYPE, m_strObjStype);
    SetCheckData(IDC_CHECK_REQUALWELL, m_bIsRequalWell);
    UpdateSectionControls();
    UpdateLimitControls();
    SetWindowTextW(IDC_EDIT_RESULT, m_strResult);
    return 1;
}

int CFlexCheckDlg::ValidateData() { return 1; }

int CFlexCheckDlg::VerifyData(CVexaParam* param, CStringArray& /*advice*/, CStringArray& errors) {
    auto* p = dynamic_cast<CFlexCheckParam*>(param);
    if (p == nullptr) {
        return 1;
    }
    const std::string message = p->CheckInput();
    if (!message.empty()) {
        errors.push_back(message);
        return 0;
    }
    return 1;
}

void CFlexCheckDlg::UpdateSectionControls() {
    const std::string sec = GetComboBoxText(IDC_COMBO_SECTYPE);
    m_nSectionBitmap = SectionBitmapId(sec);
    SetPicture(IDC_PICTURE_SECTION, m_nSectionBitmap);

    const bool tension = sec == "倒T形" || sec == "I形(对称)" || sec == "I形( 非对称)";
    const bool compression = sec == "T形" || sec == "I形( 非对称)";
    EnableWindow(IDC_EDIT_BF1, tension);
    EnableWindow(IDC_EDIT_HF1, tension);
    EnableWindow(IDC_EDIT_BF2, compression);
    EnableWindow(IDC_EDIT_HF2, compression);
    if (sec == "I形(对称)") {
        // the compression flange shows the tension flange's values
        SetEditText(IDC_EDIT_BF2, GetEditText(IDC_EDIT_BF1));
        SetEditText(IDC_EDIT_HF2, GetEditText(IDC_EDIT_HF1));
    }
}

void CFlexCheckDlg::UpdateLimitControls() {
    const bool automatic = GetComboBoxText(IDC_COMBO_CALTYPE) == "自动计算";
    EnableWindow(IDC_EDIT_RATIO, !automatic);
    EnableWindow(IDC_COMBO_OBJTYPE, automatic);
    EnableWindow(IDC_CHECK_REQUALWELL, automatic && GetComboBoxText(IDC_COMBO_OBJTYPE) == "屋盖楼盖及楼梯构件");
}

void CFlexCheckDlg::SyncAll() {
    SaveAllData();
    LoadAllData();
}

double* CFlexCheckDlg::EditField(int id) {
    switch (id) {
    case IDC_EDIT_B: return &m_dB;
    case IDC_EDIT_H: return &m_dH;
    case IDC_EDIT_BF1: return &m_dBf1;
    case IDC_EDIT_HF1: return &m_dHf1;
    case IDC_EDIT_BF2: return &m_dBf2;
    case IDC_EDIT_HF2: return &m_dHf2;
    case IDC_EDIT_LO: return &m_dLo;
    case IDC_EDIT_AS: return &m_dAs;
    case IDC_EDIT_QGK: return &m_dQgk;
    case IDC_EDIT_QQK: return &m_dQqk;
    case IDC_EDIT_YQ: return &m_dYq;
    case IDC_EDIT_AREAOFSL: return &m_dAreaOfSL;
    case IDC_EDIT_AREAOFSY: return &m_dAreaOfSY;
    case IDC_EDIT_RATIO: return &m_dMaxFlexRatio;
    default: return nullptr;
    }
}

int CFlexCheckDlg::CheckEdit(int id) {
    const FlexInputRange* range = RangeOfEdit(id);
    double* field = EditField(id);
    if (range == nullptr || field == nullptr) {
        return 1;
    }
    double value = 0;
    if (!ValidateEditValue(id, value, range->upper, range->lower, -1)) {
        SetEditText(id, *field);
        return 0;
    }
    return 1;
}

void CFlexCheckDlg::OnKillfocusCode() { SyncAll(); }

void CFlexCheckDlg::OnKillfocusB() {
    CheckEdit(IDC_EDIT_B);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusH() {
    CheckEdit(IDC_EDIT_H);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusBf1() {
    if (CheckEdit(IDC_EDIT_BF1) && GetComboBoxText(IDC_COMBO_SECTYPE) == "I形(对称)") {
        SetEditText(IDC_EDIT_BF2, GetEditText(IDC_EDIT_BF1));
    }
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusHf1() {
    if (CheckEdit(IDC_EDIT_HF1) && GetComboBoxText(IDC_COMBO_SECTYPE) == "I形(对称)") {
        SetEditText(IDC_EDIT_HF2, GetEditText(IDC_EDIT_HF1));
    }
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusBf2() {
    CheckEdit(IDC_EDIT_BF2);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusHf2() {
    CheckEdit(IDC_EDIT_HF2);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusLo() {
    CheckEdit(IDC_EDIT_LO);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusAs() {
    CheckEdit(IDC_EDIT_AS);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusQgk() {
    CheckEdit(IDC_EDIT_QGK);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusQqk() {
    CheckEdit(IDC_EDIT_QQK);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusYq() {
    CheckEdit(IDC_EDIT_YQ);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusAreaOfSL() {
    CheckEdit(IDC_EDIT_AREAOFSL);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusAreaOfSY() {
    CheckEdit(IDC_EDIT_AREAOFSY);
    SyncAll();
}

void CFlexCheckDlg::OnKillfocusRatio() {
    CheckEdit(IDC_EDIT_RATIO);
    SyncAll();
}

void CFlexCheckDlg::OnSelchangeSecType() {
    UpdateSectionControls();
    SyncAll();
}

void CFlexCheckDlg::OnSelchangeZCType() { SyncAll(); }

void CFlexCheckDlg::OnSelchangeConGrade() { SyncAll(); }

void CFlexCheckDlg::OnSelchangeSteelGrade() { SyncAll(); }

void CFlexCheckDlg::OnSelchangeCalType() {
    UpdateLimitControls();
    SyncAll();
}

void CFlexCheckDlg::OnSelchangeObjType() {
    UpdateLimitControls();
    SyncAll();
}

void CFlexCheckDlg::OnClickedYToBeOne() { SyncAll(); }

void CFlexCheckDlg::OnClickedRequalWell() { SyncAll(); }
