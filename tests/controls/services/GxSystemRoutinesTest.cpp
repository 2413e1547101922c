// The gx routines over streaming, sound and the window layer.
#include "controls/services/GxSystemRoutines.h"
#include "controls/services/TUtlIniCtrl.h"
#include "platform/core/Exceptions.h"
#include "platform/os/WaveOut.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TScreen.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(GxComponentText, StringAndFileRoundTrip) {
    TUtlIniCtrl ini(nullptr);
    ini.SetName("Settings1");
    ini.SetIniFile("iroda");
    ini.SetMaxEntries(8);
    const String text = ComponentToString(&ini);
    EXPECT_EQ(text, "object Settings1: TUtlIniCtrl\n  IniFile = 'iroda.INI'\n  MaxEntries = 8\nend\n");
    TUtlIniCtrl back(nullptr);
    StringToComponent(&back, text);
    EXPECT_EQ(back.IniFile(), "iroda.INI");
    EXPECT_EQ(back.MaxEntries(), 8);

    TempFolder folder("gxtext");
    SaveComponentToTextFile(&ini, folder.File("ini.txt"));
    TUtlIniCtrl fromFile(nullptr);
    LoadComponentFromTextFile(&fromFile, folder.File("ini.txt"));
    EXPECT_EQ(fromFile.MaxEntries(), 8);
    EXPECT_EQ(
        ErrorOf<EReadError>([&] { StringToComponent(&back, "object X: TUtlIniCtrl\n  Colour = 1\nend"); }),
        "Error reading TUtlIniCtrl.Colour: Property Colour does not exist");
}

TEST(GxSystemRoutines, FindMainWindowByClassOrCaption) {
    TForm form(nullptr);
    form.SetCaption("Velmora próba");
    EXPECT_EQ(FindMainWindow("", ""), nullptr);
    EXPECT_EQ(FindMainWindow("", "Velmora próba"), &form);
    EXPECT_EQ(FindMainWindow("TForm", "Velmora próba"), &form);
    EXPECT_EQ(FindMainWindow("TOther", ""), nullptr);
}

TEST(GxSystemRoutines, TypedTextReachesTheFocusedEdit) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    form.Show();
    form.SetActiveControl(edit);
    Screen->SetActiveForm(&form);
    TypeStringOnKeyboard("Ügy 12");
    EXPECT_EQ(edit->Text(), "Ügy 12");
    form.Hide();
}

TEST(GxSystemRoutines, UnknownWaveResourceDoesNotPlay) {
    EXPECT_FALSE(PlayWaveResource("NINCS"));
    const Byte junk[4] = {1, 2, 3, 4};
    RegisterWaveResource("Csengo", junk, sizeof junk);
    std::vector<Byte> data;
    EXPECT_TRUE(FindWaveResource("CSENGO", data));
    EXPECT_EQ(data.size(), 4u);
    EXPECT_FALSE(PlayWaveResource("csengo")); // no wave in it, and no device here
}

} // namespace
