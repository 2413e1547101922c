#include "controls/shapes/UtlRegions.h"
#include "controls/shapes/TUtlRegion.h"
#include "controls/shapes/UtlRegionFrames.h"

#include "platform/core/TFiler.h"
#include "platform/core/TypInfo.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/WindowRegion.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TRegion> Own(HRGN h) {
    return std::unique_ptr<TRegion>(h);
}

bool In(const TRegion& r, Integer x, Integer y) {
    return r.Contains(TPoint(x, y));
}

// A component that publishes a region mask, for the form-resource round trip.
class MaskHolder : public TComponent {
public:
    explicit MaskHolder(TComponent* AOwner) : TComponent(AOwner) {
        static const bool registered = [] {
            TPropInfo mask;
            mask.Name = "Mask";
            mask.Kind = tkClass;
            mask.GetObject = [](TObject* o) -> TPersistent* { return &static_cast<MaskHolder*>(o)->Mask; };
            RegisterClass<MaskHolder>("MaskHolder", "", {mask});
            return true;
        }();
        (void)registered;
    }
    String ClassName() const override { return "MaskHolder"; }
    TUtlRegionMask Mask;
};

} // namespace

TEST(UtlRegionsTest, PolygonBuildersUseThirdsAndQuarters) {
    auto oct = Own(UtlCreateOctagonRgn(TRect(0, 0, 100, 100)));
    EXPECT_FALSE(In(*oct, 32, 0));
    EXPECT_TRUE(In(*oct, 33, 0));
    EXPECT_TRUE(In(*oct, 65, 0));
    EXPECT_FALSE(In(*oct, 67, 0));
    EXPECT_TRUE(In(*oct, 50, 50));
    EXPECT_EQ(utl::CombPoints(TRect(0, 0, 80, 100))[1], TPoint(0, 25));
    EXPECT_EQ(utl::CombPoints(TRect(0, 0, 80, 100))[2], TPoint(0, 75));
    auto diamond = Own(UtlCreateDiamondRgn(TRect(10, 10, 50, 30)));
    EXPECT_TRUE(In(*diamond, 30, 20));
    EXPECT_FALSE(In(*diamond, 11, 11));
    auto star = Own(UtlCreateStarRgn(TRect(0, 0, 100, 100)));
    EXPECT_TRUE(In(*star, 50, 50));
    EXPECT_FALSE(In(*star, 50, 90)); // between the two lower tips
    EXPECT_TRUE(In(*star, 84, 98));  // inside the lower right tip
}

TEST(UtlRegionsTest, ShieldsStayInsideTheirRectangle) {
    for (auto make : {&UtlCreateRoundShieldRgn, &UtlCreateSharpShieldRgn}) {
        auto shield = Own(make(TRect(20, 30, 120, 230))); // 100 × 200: the ellipses reach far above
        const TRect box = shield->Bounds();
        EXPECT_GE(box.Top, 30);
        EXPECT_GE(box.Left, 20);
        EXPECT_LE(box.Right, 120);
        EXPECT_LE(box.Bottom, 230);
        EXPECT_TRUE(In(*shield, 70, 100));
        EXPECT_FALSE(In(*shield, 21, 31)); // the rounded notch at the top-left corner
    }
}

TEST(UtlRegionsTest, NoseTakesATenthAndShrinksTwoSides) {
    const TRect r(0, 0, 200, 100);
    EXPECT_EQ(utl::ShrinkForExtension(r, 20, epTopLeft), TRect(20, 20, 200, 100));
    EXPECT_EQ(utl::ShrinkForExtension(r, 20, epRightBottom), TRect(0, 0, 180, 80));
    const auto nose = utl::NoseTriangle(TRect(20, 20, 200, 100), 20, 5, epLeftTop);
    // Tip at the corner, base on the left edge 5 below the top, s = round(√800) = 28 long.
    EXPECT_EQ(nose, (std::vector<TPoint>{{0, 0}, {20, 25}, {20, 53}}));
    auto rgn = Own(UtlCreateNoseRectRgn(r, 20, epLeftTop));
    EXPECT_TRUE(In(*rgn, 3, 4)); // near the tip
    EXPECT_FALSE(In(*rgn, 5, 90));
    EXPECT_TRUE(In(*rgn, 100, 50));
}

TEST(UtlRegionsTest, ThinkBubblesGrowAlongAQuarterCircleFromNothing) {
    const auto bubbles = utl::ThinkBubbles(TRect(20, 20, 200, 100), 20, 4, epLeftTop);
    ASSERT_EQ(bubbles.size(), 6u); // i = 0 .. 5
    EXPECT_TRUE(IsRectEmpty(bubbles[0]));
    EXPECT_LT(bubbles[1].Width(), bubbles[5].Width());
    EXPECT_TRUE(utl::ThinkBubbles(TRect(0, 0, 10, 10), 5, 0, epLeftTop).empty());
    // The union starts empty: the origin pixel is no part of a shape away from it.
    auto rgn = Own(UtlCreateThinkBubbleRgn(TRect(50, 50, 250, 150), 30, 4, epRightBottom));
    EXPECT_FALSE(In(*rgn, 0, 0));
    EXPECT_TRUE(In(*rgn, 100, 80));
}

TEST(UtlRegionsTest, RegionDataRoundTrips) {
    TUtlRegion region;
    auto star = Own(UtlCreateStarRgn(TRect(0, 0, 60, 60)));
    region.SetUserRgn(star.get());
    region.SetShape(rsUserRegion);
    region.CreateRegion(TRect(0, 0, 60, 60));
    ASSERT_NE(region.BuiltRegion(), nullptr);
    EXPECT_TRUE(*region.BuiltRegion() == *star);

    TUtlRegionMask mask;
    mask.SetRegionDataSize(Integer(GetRegionData(star.get(), 0, nullptr)));
    mask.GetMem();
    EXPECT_TRUE(mask.GetRegionData(star.get()));
    auto back = Own(mask.CreateRegion());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(*back == *star);
    // A block too small for the region is left alone; broken data builds nothing.
    TUtlRegionMask small;
    small.SetRegionDataSize(16);
    small.GetMem();
    EXPECT_FALSE(small.GetRegionData(star.get()));
    EXPECT_EQ(small.CreateRegion(), nullptr);
    // The published size never outgrows the block it describes.
    small.SetRegionDataSize(100000);
    EXPECT_EQ(small.CreateRegion(), nullptr);
}

TEST(UtlRegionsTest, MaskAssignCopiesDataOrEmpties) {
    TUtlRegionMask full, empty, target;
    auto rect = Own(CreateRectRgn(0, 0, 5, 5));
    full.SetRegionDataSize(Integer(GetRegionData(rect.get(), 0, nullptr)));
    full.GetMem();
    full.GetRegionData(rect.get());
    full.MaskBitmap()->SetSize(3, 2);
    target.Assign(&full);
    EXPECT_EQ(target.RegionData(), full.RegionData());
    EXPECT_EQ(target.MaskBitmap()->Width(), 3);
    target.Assign(&empty);
    EXPECT_TRUE(target.RegionData().empty());
    EXPECT_EQ(target.RegionDataSize(), 0);
    EXPECT_EQ(target.MaskBitmap()->Width(), 3); // the bitmaps stay
}

TEST(UtlRegionsTest, MaskTravelsThroughTheFormText) {
    MaskHolder from(nullptr);
    auto rect = Own(CreateRectRgn(1, 2, 30, 40));
    from.Mask.SetRegionDataSize(Integer(GetRegionData(rect.get(), 0, nullptr)));
    from.Mask.GetMem();
    from.Mask.GetRegionData(rect.get());
    from.Mask.MaskBitmap()->SetSize(4, 3);
    from.Mask.MaskBitmap()->Canvas()->SetPixels(1, 1, clRed);
    from.Mask.SetCompressed(true);
    const String text = ComponentToText(&from);
    EXPECT_NE(text.find("Mask.RegionData"), String::npos);
    EXPECT_NE(text.find("Mask.BorderBmp"), String::npos);
    EXPECT_EQ(text.find("BorderUpBmp"), String::npos); // empty bitmaps are not written
    MaskHolder to(nullptr);
    TextToComponent(text, &to);
    EXPECT_EQ(to.Mask.RegionData(), from.Mask.RegionData());
    EXPECT_EQ(to.Mask.RegionDataSize(), from.Mask.RegionDataSize());
    EXPECT_TRUE(to.Mask.Compressed());
    EXPECT_EQ(to.Mask.MaskBitmap()->Canvas()->Pixels(1, 1) & 0xFFFFFF, clRed);
    auto region = Own(to.Mask.CreateRegion());
    ASSERT_NE(region, nullptr);
    EXPECT_TRUE(*region == *rect);
}

TEST(UtlRegionsTest, RegionOfEachShapeAndItsShadow) {
    TUtlRegion region;
    const TRect r(0, 0, 120, 80);
    for (Integer s = rsRect; s <= rsEllipticThinkBubble; ++s) {
        region.SetShape(TUtlRegionShape(s));
        region.CreateRegion(r);
        if (s == rsBitmap || s == rsUserRegion) {
            EXPECT_EQ(region.BuiltRegion(), nullptr) << "shape " << s; // nothing stored
            continue;
        }
        ASSERT_NE(region.BuiltRegion(), nullptr) << "shape " << s;
        EXPECT_TRUE(In(*region.BuiltRegion(), 60, 45)) << "shape " << s;
    }
    region.SetShape(rsRect);
    region.Shadow()->SetStyle(hssSolid);
    region.Shadow()->SetDepth(5);
    region.CreateRegion(r);
    EXPECT_EQ(region.BuiltRegion()->Bounds(), TRect(0, 0, 115, 75));
    EXPECT_EQ(region.ResultRegion()->Bounds(), TRect(0, 0, 120, 80));
    EXPECT_FALSE(In(*region.ResultRegion(), 117, 2)); // the shadow starts 5 down
    region.SetNoShadow(true);
    EXPECT_EQ(region.ResultRegion()->Bounds(), TRect(0, 0, 115, 75));
    region.SetShape(rsHalfRound);
    region.CreateRegion(TRect(0, 0, 100, 50));
    EXPECT_TRUE(In(*region.BuiltRegion(), 50, 1)); // the lower half of a tall ellipse fills the rectangle
}

TEST(UtlRegionsTest, PointListShapeFollowsItsPoints) {
    TUtlRegion region;
    Integer changes = 0;
    region.OnChange = [&](TObject*) { ++changes; };
    region.SetShape(rsPointList);
    region.CreateRegion(TRect(0, 0, 50, 50));
    EXPECT_EQ(region.BuiltRegion(), nullptr); // no points, no region
    region.SetUserPolygonRgn({{0, 0}, {40, 0}, {0, 40}});
    region.CreateRegion(TRect(0, 0, 50, 50));
    ASSERT_NE(region.BuiltRegion(), nullptr);
    EXPECT_TRUE(In(*region.BuiltRegion(), 5, 5));
    EXPECT_FALSE(In(*region.BuiltRegion(), 35, 35));
    const Integer before = changes;
    region.Points()->AddPoint(TPoint(40, 40)); // the list reports an added point twice
    EXPECT_EQ(changes, before + 2);
    region.SetRoundX(5); // not a rounded shape: no change
    EXPECT_EQ(changes, before + 2);
}

TEST(UtlRegionsTest, AppliedRegionBecomesTheWindowsMask) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    TUtlBorderRegion region(&form);
    region.SetShape(rsElliptic);
    region.CreateRegion(TRect(0, 0, 200, 100));
    region.SetRegion();
    auto mask = ui::GetWindowRgn(&form);
    ASSERT_NE(mask, nullptr);
    EXPECT_FALSE(mask->Contains(TPoint(1, 1)));
    EXPECT_TRUE(mask->Contains(TPoint(100, 50)));
    region.FreeRegion();
    EXPECT_EQ(ui::GetWindowRgn(&form), nullptr);
}

TEST(UtlRegionsTest, BorderSchemes) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    UtlFrameRectRgn(canvas.get(), TRect(0, 0, 20, 10), clWhite, clGray, clBlack, rbNone);
    EXPECT_TRUE(rec->Log.empty());
    UtlFrameRectRgn(canvas.get(), TRect(0, 0, 20, 10), clWhite, clGray, clBlack, rbRaised);
    auto lines = rec->Calls("Polyline");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("clWhite"), String::npos);
    EXPECT_NE(lines[1].find("clGray"), String::npos);
    rec->Log.clear();
    UtlFrameRectRgn(canvas.get(), TRect(0, 0, 20, 10), clWhite, clGray, clBlack, rbSingleLowered);
    lines = rec->Calls("Polyline");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[0].find("clBlack"), String::npos);
    EXPECT_EQ(lines[2].substr(0, 13), "Polyline 1,8 "); // inset by one, lowered: grey first
    EXPECT_NE(lines[2].find("clGray"), String::npos);
    rec->Log.clear();
    UtlFramePointList(canvas.get(), {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, clWhite, clGray, clBlack, rbRaised);
    lines = rec->Calls("Polyline");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[0].find("clWhite"), String::npos); // right
    EXPECT_NE(lines[1].find("clGray"), String::npos);  // down
    EXPECT_NE(lines[2].find("clGray"), String::npos);  // left
    EXPECT_NE(lines[3].find("clWhite"), String::npos); // up
}

namespace {

// A component publishing a region, for the point list's form-resource round trip.
class RegionHolder : public TComponent {
public:
    explicit RegionHolder(TComponent* AOwner) : TComponent(AOwner) {
        static const bool registered = [] {
            TPropInfo region;
            region.Name = "Region";
            region.Kind = tkClass;
            region.GetObject = [](TObject* o) -> TPersistent* {
                return &static_cast<RegionHolder*>(o)->Region;
            };
            RegisterClass<RegionHolder>("RegionHolder", "", {region});
            return true;
        }();
        (void)registered;
    }
    String ClassName() const override { return "RegionHolder"; }
    TUtlRegion Region;
};

} // namespace

TEST(UtlRegionsTest, PointListTravelsThroughTheFormText) {
    RegionHolder from(nullptr);
    from.Region.SetUserPolygonRgn({{0, 0}, {-5, 70000}, {30, 2}});
    const String text = ComponentToText(&from);
    EXPECT_NE(text.find("Region.PointList"), String::npos);
    RegionHolder to(nullptr);
    TextToComponent(text, &to);
    ASSERT_EQ(to.Region.Points()->Count(), 3);
    EXPECT_EQ(to.Region.Points()->GetPoint(1), TPoint(-5, 70000));
    RegionHolder empty(nullptr);
    EXPECT_EQ(ComponentToText(&empty).find("PointList"), String::npos);
}
