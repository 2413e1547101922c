#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"

#include <gtest/gtest.h>

using graphics::RecordingCanvasBackend;

namespace {

struct CanvasRecordingTest : ::testing::Test {
    RecordingCanvasBackend* Rec = nullptr;
    std::unique_ptr<TCanvas> Canvas = graphics::MakeRecordingCanvas(Rec);
};

} // namespace

TEST_F(CanvasRecordingTest, ShapesCarryPenAndBrush) {
    Canvas->Pen()->SetColor(clNavy);
    Canvas->Pen()->SetWidth(2);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->Rectangle(10, 10, 0, 0); // corners in any order
    Canvas->Brush()->SetStyle(bsDiagCross);
    Canvas->Pen()->SetStyle(psClear);
    Canvas->Ellipse(TRect(1, 2, 3, 4));
    Canvas->RoundRect(0, 0, 8, 8, 4, 2);
    EXPECT_EQ(Rec->Log, (std::vector<String>{
                            "Rectangle 0,0,10,10 pen clNavy w2 brush clBtnFace",
                            "Ellipse 1,2,3,4 pen clear brush clBtnFace bsDiagCross",
                            "RoundRect 0,0,8,8 4,2 pen clear brush clBtnFace bsDiagCross",
                        }));
}

TEST_F(CanvasRecordingTest, ClearBrushFillsNothing) {
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->FillRect(TRect(0, 0, 5, 5));
    Canvas->FrameRect(TRect(0, 0, 5, 5));
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->FillRect(TRect(5, 5, 5, 9)); // empty
    EXPECT_TRUE(Rec->Log.empty());
}

TEST_F(CanvasRecordingTest, FrameRectIsFourStrips) {
    Canvas->Brush()->SetColor(clRed);
    Canvas->FrameRect(TRect(0, 0, 4, 3));
    EXPECT_EQ(Rec->Log,
              (std::vector<String>{"FillRect 0,0,4,1 brush clRed", "FillRect 0,2,4,3 brush clRed",
                                   "FillRect 0,1,1,2 brush clRed", "FillRect 3,1,4,2 brush clRed"}));
}

TEST_F(CanvasRecordingTest, LinesFollowThePenPosition) {
    Canvas->Pen()->SetMode(pmXor);
    Canvas->MoveTo(1, 1);
    Canvas->LineTo(5, 1);
    Canvas->LineTo(5, 9);
    Canvas->Polyline({{0, 0}, {1, 1}, {2, 0}});
    EXPECT_EQ(Rec->Log,
              (std::vector<String>{"Polyline 1,1 5,1 pen clBlack pmXor", "Polyline 5,1 5,9 pen clBlack pmXor",
                                   "Polyline 0,0 1,1 2,0 pen clBlack pmXor"}));
    EXPECT_EQ(Canvas->PenPos(), TPoint(5, 9));
}

TEST_F(CanvasRecordingTest, TextOutIsOpaqueOnASolidBrushAndMovesThePen) {
    Canvas->Brush()->SetColor(clInfoBk);
    Canvas->Font()->SetColor(clInfoText);
    Canvas->TextOut(3, 4, "Ügy");
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextRect(TRect(0, 0, 10, 10), 1, 2, "x");
    EXPECT_EQ(Rec->Log, (std::vector<String>{"TextOut 3,4 \"Ügy\" clInfoText opaque clInfoBk",
                                             "TextOut 1,2 \"x\" clInfoText clip 0,0,10,10"}));
    EXPECT_EQ(Canvas->PenPos(), TPoint(21, 4)); // three characters of 6 pixels
    EXPECT_EQ(Canvas->TextHeight("x"), 13);
}

TEST_F(CanvasRecordingTest, TextRectFillsWithAnOpaqueBrush) {
    Canvas->TextRect(TRect(0, 0, 10, 10), 1, 2, "x");
    EXPECT_EQ(Rec->Log[0], "TextOut 1,2 \"x\" clWindowText opaque clWhite clip 0,0,10,10");
}

TEST_F(CanvasRecordingTest, OriginAndClipAreInDeviceCoordinates) {
    Canvas->SetOrigin(TPoint(100, 50));
    Canvas->FillRect(TRect(100, 50, 110, 60));
    Canvas->SetClipRect(TRect(100, 50, 120, 60));
    Canvas->IntersectClipRect(TRect(110, 50, 130, 70));
    EXPECT_EQ(Rec->Log,
              (std::vector<String>{"FillRect 0,0,10,10 brush clWhite", "Clip 0,0,20,10", "Clip 10,0,20,10"}));
    EXPECT_EQ(Canvas->ClipRect(), TRect(110, 50, 120, 60));
    auto clip = Canvas->ClipRegion();
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(clip->Bounds(), TRect(110, 50, 120, 60));
}

TEST_F(CanvasRecordingTest, ChangeEventsBracketEachDrawing) {
    std::vector<String> events;
    Canvas->OnChanging = [&](TObject*) { events.push_back("changing"); };
    Canvas->OnChange = [&](TObject*) { events.push_back("change"); };
    Canvas->FillRect(TRect(0, 0, 1, 1));
    EXPECT_EQ(events, (std::vector<String>{"changing", "change"}));
}

TEST_F(CanvasRecordingTest, DeviceCapsOfTheRecording) {
    EXPECT_EQ(GetDeviceCaps(Canvas.get(), LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(Canvas.get(), HORZRES), 800);
    EXPECT_EQ(Canvas->Pixels(0, 0), clNone); // a recording cannot be read
}

TEST_F(CanvasRecordingTest, BrushSetsTheBackgroundModeAndColour) {
    Canvas->Brush()->SetColor(clNavy);
    EXPECT_EQ(Canvas->BkMode(), OPAQUE);
    EXPECT_EQ(Canvas->BkColor(), clNavy);
    Canvas->Brush()->SetStyle(bsCross);
    EXPECT_EQ(Canvas->BkMode(), TRANSPARENT);
    EXPECT_EQ(Canvas->BkColor(), 0x007FFFFFu); // the inverse of navy
    Canvas->SetBkColor(clRed);                 // lasts until the brush changes
    Canvas->TextOut(0, 0, "x");
    Canvas->Brush()->SetStyle(bsSolid);
    EXPECT_EQ(Canvas->BkColor(), clNavy);
    EXPECT_EQ(Rec->Log[0], "TextOut 0,0 \"x\" clWindowText");
}
