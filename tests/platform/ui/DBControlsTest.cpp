// Data-aware controls: following the dataset as it scrolls, opens and closes,
// editing through the control and posting the field's text, and refusing
// edits of read-only fields and datasets.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/TStrings.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TDBCheckBox.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBRichEdit.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/TMemDataSet.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class DBControls : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 200);
        Data = std::make_unique<TMemDataSet>();
        Data->SetName("Ugyek");
        Data->FieldDefs()->Add("id", ftInteger);
        Data->FieldDefs()->Add("nev", ftString, 20);
        Data->FieldDefs()->Add("aktiv", ftBoolean);
        Data->FieldDefs()->Add("jubok", ftString, 10);
        Data->FieldDefs()->Add("leiras", ftMemo);
        Data->AppendRow({Int64(1), String("Anna"), true, String("true"), String("első sor\r\nmásodik sor")});
        Data->AppendRow({Int64(2), String("Béla"), false, String("FALSE"), TFieldData()});
        Data->AppendRow({Int64(3), String("O'Neil"), TFieldData(), String("talán"), String("x")});
        Source = std::make_unique<TDataSource>(nullptr);
        Source->SetDataSet(Data.get());
        Other = new TEdit(Form.get());
        Other->SetBounds(10, 150, 100, 21);
        Other->SetParent(Form.get());
    }
    void TearDown() override {
        Form->Hide();
        Form.reset(); // controls leave the source before it goes
    }

    TDBEdit* NewEdit(const String& Field) {
        auto* e = new TDBEdit(Form.get());
        e->SetName("Edit1");
        e->SetBounds(10, 10, 150, 21);
        e->SetParent(Form.get());
        e->SetDataSource(Source.get());
        e->SetDataField(Field);
        return e;
    }
    TDBCheckBox* NewCheck(const String& Field) {
        auto* c = new TDBCheckBox(Form.get());
        c->SetBounds(10, 40, 150, 17);
        c->SetParent(Form.get());
        c->SetDataSource(Source.get());
        c->SetDataField(Field);
        return c;
    }
    void ShowForm() {
        Form->Show();
        Application->ProcessMessages();
    }
    void Type(TWinControl* c, const String& Text) {
        for (char ch : Text)
            ui::SimulateKey(c, Word(std::toupper(static_cast<unsigned char>(ch))), {}, String(1, ch));
    }

    std::unique_ptr<TForm> Form;
    std::unique_ptr<TMemDataSet> Data;
    std::unique_ptr<TDataSource> Source;
    TEdit* Other = nullptr;
};

// --- TDBEdit ---------------------------------------------------------------

TEST_F(DBControls, EditFollowsOpenScrollAndClose) {
    TDBEdit* e = NewEdit("nev");
    EXPECT_EQ(e->Text(), "");
    Data->Open();
    EXPECT_EQ(e->Text(), "Anna");
    Data->Next();
    EXPECT_EQ(e->Text(), "Béla");
    Data->Last();
    EXPECT_EQ(e->Text(), "O'Neil");
    Data->Close();
    EXPECT_EQ(e->Text(), "");
    EXPECT_EQ(e->Field(), nullptr);
}

TEST_F(DBControls, EditTakesTheLengthOfAStringField) {
    Data->Open();
    EXPECT_EQ(NewEdit("nev")->MaxLength(), 20);
}

TEST_F(DBControls, UnknownFieldOnAnOpenDatasetRaises) {
    Data->Open();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { NewEdit("nincs"); }), "Edit1: Field 'nincs' not found");
}

TEST_F(DBControls, UnknownFieldRaisesWhenTheDatasetOpens) {
    TDBEdit* e = NewEdit("nincs");
    try {
        Data->Open();
        FAIL() << "no exception";
    } catch (const EDatabaseError& ex) {
        EXPECT_EQ(ex.Message(), "Edit1: Field 'nincs' not found");
    }
    EXPECT_EQ(e->Field(), nullptr);
}

TEST_F(DBControls, TypingEditsAndPostWritesTheText) {
    TDBEdit* e = NewEdit("nev");
    Data->Open();
    ShowForm();
    e->SetFocus();
    ui::SimulateKey(e, VK_END);
    EXPECT_EQ(Data->State(), dsBrowse); // moving the cursor is no edit
    Type(e, "x");
    EXPECT_EQ(Data->State(), dsEdit);
    EXPECT_EQ(e->Text(), "Annax");
    Data->Post();
    EXPECT_EQ(std::get<String>(Data->RowValue(0, 1)), "Annax");
}

TEST_F(DBControls, ScrollingAwayPostsTheTypedText) {
    TDBEdit* e = NewEdit("nev");
    Data->Open();
    ShowForm();
    e->SetFocus();
    ui::SimulateKey(e, VK_END);
    Type(e, "!");
    Data->Next();
    EXPECT_EQ(std::get<String>(Data->RowValue(0, 1)), "Anna!");
    EXPECT_EQ(e->Text(), "Béla");
}

TEST_F(DBControls, LeavingTheBoxWritesTheField) {
    TDBEdit* e = NewEdit("nev");
    Data->Open();
    ShowForm();
    e->SetFocus();
    ui::SimulateKey(e, VK_END);
    Type(e, "k");
    Other->SetFocus();
    EXPECT_EQ(Data->FieldByName("nev")->AsString(), "Annak");
    EXPECT_EQ(Data->State(), dsEdit);
}

TEST_F(DBControls, RefusedValueKeepsTheFocusAndShowsTheError) {
    uitest::DialogRecorder boxes;
    TDBEdit* e = NewEdit("id");
    Data->Open();
    ShowForm();
    e->SetFocus();
    e->SelectAll();
    Type(e, "-");
    Other->SetFocus();
    ASSERT_EQ(boxes.Requests.size(), 1u);
    EXPECT_EQ(boxes.Requests[0].Text, "'-' is not a valid integer value for field 'id'");
    EXPECT_TRUE(e->Focused());
    EXPECT_EQ(Data->FieldByName("id")->AsInteger(), 1);
}

TEST_F(DBControls, NumericFieldRefusesLettersAsTyped) {
    TDBEdit* e = NewEdit("id");
    Data->Open();
    ShowForm();
    e->SetFocus();
    ui::SimulateKey(e, VK_END);
    Type(e, "a");
    EXPECT_EQ(e->Text(), "1");
    EXPECT_EQ(Data->State(), dsBrowse);
    Type(e, "7");
    EXPECT_EQ(e->Text(), "17");
    EXPECT_EQ(Data->State(), dsEdit);
}

TEST_F(DBControls, EscapeBringsBackTheFieldText) {
    TDBEdit* e = NewEdit("nev");
    Data->Open();
    ShowForm();
    e->SetFocus();
    ui::SimulateKey(e, VK_END);
    Type(e, "zz");
    ui::SimulateKey(e, VK_ESCAPE, {}, "\x1b");
    EXPECT_EQ(e->Text(), "Anna");
    Data->Post();
    EXPECT_EQ(std::get<String>(Data->RowValue(0, 1)), "Anna");
}

TEST_F(DBControls, ReadOnlyFieldIsNotEditedByTyping) {
    TDBEdit* e = NewEdit("nev");
    Data->Open();
    Data->FieldByName("nev")->SetReadOnly(true);
    ShowForm();
    e->SetFocus();
    Type(e, "q");
    EXPECT_EQ(e->Text(), "Anna");
    EXPECT_EQ(Data->State(), dsBrowse);
}

TEST_F(DBControls, ReadOnlyControlAndReadOnlyDatasetRefuseEdits) {
    TDBEdit* e = NewEdit("nev");
    e->SetReadOnly(true);
    Data->Open();
    ShowForm();
    e->SetFocus();
    Type(e, "q");
    EXPECT_EQ(Data->State(), dsBrowse);
    e->SetReadOnly(false);
    Data->Close();
    Data->SetReadOnly(true);
    Data->Open();
    e->SetFocus();
    Type(e, "q");
    EXPECT_EQ(e->Text(), "Anna");
    EXPECT_EQ(Data->State(), dsBrowse);
}

TEST_F(DBControls, FieldChangedByCodeShowsAtOnce) {
    TDBEdit* e = NewEdit("nev");
    Data->Open();
    Data->Edit();
    Data->FieldByName("nev")->SetAsString("Zoltán");
    EXPECT_EQ(e->Text(), "Zoltán");
    Data->Cancel();
    EXPECT_EQ(e->Text(), "Anna");
}

TEST_F(DBControls, UnfocusedShowsDisplayTextFocusedEditText) {
    TDBEdit* e = NewEdit("nev");
    Data->Open();
    Data->FieldByName("nev")->OnGetText = [](TField* f, String& Text, bool Display) {
        Text = Display ? "<" + f->AsString() + ">" : f->AsString();
    };
    Data->Next();
    Data->Prior();
    EXPECT_EQ(e->Text(), "<Anna>");
    ShowForm();
    e->SetFocus();
    EXPECT_EQ(e->Text(), "Anna");
    Other->SetFocus();
    EXPECT_EQ(e->Text(), "<Anna>");
}

// --- TDBMemo ---------------------------------------------------------------

class DBMemo : public DBControls {
protected:
    template <class M = TDBMemo> M* NewMemo() {
        auto* m = new M(Form.get());
        m->SetBounds(10, 70, 200, 60);
        m->SetParent(Form.get());
        m->SetDataSource(Source.get());
        m->SetDataField("leiras");
        return m;
    }
};

TEST_F(DBMemo, FollowsTheRecordLineByLine) {
    TDBMemo* m = NewMemo();
    Data->Open();
    EXPECT_EQ(m->Lines()->Count(), 2);
    EXPECT_EQ(m->Lines()->Get(1), "második sor");
    Data->Next();
    EXPECT_EQ(m->Text(), ""); // null
    Data->Close();
    EXPECT_EQ(m->Text(), "");
}

TEST_F(DBMemo, TypedLinesArePosted) {
    TDBMemo* m = NewMemo();
    Data->Open();
    Data->Last();
    ShowForm();
    m->SetFocus();
    ui::SimulateKey(m, VK_END);
    ui::SimulateKey(m, VK_RETURN, {}, "\r");
    Type(m, "y");
    EXPECT_EQ(Data->State(), dsEdit);
    Data->Post();
    EXPECT_EQ(std::get<String>(Data->RowValue(2, 4)), "x\r\ny");
}

// The text controls share one exit rule: a value the field refuses is shown
// with its message, stays selected and keeps the focus; Escape selects too.
TEST_F(DBMemo, RefusedValueIsSelectedAndKeepsTheFocus) {
    uitest::DialogRecorder boxes;
    TDBMemo* m = NewMemo();
    m->SetDataField("id");
    Data->Open();
    ShowForm();
    m->SetFocus();
    ui::SimulateKey(m, VK_END);
    Type(m, "x");
    Other->SetFocus();
    ASSERT_EQ(boxes.Requests.size(), 1u);
    EXPECT_EQ(boxes.Requests[0].Text, "'1x' is not a valid integer value for field 'id'");
    EXPECT_TRUE(m->Focused());
    EXPECT_EQ(m->SelText(), "1x");
    ui::SimulateKey(m, VK_ESCAPE, {}, "\x1b");
    EXPECT_EQ(m->Text(), "1");
    EXPECT_EQ(m->SelText(), "1");
}

TEST_F(DBMemo, ReadOnlyMemoShowsButNeverEdits) {
    TDBMemo* m = NewMemo();
    m->SetReadOnly(true);
    Data->Open();
    ShowForm();
    m->SetFocus();
    Type(m, "z");
    ui::SimulateKey(m, VK_DELETE);
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(m->Text(), "első sor\r\nmásodik sor");
}

// --- TDBRichEdit -----------------------------------------------------------

// RTF shows formatted (its 8-bit letters as the code page has them), other text as it
// stands in the box's font; whatever the user types, the field stays as it was.
TEST_F(DBMemo, RichEditShowsRtfFormattedAndNeverEdits) {
    auto* r = NewMemo<TDBRichEdit>();
    r->Font()->SetSize(9);
    Data->Open();
    EXPECT_EQ(r->Text(), "első sor\r\nmásodik sor");
    EXPECT_EQ(r->SelAttributes().HalfPoints, 18);
    EXPECT_FALSE(r->SelAttributes().Bold);
    Data->Next();
    EXPECT_EQ(r->Text(), ""); // null
    Data->Next();
    Data->Edit();
    Data->FieldByName("leiras")->SetAsString("{\\rtf1\\ansi\\ansicpg1250 {\\b F\\'e9lk\\'f6v\\'e9r} ő}");
    Data->Post();
    EXPECT_EQ(r->Text(), "Félkövér ő");
    EXPECT_TRUE(r->SelAttributes().Bold);
    ShowForm();
    r->SetFocus();
    Type(r, "z");
    ui::SimulateKey(r, VK_DELETE);
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(r->Text(), "Félkövér ő");
    Data->Close();
    EXPECT_EQ(r->Text(), "");
}

// --- TDBText ---------------------------------------------------------------

TEST_F(DBControls, TextShowsTheDisplayTextAsItStands) {
    auto* t = new TDBText(Form.get());
    t->SetParent(Form.get());
    t->SetDataSource(Source.get());
    t->SetDataField("nev");
    EXPECT_FALSE(t->AutoSize());
    Data->Open();
    Data->Last();
    EXPECT_EQ(t->Caption(), "O'Neil");
    Data->Close();
    EXPECT_EQ(t->Caption(), "");
}

// --- TDBCheckBox -----------------------------------------------------------

TEST_F(DBControls, CheckBoxShowsBooleanAndNullStates) {
    TDBCheckBox* c = NewCheck("aktiv");
    Data->Open();
    EXPECT_EQ(c->State(), cbChecked);
    Data->Next();
    EXPECT_EQ(c->State(), cbUnchecked);
    Data->Next();
    EXPECT_EQ(c->State(), cbGrayed); // null
    Data->Close();
    EXPECT_EQ(c->State(), cbUnchecked);
}

TEST_F(DBControls, CheckBoxMatchesValueListsWithoutCase) {
    TDBCheckBox* c = NewCheck("jubok");
    c->SetValueChecked("true; igen");
    c->SetValueUnchecked("false;nem");
    Data->Open();
    EXPECT_EQ(c->State(), cbChecked);
    Data->Next();
    EXPECT_EQ(c->State(), cbUnchecked); // "FALSE"
    Data->Next();
    EXPECT_EQ(c->State(), cbGrayed); // a text in neither list
}

TEST_F(DBControls, CheckBoxClickEditsAndPostWritesTheBoolean) {
    TDBCheckBox* c = NewCheck("aktiv");
    Data->Open();
    ShowForm();
    ui::SimulateClick(c, 5, 8);
    EXPECT_EQ(Data->State(), dsEdit);
    EXPECT_EQ(c->State(), cbUnchecked);
    Data->Post();
    EXPECT_EQ(std::get<bool>(Data->RowValue(0, 2)), false);
}

TEST_F(DBControls, CheckBoxWritesTheFirstTextOfItsList) {
    TDBCheckBox* c = NewCheck("jubok");
    c->SetValueChecked("true;igen");
    Data->Open();
    Data->Next();
    ShowForm();
    ui::SimulateClick(c, 5, 8);
    Data->Post();
    EXPECT_EQ(std::get<String>(Data->RowValue(1, 3)), "true");
}

TEST_F(DBControls, GreyCheckBoxGoesToCheckedAndNeverBackToGrey) {
    TDBCheckBox* c = NewCheck("aktiv");
    Data->Open();
    Data->Last();
    ShowForm();
    ui::SimulateClick(c, 5, 8);
    EXPECT_EQ(c->State(), cbChecked);
    ui::SimulateClick(c, 5, 8);
    EXPECT_EQ(c->State(), cbUnchecked);
    ui::SimulateClick(c, 5, 8);
    EXPECT_EQ(c->State(), cbChecked);
}

TEST_F(DBControls, CheckBoxOnReadOnlyFieldDoesNotToggle) {
    TDBCheckBox* c = NewCheck("aktiv");
    Data->Open();
    Data->FieldByName("aktiv")->SetReadOnly(true);
    ShowForm();
    int clicks = 0;
    c->OnClick = [&](TObject*) { ++clicks; };
    ui::SimulateClick(c, 5, 8);
    ui::SimulateKey(c, VK_SPACE, {}, " ");
    EXPECT_EQ(c->State(), cbChecked);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Data->State(), dsBrowse);
}

TEST_F(DBControls, CheckBoxWithoutDatasetDoesNotToggle) {
    TDBCheckBox* c = NewCheck("aktiv");
    ShowForm();
    ui::SimulateClick(c, 5, 8);
    EXPECT_EQ(c->State(), cbUnchecked);
}

TEST_F(DBControls, CheckBoxSpaceToggles) {
    TDBCheckBox* c = NewCheck("aktiv");
    Data->Open();
    ShowForm();
    ui::SimulateKey(c, VK_SPACE, {}, " ");
    EXPECT_EQ(c->State(), cbUnchecked);
    EXPECT_EQ(Data->State(), dsEdit);
    Data->Cancel();
    EXPECT_EQ(c->State(), cbChecked);
}

} // namespace
