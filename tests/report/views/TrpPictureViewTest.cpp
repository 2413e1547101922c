#include "report/views/TrpPictureView.h"
#include "platform/data/TFieldDefs.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TMetafile.h"
#include "tests/report/StreamBytes.h"
#include "report/build/TrpReport.h"
#include "tests/report/views/ViewTestSupport.h"
#include "tests/support/TMemDataSet.h"

using Log = std::vector<String>;

namespace {

// A placeable metafile whose bounding box is Width × Height units at 1440 per inch.
Bytes PlaceableMetafile(Word Width, Word Height) {
    ByteWriter w;
    w.I32(static_cast<std::int32_t>(0x9AC6CDD7))
        .U16(0)
        .U16(0)
        .U16(0)
        .U16(Width)
        .U16(Height)
        .U16(1440)
        .I32(0)
        .U16(0);
    w.Raw(Bytes{1, 0, 9, 0, 0, 3, 12, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0});
    return w.Out;
}

struct PictureDrawTest : ViewDrawingTest {
    PictureDrawTest() { View.SetBounds(0, 0, 100, 100); }

    void UseBitmap(Integer w, Integer h) {
        TBitmap bitmap(w, h, pf24bit);
        View.Picture.SetGraphic(&bitmap);
    }
    std::vector<String> Blts() const { return Rec->Calls("Blt"); }

    TrpPictureView View;
};

} // namespace

TEST_F(PictureDrawTest, KeepingTheAspectRatioFitsTheWiderSide) {
    UseBitmap(200, 100);
    View.Draw(Canvas.get());
    ASSERT_EQ(Blts().size(), 1u);
    EXPECT_EQ(Blts()[0].substr(0, 14), "Blt 0,0,101,50");

    Rec->Log.clear();
    View.Flags |= flPictCenter;
    View.Draw(Canvas.get());
    ASSERT_EQ(Blts().size(), 1u);
    EXPECT_EQ(Blts()[0].substr(0, 15), "Blt 0,25,101,75");
}

TEST_F(PictureDrawTest, StretchedWithoutRatioFillsTheInnerRectangle) {
    UseBitmap(200, 100);
    View.Flags = flStretched;
    View.Draw(Canvas.get());
    ASSERT_EQ(Blts().size(), 1u);
    EXPECT_EQ(Blts()[0].substr(0, 15), "Blt 0,0,101,101");
}

TEST_F(PictureDrawTest, UnstretchedKeepsItsOwnSizeAtTheTopLeftOrCentred) {
    UseBitmap(20, 10);
    View.Flags = 0;
    View.Draw(Canvas.get());
    ASSERT_EQ(Blts().size(), 1u);
    EXPECT_EQ(Blts()[0].substr(0, 13), "Blt 0,0,20,10");
    Rec->Log.clear();
    View.Flags = flPictCenter;
    View.Draw(Canvas.get());
    ASSERT_EQ(Blts().size(), 1u);
    EXPECT_EQ(Blts()[0].substr(0, 15), "Blt 40,45,60,55"); // ((101 - 20) div 2, (101 - 10) div 2)
}

TEST_F(PictureDrawTest, APictureWithoutSizeDrawsNothingWhenItsRatioIsKept) {
    TMetafile metafile;
    metafile.LoadFromBytes(PlaceableMetafile(0, 720));
    ASSERT_FALSE(metafile.Empty());
    ASSERT_EQ(metafile.Width(), 0);
    View.Picture.SetGraphic(&metafile);
    View.FrameTyp = FrameAll;
    View.Draw(Canvas.get());
    EXPECT_EQ(Rec->Log, Log{"Rectangle 0,0,101,101 pen clBlack brush clear"});
}

TEST_F(PictureDrawTest, AnEmptyPictureShowsOnlyItsFrameOrInADesignerItsCaption) {
    View.FrameTyp = FrameAll;
    View.Draw(Canvas.get());
    EXPECT_EQ(Rec->Log, Log{"Rectangle 0,0,101,101 pen clBlack brush clear"});
    Rec->Log.clear();
    DocMode = dmDesigning;
    View.FrameTyp = 0;
    View.Draw(Canvas.get());
    EXPECT_EQ(Rec->Calls("TextOut"), Log{"TextOut 2,2 \"Picture\" clBlack"});
}

TEST(TrpPictureView, PrintLoadsTheBoundBlobBeforeWritingItsRecord) {
    TBitmap bitmap(2, 3, pf24bit);
    TMemoryStream bmp;
    bitmap.SaveToStream(&bmp);
    TMemDataSet q;
    q.FieldDefs()->Add("kep", ftGraphic);
    q.AppendRow({String(reinterpret_cast<const char*>(bmp.Memory()), static_cast<std::size_t>(bmp.Size()))});
    q.AppendRow({});
    q.Open();

    TrpReport report(nullptr);
    CurReport = &report;
    TrpPictureView view;
    view.FDataSet = &q;
    view.FField = "kep";
    TMemoryStream out;
    view.Print(&out);
    EXPECT_EQ(view.Picture.Width(), 2);
    EXPECT_EQ(view.Picture.Height(), 3);
    // Type code, the print-mode common record (no name, format or script), then kind 1.
    const std::size_t kindAt = 1 + 30 + 4 + 3;
    ASSERT_GT(out.Size(), Int64(kindAt));
    EXPECT_EQ(out.Memory()[kindAt], 1);

    q.Next(); // a null blob empties the picture
    view.Print(&out);
    EXPECT_EQ(view.Picture.Graphic(), nullptr);
    CurReport = nullptr;
}
