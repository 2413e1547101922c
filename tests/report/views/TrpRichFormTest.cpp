// The rich-text editor as its user meets it: a view's text in and out, the
// toolbar's commands on the selection, the ruler, the variable picker, files.
#include "report/views/TrpRichForm.h"

#include "tests/report/RunModal.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TRichEdit.h"
#include "platform/ui/VirtualKeys.h"
#include "report/common/detail/TrpControls.h"
#include "report/views/TrpRichView.h"
#include "report/views/TrpVarForm.h"
#include "report/script/TrpVariables.h"
#include "report/engine/rpEngine.h"
#include "report/views/detail/rpIndentRuler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

const std::string Sample = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Alpha beta\\par Gamma\\par}";

class RichForm : public ::testing::Test {
public:
    void SetUp() override {
        Application->Initialize();
        rpInitEngine();
        Form = rpRichForm();
        Edit = Form->RichEdit1;
        Edit->LoadRtf(Sample);
    }
    void TearDown() override { rpDoneRichForm(); }
    // Selects Length characters from Start, as the mouse would.
    void Select(Integer Start, Integer Length) {
        Edit->SetSelStart(Start);
        Edit->SetSelLength(Length);
    }
    void Click(TControl* Control) { ui::SimulateClick(Control, 5, 5); }
    TrpRichForm* Form = nullptr;
    TRichEdit* Edit = nullptr;
};

} // namespace

TEST_F(RichForm, TheViewsTextComesBackOnOkOnlyAndTheEditorIsEmptied) {
    TrpRichView view;
    for (TButton* closing : {Form->CancelBtn, Form->OkBtn}) {
        view.RichText = Sample;
        RunModal(Form,
                 {[&] {
                      EXPECT_EQ(Edit->Text(), "Alpha beta\r\nGamma");
                      Select(0, 5);
                      Click(Form->BoldBtn);
                  },
                  [&] { Click(closing); }},
                 [&] {
                     Form->ShowEditor(&view);
                     return mrNone;
                 });
        EXPECT_EQ(Edit->Text(), "") << closing->Name();
        const bool kept = view.RichText.find("\\b Alpha") != std::string::npos;
        EXPECT_EQ(kept, closing == Form->OkBtn) << closing->Name();
    }
}

TEST_F(RichForm, EachCommandChangesTheSelectionAsItSays) {
    struct Case {
        const char* Why;
        std::function<void(RichForm&)> Act;
        const char* Expected; // in the saved RTF
    };
    const Case cases[] = {
        {"bold", [](RichForm& t) { t.Click(t.Form->BoldBtn); }, "\\b Alpha"},
        {"italic", [](RichForm& t) { t.Click(t.Form->ItalicBtn); }, "\\i Alpha"},
        {"underline", [](RichForm& t) { t.Click(t.Form->UnderlineBtn); }, "\\ul Alpha"},
        {"italic over a bold and a plain run keeps each one's weight",
         [](RichForm& t) {
             t.Edit->LoadRtf("{\\rtf1\\b Al\\b0 pha beta\\par Gamma\\par}");
             t.Select(0, 5);
             t.Click(t.Form->ItalicBtn);
         },
         "\\b\\i Al\\plain\\f0\\fs24\\i pha"},
        {"a point larger", [](RichForm& t) { t.Click(t.Form->SizeUpBtn); }, "\\fs26 Alpha"},
        {"a point smaller", [](RichForm& t) { t.Click(t.Form->SizeDownBtn); }, "\\fs22 Alpha"},
        {"never below one point",
         [](RichForm& t) {
             t.Edit->LoadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs2 Alpha\\fs24\\par Gamma\\par}");
             t.Select(0, 5);
             t.Click(t.Form->SizeDownBtn);
         },
         "\\fs2 Alpha"},
        {"a size typed", [](RichForm& t) { t.Form->FontSize->SetText("20"); }, "\\fs40 Alpha"},
        {"a font name typed and Enter",
         [](RichForm& t) {
             t.Form->FontName->SetText("Courier");
             ui::SimulateKey(t.Form->FontName, VK_RETURN);
         },
         "\\f1\\fnil\\fcharset238 Courier;"},
        {"the font dialog",
         [](RichForm& t) {
             DialogRecorder dialogs(1, "Times New Roman");
             t.Click(t.Form->FontBtn);
         },
         "Times New Roman;"},
        {"centred", [](RichForm& t) { t.Click(t.Form->CenterBtn); }, "\\pard\\qc\\plain"},
        {"to the right", [](RichForm& t) { t.Click(t.Form->RightBtn); }, "\\pard\\qr\\plain"},
        {"bullets", [](RichForm& t) { t.Click(t.Form->BulletsBtn); },
         "\\pard\\li360\\fi-360\\tx360\\plain\\f0\\fs24 \\'95\\tab Alpha beta"},
        {"bullets on and off again",
         [](RichForm& t) {
             t.Click(t.Form->BulletsBtn);
             t.Click(t.Form->BulletsBtn);
         },
         "\\pard\\plain\\f0\\fs24 Alpha beta\\par"},
        {"the left indent dragged 30 pixels",
         [](RichForm& t) {
             report::IndentRuler* r = t.Form->Ruler;
             ui::SimulateDrag(r, TPoint(r->LeftX(), 18), TPoint(r->LeftX() + 30, 18));
         },
         "\\pard\\li450\\plain"},
        {"undo takes the last change back",
         [](RichForm& t) {
             t.Click(t.Form->BoldBtn);
             t.Click(t.Form->ItalicBtn);
             t.Click(t.Form->UndoBtn);
         },
         "\\b Alpha"},
    };
    for (const Case& c : cases) {
        Edit->LoadRtf(Sample);
        Select(0, 5);
        c.Act(*this);
        EXPECT_NE(Edit->SaveRtf().find(c.Expected), std::string::npos) << c.Why << "\n" << Edit->SaveRtf();
        // The second paragraph is never touched.
        EXPECT_NE(Edit->SaveRtf().find("\\pard\\plain\\f0\\fs24 Gamma"), std::string::npos) << c.Why;
    }
}

TEST_F(RichForm, TheToolbarAndRulerFollowTheCaret) {
    Edit->LoadRtf("{\\rtf1\\ansi\\f0\\fs24 Plain\\par\\pard\\qc\\li300\\fi150\\ri600\\b\\fs32 Big\\par}");
    Edit->SetSelStart(8); // inside "Big"
    EXPECT_TRUE(Form->BoldBtn->Down());
    EXPECT_TRUE(Form->CenterBtn->Down());
    EXPECT_EQ(Form->FontSize->Text(), "16");
    EXPECT_EQ(Form->Ruler->LeftX() - Form->Ruler->FirstX(), -10);
    EXPECT_EQ(Form->Ruler->RightIndent(), 600);
    Edit->SetSelStart(2);
    EXPECT_FALSE(Form->BoldBtn->Down());
    EXPECT_TRUE(Form->LeftBtn->Down());
    EXPECT_EQ(Form->FontSize->Text(), "12");
    EXPECT_EQ(Form->Ruler->LeftIndent(), 0);
}

TEST_F(RichForm, AVariableChosenInThePickerGoesInBrackets) {
    rpVariables->SetVariable("REGUSER", Variant(String("x")));
    Select(6, 4); // "beta"
    TrpVarForm* picker = Form->VarForm;
    RunModal(picker, {[&] {
                 picker->ValCombo->SetItemIndex(picker->ValCombo->Items()->IndexOf("Global variables"));
                 picker->ValComboClick(picker->ValCombo);
                 picker->ValList->SetItemIndex(picker->ValList->Items()->IndexOf("REGUSER"));
                 ui::SimulateKey(picker->ValList, VK_RETURN);
             }},
             [&] {
                 Form->InsVarBtnClick(Form->InsVarBtn);
                 return mrNone;
             });
    EXPECT_EQ(Edit->Text(), "Alpha [REGUSER]\r\nGamma");
    // Escape inserts nothing.
    RunModal(picker, {[&] { ui::SimulateKey(picker->ValList, VK_ESCAPE); }}, [&] {
        Form->InsVarBtnClick(Form->InsVarBtn);
        return mrNone;
    });
    EXPECT_EQ(Edit->Text(), "Alpha [REGUSER]\r\nGamma");
    rpVariables->Clear();
}

TEST_F(RichForm, FilesOpenAsRtfAndSaveAsRtfOrText) {
    TempFolder dir("velmora-richform");
    WriteFileBytes(dir.File("in.rtf"), "{\\rtf1\\ansi\\ansicpg1250 \\'c1rv\\'edzt\\'fbr\\par}");
    DialogRecorder dialogs(1, dir.File("in.rtf"));
    Click(Form->OpenBtn);
    EXPECT_EQ(Edit->Text(), "Árvíztűr");
    ASSERT_EQ(dialogs.Requests.size(), 1u);
    EXPECT_EQ(dialogs.Requests[0].Filter, "Rich Text file (*.rtf)|*.rtf");
    dialogs.AnswerWith(1, dir.File("out.txt"));
    Click(Form->SaveBtn);
    EXPECT_EQ(dialogs.Requests[1].Filter, "Rich Text file (*.rtf)|*.rtf|ASCII Text file (*.txt)|*.txt");
    EXPECT_EQ(ReadFileBytes(dir.File("out.txt")), "Árvíztűr");
    dialogs.AnswerWith(1, dir.File("out.rtf"));
    Click(Form->SaveBtn);
    EXPECT_EQ(ReadFileBytes(dir.File("out.rtf")), Edit->SaveRtf());
    // A file that cannot be read leaves the text as it was.
    dialogs.AnswerWith(1, dir.File("missing.rtf"));
    EXPECT_EQ(ErrorOf<EFOpenError>([&] { Form->OpenBtnClick(Form->OpenBtn); }),
              "Cannot open file \"" + dir.File("missing.rtf") + "\"");
    EXPECT_EQ(Edit->Text(), "Árvíztűr");
}

TEST_F(RichForm, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    Edit->LoadRtf("{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\f0\\fs20\\pard\\qc\\b\\fs24 "
                  "ADATKEZEL\\'c9SI NYILATKOZAT\\b0\\fs20\\par\\pard\\li360\\fi-360\\tx360 \\'95\\tab "
                  "Hozz\\'e1j\\'e1rulok, hogy [REGUSER] m\\'e1solatot k\\'e9sz\\'edtsen.\\par}");
    Form->Show();
    Edit->SetSelStart(40);
    ui::SaveSnapshot(Form, String(folder) + "/rich-editor.png");
    Form->Hide();
    Form->VarForm->FormActivate(Form->VarForm);
    Form->VarForm->Show();
    ui::SaveSnapshot(Form->VarForm, String(folder) + "/variable-picker.png");
    Form->VarForm->Hide();
}
