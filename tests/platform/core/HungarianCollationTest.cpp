#include "platform/core/HungarianCollation.h"
#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace {

using core::HungarianCompare;
using core::HungarianCompareCodePage;
using core::TCollationCase;

struct OrderedPair {
    const char* Before;
    const char* After;
};

class HungarianOrder : public ::testing::TestWithParam<OrderedPair> {};

TEST_P(HungarianOrder, SortsBeforeInBothModes) {
    const OrderedPair p = GetParam();
    for (TCollationCase mode : {TCollationCase::Observe, TCollationCase::Ignore}) {
        EXPECT_LT(HungarianCompare(p.Before, p.After, mode), 0) << p.Before << " < " << p.After;
        EXPECT_GT(HungarianCompare(p.After, p.Before, mode), 0) << p.After << " > " << p.Before;
    }
}

INSTANTIATE_TEST_SUITE_P(Collation, HungarianOrder,
                         ::testing::Values(OrderedPair{"Ábel", "Adam"},    // accent only breaks ties
                                           OrderedPair{"Czakó", "Csaba"},  // cs is a letter after c
                                           OrderedPair{"Sutka", "Szabó"},  // sz after s
                                           OrderedPair{"Zoltán", "Zsolt"}, // zs after z
                                           OrderedPair{"ocelot", "öböl"},  // ö after o
                                           OrderedPair{"utca", "üveg"},    // ü after u
                                           OrderedPair{"Győr", "Gyula"},   // ő and u are separate letters
                                           OrderedPair{"Gyula", "Hajdú"},
                                           OrderedPair{"Gál", "Gyárfás"},   // gy after g
                                           OrderedPair{"Lukács", "Lyka"},   // ly after l
                                           OrderedPair{"Nagy", "Nyárí"},    // ny after n
                                           OrderedPair{"Tóth", "Tyukod"},   // ty after t
                                           OrderedPair{"Dunai", "Dzsida"},  // dzs after d
                                           OrderedPair{"Dzurák", "Dzsida"}, // dzs after dz
                                           OrderedPair{"kasza", "kassza"},  // ssz is sz twice: s < sz
                                           OrderedPair{"Kis", "Kiss"},      // shorter first
                                           OrderedPair{"Kovács", "Kovácsné"},
                                           OrderedPair{"Orbán", "Óvári"},       // o and ó share a place
                                           OrderedPair{"Öllős", "Őri"},         // ö and ő share a place
                                           OrderedPair{"2 db", "ablak"},        // digits before letters
                                           OrderedPair{"Kis Anna", "Kisbéres"}, // blank before letters
                                           OrderedPair{"Zsolt", "Жанна"}));     // other scripts after Latin

// Pairs that hold only while each digraph (and the trigraph dzs) is one letter: read as its
// characters, the letters after the semicolon would turn the order round.
INSTANTIATE_TEST_SUITE_P(Digraphs, HungarianOrder,
                         ::testing::Values(OrderedPair{"Czakó", "Csaba"},      // c < cs; s < z
                                           OrderedPair{"edzd", "eddzük"},      // dz d < dz dz; d < z
                                           OrderedPair{"Dzurák", "Dzsida"},    // dz < dzs; dz s < dz u
                                           OrderedPair{"légzsák", "légy"},     // g < gy; y < zs
                                           OrderedPair{"balzsam", "bálya"},    // l < ly; y < zs
                                           OrderedPair{"benzin", "Benyó"},     // n < ny; y < z
                                           OrderedPair{"egészség", "egészül"}, // sz s < sz ü; s z < s zs
                                           OrderedPair{"Kutz", "Kutya"},       // t < ty; y < z
                                           OrderedPair{"Zubor", "Zsolt"},      // z < zs; s < u
                                           // A doubled digraph is the letter twice; read as the first
                                           // character and the letter, it would sort before the letter
                                           // and a vowel (or j, d).
                                           OrderedPair{"pacsa", "paccs"},       // cs twice
                                           OrderedPair{"bridzsa", "briddzsel"}, // dzs twice
                                           OrderedPair{"megye", "meggyes"},     // gy twice
                                           OrderedPair{"helyes", "hellyel"},    // ly twice
                                           OrderedPair{"anyja", "annyi"},       // ny twice
                                           OrderedPair{"kaszás", "kassza"},     // sz twice
                                           OrderedPair{"potya", "pottyan"},     // ty twice
                                           OrderedPair{"rizses", "rizzsel"}));  // zs twice

TEST(HungarianCollation, AccentsDecideOnlyBetweenOtherwiseEqualTexts) {
    EXPECT_LT(HungarianCompare("Eger", "Éger", TCollationCase::Ignore), 0);
    EXPECT_LT(HungarianCompare("öt", "őt", TCollationCase::Ignore), 0);
    EXPECT_LT(HungarianCompare("Éger", "Egerszeg", TCollationCase::Ignore), 0);
}

TEST(HungarianCollation, IgnoreModeEqualsAcrossCase) {
    EXPECT_EQ(HungarianCompare("ŐRI ÁGNES", "őri ágnes", TCollationCase::Ignore), 0);
    EXPECT_EQ(HungarianCompare("CSABA", "Csaba", TCollationCase::Ignore), 0);
    EXPECT_EQ(HungarianCompare("", "", TCollationCase::Ignore), 0);
}

TEST(HungarianCollation, ObserveModeOrdersLowerBeforeUpper) {
    EXPECT_LT(HungarianCompare("csaba", "Csaba", TCollationCase::Observe), 0);
    EXPECT_LT(HungarianCompare("Csaba", "CSABA", TCollationCase::Observe), 0);
    EXPECT_LT(HungarianCompare("őr", "Őr", TCollationCase::Observe), 0);
    // An accent outweighs case, wherever each of them occurs.
    EXPECT_LT(HungarianCompare("Eva", "éva", TCollationCase::Observe), 0);
    EXPECT_LT(HungarianCompare("Kasa", "kasá", TCollationCase::Observe), 0);
    // Case never outweighs a letter difference.
    EXPECT_LT(HungarianCompare("Abel", "adam", TCollationCase::Observe), 0);
    EXPECT_EQ(HungarianCompare("Csaba", "Csaba", TCollationCase::Observe), 0);
}

TEST(HungarianCollation, ObserveModeGivesDistinctTextsAnOrder) {
    const int r = HungarianCompare("a\xC3", "a\xC4", TCollationCase::Observe);
    EXPECT_NE(r, 0);
    EXPECT_EQ(HungarianCompare("a\xC4", "a\xC3", TCollationCase::Observe), -r);
}

TEST(HungarianCollation, DoubledDigraphCountsTwiceInEveryCase) {
    EXPECT_EQ(HungarianCompare("ASSZONY", "asszony", TCollationCase::Ignore), 0);
    EXPECT_EQ(HungarianCompare("asszony", "aszszony", TCollationCase::Ignore), 0);
    EXPECT_LT(HungarianCompare("hosszú", "hosszúság", TCollationCase::Ignore), 0);
    // meggy is m-e-gy-gy: after megye (m-e-gy-e), though g < y letter by letter.
    EXPECT_LT(HungarianCompare("megye", "meggy", TCollationCase::Ignore), 0);
}

TEST(HungarianCollation, SortsANameList) {
    std::vector<String> names = {"Zsolt",  "Szabó", "Csaba", "Ábel",   "Sutka", "öböl",
                                 "Zoltán", "Adam",  "Czakó", "ocelot", "Őze",   "Ódor"};
    std::sort(names.begin(), names.end(),
              [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
    const std::vector<String> expected = {"Ábel", "Adam", "Czakó", "Csaba", "ocelot", "Ódor",
                                          "öböl", "Őze",  "Sutka", "Szabó", "Zoltán", "Zsolt"};
    EXPECT_EQ(names, expected);
}

TEST(HungarianCollation, AnsiCompareRoutinesUseBothModes) {
    EXPECT_EQ(AnsiCompareText("ÁBEL", "ábel"), 0);
    EXPECT_LT(AnsiCompareStr("ábel", "ÁBEL"), 0);
    EXPECT_LT(AnsiCompareText("Sutka", "szabó"), 0);
}

} // namespace

TEST(HungarianCollation, ASharedStartLeavesTheOrderAlone) {
    // Pairs whose order hangs on the letters around the end of the start they share.
    const OrderedPair pairs[] = {
        {"Dzurák 1", "Dzsida 1"},     // dz before dzs, though s comes before u
        {"meg-megye", "meg-meggy"},   // a doubled gy reads back across its first letter
        {"Kis 10", "Kis 2"},          // digits one by one
        {"Nagy Eva 1", "Nagy Éva 1"}, // the accent when every letter agrees
        {"Ügy 12/kasza", "Ügy 12/kassza"},
        {"Kovács Ágnes", "Kovács Ágota"}, // the shared start ends after a letter
        {"Nagyné", "Nagyy"},              // y ends gy: what follows reads on its own
        {"ahhoz", "ahogy"},
    };
    for (const char* shared : {"", "Kis-", "Ügy 12/", "dzs "})
        for (const OrderedPair& p : pairs)
            for (TCollationCase mode : {TCollationCase::Observe, TCollationCase::Ignore}) {
                const String before = String(shared) + p.Before;
                const String after = String(shared) + p.After;
                EXPECT_LT(HungarianCompare(before, after, mode), 0) << before << " < " << after;
                EXPECT_GT(HungarianCompare(after, before, mode), 0) << after << " > " << before;
            }
    // A mark, or a letter that starts no digraph, ends what may be skipped; no accented letter does.
    EXPECT_EQ(core::HungarianSharedStart("Ügy 12/kasza", "Ügy 12/kassza"), String("Ügy 12/ka").size());
    EXPECT_EQ(core::HungarianSharedStart("Dzurák", "Dzsida"), 0u);
    EXPECT_EQ(core::HungarianSharedStart("Kis", "Kis"), String("Ki").size());
    EXPECT_EQ(core::HungarianSharedStart("Nagy Edit", "Nagy Edina"), String("Nagy Edi").size());
    EXPECT_EQ(core::HungarianSharedStart("Győr", "Győző"), String("Gy").size());
}

namespace {

// Names as an office's list holds them: accented letters, digraphs and their doubled
// forms, each in lower, capitalised or upper case, after shared starts and marks.
std::vector<String> AccentedNames(std::size_t count) {
    const char* const parts[] = {"a",  "á", "cs", "c", "dz", "dzs", "d",   "e", "é",   "gy", "g", "ly", "l",
                                 "ny", "n", "o",  "ó", "ö",  "ő",   "sz",  "s", "ssz", "ty", "t", "u",  "ú",
                                 "ü",  "ű", "zs", "z", "i",  "í",   "ggy", "k", " – ", "-",  " ", "1",  "2"};
    const char* const starts[] = {"", "Kis ", "Ügy 12/", "dr. "};
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::uint32_t below) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % below;
    };
    std::vector<String> names;
    while (names.size() < count) {
        String name = starts[next(4)];
        const std::uint32_t length = 1 + next(5);
        for (std::uint32_t k = 0; k < length; ++k) {
            const String part = parts[next(std::size(parts))];
            const std::uint32_t casing = next(4);
            name += casing == 0
                        ? AnsiUpperCase(part)
                        : (casing == 1 && k == 0 ? AnsiUpperCase(Copy(part, 1, 1)) + Copy(part, 2, 9) : part);
        }
        names.push_back(name);
    }
    return names;
}

} // namespace

TEST(HungarianCollation, CodePageTextOrdersAsItsUtf8Form) {
    // The database's code page 1250 texts are compared without converting them; the
    // order must be the one of the same texts in UTF-8, on every level and in every tie.
    const std::vector<String> names = AccentedNames(3000);
    std::vector<std::string> stored;
    for (const String& name : names)
        stored.push_back(Utf8ToCodePage(name, CP_WINDOWS_1250));
    for (TCollationCase mode : {TCollationCase::Observe, TCollationCase::Ignore}) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::size_t j = (i * 7 + 3) % names.size();
            EXPECT_EQ(HungarianCompare(names[i], names[j], mode),
                      HungarianCompareCodePage(stored[i], stored[j], mode, CP_WINDOWS_1250))
                << names[i] << " / " << names[j];
        }
        std::vector<std::size_t> byUtf8(names.size());
        std::iota(byUtf8.begin(), byUtf8.end(), 0);
        std::vector<std::size_t> byCodePage = byUtf8;
        std::stable_sort(byUtf8.begin(), byUtf8.end(), [&](std::size_t x, std::size_t y) {
            return HungarianCompare(names[x], names[y], mode) < 0;
        });
        std::stable_sort(byCodePage.begin(), byCodePage.end(), [&](std::size_t x, std::size_t y) {
            return HungarianCompareCodePage(stored[x], stored[y], mode, CP_WINDOWS_1250) < 0;
        });
        EXPECT_EQ(byUtf8, byCodePage);
    }
    EXPECT_EQ(
        ErrorOf<EConvertError>([] { HungarianCompareCodePage("a", "b", TCollationCase::Ignore, 65001); }),
        "Unsupported code page 65001");
}
