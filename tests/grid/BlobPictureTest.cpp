// The grid's BLOB editor on a graphic field: the picture panel, its buttons,
// and OK writing only what changed.
#include "tests/grid/GridFixture.h"

#include "grid/TVgBlobEditor.h"
#include "platform/data/TField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TPicture.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TMemo.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <functional>

namespace {

// A Width x 1 bitmap whose pixels run through Colors, as BMP bytes.
String BmpBytes(std::vector<TColor> Colors) {
    TBitmap b(Integer(Colors.size()), 1, pf24bit);
    for (std::size_t x = 0; x < Colors.size(); ++x)
        b.Canvas()->SetPixels(Integer(x), 0, Colors[x]);
    const std::vector<Byte> bytes = b.SaveToBytes();
    return String(bytes.begin(), bytes.end());
}

TColor PixelOf(const String& Bytes, Integer X) {
    TBitmap b;
    b.LoadFromBytes(reinterpret_cast<const Byte*>(Bytes.data()), Bytes.size());
    return b.Canvas()->Pixels(X, 0) & 0xFFFFFF;
}

class BlobPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        Data.FieldDefs()->Add("nev", ftString, 20);
        Data.FieldDefs()->Add("kep", ftGraphic);
        Data.FieldDefs()->Add("megjegyzes", ftString, 300);
        Data.AppendRow({String("első"), Stored, String("hosszú megjegyzés")});
        Data.Open();
        Source.SetDataSet(&Data);
        Grid.SetBounds(0, 0, 600, 200);
        Grid.SetDataSource(&Source);
        Grid.SetSelectedIndex(1);
        TVgBlobEditor::Runner = [this](TVgBlobEditor* e) {
            ++Shown;
            ShowedPicture = e->ShowsPicture();
            if (InEditor) InEditor(e);
            return mrOk;
        };
    }
    void TearDown() override { TVgBlobEditor::Runner = nullptr; }
    // File dialogs answer with Name; the requests are kept.
    void AnswerFilesWith(const std::string& Name) {
        Recorder.AnswerWith([this, Name](const ui::DialogRequest& r) {
            Requests.push_back(r);
            return ui::DialogAnswer{1, Name};
        });
    }
    String Value() { return Data.FieldByName("kep")->AsString(); }

    const String Stored = BmpBytes({clRed, clLime, clBlue});
    TMemDataSet Data;
    TDataSource Source{nullptr};
    TVgDBGrid Grid{nullptr};
    std::function<void(TVgBlobEditor*)> InEditor;
    std::vector<ui::DialogRequest> Requests;
    DialogRecorder Recorder{ui::DialogHook{}};
    int Shown = 0;
    bool ShowedPicture = false;
};

TEST_F(BlobPictureTest, OkWithoutAChangeWritesNothingAndLeavesNoEditState) {
    Grid.ShowBlobEditor();
    EXPECT_EQ(Shown, 1);
    EXPECT_TRUE(ShowedPicture);
    EXPECT_EQ(Value(), Stored);
    EXPECT_EQ(Data.State(), dsBrowse);
}

TEST_F(BlobPictureTest, TheEditorHasNoMinimiseBox) {
    InEditor = [](TVgBlobEditor* e) {
        const TBorderIcons shown = ShownBorderIcons(e->BorderStyle(), e->BorderIcons());
        EXPECT_TRUE(shown.Contains(biSystemMenu));
        EXPECT_TRUE(shown.Contains(biMaximize));
        EXPECT_FALSE(shown.Contains(biMinimize));
    };
    Grid.ShowBlobEditor();
    EXPECT_EQ(Shown, 1);
}

TEST_F(BlobPictureTest, PanelShowsTheFieldsPicture) {
    InEditor = [](TVgBlobEditor* e) {
        EXPECT_EQ(e->Picture()->Width(), 3);
        EXPECT_EQ(e->Picture()->Bitmap()->Canvas()->Pixels(1, 0) & 0xFFFFFF, clLime);
        EXPECT_FALSE(e->Memo()->Visible());
    };
    Grid.ShowBlobEditor();
    EXPECT_EQ(Shown, 1);
}

TEST_F(BlobPictureTest, ClearThenOkEmptiesTheField) {
    InEditor = [](TVgBlobEditor* e) { e->ClearButton()->Click(); };
    Grid.ShowBlobEditor();
    EXPECT_EQ(Data.State(), dsEdit);
    EXPECT_TRUE(Data.FieldByName("kep")->IsNull());
}

TEST_F(BlobPictureTest, LoadTakesThePictureFromTheChosenFile) {
    TempFolder folder("blobpicture");
    const std::string file = folder.File("uj.bmp");
    WriteFileBytes(file, BmpBytes({clYellow, clNavy}));
    AnswerFilesWith(file);
    InEditor = [](TVgBlobEditor* e) { e->LoadButton()->Click(); };
    Grid.ShowBlobEditor();
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].Kind, ui::DialogKind::OpenDialog);
    EXPECT_EQ(PixelOf(Value(), 0), clYellow);
    EXPECT_EQ(PixelOf(Value(), 1), clNavy);
}

TEST_F(BlobPictureTest, LoadOfAFileThatIsNoPictureRaisesAndChangesNothing) {
    TempFolder folder("blobpicture");
    const std::string file = folder.File("level.txt");
    WriteFileBytes(file, "Tisztelt Uram!");
    AnswerFilesWith(file);
    InEditor = [](TVgBlobEditor* e) {
        EXPECT_EQ(ErrorOf<Exception>([&] { e->LoadPicture(); }), "Unknown picture file extension (.txt)");
        EXPECT_FALSE(e->PictureModified());
    };
    Grid.ShowBlobEditor();
    EXPECT_EQ(Value(), Stored);
    EXPECT_EQ(Data.State(), dsBrowse);
}

TEST_F(BlobPictureTest, SaveWritesThePictureToTheChosenFile) {
    TempFolder folder("blobpicture");
    const std::string file = folder.File("ki.bmp");
    AnswerFilesWith(file);
    InEditor = [](TVgBlobEditor* e) { e->SaveButton()->Click(); };
    Grid.ShowBlobEditor();
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].Kind, ui::DialogKind::SaveDialog);
    EXPECT_EQ(PixelOf(ReadFileBytes(file), 2), clBlue);
    EXPECT_EQ(Data.State(), dsBrowse); // saving elsewhere changes nothing here
}

TEST_F(BlobPictureTest, CopyAndPasteGoThroughTheClipboard) {
    Clipboard()->Clear();
    InEditor = [](TVgBlobEditor* e) {
        e->PasteButton()->Click(); // nothing on the clipboard: nothing happens
        EXPECT_FALSE(e->PictureModified());
        e->CopyButton()->Click();
        EXPECT_TRUE(Clipboard()->HasBitmap());
        e->ClearButton()->Click();
        e->PasteButton()->Click();
        EXPECT_EQ(e->Picture()->Width(), 3);
    };
    Grid.ShowBlobEditor();
    EXPECT_EQ(Data.State(), dsEdit);
    EXPECT_EQ(PixelOf(Value(), 0), clRed);
    EXPECT_EQ(PixelOf(Value(), 2), clBlue);
}

TEST_F(BlobPictureTest, LongTextOkWithoutChangeWritesNothing) {
    Grid.SetSelectedIndex(2);
    InEditor = [](TVgBlobEditor* e) {
        EXPECT_TRUE(e->Memo()->Visible());
        EXPECT_EQ(e->Memo()->Text(), "hosszú megjegyzés");
    };
    Grid.ShowBlobEditor();
    EXPECT_EQ(Shown, 1);
    EXPECT_FALSE(ShowedPicture);
    EXPECT_EQ(Data.State(), dsBrowse);
}

} // namespace
