// The list pages' print commands: "Nyomtatás" beside "Exportálás" on each page's title
// strip, printing through the report-host forms.
#include "app/common/AreaLayout.h"
#include "app/common/MainWindowShared.h"
#include "app/reports/TForm1PrintParts.h"
#include "app/reports/Tletetfrf.h"
#include "app/reports/Tugyitemfrf.h"

#include "controls/buttons/TgxExtSpeedButton.h"
#include "sqlite/TSqlite3Query.h"

namespace {

bool HasRows(TSqlite3Query* Query) {
    return Query->Active() && Query->RecordCount() > 0;
}

// The print commands, each wired only to its own button; each prints only a list that
// holds what it should print.
void gxExtSpeedButton45Click(app::MainWindowShared& Form, TObject*) {
    if (Form.Query5->Active() && ugyitemfrf) ugyitemfrf->PrintCaseList();
}

void letetlistaPrintClick(app::MainWindowShared&, TObject*) {
    if (letetfrf) letetfrf->Print(letetfrf->rpReport2);
}

void letetkeresPrintClick(app::MainWindowShared& Form, TObject*) {
    // Before the first search there is nothing to print.
    if (Form.letetszuresQuery1->Active() && letetfrf) letetfrf->Print(letetfrf->rpReport6);
}

void partnerlistaPrintClick(app::MainWindowShared& Form, TObject*) {
    if (HasRows(Form.partnerQuery1) && letetfrf) letetfrf->Print(letetfrf->rpReport3);
}

void partnerkeresPrintClick(app::MainWindowShared& Form, TObject*) {
    if (HasRows(Form.partnerQuery2) && letetfrf) letetfrf->Print(letetfrf->rpReport4);
}

void gxExtSpeedButton49Click(app::MainWindowShared& Form, TObject*) {
    if (Form.dokulistquery->Active() && letetfrf) letetfrf->Print(letetfrf->rpReport10);
}

void gxExtSpeedButton80Click(app::MainWindowShared& Form, TObject*) {
    if (HasRows(Form.jubQuery) && letetfrf) letetfrf->Print(letetfrf->rpReport13);
}

} // namespace

namespace app {

void CreatePrintCommands(MainWindowShared& Form) {
    TForm1PrintParts& p = Form.PrintCommands();
    auto button = [&Form](const String& Page, const String& Name, const String& Hint,
                          void (*Handler)(MainWindowShared&, TObject*)) {
        auto* strip = static_cast<TWinControl*>(Form.FindComponent(Page + "Title"));
        TgxExtSpeedButton* b =
            app::MakeToolButton(&Form, strip, Name, "Nyomtatás", strip->Width() - 194, 3, 84, Hint);
        b->SetAnchors(TAnchors{akTop, akRight});
        b->OnClick = [&Form, Handler](TObject* Sender) { Handler(Form, Sender); };
        return b;
    };
    p.gxExtSpeedButton45 = button("ugykerescontainer", "gxExtSpeedButton45", "A szűrt ügylista nyomtatása",
                                  &gxExtSpeedButton45Click);
    p.letetlistaPrint = button("letetlista", "letetlistaPrint", "", &letetlistaPrintClick);
    p.letetkeresPrint = button("letetkereses", "letetkeresPrint", "", &letetkeresPrintClick);
    p.partnerlistaPrint = button("partnerlist", "partnerlistaPrint", "", &partnerlistaPrintClick);
    p.partnerkeresPrint = button("partnerkeres", "partnerkeresPrint", "", &partnerkeresPrintClick);
    p.gxExtSpeedButton49 = button("dokupage", "gxExtSpeedButton49", "", &gxExtSpeedButton49Click);
    p.gxExtSpeedButton80 = button("jublista", "gxExtSpeedButton80", "", &gxExtSpeedButton80Click);
}

} // namespace app
