// Item kinds beyond their records: wave items in lists, generic items and
// files, bitmap items filled from their container's source, and the global
// container's change reports.
#include "controls/lists/TUtlContainer.h"
#include "controls/services/UtlSysInfo.h"
#include "platform/graphics/TCanvas.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<Byte> WaveBytes() {
    std::vector<Byte> b = {'R', 'I', 'F', 'F', 40,  0,   0,   0,   'W',  'A',  'V', 'E', 'f',  'm',  't', ' ',
                           16,  0,   0,   0,   1,   0,   1,   0,   0x40, 0x1F, 0,   0,   0x80, 0x3E, 0,   0,
                           2,   0,   16,  0,   'd', 'a', 't', 'a', 4,    0,    0,   0,   1,    2,    3,   4};
    return b;
}

TEST(UtlWaveListItems, RoundTripPlainAndCompressed) {
    const std::vector<Byte> bytes = WaveBytes();
    for (bool compressed : {false, true}) {
        TUtlWaveList list(nullptr);
        auto* item = list.Items(list.Add());
        TMemoryStream source;
        source.WriteBuffer(bytes.data(), Integer(bytes.size()));
        source.SetPosition(0);
        item->Wave()->LoadFromStream(&source);
        item->SetCompressed(compressed);
        list.Add(); // an empty wave: no data bit
        TMemoryStream stream;
        list.SaveToStream(&stream);
        stream.SetPosition(0);
        TUtlWaveList back(nullptr);
        back.LoadFromStream(&stream);
        ASSERT_EQ(back.GetCount(), 2);
        ASSERT_EQ(back.Items(0)->Wave()->GetSize(), Integer(bytes.size()));
        EXPECT_EQ(0, std::memcmp(back.Items(0)->Wave()->Data()->Memory(), bytes.data(), bytes.size()));
        EXPECT_TRUE(back.Items(1)->Wave()->GetEmpty());
    }
}

TEST(UtlGenericListItems, FilesAndTemporaryFiles) {
    TempFolder folder("generic");
    const String file = folder.File("szerzodes.pdf");
    {
        TMemoryStream m;
        m.WriteBuffer("%PDF-1.4", 8);
        m.SaveToFile(file);
    }
    TUtlGenericListItem item(nullptr);
    item.LoadFromFile(file);
    EXPECT_EQ(item.FileName(), "szerzodes.pdf");
    EXPECT_EQ(item.Data()->Size(), 8);
    const String temp = item.SaveToTempFile();
    ASSERT_FALSE(temp.empty());
    TMemoryStream copy;
    copy.LoadFromFile(temp);
    EXPECT_EQ(copy.Size(), 8);
    std::remove(temp.c_str());
    item.LoadFromFile(folder.File("nincs.pdf"));
    EXPECT_TRUE(item.GetEmpty());
    EXPECT_EQ(item.FileName(), "");
}

TEST(UtlBitmapListItems, FilledFromTheContainersSource) {
    TempFolder folder("source");
    TUtlBitmapList stored(nullptr);
    for (TColor c : {clRed, clLime}) {
        auto* item = stored.Items(stored.Add());
        TBitmap b(3, 3, pf24bit);
        b.Canvas()->Brush()->SetColor(c);
        b.Canvas()->FillRect(Rect(0, 0, 3, 3));
        item->SetBitmap(&b);
    }
    stored.SaveToFile(folder.File("kepek.bml"));

    TUtlBitmapList list(nullptr);
    list.SetPrefix(ppFixed);
    list.SetSourceName(folder.File("kepek.bml"));
    list.SetSource(sdFile);
    list.Add();
    list.Items(0)->SetIdent(1);
    EXPECT_EQ(list.Items(0)->Bitmap()->Canvas()->Pixels(1, 1), clLime);

    // A path template: the folder of SourceName, three letters of its name and the ident.
    TBitmap own(2, 2, pf24bit);
    own.Canvas()->Brush()->SetColor(clBlue);
    own.Canvas()->FillRect(Rect(0, 0, 2, 2));
    own.SaveToFile(folder.File("gom7.bmp"));
    TUtlBitmapList paths(nullptr);
    paths.SetPrefix(ppFixed);
    paths.SetSourceName(folder.File("gombok"));
    paths.SetSource(sdPath);
    paths.Add();
    paths.Items(0)->SetIdent(7);
    EXPECT_EQ(paths.Items(0)->Bitmap()->Canvas()->Pixels(0, 0), clBlue);
}

TEST(UtlGlobalContainer, ListsReportTheirChanges) {
    TUtlContainer container(nullptr);
    std::vector<TObject*> senders;
    container.OnChange = [&](TObject* Sender) { senders.push_back(Sender); };
    container.StringList()->Add();
    container.BitmapList()->Add();
    ASSERT_EQ(senders.size(), 2u);
    EXPECT_EQ(senders[0], &container);
    TUtlStringList other(nullptr);
    other.Add();
    other.Add();
    container.SetStringList(&other);
    EXPECT_EQ(container.StringList()->GetCount(), 2);
}

} // namespace
