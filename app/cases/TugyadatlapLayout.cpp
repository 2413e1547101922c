// The case sheet's component tree: header, event panel, the history over the
// description and the clients, and the bottom bar.
#include "app/common/AreaLayout.h"
#include "controls/buttons/ButtonLooks.h"
#include "app/common/CaseSheetImages.h"
#include "app/common/FormControls.h"
#include "app/common/ListGrid.h"
#include "app/common/QueryRun.h"
#include "app/cases/Tugyadatlap.h"

#include "controls/services/TUtlStarter.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TStringField.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/TSplitter.h"
#include "sqlite/TSqlite3Query.h"

#include "app/common/MainWindowData.h"

using app::MakeLabel;
using app::MakePanel;

namespace {

constexpr Integer StripHeight = 22;
constexpr TColor EvenRowColor = 15990526; // pale cream, as the main lists

TSqlite3Query* MakeQuery(Tugyadatlap* Form, const String& Name) {
    return app::MakeStatementQuery(Form, Name, app::OfficeDatabase());
}

TStringField* MakeStringField(Tugyadatlap* Form, TSqlite3Query* Query, const String& Name, Integer Size) {
    auto* field = new TStringField(Form);
    field->SetName(Query->Name() + Name);
    field->SetFieldName(Name);
    field->SetSize(Size);
    field->SetDataSet(Query);
    return field;
}

TDBText* MakeHeaderText(Tugyadatlap* Form, TPanel* Panel, const String& Name, const String& Field,
                        Integer Left, Integer Width, TAlignment Alignment) {
    TDBText* text = app::MakeDBText(Form, Panel, Name, Form->DataSource1, Field, Left, 12, Width, 20);
    text->SetAlignment(Alignment);
    return text;
}

TgxExtSpeedButton* MakeButton(Tugyadatlap* Form, TWinControl* Parent, const String& Name,
                              const String& Caption, Integer Left, Integer Top, Integer Width,
                              const String& Hint = String()) {
    return app::MakeToolButton(Form, Parent, Name, Caption, Left, Top, Width, Hint);
}

// A context menu with one entry.
TPopupMenu* MakePopup(Tugyadatlap* Form, const String& Name, TMenuItem*& Item, const String& ItemName,
                      const String& Caption) {
    auto* menu = new TPopupMenu(Form);
    menu->SetName(Name);
    Item = new TMenuItem(Form);
    Item->SetName(ItemName);
    Item->SetCaption(Caption);
    menu->Items()->Add(Item);
    return menu;
}

// A titled box of the body: a pale strip with Title and a counter label at its right.
TPanel* MakeBox(Tugyadatlap* Form, TWinControl* Parent, const String& Name, const String& Title, TAlign Align,
                TLabel*& Counter, const String& CounterName) {
    TPanel* box = MakePanel(Form, Parent, Name, Align);
    box->SetBorderWidth(4);
    TPanel* strip = app::MakeTitleStrip(Form, box, Name + "Title", Title, StripHeight, 12);
    if (!CounterName.empty()) {
        Counter = MakeLabel(Form, strip, CounterName, "", 0, 4);
        Counter->SetAutoSize(false);
        Counter->SetAlignment(taRightJustify);
        Counter->SetBounds(strip->Width() - 88, 4, 80, 14);
        Counter->SetAnchors({akTop, akRight});
        Counter->Font()->SetColor(clGray);
    }
    return box;
}

} // namespace

void Tugyadatlap::CreateData() {
    // The header is read one-directionally; OpenHeader reads past its one row, so the
    // open header holds no read lock on the database while the sheet stands open. Header
    // and history only show their texts, so they read them whole: a description, a note
    // or a file path may be longer than declared.
    Query1 = app::MakeListQuery(this, "Query1", app::OfficeDatabase());
    Query1->SetUniDirectional(true);
    // The header's date as stored: '' is no date, not 1900-01-01.
    Query1->SetTypeLess(true);
    Query2 = app::MakeListQuery(this, "Query2", app::OfficeDatabase());
    Query3 = MakeQuery(this, "Query3");
    Query4 = MakeQuery(this, "Query4");
    Query2sorszam = MakeStringField(this, Query2, "sorszam", 12);
    // The history's fields are text, its dates as stored: '' is no date, not 1900-01-01.
    Query2->SetTypeLess(true);
    Query2datum = MakeStringField(this, Query2, "datum", 10);
    Query2ufile = MakeStringField(this, Query2, "ufile", 255);
    Query2megjegyzes = MakeStringField(this, Query2, "megjegyzes", 10000);
    Query2hintstring = MakeStringField(this, Query2, "hintstring", 255);
    DataSource1 = app::MakeDataSource(this, "DataSource1", Query1);
    DataSource2 = app::MakeDataSource(this, "DataSource2", Query2);
    DataSource3 = app::MakeDataSource(this, "DataSource3", Query3);

    UtlStarter1 = new TUtlStarter(this);
    UtlStarter1->SetName("UtlStarter1");
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    app::AddCaseSheetImages(ImageList1);
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
}

void Tugyadatlap::CreateHeader() {
    Panel1 = app::MakeHeaderPanel(this, this, "Panel1", 44);
    DBText1 = MakeHeaderText(this, Panel1, "DBText1", "ev", 8, 40, taRightJustify);
    Label1 = MakeLabel(this, Panel1, "Label1", "/", 49, 12);
    DBText2 = MakeHeaderText(this, Panel1, "DBText2", "szam", 55, 44, taLeftJustify);
    DBText3 = MakeHeaderText(this, Panel1, "DBText3", "nev", 108, 420, taLeftJustify);
    DBText4 = MakeHeaderText(this, Panel1, "DBText4", "statusz", 536, 70, taRightJustify);
    DBText5 = MakeHeaderText(this, Panel1, "DBText5", "datum", 612, 108, taRightJustify);
    DBText3->SetAnchors({akLeft, akTop, akRight});
    for (TDBText* text : {DBText4, DBText5}) {
        text->SetAnchors({akTop, akRight});
        text->Font()->SetStyle({});
        text->Font()->SetHeight(-13);
    }
    DBText5->Font()->SetColor(looks::DarkButtonActiveColor);
}

void Tugyadatlap::CreateEventPanel() {
    Panel2 = MakePanel(this, this, "Panel2", alTop);
    Panel2->SetTop(44);
    Panel2->SetHeight(120);

    app::MakeFieldLabel(this, Panel2, "Label2", "Dátum:", 60, 10);
    DateTimePicker1 = app::MakeDatePicker(this, Panel2, "DateTimePicker1", 66, 10, 100);
    MakeLabel(this, Panel2, "Label3", "Fájl:", 180, 14);
    Edit1 = app::MakeEdit(this, Panel2, "Edit1", 206, 10, 238);
    Edit1->SetAnchors({akLeft, akTop, akRight});
    SpeedButton3 = new TSpeedButton(this);
    SpeedButton3->SetName("SpeedButton3");
    SpeedButton3->SetParent(Panel2);
    SpeedButton3->SetBounds(446, 10, 23, 21);
    SpeedButton3->SetCaption("...");
    SpeedButton3->SetHint("Tallózás, a csatolandó fájl kiválasztása");
    SpeedButton3->SetShowHint(true);
    SpeedButton3->SetAnchors({akTop, akRight});
    app::MakeFieldLabel(this, Panel2, "Label4", "Esemény:", 60, 38);
    Memo2 = app::MakeMemo(this, Panel2, "Memo2", 66, 38, 403, 72);
    Memo2->SetAnchors({akLeft, akTop, akRight, akBottom});

    CheckBox2 = app::MakeCheckBox(this, Panel2, "CheckBox2", "Őrzendő", 484, 12, 110);
    CheckBox3 = app::MakeCheckBox(this, Panel2, "CheckBox3", "Archiválandó", 484, 34, 110);
    CheckBox1 = app::MakeCheckBox(this, Panel2, "CheckBox1", "Ügy lezárása:", 484, 56, 110);
    gxExtSpeedButton8 =
        MakeButton(this, Panel2, "gxExtSpeedButton8", "Rögzít", 484, 84, 104, "Esemény rögzítése");

    TLabel* clients = MakeLabel(this, Panel2, "Label6", "Ügyfél hozzáadása:", 606, 14);
    gxExtSpeedButton3 = MakeButton(this, Panel2, "gxExtSpeedButton3", "Személy", 606, 38, 110,
                                   "Új, az ügyben érintett természetes személy hozzáadása");
    gxExtSpeedButton4 = MakeButton(this, Panel2, "gxExtSpeedButton4", "Szervezet", 606, 68, 110,
                                   "Új, az ügyben érintett szervezet hozzáadása");
    for (TControl* c : std::initializer_list<TControl*>{CheckBox2, CheckBox3, CheckBox1, gxExtSpeedButton8,
                                                        clients, gxExtSpeedButton3, gxExtSpeedButton4})
        c->SetAnchors({akTop, akRight});
}

void Tugyadatlap::CreateBottom() {
    Panel3 = MakePanel(this, this, "Panel3", alBottom);
    Panel3->SetHeight(38);
    gxExtSpeedButton1 =
        MakeButton(this, Panel3, "gxExtSpeedButton1", "Nyomtatás", 500, 7, 104, "Az ügy adatlap nyomtatása");
    gxExtSpeedButton2 = MakeButton(this, Panel3, "gxExtSpeedButton2", "Bezár", 616, 7, 104);
    for (TControl* c : std::initializer_list<TControl*>{gxExtSpeedButton1, gxExtSpeedButton2})
        c->SetAnchors({akTop, akRight});
}

void Tugyadatlap::CreateBody() {
    Panel4 = MakePanel(this, this, "Panel4", alClient);
    CreateHistory();
    CreateDescriptionAndClients();
}

void Tugyadatlap::CreateHistory() {
    Panel5 = MakeBox(this, Panel4, "Panel5", "Ügy történet:", alTop, Label11, "Label11");
    Panel5->SetHeight(180);

    PopupMenu2 = MakePopup(this, "PopupMenu2", Torles2, "Torles2", "Törlés");

    VgDBGrid1 = new TVgDBGrid(this);
    VgDBGrid1->SetName("VgDBGrid1");
    VgDBGrid1->SetParent(Panel5);
    VgDBGrid1->SetAlign(alClient);
    VgDBGrid1->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                           dgConfirmDelete, dgCancelOnExit});
    VgDBGrid1->SetExOptions({eoCellHint, eoDisableDelete, eoDisableInsert, eoENTERlikeTAB, eoFixedLikeColumn,
                             eoKeepSelection, eoLayout, eoBandsOverTitles, eoTitleWordWrap});
    VgDBGrid1->TitleHeight()->SetKind(hkPixelCount);
    VgDBGrid1->TitleHeight()->SetPixelCount(24);
    VgDBGrid1->SetScrollBars(ssHorizontal);
    VgDBGrid1->SetShowHint(true);
    VgDBGrid1->GridStyle()->SetStyle(gsCustom);
    VgDBGrid1->GridStyle()->SetOddColor(clWindow);
    VgDBGrid1->GridStyle()->SetEvenColor(EvenRowColor);
    VgDBGrid1->SetPopupMenu(PopupMenu2);
    const struct {
        const char* Field;
        const char* Title;
        Integer Width;
    } columns[] = {{"datum", "Dátum", 78}, {"ufile", "Fájl", 21}, {"megjegyzes", "Megjegyzés", 581}};
    for (const auto& spec : columns) {
        TVgDBColumn* column = VgDBGrid1->GetColumns()->Add();
        column->SetFieldName(spec.Field);
        column->Title()->SetCaption(spec.Title);
        column->SetWidth(spec.Width);
    }
    VgDBGrid1->GetColumns()->GetColumn(2)->SetReadOnly(true);
    VgDBGrid1->SetDataSource(DataSource2);
}

void Tugyadatlap::CreateDescriptionAndClients() {
    TLabel* none = nullptr;
    Panel6 = MakeBox(this, Panel4, "Panel6", "Leírás:", alLeft, none, "");
    Panel6->SetWidth(364);
    DBMemo1 = new TDBMemo(this);
    DBMemo1->SetName("DBMemo1");
    DBMemo1->SetParent(Panel6);
    DBMemo1->SetAlign(alClient);
    DBMemo1->SetReadOnly(true);
    DBMemo1->SetDataSource(DataSource1);
    DBMemo1->SetDataField("leiras");

    Splitter1 = new TSplitter(this);
    Splitter1->SetName("Splitter1");
    Splitter1->SetParent(Panel4);
    Splitter1->SetAlign(alLeft);
    Splitter1->SetLeft(Panel6->Width());
    Splitter1->SetWidth(4);

    Panel7 = MakeBox(this, Panel4, "Panel7", "Ügyfelek:", alClient, Label5, "Label5");
    PopupMenu1 = MakePopup(this, "PopupMenu1", JUB1, "JUB1", "JÜB");
    app::AddPopupItem(this, PopupMenu1, "N1", "-");
    Modositas1 = app::AddPopupItem(this, PopupMenu1, "Modositas1", "Módosítás");
    Torles1 = app::AddPopupItem(this, PopupMenu1, "Torles1", "Törlés");

    DBGrid2 = new TDBGrid(this);
    DBGrid2->SetName("DBGrid2");
    DBGrid2->SetParent(Panel7);
    DBGrid2->SetAlign(alClient);
    DBGrid2->SetOptions(
        {dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit});
    DBGrid2->SetScrollBars(ssVertical);
    DBGrid2->SetReadOnly(true);
    DBGrid2->SetPopupMenu(PopupMenu1);
    for (const auto& [field, width] : {std::pair<const char*, Integer>{"nev", 230}, {"azonosito", 90}}) {
        TColumn* column = DBGrid2->Columns()->Add();
        column->SetFieldName(field);
        column->SetWidth(width);
    }
    DBGrid2->SetDataSource(DataSource3);
}
