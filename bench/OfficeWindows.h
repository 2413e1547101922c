#pragma once
// The program's windows over the benchmarks' office: the main window and the report forms made
// as the program makes them, the main window shown, and every preview closed as soon as it is
// up, as a user closing it would, its page count kept.
#include "app/cases/Tugyadatlap.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/main/TForm1.h"
#include "app/reports/Tletetfrf.h"
#include "app/reports/Tugyitemfrf.h"
#include "bench/OfficeFolder.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimer.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/rpProgress.h"
#include "report/engine/rpEngine.h"
#include "report/preview/TrpPreviewForm.h"

namespace bench {

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

} // namespace bench
