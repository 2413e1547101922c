#include "controls/text/UtlText.h"

#include "platform/graphics/DrawText.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TRegion.h"

#include <gtest/gtest.h>

namespace {

// Text measured with fixed metrics: 6 pixels a character, 13 a line.
class TextTest : public ::testing::Test {
protected:
    graphics::RecordingCanvasBackend* rec = nullptr;
    std::unique_ptr<TCanvas> canvas = graphics::MakeRecordingCanvas(rec);
    TUtlFxCaption caption;
};

String Hex(TColor c) {
    return ColorToString(ColorToRGB(c));
}

// A logged text output without the clip rectangle DrawText adds.
String Head(const String& line) {
    return line.substr(0, line.find(" clip"));
}

} // namespace

TEST(UtlTextTest, AlignRectInEveryPosition) {
    const TRect inner(0, 0, 4, 2), outer(10, 20, 21, 27); // 11 × 7
    const TRect expected[9] = {
        {10, 20, 14, 22}, {13, 20, 17, 22}, {17, 20, 21, 22}, // top row; (11 − 4) / 2 = 3
        {10, 22, 14, 24}, {13, 22, 17, 24}, {17, 22, 21, 24}, // centre row; (7 − 2) / 2 = 2
        {10, 25, 14, 27}, {13, 25, 17, 27}, {17, 25, 21, 27},
    };
    for (Integer a = agTopLeft; a <= agBottomRight; ++a)
        EXPECT_EQ(UtlAlignRect(TUtlAlignment(a), inner, outer), expected[a]) << "alignment " << a;
    // An inner rectangle larger than the outer one sticks out evenly.
    EXPECT_EQ(UtlAlignRect(agCenter, TRect(0, 0, 13, 7), outer), TRect(9, 20, 22, 27));
}

TEST_F(TextTest, MeasureAddsTheStyleGrowthAndTheExtra) {
    TRect r(0, 0, 200, 0);
    UtlDrawTextCalcExt(canvas.get(), "Abc", nullptr, r, nullptr, false, true, 0, 0);
    EXPECT_EQ(r, TRect(0, 0, 18 + 2, 13 + 2));
    caption.SetStyle(tdRaisedShadow);
    caption.SetLightDepth(2);
    caption.SetShadowDepth(3);
    r = TRect(0, 0, 200, 0);
    UtlDrawTextCalcExt(canvas.get(), "Abc", &caption, r, nullptr, false, true, 1, 0);
    EXPECT_EQ(r, TRect(0, 0, 18 + 5 + 4, 13 + 5 + 4));
    // Tracing spaces the characters.
    caption.SetStyle(tdNone);
    caption.SetTracing(2);
    r = TRect(0, 0, 200, 0);
    UtlDrawTextCalcExt(canvas.get(), "Abc", &caption, r, nullptr, false, true, 0, 0);
    EXPECT_EQ(r.Right, 18 + 3 * 2 + 2);
    // An empty text is measured as a blank.
    r = TRect(0, 0, 200, 0);
    UtlDrawTextCalcExt(canvas.get(), "", nullptr, r, nullptr, false, true, 0, 0);
    EXPECT_EQ(r, TRect(0, 0, 6 + 2, 13 + 2));
}

TEST_F(TextTest, MeasureBreaksWordsAndHidesAccelerators) {
    TRect r(0, 0, 40, 0);
    UtlDrawTextCalcExt(canvas.get(), "aaa bbb ccc", nullptr, r, nullptr, true, true, 0, 0);
    EXPECT_EQ(r.Height(), 3 * 13 + 2);
    r = TRect(0, 0, 200, 0);
    UtlDrawTextCalcExt(canvas.get(), "&Ok", nullptr, r, nullptr, false, true, 0, 0);
    EXPECT_EQ(r.Width(), 2 * 6 + 2);
    r = TRect(0, 0, 200, 0);
    UtlDrawTextCalcExt(canvas.get(), "&Ok", nullptr, r, nullptr, false, false, 0, 0);
    EXPECT_EQ(r.Width(), 3 * 6 + 2);
}

TEST_F(TextTest, RotatedCaptionMeasuresItsBoxAndPlacesItself) {
    caption.SetAngle(90);
    TRect r(0, 0, 200, 0);
    UtlDrawTextCalcExt(canvas.get(), "Abcd", &caption, r, nullptr, false, true, 0, 0);
    // 24 × 13 turned upright is 13 × 24, plus 2 each way.
    EXPECT_EQ(r, TRect(0, 0, 13 + 2, 24 + 2));
    EXPECT_EQ(caption.PosX(), 0);
    EXPECT_EQ(caption.PosY(), 24);
}

TEST(UtlTextTest, FontQueriesAddTheGrowthOfTheStyle) {
    TFont font;
    TUtl3DCaption caption;
    caption.SetLightDepth(2);
    caption.SetShadowDepth(3);
    const Integer plain = UtlGet3DTextWidth("Abc", &caption, &font);
    const Integer height = UtlGetFontHeight(&font);
    struct Row {
        TUtlThreeDStyle style;
        Integer growth;
    };
    for (const Row row : {Row{tdRaised, 2}, Row{tdPColorSunken, 5}, Row{tdShadow, 3},
                          // the drawn outline and extrusion grow the measured box, not the font queries
                          Row{tdOutline, 0}, Row{tdExtrude, 0}, Row{tdExtrudeEnh, 0}}) {
        caption.SetStyle(row.style);
        EXPECT_EQ(UtlGet3DTextWidth("Abc", &caption, &font), plain + row.growth) << "style " << row.style;
        EXPECT_EQ(UtlGet3DTextHeight(&caption, &font), height + row.growth) << "style " << row.style;
    }
    caption.SetStyle(tdExtrude);
    TRect measured(0, 0, 200, 0);
    UtlDrawTextCalc("Abc", &caption, measured, &font, false, true, 0, 0);
    EXPECT_EQ(measured.Width(), plain + 3 + 2); // the extrusion's depth plus the measuring margin
    EXPECT_EQ(UtlGet3DTextWidth("Abc", nullptr, &font), 0);
    EXPECT_TRUE(UtlIsTrueTypeFont(&font));
}

TEST(UtlTextTest, LayersOfEachStyle) {
    TUtl3DCaption c;
    c.SetLightDepth(1);
    c.SetShadowDepth(2);
    using L = std::vector<utl::TextLayer>;
    auto offsets = [](const L& layers) {
        std::vector<std::pair<Integer, Integer>> out;
        for (const auto& l : layers)
            out.emplace_back(l.Offset.X, l.Offset.Y);
        return out;
    };
    using P = std::vector<std::pair<Integer, Integer>>;
    EXPECT_EQ(offsets(utl::TextLayers(c, tdNone, 1, 2, 3)), (P{{0, 0}}));
    EXPECT_EQ(offsets(utl::TextLayers(c, tdSunken, 1, 2, 3)), (P{{1, 1}, {0, 0}}));
    EXPECT_EQ(offsets(utl::TextLayers(c, tdRaised, 1, 2, 3)), (P{{0, 0}, {1, 1}}));
    EXPECT_EQ(offsets(utl::TextLayers(c, tdRaisedShadow, 1, 2, 3)), (P{{0, 0}, {3, 3}, {1, 1}}));
    EXPECT_EQ(offsets(utl::TextLayers(c, tdShadow, 1, 2, 3)), (P{{2, 2}, {0, 0}}));
    // The face is always the last layer, in the face colour.
    EXPECT_EQ(utl::TextLayers(c, tdSunkenShadow, 1, 2, 3).back().Color, 1u);
    // Extrusions: d layers one pixel apart away from the light, the face moved to leave room.
    EXPECT_EQ(offsets(utl::TextLayers(c, tdExtrude, 1, 2, 3)), (P{{2, 2}, {1, 1}, {0, 0}}));
    c.SetOrientation(toBottomLeft);
    EXPECT_EQ(offsets(utl::TextLayers(c, tdExtrude, 1, 2, 3)), (P{{2, 1}, {1, 2}, {0, 3}}));
    c.SetOrientation(toBottomRight);
    EXPECT_EQ(offsets(utl::TextLayers(c, tdExtrude, 1, 2, 3)), (P{{1, 1}, {2, 2}, {3, 3}}));
    const L enhanced = utl::TextLayers(c, tdExtrudeEnh, clBlack, clWhite, clBlack);
    EXPECT_EQ(enhanced[0].Color, clBlack); // the farthest layer in the shadow colour
    EXPECT_EQ(enhanced[1].Color, RGB(127, 127, 127));
}

TEST_F(TextTest, RaisedCaptionDrawsLightThenFace) {
    canvas->Font()->SetColor(clNavy);
    caption.SetStyle(tdRaised);
    caption.SetLightDepth(2);
    UtlDrawTextExt(canvas.get(), "Ok", &caption, TRect(10, 10, 60, 30), DT_LEFT | DT_SINGLELINE,
                   TUtlDrawTextStyles{dtEnabled}, nullptr);
    const auto lines = rec->Calls("TextOut");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Head(lines[0]), "TextOut 10,10 \"Ok\" " + Hex(clBtnHighlight));
    EXPECT_EQ(Head(lines[1]), "TextOut 12,12 \"Ok\" " + Hex(clNavy));
    // The canvas keeps its state.
    EXPECT_EQ(canvas->TextCharacterExtra(), 0);
    EXPECT_EQ(canvas->BkMode(), OPAQUE);
}

TEST_F(TextTest, DisabledCaptionsAreGreyAndEmbossedWhenAsked) {
    caption.SetStyle(tdRaisedShadow);
    UtlDrawTextExt(canvas.get(), "X", &caption, TRect(0, 0, 50, 20), 0, TUtlDrawTextStyles{}, nullptr);
    auto lines = rec->Calls("TextOut");
    ASSERT_EQ(lines.size(), 1u); // dsAuto without dt3DDisabled: plain grey
    EXPECT_EQ(Head(lines[0]), "TextOut 0,0 \"X\" " + Hex(clGrayText));
    rec->Log.clear();
    UtlDrawTextExt(canvas.get(), "X", &caption, TRect(0, 0, 50, 20), 0, TUtlDrawTextStyles{dt3DDisabled},
                   nullptr);
    lines = rec->Calls("TextOut");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Head(lines[0]), "TextOut 1,1 \"X\" " + Hex(clBtnHighlight));
    EXPECT_EQ(Head(lines[1]), "TextOut 0,0 \"X\" " + Hex(clGrayText));
    // dsNone draws a disabled caption as if enabled.
    rec->Log.clear();
    caption.SetDisabledStyle(dsNone);
    caption.SetStyle(tdNone);
    canvas->Font()->SetColor(clMaroon);
    UtlDrawTextExt(canvas.get(), "X", &caption, TRect(0, 0, 50, 20), 0, TUtlDrawTextStyles{}, nullptr);
    EXPECT_EQ(Head(rec->Calls("TextOut")[0]), "TextOut 0,0 \"X\" " + Hex(clMaroon));
}

TEST_F(TextTest, PColorFaceTakesTheBrushColourAndClipIsKept) {
    canvas->Brush()->SetColor(clTeal);
    caption.SetStyle(tdPColorSunken);
    const TRect clip(0, 0, 5, 5);
    UtlDrawTextExt(canvas.get(), "X", &caption, TRect(0, 0, 50, 20), 0, TUtlDrawTextStyles{dtEnabled, dtClip},
                   &clip);
    const auto lines = rec->Calls("TextOut");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Head(lines[2]), "TextOut 1,1 \"X\" " + Hex(clTeal));
    EXPECT_EQ(rec->Calls("Clip").front(), "Clip 0,0,5,5");
    EXPECT_EQ(canvas->ClipRegion(), nullptr);
}

TEST_F(TextTest, NothingForAnEmptyTextOrRectangle) {
    UtlDrawTextExt(canvas.get(), "", &caption, TRect(0, 0, 50, 20), 0, TUtlDrawTextStyles{dtEnabled},
                   nullptr);
    UtlDrawTextExt(canvas.get(), "X", &caption, TRect(5, 5, 5, 20), 0, TUtlDrawTextStyles{dtEnabled},
                   nullptr);
    EXPECT_TRUE(rec->Log.empty());
}

TEST(UtlTextTest, CaptionSettingsNotifyOnlyOnChange) {
    TUtlFxCaption c;
    Integer changes = 0;
    c.OnChange = [&](TObject*) { ++changes; };
    c.SetStyle(tdRaised);
    c.SetStyle(tdRaised);
    c.SetColor(1, clRed);
    EXPECT_EQ(c.ShadowColor(), clRed);
    EXPECT_EQ(changes, 2);
    c.SetAngle(360);
    EXPECT_EQ(c.Angle(), 0);
    EXPECT_EQ(changes, 2);
    c.SetAngle(359);
    EXPECT_EQ(c.Angle(), 359);
    c.SetPosXY(4, 5);
    EXPECT_EQ(changes, 4);
    TUtlFxCaption copy;
    Integer copies = 0;
    copy.OnChange = [&](TObject*) { ++copies; };
    copy.Assign(&c);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(copy.PosY(), 5);
    EXPECT_EQ(copy.ShadowColor(), clRed);
    EXPECT_EQ(copy.Style(), tdRaised);
}

TEST(UtlTextTest, CaptionSummaries) {
    TUtlFxCaption c;
    EXPECT_EQ(c.GetSetStr(), "{Disabled}");
    c.SetAngle(90);
    EXPECT_EQ(c.GetSetStr(), "{ rot: 90}");
    c.SetStyle(tdRaised);
    c.SetAngle(45);
    EXPECT_EQ(c.GetSetStr(), "{raised, rot: 45}");
    TUtl3DCaption plain;
    plain.SetStyle(tdExtrudeEnh);
    EXPECT_EQ(plain.GetSetStr(), "{extrude enh}");
    plain.SetStyle(tdPColorRaised);
    EXPECT_EQ(plain.GetSetStr(), "{}");
}
