// Item containers: list-file byte layout, records of every item kind plain and
// compressed, refused and truncated files, change notification and the
// form-resource text of lists and of the container control.
#include "controls/services/TUtlApplication.h"
#include "controls/lists/TUtlContainer.h"
#include "controls/bases/TUtlCustomControl.h"
#include "controls/bases/TUtlFormShape.h"
#include "controls/common/UtlStreams.h"
#include "platform/core/FileUtils.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TFiler.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCustomForm.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<Byte>;

Bytes BytesOf(TMemoryStream& s) {
    return Bytes(s.Memory(), s.Memory() + s.Size());
}

std::int32_t Int32At(const Bytes& b, std::size_t at) {
    return std::int32_t(Cardinal(b[at]) | Cardinal(b[at + 1]) << 8 | Cardinal(b[at + 2]) << 16 |
                        Cardinal(b[at + 3]) << 24);
}

Bytes ReadFile(const String& name) {
    TMemoryStream s;
    s.LoadFromFile(name);
    return BytesOf(s);
}

std::unique_ptr<TBitmap> SmallBitmap(TColor c) {
    auto b = std::make_unique<TBitmap>(4, 3, pf24bit);
    b->Canvas()->Brush()->SetColor(c);
    b->Canvas()->FillRect(Rect(0, 0, 4, 3));
    b->Canvas()->SetPixels(1, 1, clBlue);
    return b;
}

class UtlContainerTest : public ::testing::Test {
protected:
    TempFolder Folder{"container"};
};

TEST_F(UtlContainerTest, EmptyListFileIsSignatureAndCount) {
    TUtlBitmapList list(nullptr);
    list.SaveToFile(Folder.File("empty.bml"));
    EXPECT_EQ(ReadFile(Folder.File("empty.bml")),
              (Bytes{8, 'U', 'T', 'L', 'B', 'M', 'L', '3', '0', 0, 0, 0, 0}));
    list.Add();
    list.LoadFromFile(Folder.File("empty.bml"));
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(UtlContainerTest, OffsetsAndFlagBytes) {
    TUtlBitmapList list(nullptr);
    list.Add(); // empty and undescribed: the single flag byte 0
    const Integer second = list.Add();
    list.Items(second)->SetBitmap(SmallBitmap(clRed).get());
    list.Items(second)->SetDescription(String(255, 'd'));
    list.Items(second)->SetIdent(65535);
    list.SaveToFile(Folder.File("two.bml"));
    const Bytes b = ReadFile(Folder.File("two.bml"));
    EXPECT_EQ(Int32At(b, 9), 2);
    EXPECT_EQ(Int32At(b, 13), 21); // 13 + 2 offsets
    EXPECT_EQ(Int32At(b, 17), 22);
    EXPECT_EQ(b[21], 0);
    EXPECT_EQ(b[22], ifDescription | ifIdent | ifData);
    EXPECT_EQ(b[23], 255);
    EXPECT_EQ(Int32At(b, 24 + 255), 65535);

    TUtlBitmapList back(nullptr);
    back.LoadFromFile(Folder.File("two.bml"));
    ASSERT_EQ(back.GetCount(), 2);
    EXPECT_TRUE(back.Items(0)->GetEmpty());
    EXPECT_EQ(back.Items(1)->Description(), String(255, 'd'));
    EXPECT_EQ(back.Items(1)->Ident(), 65535);
    EXPECT_EQ(back.Items(1)->Bitmap()->Canvas()->Pixels(1, 1), clBlue);

    Integer count = 0;
    std::vector<Integer> offsets;
    EXPECT_EQ(UtlListGetFileType(Folder.File("two.bml"), count, &offsets), icBitmap);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(offsets, (std::vector<Integer>{21, 22}));
    TBitmap fetched;
    UtlBMLGetItem(Folder.File("two.bml"), 1, &fetched);
    EXPECT_EQ(fetched.Width(), 4);
}

TEST_F(UtlContainerTest, OverlongDescriptionWritesNoFile) {
    TUtlStringList list(nullptr);
    list.Add();
    list.GetItem(0)->SetDescription(String(256, 'x'));
    const String file = Folder.File("long.sll");
    EXPECT_EQ(ErrorOf<EWriteError>([&] { list.SaveToFile(file); }),
              "String too long for its record (256 characters, at most 255)");
    EXPECT_FALSE(FileExists(file));
}

// The record keeps code page 1250 (Hungarian letters, dashes and the euro sign); a description
// it would keep as "?" would never find its item by name again: the save is refused first.
TEST_F(UtlContainerTest, DescriptionOutsideCodePage1250KeepsTheFileAsItWas) {
    TUtlStringList list(nullptr);
    list.Add();
    list.GetItem(0)->SetDescription("Árvíztűrő – 5 €");
    const String file = Folder.File("names.sll");
    list.SaveToFile(file);
    const Bytes before = ReadFile(file);
    list.GetItem(0)->SetDescription("Ügyfél Зоя");
    EXPECT_EQ(ErrorOf<EWriteError>([&] { list.SaveToFile(file); }),
              "Text with characters outside code page 1250 cannot be stored in its record ('Ügyfél Зоя')");
    EXPECT_EQ(ReadFile(file), before);
    TUtlStringList back(nullptr);
    back.LoadFromFile(file);
    EXPECT_EQ(back.GetItemByName("Árvíztűrő – 5 €"), back.GetItem(0));
}

TEST_F(UtlContainerTest, EveryKindRoundTripsPlainAndCompressed) {
    for (bool compressed : {false, true}) {
        TUtlStringList strings(nullptr);
        auto* s = static_cast<TUtlStringListItem*>(strings.GetItem(strings.Add()));
        s->Items()->Add("első sor");
        s->Items()->Add("második");
        s->SetCompressed(compressed);
        TUtlGenericList generic(nullptr);
        auto* g = static_cast<TUtlGenericListItem*>(generic.GetItem(generic.Add()));
        const Bytes raw(5000, 0x5A);
        TMemoryStream rawStream;
        rawStream.WriteBuffer(raw.data(), Integer(raw.size()));
        rawStream.SetPosition(0);
        g->LoadFromStream(&rawStream);
        g->SetCompressed(compressed);
        TUtlBitmapList bitmaps(nullptr);
        bitmaps.Add();
        bitmaps.Items(0)->SetBitmap(SmallBitmap(clLime).get());
        bitmaps.Items(0)->SetCompressed(compressed);

        TMemoryStream a, b, c;
        strings.SaveToStream(&a);
        generic.SaveToStream(&b);
        bitmaps.SaveToStream(&c);
        for (TMemoryStream* m : {&a, &b, &c})
            m->SetPosition(0);
        TUtlStringList strings2(nullptr);
        TUtlGenericList generic2(nullptr);
        TUtlBitmapList bitmaps2(nullptr);
        strings2.LoadFromStream(&a);
        generic2.LoadFromStream(&b);
        bitmaps2.LoadFromStream(&c);
        EXPECT_EQ(strings2.Items(0)->Items()->Text(), "első sor\r\nmásodik\r\n");
        EXPECT_EQ(strings2.Items(0)->Compressed(), compressed);
        ASSERT_EQ(generic2.Items(0)->Data()->Size(), 5000);
        EXPECT_EQ(generic2.Items(0)->Data()->Memory()[4999], 0x5A);
        EXPECT_EQ(bitmaps2.Items(0)->Bitmap()->Canvas()->Pixels(0, 0), clLime);
    }
}

TEST_F(UtlContainerTest, StringRecordWithoutDataEmptiesTheItem) {
    TUtlStringListItem item(nullptr);
    item.Items()->Add("régi");
    TMemoryStream s;
    stWriteByte(&s, 0);
    s.SetPosition(0);
    item.LoadFromStream(&s);
    EXPECT_EQ(item.Items()->Count(), 0);
}

TEST_F(UtlContainerTest, WrongSignatureKeepsTheItems) {
    TUtlWaveList waves(nullptr);
    waves.SaveToFile(Folder.File("w.wvl"));
    TUtlBitmapList list(nullptr);
    list.Add();
    const String file = Folder.File("w.wvl");
    EXPECT_EQ(ErrorOf<Exception>([&] { list.LoadFromFile(file); }),
              "Cannot open file " + file + ": TUtlBitmapList");
    EXPECT_EQ(list.GetCount(), 1);
    TUtlBitmapListItem item(nullptr);
    EXPECT_EQ(ErrorOf<Exception>([&] { UtlListGetItemFromFile(file, icBitmap, nullptr, 0, &item); }),
              "Cannot open file " + file + ": UTLBML30");
}

TEST_F(UtlContainerTest, TruncatedOrLyingFilesLeaveTheListAsItWas) {
    TUtlStringList list(nullptr);
    list.Add();
    list.Add();
    static_cast<TUtlStringListItem*>(list.GetItem(1))->Items()->Add("adat");
    list.SaveToFile(Folder.File("s.sll"));
    Bytes full = ReadFile(Folder.File("s.sll"));

    TUtlStringList target(nullptr);
    target.Add();
    Integer changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    struct Row {
        const char* why;
        Bytes bytes;
    } rows[] = {
        {"cut in the last record", Bytes(full.begin(), full.end() - 3)},
        {"count larger than the file",
         [&] {
             Bytes b = full;
             b[9] = 0xFF;
             b[10] = 0xFF;
             return b;
         }()},
        {"negative count",
         [&] {
             Bytes b = full;
             b[12] = 0x80;
             return b;
         }()},
    };
    for (const Row& row : rows) {
        TMemoryStream m;
        m.WriteBuffer(row.bytes.data(), Integer(row.bytes.size()));
        m.SaveToFile(Folder.File("bad.sll"));
        EXPECT_EQ(ErrorOf<EReadError>([&] { target.LoadFromFile(Folder.File("bad.sll")); }),
                  "Stream read error")
            << row.why;
        EXPECT_EQ(target.GetCount(), 1) << row.why;
    }
    // The update state came back: a later change is reported.
    changes = 0;
    target.Add();
    EXPECT_EQ(changes, 1);
}

TEST_F(UtlContainerTest, ItemsByNameAndChangeOrder) {
    TUtlStringList list(nullptr);
    list.Add();
    list.Add();
    list.GetItem(0)->SetDescription("a");
    list.GetItem(1)->SetDescription("a");
    EXPECT_EQ(list.GetItemByName("a"), list.GetItem(0));
    EXPECT_EQ(list.GetItemByName("A"), nullptr);
    EXPECT_EQ(ErrorOf<EListError>([&] { list.GetItem(2); }), "List index out of bounds (2)");

    std::vector<String> calls;
    TUtlChangeLink first, second;
    first.OnChange = [&](TObject*) { calls.push_back("link1"); };
    second.OnChange = [&](TObject*) { calls.push_back("link2"); };
    list.RegisterChanges(&first);
    list.RegisterChanges(&second);
    list.OnChange = [&](TObject* Sender) {
        calls.push_back(Sender == &list ? String("list") : String("item"));
    };
    list.Delete(1);
    EXPECT_EQ(calls, (std::vector<String>{"link1", "link2", "list"}));
    calls.clear();
    list.GetItem(0)->SetIdent(3);
    EXPECT_EQ(calls, std::vector<String>{"item"});
    list.UnRegisterChanges(&first);
    EXPECT_EQ(first.Sender, nullptr);
    calls.clear();
    list.Clear();
    EXPECT_EQ(calls, (std::vector<String>{"link2", "list"}));
}

TEST_F(UtlContainerTest, ListsThroughTheTextForm) {
    TUtlStringList list(nullptr);
    list.SetName("Strings1");
    auto* item = static_cast<TUtlStringListItem*>(list.GetItem(list.Add()));
    item->SetDescription("tippek");
    item->Items()->Add("Első tipp");
    const String text = ComponentToText(&list);
    EXPECT_EQ(text.rfind(
                  "object Strings1: TUtlStringList\n  object TUtlStringListItem\n    Description = 'tippek'\n"
                  "    Internal = {",
                  0),
              0u)
        << text;
    TUtlStringList back(nullptr);
    TextToComponent(text, &back);
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(back.Items(0)->Description(), "tippek");
    EXPECT_EQ(back.Items(0)->Items()->Text(), "Első tipp\r\n");
}

TEST_F(UtlContainerTest, ControlStreamsTheGlobalContainer) {
    UtlInitialization();
    core::ScopeExit done([] { UtlFinalization(); });
    ASSERT_NE(UtlContainer, nullptr);
    TUtlContainerCtrl ctrl(nullptr);
    ctrl.SetName("Container1");
    EXPECT_EQ(ComponentToText(&ctrl), "object Container1: TUtlContainerCtrl\nend\n");
    UtlContainer->StringList()->Add();
    UtlContainer->BitmapList()->Add();
    UtlContainer->BitmapList()->Items(0)->SetBitmap(SmallBitmap(clRed).get());
    const String text = ComponentToText(&ctrl);
    EXPECT_NE(text.find("BitmapList = {"), String::npos);
    EXPECT_NE(text.find("StringList = {\n    0100000000}"), String::npos) << text;
    EXPECT_EQ(text.find("WaveList"), String::npos);
    UtlContainer->BitmapList()->Clear();
    UtlContainer->StringList()->Clear();
    TextToComponent(text, &ctrl);
    EXPECT_EQ(UtlContainer->BitmapList()->GetCount(), 1);
    EXPECT_EQ(UtlContainer->StringList()->GetCount(), 1);
    EXPECT_TRUE(UtlIsGlobalIdent(UtlContainer->ImageList()));
    EXPECT_FALSE(UtlIsGlobalIdent(UtlContainer->WaveList()));
}

TEST_F(UtlContainerTest, ShapeAndControlStoreAGlobalImageListByItsIdentifier) {
    UtlInitialization();
    core::ScopeExit done([] { UtlFinalization(); });
    TForm form(nullptr);
    auto* shape = new TUtlFormShape(&form);
    auto* control = new TUtlCustomControl(&form);
    TUtlImageList own(nullptr);
    // Each owner with its setter and getter of the list.
    const std::tuple<TComponent*, std::function<void(TUtlCustomImageList*)>,
                     std::function<TUtlCustomImageList*()>>
        rows[] = {
            {shape, [&](auto* l) { shape->SetImageList(l); }, [&] { return shape->ImageList(); }},
            {control, [&](auto* l) { control->SetImageList(l); }, [&] { return control->ImageList(); }}};
    for (const auto& [owner, set, get] : rows) {
        set(&own); // a list of the form's own is not a global identifier
        EXPECT_EQ(ComponentToText(owner).find("Internal"), String::npos);
        set(UtlContainer->ImageList());
        const String text = ComponentToText(owner);
        EXPECT_NE(text.find("  Internal = 'UTLIML30'\n"), String::npos) << text;
        set(nullptr);
        TextToComponent(text, owner);
        EXPECT_EQ(get(), UtlContainer->ImageList()) << text;
    }
}

TEST(UtlListSuffixes, ListAndItemExtensions) {
    EXPECT_EQ(UtlICGetSuffix(icBitmap, true), ".bml");
    EXPECT_EQ(UtlICGetItemSuffix(icBitmap, false), "bmp");
    EXPECT_EQ(UtlICGetItemSuffix(icGeneric, true), ".*");
    EXPECT_EQ(UtlICGetItemSuffix(icInvalid, true), "");
}

} // namespace
