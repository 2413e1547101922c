// The standard controls' behaviour that forms rely on: what fires OnChange or
// OnClick, what setting a property selects, and how the bounds follow text.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSaveDialog.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>

#include <memory>
#include <vector>

namespace ui {
void PrintTo(const ShownCell& Cell, std::ostream* Out) {
    *Out << '"' << Cell.Text << '"' << (Cell.Whole ? "" : " cut");
}
} // namespace ui

namespace {

template <class T> T* Place(TWinControl* parent, Integer left = 0, Integer top = 0) {
    auto* c = new T(parent);
    c->SetLeft(left);
    c->SetTop(top);
    c->SetParent(parent);
    return c;
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override { Form->Hide(); }
    std::unique_ptr<TForm> Form;
};

// --- combo box ---

TEST_F(Controls, ComboItemsAddedDoNotSelect) {
    auto* combo = Place<TComboBox>(Form.get());
    combo->Items()->Add("2023");
    combo->Items()->Add("2024");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->SetStyle(csDropDownList);
    combo->Items()->Clear();
    combo->Items()->Add("egy");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(Controls, ComboTextIsSettableWithoutSelecting) {
    auto* combo = Place<TComboBox>(Form.get());
    combo->Items()->Add("Kovács");
    combo->Items()->Add("Szabó");
    combo->SetText("Nagy");
    EXPECT_EQ(combo->Text(), "Nagy");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Szabó");
    combo->SetText("Kovács"); // an item's text still selects nothing new
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(Controls, ComboListOnlyTextSelectsTheMatchingItem) {
    auto* combo = Place<TComboBox>(Form.get());
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("Személyes");
    combo->Items()->Add("Posta");
    combo->SetText("Posta");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetText("Fax"); // no such item: unchanged
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(Controls, ComboItemIndexMinusOneOrOutOfRangeClears) {
    auto* combo = Place<TComboBox>(Form.get());
    combo->Items()->Add("a");
    combo->SetItemIndex(0);
    combo->SetItemIndex(-1);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(5);
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(Controls, ComboProgramChangesDoNotFireOnChange) {
    auto* combo = Place<TComboBox>(Form.get());
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->Items()->Add("a");
    combo->SetItemIndex(0);
    combo->SetText("b");
    combo->Items()->Clear();
    EXPECT_EQ(changes, 0);
}

TEST_F(Controls, ComboTypingFiresOnChange) {
    auto* combo = Place<TComboBox>(Form.get());
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    Form->Show();
    ui::SimulateKey(combo, 'K', {}, "K");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->Text(), "K");
}

// Typing completes inline from the items; the text and OnChange carry the
// completed text the box shows, so a form choosing by name sees the whole name.
TEST_F(Controls, ComboInlineCompletionIsTheText) {
    auto* combo = Place<TComboBox>(Form.get());
    combo->Items()->Add("Kiss Anna");
    combo->Items()->Add("Kovács Béla");
    std::vector<String> seen;
    combo->OnChange = [&](TObject*) { seen.push_back(combo->Text()); };
    Form->Show();
    ui::SimulateKey(combo, 'K', {}, "K");
    EXPECT_EQ(combo->Text(), "Kiss Anna");
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), "Kiss Anna");
    ui::SimulateKey(combo, 'O', {}, "o");
    EXPECT_EQ(combo->Text(), "Kovács Béla");
    EXPECT_EQ(seen.back(), "Kovács Béla");
    // Backspace takes away the selected completion, leaving what was typed.
    ui::SimulateKey(combo, VK_BACK);
    EXPECT_EQ(combo->Text(), "Ko");
    EXPECT_EQ(seen.back(), "Ko");
    // No item starts so: the typed text stands as it is.
    ui::SimulateKey(combo, 'X', {}, "x");
    EXPECT_EQ(combo->Text(), "Kox");
    EXPECT_EQ(seen.back(), "Kox");
    // A form setting a longer text after typing is not a completion.
    const std::size_t reported = seen.size();
    combo->SetText("Koxa");
    EXPECT_EQ(seen.size(), reported);
}

TEST_F(Controls, ComboItemsMirrorInsertDeleteAndPut) {
    auto* combo = Place<TComboBox>(Form.get());
    TStrings* items = combo->Items();
    items->Add("b");
    items->Insert(0, "a");
    items->Add("c");
    items->Delete(1);
    items->SetStrings(1, "C");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "C");
    EXPECT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Strings(0), "a");
    EXPECT_EQ(ErrorOf<EStringListError>([&] { items->Delete(2); }), "List index out of bounds (2)");
}

TEST_F(Controls, SortedComboKeepsHungarianOrder) {
    auto* combo = Place<TComboBox>(Form.get());
    combo->SetSorted(true);
    for (const char* s : {"Zoltán", "Ödön", "Csaba", "Cecília", "Ábel"})
        combo->Items()->Add(s);
    EXPECT_EQ(combo->Items()->Strings(0), "Ábel");
    EXPECT_EQ(combo->Items()->Strings(4), "Zoltán");
}

// --- check box and radio buttons ---

TEST_F(Controls, CheckBoxClickFiresOnEveryChangeOfState) {
    auto* box = Place<TCheckBox>(Form.get());
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true); // no change, no click
    box->SetChecked(false);
    EXPECT_EQ(clicks, 2);
    Form->Show();
    ui::SimulateKey(box, VK_SPACE, {}, " ");
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(Controls, CheckBoxGrayedState) {
    auto* box = Place<TCheckBox>(Form.get());
    box->SetState(cbGrayed);
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_FALSE(box->Checked());
}

TEST_F(Controls, CheckBoxClicksPassGreyOnlyWhenAllowed) {
    auto* box = Place<TCheckBox>(Form.get());
    Form->Show();
    box->SetState(cbGrayed);
    ui::SimulateKey(box, VK_SPACE, {}, " ");
    EXPECT_EQ(box->State(), cbChecked); // grey set by code: the next click checks
    ui::SimulateKey(box, VK_SPACE, {}, " ");
    ui::SimulateKey(box, VK_SPACE, {}, " ");
    EXPECT_EQ(box->State(), cbChecked); // unchecked, then checked: no grey between

    box->SetAllowGrayed(true);
    TCheckBoxState seen[3];
    for (auto& s : seen) {
        ui::SimulateKey(box, VK_SPACE, {}, " ");
        s = box->State();
    }
    EXPECT_EQ(seen[0], cbUnchecked);
    EXPECT_EQ(seen[1], cbGrayed);
    EXPECT_EQ(seen[2], cbChecked);

    box->SetAllowGrayed(false);
    box->SetState(cbUnchecked);
    ui::SimulateKey(box, VK_SPACE, {}, " ");
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(Controls, RadioButtonsOfOneParentExcludeEachOther) {
    auto* asc = Place<TRadioButton>(Form.get(), 0, 0);
    auto* desc = Place<TRadioButton>(Form.get(), 0, 20);
    auto* panel = Place<TPanel>(Form.get(), 0, 60);
    auto* other = Place<TRadioButton>(panel, 0, 0);
    int clicks = 0;
    asc->OnClick = [&](TObject*) { ++clicks; };
    asc->SetChecked(true);
    other->SetChecked(true);
    desc->SetChecked(true);
    EXPECT_FALSE(asc->Checked());
    EXPECT_TRUE(desc->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_EQ(clicks, 1); // only becoming checked clicks
}

TEST_F(Controls, ARadioButtonCanBeUncheckedByTheProgram) {
    auto* r = Place<TRadioButton>(Form.get());
    r->SetChecked(true);
    r->SetChecked(false);
    EXPECT_FALSE(r->Checked());
}

// --- edit ---

TEST_F(Controls, EditOnChangeFiresForSetAndTypedText) {
    auto* edit = Place<TEdit>(Form.get());
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText("2024");
    edit->SetText("2024"); // same text: nothing
    EXPECT_EQ(changes, 1);
    Form->Show();
    ui::SimulateKey(edit, VK_END);
    ui::SimulateKey(edit, '5', {}, "5");
    EXPECT_EQ(edit->Text(), "20245");
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(edit->Modified());
}

TEST_F(Controls, EditCharCaseAndMaxLengthCountCharacters) {
    auto* edit = Place<TEdit>(Form.get());
    edit->SetCharCase(ecUpperCase);
    edit->SetText("árvíztűrő");
    EXPECT_EQ(edit->Text(), "ÁRVÍZTŰRŐ");
    edit->SetCharCase(ecNormal);
    edit->SetMaxLength(3);
    edit->SetText("őr");
    Form->Show();
    edit->SetFocus();
    ui::SimulateKey(edit, VK_END);
    for (const char* ch : {"z", "ő"})
        ui::SimulateKey(edit, 0, {}, ch);
    EXPECT_EQ(edit->Text(), "őrz");
}

// A stored text longer than the box's limit shows whole and is read back whole; the user
// may shorten it, but no typed character makes it longer again.
TEST_F(Controls, EditLongerTextSetFromCodeStaysWhole) {
    auto* edit = Place<TEdit>(Form.get());
    edit->SetMaxLength(3);
    edit->SetText("őrző-védő");
    EXPECT_EQ(edit->Text(), "őrző-védő");
    Form->Show();
    edit->SetFocus();
    edit->SetSelStart(4);
    ui::SimulateKey(edit, VK_BACK);
    ui::SimulateKey(edit, 0, {}, "x");
    EXPECT_EQ(edit->Text(), "őrz-védő");
    edit->SetMaxLength(20);
    ui::SimulateKey(edit, 0, {}, "ő");
    EXPECT_EQ(edit->Text(), "őrző-védő");
}

// A long stored address is read from its beginning, not from its end.
TEST_F(Controls, EditFilledByTheProgramShowsTheStartOfItsText) {
    auto* edit = Place<TEdit>(Form.get());
    Form->Show();
    edit->SetText("1052 Budapest, Váci utca 12. III. emelet 4. ajtó, kapucsengő: 34");
    EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(Controls, EditSelection) {
    auto* edit = Place<TEdit>(Form.get());
    edit->SetText("Kovács Ödön");
    edit->SetSelStart(7);
    edit->SetSelLength(4);
    EXPECT_EQ(edit->SelText(), "Ödön");
    edit->SetSelText("Éva");
    EXPECT_EQ(edit->Text(), "Kovács Éva");
}

// --- label ---

TEST_F(Controls, AutoSizedLabelFollowsItsText) {
    auto* label = Place<TLabel>(Form.get(), 100, 10);
    label->SetCaption("Év:");
    const Integer shortWidth = label->Width();
    label->SetCaption("Születési hely:");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_GT(label->Height(), 0);
    label->SetCaption("");
    EXPECT_GT(label->Height(), 0); // an empty label keeps one line
}

TEST_F(Controls, RightAlignedAutoSizedLabelKeepsItsRightEdge) {
    auto* label = Place<TLabel>(Form.get(), 100, 10);
    label->SetAlignment(taRightJustify);
    label->SetCaption("1/25");
    const Integer right = label->Left() + label->Width();
    label->SetCaption("117/1025");
    EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(Controls, AccelMarkDoesNotWidenTheLabel) {
    auto* plain = Place<TLabel>(Form.get());
    plain->SetCaption("Nev:");
    auto* marked = Place<TLabel>(Form.get());
    marked->SetCaption("&Nev:");
    EXPECT_EQ(plain->Width(), marked->Width());
    marked->SetShowAccelChar(false);
    EXPECT_GT(marked->Width(), plain->Width());
}

// Dark pixels in Area of Bitmap: the ink of black text on white.
int Ink(TBitmap& Bitmap, const TRect& Area) {
    int n = 0;
    for (Integer y = Area.Top; y < Area.Bottom; ++y)
        for (Integer x = Area.Left; x < Area.Right; ++x) {
            const TColor c = ColorToRGB(Bitmap.Canvas()->Pixels(x, y));
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 160) ++n;
        }
    return n;
}

// The marks of accented capitals reach above the 8-point face's ascent; a label
// shows them whole (Ő is not Ö, Ű is not Ü), autosized or of a fixed height with
// room below its line, as the registry's detail strip has.
TEST_F(Controls, LabelsKeepTheMarksOfAccentedCapitals) {
    for (const String text : {"Őri", "Űrsula", "Ábel", "Égő gyújtó"}) {
        for (const bool autoSize : {true, false}) {
            SCOPED_TRACE(text + (autoSize ? " autosized" : " 15 high"));
            auto* label = Place<TLabel>(Form.get(), 10, 10);
            label->SetColor(clWhite);
            label->SetAutoSize(autoSize);
            label->SetCaption(text);
            if (!autoSize) label->SetBounds(10, 10, 120, 15);
            TBitmap shown(label->Width(), label->Height(), pf24bit);
            label->PaintTo(shown.Canvas());
            TBitmap whole(200, 60, pf24bit);
            whole.Canvas()->Brush()->SetColor(clWhite);
            whole.Canvas()->FillRect(Rect(0, 0, 200, 60));
            whole.Canvas()->Font()->Assign(label->Font());
            whole.Canvas()->Brush()->SetStyle(bsClear);
            whole.Canvas()->TextOut(20, 20, text);
            EXPECT_EQ(Ink(shown, Rect(0, 0, label->Width(), label->Height())),
                      Ink(whole, Rect(0, 0, 200, 60)));
            delete label;
        }
    }
}

// The same for the items of a combo's drop-down list: a case named "Őrült
// Űrhajós" must not read "Örült Ürhajós" in the case choice.
TEST_F(Controls, DropDownItemsKeepTheMarksOfAccentedCapitals) {
    auto* combo = Place<TComboBox>(Form.get(), 10, 10);
    combo->SetWidth(150);
    // The first item carries the focus frame; it is not measured.
    const std::vector<String> names{"x", "Őrült", "Űrhajós", "Ábel"};
    for (const String& n : names)
        combo->Items()->Add(n);
    TBitmap shown;
    ui::SnapshotDropDown(combo, &shown);
    const Integer step = shown.Height() / Integer(names.size());
    for (std::size_t i = 1; i < names.size(); ++i) {
        TBitmap alone(200, 60, pf24bit);
        alone.Canvas()->Brush()->SetColor(clWhite);
        alone.Canvas()->FillRect(Rect(0, 0, 200, 60));
        alone.Canvas()->Font()->Assign(combo->Font());
        alone.Canvas()->Brush()->SetStyle(bsClear);
        alone.Canvas()->TextOut(20, 20, names[i]);
        const Integer top = step * Integer(i);
        EXPECT_EQ(Ink(shown, Rect(0, top, shown.Width(), top + step)), Ink(alone, Rect(0, 0, 200, 60)))
            << names[i];
    }
}

// --- buttons ---

TEST_F(Controls, ButtonModalResultEndsTheModalLoopAfterOnClick) {
    auto* ok = Place<TButton>(Form.get());
    ok->SetModalResult(mrOk);
    TModalResult seenInClick = -1;
    ok->OnClick = [&](TObject*) { seenInClick = Form->ModalResult(); };
    TTimer timer(nullptr);
    timer.SetInterval(5);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        ui::SimulateClick(ok, 5, 5);
    };
    timer.Restart();
    EXPECT_EQ(Form->ShowModal(), mrOk);
    EXPECT_EQ(seenInClick, mrOk); // set before OnClick
}

TEST_F(Controls, EnterPressesTheDefaultAndEscapeTheCancelButton) {
    auto* edit = Place<TEdit>(Form.get());
    auto* ok = Place<TButton>(Form.get());
    auto* cancel = Place<TButton>(Form.get());
    ok->SetDefault(true);
    cancel->SetCancel(true);
    std::string pressed;
    ok->OnClick = [&](TObject*) { pressed += "ok,"; };
    cancel->OnClick = [&](TObject*) { pressed += "cancel,"; };
    Form->Show();
    ui::SimulateKey(edit, VK_RETURN, {}, "\r");
    ui::SimulateKey(edit, VK_ESCAPE, {}, "\x1b");
    EXPECT_EQ(pressed, "ok,cancel,");
}

TEST_F(Controls, BitBtnKindsGiveCaptionsAndResults) {
    auto* ok = Place<TBitBtn>(Form.get());
    ok->SetKind(bkOK);
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_EQ(ok->ModalResult(), mrOk);
    EXPECT_TRUE(ok->Default());
    auto* cancel = Place<TBitBtn>(Form.get());
    cancel->SetKind(bkCancel);
    EXPECT_EQ(cancel->ModalResult(), mrCancel);
    EXPECT_TRUE(cancel->Cancel());
}

TEST_F(Controls, CloseKindBitBtnClosesItsForm) {
    auto* close = Place<TBitBtn>(Form.get());
    close->SetKind(bkClose);
    Form->Show();
    close->Click();
    EXPECT_FALSE(Form->Visible());
}

TEST_F(Controls, BitBtnAcceptsAGlyph) {
    auto* b = Place<TBitBtn>(Form.get());
    TBitmap glyph;
    glyph.SetSize(32, 16);
    b->SetNumGlyphs(2);
    b->SetGlyph(&glyph);
    EXPECT_EQ(b->Glyph()->Width(), 32);
}

// --- panel ---

TEST_F(Controls, PanelAlignsChildrenInsideItsBevels) {
    auto* panel = Place<TPanel>(Form.get());
    panel->SetBounds(0, 0, 200, 100);
    panel->SetBevelInner(bvLowered);
    panel->SetBorderWidth(2);
    auto* inner = Place<TPanel>(panel);
    inner->SetAlign(alClient);
    EXPECT_EQ(inner->BoundsRect(), Rect(4, 4, 196, 96));
}

// --- file dialogs ---

TEST(FileDialogs, FilterPairsDescriptionsWithPatterns) {
    const auto pairs = TOpenDialog::ParseFilter("Excel fájl (*.xls)|*.xls|Minden fájl|*.*");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].first, "Excel fájl (*.xls)");
    EXPECT_EQ(pairs[0].second, "*.xls");
    EXPECT_EQ(pairs[1].second, "*.*");
    EXPECT_TRUE(TOpenDialog::ParseFilter("").empty());
    const auto odd = TOpenDialog::ParseFilter("Csak leírás");
    ASSERT_EQ(odd.size(), 1u);
    EXPECT_EQ(odd[0].second, "");
}

TEST(FileDialogs, DefaultExtIsAddedOnlyWithoutAnExtension) {
    EXPECT_EQ(TOpenDialog::WithDefaultExt("/tmp/lista", "xls"), "/tmp/lista.xls");
    EXPECT_EQ(TOpenDialog::WithDefaultExt("/tmp/lista.txt", "xls"), "/tmp/lista.txt");
    EXPECT_EQ(TOpenDialog::WithDefaultExt("/tmp/v1.0/lista", ".xls"), "/tmp/v1.0/lista.xls");
    EXPECT_EQ(TOpenDialog::WithDefaultExt("lista", ""), "lista");
}

TEST(FileDialogs, ExecuteReportsTheChosenNameThroughTheHook) {
    TSaveDialog dialog(nullptr);
    dialog.SetFilter("Excel fájl (*.xls)|*.xls");
    dialog.SetDefaultExt("xls");
    uitest::DialogRecorder answers(1, "/home/iroda/ugyek");
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/home/iroda/ugyek.xls");
    EXPECT_EQ(dialog.Files()->Count(), 1);
    ASSERT_EQ(answers.Requests.size(), 1u);
    EXPECT_EQ(answers.Requests[0].Kind, ui::DialogKind::SaveDialog);
    EXPECT_EQ(answers.Requests[0].Filter, "Excel fájl (*.xls)|*.xls");
}

// The window system's file chooser, shown for real, speaks Hungarian as the program's own
// message boxes do: its detailed list writes a folder's type, a size and the dates as a
// Hungarian desktop does, and no column but the name's cuts what it shows. Escape cancels it.
TEST(FileDialogs, TheSystemChooserSpeaksHungarianAndWritesItsListWhole) {
    TempFolder dir("velmora-chooser");
    std::filesystem::create_directory(dir.File("Ügyek"));
    WriteFileBytes(dir.File("lista.xls"), String(1500, 'x'));
    std::tm at{};
    at.tm_year = 2026 - 1900, at.tm_mon = 11, at.tm_mday = 8, at.tm_hour = 7, at.tm_min = 14,
    at.tm_isdst = -1;
    const timespec when{std::mktime(&at), 0}, times[2] = {when, when};
    for (const char* name : {"Ügyek", "lista.xls"})
        ASSERT_EQ(::utimensat(AT_FDCWD, dir.File(name).c_str(), times, 0), 0);
    TSaveDialog dialog(nullptr);
    dialog.SetInitialDir(dir.Path());
    dialog.SetFilter("Excel fájl (*.xls)|*.xls");
    const std::vector<std::vector<ui::ShownCell>> shown = {
        {{"Név"}, {"Méret"}, {"Típus"}, {"Módosítás dátuma"}},
        {{"lista.xls"}, {"1,46 KiB"}, {"Microsoft Excel-munkafüzet"}, {"2026. 12. 08. 7:14"}},
        {{"Ügyek"}, {""}, {"Mappa"}, {"2026. 12. 08. 7:14"}},
    };
    // The list fills, sorts and fits its columns as the files' details come in.
    std::vector<std::vector<ui::ShownCell>> rows;
    String caption;
    const Cardinal start = GetTickCount();
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.OnTimer = [&](TObject*) {
        caption = ui::ActiveWindowCaption();
        rows = ui::ActiveWindowRows();
        std::sort(rows.begin() + std::min<std::size_t>(rows.size(), 1), rows.end(),
                  [](const auto& a, const auto& b) { return a[0].Text < b[0].Text; });
        if (rows != shown && GetTickCount() - start < 60000) return; // only a hang ends it
        timer.SetEnabled(false);
        ui::SimulateKeyInActiveWindow(VK_ESCAPE);
    };
    timer.Restart();
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(caption, "Mentés másként");
    EXPECT_EQ(rows, shown);
}

TEST(FileDialogs, CancelLeavesTheFileNameAlone) {
    TOpenDialog dialog(nullptr);
    dialog.SetFileName("régi.doc");
    uitest::DialogRecorder answers(0);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "régi.doc");
    EXPECT_EQ(answers.Requests[0].Kind, ui::DialogKind::OpenDialog);
}

} // namespace

namespace {

TEST(LabelAccelerator, AltAndTheMarkedLetterFocusesTheLabelsControl) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* first = Place<TEdit>(&form, 80, 10);
    auto* label = Place<TLabel>(&form, 10, 40);
    label->SetCaption("&Név:");
    auto* name = Place<TEdit>(&form, 80, 40);
    label->SetFocusControl(name);
    auto* plain = Place<TLabel>(&form, 10, 70);
    plain->SetCaption("R&&D"); // a doubled mark is no accelerator
    plain->SetFocusControl(first);
    form.Show();
    first->SetFocus();
    ui::SimulateKey(first, 'N', {ssAlt});
    EXPECT_TRUE(uitest::WaitFor([&] { return name->Focused(); }));
    ui::SimulateKey(name, 'D', {ssAlt});
    EXPECT_TRUE(name->Focused());
    delete name; // the label forgets a deleted control
    EXPECT_EQ(label->FocusControl(), nullptr);
    form.Hide();
}

} // namespace
