// The partners area: the full list and the search, each with its grid, the detail
// block of the current partner with its mail and web buttons, the context menu that
// changes or deletes a partner, and the export of the page's rows.
#include "app/common/AreaLayout.h"
#include "app/common/FormControls.h"
#include "app/partners/LinkAddresses.h"
#include "app/common/ListGrid.h"
#include "app/common/OfficeExport.h"
#include "app/partners/PartnerStatements.h"
#include "app/common/QueryRun.h"
#include "app/main/TForm1.h"
#include "app/partners/PartnerArea.h"
#include "app/partners/Tpartnermod.h"
#include "app/partners/Tujpartner.h"
#include "app/partners/TForm1PartnerParts.h"

#include "controls/TgxExtSpeedButton.h"
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

TDBText* MakeDetailText(TForm1* Form, TPanel* Block, const String& Name, TDataSource* Source,
                        const char* Field, Integer Left, Integer Top, Integer Width) {
    auto* text = new TDBText(Form);
    text->SetName(Name);
    text->SetParent(Block);
    text->SetBounds(Left, Top, Width, 15);
    text->SetTransparent(true);
    text->SetDataSource(Source);
    text->SetDataField(Field);
    return text;
}

struct DetailButtons {
    TgxExtSpeedButton* Mail;
    TgxExtSpeedButton* Web;
};

// The block under a page's grid: the current partner's data, read-only, in two columns.
DetailButtons MakePartnerDetail(TForm1* Form, TPanel* Page, const String& Prefix, TDataSource* Source) {
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
        MakeDetailText(Form, block, Prefix + "DBText" + IntToStr(n), Source, item.Field, 84, top, 222);
        top += 19;
    }
    top = 8;
    for (const Item& item : right) {
        ++n;
        TLabel* caption = app::MakeLabel(Form, block, Prefix + "Label" + IntToStr(n), item.Caption, 316, top);
        caption->Font()->SetStyle({fsBold});
        TDBText* text =
            MakeDetailText(Form, block, Prefix + "DBText" + IntToStr(n), Source, item.Field, 392, top, 150);
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

TPopupMenu* MakePartnerMenu(TForm1* Form, const String& Number, TSqlite3Query* Query) {
    TPopupMenu* menu = app::MakePopupMenu(Form, "partnerlistaPopupMenu" + Number);
    app::AddPopupItem(Form, menu, "partnerModositas" + Number, "Módosítás")->OnClick =
        [Form, Query](TObject*) { app::EditPartner(*Form, Query); };
    app::AddPopupItem(Form, menu, "partnerTorles" + Number, "Törlés")->OnClick = [Form, Query](TObject*) {
        app::DeletePartner(*Form, Query);
    };
    return menu;
}

} // namespace

void TForm1::CreatePartnersArea() {
    FPartners.Make();
    TForm1PartnerParts& p = Partners();
    partnerQuery1 = app::MakeStatementQuery(this, "partnerQuery1", Sqlite3DB1);
    partnerQuery1->SQL()->Add(app::PartnerListSql());
    partnerQuery2 = app::MakeStatementQuery(this, "partnerQuery2", Sqlite3DB1);
    p.partnerDataSource1 = app::MakeDataSource(this, "partnerDataSource1", partnerQuery1);
    p.partnerDataSource2 = app::MakeDataSource(this, "partnerDataSource2", partnerQuery2);

    auto* nav = static_cast<TPanel*>(FindComponent("partnernav"));
    app::AddNavButton(this, nav, "partnernavLista", "Partner lista")->OnClick = [this](TObject*) {
        app::Reopen(*partnerQuery1);
        partnerlist->BringToFront();
    };
    app::AddNavButton(this, nav, "partnernavKereses", "Keresés")->OnClick = [this](TObject*) {
        partnerQuery2->Close();
        Partners().Edit27->SetText("");
        partnerkeres->BringToFront();
    };
    app::AddNavButton(this, nav, "partnernavUj", "Új partner")->OnClick = [](TObject*) { ujpartner->Show(); };
    CreatePartnerPages();
}

void TForm1::CreatePartnerPages() {
    TForm1PartnerParts& p = Partners();
    // The list page: grid over the detail block, export at the right of the title.
    auto* listTitle = static_cast<TWinControl*>(FindComponent("partnerlistTitle"));
    p.partnerlistaExport =
        app::MakeToolButton(this, listTitle, "partnerlistaExport", "Exportálás", listTitle->Width() - 104, 3,
                            84, "A lista mentése Excel fájlba");
    p.partnerlistaExport->SetAnchors(TAnchors{akTop, akRight});
    const DetailButtons list = MakePartnerDetail(this, partnerlist, "partnerlist", p.partnerDataSource1);
    p.partnerlistaPopupMenu1 = MakePartnerMenu(this, "1", partnerQuery1);
    p.VgDBGrid1 = app::MakeListGrid(
        this, partnerlist, "VgDBGrid1", p.partnerDataSource1, p.partnerlistaPopupMenu1,
        {{"nev", "név", 250}, {"kepviselo", "képviselő", 250}, {"megjegyzes", "megjegyzés", 393}});

    // The search page: the search strip, then grid and detail block as on the list.
    auto* searchTitle = static_cast<TWinControl*>(FindComponent("partnerkeresTitle"));
    p.partnerkeresExport =
        app::MakeToolButton(this, searchTitle, "partnerkeresExport", "Exportálás", searchTitle->Width() - 104,
                            3, 84, "A találatok mentése Excel fájlba");
    p.partnerkeresExport->SetAnchors(TAnchors{akTop, akRight});
    TPanel* strip = app::MakePanel(this, partnerkeres, "partnerkeresszuro", alTop);
    strip->SetHeight(36);
    strip->SetTop(app::PageTitleHeight);
    app::MakeLabel(this, strip, "partnerkeresLabel", "Keresett kifejezés:", 12, 11);
    p.Edit27 = new TEdit(this);
    p.Edit27->SetName("Edit27");
    p.Edit27->SetParent(strip);
    p.Edit27->SetBounds(120, 8, 300, 21);
    p.Edit27->SetText("");
    p.Edit27->SetHint("A név bármely részét, a képviselő vagy a megjegyzés elejét keresi.");
    p.Edit27->SetShowHint(true);
    p.partnerKeres = app::MakeToolButton(this, strip, "partnerKeresGomb", "Keres", 430, 6, 84);
    const DetailButtons search = MakePartnerDetail(this, partnerkeres, "partnerkeres", p.partnerDataSource2);
    p.partnerlistaPopupMenu2 = MakePartnerMenu(this, "2", partnerQuery2);
    p.VgDBGrid2 = app::MakeListGrid(
        this, partnerkeres, "VgDBGrid2", p.partnerDataSource2, p.partnerlistaPopupMenu2,
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
    const auto exporter = [this](const String& name, TSqlite3Query* query) {
        return app::MakeListExporter(this, name, query,
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
    p.partnerlistaToXLS = exporter("partnerlistaToXLS", partnerQuery1);
    p.partnerkeresToXLS = exporter("partnerkeresToXLS", partnerQuery2);
    p.partnerSaveDialog = app::MakeXlsSaveDialog(this, "partnerSaveDialog");

    p.partnerKeres->OnClick = [this](TObject* Sender) { app::partnerKeresClick(*this, Sender); };
    p.partnerlistaExport->OnClick = [this](TObject*) {
        app::RunExport(*Partners().partnerSaveDialog, *Partners().partnerlistaToXLS);
    };
    p.partnerkeresExport->OnClick = [this](TObject*) {
        app::RunExport(*Partners().partnerSaveDialog, *Partners().partnerkeresToXLS);
    };
    p.VgDBGrid1->OnDblClick = [this](TObject*) { app::EditPartner(*this, partnerQuery1); };
    p.VgDBGrid2->OnDblClick = [this](TObject*) { app::EditPartner(*this, partnerQuery2); };
    list.Mail->OnClick = [this](TObject*) {
        app::OpenLink(app::MailLinkUrl(FieldText(partnerQuery1, "email"), ListMailMinLength));
    };
    search.Mail->OnClick = [this](TObject*) {
        app::OpenLink(app::MailLinkUrl(FieldText(partnerQuery2, "email"), SearchMailMinLength));
    };
    list.Web->OnClick = [this](TObject*) { app::OpenLink(app::WebLinkUrl(FieldText(partnerQuery1, "web"))); };
    search.Web->OnClick = [this](TObject*) {
        app::OpenLink(app::WebLinkUrl(FieldText(partnerQuery2, "web")));
    };
}

void TForm1::Partnerlista1Click(TObject*) {
    app::Reopen(*partnerQuery1);
    BringAreaToFront(partnercontainer, partnerlist);
}

void TForm1::Partnerkereses1Click(TObject*) {
    partnerQuery2->Close();
    Partners().Edit27->SetText("");
    BringAreaToFront(partnercontainer, partnerkeres);
}

void TForm1::Ujpartner1Click(TObject*) {
    BringAreaToFront(partnercontainer, partnerlist);
    ujpartner->ShowModal();
}

namespace app {

void partnerKeresClick(TForm1& Form, TObject*) {
    app::OpenStatement(*Form.partnerQuery2, app::PartnerSearchSql(Form.Partners().Edit27->Text()));
}

void EditPartner(TForm1& Form, TSqlite3Query* Query) {
    const Integer id = app::CurrentKey(*Query);
    if (id < 1) return;
    partnermod->PartnerId = id;
    partnermod->ShowModal();
}

void DeletePartner(TForm1& Form, TSqlite3Query* Query) {
    const Integer id = app::CurrentKey(*Query);
    if (id < 1) return;
    if (MessageBox(nullptr, "Valóban törölni akarja a partnert?", "Figyelmeztetés!", 0x31) != IDOK) return;
    app::OpenStatement(*Form.Query100, app::PartnerDeleteSql(id));
    Form.Query100->Close();
    app::Reopen(*Query);
}

void ReopenPartnerList(TForm1& Form) {
    Reopen(*Form.partnerQuery1);
}
} // namespace app
