#include "platform/core/Format.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const TFormatSettings Hu = TFormatSettings::Hungarian();
const TFormatSettings En = TFormatSettings::English();

TEST(FormatIntegers, DecimalUnsignedAndHex) {
    EXPECT_EQ(Format("%d db", {42}, Hu), "42 db");
    EXPECT_EQ(Format("%5d|%-5d|", {42, 42}, Hu), "   42|42   |");
    EXPECT_EQ(Format("%.4d", {-42}, Hu), "-0042");
    EXPECT_EQ(Format("%x", {255}, Hu), "FF");
    EXPECT_EQ(Format("%.4x", {255}, Hu), "00FF");
    EXPECT_EQ(Format("%x", {-1}, Hu), "FFFFFFFF"); // a 32-bit argument stays 32 bits
    EXPECT_EQ(Format("%x", {Int64(-1)}, Hu), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("%u", {-1}, Hu), "4294967295");
    EXPECT_EQ(Format("%d", {Int64(9000000000)}, Hu), "9000000000");
}

TEST(FormatFloats, FixedNumberMoneyAndScientific) {
    EXPECT_EQ(Format("%f", {2.5}, Hu), "2,50");
    EXPECT_EQ(Format("%.3f", {2.0}, En), "2.000");
    EXPECT_EQ(Format("%n", {1234567.891}, Hu), "1 234 567,89");
    EXPECT_EQ(Format("%.0n", {1234567.0}, Hu), "1 234 567");
    EXPECT_EQ(Format("%m", {1500.0}, Hu), "1 500,00 Ft");
    EXPECT_EQ(Format("%.0m", {-1500.0}, Hu), "-1 500 Ft");
    EXPECT_EQ(Format("%m", {1500.0}, En), "$1,500.00");
    EXPECT_EQ(Format("%e", {1234.5}, En), "1.23450000000000E+003");
    EXPECT_EQ(Format("%.3e", {1234.5}, En), "1.23E+003");
    EXPECT_EQ(Format("%g", {1234.5}, En), "1234.5");
    EXPECT_EQ(Format("%2.2f", {3.14159}, En), "3.14");
}

TEST(FormatPointers, PointerIsFixedWidthHex) {
    const void* p = reinterpret_cast<const void*>(std::uintptr_t{0xBEEF});
    EXPECT_EQ(Format("%p", {p}, Hu), String(sizeof(void*) * 2 - 4, '0') + "BEEF");
}

TEST(FormatText, StringsCharsWidthAndPrecisionCountCharacters) {
    EXPECT_EQ(Format("%s-%s", {"a", String("b")}, Hu), "a-b");
    EXPECT_EQ(Format("%s", {'x'}, Hu), "x");
    EXPECT_EQ(Format("[%6s]", {"űrlap"}, Hu), "[ űrlap]"); // five characters, seven bytes
    EXPECT_EQ(Format("[%-6s]", {"ág"}, Hu), "[ág    ]");
    EXPECT_EQ(Format("%.2s", {"árvíz"}, Hu), "ár");
    EXPECT_EQ(Format("100%%", {}, Hu), "100%");
    EXPECT_EQ(Format("no directives", {}, Hu), "no directives");
}

TEST(FormatIndexes, IndexStarAndReuse) {
    EXPECT_EQ(Format("%1:s %0:s", {"világ", "szép"}, Hu), "szép világ");
    EXPECT_EQ(Format("%0:s%s%0:s", {"a", "b"}, Hu), "aba"); // after an index, the next follows it
    EXPECT_EQ(Format("%*d", {4, 7}, Hu), "   7");
    EXPECT_EQ(Format("%-*d|", {3, 7}, Hu), "7  |");
    EXPECT_EQ(Format("%.*f", {1, 2.25}, En), "2.3");
}

TEST(FormatErrors, MismatchedArgumentsRaiseWithTheFormatText) {
    // Each row: a directive whose argument does not fit it.
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%d", {"x"}, Hu); }),
              "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%d", {2.5}, Hu); }),
              "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%f", {3}, Hu); }),
              "Format '%f' invalid or incompatible with argument");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%s", {3}, Hu); }),
              "Format '%s' invalid or incompatible with argument");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%d", {true}, Hu); }),
              "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("a %q", {3}, Hu); }),
              "Format 'a %q' invalid or incompatible with argument");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%5", {3}, Hu); }),
              "Format '%5' invalid or incompatible with argument");
    EXPECT_EQ(ErrorOf<EConvertError>([&] {
                  Format("%*d", {"x", 3}, Hu);
              }),
              "Format '%*d' invalid or incompatible with argument");
}

TEST(FormatIndexes, IndexWithWidthAndLiteralPercentInArguments) {
    EXPECT_EQ(Format("%0:5d|%0:-5d|", {42}, Hu), "   42|42   |");
    EXPECT_EQ(Format("%s", {"100%d"}, Hu), "100%d"); // arguments are never re-read
}

TEST(FormatErrors, TrailingPercentRaises) {
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("50%", {1}, Hu); }),
              "Format '50%' invalid or incompatible with argument");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%-", {1}, Hu); }),
              "Format '%-' invalid or incompatible with argument");
}

TEST(FormatErrors, MissingArgumentsRaise) {
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%d %d", {1}, Hu); }), "No argument for format '%d %d'");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%3:d", {1}, Hu); }), "No argument for format '%3:d'");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Format("%s", {}, Hu); }), "No argument for format '%s'");
}

TEST(FormatSettingsUse, ShortFormReadsTheProcessSettings) {
    TFormatSettingsGuard guard(En);
    EXPECT_EQ(Format("%.1f", {2.25}), "2.3");
    FormatSettings.DecimalSeparator = ",";
    EXPECT_EQ(Format("%.1f", {2.25}), "2,3");
}

} // namespace
