// Masonry design compressive strength f by unit type, unit grade and mortar grade (GB 50003-2001 3.2.1).
#pragma once

#include <string>

#include "VexaTypes.h"

// Design compressive strength f (N/mm²) of masonry from GB 50003-2001 tables 3.2.1-1 … 3.2.1-6.
// Returns -1 when the unit type is unknown, the grade or mortar is not a label of the type's table,
// or the table has no value for that combination. Texts are matched exactly.
double GetMasonryFc(const std::string& grade, const std::string& unitType, const std::string& mortar);

// The eleven unit types, in the order the input pages list them.
void GetMasonryUnitTypes(CStringArray& types);

// Unit grades of the unit type's table, ascending ("MU10" … "MU30" for fired bricks); empty for an unknown type.
void GetMasonryGrades(const std::string& unitType, CStringArray& grades);

// Mortar grades of the unit type's table, ascending from "0" ("0", "M2.5" … "M15" for fired bricks);
// empty for an unknown type.
void GetMasonryMortars(const std::string& unitType, CStringArray& mortars);
