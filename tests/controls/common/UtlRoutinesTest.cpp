#include "controls/common/UtlRoutines.h"

#include "platform/core/FileUtils.h"
#include "platform/os/ProgramPaths.h"
#include "platform/os/TickCount.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(UtlBitsTest, SetBitSetsAndClears) {
    Cardinal b = 0;
    UtlSetBit(b, 3, true);
    EXPECT_EQ(b, 8u);
    UtlSetBit(b, 3, true); // setting twice keeps it set
    EXPECT_EQ(b, 8u);
    UtlSetBit(b, 3, false);
    EXPECT_EQ(b, 0u);
    UtlSetBit(b, 3, false); // clearing a clear bit must not set it
    EXPECT_EQ(b, 0u);
    UtlSetBit(b, 32, true); // outside the set: nothing
    EXPECT_EQ(b, 0u);
    UtlSetBit(b, 31, true); // the top bit is inside
    EXPECT_EQ(b, 0x80000000u);
    b = 0xFFFFFFFFu;
    UtlSetBit(b, 31, false);
    EXPECT_EQ(b, 0x7FFFFFFFu);
}

TEST(UtlBitsTest, SetBitUpToAndGetBit) {
    Cardinal b = 0;
    UtlSetBitUpTo(b, 4);
    EXPECT_EQ(b, 0x1Fu);
    EXPECT_TRUE(UtlGetBit(b, 4));
    EXPECT_FALSE(UtlGetBit(b, 5));
    EXPECT_FALSE(UtlGetBit(b, -1));
    UtlSetBitUpTo(b, 31);
    EXPECT_EQ(b, 0xFFFFFFFFu);
    EXPECT_TRUE(UtlGetBit(0x80000000u, 31)); // the top bit alone reads set
    EXPECT_FALSE(UtlGetBit(0x7FFFFFFFu, 31));
    EXPECT_FALSE(UtlGetBit(b, 32)); // past the set
}

TEST(UtlArithmeticTest, ExtremesMidAndPower) {
    EXPECT_EQ(UtlMax({3, -7, 12, 0}), 12);
    EXPECT_EQ(UtlMin({3, -7, 12, 0}), -7);
    EXPECT_DOUBLE_EQ(UtlMaxR({0.5, 2.25}), 2.25);
    EXPECT_DOUBLE_EQ(UtlMinR({0.5, 2.25}), 0.5);
    EXPECT_EQ(UtlMidI(3, 4), 3);
    EXPECT_EQ(UtlMidI(-3, -4), -3); // toward zero
    EXPECT_EQ(UtlMidI(2147483647, 2147483647), 2147483647);
    EXPECT_EQ(UtlExp(2, 10), 1024);
    EXPECT_EQ(UtlExp(5, 0), 1);
    EXPECT_EQ(UtlExp(5, -2), 1);
    EXPECT_EQ(UtlExp(-2, 31), INT32_MIN); // fits just
    EXPECT_EQ(UtlExp(2, 31), INT32_MIN);  // past the range: the low 32 bits
    EXPECT_EQ(UtlExp(3, 40), 689956897);
    EXPECT_EQ(UtlExp(-1, INT32_MAX), -1);
}

TEST(UtlRectTest, ExpandAdjustAndContain) {
    EXPECT_EQ(UtlExpandRect(Rect(10, 10, 20, 20), 2), Rect(8, 8, 22, 22));
    TRect r(0, 0, 10, 10);
    UtlAdjustRect(r, 5, -2);
    EXPECT_EQ(r, Rect(0, 0, 15, 8));
    UtlAdjustRectExt(r, 1, 2, 3, 4);
    EXPECT_EQ(r, Rect(1, 2, 18, 12));
    EXPECT_TRUE(UtlRectinRect(Rect(1, 1, 5, 5), Rect(0, 0, 5, 5)));
    EXPECT_FALSE(UtlRectinRect(Rect(1, 1, 6, 5), Rect(0, 0, 5, 5)));
}

TEST(UtlRectTest, AffineRectKeepsTheAspectRatio) {
    EXPECT_EQ(UtlAffineRect(Rect(0, 0, 200, 100), Rect(10, 10, 110, 110)), Rect(10, 10, 110, 60));
    EXPECT_EQ(UtlAffineRect(Rect(0, 0, 100, 200), Rect(0, 0, 100, 100)), Rect(0, 0, 50, 100));
    EXPECT_EQ(UtlAffineRect(Rect(0, 0, 0, 10), Rect(5, 5, 50, 50)), Rect(5, 5, 5, 5));
}

TEST(UtlRectTest, RotatedBoundingBox) {
    TRect r(10, 10, 110, 60);
    UtlCalcRotRect(r, 90);
    EXPECT_EQ(r, Rect(0, 0, 50, 100));
    r = Rect(0, 0, 100, 100);
    UtlCalcRotRect(r, 45);
    EXPECT_EQ(r, Rect(0, 0, 141, 141));
}

TEST(UtlPointsTest, MidpointOffsetAndNull) {
    std::vector<TPoint> pts{{0, 0}, {10, 5}, {-4, 2}};
    TPoint p;
    UtlMidpoint(pts, 3, p);
    EXPECT_EQ(p, TPoint(2, 2));
    UtlMidpoint(pts, 0, p);
    EXPECT_EQ(p, TPoint(0, 0));
    UtlOffsetPoints(pts, 1, -1);
    EXPECT_EQ(pts[1], TPoint(11, 4));
    UtlNullPoints(pts);
    EXPECT_EQ(pts[2], TPoint(0, 0));
}

TEST(UtlPathTest, ShrunkFileNameDropsLeadingFoldersFirst) {
    const String s = "C:\\iroda\\ugyek\\2024\\szerzodes.doc";
    EXPECT_EQ(UtlShrunkFileName(s, 100), s);
    EXPECT_EQ(UtlShrunkFileName(s, 32), "C:\\...\\ugyek\\2024\\szerzodes.doc");
    EXPECT_EQ(UtlShrunkFileName(s, 30), "C:\\...\\2024\\szerzodes.doc");
    EXPECT_EQ(UtlShrunkFileName(s, 24), "C:\\...\\szerzodes.doc");
    EXPECT_EQ(UtlShrunkFileName(s, 18), "...\\szerzodes.doc");
    EXPECT_EQ(UtlShrunkFileName(s, 5), "szerzodes.doc");
}

TEST(UtlPathTest, ShrunkFileNameEndsOnARootFolder) {
    // A root folder alone cannot get shorter by dropping a component.
    EXPECT_EQ(UtlShrunkFileName("\\nagyonhosszunev.txt", 5), "nagyonhosszunev.txt");
    EXPECT_EQ(UtlShrunkFileName("/nagyonhosszunev.txt", 5), "nagyonhosszunev.txt");
    EXPECT_EQ(UtlShrunkFileName("C:\\x.txt", 2), "x.txt");
}

TEST(UtlPathTest, ShrunkFileNameOfALinuxPath) {
    EXPECT_EQ(UtlShrunkFileName("/home/iroda/dokumentumok/a.pdf", 23), "/.../dokumentumok/a.pdf");
    EXPECT_EQ(UtlShrunkFileName("/home/iroda/dokumentumok/a.pdf", 22), "/.../a.pdf");
}

TEST(UtlPathTest, ProgramFoldersAndNames) {
    const String exe = ParamStr(0);
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(UtlAppPath().back(), '/');
    EXPECT_EQ(UtlAppPath() + ExtractFileName(exe), exe);
    EXPECT_EQ(UtlAppIniName(), "SOFTWARE\\" + ChangeFileExt(ExtractFileName(exe), ""));
    EXPECT_EQ(UtlExtractFileName("C:\\a\\b\\level.tar.gz"), "level.tar");
    EXPECT_EQ(UtlCreatePathPrefix(ppFixed, true), "");
    EXPECT_EQ(UtlCreatePathPrefix(ppProgram, false) + "/", UtlAppPath());
}

TEST(UtlDelayTest, WaitsAtLeastTheTime) {
    const Int64 start = GetTickCount64();
    UtlDelay(30);
    EXPECT_GE(GetTickCount64() - start, 30);
}

TEST(UtlRectTest, RotatedTextStartsSoThatItIsCentred) {
    const TRect box(0, 0, 100, 40);
    EXPECT_EQ(UtlRotatedXPos(box, 60, 10, 0), 20);
    EXPECT_EQ(UtlRotatedYPos(box, 60, 10, 0), 15);
    // Turned up by 90 degrees the line starts low and runs upward.
    EXPECT_EQ(UtlRotatedXPos(box, 30, 10, 90), 45);
    EXPECT_EQ(UtlRotatedYPos(box, 30, 10, 90), 35);
    EXPECT_EQ(UtlRotatedXPos(box, 60, 10, 180), 80);
}
