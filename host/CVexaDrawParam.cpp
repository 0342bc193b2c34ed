// Drawing-parameter persistence under a section name.
#include "CVexaDrawParam.h"

#include "CVexaMainInfo.h"
#include "CVexaSave.h"

int CVexaDrawParam::SaveParam(const std::string& section) {
    CVexaSaveBatch batch;
    std::vector<VexaDrawValue> saved;
    for (VexaField& field : GetFields()) {
        const std::string key = section + "/" + std::string(field.key);
        std::visit([&](auto* p) { CVexaSave::SetValue(key, *p); }, field.ptr);
        saved.push_back(VexaDrawValue{std::string(field.key), VexaFieldTypeName(field), VexaFieldText(field)});
    }
    // The drawing command that follows reads what was saved here.
    g_VexaMainInfo.SetSavedDrawParams(section, std::move(saved));
    return 1;
}

int CVexaDrawParam::LoadParam(const std::string& section) {
    for (VexaField& field : GetFields()) {
        const std::string key = section + "/" + std::string(field.key);
        std::visit(
            [&](auto* p) {
                auto current = *p;
                CVexaSave::GetValue(key, *p, current);
            },
            field.ptr);
    }
    return 1;
}
