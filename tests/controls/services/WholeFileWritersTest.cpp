// The whole-file writers of the control library and of pictures: a full disk
// leaves the file that was there, and no temporary beside it.
#include "controls/services/GxSystemRoutines.h"
#include "controls/services/TUtlIniCtrl.h"
#include "controls/services/TUtlWave.h"
#include "controls/lists/UtlImageStrip.h"
#include "controls/lists/UtlListItems.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace {

// A mono 16-bit wave whose samples are Data.
String WaveOf(const String& Data) {
    const auto le32 = [](std::uint32_t v) {
        return String{char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24)};
    };
    const auto size = static_cast<std::uint32_t>(Data.size());
    return "RIFF" + le32(36 + size) + "WAVEfmt " + le32(16) + String("\x01\x00\x01\x00", 4) + le32(8000) +
           le32(16000) + String("\x02\x00\x10\x00", 4) + "data" + le32(size) + Data;
}

TEST(WholeFileWriters, AFullDiskLeavesTheEarlierFileAndNoTemporary) {
    // Each writer has more to write than the disk takes (4 KB).
    const String big(64 * 1024, 'x');
    TBitmap picture(160, 120, pf24bit);
    TUtlWave wave;
    TMemoryStream bytes;
    const String sound = WaveOf(big);
    bytes.WriteBuffer(sound.data(), Integer(sound.size()));
    bytes.SetPosition(0);
    wave.LoadFromStream(&bytes);
    TUtlGenericListItem document(nullptr);
    document.Data()->WriteBuffer(big.data(), Integer(big.size()));
    TUtlStringList lines(nullptr);
    auto* item = static_cast<TUtlStringListItem*>(lines.GetItem(lines.Add()));
    for (int i = 0; i < 1000; ++i)
        item->Items()->Add(String(100, 'y'));
    TempFolder sources("velmora-writer-sources");
    TBitmap sheet(16 * 64, 16, pf24bit);
    sheet.SaveToFile(sources.File("ikonok.bmp"));
    TUtlImageListItem strip(nullptr);
    ASSERT_TRUE(strip.LoadFromBitmap(sources.File("ikonok.bmp"), 64, false));
    TUtlIniCtrl settings(nullptr);
    settings.SetIniFile(big);

    const struct {
        const char* Writer;
        std::function<void(const String&)> Save;
    } writers[] = {
        {"picture", [&](const String& f) { picture.SaveToFile(f); }},
        {"wave", [&](const String& f) { wave.SaveToFile(f); }},
        {"generic item", [&](const String& f) { document.SaveToFile(f); }},
        {"list file", [&](const String& f) { lines.SaveToFile(f); }},
        {"image strip file", [&](const String& f) { strip.SaveToFile(f); }},
        {"component text", [&](const String& f) { SaveComponentToTextFile(&settings, f); }},
    };
    TempFolder dir("velmora-writers");
    const String target = dir.File("mentett");
    for (const auto& w : writers) {
        SCOPED_TRACE(w.Writer);
        WriteFileBytes(target, "yesterday");
        String error;
        {
            const FileSizeLimit full(4096);
            error = ErrorOf<EStreamError>([&] { w.Save(target); });
        }
        EXPECT_EQ(error.rfind("A(z) „" + target + "” fájl nem készült el: ", 0), 0u) << error;
        EXPECT_TRUE(ReadFileBytes(target) == "yesterday") << "the earlier file was overwritten";
        EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string>{"mentett"});
    }
}

} // namespace
