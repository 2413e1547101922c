// The font and colour dialogs.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TColorDialog.h"
#include "platform/ui/TFontDialog.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

TEST(FontAndColourDialogs, ConfirmedChoiceIsTaken) {
    TFontDialog fonts(nullptr);
    fonts.Font()->SetName("MS Sans Serif");
    {
        uitest::DialogRecorder answer(1, "Arial");
        EXPECT_TRUE(fonts.Execute());
        EXPECT_EQ(answer.Requests[0].Kind, ui::DialogKind::FontDialog);
        EXPECT_EQ(answer.Requests[0].Value, "MS Sans Serif");
    }
    EXPECT_EQ(fonts.Font()->Name(), "Arial");
    {
        uitest::DialogRecorder answer(0, "Courier New");
        EXPECT_FALSE(fonts.Execute());
    }
    EXPECT_EQ(fonts.Font()->Name(), "Arial");

    TColorDialog colours(nullptr);
    colours.SetColor(clNavy);
    uitest::DialogRecorder answer(1, "clRed");
    EXPECT_TRUE(colours.Execute());
    EXPECT_EQ(answer.Requests[0].Value, "clNavy");
    EXPECT_EQ(colours.Color(), clRed);
}

TEST(FontAndColourDialogs, AnUnreadableColourAnswerRaises) {
    TColorDialog colours(nullptr);
    uitest::DialogRecorder answer(1, "bíbor");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { colours.Execute(); }), "'bíbor' is not a valid integer value");
    EXPECT_EQ(colours.Color(), clBlack);
}

} // namespace
