#include "report/print/TrpPrinter.h"
#include "tests/report/RecordingPrinter.h"
#include "report/build/TrpPage.h"
#include "report/engine/rpEngine.h"

#include <gtest/gtest.h>

// Without a platform printer (no application object in this test program)
// the engine's printer is the virtual printer alone.
class VirtualPrinter : public ::testing::Test {
protected:
    VirtualPrinter() { rpInitEngine(); }
    TrpPrinter p;
};

TEST_F(VirtualPrinter, ListsOnlyTheVirtualPrinter) {
    ASSERT_EQ(p.Printers().size(), 1u);
    EXPECT_EQ(p.DefaultPrinter, 0);
    EXPECT_TRUE(p.IsVirtual());
    EXPECT_EQ(p.Printers()[0], "Virtual printer");
    EXPECT_EQ(p.PrinterName(), "");     // stored files name no printer
    p.SelectPrinter("No such printer"); // unknown names select nothing
    EXPECT_EQ(p.PrinterIndex(), 0);
    ASSERT_NE(Prn, nullptr);
    EXPECT_EQ(rpPrinterLink, Prn);
}

TEST_F(VirtualPrinter, A4PortraitFigures) {
    p.SetPrinterInfo(9, 0, 0, 0);
    EXPECT_EQ(p.PaperWidth, 2100);
    EXPECT_EQ(p.PaperHeight, 2970);
    TrpPrnInfo i;
    p.FillPrnInfo(i);
    EXPECT_EQ(i.Pgw, 752);
    EXPECT_EQ(i.Pgh, 1071);
    EXPECT_EQ(i.Ofx, 18);
    EXPECT_EQ(i.Ofy, 18);
    EXPECT_EQ(i.Pw, 716);
    EXPECT_EQ(i.Ph, 1035);
    // The virtual printer has no device pixels.
    EXPECT_EQ(i.PPgw, 0);
}

TEST_F(VirtualPrinter, LandscapeSwapsTheTableSize) {
    p.SetPrinterInfo(9, 0, 0, 1);
    EXPECT_EQ(p.PaperWidth, 2970);
    EXPECT_EQ(p.PaperHeight, 2100);
}

TEST_F(VirtualPrinter, PaperTable) {
    p.SetPrinterIndex(p.DefaultPrinter);
    ASSERT_EQ(p.PaperSizesNum, 67);
    EXPECT_EQ(p.PaperSizes.front(), 1);
    EXPECT_EQ(p.PaperSizes[46], 47);
    EXPECT_EQ(p.PaperSizes[47], 50); // 48 and 49 are absent
    EXPECT_EQ(p.PaperSizes.back(), 256);
    EXPECT_EQ(p.PaperNames[8], "A4");
    Integer w = 0, h = 0;
    EXPECT_TRUE(rpPaperTableSize(26, w, h));
    EXPECT_EQ(w, 8636);
    EXPECT_EQ(h, 11176);
    EXPECT_FALSE(rpPaperTableSize(48, w, h));
    EXPECT_FALSE(rpPaperTableSize(256, w, h));
}

TEST_F(VirtualPrinter, GetArrayPos) {
    p.SetPrinterIndex(p.DefaultPrinter);
    EXPECT_EQ(p.GetArrayPos(9), 8);
    EXPECT_EQ(p.GetArrayPos(50), 47);
    // A code not offered gives the last index.
    EXPECT_EQ(p.GetArrayPos(48), 66);
}

TEST_F(VirtualPrinter, SamePaperTwiceAppliesTheSettingsOnce) {
    p.SetPrinterInfo(11, 0, 0, 0);
    const Integer applied = p.SettingsApplied;
    p.SetPrinterInfo(11, 0, 0, 0);
    EXPECT_EQ(p.SettingsApplied, applied);
    p.SetPrinterInfo(11, 0, 0, 1);
    EXPECT_EQ(p.SettingsApplied, applied + 1);
}

TEST_F(VirtualPrinter, IsEqual) {
    p.SetPrinterInfo(256, 1000, 1500, 0);
    EXPECT_TRUE(p.IsEqual(256, 1000, 1500, 0));
    EXPECT_FALSE(p.IsEqual(256, 1000, 1600, 0)); // custom: the height counts
    EXPECT_FALSE(p.IsEqual(256, 1000, 1500, 1));
    // A custom size keeps what it was given.
    EXPECT_EQ(p.PaperWidth, 1000);
    EXPECT_EQ(p.PaperHeight, 1500);
    p.SetPrinterInfo(9, 0, 0, 0);
    EXPECT_TRUE(p.IsEqual(9, 1234, 0, 0)); // standard: the width does not count
    EXPECT_FALSE(p.IsEqual(9, 2100, 2970, 1));
}

TEST_F(VirtualPrinter, TemplatePageTakesPaperAndFigures) {
    TrpPage page(9, 0, 0, 0);
    EXPECT_EQ(page.PaperWidth, 2100);
    EXPECT_EQ(page.PaperHeight, 2970);
    EXPECT_EQ(page.PrnInfo.Pgw, 752);
    EXPECT_EQ(page.PrnInfo.Ph, 1035);
    TrpPage custom(256, 1000, 1000, 0);
    EXPECT_EQ(custom.PaperSize, 256);
    EXPECT_EQ(custom.PrnInfo.Pgw, 358);
}

TEST_F(VirtualPrinter, LeavingAPrinterForTheVirtualOneTakesTheTableFigures) {
    RecordingPrinter device; // A4 at 100 pixels per inch: 2098 x 2969 tenths of a millimetre
    p.SetPrinter(&device);
    ASSERT_FALSE(p.IsVirtual());
    EXPECT_EQ(p.PaperWidth, 2098);
    p.SetPrinter(nullptr);
    EXPECT_TRUE(p.IsVirtual());
    EXPECT_EQ(p.PaperWidth, 2100);
    EXPECT_EQ(p.PaperHeight, 2970);
}
