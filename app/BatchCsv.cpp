// Comma- or semicolon-separated tables: a reader tolerant of what spreadsheets write, and rows out.
#include "BatchCsv.h"

#include <array>

#include <fmt/format.h>

#include "VexaByteScan.h"

namespace {
// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size()) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((d & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))) {
            return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// The separator of the header line: the one of ',' and ';' that occurs more often outside quotes
// (',' when neither does).
char Separator(std::string_view text) {
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (char ch : text) {
        if (ch == '"') {
            quoted = !quoted;
        } else if (!quoted && (ch == '\n' || ch == '\r')) {
            break;
        } else if (!quoted && ch == ',') {
            ++commas;
        } else if (!quoted && ch == ';') {
            ++semicolons;
        }
    }
    return semicolons > commas ? ';' : ',';
}

bool Blank(const std::vector<std::string>& row) {
    for (const std::string& cell : row) {
        if (cell.find_first_not_of(" \t") != std::string::npos) {
            return false;
        }
    }
    return true;
}
}  // namespace

bool VexaReadCsv(std::string_view text, VexaBatchTable& table, std::string& error) {
    table = {};
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    if (!IsUtf8(text)) {
        error = "不是 UTF-8 编码的 CSV 文本";
        return false;
    }
    const char sep = Separator(text);
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;      // inside a quoted field
    bool wasQuoted = false;   // the field began with a quote
    int line = 1;             // line of the text the current row began on
    int rowLine = 1;
    bool headerDone = false;
    auto endRow = [&]() {
        row.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
        if (!headerDone) {
            table.header = std::move(row);
            headerDone = true;
        } else if (!Blank(row)) {
            table.rows.push_back(std::move(row));
            table.rowNumbers.push_back(rowLine);
        }
        row.clear();
        row.reserve(table.header.size());
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (ch == '\n') {
                    ++line;
                }
                field += ch;
            }
            continue;
        }
        if (ch == '"' && !wasQuoted && field.empty()) {
            quoted = true;
            wasQuoted = true;
        } else if (ch == sep) {
            row.push_back(std::move(field));
            field.clear();
            wasQuoted = false;
        } else if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            endRow();
            ++line;
            rowLine = line;
        } else {
            // Up to the next character that ends or quotes a field, at once; text after a
            // closing quote is kept as it stands.
            const std::size_t end = sep == ','
                                        ? VexaFindAny<',', '"', '\r', '\n'>(text.data(), text.size(), i + 1)
                                        : VexaFindAny<';', '"', '\r', '\n'>(text.data(), text.size(), i + 1);
            field.append(text.substr(i, end - i));
            i = end - 1;
        }
    }
    if (quoted) {
        error = fmt::format("第 {} 行的引号没有结束", rowLine);
        return false;
    }
    if (!field.empty() || !row.empty()) {
        endRow();
    }
    if (!headerDone) {
        error = "文件是空的，没有标题行";
        return false;
    }
    return true;
}

namespace {

template <class Field>
void AppendCsvFields(std::string& out, const std::vector<Field>& fields) {
    // The characters that make a field quoted.
    static constexpr auto kSpecial = [] {
        std::array<bool, 256> special{};
        for (unsigned char ch : std::string_view(",;\"\r\n")) {
            special[ch] = true;
        }
        return special;
    }();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i != 0) {
            out += ',';
        }
        const std::string_view f = fields[i];
        bool quote = !f.empty() && (f.front() == ' ' || f.back() == ' ');
        for (std::size_t k = 0; k < f.size() && !quote; ++k) {
            quote = kSpecial[static_cast<unsigned char>(f[k])];
        }
        if (!quote) {
            out += f;
            continue;
        }
        out += '"';
        std::size_t start = 0;
        for (std::size_t q = f.find('"'); q != std::string_view::npos; q = f.find('"', q + 1)) {
            out.append(f.substr(start, q + 1 - start));
            out += '"';   // a quote is doubled
            start = q + 1;
        }
        out.append(f.substr(start));
        out += '"';
    }
    out += "\r\n";
}

}  // namespace

void VexaAppendCsvRow(std::string& out, const std::vector<std::string>& fields) { AppendCsvFields(out, fields); }

void VexaAppendCsvViews(std::string& out, const std::vector<std::string_view>& fields) { AppendCsvFields(out, fields); }

std::string VexaCsvRow(const std::vector<std::string>& fields) {
    std::string out;
    VexaAppendCsvRow(out, fields);
    return out;
}
