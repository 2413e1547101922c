// The registry area: its navigation column, and the incoming and outgoing list pages,
// each with a filter strip, a detail strip of the current item with its counter, the
// list grid with "Storno" in its context menu, and the export of the list.
#include "app/common/AreaLayout.h"
#include "app/common/FormControls.h"
#include "app/common/ListGrid.h"
#include "app/common/OfficeExport.h"
#include "app/common/QueryRun.h"
#include "app/registry/RegistryStatements.h"
#include "app/common/MainWindowShared.h"
#include "app/registry/RegistryArea.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"
#include "app/registry/TForm1RegistryParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDBRichEdit.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "sqlite/TSqlite3Query.h"

namespace {

constexpr TColor DetailColor = 15990526; // pale cream, as the lists' even rows
constexpr Integer FilterHeight = 112;
constexpr Integer DetailHeight = 96;
constexpr Integer DetailTextHeight = 15;

// The controls of one list page; the two pages have the same layout.
struct RegistryPage {
    TEdit* Text;
    TEdit* YearFrom;
    TEdit* YearTo;
    TEdit* NumberFrom;
    TEdit* NumberTo;
    TComboBox* Partner;
    TComboBox* Case;
    TCheckBox* InSubject;
    TCheckBox* InNote;
    TCheckBox* InReference;
    TCheckBox* Cancelled;
    TRadioButton* ByNumber;
    TRadioButton* ByPartner;
    TRadioButton* BySubject;
    TRadioButton* ByCase;
    TRadioButton* Ascending;
    TRadioButton* Descending;
    TgxExtSpeedButton* Query;
    TgxExtSpeedButton* Reset;
    TgxExtSpeedButton* Export;
    TLabel* Counter;
};

// Names of one page's controls, in the order of RegistryPage.
struct PageNames {
    const char* Prefix;
    const char* Edits[5];
    const char* Combos[2];
    const char* Checks[4];
    const char* Radios[6];
    const char* Buttons[3];
    const char* Counter;
    const char* PartnerCaption;
};

void MakeDetailStrip(app::MainWindowShared* Form, TPanel* Page, const String& Prefix, TDataSource* Source,
                     TLabel*& Counter, const char* CounterName) {
    TPanel* strip = app::MakePanel(Form, Page, Prefix + "Adatok", alTop);
    strip->SetTop(app::PageTitleHeight + FilterHeight);
    strip->SetHeight(DetailHeight);
    strip->SetColor(DetailColor);
    const auto text = [&](const char* name, const char* field, Integer left, Integer top, Integer width) {
        return app::MakeDBText(Form, strip, Prefix + name, Source, field, left, top, width, DetailTextHeight);
    };
    const auto caption = [&](const char* name, const char* text, Integer left, Integer top) {
        app::MakeLabel(Form, strip, Prefix + name, text, left, top)->Font()->SetStyle({fsBold});
    };
    text("DBText1", "iktatoszam", 8, 5, 70)->Font()->SetStyle({fsBold});
    text("DBText2", "datum", 80, 5, 80);
    text("DBText3", "pnev", 165, 5, 200)->Font()->SetStyle({fsBold});
    text("DBText4", "partnercim", 370, 5, 190);
    caption("Label1", "Tárgy:", 8, 24);
    text("DBText5", "targy", 80, 24, 285);
    text("DBText6", "modnev", 370, 24, 190);
    caption("Label2", "Ügy:", 8, 43);
    text("DBText7", "unev", 80, 43, 285);
    caption("Label3", "Ikt. hely:", 370, 43);
    text("DBText8", "ihnev", 430, 43, 180);
    caption("Label4", "Referencia:", 8, 62);
    text("DBText9", "referencia", 80, 62, 150);
    caption("Label5", "Megjegyzés::", 240, 62);
    auto* note = new TDBRichEdit(Form);
    note->SetName(Prefix + "DBRichEdit1");
    note->SetParent(strip);
    note->SetBounds(320, 60, 306, 32);
    note->SetDataSource(Source);
    note->SetDataField("megjegyzes");
    Counter = app::MakeLabel(Form, strip, CounterName, "", 560, 5);
    Counter->SetAutoSize(false);
    Counter->SetBounds(560, 5, 66, 15);
    Counter->SetAlignment(taRightJustify);
    Counter->Font()->SetColor(clGray);
}

RegistryPage MakeFilterStrip(app::MainWindowShared* Form, TPanel* Page, const PageNames& N) {
    const String prefix = N.Prefix;
    TPanel* strip = app::MakePanel(Form, Page, prefix + "Szuro", alTop);
    strip->SetTop(app::PageTitleHeight);
    strip->SetHeight(FilterHeight);
    RegistryPage p{};
    const auto label = [&](const char* name, const char* text, Integer left, Integer top) {
        app::MakeLabel(Form, strip, prefix + "Szuro" + name, text, left, top);
    };
    label("Label1", "Szöveg:", 10, 9);
    p.Text = app::MakeEdit(Form, strip, N.Edits[0], 62, 6, 190);
    p.Text->SetHint("Az alant bepipált mezőkben az ide írt szótöredéket keresi.");
    p.Text->SetShowHint(true);
    p.InSubject = app::MakeCheckBox(Form, strip, N.Checks[0], "Tárgy", 262, 8, 60, true);
    p.InNote = app::MakeCheckBox(Form, strip, N.Checks[1], "Megjegyzés", 326, 8, 90, true);
    p.InReference = app::MakeCheckBox(Form, strip, N.Checks[2], "Referencia", 420, 8, 90, true);

    label("Label2", "Év:", 10, 35);
    p.YearFrom = app::MakeEdit(Form, strip, N.Edits[1], 62, 32, 48);
    label("Label3", "-", 114, 35);
    p.YearTo = app::MakeEdit(Form, strip, N.Edits[2], 122, 32, 48);
    label("Label4", "Szám:", 184, 35);
    p.NumberFrom = app::MakeEdit(Form, strip, N.Edits[3], 220, 32, 48);
    label("Label5", "-", 272, 35);
    p.NumberTo = app::MakeEdit(Form, strip, N.Edits[4], 280, 32, 48);
    for (TEdit* year : {p.YearFrom, p.YearTo})
        year->SetMaxLength(4);
    for (TEdit* number : {p.NumberFrom, p.NumberTo})
        number->SetMaxLength(9);
    p.Cancelled = app::MakeCheckBox(Form, strip, N.Checks[3], "Storno is jelenjen meg", 346, 34, 160);

    label("Label6", "Feladó:", 10, 61);
    p.Partner = new TComboBox(Form);
    p.Partner->SetName(N.Combos[0]);
    p.Partner->SetParent(strip);
    p.Partner->SetBounds(62, 58, 190, 21);
    label("Label7", "Ügy:", 262, 61);
    p.Case = new TComboBox(Form);
    p.Case->SetName(N.Combos[1]);
    p.Case->SetParent(strip);
    p.Case->SetBounds(292, 58, 214, 21);
    // Only list items can be chosen: a typed text would leave the last choice in force.
    for (TComboBox* combo : {p.Partner, p.Case}) {
        combo->SetStyle(csDropDownList);
        combo->SetDropDownCount(16);
    }

    label("Label8", "Rendezés:", 10, 88);
    TPanel* key = app::MakePanel(Form, strip, prefix + "Rendezes", alNone);
    key->SetParentColor(true);
    key->SetBounds(72, 84, 276, 21);
    p.ByNumber = app::MakeRadioButton(Form, key, N.Radios[0], "Iktatószám", 0, 2, 80);
    p.ByPartner = app::MakeRadioButton(Form, key, N.Radios[1], N.PartnerCaption, 84, 2, 70);
    p.BySubject = app::MakeRadioButton(Form, key, N.Radios[2], "Tárgy", 158, 2, 60);
    p.ByCase = app::MakeRadioButton(Form, key, N.Radios[3], "Ügy", 222, 2, 50);
    p.ByNumber->SetChecked(true);
    TPanel* direction = app::MakePanel(Form, strip, prefix + "Irany", alNone);
    direction->SetParentColor(true);
    direction->SetBounds(356, 84, 170, 21);
    p.Ascending = app::MakeRadioButton(Form, direction, N.Radios[4], "Növekvő", 0, 2, 75);
    p.Descending = app::MakeRadioButton(Form, direction, N.Radios[5], "Csökkenő", 80, 2, 85);
    p.Descending->SetChecked(true);

    p.Query = app::MakeToolButton(Form, strip, N.Buttons[0], "Lekérdezés", 530, 6, 96,
                                  "A lista szűrése és rendezése");
    p.Reset = app::MakeToolButton(Form, strip, N.Buttons[1], "Alaphelyzet", 530, 34, 96,
                                  "A szűrési és rendezési szempontok alaphelyzetbe állítása");
    auto* title = static_cast<TWinControl*>(Form->FindComponent(prefix + "Title"));
    p.Export = app::MakeToolButton(Form, title, N.Buttons[2], "Exportálás", title->Width() - 104, 3, 84,
                                   "A lista mentése Excel fájlba");
    p.Export->SetAnchors(TAnchors{akTop, akRight});
    return p;
}

} // namespace

namespace app {

void CreateRegistryArea(MainWindowShared& Form) {
    TForm1RegistryParts& p = Form.Registry();
    p.iktlistaQuery1 = app::MakeListQuery(&Form, "iktlistaQuery1", Form.Sqlite3DB1);
    p.iktlistaQuery2 = app::MakeListQuery(&Form, "iktlistaQuery2", Form.Sqlite3DB1);
    // Every field text, dates as stored: '' is no date, not 1900-01-01.
    p.iktlistaQuery1->SetTypeLess(true);
    p.iktlistaQuery2->SetTypeLess(true);
    p.iktataslistaDataSource1 = new TDataSource(&Form);
    p.iktataslistaDataSource1->SetName("iktataslistaDataSource1");
    p.iktataslistaDataSource1->SetDataSet(p.iktlistaQuery1);
    p.iktataslistaDataSource2 = new TDataSource(&Form);
    p.iktataslistaDataSource2->SetName("iktataslistaDataSource2");
    p.iktataslistaDataSource2->SetDataSet(p.iktlistaQuery2);

    auto* nav = static_cast<TPanel*>(Form.FindComponent("iktatasnav"));
    app::AddNavButton(&Form, nav, "iktatasnavBeerkezett", "Beérkezett lista")->OnClick = [&Form](TObject*) {
        app::ShowIncomingListPage(Form);
    };
    app::AddNavButton(&Form, nav, "iktatasnavElkuldott", "Elküldött lista")->OnClick = [&Form](TObject*) {
        app::ShowOutgoingListPage(Form);
    };
    app::AddNavButton(&Form, nav, "iktatasnavBeallitasok", "Beállítások")->OnClick = [&Form](TObject*) {
        Form.iktatasbeallitas->BringToFront();
        app::OpenRegistrySettings(Form);
    };
    app::AddNavButton(&Form, nav, "iktatasnavUjErkezo", "Új érkező")->OnClick = [](TObject*) {
        iktbe->ShowModal();
    };
    app::AddNavButton(&Form, nav, "iktatasnavUjKimeno", "Új kimenő")->OnClick = [](TObject*) {
        iktki->ShowModal();
    };

    const RegistryPage in =
        MakeFilterStrip(&Form, Form.beerkezettlista,
                        {"beerkezettlista",
                         {"Edit28", "Edit29", "Edit30", "Edit31", "Edit32"},
                         {"ComboBox1", "ComboBox2"},
                         {"CheckBox12", "CheckBox11", "CheckBox9", "CheckBox15"},
                         {"RadioButton9", "RadioButton10", "RadioButton13", "RadioButton14", "RadioButton11",
                          "RadioButton12"},
                         {"gxExtSpeedButton27", "gxExtSpeedButton24", "gxExtSpeedButton28"},
                         "Label81",
                         "Feladó"});
    const RegistryPage out =
        MakeFilterStrip(&Form, Form.kimenolista,
                        {"kimenolista",
                         {"Edit33", "Edit34", "Edit35", "Edit36", "Edit37"},
                         {"ComboBox3", "ComboBox4"},
                         {"CheckBox13", "CheckBox10", "CheckBox8", "CheckBox16"},
                         {"RadioButton15", "RadioButton16", "RadioButton17", "RadioButton18", "RadioButton19",
                          "RadioButton20"},
                         {"gxExtSpeedButton31", "gxExtSpeedButton30", "gxExtSpeedButton32"},
                         "Label90",
                         "Címzett"});
    p.Edit28 = in.Text, p.Edit29 = in.YearFrom, p.Edit30 = in.YearTo, p.Edit31 = in.NumberFrom;
    p.Edit32 = in.NumberTo, Form.ComboBox1 = in.Partner, Form.ComboBox2 = in.Case;
    p.CheckBox12 = in.InSubject, p.CheckBox11 = in.InNote, p.CheckBox9 = in.InReference;
    p.CheckBox15 = in.Cancelled, p.RadioButton9 = in.ByNumber, p.RadioButton10 = in.ByPartner;
    p.RadioButton13 = in.BySubject, p.RadioButton14 = in.ByCase, p.RadioButton11 = in.Ascending;
    p.RadioButton12 = in.Descending, p.gxExtSpeedButton27 = in.Query, p.gxExtSpeedButton24 = in.Reset;
    p.gxExtSpeedButton28 = in.Export;
    p.Edit33 = out.Text, p.Edit34 = out.YearFrom, p.Edit35 = out.YearTo, p.Edit36 = out.NumberFrom;
    p.Edit37 = out.NumberTo, Form.ComboBox3 = out.Partner, Form.ComboBox4 = out.Case;
    p.CheckBox13 = out.InSubject, p.CheckBox10 = out.InNote, p.CheckBox8 = out.InReference;
    p.CheckBox16 = out.Cancelled, p.RadioButton15 = out.ByNumber, p.RadioButton16 = out.ByPartner;
    p.RadioButton17 = out.BySubject, p.RadioButton18 = out.ByCase, p.RadioButton19 = out.Ascending;
    p.RadioButton20 = out.Descending, p.gxExtSpeedButton31 = out.Query, p.gxExtSpeedButton30 = out.Reset;
    p.gxExtSpeedButton32 = out.Export;

    MakeDetailStrip(&Form, Form.beerkezettlista, "beerkezettlista", p.iktataslistaDataSource1, p.Label81,
                    "Label81");
    MakeDetailStrip(&Form, Form.kimenolista, "kimenolista", p.iktataslistaDataSource2, p.Label90, "Label90");

    p.iktbePopupMenu = app::MakePopupMenu(&Form, "iktbePopupMenu");
    app::AddPopupItem(&Form, p.iktbePopupMenu, "iktbeStorno", "Storno")->OnClick = [&Form](TObject*) {
        app::CancelRegistryItem(Form, Form.Registry().iktlistaQuery1, true);
    };
    p.iktkiPopupMenu = app::MakePopupMenu(&Form, "iktkiPopupMenu");
    app::AddPopupItem(&Form, p.iktkiPopupMenu, "iktkiStorno", "Storno")->OnClick = [&Form](TObject*) {
        app::CancelRegistryItem(Form, Form.Registry().iktlistaQuery2, false);
    };
    p.VgDBGrid6 = app::MakeListGrid(&Form, Form.beerkezettlista, "VgDBGrid6", p.iktataslistaDataSource1,
                                    p.iktbePopupMenu,
                                    {{"iktatoszam", "Iktatószám", 65},
                                     {"pnev", "Feladó", 158},
                                     {"datum", "Dátum", 69},
                                     {"targy", "Tárgy", 107},
                                     {"unev", "Ügy", 178},
                                     {"ihnev", "Iktatási hely", 125},
                                     {"referencia", "Referencia", 0}});
    p.VgDBGrid7 =
        app::MakeListGrid(&Form, Form.kimenolista, "VgDBGrid7", p.iktataslistaDataSource2, p.iktkiPopupMenu,
                          {{"iktatoszam", "Iktatószám", 65},
                           {"pnev", "Címzett", 158},
                           {"datum", "Dátum", 69},
                           {"targy", "Tárgy", 107},
                           {"unev", "Ügy", 178},
                           {"ihnev", "Iktatási hely", 125},
                           {"referencia", "Referencia", 0}});
    for (TVgDBGrid* grid : {p.VgDBGrid6, p.VgDBGrid7})
        grid->SetExOptions(grid->ExOptions() +
                           TExOptions{eoDisableDelete, eoDisableInsert, eoFixedLikeColumn});

    const auto exporter = [&Form](const String& name, TSqlite3Query* query, const char* partner,
                                  const char* address) {
        return app::MakeListExporter(&Form, name, query,
                                     {{"iktatoszam", "Iktatószám"},
                                      {"datum", "Dátum"},
                                      {"pnev", partner},
                                      {"partnercim", address},
                                      {"modnev", "Érkeztetési mód"},
                                      {"targy", "Tárgy"},
                                      {"unev", "Ügy"},
                                      {"ihnev", "Iktatási hely"},
                                      {"referencia", "Referencia"},
                                      {"megjegyzes", "Megjegyzés"}});
    };
    p.iktlistXLS1 = exporter("iktlistXLS1", p.iktlistaQuery1, "Feladó", "Feladó címe");
    p.iktlistXLS2 = exporter("iktlistXLS2", p.iktlistaQuery2, "Címzett", "Címzett címe");

    WireRegistryLists(Form);
    CreateRegistrySettings(Form);
}

} // namespace app
