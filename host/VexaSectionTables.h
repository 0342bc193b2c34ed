// The steel-section tables the section library serves: each family's name, the standard its rows
// come from, its column names and its rows, and the families of the user's own sections.
//
// Units of the stored columns, as the standards print them: dimensions mm, area A cm², moments
// of inertia I cm⁴, section moduli W cm³, radii of gyration i cm, theoretical mass kg/m.
#pragma once

#include <string>
#include <vector>

struct VexaSectionTable {
    const char* name;                  // the table (family) name, e.g. "热轧普通工字钢"
    const char* source;                // the standard the rows come from
    std::vector<std::string> columns;  // column 0 is the designation ("I63b")
    int mainColumns;                   // columns 1 … mainColumns: the plate dimensions
    const char* rows;                  // one row a line, cells separated by blanks, in column order
};

// The system tables, in the order the picker and `vexa sections` list them.
const std::vector<VexaSectionTable>& VexaSectionTables();
// Families that exist only in the user's table (no system rows), with their columns.
const std::vector<VexaSectionTable>& VexaUserSectionFamilies();
