// caselist_report_s: the case search's "Nyomtatás" over every case of a 100,000-case
// office, from the click until the preview is up: both passes of the stored case list
// template, behind the progress window, while the main window's grid shows the search
// the report walks. depositlist_report_s: the same for the deposit list's "Nyomtatás"
// over 5,000 deposits. The program's forms, templates, fonts and windows throughout.
#include "app/cases/Tugyadatlap.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/cases/TForm1CaseParts.h"
#include "app/reports/TForm1PrintParts.h"
#include "app/main/TForm1.h"
#include "app/cases/CaseArea.h"
#include "app/deposits/DepositArea.h"
#include "app/reports/Tletetfrf.h"
#include "app/reports/Tugyitemfrf.h"
#include "bench/OfficeFolder.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimer.h"
#include "report/build/TrpEMFPages.h"
#include "report/preview/TrpPreviewForm.h"
#include "report/engine/rpEngine.h"
#include "report/build/rpProgress.h"
#include "sqlite/TSqlite3Query.h"

#include <benchmark/benchmark.h>

namespace {

// The main window and the report forms, made as the program makes them; the main window shown.
class OfficeWindows {
public:
    OfficeWindows() {
        bench::Office();
        Application->Initialize();
        rpInitEngine();
        Application->CreateForm(Form1);
        Application->CreateForm(ugyadatlap);
        Application->CreateForm(ugyitemfrf);
        Application->CreateForm(letet_adatlap);
        Application->CreateForm(letetfrf);
        Form1->Show();
        Application->ProcessMessages();
        // The preview goes as soon as its window is up, as a user closing it would.
        FClose.SetInterval(1);
        FClose.OnTimer = [this](TObject*) {
            for (Integer i = 0; i < Screen->FormCount(); ++i)
                if (auto* preview = dynamic_cast<TrpPreviewForm*>(Screen->Forms(i)))
                    if (preview->Showing()) {
                        ShownPages = preview->HeldPages()->Count();
                        preview->ExitBtnClick(preview);
                    }
        };
        FClose.SetEnabled(true);
    }
    ~OfficeWindows() {
        FClose.SetEnabled(false);
        // The forms go as the program's do, the last made first.
        Application->DestroyComponents();
        Form1 = nullptr;
        // The engine's progress window goes while the toolkit runs.
        report::rpSetProgressWindow(nullptr);
        Application->ProcessMessages();
    }

    // The pages of the last preview.
    Integer ShownPages = 0;

private:
    TTimer FClose{nullptr};
};

// Runs the click; the preview must show a page for every few rows.
void TimePrint(benchmark::State& state, OfficeWindows& Windows, TgxExtSpeedButton* Button, Integer Rows) {
    for (auto _ : state) {
        Windows.ShownPages = 0;
        Button->OnClick(Button);
    }
    if (Windows.ShownPages < Rows / 30) state.SkipWithError("too few pages");
    state.counters["pages"] = static_cast<double>(Windows.ShownPages);
}

void BM_CaseListReport(benchmark::State& state) {
    OfficeWindows windows;
    // The case search over every case, as its page shows it.
    app::Ugykereses1Click(*Form1, nullptr);
    Form1->Cases().CheckBox2->SetChecked(false);
    app::gxExtSpeedButton8Click(*Form1, nullptr);
    Application->ProcessMessages();
    TimePrint(state, windows, Form1->PrintCommands().gxExtSpeedButton45, Form1->Query5->RecordCount());
}
BENCHMARK(BM_CaseListReport)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(2);

void BM_DepositListReport(benchmark::State& state) {
    OfficeWindows windows;
    app::ReloadDepositListPage(*Form1);
    Application->ProcessMessages();
    TimePrint(state, windows, Form1->PrintCommands().letetlistaPrint,
              Form1->letetlista_Query1->RecordCount());
}
BENCHMARK(BM_DepositListReport)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

} // namespace
