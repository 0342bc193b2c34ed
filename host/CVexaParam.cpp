// The parameter-object base: default slots and field-table persistence.
#include "CVexaParam.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <type_traits>

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
                if (i > 0) {
                    out += ',';
                }
                out += std::to_string((*p)[i]);
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

namespace {

using FieldValue = std::variant<double, int, std::string, std::vector<int>>;

FieldValue ValueOf(const VexaField& field) {
    return std::visit([](auto* p) { return FieldValue(*p); }, field.ptr);
}

// The same value, bit for bit (a double's sign of zero and its NaNs included).
bool SameValue(const FieldValue& a, const VexaField& field) {
    return std::visit(
        [&](auto* p) {
            using T = std::remove_pointer_t<decltype(p)>;
            const T* held = std::get_if<T>(&a);
            if constexpr (std::is_same_v<T, double>) {
                return held != nullptr && std::bit_cast<std::uint64_t>(*held) == std::bit_cast<std::uint64_t>(*p);
            } else {
                return held != nullptr && *held == *p;
            }
        },
        field.ptr);
}

// What reading a section from a snapshot of the store gave: a snapshot does not change, so the
// same fields holding the same values before read the same values again. A batch reads the same
// section for every member from fresh objects.
struct SnapshotRead {
    std::uint64_t snapshot = 0;
    std::string section;
    std::vector<std::string> keys;
    std::vector<FieldValue> before, after;

    bool Serves(std::uint64_t id, const std::string& wanted, const std::vector<VexaField>& fields) const {
        if (snapshot != id || section != wanted || keys.size() != fields.size()) {
            return false;
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (keys[i] != fields[i].key || !SameValue(before[i], fields[i])) {
                return false;
            }
        }
        return true;
    }
};

constexpr std::size_t kSnapshotReads = 8;   // sections kept (a calculation reads one or a few)
thread_local std::vector<SnapshotRead> t_snapshotReads;

}  // namespace

int CVexaParam::ReadFields(const std::string& section) {
    const std::vector<VexaField> fields = GetFields();
    const std::uint64_t snapshot = CVexaSave::SnapshotId();
    if (snapshot != 0) {
        for (const SnapshotRead& read : t_snapshotReads) {
            if (read.Serves(snapshot, section, fields)) {
                for (std::size_t i = 0; i < fields.size(); ++i) {
                    std::visit([&](auto* p) { *p = std::get<std::remove_pointer_t<decltype(p)>>(read.after[i]); },
                               fields[i].ptr);
                }
                return 1;
            }
        }
    }
    SnapshotRead read;
    if (snapshot != 0) {
        read.snapshot = snapshot;
        read.section = section;
        for (const VexaField& field : fields) {
            read.keys.emplace_back(field.key);
            read.before.push_back(ValueOf(field));
        }
    }
    std::string key;
    for (const VexaField& field : fields) {
        key.assign(section).append(field.key);
        std::visit(
            [&](auto* p) {
                auto current = *p;
                CVexaSave::GetValue(key, *p, current);
            },
            field.ptr);
    }
    if (snapshot != 0) {
        for (const VexaField& field : fields) {
            read.after.push_back(ValueOf(field));
        }
        if (t_snapshotReads.size() == kSnapshotReads) {
            t_snapshotReads.erase(t_snapshotReads.begin());
        }
        t_snapshotReads.push_back(std::move(read));
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
