// The calculation-page base: the framework's slots a page overrides, range checks of edits,
// and the framework operations a page calls (SaveAllData, LoadAllData, VerifyData).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "CVexaDlg.h"
#include "CVexaParam.h"
#include "VexaTypes.h"

class CVexaTabDlg;

// Which control of a page edits a persisted field (for front ends and the program's --set).
struct VexaFieldControl {
    const char* key;  // persisted key literal as in the parameter class's table
    int id;           // control id; for a radio group, the first radio of the group
};

// A persisted flag that has no control of its own but an entry of a drop list that stands for it
// (the "自动" entry of a coefficient list): 1 picks the entry, 0 leaves it for the value the list
// held (the list's own field, bound to the same control).
struct VexaFlagEntry {
    const char* key;    // persisted key literal of the flag
    int id;             // the drop list
    const char* entry;  // the entry that means 1
};

// The value a radio button gives the field of its group, where that is not its place in the group.
struct VexaRadioCode {
    int id;     // the radio button
    int code;   // the field's value when it is chosen
};

class CVexaCaltDlg : public CVexaDlg {
public:
    explicit CVexaCaltDlg(int templateId, CVexaDlg* parent = nullptr);

    // Page slots, in the framework's order.
    virtual int SaveToParam(CVexaParam* param);
    virtual int LoadFromParam(CVexaParam* param);
    // Cross-field checks: advisory messages into `advice`, errors into `errors`; returns 0 when
    // it appended a message.
    virtual int VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors);
    virtual void OnSelchangeTab(int index);
    // Range checks of the page's fields; 0 when any fails.
    virtual int ValidateData();
    // Runs the parameter object's DoCalculate.
    virtual int Calculate();

    // Field-to-control bindings of this page. A field bound to a button is edited in the modal
    // dialog that button opens (the dialog binds the same key to its own control).
    virtual std::span<const VexaFieldControl> GetFieldControls() const { return {}; }
    // Flags set through an entry of one of the page's lists.
    virtual std::span<const VexaFlagEntry> GetFlagEntries() const { return {}; }
    // The values the radio buttons of a bound group give its field, for a page whose values are
    // not the buttons' places in the group (0, 1, …).
    virtual std::span<const VexaRadioCode> GetRadioCodes() const { return {}; }
    // Persisted fields that the page shows or the calculation finds but the user does not enter
    // (the result line, the properties of a chosen section): a setting of one is taken and told
    // to be calculated, its value not used.
    virtual std::span<const char* const> GetDerivedKeys() const { return {}; }
    // The fields that the keys of GetFieldControls name: the parameter object's fields, or for a
    // drawing page its drawing parameters (keys "<section>/<key>").
    virtual std::vector<VexaField> GetBoundFields();
    // A list that the user fills by moves between lists (not by typing): applies the whole list
    // `values` to control `id` as the user's moves would. Refuses with a message for the user.
    virtual bool SetListValues(int id, const std::vector<int>& values, std::string& message);
    // A result page ("计算结果"): shows the calculated results and takes the user's revisions
    // after the calculation.
    virtual bool IsResultPage() const { return false; }
    // The drawing page's "绘制" button; 0 for pages that do not draw.
    virtual int GetDrawButtonId() const { return 0; }
    // The framework's message box (caption "QUOR提醒您"): a message of the run for the user.
    void MessageBox(const std::string& text);

    CVexaParam* GetParam() const;
    CVexaTabDlg* GetTabDlg() const { return m_pTabDlg; }
    void SetTabDlg(CVexaTabDlg* tab) { m_pTabDlg = tab; }
    // The tab dialog's calculation type; nonzero: pages hide their own "计算" button.
    int GetTabDlgCaltType() const;
    // All pages to / from the parameter object.
    void SaveAllData();
    void LoadAllData();
    // Framework check of all pages (ranges, then cross-field); nonzero to go on.
    int VerifyData(int bShow);
    // What a page's own "计算" button does: SaveAllData, VerifyData(1), the page's Calculate
    // when that passes, then LoadAllData.
    void RunPageCalculation();

    // Reads control `id`'s number into `value`; when it lies above `upper` or below `lower`
    // (the upper bound tested first) records a range message naming the control's label and
    // returns 0. Disabled or hidden controls are read but not checked. `flag` is -1 at every call.
    int ValidateEditValue(int id, double& value, double upper, double lower, int flag = -1);
    int ValidateEditValue(int id, int& value, int upper, int lower);

private:
    CVexaTabDlg* m_pTabDlg = nullptr;
};
