// The list pages' print commands: "Nyomtatás" beside "Exportálás" on each page's title
// strip, printing through the report-host forms.
#include "app/common/AreaLayout.h"
#include "app/main/TForm1.h"
#include "app/reports/TForm1PrintParts.h"
#include "app/reports/Tletetfrf.h"
#include "app/reports/Tugyitemfrf.h"

#include "controls/TgxExtSpeedButton.h"
#include "sqlite/TSqlite3Query.h"

namespace {

bool HasRows(TSqlite3Query* Query) {
    return Query->Active() && Query->RecordCount() > 0;
}

} // namespace

void TForm1::CreatePrintCommands() {
    FPrintCommands.Make();
    TForm1PrintParts& p = PrintCommands();
    auto button = [this](const String& Page, const String& Name, const String& Hint,
                         void (TForm1::*Handler)(TObject*)) {
        auto* strip = static_cast<TWinControl*>(FindComponent(Page + "Title"));
        TgxExtSpeedButton* b =
            app::MakeToolButton(this, strip, Name, "Nyomtatás", strip->Width() - 194, 3, 84, Hint);
        b->SetAnchors(TAnchors{akTop, akRight});
        b->OnClick = [this, Handler](TObject* Sender) { (this->*Handler)(Sender); };
        return b;
    };
    p.gxExtSpeedButton45 = button("ugykerescontainer", "gxExtSpeedButton45", "A szűrt ügylista nyomtatása",
                                  &TForm1::gxExtSpeedButton45Click);
    p.letetlistaPrint = button("letetlista", "letetlistaPrint", "", &TForm1::letetlistaPrintClick);
    p.letetkeresPrint = button("letetkereses", "letetkeresPrint", "", &TForm1::letetkeresPrintClick);
    p.partnerlistaPrint = button("partnerlist", "partnerlistaPrint", "", &TForm1::partnerlistaPrintClick);
    p.partnerkeresPrint = button("partnerkeres", "partnerkeresPrint", "", &TForm1::partnerkeresPrintClick);
    p.gxExtSpeedButton49 = button("dokupage", "gxExtSpeedButton49", "", &TForm1::gxExtSpeedButton49Click);
    p.gxExtSpeedButton80 = button("jublista", "gxExtSpeedButton80", "", &TForm1::gxExtSpeedButton80Click);
}

void TForm1::gxExtSpeedButton45Click(TObject*) {
    if (Query5->Active() && ugyitemfrf) ugyitemfrf->PrintCaseList();
}

void TForm1::letetlistaPrintClick(TObject*) {
    if (letetfrf) letetfrf->Print(letetfrf->rpReport2);
}

void TForm1::letetkeresPrintClick(TObject*) {
    // Before the first search there is nothing to print.
    if (letetszuresQuery1->Active() && letetfrf) letetfrf->Print(letetfrf->rpReport6);
}

void TForm1::partnerlistaPrintClick(TObject*) {
    if (HasRows(partnerQuery1) && letetfrf) letetfrf->Print(letetfrf->rpReport3);
}

void TForm1::partnerkeresPrintClick(TObject*) {
    if (HasRows(partnerQuery2) && letetfrf) letetfrf->Print(letetfrf->rpReport4);
}

void TForm1::gxExtSpeedButton49Click(TObject*) {
    if (dokulistquery->Active() && letetfrf) letetfrf->Print(letetfrf->rpReport10);
}

void TForm1::gxExtSpeedButton80Click(TObject*) {
    if (HasRows(jubQuery) && letetfrf) letetfrf->Print(letetfrf->rpReport13);
}
