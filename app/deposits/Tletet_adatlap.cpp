#include "app/deposits/Tletet_adatlap.h"

#include "app/common/AreaLayout.h"
#include "app/common/CloseAsStored.h"
#include "app/deposits/DepositSaves.h"
#include "app/common/DigitBoxes.h"
#include "app/common/FieldValues.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/deposits/DepositArea.h"
#include "app/common/MainWindowData.h"
#include "app/reports/Tletetfrf.h"

#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "sqlite/EngineError.h"
#include "sqlite/TSqlite3Query.h"

#include <algorithm>

Tletet_adatlap* letet_adatlap = nullptr;

namespace {

constexpr TColor EvenRowColor = 15990526; // pale cream, as the main lists

} // namespace

Tletet_adatlap::Tletet_adatlap(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "letet_adatlap", "Letét adatlap", 527, 572);
    SetWidth(533);
    SetHeight(600);
    TSqlite3DB* db = app::OfficeDatabase();
    Query1 = app::MakeListQuery(this, "Query1", db);
    // The header is read one-directionally; FormShow reads past its one row, so the open
    // header holds no read lock on the database while the sheet stands open.
    Query1->SetUniDirectional(true);
    Query2 = app::MakeListQuery(this, "Query2", db);
    Query3 = app::MakeStatementQuery(this, "Query3", db);
    DataSource1 = app::MakeDataSource(this, "DataSource1", Query1);
    DataSource2 = app::MakeDataSource(this, "DataSource2", Query2);
    DataSource2->OnDataChange = [this](TObject*, TField*) {
        Label11->SetCaption(
            Query2->Active() ? IntToStr(Query2->RecNo()) + "/" + IntToStr(Query2->RecordCount()) : String());
    };
    CreateHeader();
    CreateChangePanel();
    BitBtn3 = app::MakeBitBtn(this, this, "BitBtn3", "Nyomtatás", 325, 540);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Bezár", 421, 540);
    BitBtn2->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
    BitBtn3->OnClick = [this](TObject* Sender) { BitBtn3Click(Sender); };
}

Tletet_adatlap::~Tletet_adatlap() {
    if (letet_adatlap == this) letet_adatlap = nullptr;
}

void Tletet_adatlap::CreateHeader() {
    TPanel* top = app::MakeHeaderPanel(this, this, "Panel1", 44);
    app::MakeLabel(this, top, "Label1", "Letevő:", 12, 14)->SetTransparent(true);
    DBText1 = app::MakeDBText(this, top, "DBText1", DataSource1, "letevo", 80, 14, 260);
    Label9 = app::MakeLabel(this, top, "Label9", "Egyenleg:", 330, 14);
    Label9->SetTransparent(true);
    DBText8 = app::MakeDBText(this, top, "DBText8", DataSource1, "letetosszeg", 400, 14, 116);
    DBText8->SetAlignment(taRightJustify);

    struct Row {
        const char* Caption;
        const char* Field;
    };
    const Row rows[] = {{"Jogosult:", "kedvezmenyezett"}, {"Projekt:", "pnev"},
                        {"Letéti számla:", "sznev"},      {"Státusz:", "statusz"},
                        {"Letét időpontja:", "betet"},    {"Kifizetés:", "kifizetes"}};
    Integer top2 = 54;
    Integer n = 2;
    for (const Row& row : rows) {
        app::MakeFieldLabel(this, this, "Label" + IntToStr(n), row.Caption, 110, top2 - 4);
        app::MakeDBText(this, this, "DBText" + IntToStr(n), DataSource1, row.Field, 118, top2, 390)
            ->Font()
            ->SetStyle({fsBold});
        top2 += 19;
        ++n;
    }
    app::MakeFieldLabel(this, this, "Label10", "Leírás:", 110, top2 - 4);
    DBMemo1 = new TDBMemo(this);
    DBMemo1->SetName("DBMemo1");
    DBMemo1->SetParent(this);
    DBMemo1->SetBounds(118, top2, 397, 44);
    DBMemo1->SetReadOnly(true);
    DBMemo1->SetDataSource(DataSource1);
    DBMemo1->SetDataField("megjegyzes");

    app::MakeLabel(this, this, "Label12", "Letét történet:", 12, 226);
    Label11 = app::MakeLabel(this, this, "Label11", "", 415, 226);
    Label11->SetAutoSize(false);
    Label11->SetBounds(415, 226, 100, 15);
    Label11->SetAlignment(taRightJustify);
    VgDBGrid1 = new TVgDBGrid(this);
    VgDBGrid1->SetName("VgDBGrid1");
    VgDBGrid1->SetParent(this);
    VgDBGrid1->SetBounds(12, 244, 503, 150);
    VgDBGrid1->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                           dgConfirmDelete, dgCancelOnExit});
    VgDBGrid1->SetExOptions(
        {eoCellHint, eoENTERlikeTAB, eoKeepSelection, eoBLOBEditor, eoTitleWordWrap, eoFilterAutoApply});
    VgDBGrid1->SetReadOnly(true);
    VgDBGrid1->GridStyle()->SetStyle(gsCustom);
    VgDBGrid1->GridStyle()->SetOddColor(clWindow);
    VgDBGrid1->GridStyle()->SetEvenColor(EvenRowColor);
    VgDBGrid1->SetDefaultRowHeight(17);
    struct Column {
        const char* Field;
        const char* Title;
        Integer Width;
    };
    for (const Column& c : {Column{"datum", "Dátum", 65}, Column{"osszeg", "Összeg", 94},
                            Column{"megjegyzes", "Megjegyzés", 299}}) {
        TVgDBColumn* column = VgDBGrid1->GetColumns()->Add();
        column->SetFieldName(c.Field);
        column->Title()->SetCaption(c.Title);
        column->SetWidth(c.Width);
    }
    VgDBGrid1->GetColumns()->GetColumn(1)->SetAlignment(taRightJustify);
    VgDBGrid1->SetDataSource(DataSource2);
}

void Tletet_adatlap::CreateChangePanel() {
    Panel2 = app::MakePanel(this, this, "Panel2", alNone);
    Panel2->SetBounds(12, 404, 503, 126);
    Panel2->SetBevelOuter(bvLowered);
    app::MakeLabel(this, Panel2, "Label13", "Letét módosítás:", 8, 6)->Font()->SetStyle({fsBold});
    app::MakeFieldLabel(this, Panel2, "Label14", "Esemény:", 64, 26);
    Memo2 = app::MakeMemo(this, Panel2, "Memo2", 70, 26, 230, 60);
    Memo2->SetMaxLength(128);
    app::MakeFieldLabel(this, Panel2, "Label15", "Dátum:", 64, 94);
    DateTimePicker1 = app::MakeDatePicker(this, Panel2, "DateTimePicker1", 70, 94, 110);
    app::MakeFieldLabel(this, Panel2, "Label16", "Összeg:", 360, 26);
    Edit1 = app::MakeEdit(this, Panel2, "Edit1", 366, 26, 100);
    Edit1->SetMaxLength(12);
    app::AcceptDigitsOnly(Edit1);
    app::MakeLabel(this, Panel2, "Label17", "Ft", 472, 30);
    RadioButton1 = app::MakeRadioButton(this, Panel2, "RadioButton1", "Részleges kifizetés", 310, 54, 190);
    RadioButton2 =
        app::MakeRadioButton(this, Panel2, "RadioButton2", "Teljes kifizetés (letét lezárása)", 310, 72, 190);
    RadioButton3 = app::MakeRadioButton(this, Panel2, "RadioButton3", "Befizetés", 310, 90, 190);
    BitBtn1 = app::MakeBitBtn(this, Panel2, "BitBtn1", "Rögzít", 196, 92, 90);
}

app::MovementKind Tletet_adatlap::ChosenKind() const {
    if (RadioButton1->Checked()) return app::MovementKind::PartialPayout;
    if (RadioButton2->Checked()) return app::MovementKind::FullPayout;
    if (RadioButton3->Checked()) return app::MovementKind::Payment;
    return app::MovementKind::None;
}

void Tletet_adatlap::FormShow(TObject*) {
    ClearChangePanel();
    Load();
}

void Tletet_adatlap::ClearChangePanel() {
    for (TRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3})
        radio->SetChecked(false);
    DateTimePicker1->SetDate(Date());
    Edit1->SetText("");
    Memo2->Clear();
}

void Tletet_adatlap::Load() {
    // The amounts' display is set before the labels and the grid read them.
    Query1->DisableControls();
    Query2->DisableControls();
    const core::ScopeExit showAgain([this] {
        Query1->EnableControls();
        Query2->EnableControls();
    });
    // A header that cannot be read shows blank: nothing is recorded on it until a read succeeds.
    Panel2->SetEnabled(false);
    app::OpenSingleRow(*Query1, app::DepositHeaderSql(DepositId));
    app::OpenStatement(*Query2, app::DepositMovementsSql(DepositId));
    app::ShowAsForint(Query1->FieldByName("letetosszeg"));
    app::ShowAsForint(Query2->FieldByName("osszeg"));
    FitBalance(Query1->FieldByName("letetosszeg")->DisplayText());
    // Only an active deposit takes movements; a closed one is for viewing.
    TField* status = Query1->FieldByName("status");
    Panel2->SetEnabled(!Query1->IsEmpty() && !status->IsNull() && status->AsInteger() == 1);
}

void Tletet_adatlap::FitBalance(const String& Balance) {
    // A balance cut at its left would show a negative one as positive, or drop its
    // leading digits: it keeps the strip's right edge and grows to the left.
    constexpr Integer Right = 516;
    constexpr Integer Gap = 6;
    const Integer width = std::max<Integer>(116, DBText8->Canvas()->TextWidth(Balance) + Gap);
    DBText8->SetBounds(Right - width, DBText8->Top(), width, DBText8->Height());
    Label9->SetLeft(DBText8->Left() - Label9->Canvas()->TextWidth(Label9->Caption()) - Gap);
    DBText1->SetWidth(Label9->Left() - Gap - DBText1->Left());
}

void Tletet_adatlap::BitBtn1Click(TObject* Sender) {
    const app::MovementKind kind = ChosenKind();
    const Int64 balance = Query1->IsEmpty() ? 0 : Query1->FieldByName("letetosszeg")->AsLargeInt();
    const std::optional<Int64> amount = app::MovementAmount(kind, Edit1->Text(), balance);
    if (!amount) {
        FormShow(Sender);
        return;
    }
    try {
        app::WriteMovement(*Query3, DepositId, *amount, DateTimePicker1->Date(), Memo2->Text(),
                           kind == app::MovementKind::FullPayout);
    } catch (const sqlite::EngineError&) {
        throw; // the engine failed (busy, disk): the sheet keeps what it shows
    } catch (const EDatabaseError&) {
        // Refused by what the database holds now (closed, deleted, another balance): show
        // that, keeping what was typed.
        Load();
        throw;
    }
    // Recorded: a reload that fails must not leave the movement typed in for a second press.
    ClearChangePanel();
    app::ReadAgainAsStored([this] { Load(); });
}

void Tletet_adatlap::BitBtn3Click(TObject*) {
    if (letetfrf && Query1->Active()) letetfrf->Print(letetfrf->rpReport1);
    // The report walks the header from its first row again; a walk cut short would leave
    // its statement holding the database.
    app::ReadPastSingleRow(*Query1);
}

void Tletet_adatlap::BitBtn2Click(TObject*) {
    Close();
}

void Tletet_adatlap::FormClose(TObject*, TCloseAction&) {
    // Also on the close box and Escape: the list the sheet came from shows the movements
    // recorded on it.
    if (Origin == 2)
        app::ReopenDepositSearch(app::MainWindow());
    else if (Origin == 1)
        app::ReopenDepositList(app::MainWindow());
}
