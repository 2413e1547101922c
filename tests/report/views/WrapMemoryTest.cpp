#include "report/views/detail/WrapMemory.h"

#include "platform/core/TStringList.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

// Lays Paragraph out through the memory, counting the wraps that really ran.
std::vector<String> Lay(const WrapSetting& Setting, const String& Paragraph, int& Wraps) {
    TStringList out;
    out.Add("before");
    AddWrapped(Setting, Paragraph, out, [&] {
        ++Wraps;
        return std::vector<String>{Paragraph + "/1", Paragraph + "/2"};
    });
    std::vector<String> lines;
    for (Integer k = 0; k < out.Count(); ++k)
        lines.push_back(out.Get(k));
    return lines;
}

WrapSetting Setting() {
    WrapSetting s;
    s.Font.Name = "Arial";
    s.Font.Height = -13;
    s.Available = 200;
    s.Flags = 2;
    return s;
}

} // namespace

TEST(WrapMemory, OutsideABuildEveryParagraphIsWrapped) {
    int wraps = 0;
    EXPECT_EQ(Lay(Setting(), "Őri Éva", wraps), (std::vector<String>{"before", "Őri Éva/1", "Őri Éva/2"}));
    Lay(Setting(), "Őri Éva", wraps);
    EXPECT_EQ(wraps, 2);
}

TEST(WrapMemory, WhileHeldAParagraphLaidOutAlikeTakesItsLines) {
    int wraps = 0;
    {
        WrapHold hold;
        const auto first = Lay(Setting(), "Őri Éva", wraps);
        EXPECT_EQ(Lay(Setting(), "Őri Éva", wraps), first);
        EXPECT_EQ(wraps, 1);
        Lay(Setting(), "Őri Évi", wraps);
        EXPECT_EQ(wraps, 2);
    }
    // The hold gone, the memory is too.
    Lay(Setting(), "Őri Éva", wraps);
    EXPECT_EQ(wraps, 3);
}

TEST(WrapMemory, EveryPartOfTheSettingCounts) {
    WrapHold hold;
    int wraps = 0;
    Lay(Setting(), "Ügy", wraps);
    std::vector<WrapSetting> others(9, Setting());
    static graphics::FixedTextMeasurer fixed;
    others[0].Measurer = &fixed;
    others[1].Font.Name = "Times New Roman";
    others[2].Font.Height = -12;
    others[3].Font.Style = TFontStyles{fsBold};
    others[4].Font.Charset = 238;
    others[5].Font.Pitch = fpFixed;
    others[6].CharExtra = 1;
    others[7].Available = 199;
    others[8].Flags = 6;
    for (const auto& s : others)
        Lay(s, "Ügy", wraps);
    EXPECT_EQ(wraps, 10);
    // Colour measures nothing.
    WrapSetting coloured = Setting();
    coloured.Font.Color = clRed;
    Lay(coloured, "Ügy", wraps);
    EXPECT_EQ(wraps, 10);
}

TEST(WrapMemory, NestedHoldsKeepTheMemoryUntilTheOuterEnds) {
    int wraps = 0;
    WrapHold outer;
    {
        WrapHold inner;
        Lay(Setting(), "Kőszeg", wraps);
    }
    Lay(Setting(), "Kőszeg", wraps);
    EXPECT_EQ(wraps, 1);
}

TEST(WrapMemory, AReplayTakesTheParagraphsInTheirOrderAndStillFindsOthers) {
    int wraps = 0;
    WrapHold hold;
    const std::vector<String> texts = {"Kovács Ágnes", "Szűcs Ödön", "Kovács Ágnes", "Őri Éva"};
    std::vector<std::vector<String>> first;
    for (const auto& t : texts)
        first.push_back(Lay(Setting(), t, wraps));
    EXPECT_EQ(wraps, 3);
    hold.Replay();
    for (std::size_t k = 0; k < texts.size(); ++k)
        EXPECT_EQ(Lay(Setting(), texts[k], wraps), first[k]);
    // Out of turn, or in another setting, a paragraph is still looked up, never mistaken.
    EXPECT_EQ(Lay(Setting(), "Őri Éva", wraps), first[3]);
    EXPECT_EQ(Lay(Setting(), "Kovács Ágnes", wraps), first[0]);
    WrapSetting wider = Setting();
    wider.Available = 300;
    Lay(wider, "Szűcs Ödön", wraps);
    EXPECT_EQ(wraps, 4);
    EXPECT_EQ(Lay(Setting(), "Új szöveg", wraps),
              (std::vector<String>{"before", "Új szöveg/1", "Új szöveg/2"}));
    EXPECT_EQ(wraps, 5);
}
