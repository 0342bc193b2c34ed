// Drawing-parameter base: a drawing page fills one, saves it under its section name, then
// sends the drawing command that reads it.
#pragma once

#include <string>
#include <vector>

#include "CVexaParam.h"

class CVexaDrawParam {
public:
    virtual ~CVexaDrawParam() = default;
    // The fields in the order the drawing command reads them.
    virtual std::vector<VexaField> GetFields() = 0;
    // Writes every field under section + "/" + key (one transaction) and tells the framework what
    // the drawing command will read; returns 1.
    int SaveParam(const std::string& section);
    int SaveAllData(const std::string& section) { return SaveParam(section); }
    // Reads them back, each defaulting to its current value; returns 1.
    int LoadParam(const std::string& section);
};
