// The partners area: the full list and the search, each with its grid, the detail
// block of the current partner with its mail and web buttons, the context menu that
// changes or deletes a partner, and the export of the page's rows.
#include "app/common/AreaLayout.h"
#include "app/common/CloseAsStored.h"
#include "app/common/FormControls.h"
#include "app/partners/LinkAddresses.h"
#include "app/common/ListGrid.h"
#include "app/common/OfficeExport.h"
#include "app/partners/PartnerStatements.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowShared.h"
#include "app/partners/PartnerArea.h"
#include "app/partners/Tpartnermod.h"
#include "app/partners/Tujpartner.h"
#include "app/partners/TForm1PartnerParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"

namespace {

constexpr TColor DetailColor = 15990526; // the pale cream of the lists' even rows
constexpr Integer DetailHeight = 128;
// The list opens mail from five characters of address, the search from three.
constexpr Integer ListMailMinLength = 5;
constexpr Integer SearchMailMinLength = 3;

String FieldText(TSqlite3Query* Query, const char* Field) {
    if (!Query->Active() || Query->IsEmpty()) return String();
    return Query->FieldByName(Field)->AsString();
}

constexpr Integer DetailTextHeight = 15;

struct DetailButtons {
    TgxExtSpeedButton* Mail;
    TgxExtSpeedButton* Web;
};

// The block under a page's grid: the current partner's data, read-only, in two columns.
DetailButtons MakePartnerDetail(app::MainWindowShared* Form, TPanel* Page, const String& Prefix,
                                TDataSource* Source) {
    TPanel* block = app::MakePanel(Form, Page, Prefix + "Adatok", alBottom);
    block->SetHeight(DetailHeight);
    block->SetColor(DetailColor);
    struct Item {
        const char* Caption;
        const char* Field;
    };
    const Item left[] = {{"Név:", "nev"}, {"Képviselő:", "kepviselo"}, {"Cím:", "cim"},
                         {"Tel:", "tel"}, {"Mobil:", "mobil"},         {"Fax:", "fax"}};
    const Item right[] = {{"e-mail:", "email"}, {"Web:", "web"}, {"Megjegyzés:", "megjegyzes"}};
    Integer n = 0;
    Integer top = 8;
    for (const Item& item : left) {
        ++n;
        TLabel* caption = app::MakeLabel(Form, block, Prefix + "Label" + IntToStr(n), item.Caption, 12, top);
        caption->Font()->SetStyle({fsBold});
        app::MakeDBText(Form, block, Prefix + "DBText" + IntToStr(n), Source, item.Field, 84, top, 222,
                        DetailTextHeight);
        top += 19;
    }
    top = 8;
    for (const Item& item : right) {
        ++n;
        TLabel* caption = app::MakeLabel(Form, block, Prefix + "Label" + IntToStr(n), item.Caption, 316, top);
        caption->Font()->SetStyle({fsBold});
        TDBText* text = app::MakeDBText(Form, block, Prefix + "DBText" + IntToStr(n), Source, item.Field, 392,
                                        top, 150, DetailTextHeight);
        top += 24;
        // The remark wraps over the rest of the block.
        if (String(item.Field) == "megjegyzes") {
            text->SetWordWrap(true);
            text->SetBounds(392, text->Top(), 232, DetailHeight - text->Top() - 6);
        }
    }
    DetailButtons buttons;
    buttons.Mail = app::MakeToolButton(Form, block, Prefix + "Level", "Levél", 548, 5, 64,
                                       "Új levél a partner e-mail címére");
    buttons.Web = app::MakeToolButton(Form, block, Prefix + "Honlap", "Honlap", 548, 29, 64,
                                      "A partner honlapjának megnyitása");
    for (TgxExtSpeedButton* button : {buttons.Mail, buttons.Web})
        button->SetHeight(21);
    return buttons;
}

TPopupMenu* MakePartnerMenu(app::MainWindowShared* Form, const String& Number, TSqlite3Query* Query) {
    TPopupMenu* menu = app::MakePopupMenu(Form, "partnerlistaPopupMenu" + Number);
    app::AddPopupItem(Form, menu, "partnerModositas" + Number, "Módosítás")->OnClick =
        [Form, Query](TObject*) { app::EditPartner(*Form, Query); };
    app::AddPopupItem(Form, menu, "partnerTorles" + Number, "Törlés")->OnClick = [Form, Query](TObject*) {
        app::DeletePartner(*Form, Query);
    };
    return menu;
}

} // namespace

namespace app {

void CreatePartnersArea(MainWindowShared& Form) {
    TForm1PartnerParts& p = Form.Partners();
    Form.partnerQuery1 = app::MakeListQuery(&Form, "partnerQuery1", Form.Sqlite3DB1);
    Form.partnerQuery1->SQL()->Add(app::PartnerListSql());
    Form.partnerQuery2 = app::MakeListQuery(&Form, "partnerQuery2", Form.Sqlite3DB1);
    p.partnerDataSource1 = app::MakeDataSource(&Form, "partnerDataSource1", Form.partnerQuery1);
    p.partnerDataSource2 = app::MakeDataSource(&Form, "partnerDataSource2", Form.partnerQuery2);

    auto* nav = static_cast<TPanel*>(Form.FindComponent("partnernav"));
    app::AddNavButton(&Form, nav, "partnernavLista", "Partner lista")->OnClick = [&Form](TObject*) {
        app::Reopen(*Form.partnerQuery1);
        Form.partnerlist->BringToFront();
    };
    app::AddNavButton(&Form, nav, "partnernavKereses", "Keresés")->OnClick = [&Form](TObject*) {
        Form.partnerQuery2->Close();
        Form.Partners().Edit27->SetText("");
        Form.partnerkeres->BringToFront();
    };
    app::AddNavButton(&Form, nav, "partnernavUj", "Új partner")->OnClick = [](TObject*) {
        ujpartner->Show();
    };
    CreatePartnerPages(Form);
}

void CreatePartnerPages(MainWindowShared& Form) {
    TForm1PartnerParts& p = Form.Partners();
    // The list page: grid over the detail block, export at the right of the title.
    auto* listTitle = static_cast<TWinControl*>(Form.FindComponent("partnerlistTitle"));
    p.partnerlistaExport =
        app::MakeToolButton(&Form, listTitle, "partnerlistaExport", "Exportálás", listTitle->Width() - 104, 3,
                            84, "A lista mentése Excel fájlba");
    p.partnerlistaExport->SetAnchors(TAnchors{akTop, akRight});
    const DetailButtons list =
        MakePartnerDetail(&Form, Form.partnerlist, "partnerlist", p.partnerDataSource1);
    p.partnerlistaPopupMenu1 = MakePartnerMenu(&Form, "1", Form.partnerQuery1);
    p.VgDBGrid1 = app::MakeListGrid(
        &Form, Form.partnerlist, "VgDBGrid1", p.partnerDataSource1, p.partnerlistaPopupMenu1,
        {{"nev", "név", 250}, {"kepviselo", "képviselő", 250}, {"megjegyzes", "megjegyzés", 393}});

    // The search page: the search strip, then grid and detail block as on the list.
    auto* searchTitle = static_cast<TWinControl*>(Form.FindComponent("partnerkeresTitle"));
    p.partnerkeresExport =
        app::MakeToolButton(&Form, searchTitle, "partnerkeresExport", "Exportálás",
                            searchTitle->Width() - 104, 3, 84, "A találatok mentése Excel fájlba");
    p.partnerkeresExport->SetAnchors(TAnchors{akTop, akRight});
    TPanel* strip = app::MakePanel(&Form, Form.partnerkeres, "partnerkeresszuro", alTop);
    strip->SetHeight(36);
    strip->SetTop(app::PageTitleHeight);
    app::MakeLabel(&Form, strip, "partnerkeresLabel", "Keresett kifejezés:", 12, 11);
    p.Edit27 = new TEdit(&Form);
    p.Edit27->SetName("Edit27");
    p.Edit27->SetParent(strip);
    p.Edit27->SetBounds(120, 8, 300, 21);
    p.Edit27->SetText("");
    p.Edit27->SetHint("A név bármely részét, a képviselő vagy a megjegyzés elejét keresi.");
    p.Edit27->SetShowHint(true);
    p.partnerKeres = app::MakeToolButton(&Form, strip, "partnerKeresGomb", "Keres", 430, 6, 84);
    const DetailButtons search =
        MakePartnerDetail(&Form, Form.partnerkeres, "partnerkeres", p.partnerDataSource2);
    p.partnerlistaPopupMenu2 = MakePartnerMenu(&Form, "2", Form.partnerQuery2);
    p.VgDBGrid2 = app::MakeListGrid(
        &Form, Form.partnerkeres, "VgDBGrid2", p.partnerDataSource2, p.partnerlistaPopupMenu2,
        {{"nev", "név", 250}, {"kepviselo", "képviselő", 250}, {"megjegyzes", "megjegyzés", 389}});
    p.VgDBGrid2->SetExOptions(p.VgDBGrid2->ExOptions() + TExOptions{eoDisableDelete, eoDisableInsert});

    // Names starting with the same letter form a group; no grouping rows are drawn.
    for (TVgDBGrid* grid : {p.VgDBGrid1, p.VgDBGrid2}) {
        TVgGrouping* group = grid->Groupings()->Add();
        group->SetExpression("kb");
        group->Font()->SetStyle({fsBold});
        group->SetColor(static_cast<TColor>(14089726));
    }

    // Both pages export the same columns.
    const auto exporter = [&Form](const String& name, TSqlite3Query* query) {
        return app::MakeListExporter(&Form, name, query,
                                     {{"nev", "Név"},
                                      {"kepviselo", "Képviselő"},
                                      {"cim", "Cím"},
                                      {"tel", "Telefon"},
                                      {"mobil", "Mobil"},
                                      {"fax", "Fax"},
                                      {"email", "e-mail"},
                                      {"web", "Web"},
                                      {"kedvezmeny", "Kedvezmény"},
                                      {"megjegyzes", "Megjegyzés"}});
    };
    p.partnerlistaToXLS = exporter("partnerlistaToXLS", Form.partnerQuery1);
    p.partnerkeresToXLS = exporter("partnerkeresToXLS", Form.partnerQuery2);
    p.partnerSaveDialog = app::MakeXlsSaveDialog(&Form, "partnerSaveDialog");

    p.partnerKeres->OnClick = [&Form](TObject* Sender) { app::partnerKeresClick(Form, Sender); };
    p.partnerlistaExport->OnClick = [&Form](TObject*) {
        app::RunExport(*Form.Partners().partnerSaveDialog, *Form.Partners().partnerlistaToXLS);
    };
    p.partnerkeresExport->OnClick = [&Form](TObject*) {
        app::RunExport(*Form.Partners().partnerSaveDialog, *Form.Partners().partnerkeresToXLS);
    };
    p.VgDBGrid1->OnDblClick = [&Form](TObject*) { app::EditPartner(Form, Form.partnerQuery1); };
    p.VgDBGrid2->OnDblClick = [&Form](TObject*) { app::EditPartner(Form, Form.partnerQuery2); };
    list.Mail->OnClick = [&Form](TObject*) {
        app::OpenLink(app::MailLinkUrl(::FieldText(Form.partnerQuery1, "email"), ListMailMinLength));
    };
    search.Mail->OnClick = [&Form](TObject*) {
        app::OpenLink(app::MailLinkUrl(::FieldText(Form.partnerQuery2, "email"), SearchMailMinLength));
    };
    list.Web->OnClick = [&Form](TObject*) {
        app::OpenLink(app::WebLinkUrl(::FieldText(Form.partnerQuery1, "web")));
    };
    search.Web->OnClick = [&Form](TObject*) {
        app::OpenLink(app::WebLinkUrl(::FieldText(Form.partnerQuery2, "web")));
    };
}

void Partnerlista1Click(MainWindowShared& Form, TObject*) {
    app::Reopen(*Form.partnerQuery1);
    BringAreaToFront(Form.partnercontainer, Form.partnerlist);
}

void Partnerkereses1Click(MainWindowShared& Form, TObject*) {
    Form.partnerQuery2->Close();
    Form.Partners().Edit27->SetText("");
    BringAreaToFront(Form.partnercontainer, Form.partnerkeres);
}

void Ujpartner1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.partnercontainer, Form.partnerlist);
    // The side button opens the dialog beside the list: an open one comes to the front with
    // what is typed in it.
    if (ujpartner->Visible())
        ujpartner->Show();
    else
        ujpartner->ShowModal();
}

void partnerKeresClick(MainWindowShared& Form, TObject*) {
    app::OpenStatement(*Form.partnerQuery2, app::PartnerSearchSql(Form.Partners().Edit27->Text()));
}

void EditPartner(MainWindowShared& Form, TSqlite3Query* Query) {
    const Integer id = app::CurrentKey(*Query);
    if (id < 1) return;
    partnermod->PartnerId = id;
    partnermod->ShowModal();
}

void DeletePartner(MainWindowShared& Form, TSqlite3Query* Query) {
    const Integer id = app::CurrentKey(*Query);
    if (id < 1) return;
    if (MessageBox(nullptr, "Valóban törölni akarja a partnert?", "Figyelmeztetés!", 0x31) != IDOK) return;
    app::ExecDelete(*Form.Query100, app::PartnerDeleteSql(id));
    Form.Query100->Close();
    app::ReadAgainAsStored([Query] { app::Reopen(*Query); }, app::DeletedListNotReadAgainMessage);
}

void ReopenPartnerList(MainWindowShared& Form) {
    Reopen(*Form.partnerQuery1);
}
} // namespace app
