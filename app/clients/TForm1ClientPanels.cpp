// The clients area's detail panels: above each list, the boxes that follow the grid's
// current row, with "Töröl" and "Módosít" to delete or overwrite that row.
#include "app/common/AreaLayout.h"
#include "app/common/CaseDialogStatements.h"
#include "app/common/FormControls.h"
#include "app/common/PersonBoxes.h"
#include "app/common/MainWindowShared.h"
#include "app/clients/TForm1ClientParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"

using app::MakeEdit;
using app::MakeFieldLabel;
using app::MakeMemo;

namespace {

constexpr Integer PanelHeight = 188;
constexpr Integer RowStep = 25;
constexpr Integer MemoHeight = 40;
// Label ends and input starts of the two columns.
constexpr Integer LeftLabelRight = 102;
constexpr Integer LeftInput = 106;
constexpr Integer LeftWidth = 196;
// The organisation panel's left labels are longer.
constexpr Integer OrgLabelRight = 136;
constexpr Integer OrgInput = 140;
constexpr Integer OrgWidth = 172;
constexpr Integer RightLabelRight = 440;
constexpr Integer RightInput = 444;
constexpr Integer RightWidth = 180;
constexpr Integer ButtonRowTop = 158;
// The hint the area's buttons carry.
constexpr const char* ButtonHint = "A keresési és rendezési szempontok alaphelyzetbe állítása";

TPanel* MakeDetailPanel(app::MainWindowShared* Form, TPanel* Page, const String& Name) {
    TPanel* panel = app::MakePanel(Form, Page, Name, alTop);
    panel->SetHeight(PanelHeight);
    panel->SetTop(app::PageTitleHeight);
    return panel;
}

TEdit* EditRow(app::MainWindowShared* Form, TWinControl* Parent, const String& Name, const String& Caption,
               Integer LabelRight, Integer Left, Integer Top, Integer Width, Integer MaxLength) {
    MakeFieldLabel(Form, Parent, "Label" + Name, Caption, LabelRight, Top);
    TEdit* edit = MakeEdit(Form, Parent, Name, Left, Top, Width);
    edit->SetMaxLength(MaxLength);
    return edit;
}

TMemo* MemoRow(app::MainWindowShared* Form, TWinControl* Parent, const String& Name, const String& Caption,
               Integer LabelRight, Integer Left, Integer Top, Integer Width, Integer MaxLength) {
    MakeFieldLabel(Form, Parent, "Label" + Name, Caption, LabelRight, Top);
    TMemo* memo = MakeMemo(Form, Parent, Name, Left, Top, Width, MemoHeight);
    memo->SetMaxLength(MaxLength);
    return memo;
}

TCheckBox* ActiveBox(app::MainWindowShared* Form, TPanel* Panel, const String& Name, Integer LabelRight,
                     Integer Left) {
    MakeFieldLabel(Form, Panel, "Label" + Name, "Aktív:", LabelRight, ButtonRowTop);
    return app::MakeCheckBox(Form, Panel, Name, "", Left, ButtonRowTop + 3, 17);
}

TgxExtSpeedButton* PanelButton(app::MainWindowShared* Form, TPanel* Panel, const String& Name,
                               const String& Caption, Integer Left) {
    return app::MakeToolButton(Form, Panel, Name, Caption, Left, ButtonRowTop, 88, ButtonHint);
}

} // namespace

namespace app {

void CreatePersonPanel(MainWindowShared& Form) {
    TForm1ClientParts& p = Form.Clients();
    TPanel* panel = p.szemelyadatok = MakeDetailPanel(&Form, Form.szemelylista, "szemelyadatok");
    const Integer top = 8;
    p.Edit1 = EditRow(&Form, panel, "Edit1", "Név:", LeftLabelRight, LeftInput, top, LeftWidth, 128);
    p.Edit2 = EditRow(&Form, panel, "Edit2", "Születési név:", LeftLabelRight, LeftInput, top + RowStep,
                      LeftWidth, 128);
    p.Edit3 = EditRow(&Form, panel, "Edit3", "Születési hely:", LeftLabelRight, LeftInput, top + 2 * RowStep,
                      LeftWidth, 128);
    MakeFieldLabel(&Form, panel, "LabelDateTimePicker1", "Idő:", LeftLabelRight, top + 3 * RowStep);
    p.DateTimePicker1 =
        app::MakeDatePicker(&Form, panel, "DateTimePicker1", LeftInput, top + 3 * RowStep, 120);
    // No room for a note: the list beneath shows the stored text.
    p.BirthDate = app::StoredDatePicker(&Form, p.DateTimePicker1, false);
    p.Edit4 = MemoRow(&Form, panel, "Edit4", "Lakcím:", LeftLabelRight, LeftInput, top + 4 * RowStep,
                      LeftWidth, 128);

    p.Edit5 =
        EditRow(&Form, panel, "Edit5", "Anyja neve:", RightLabelRight, RightInput, top, RightWidth, 128);
    p.Edit6 = EditRow(&Form, panel, "Edit6", "Állampolgárság:", RightLabelRight, RightInput, top + RowStep,
                      RightWidth, 32);
    p.Edit7 = EditRow(&Form, panel, "Edit7", "Azonosító okmány típusa:", RightLabelRight, RightInput,
                      top + 2 * RowStep, RightWidth, 32);
    p.Edit8 = EditRow(&Form, panel, "Edit8", "Száma:", RightLabelRight, RightInput, top + 3 * RowStep,
                      RightWidth, 32);
    p.Edit9 = MemoRow(&Form, panel, "Edit9", "Tartózkodási hely:", RightLabelRight, RightInput,
                      top + 4 * RowStep, RightWidth, 128);

    // No room for a note either: a box that keeps its stored text says why in its hint.
    p.PersonTexts = app::PersonTextBoxes(nullptr, p.Edit1, p.Edit2, p.Edit3, p.Edit5, p.Edit6, p.Edit7,
                                         p.Edit8, p.Edit4, p.Edit9);

    p.CheckBox18 = ActiveBox(&Form, panel, "CheckBox18", LeftLabelRight, LeftInput);
    p.PersonActive = app::StoredFlagBox(p.CheckBox18);
    p.Label13 = app::MakeLabel(&Form, panel, "Label13", "", 140, ButtonRowTop + 5);
    p.Label13->SetAutoSize(false);
    p.Label13->SetBounds(140, ButtonRowTop + 5, 120, 15);
    p.Label13->Font()->SetColor(clGray);
    p.gxExtSpeedButton36 = PanelButton(&Form, panel, "gxExtSpeedButton36", "Töröl", RightInput);
    p.gxExtSpeedButton37 = PanelButton(&Form, panel, "gxExtSpeedButton37", "Módosít", RightInput + 92);
}

void CreateOrganisationPanel(MainWindowShared& Form) {
    TForm1ClientParts& p = Form.Clients();
    TPanel* panel = p.szervezetadatok = MakeDetailPanel(&Form, Form.szervezetlista, "szervezetadatok");
    const Integer top = 8;
    p.Edit10 = EditRow(&Form, panel, "Edit10", "Név:", OrgLabelRight, OrgInput, top, OrgWidth, 256);
    p.Edit11 =
        EditRow(&Form, panel, "Edit11", "Röv. név:", OrgLabelRight, OrgInput, top + RowStep, OrgWidth, 128);
    p.Edit12 = MemoRow(&Form, panel, "Edit12", "Székhely címe:", OrgLabelRight, OrgInput, top + 2 * RowStep,
                       OrgWidth, 128);
    p.Edit13 = EditRow(&Form, panel, "Edit13", "Fő tevékenység:", OrgLabelRight, OrgInput,
                       top + 2 * RowStep + MemoHeight + 6, OrgWidth, 128);
    p.Edit14 = EditRow(&Form, panel, "Edit14", "Azonosító okirat száma:", OrgLabelRight, OrgInput,
                       top + 3 * RowStep + MemoHeight + 6, OrgWidth, 64);

    p.Edit15 = MemoRow(&Form, panel, "Edit15", "Képviselő:", RightLabelRight, RightInput, top, RightWidth, 0);
    auto* agent = new TGroupBox(&Form);
    agent->SetName("GroupBox1");
    agent->SetParent(panel);
    agent->SetCaption("Kézbesítési megbízott");
    agent->SetBounds(RightLabelRight - 120, top + MemoHeight + 6, RightWidth + 128, 96);
    constexpr Integer AgentLabelRight = 116;
    constexpr Integer AgentInput = 120;
    p.Edit16 = EditRow(&Form, agent, "Edit16", "Neve:", AgentLabelRight, AgentInput, 18, RightWidth, 128);
    p.Edit18 = EditRow(&Form, agent, "Edit18", "Anyja neve:", AgentLabelRight, AgentInput, 18 + RowStep,
                       RightWidth, 128);
    p.Edit17 = EditRow(&Form, agent, "Edit17", "Címe:", AgentLabelRight, AgentInput, 18 + 2 * RowStep,
                       RightWidth, 128);

    // The boxes in the order of OrganisationColumns.
    TWinControl* const boxes[] = {p.Edit10, p.Edit11, p.Edit12, p.Edit13, p.Edit14,
                                  p.Edit15, p.Edit16, p.Edit18, p.Edit17};
    for (std::size_t i = 0; i < app::OrganisationColumns.size(); ++i)
        p.OrganisationTexts.Add(app::OrganisationColumns[i], boxes[i]);

    p.CheckBox17 = ActiveBox(&Form, panel, "CheckBox17", OrgLabelRight, OrgInput);
    p.OrganisationActive = app::StoredFlagBox(p.CheckBox17);
    p.gxExtSpeedButton34 = PanelButton(&Form, panel, "gxExtSpeedButton34", "Töröl", RightInput);
    p.gxExtSpeedButton35 = PanelButton(&Form, panel, "gxExtSpeedButton35", "Módosít", RightInput + 92);
}

} // namespace app
