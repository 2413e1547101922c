// The cases area: the case list with its sort options and the case search with its
// filter strip, reset and record counter.
#include "app/common/AreaLayout.h"
#include "app/cases/CaseStatements.h"
#include "app/common/DigitBoxes.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowShared.h"
#include "app/cases/CaseArea.h"
#include "app/cases/TForm1CaseParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStrings.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "sqlite/TSqlite3Query.h"

using app::MakeLabel;
using app::MakePanel;
using app::MakeToolButton;

namespace {

constexpr Integer StripTop = app::PageTitleHeight;

// Radio buttons group by parent, so each pair of options gets a borderless panel.
TPanel* MakeRadioGroup(app::MainWindowShared* Form, TWinControl* Parent, const String& Name, Integer Left,
                       Integer Top, Integer Width) {
    TPanel* group = MakePanel(Form, Parent, Name, alNone);
    group->SetParentColor(true);
    group->SetBounds(Left, Top, Width, 20);
    return group;
}

} // namespace

namespace app {

void CreateCasesArea(MainWindowShared& Form) {
    TForm1CaseParts& p = Form.Cases();
    p.gxExtSpeedButton5 = app::AddNavButton(&Form, Form.ugynav, "gxExtSpeedButton5", "Ügy lista");
    p.gxExtSpeedButton6 = app::AddNavButton(&Form, Form.ugynav, "gxExtSpeedButton6", "Keresés");
    p.gxExtSpeedButton5->OnClick = [&Form](TObject* Sender) { Ugylista1Click(Form, Sender); };
    p.gxExtSpeedButton6->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton6Click(Form, Sender); };
    p.gxExtSpeedButton7 = app::AddNavButton(&Form, Form.ugynav, "gxExtSpeedButton7", "Új ügy");
    p.gxExtSpeedButton7->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton7Click(Form, Sender); };
    CreateCaseListPage(Form);
    CreateCaseSearchPage(Form);
    CreateCaseGrids(Form);

    // Handlers go on last: setting the start values must not run any statement.
    for (TRadioButton* radio : {p.RadioButton1, p.RadioButton2, p.RadioButton3, p.RadioButton4,
                                p.RadioButton5, p.RadioButton6, p.RadioButton7, p.RadioButton8})
        radio->OnClick = [&Form](TObject* Sender) { app::CaseListOptionClick(Form, Sender); };
    for (TCheckBox* box : {p.CheckBox1, p.CheckBox2})
        box->OnClick = [&Form](TObject* Sender) { app::CaseListOptionClick(Form, Sender); };
    for (TEdit* edit : {p.Edit19, p.Edit20, p.Edit21, p.Edit22})
        app::AcceptDigitsOnly(edit);
    Form.ugylistacontainer->OnEnter = [&Form](TObject* Sender) { app::ugylistacontainerEnter(Form, Sender); };
    p.gxExtSpeedButton8->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton8Click(Form, Sender); };
    p.gxExtSpeedButton9->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton9Click(Form, Sender); };
}

void CreateCaseListPage(MainWindowShared& Form) {
    TForm1CaseParts& p = Form.Cases();
    TPanel* strip = MakePanel(&Form, Form.ugylistacontainer, "ugylistaszuro", alTop);
    strip->SetHeight(30);
    strip->SetTop(StripTop);
    MakeLabel(&Form, strip, "Label32", "Rendezés:", 12, 8);
    TPanel* key = MakeRadioGroup(&Form, strip, "ugylistarendezes", 76, 5, 170);
    p.RadioButton3 = app::MakeRadioButton(&Form, key, "RadioButton3", "Év/szám", 0, 2, 75, true);
    p.RadioButton4 = app::MakeRadioButton(&Form, key, "RadioButton4", "Ügy neve", 80, 2, 85);
    TPanel* direction = MakeRadioGroup(&Form, strip, "ugylistairany", 262, 5, 180);
    p.RadioButton1 = app::MakeRadioButton(&Form, direction, "RadioButton1", "Növekvő", 0, 2, 80, true);
    p.RadioButton2 = app::MakeRadioButton(&Form, direction, "RadioButton2", "Csökkenő", 85, 2, 90);
    p.CheckBox1 = app::MakeCheckBox(&Form, strip, "CheckBox1", "Csak aktív", 462, 7, 100, true);
}

void CreateCaseSearchPage(MainWindowShared& Form) {
    TForm1CaseParts& p = Form.Cases();
    TPanel* strip = MakePanel(&Form, Form.ugykerescontainer, "ugykeresszuro", alTop);
    strip->SetHeight(98);
    strip->SetTop(StripTop);

    MakeLabel(&Form, strip, "Label33", "Év:", 12, 11);
    p.Edit19 = app::MakeEdit(&Form, strip, "Edit19", 44, 8, 48);
    MakeLabel(&Form, strip, "Label34", "-", 97, 11);
    p.Edit20 = app::MakeEdit(&Form, strip, "Edit20", 106, 8, 48);
    MakeLabel(&Form, strip, "Label35", "Szám:", 170, 11);
    p.Edit21 = app::MakeEdit(&Form, strip, "Edit21", 208, 8, 48);
    MakeLabel(&Form, strip, "Label36", "-", 261, 11);
    p.Edit22 = app::MakeEdit(&Form, strip, "Edit22", 270, 8, 48);
    MakeLabel(&Form, strip, "Label37", "Szöveg:", 334, 11);
    p.Edit23 = app::MakeEdit(&Form, strip, "Edit23", 382, 8, 232);
    p.Edit23->SetHint("Az alant bepipált mezőkben az ide írt szótöredéket keresi.");
    p.Edit23->SetShowHint(true);
    for (TEdit* edit : {p.Edit19, p.Edit20})
        edit->SetMaxLength(4);

    MakeLabel(&Form, strip, "Label38", "Keresés itt:", 12, 40);
    p.CheckBox3 = app::MakeCheckBox(&Form, strip, "CheckBox3", "Ügy neve", 84, 39, 80, true);
    p.CheckBox4 = app::MakeCheckBox(&Form, strip, "CheckBox4", "Leírás", 170, 39, 70, true);
    p.CheckBox5 = app::MakeCheckBox(&Form, strip, "CheckBox5", "Ügyfél", 246, 39, 70, true);
    p.CheckBox6 = app::MakeCheckBox(&Form, strip, "CheckBox6", "Esemény", 322, 39, 80, true);
    p.CheckBox2 = app::MakeCheckBox(&Form, strip, "CheckBox2", "Csak aktív", 420, 39, 100, true);
    p.CheckBox2->SetHint("Ha be van pipálva, csak az aktív ügyeket jeleníti meg.");
    p.CheckBox2->SetShowHint(true);

    MakeLabel(&Form, strip, "Label39", "Rendezés:", 12, 68);
    TPanel* key = MakeRadioGroup(&Form, strip, "ugykeresrendezes", 84, 65, 170);
    p.RadioButton7 = app::MakeRadioButton(&Form, key, "RadioButton7", "Év/szám", 0, 2, 75, true);
    p.RadioButton8 = app::MakeRadioButton(&Form, key, "RadioButton8", "Ügy neve", 80, 2, 85);
    TPanel* direction = MakeRadioGroup(&Form, strip, "ugykeresirany", 258, 65, 180);
    p.RadioButton5 = app::MakeRadioButton(&Form, direction, "RadioButton5", "Növekvő", 0, 2, 80, true);
    p.RadioButton6 = app::MakeRadioButton(&Form, direction, "RadioButton6", "Csökkenő", 85, 2, 90);

    p.gxExtSpeedButton8 =
        MakeToolButton(&Form, strip, "gxExtSpeedButton8", "Lekérdezés", 440, 62, 84, "Keresés indítása");
    p.gxExtSpeedButton9 = MakeToolButton(&Form, strip, "gxExtSpeedButton9", "Alaphelyzet", 530, 62, 84,
                                         "A keresési és rendezési szempontok alaphelyzetbe állítása");
    CreateCaseExport(Form, static_cast<TWinControl*>(Form.FindComponent("ugykerescontainerTitle")));

    p.Label31 = MakeLabel(&Form, strip, "Label31", "", 520, 40);
    p.Label31->SetAutoSize(false);
    p.Label31->SetBounds(520, 40, 94, 15);
    p.Label31->SetAlignment(taRightJustify);
    p.Label31->Font()->SetColor(clSilver);
}

void Ugylista1Click(MainWindowShared& Form, TObject*) {
    Form.ugycontainer->BringToFront();
    BuildCaseList(Form);
    Form.ugylistacontainer->BringToFront();
}

void Ugykereses1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.ugycontainer, Form.ugykerescontainer);
}

void BuildCaseList(MainWindowShared& Form) {
    TForm1CaseParts& p = Form.Cases();
    app::CaseListOptions options;
    options.ActiveOnly = p.CheckBox1->Checked();
    options.ByName = p.RadioButton4->Checked();
    options.Descending = p.RadioButton2->Checked();
    app::OpenStatement(*Form.Query4, app::CaseListSql(options));
}

void CaseListOptionClick(MainWindowShared& Form, TObject*) {
    if (!Form.Cases().ResettingSearch) BuildCaseList(Form);
}

void ugylistacontainerEnter(MainWindowShared& Form, TObject*) {
    // Before the list was ever built its dataset has no statement to reopen.
    if (Form.Query4->SQL()->Count() == 0)
        BuildCaseList(Form);
    else
        app::Reopen(*Form.Query4);
}

void gxExtSpeedButton6Click(MainWindowShared& Form, TObject*) {
    Form.ugykerescontainer->BringToFront();
}

void gxExtSpeedButton8Click(MainWindowShared& Form, TObject*) {
    TForm1CaseParts& p = Form.Cases();
    app::CaseSearchCriteria c;
    c.YearFrom = p.Edit19->Text();
    c.YearTo = p.Edit20->Text();
    c.NumberFrom = p.Edit21->Text();
    c.NumberTo = p.Edit22->Text();
    c.Text = p.Edit23->Text();
    c.InName = p.CheckBox3->Checked();
    c.InDescription = p.CheckBox4->Checked();
    c.InClients = p.CheckBox5->Checked();
    c.InHistory = p.CheckBox6->Checked();
    c.ActiveOnly = p.CheckBox2->Checked();
    c.ByName = p.RadioButton8->Checked();
    c.Descending = p.RadioButton6->Checked();
    app::OpenStatement(*Form.Query5, app::CaseSearchSql(c));
}

void gxExtSpeedButton9Click(MainWindowShared& Form, TObject*) {
    TForm1CaseParts& p = Form.Cases();
    // The reset runs no query: the boxes' click handlers would rebuild the case list.
    p.ResettingSearch = true;
    const core::ScopeExit resetDone([&p] { p.ResettingSearch = false; });
    for (TEdit* edit : {p.Edit19, p.Edit20, p.Edit21, p.Edit22, p.Edit23})
        edit->SetText("");
    for (TCheckBox* box : {p.CheckBox2, p.CheckBox3, p.CheckBox4, p.CheckBox5, p.CheckBox6})
        box->SetChecked(true);
    p.RadioButton5->SetChecked(true);
    p.RadioButton7->SetChecked(true);
}

void DataSource4DataChange(MainWindowShared& Form, TObject*, TField*) {
    const bool open = Form.Query5->Active();
    Form.Cases().Label31->SetCaption(IntToStr(open ? Form.Query5->RecNo() : 0) + "/" +
                                     IntToStr(open ? Form.Query5->RecordCount() : 0));
}

} // namespace app
