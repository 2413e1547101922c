#include "platform/graphics/TRegion.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct RgnDeleter {
    void operator()(TRegion* r) const { DeleteObject(r); }
};
using Rgn = std::unique_ptr<TRegion, RgnDeleter>;

} // namespace

TEST(RegionTest, RectangleRegionIsRightAndBottomExclusive) {
    Rgn r(CreateRectRgn(0, 0, 10, 5));
    EXPECT_TRUE(PtInRegion(r.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(r.get(), 9, 4));
    EXPECT_FALSE(PtInRegion(r.get(), 10, 4));
    EXPECT_FALSE(PtInRegion(r.get(), 9, 5));
    TRect box;
    EXPECT_EQ(GetRgnBox(r.get(), &box), SIMPLEREGION);
    EXPECT_EQ(box, TRect(0, 0, 10, 5));
    Rgn swapped(CreateRectRgn(10, 5, 0, 0));
    EXPECT_TRUE(EqualRgn(r.get(), swapped.get()));
}

TEST(RegionTest, CombineModes) {
    Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgn(5, 0, 15, 10)), d(CreateRectRgn(0, 0, 0, 0));
    TRect box;
    EXPECT_EQ(CombineRgn(d.get(), a.get(), b.get(), RGN_AND), SIMPLEREGION);
    GetRgnBox(d.get(), &box);
    EXPECT_EQ(box, TRect(5, 0, 10, 10));
    EXPECT_EQ(CombineRgn(d.get(), a.get(), b.get(), RGN_OR), SIMPLEREGION);
    GetRgnBox(d.get(), &box);
    EXPECT_EQ(box, TRect(0, 0, 15, 10));
    EXPECT_EQ(CombineRgn(d.get(), a.get(), b.get(), RGN_DIFF), SIMPLEREGION);
    GetRgnBox(d.get(), &box);
    EXPECT_EQ(box, TRect(0, 0, 5, 10));
    EXPECT_EQ(CombineRgn(d.get(), a.get(), b.get(), RGN_XOR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(d.get(), 2, 2));
    EXPECT_FALSE(PtInRegion(d.get(), 7, 2));
    EXPECT_TRUE(PtInRegion(d.get(), 12, 2));
    EXPECT_EQ(CombineRgn(d.get(), a.get(), nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(d.get(), a.get()));
    Rgn far(CreateRectRgn(50, 50, 60, 60));
    EXPECT_EQ(CombineRgn(d.get(), a.get(), far.get(), RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(d.get(), a.get(), b.get(), 99), ERROR);
    EXPECT_EQ(CombineRgn(d.get(), a.get(), nullptr, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(nullptr, a.get(), b.get(), RGN_OR), ERROR);
}

TEST(RegionTest, OffsetMovesEveryRectangle) {
    Rgn r(CreateRectRgn(0, 0, 4, 4));
    EXPECT_EQ(OffsetRgn(r.get(), 6, 6), SIMPLEREGION);
    TRect box;
    GetRgnBox(r.get(), &box);
    EXPECT_EQ(box, TRect(6, 6, 10, 10));
    EXPECT_EQ(OffsetRgn(nullptr, 1, 1), ERROR);
}

TEST(RegionTest, PolygonUsesAlternateFill) {
    // The diamond of a 100 × 100 box: centre in, corners out.
    const TPoint diamond[] = {{50, 0}, {0, 50}, {50, 100}, {100, 50}};
    Rgn d(CreatePolygonRgn(diamond, 4, ALTERNATE));
    EXPECT_TRUE(PtInRegion(d.get(), 50, 50));
    EXPECT_FALSE(PtInRegion(d.get(), 5, 5));
    EXPECT_FALSE(PtInRegion(d.get(), 95, 95));
    // A pentagram: alternate leaves the centre out, winding fills it.
    const TPoint star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    Rgn alt(CreatePolygonRgn(star, 5, ALTERNATE)), wind(CreatePolygonRgn(star, 5, WINDING));
    EXPECT_FALSE(PtInRegion(alt.get(), 50, 50));
    EXPECT_TRUE(PtInRegion(wind.get(), 50, 50));
    EXPECT_TRUE(PtInRegion(alt.get(), 50, 10));
    Rgn none(CreatePolygonRgn(star, 2, ALTERNATE));
    TRect box;
    EXPECT_EQ(GetRgnBox(none.get(), &box), NULLREGION);
}

TEST(RegionTest, EllipseAndRoundRect) {
    Rgn e(CreateEllipticRgn(0, 0, 20, 10));
    EXPECT_TRUE(PtInRegion(e.get(), 10, 5));
    EXPECT_FALSE(PtInRegion(e.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(e.get(), 19, 9));
    TRect box;
    GetRgnBox(e.get(), &box);
    EXPECT_EQ(box, TRect(0, 0, 20, 10));
    Rgn rr(CreateRoundRectRgn(0, 0, 40, 40, 20, 20));
    EXPECT_FALSE(PtInRegion(rr.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(rr.get(), 20, 0));
    EXPECT_TRUE(PtInRegion(rr.get(), 0, 20));
    EXPECT_TRUE(PtInRegion(rr.get(), 39, 20));
    EXPECT_FALSE(PtInRegion(rr.get(), 40, 20));
}

TEST(RegionTest, RegionDataHasThePlatformLayout) {
    Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgn(20, 0, 30, 5)), u(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(u.get(), a.get(), b.get(), RGN_OR);
    const Cardinal size = GetRegionData(u.get(), 0, nullptr);
    ASSERT_EQ(size, 32u + 3 * 16u); // bands: y 0..5 two rectangles, y 5..10 one
    std::vector<Byte> data(size);
    EXPECT_EQ(GetRegionData(u.get(), size - 1, data.data()), 0u); // too small
    ASSERT_EQ(GetRegionData(u.get(), size, data.data()), size);
    auto at = [&](std::size_t i) {
        return std::int32_t(data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) | (data[i + 3] << 24));
    };
    EXPECT_EQ(at(0), 32);  // dwSize
    EXPECT_EQ(at(4), 1);   // RDH_RECTANGLES
    EXPECT_EQ(at(8), 3);   // nCount
    EXPECT_EQ(at(12), 48); // nRgnSize
    EXPECT_EQ(at(16), 0);  // rcBound
    EXPECT_EQ(at(24), 30);
    EXPECT_EQ(at(28), 10);
    EXPECT_EQ(at(32), 0); // first rectangle: 0, 0, 10, 5
    EXPECT_EQ(at(40), 10);
    EXPECT_EQ(at(44), 5);
    EXPECT_EQ(at(48), 20); // second: 20, 0, 30, 5
    Rgn back(ExtCreateRegion(nullptr, size, data.data()));
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(EqualRgn(back.get(), u.get()));
    EXPECT_EQ(back->Data(), data);
}

TEST(RegionTest, MalformedRegionDataIsRefused) {
    Rgn r(CreateRectRgn(0, 0, 5, 5));
    std::vector<Byte> data = r->Data();
    EXPECT_EQ(ExtCreateRegion(nullptr, Cardinal(data.size() - 1), data.data()), nullptr); // cut short
    EXPECT_EQ(ExtCreateRegion(nullptr, 16, data.data()), nullptr);
    EXPECT_EQ(ExtCreateRegion(nullptr, 0, nullptr), nullptr);
    std::vector<Byte> bad = data;
    bad[8] = 0xFF; // claims 255 rectangles
    EXPECT_EQ(ExtCreateRegion(nullptr, Cardinal(bad.size()), bad.data()), nullptr);
    bad = data;
    bad[4] = 2; // unknown type
    EXPECT_EQ(ExtCreateRegion(nullptr, Cardinal(bad.size()), bad.data()), nullptr);
    int transform = 0;
    EXPECT_EQ(ExtCreateRegion(&transform, Cardinal(data.size()), data.data()), nullptr);
    // An empty region is valid data too.
    Rgn empty(CreateRectRgn(0, 0, 0, 0));
    auto emptyData = empty->Data();
    EXPECT_EQ(emptyData.size(), 32u);
    Rgn back(ExtCreateRegion(nullptr, Cardinal(emptyData.size()), emptyData.data()));
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->IsEmpty());
}

TEST(RegionTest, OctagonOfThirdsAsTheShapeBuildersUseIt) {
    // Top edge from x = 33 to 66 on a 100 × 100 box.
    const TPoint oct[] = {{66, 0}, {33, 0}, {0, 33}, {0, 66}, {33, 100}, {66, 100}, {100, 66}, {100, 33}};
    Rgn r(CreatePolygonRgn(oct, 8, ALTERNATE));
    EXPECT_TRUE(PtInRegion(r.get(), 40, 0));
    EXPECT_FALSE(PtInRegion(r.get(), 10, 0));
    EXPECT_FALSE(PtInRegion(r.get(), 90, 1));
    EXPECT_TRUE(PtInRegion(r.get(), 50, 50));
}

TEST(RegionTest, HandleCallsTolerateNull) {
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(PtInRegion(nullptr, 0, 0));
    EXPECT_FALSE(EqualRgn(nullptr, nullptr));
    EXPECT_EQ(GetRegionData(nullptr, 0, nullptr), 0u);
    EXPECT_EQ(GetRgnBox(nullptr, nullptr), ERROR);
}
