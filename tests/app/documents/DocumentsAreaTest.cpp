// The documents area and its dialogs: the filtered list of entries with a file, opening
// a file or the document dialog, the keep and archive flags with their deadlines, the
// default retention setting, and the list exported and read back.
#include "app/documents/DocumentStatements.h"
#include "app/common/SqlRoutines.h"
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "app/documents/DocumentArea.h"
#include "app/documents/Tdokulap.h"
#include "app/documents/Tdokusetform.h"
#include "app/cases/Tugyadatlap.h"
#include "app/documents/TForm1DocumentParts.h"
#include "export/TVgExportToXLS.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TRadioButton.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PythonTools.h"
#include "tests/app/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace apptest {
namespace {

class DocumentsArea : public MainWindowFixture {
protected:
    ui::DialogAnswer AnswerDialog(const ui::DialogRequest& r) override {
        if (r.Kind != ui::DialogKind::SaveDialog) Messages.push_back(r.Text);
        return ui::DialogAnswer{1, Folder() + "/dokumentumok.xls"};
    }
    app::MainWindowShared& Create() {
        CreateMainWindow();
        AddForm(ugyadatlap);
        AddForm(dokulap);
        AddForm(dokusetform);
        app::MainWindow().OnShow(nullptr);
        return app::MainWindow();
    }
    std::vector<String> Column(const String& Sql, const String& Name = "ufile") {
        std::vector<String> values;
        for (const Row& row : Rows("SELECT " + Name + " FROM (" + Sql + ")"))
            values.push_back(row[0].value_or("NULL"));
        return values;
    }
    static String Key(Integer id) { return std::to_string(id); }
    // The document dialog on the history entry Id.
    static Tdokulap& ShowEntry(Integer Id) {
        dokulap->ItemId = Id;
        dokulap->Show();
        return *dokulap;
    }

    std::vector<String> Messages;
};

TEST_F(DocumentsArea, FilterChoosesEntriesWithAFile) {
    const Integer a = AddCase("Alfa", "2009-01-10");
    const Integer b = AddCase("Béta", "2009-02-10");
    AddHistoryEntry(a, "2009-03-01", "/iratok/a1.pdf", "a1");
    AddHistoryEntry(a, "2009-04-01", "", "no file");
    Exec("INSERT INTO ugyitem (ugy, datum, ufile, megjegyzes) VALUES (" + Key(a) +
         ",'2009-04-02',NULL,'null file')");
    const Integer kept = AddHistoryEntry(b, "2009-05-01", "/iratok/b1.pdf", "b1", true);
    Exec("UPDATE ugyitem SET orzesi_hatarido='2015-05-01' WHERE sorszam=" + Key(kept));
    AddHistoryEntry(b, "2009-06-01", "/iratok/b2.pdf", "b2", false, true);

    app::DocumentFilter f;
    EXPECT_EQ(Column(app::DocumentListSql(f)),
              (std::vector<String>{"/iratok/a1.pdf", "/iratok/b1.pdf", "/iratok/b2.pdf"}));
    f.CaseId = b;
    EXPECT_EQ(Column(app::DocumentListSql(f)), (std::vector<String>{"/iratok/b1.pdf", "/iratok/b2.pdf"}));
    f = {};
    f.From = EncodeDate(2009, 4, 1);
    f.To = EncodeDate(2009, 5, 31);
    EXPECT_EQ(Column(app::DocumentListSql(f)), std::vector<String>{"/iratok/b1.pdf"});
    f.From = EncodeDate(2009, 3, 1); // entries dated on either end day are listed
    f.To = EncodeDate(2009, 5, 1);
    EXPECT_EQ(Column(app::DocumentListSql(f)), (std::vector<String>{"/iratok/a1.pdf", "/iratok/b1.pdf"}));
    // On the deadline, entries without one drop out.
    f = {};
    f.ByDeadline = true;
    f.From = EncodeDate(2000, 1, 1);
    EXPECT_EQ(Column(app::DocumentListSql(f)), std::vector<String>{"/iratok/b1.pdf"});
    f = {};
    f.KeepOnly = true;
    EXPECT_EQ(Column(app::DocumentListSql(f)), std::vector<String>{"/iratok/b1.pdf"});
    f = {};
    f.ArchiveOnly = true;
    EXPECT_EQ(Column(app::DocumentListSql(f)), std::vector<String>{"/iratok/b2.pdf"});
    EXPECT_EQ(Column(app::DocumentListSql({}), "orzendotext"),
              (std::vector<String>{"NULL", "őrzendő", "NULL"}));
}

// Older offices store '' for no date: like NULL it lies in no range, also not below an end day
// alone, on the entry's date or on its deadline.
TEST_F(DocumentsArea, ADateRangeListsNoUndatedEntry) {
    const Integer c = AddCase("Alfa", "2009-01-10");
    for (const auto& [file, date] : {std::pair{"üres", "''"}, {"null", "NULL"}, {"datált", "'2009-05-01'"}})
        Exec("INSERT INTO ugyitem (ugy, ufile, datum, orzesi_hatarido) VALUES (" + Key(c) + ",'" + file +
             "'," + date + "," + date + ")");
    const std::optional<TDateTime> none, start = EncodeDate(2009, 1, 1), end = EncodeDate(2026, 12, 9);
    for (const bool byDeadline : {false, true})
        // Only the end day ('' sorts before every date), only the start day, both.
        for (const auto& [from, to] : {std::pair{none, end}, {start, none}, {start, end}}) {
            SCOPED_TRACE(String(byDeadline ? "deadline" : "date") + (from ? " from" : "") +
                         (to ? " to" : ""));
            const app::DocumentFilter f{.From = from, .To = to, .ByDeadline = byDeadline};
            EXPECT_EQ(Column(app::DocumentListSql(f)), std::vector<String>{"datált"});
        }
}

TEST_F(DocumentsArea, ListSortsByCaseNumberText) {
    Integer ninth = 0;
    Integer tenth = 0;
    for (int i = 1; i <= 10; ++i) {
        const Integer id = AddCase("Ügy " + std::to_string(i), "2009-01-10");
        if (i == 9) ninth = id;
        if (i == 10) tenth = id;
    }
    AddHistoryEntry(ninth, "2009-03-01", "/iratok/9.pdf", "kilences");
    AddHistoryEntry(tenth, "2009-03-01", "/iratok/10.pdf", "tizes");
    EXPECT_EQ(Column(app::DocumentListSql({}), "ugyszam"), (std::vector<String>{"2009/10", "2009/9"}));
}

TEST_F(DocumentsArea, ListFromTheFilterStripAndItsReset) {
    const Integer a = AddCase("Alfa", "2009-01-10");
    AddHistoryEntry(a, "2009-03-01", "/iratok/a1.pdf", "a1", true);
    app::MainWindowShared& f = Create();
    MenuItem("Dokumentumkezeles2").Click();
    EXPECT_FALSE(f.dokulistquery->Active());
    EXPECT_EQ(f.ComboBox7->Items()->Count(), 1);
    EXPECT_FALSE(f.Documents().DateTimePicker2->Checked());
    app::RunDocumentList(f);
    ASSERT_EQ(f.dokulistquery->RecordCount(), 1);
    // Dates in the short format, flags only as images.
    EXPECT_EQ(f.dokulistquery->FieldByName("datum")->DisplayText(), DateToStr(EncodeDate(2009, 3, 1)));
    EXPECT_EQ(f.dokulistquery->FieldByName("orzendo")->DisplayText(), "");
    EXPECT_EQ(f.dokulistquery->FieldByName("orzendo")->AsString(), "1");

    f.ComboBox7->SetItemIndex(0);
    f.Documents().CheckBox20->SetChecked(true);
    f.Documents().RadioButton35->SetChecked(true);
    f.Documents().DateTimePicker2->SetChecked(true);
    app::RunDocumentList(f);
    EXPECT_TRUE(f.dokulistquery->IsEmpty());
    app::ResetDocumentFilter(f);
    EXPECT_EQ(f.ComboBox7->ItemIndex(), -1);
    EXPECT_FALSE(f.Documents().CheckBox20->Checked());
    EXPECT_FALSE(f.Documents().DateTimePicker2->Checked());
    EXPECT_TRUE(f.Documents().RadioButton34->Checked());
    EXPECT_TRUE(f.dokulistquery->IsEmpty()); // nothing reruns
}

TEST_F(DocumentsArea, ForeignDatesShowAsStoredAndEveryEntryIsListed) {
    const Integer a = AddCase("Alfa", "2009-01-10");
    AddHistoryEntry(a, "0000-00-00", "/iratok/a1.pdf", "a1");
    AddHistoryEntry(a, "2009-03-01", "/iratok/a2.pdf", "a2");
    app::MainWindowShared& f = Create();
    MenuItem("Dokumentumkezeles2").Click();
    app::RunDocumentList(f);
    ASSERT_EQ(f.dokulistquery->RecordCount(), 2);
    std::vector<String> dates;
    for (f.dokulistquery->First(); !f.dokulistquery->Eof(); f.dokulistquery->Next())
        dates.push_back(f.dokulistquery->FieldByName("datum")->DisplayText());
    std::sort(dates.begin(), dates.end());
    EXPECT_EQ(dates, (std::vector<String>{"0000-00-00", DateToStr(EncodeDate(2009, 3, 1))}));
}

// The opaque pixels of an image of the case sheet's list: drawn on two backgrounds,
// where both agree. Other pixels are 1 (never a colour: colours have no high byte).
std::vector<TColor> OpaquePixels(TImageList* Images, Integer Index) {
    std::vector<TColor> pixels(16 * 16, 1);
    TBitmap a(16, 16), b(16, 16);
    for (auto [bitmap, colour] : {std::pair{&a, TColor(0x00FF00)}, std::pair{&b, TColor(0x0000FF)}}) {
        bitmap->Canvas()->Brush()->SetColor(colour);
        bitmap->Canvas()->FillRect(TRect(0, 0, 16, 16));
        Images->Draw(bitmap->Canvas(), 0, 0, Index, true);
    }
    for (Integer y = 0; y < 16; ++y)
        for (Integer x = 0; x < 16; ++x)
            if (a.Canvas()->Pixels(x, y) == b.Canvas()->Pixels(x, y))
                pixels[y * 16 + x] = a.Canvas()->Pixels(x, y);
    return pixels;
}

// How many of the image's opaque pixels the shot shows at the top left of Cell.
Integer Matching(TBitmap& Shot, const TRect& Cell, const std::vector<TColor>& Image) {
    Integer same = 0;
    for (Integer y = 0; y < 16; ++y)
        for (Integer x = 0; x < 16; ++x)
            if (Image[y * 16 + x] != 1 &&
                Shot.Canvas()->Pixels(Cell.Left + x, Cell.Top + y) == Image[y * 16 + x])
                ++same;
    return same;
}

Integer OpaqueCount(const std::vector<TColor>& Image) {
    return static_cast<Integer>(std::count_if(Image.begin(), Image.end(), [](TColor c) { return c != 1; }));
}

TEST_F(DocumentsArea, GridDrawsTheDisketteForEveryFileAndTicksForSetFlags) {
    const Integer a = AddCase("Alfa", "2009-01-10");
    AddHistoryEntry(a, "2009-03-01", "/iratok/a1.pdf", "kept", true);
    AddHistoryEntry(a, "2009-04-01", "/iratok/a2.pdf", "archived", false, true);
    app::MainWindowShared& f = Create();
    MenuItem("Dokumentumkezeles2").Click();
    app::RunDocumentList(f);
    ASSERT_EQ(f.dokulistquery->RecordCount(), 2);
    TBitmap shot;
    ui::Snapshot(f.Documents().VgDBGrid12, &shot);
    const std::vector<TColor> diskette = OpaquePixels(ugyadatlap->ImageList1, 0);
    const std::vector<TColor> tick = OpaquePixels(ugyadatlap->ImageList1, 1);
    ASSERT_GT(OpaqueCount(diskette), 100);
    ASSERT_GT(OpaqueCount(tick), 100);
    // Grid columns: the indicator, then the fields; rows: the titles, then the entries.
    const auto cell = [&](Integer Field, Integer Row) {
        return f.Documents().VgDBGrid12->CellRect(Field + 1, Row);
    };
    constexpr Integer File = 3, Keep = 6, Archive = 7;
    for (Integer row : {1, 2}) {
        EXPECT_EQ(Matching(shot, cell(File, row), diskette), OpaqueCount(diskette)) << row;
        // The picture's corners let the row show through.
        EXPECT_NE(shot.Canvas()->Pixels(cell(File, row).Left, cell(File, row).Top), TColor(0xFF00FF)) << row;
    }
    EXPECT_EQ(Matching(shot, cell(Keep, 1), tick), OpaqueCount(tick));
    EXPECT_EQ(Matching(shot, cell(Archive, 2), tick), OpaqueCount(tick));
    // A flag that is not set shows no tick.
    EXPECT_LT(Matching(shot, cell(Keep, 2), tick), OpaqueCount(tick) / 2);
    EXPECT_LT(Matching(shot, cell(Archive, 1), tick), OpaqueCount(tick) / 2);
}

// Beside the eight columns shown, the grid holds the hash, the date of entry and the
// flags as words, hidden, each bound to its field.
TEST_F(DocumentsArea, GridHoldsHiddenColumnsBoundToTheirFields) {
    const Integer item =
        AddHistoryEntry(AddCase("Alfa", "2009-01-10"), "2009-03-01", "/iratok/a.pdf", "a", true);
    Exec("UPDATE ugyitem SET checksum_type='SHA1', checksum_value='ab12' WHERE sorszam=" + Key(item));
    app::MainWindowShared& f = Create();
    app::RunDocumentList(f);
    TVgDBGridColumns* columns = f.Documents().VgDBGrid12->GetColumns();
    // Each hidden column's field and title: one without a title shows its field's name.
    const char* hidden[] = {"checksum_type Hash", "checksum_value Hash érték",
                            "bekerulesi_datum bekerulesi_datum", "orzendotext orzendotext",
                            "archivalandotext archivalandotext"};
    ASSERT_EQ(columns->Count(), 13);
    for (Integer i = 0; i < 13; ++i) {
        TVgDBColumn* c = columns->GetColumn(i);
        ASSERT_NE(c->Field(), nullptr) << i;
        EXPECT_EQ(c->Visible(), i < 8) << i;
        if (i < 8) continue;
        EXPECT_EQ(c->FieldName() + " " + c->Title()->Caption(), hidden[i - 8]) << i;
    }
    EXPECT_EQ(columns->GetColumn(11)->Field()->DisplayText(), "őrzendő");
}

TEST_F(DocumentsArea, DoubleClickOpensTheFileOrTheDialog) {
    const Integer a = AddCase("Alfa", "2009-01-10");
    const std::string missing = Folder() + "/nincs.pdf";
    const Integer item = AddHistoryEntry(a, "2009-03-01", missing, "a1");
    app::MainWindowShared& f = Create();
    app::VgDBGrid12DblClick(f, nullptr); // closed list: nothing
    EXPECT_TRUE(Messages.empty());
    app::RunDocumentList(f);
    f.Documents().VgDBGrid12->SetSelectedField(f.dokulistquery->FieldByName("ufile"));
    app::VgDBGrid12DblClick(f, nullptr);
    EXPECT_EQ(Messages, std::vector<String>{missing + "\n A fájl nem található"});

    Integer shownFor = 0;
    dokulap->OnShow = [&](TObject* Sender) {
        dokulap->FormShow(Sender);
        shownFor = dokulap->ItemId;
        dokulap->Close();
    };
    f.Documents().VgDBGrid12->SetSelectedField(f.dokulistquery->FieldByName("ugynev"));
    app::VgDBGrid12DblClick(f, nullptr);
    EXPECT_EQ(shownFor, item);
}

TEST_F(DocumentsArea, KeepFlagProposesAndStoresTheDeadline) {
    SetSetting("dokumentum_orzesi_ido", "5");
    const Integer a = AddCase("Alfa", "2009-01-10");
    const Integer kept = AddHistoryEntry(a, "2009-03-01", "/iratok/a.pdf", "a", true);
    const Integer plain = AddHistoryEntry(a, "2009-03-02", "/iratok/b.pdf", "b");
    app::MainWindowShared& f = Create();
    ASSERT_EQ(f.DocRetentionYears(), 5);
    app::RunDocumentList(f);
    // Kept without a deadline: today plus five years, stored on "Rögzít".
    Tdokulap& d = ShowEntry(kept);
    EXPECT_TRUE(d.CheckBox1->Checked());
    EXPECT_TRUE(d.DateTimePicker1->Checked());
    d.BitBtn1->Click();
    EXPECT_EQ(Text("SELECT orzesi_hatarido FROM ugyitem WHERE sorszam=" + Key(kept)),
              DateToSqlText(AddYears(Date(), 5)));
    EXPECT_EQ(f.dokulistquery->RecordCount(), 2);

    // A stored deadline is shown as it is.
    Exec("UPDATE ugyitem SET orzesi_hatarido='2030-01-31' WHERE sorszam=" + Key(kept));
    d.Show();
    EXPECT_EQ(d.DateTimePicker1->Date(), EncodeDate(2030, 1, 31));
    // Unchecking "Őrzendő" clears the deadline.
    d.CheckBox1->SetChecked(false);
    EXPECT_FALSE(d.DateTimePicker1->Checked());
    d.CheckBox2->SetChecked(true);
    d.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT orzendo, archivalando, orzesi_hatarido FROM ugyitem WHERE sorszam=" + Key(kept)),
              (std::vector<Row>{{String("0"), String("1"), std::nullopt}}));

    // Switching the deadline on marks the entry to keep, with the proposed date.
    ShowEntry(plain);
    EXPECT_FALSE(d.CheckBox1->Checked());
    d.DateTimePicker1->SetChecked(true);
    d.DateTimePicker1Change(nullptr);
    EXPECT_TRUE(d.CheckBox1->Checked());
    EXPECT_EQ(d.DateTimePicker1->Date(), AddYears(Date(), 5));
}

// Without a retention period, a kept entry opened after one with a deadline shows and stores
// today, not the other entry's date.
TEST_F(DocumentsArea, WithoutARetentionPeriodNoDeadlineComesFromTheLastEntry) {
    Exec("DELETE FROM info WHERE valtozo='dokumentum_orzesi_ido'");
    const Integer a = AddCase("Alfa", "2009-01-10");
    const Integer dated = AddHistoryEntry(a, "2009-03-01", "/iratok/a.pdf", "a", true);
    Exec("UPDATE ugyitem SET orzesi_hatarido='2031-05-17' WHERE sorszam=" + Key(dated));
    const Integer kept = AddHistoryEntry(a, "2009-03-02", "/iratok/b.pdf", "b", true);
    app::MainWindowShared& f = Create();
    ASSERT_EQ(f.DocRetentionYears(), 0);
    app::RunDocumentList(f);
    ShowEntry(dated).BitBtn2->Click();
    Tdokulap& d = ShowEntry(kept);
    EXPECT_TRUE(d.DateTimePicker1->Checked());
    EXPECT_EQ(d.DateTimePicker1->Date(), Date());
    d.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT orzesi_hatarido FROM ugyitem ORDER BY sorszam"),
              (std::vector<Row>{{String("2031-05-17")}, {DateToSqlText(Date())}}));
}

// The '' offices' existing databases hold for "no deadline": the list shows it empty; a kept entry
// gets the proposal (today plus the retention years), and an entry the user leaves alone, or where
// "Őrzendő" is ticked and unticked again, keeps '' or a deadline that is no date, as stored.
TEST_F(DocumentsArea, EmptyOrForeignDeadlineIsNoDate) {
    SetSetting("dokumentum_orzesi_ido", "5");
    const Integer a = AddCase("Alfa", "2009-01-10");
    const Integer kept = AddHistoryEntry(a, "2009-03-01", "/iratok/a.pdf", "a", true);
    const Integer plain = AddHistoryEntry(a, "2009-03-02", "/iratok/b.pdf", "b");
    const Integer foreign = AddHistoryEntry(a, "2009-03-03", "/iratok/c.pdf", "c", true);
    const Integer toggled = AddHistoryEntry(a, "2009-03-04", "/iratok/d.pdf", "d");
    Exec("UPDATE ugyitem SET orzesi_hatarido=''; UPDATE ugyitem SET orzesi_hatarido='tavaly' WHERE sorszam=" +
         Key(foreign) + "; UPDATE ugyitem SET orzesi_hatarido='2024.13.45' WHERE sorszam=" + Key(toggled));
    app::MainWindowShared& f = Create();
    app::RunDocumentList(f);
    EXPECT_EQ(f.dokulistquery->FieldByName("orzesi_hatarido")->DisplayText(), "");
    // Ticking proposes a date other than the one the picker showed; unticking leaves that date.
    Tdokulap& d = ShowEntry(toggled);
    d.CheckBox1->SetChecked(true);
    d.CheckBox1->SetChecked(false);
    d.BitBtn1->Click();
    ShowEntry(kept);
    EXPECT_EQ(d.DateTimePicker1->Date(), AddYears(Date(), 5));
    d.BitBtn1->Click();
    ShowEntry(plain).BitBtn1->Click();
    ShowEntry(foreign);
    EXPECT_FALSE(d.DateTimePicker1->Checked());
    d.BitBtn1->Click();
    EXPECT_EQ(
        Rows("SELECT orzesi_hatarido FROM ugyitem ORDER BY sorszam"),
        (std::vector<Row>{
            {DateToSqlText(AddYears(Date(), 5))}, {String("")}, {String("tavaly")}, {String("2024.13.45")}}));
}

TEST_F(DocumentsArea, RetentionSettingTakesDigitsAndIsReplacedWhole) {
    SetSetting("dokumentum_orzesi_ido", "10");
    Create();
    Tdokusetform& s = *dokusetform;
    s.Show();
    EXPECT_EQ(s.Edit1->Text(), "10");
    // Saved untouched, it keeps what another workstation stored meanwhile.
    SetSetting("dokumentum_orzesi_ido", "12");
    s.BitBtn1->Click();
    EXPECT_EQ(Rows(app::RetentionSettingSql()), std::vector<Row>{{String("12")}});
    String key = "'";
    s.Edit1->OnKeyPress(s.Edit1, key);
    EXPECT_EQ(key, "");
    s.Edit1->SetText("7'; DROP"); // pasted: only the digits stay
    EXPECT_EQ(s.Edit1->Text(), "7");
    s.BitBtn1->Click();
    EXPECT_EQ(Rows(app::RetentionSettingSql()), std::vector<Row>{{String("7")}});
    EXPECT_TRUE(s.Visible());
    // An empty box removes the setting.
    s.Edit1->SetText("");
    s.BitBtn1->Click();
    EXPECT_TRUE(Rows(app::RetentionSettingSql()).empty());
    EXPECT_EQ(app::MainWindow().DocRetentionYears(), 10); // applies from the next start
    // A text an office's database holds shows as it stands, not as its digits.
    SetSetting("dokumentum_orzesi_ido", "10,5");
    s.Hide();
    s.Show();
    EXPECT_EQ(s.Edit1->Text(), "10,5");
}

TEST_F(DocumentsArea, ListIsExportedAndReadBack) {
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    const Integer a = AddCase("Kovács Ödön hagyatéka", "2009-01-10");
    AddHistoryEntry(a, "2009-03-01", "/iratok/végrendelet.pdf", "a1", true);
    app::MainWindowShared& f = Create();
    app::RunDocumentList(f);
    app::ExportDocumentList(f);
    ASSERT_EQ(f.Documents().dokulistToXLS->GetExportResult(), erCompleted);
    const std::string script = Folder() + "/read.py";
    WriteFileBytes(script, R"(import sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)
for r in range(sheet.nrows):
    print(r, [c.value for c in sheet.row(r) if c.ctype != xlrd.XL_CELL_EMPTY])
)");
    const std::string out =
        CommandOutput(SystemPython() + " '" + script + "' '" + Folder() + "/dokumentumok.xls'");
    EXPECT_NE(out.find("'Kovács Ödön hagyatéka', '2009/1'"), std::string::npos) << out;
    EXPECT_NE(out.find("'/iratok/végrendelet.pdf'"), std::string::npos) << out;
    EXPECT_NE(out.find("'őrzendő'"), std::string::npos) << out;
}

} // namespace
} // namespace apptest
