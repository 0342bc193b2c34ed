// The parameter-object base: default slots and field-table persistence.
#include "CVexaParam.h"

#include <charconv>

#include "CVexaSave.h"
#include "VexaSprintf.h"

namespace {
std::string ShortestDouble(double value) {
    char buf[64];
    return std::string(buf, vexa_printf::WriteShortest(buf, buf + sizeof buf, value));
}
}  // namespace

std::vector<VexaField> VexaPrefixFields(std::vector<VexaField> fields, const std::string& prefix) {
    for (VexaField& field : fields) {
        field = VexaField(prefix + std::string(field.key), field.ptr);
    }
    return fields;
}

std::string VexaFieldText(const VexaField& field) {
    struct Visitor {
        std::string operator()(double* p) const { return ShortestDouble(*p); }
        std::string operator()(int* p) const { return std::to_string(*p); }
        std::string operator()(std::string* p) const { return *p; }
        std::string operator()(std::vector<int>* p) const {
            std::string out;
            for (std::size_t i = 0; i < p->size(); ++i) {
                out += (i ? "," : "") + std::to_string((*p)[i]);
            }
            return out;
        }
    };
    return std::visit(Visitor{}, field.ptr);
}

const char* VexaFieldTypeName(const VexaField& field) {
    static const char* const names[] = {"double", "int", "text", "int[]"};
    return names[field.ptr.index()];
}

CVexaParam::CVexaParam() = default;
CVexaParam::~CVexaParam() = default;

CVexaParam& CVexaParam::operator=(const CVexaParam& other) {
    if (this != &other) {
        m_ResultWord = other.m_ResultWord;
        m_CalcBookWord = other.m_CalcBookWord;
        m_strNumber = other.m_strNumber;
        m_strResult = other.m_strResult;
        m_bBookWanted = other.m_bBookWanted;
    }
    return *this;
}

int CVexaParam::ReadParam(const std::string&) { return 1; }
int CVexaParam::WriteParam(const std::string&) { return 1; }
int CVexaParam::DoCalculate() { return 1; }
int CVexaParam::WriteResult() { return 1; }
int CVexaParam::WriteCalcBook() { return 1; }
void CVexaParam::SetCmdInfo() {}
void CVexaParam::InitDefaultParam() {}
int CVexaParam::ShowHelp() { return 1; }

std::vector<VexaField> CVexaParam::GetFields() { return {}; }
std::vector<VexaField> CVexaParam::GetResultFields() { return {}; }

int CVexaParam::ReadFields(const std::string& section) {
    std::string key;
    for (VexaField& field : GetFields()) {
        key.assign(section).append(field.key);
        std::visit(
            [&](auto* p) {
                auto current = *p;
                CVexaSave::GetValue(key, *p, current);
            },
            field.ptr);
    }
    return 1;
}

int CVexaParam::WriteFields(const std::string& section) {
    if (CVexaSave::IsSnapshot()) {
        return 1;   // a store read as a snapshot takes no writes
    }
    CVexaSaveBatch batch;
    std::string key;
    for (VexaField& field : GetFields()) {
        key.assign(section).append(field.key);
        std::visit([&](auto* p) { CVexaSave::SetValue(key, *p); }, field.ptr);
    }
    return 1;
}
