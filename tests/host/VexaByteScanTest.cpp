// The scan for a few ASCII characters: every place and length around the 16- and 8-byte steps,
// next to UTF-8 text whose bytes lie above 0x7F.
#include <gtest/gtest.h>

#include <string>

#include "VexaByteScan.h"

namespace {

std::size_t Plain(const std::string& text, std::size_t from) {
    const std::size_t at = text.find_first_of("&<>\"", from);
    return at == std::string::npos ? text.size() : at;
}

}  // namespace

TEST(VexaByteScanTest, FindsTheFirstWantedByteAtEveryPlace) {
    const std::string filler = "截面宽度b=200mm";   // UTF-8 and ASCII that is not wanted
    for (std::size_t length = 0; length <= 40; ++length) {
        std::string base;
        while (base.size() < length) {
            base += filler;
        }
        base.resize(length);
        EXPECT_EQ((VexaFindAny<'&', '<', '>', '"'>(base.data(), base.size(), 0)), length) << length;
        for (std::size_t at = 0; at < length; ++at) {
            for (const char wanted : {'&', '<', '>', '"'}) {
                std::string text = base;
                text[at] = wanted;
                if (at + 3 < length) {
                    text[at + 3] = '<';   // a later one is not the first
                }
                for (const std::size_t from : {std::size_t{0}, at, at + 1}) {
                    EXPECT_EQ((VexaFindAny<'&', '<', '>', '"'>(text.data(), text.size(), from)), Plain(text, from))
                        << "length " << length << ", at " << at << ", from " << from;
                }
            }
        }
    }
}

TEST(VexaByteScanTest, FindsOnlyTheBytesAskedFor) {
    const std::string text = "σ~sk~=$2$ & <b>";
    EXPECT_EQ((VexaFindAny<'~', '$'>(text.data(), text.size(), 0)), text.find('~'));
    EXPECT_EQ((VexaFindAny<'$'>(text.data(), text.size(), 0)), text.find('$'));
    EXPECT_EQ((VexaFindAny<'~', '$'>(text.data(), text.size(), text.rfind('$') + 1)), text.size());
    // A byte above 0x7F is never taken for an ASCII one.
    const std::string high(33, '\xA6');
    EXPECT_EQ((VexaFindAny<'&', '<', '>', '"'>(high.data(), high.size(), 0)), high.size());
}
