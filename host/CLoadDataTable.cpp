// The steel-section library: system tables, the user's sections in the store, the picker hand-over
// and the pictures of sections.
#include "CLoadDataTable.h"

#include <algorithm>
#include <sstream>

#include <nlohmann/json.hpp>

#include "CVexaSave.h"
#include "VexaResource.h"
#include "VexaSectionPicture.h"
#include "VexaSectionTables.h"

namespace {

IVexaSectionPicker* g_pSectionPicker = nullptr;

constexpr const char* kStorePrefix = "VexaSections/";
constexpr const char* kDefaultUserTable = "user";

struct LoadedTable {
    const VexaSectionTable* def;
    std::vector<CDataItem> rows;
};

const std::vector<LoadedTable>& SystemTables() {
    static const std::vector<LoadedTable> tables = [] {
        std::vector<LoadedTable> loaded;
        for (const VexaSectionTable& def : VexaSectionTables()) {
            LoadedTable table{&def, {}};
            std::istringstream lines(def.rows);
            std::string line;
            while (std::getline(lines, line)) {
                std::istringstream words(line);
                std::vector<std::string> cells;
                std::string cell;
                while (words >> cell) {
                    cells.push_back(cell);
                }
                if (!cells.empty()) {
                    table.rows.emplace_back(def.name, def.columns, std::move(cells));
                }
            }
            loaded.push_back(std::move(table));
        }
        return loaded;
    }();
    return tables;
}

const LoadedTable* FindSystemTable(const std::string& table) {
    for (const LoadedTable& loaded : SystemTables()) {
        if (table == loaded.def->name) {
            return &loaded;
        }
    }
    return nullptr;
}

// The definition of a system table or of a user family the library knows, nullptr otherwise.
const VexaSectionTable* FindFamily(const std::string& table) {
    if (const LoadedTable* loaded = FindSystemTable(table)) {
        return loaded->def;
    }
    for (const VexaSectionTable& def : VexaUserSectionFamilies()) {
        if (table == def.name) {
            return &def;
        }
    }
    return nullptr;
}

std::string UserPrefix(const std::string& userTable) {
    return kStorePrefix + (userTable.empty() ? std::string(kDefaultUserTable) : userTable) + "/";
}

std::string UserKey(const std::string& table, const std::string& section, const std::string& userTable) {
    return UserPrefix(userTable) + table + "/" + section;
}

// The row stored under `key` (table `table`); the empty row for an absent, removed or damaged value.
CDataItem ReadUserRow(const std::string& key, const std::string& table) {
    std::string text;
    CVexaSave::GetValue(key, text, std::string());
    if (text.empty()) {
        return {};
    }
    const nlohmann::json doc = nlohmann::json::parse(text, nullptr, false);
    if (doc.is_discarded() || !doc.is_object()) {
        return {};
    }
    try {
        auto columns = doc.at("columns").get<std::vector<std::string>>();
        auto cells = doc.at("cells").get<std::vector<std::string>>();
        if (columns.empty() || columns.size() != cells.size()) {
            return {};
        }
        return CDataItem(table, std::move(columns), std::move(cells));
    } catch (const nlohmann::json::exception&) {
        return {};
    }
}

bool ValidName(const std::string& name) { return !name.empty() && name.find('/') == std::string::npos; }

// "section:" + family + "/" + designation: the user's row of that name, else the system row.
std::string SectionPicture(const std::string& rest) {
    const auto slash = rest.find('/');
    if (slash == std::string::npos) {
        return {};
    }
    const std::string table = rest.substr(0, slash);
    const std::string section = rest.substr(slash + 1);
    CDataItem item = CLoadDataTable::GetUserJMItem(table, section, "");
    if (item.IsEmpty()) {
        item = CLoadDataTable::GetSysTemJMItem(table, section);
    }
    return VexaSectionSvg(item);
}

[[maybe_unused]] const bool g_bSectionPictures = [] {
    VexaAddPictureSource(kVexaSectionPicturePrefix, &SectionPicture);
    return true;
}();

}  // namespace

IVexaSectionPicker* VexaSetSectionPicker(IVexaSectionPicker* picker) {
    IVexaSectionPicker* previous = g_pSectionPicker;
    g_pSectionPicker = picker;
    return previous;
}

IVexaSectionPicker* VexaGetSectionPicker() { return g_pSectionPicker; }

int CLoadDataTable::VisitSelJMDlg(const std::string& folder, CDataItem& item, unsigned filter) {
    if (g_pSectionPicker == nullptr) {
        return 0;
    }
    VexaSectionPickRequest request;
    request.folder = folder;
    request.filter = filter;
    request.families = GetFilterTables(filter);
    request.current = item;
    CDataItem chosen;
    if (!g_pSectionPicker->Pick(request, chosen) || chosen.IsEmpty()) {
        return 0;
    }
    const bool offered = std::any_of(request.families.begin(), request.families.end(),
                                     [&](const VexaSectionFamily& f) { return f.name == chosen.GetTableName(); });
    if (!offered) {
        return 0;
    }
    item = std::move(chosen);
    return 1;
}

CDataItem CLoadDataTable::GetSysTemJMItem(const std::string& table, const std::string& section) {
    if (const LoadedTable* loaded = FindSystemTable(table)) {
        for (const CDataItem& row : loaded->rows) {
            if (row.GetName() == section) {
                return row;
            }
        }
    }
    return {};
}

CDataItem CLoadDataTable::GetUserJMItem(const std::string& table, const std::string& section,
                                        const std::string& userTable) {
    if (!ValidName(table) || section.empty() || (!userTable.empty() && !ValidName(userTable))) {
        return {};
    }
    return ReadUserRow(UserKey(table, section, userTable), table);
}

std::vector<std::string> CLoadDataTable::GetSysTemTableNames() {
    std::vector<std::string> names;
    for (const LoadedTable& loaded : SystemTables()) {
        names.emplace_back(loaded.def->name);
    }
    return names;
}

std::vector<CDataItem> CLoadDataTable::GetSysTemJMItems(const std::string& table) {
    const LoadedTable* loaded = FindSystemTable(table);
    return loaded != nullptr ? loaded->rows : std::vector<CDataItem>();
}

std::string CLoadDataTable::GetTableSource(const std::string& table) {
    const LoadedTable* loaded = FindSystemTable(table);
    return loaded != nullptr ? loaded->def->source : "";
}

std::vector<std::string> CLoadDataTable::GetColumnNames(const std::string& table) {
    const VexaSectionTable* def = FindFamily(table);
    return def != nullptr ? def->columns : std::vector<std::string>();
}

int CLoadDataTable::GetMainColumnCount(const std::string& table) {
    const VexaSectionTable* def = FindFamily(table);
    return def != nullptr ? def->mainColumns : 0;
}

std::vector<std::string> CLoadDataTable::GetUserTableNames(const std::string& userTable) {
    std::vector<std::string> names;
    if (!userTable.empty() && !ValidName(userTable)) {
        return names;
    }
    const std::string prefix = UserPrefix(userTable);
    for (const std::string& key : CVexaSave::Keys(prefix)) {
        const std::string rest = key.substr(prefix.size());
        const auto slash = rest.find('/');
        if (slash == std::string::npos) {
            continue;
        }
        std::string table = rest.substr(0, slash);
        if ((names.empty() || names.back() != table) && !ReadUserRow(key, table).IsEmpty()) {
            names.push_back(std::move(table));
        }
    }
    return names;
}

std::vector<CDataItem> CLoadDataTable::GetUserJMItems(const std::string& table, const std::string& userTable) {
    std::vector<CDataItem> rows;
    if (!ValidName(table) || (!userTable.empty() && !ValidName(userTable))) {
        return rows;
    }
    const std::string prefix = UserPrefix(userTable) + table + "/";
    for (const std::string& key : CVexaSave::Keys(prefix)) {
        CDataItem row = ReadUserRow(key, table);
        if (!row.IsEmpty()) {
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

bool CLoadDataTable::SetUserJMItem(const CDataItem& item, const std::string& userTable) {
    if (item.IsEmpty() || !ValidName(item.GetTableName()) || (!userTable.empty() && !ValidName(userTable))) {
        return false;
    }
    if (const VexaSectionTable* def = FindFamily(item.GetTableName())) {
        if (item.GetColumnNames() != def->columns) {
            return false;
        }
        for (int i = 1; i <= def->mainColumns; ++i) {
            double value = 0.0;
            if (!item.GetCellValue(def->columns[static_cast<std::size_t>(i)], value) || value <= 0.0) {
                return false;
            }
        }
    }
    const nlohmann::json doc{{"columns", item.GetColumnNames()}, {"cells", item.GetCells()}};
    return CVexaSave::SetValue(UserKey(item.GetTableName(), item.GetName(), userTable), doc.dump()) == 1;
}

bool CLoadDataTable::RemoveUserJMItem(const std::string& table, const std::string& section,
                                      const std::string& userTable) {
    if (GetUserJMItem(table, section, userTable).IsEmpty()) {
        return false;
    }
    // The store keeps every key; an empty value is a removed row.
    return CVexaSave::SetValue(UserKey(table, section, userTable), std::string()) == 1;
}

std::vector<VexaSectionFamily> CLoadDataTable::GetFilterTables(unsigned filter) {
    std::vector<VexaSectionFamily> families;
    const std::vector<std::string> system = GetSysTemTableNames();
    for (const std::string& name : system) {
        const bool iBeam = name == "热轧普通工字钢" || name == "热轧轻型工字钢";
        if ((iBeam && (filter & kVexaSectionIBeams) != 0) || (!iBeam && (filter & kVexaSectionHBeams) != 0)) {
            families.push_back({name, false});
        }
    }
    if ((filter & kVexaSectionUser) != 0) {
        for (std::string& name : GetUserTableNames()) {
            families.push_back({std::move(name), true});
        }
    }
    return families;
}
