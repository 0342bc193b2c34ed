// The steel-section library: the system tables of the standards, the user's own sections kept
// in the store, lookups by table and designation, and the section picker a front end provides.
//
// System tables (see VexaSectionTables.cpp for the standards and the columns):
//   "热轧普通工字钢" GB/T 706-2016, "热轧轻型工字钢" YB 163-63: columns "h(mm)", "b(mm)", "tw(mm)",
//   "t(mm)", "r(mm)", "r1(mm)"; "热轧宽翼缘H型钢" and "热轧窄翼缘H型钢" GB/T 11263-2017 (HW, HN):
//   "H(mm)", "B(mm)", "tw(mm)", "tf(mm)", "r(mm)"; "热轧普通焊接H型钢" and "热轧轻型焊接H型钢"
//   YB 3301-92 (HA, HAQ): "H(mm)", "B(mm)", "tw(mm)", "tf(mm)"; each followed by "A(cm2)",
//   "理论重量(kg/m)", "Ix(cm4)", "Wx(cm3)", "ix(cm)", "Iy(cm4)", "Wy(cm3)", "iy(cm)".
//   Units: dimensions mm, A cm², I cm⁴, W cm³, i cm, theoretical mass kg/m.
// User table: rows of any family, among them "自定义非对称H型钢" (columns "H(mm)", "B1(mm)",
//   "t1(mm)", "B2(mm)", "t2(mm)", "tw(mm)"), persisted in the store (CVexaSave) under
//   "VexaSections/<user table>/<family>/<designation>"; the default user table is "user".
// Pictures: CDataItem::GetItemBitmap names "section:<family>/<designation>"; VexaLoadPicture
//   draws it (VexaSectionSvg) from the user's row of that name, else the system row.
#pragma once

#include <string>
#include <vector>

#include "CDataItem.h"

// The families the picker offers (VisitSelJMDlg's filter); bits combine. Other bits name
// families this library does not hold (channels, angles, tubes) and offer nothing.
inline constexpr unsigned kVexaSectionIBeams = 0x0000001;  // 热轧普通工字钢, 热轧轻型工字钢
inline constexpr unsigned kVexaSectionHBeams = 0x1000000;  // the hot-rolled HW, HN and welded H tables
inline constexpr unsigned kVexaSectionUser = 0x2000000;    // every family of the user's table
// What the steel-reinforced-concrete pages ask for: I and H sections, and the user's sections.
inline constexpr unsigned kVexaSectionSrcFilter = kVexaSectionIBeams | kVexaSectionHBeams | kVexaSectionUser;

struct VexaSectionFamily {
    std::string name;
    bool user = false;  // a family of the user's table (its rows: GetUserJMItems)
    bool operator==(const VexaSectionFamily&) const = default;
};

// What the picker is asked to show.
struct VexaSectionPickRequest {
    std::string folder;                      // the installation folder the page passed
    unsigned filter = 0;
    std::vector<VexaSectionFamily> families;  // the families of the filter, system tables first
    CDataItem current;                       // the row the page shows now (may be empty)
};

// A front end that lets the user choose a section (the terminal program, a test).
class IVexaSectionPicker {
public:
    virtual ~IVexaSectionPicker() = default;
    // Returns true with the chosen row in `chosen`, false when the user gave up.
    virtual bool Pick(const VexaSectionPickRequest& request, CDataItem& chosen) = 0;
};

// The picker VisitSelJMDlg hands the choice to; nullptr = none. Returns the previous one.
IVexaSectionPicker* VexaSetSectionPicker(IVexaSectionPicker* picker);
IVexaSectionPicker* VexaGetSectionPicker();

class CLoadDataTable {
public:
    CLoadDataTable() = default;
    CLoadDataTable(const CLoadDataTable&) = default;
    CLoadDataTable& operator=(const CLoadDataTable&) = default;
    virtual ~CLoadDataTable() = default;

    // Opens the section picker on the families of `filter`, `item` being the row shown now.
    // Nonzero when a row was chosen: `item` is then that row. 0 (item unchanged) when there is
    // no picker, the user gave up, or the picker answered an empty row or one of a family the
    // filter does not offer.
    static int VisitSelJMDlg(const std::string& folder, CDataItem& item, unsigned filter);

    // The system row `section` of `table`; the empty row when there is none.
    static CDataItem GetSysTemJMItem(const std::string& table, const std::string& section);
    // The user's row `section` of `table` in user table `userTable` ("" = the default one);
    // the empty row when there is none.
    static CDataItem GetUserJMItem(const std::string& table, const std::string& section,
                                   const std::string& userTable);

    // The system tables' names, in order, and one table's rows.
    static std::vector<std::string> GetSysTemTableNames();
    static std::vector<CDataItem> GetSysTemJMItems(const std::string& table);
    // The standard a system table comes from ("GB/T 706-2016"), "" for another name.
    static std::string GetTableSource(const std::string& table);
    // The columns of a system table or of a family of the user's table that the library knows
    // ("自定义非对称H型钢"); empty for another name. Columns 1 … GetMainColumnCount are the
    // plate dimensions.
    static std::vector<std::string> GetColumnNames(const std::string& table);
    static int GetMainColumnCount(const std::string& table);

    // The families present in a user table (in name order) and their rows (in designation order).
    static std::vector<std::string> GetUserTableNames(const std::string& userTable = "");
    static std::vector<CDataItem> GetUserJMItems(const std::string& table, const std::string& userTable = "");
    // Adds the row, or replaces the user's row of the same table and designation. Refused
    // (false, nothing stored) for an empty row, a table name containing "/", a known family's
    // row whose columns differ from the family's, or plate dimensions that are not positive.
    static bool SetUserJMItem(const CDataItem& item, const std::string& userTable = "");
    // Removes the user's row; false when there was none.
    static bool RemoveUserJMItem(const std::string& table, const std::string& section,
                                 const std::string& userTable = "");

    // The families `filter` offers: system tables first, then the families of the default user
    // table.
    static std::vector<VexaSectionFamily> GetFilterTables(unsigned filter);
};
