// Value strings: rectangles, points and fonts to text and back, list parsing,
// divisors and custom colour sections.
#include "controls/services/UtlValueStrings.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TIniFile.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

String Joined(TStrings& list) {
    String out;
    for (Integer i = 0; i < list.Count(); ++i)
        out += (i ? "|" : "") + list[i];
    return out;
}

TEST(UtlParseToStrList, EmptyPiecesExceptAfterTheLastDelimiter) {
    struct Row {
        const char* text;
        const char* pieces;
    } rows[] = {
        {"a,,b", "a||b"}, // an empty middle piece is kept
        {"a,b,", "a|b"},  // a trailing delimiter adds nothing
        {",a", "|a"},     // a leading one gives an empty first piece
        {"ő,ű", "ő|ű"},   // characters, not bytes
    };
    for (const Row& row : rows) {
        TStringList list;
        list.Add("old");
        UtlParseToStrList(row.text, U',', &list);
        EXPECT_EQ(Joined(list), row.pieces) << row.text;
    }
    TStringList list;
    list.Add("kept");
    UtlParseToStrList("", U',', &list);
    EXPECT_EQ(Joined(list), "kept");
}

TEST(UtlRectStrings, FourPiecesOrTheEmptyRectangle) {
    EXPECT_EQ(UtlRectToString(TRect(1, -2, 30, 40)), "1,-2,30,40");
    EXPECT_EQ(UtlStringToRect("1,-2,30,40"), TRect(1, -2, 30, 40));
    EXPECT_EQ(UtlStringToRect("1,x,3,4"), TRect(1, 0, 3, 4));
    EXPECT_EQ(UtlStringToRect("1,2,3"), TRect());
    EXPECT_EQ(UtlStringToRect("1,2,3,4,5"), TRect());
}

TEST(UtlPointStrings, WrittenFormReadsBack) {
    EXPECT_EQ(UtlPointToString(TPoint(3, -4)), "[3,-4]");
    EXPECT_EQ(UtlStringToPoint("[3,-4]"), TPoint(3, -4));
    EXPECT_EQ(UtlStringToPoint(" 5 , 6 "), TPoint(5, 6));
    EXPECT_EQ(UtlStringToPoint("56"), TPoint(0, 0));
    EXPECT_EQ(UtlStringToPoint(",6"), TPoint(0, 0));
    EXPECT_EQ(UtlStringToPoint("5,"), TPoint(0, 0));
    EXPECT_EQ(UtlStringToPoint("a,6"), TPoint(0, 6));
}

TEST(UtlFontStrings, SevenFieldsRoundTrip) {
    TFont font;
    font.SetName("Arial");
    font.SetSize(12);
    font.SetColor(clRed);
    font.SetStyle(TFontStyles{fsBold, fsStrikeOut});
    const String text = UtlFontToString(&font);
    EXPECT_EQ(text, "Arial,12,clRed,1,0,0,1");
    TFont back;
    UtlStringToFont(text, &back);
    EXPECT_EQ(back.Name(), "Arial");
    EXPECT_EQ(back.Size(), 12);
    EXPECT_EQ(back.Color(), clRed);
    EXPECT_EQ(back.Style(), (TFontStyles{fsBold, fsStrikeOut}));
}

TEST(UtlFontStrings, WrongFieldCountLeavesTheFontAndBadFlagsRaise) {
    TFont font;
    font.SetName("Courier New");
    UtlStringToFont("Arial,12,clRed,1,0,0", &font);
    EXPECT_EQ(font.Name(), "Courier New");
    UtlStringToFont("Arial,big,$0000FF,0,1,0,0", &font);
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.Color(), clRed);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { UtlStringToFont("Arial,9,clRed,x,0,0,0", &font); }),
              "'x' is not a valid integer value");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { UtlStringToFont("Times,8,reddish,0,0,0,0", &font); }),
              "'reddish' is not a valid integer value");
    EXPECT_EQ(UtlFontToString(&font), "Arial,10,clRed,0,1,0,0"); // nothing changed
}

TEST(UtlGetDivider, DivisorsInNumericOrder) {
    struct Row {
        Integer n;
        const char* divisors;
    } rows[] = {
        {12, "1|2|3|4|6|12"},
        {7, "1|7"},
        {16, "1|2|4|8|16"}, // the square root once
        {1, ""},            // 1 and below give nothing
        {0, ""},
        {10000000, "1|2|4|5|8|10|16|20|25|32"}, // checked only at the start below
    };
    for (const Row& row : rows) {
        TStringList list;
        UtlGetDivider(&list, row.n);
        String got = Joined(list);
        if (row.n == 10000000) {
            // Seven-digit divisors sort after the six-digit ones.
            EXPECT_EQ(list[list.Count() - 1], "10000000");
            EXPECT_EQ(list[list.Count() - 2], "5000000");
            got = got.substr(0, String(row.divisors).size());
        }
        EXPECT_EQ(got, row.divisors) << row.n;
    }
}

TEST(UtlCustomColors, SectionRoundTripSkipsLinesWithoutEquals) {
    TempFolder folder;
    const String file = folder.File("colors.ini");
    TStringList colors;
    colors.Add("ColorA=FFFFFF");
    colors.Add("no value here");
    colors.Add("ColorB=00FF00");
    UtlSaveCustomColorToIniFile(file, "Custom Colors", &colors);
    TStringList back;
    back.Add("stale=1");
    UtlLoadCustomColorFromIniFile(file, "Custom Colors", &back);
    EXPECT_EQ(Joined(back), "ColorA=FFFFFF|ColorB=00FF00");
}

} // namespace
