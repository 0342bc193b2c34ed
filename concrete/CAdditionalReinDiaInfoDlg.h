// Modal dialog "箍筋优选直径信息" / "吊筋优选直径信息" (template 278): the diameter lists the design chooses from, kept by moves between lists.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "CVexaCaltDlg.h"

class CAdditionalReinDiaInfoDlg : public CVexaCaltDlg {
public:
    using ThisClass = CAdditionalReinDiaInfoDlg;

    static constexpr int IDD = 278;
    enum Mode { kStirrups = 0, kHangers = 1 };

    // Control ids of template 278 (resources/dialogs/278.json).
    enum : int {
        IDC_GROUP_DIA = 1001,
        IDC_STATIC_ALL = 1002,
        IDC_LIST_ALL = 1003,
        IDC_BUTTON_ADDRANGE = 1004,
        IDC_BUTTON_DELRANGE = 1005,
        IDC_STATIC_RANGE = 1006,
        IDC_LIST_RANGE = 1007,
        IDC_BUTTON_ADDBEST = 1008,
        IDC_BUTTON_DELBEST = 1009,
        IDC_STATIC_BEST = 1010,
        IDC_LIST_BEST = 1011,
    };

    // The standard bar diameters of the list "直径", mm.
    static const std::vector<int>& StandardDiameters();

    // `range` is the selection range (not shown for hangers), `best` the optimal list; the
    // dialog works on copies that the opener takes back after IDOK.
    CAdditionalReinDiaInfoDlg(Mode mode, std::vector<int> range, std::vector<int> best, CVexaDlg* parent = nullptr);

    int OnInitDialog() override;
    int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) override;
    using CVexaCaltDlg::VerifyData;
    std::span<const VexaFieldControl> GetFieldControls() const override;
    // Applies a whole list through the moves the user would make; refuses diameters that the
    // list cannot take, naming the ones it can.
    bool SetListValues(int id, const std::vector<int>& values, std::string& message) override;

    Mode GetMode() const { return m_mode; }
    const std::string& GetTitle() const { return m_strTitle; }
    const std::vector<int>& GetRange() const { return m_range; }
    const std::vector<int>& GetBest() const { return m_best; }

    // Event handlers.
    void OnAddFromAll();    // ">>" at "直径" or a double click in it
    void OnDelAtRange();    // "<<" at "选择范围" (the optimal list for hangers)
    void OnAddFromRange();  // ">>" at "选择范围" or a double click in it
    void OnDelAtBest();     // "<<" at "最优直径"

protected:
    std::span<const VexaMsgMapEntry> GetMessageMap() const override;

private:
    // Inserts `d` before the first larger entry unless present; the list box follows and
    // selects it. Returns false when it was there already.
    bool Insert(std::vector<int>& list, int listId, int d);
    // Removes the selected entry of list box `listId` from `list`; the selection moves to the
    // previous entry. Returns the removed diameter, 0 when nothing was selected.
    int RemoveSelected(std::vector<int>& list, int listId);
    void Fill(int listId, const std::vector<int>& list, int sel);
    static int IndexOf(const std::vector<int>& list, int d);

    Mode m_mode;
    std::vector<int> m_range;
    std::vector<int> m_best;
    std::string m_strTitle;
};
