#include "app/main/ProgramEntry.h"

#include "app/main/TForm1.h"
#include "app/partners/Tpartnermod.h"
#include "app/partners/Tujpartner.h"
#include "app/registry/Tiktataserkmoduj.h"
#include "app/registry/Tiktatasihelyuj.h"
#include "app/registry/Tiktataspartneruj.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"
#include "app/cases/Tugyadatlap.h"
#include "app/cases/Tugyfelszemelymod.h"
#include "app/cases/Tugyalapadatmod.h"
#include "app/reports/Tugyitemfrf.h"
#include "app/cases/Tugyujszemelyform.h"
#include "app/cases/Tugyujszervezetform.h"
#include "app/clients/Tujszemelyform.h"
#include "app/clients/Tujszervezetform.h"
#include "app/cases/Tujugy.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/deposits/Tletetalapadat.h"
#include "app/reports/Tletetfrf.h"
#include "app/deposits/Tujletet.h"
#include "app/settings/TAboutBox.h"
#include "app/documents/Tdokulap.h"
#include "app/documents/Tdokusetform.h"
#include "app/identification/Tjubmod.h"
#include "app/identification/Tujjub.h"
#include "app/settings/Tadminform.h"
#include "controls/services/TUtlApplication.h"
#include "platform/core/ScopeExit.h"
#include "platform/os/TNamedMutex.h"
#include "platform/ui/DataAccessHooks.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"
#include "report/engine/rpEngine.h"
#include "report/preview/rpWebAddress.h"

#include <exception>

namespace app {

std::unique_ptr<TNamedMutex> ClaimSingleInstance() {
    auto mutex = std::make_unique<TNamedMutex>(InstanceMutexName);
    if (mutex->Wait(0) != TWaitResult::wrSignaled) {
        MessageBox(nullptr, "A program egy példánya már fut", "", MB_OK);
        return nullptr;
    }
    return mutex;
}

namespace {

// Every form is created once, in this order; the first is the main window. Dialog
// forms join the list at their place as they are built.
void CreateForms() {
    Application->CreateForm(Form1);
    Application->CreateForm(ujszemelyform);
    Application->CreateForm(ujszervezetform);
    Application->CreateForm(ugyadatlap);
    Application->CreateForm(ugyujszemelyform);
    Application->CreateForm(ugyujszervezetform);
    Application->CreateForm(ujugy);
    Application->CreateForm(ugyalapadatmod);
    Application->CreateForm(ugyitemfrf);
    Application->CreateForm(ugyfelszemelymod);
    Application->CreateForm(letet_adatlap);
    Application->CreateForm(ujletet);
    Application->CreateForm(letetfrf);
    Application->CreateForm(letetalapadat);
    Application->CreateForm(partnermod);
    Application->CreateForm(ujpartner);
    Application->CreateForm(iktatasihelyuj);
    Application->CreateForm(iktataserkmoduj);
    Application->CreateForm(iktataspartneruj);
    Application->CreateForm(iktbe);
    Application->CreateForm(iktki);
    Application->CreateForm(AboutBox);
    Application->CreateForm(dokulap);
    Application->CreateForm(dokusetform);
    Application->CreateForm(ujjub);
    Application->CreateForm(jubmod);
    Application->CreateForm(adminform);
}

} // namespace

int RunProgram() {
    std::unique_ptr<TNamedMutex> instance;
    try {
        instance = ClaimSingleInstance();
    } catch (const Exception& e) {
        // Without the lock files there is no safe way to tell whether a copy runs.
        MessageBox(nullptr, e.Message(), "Velmora", MB_OK | MB_ICONSTOP);
        return StartFailed;
    }
    if (!instance) return 0;
    // The library services live from before the first form until after the
    // last: components remove their timers while the forms are destroyed.
    UtlInitialization();
    core::ScopeExit services([] {
        Application->DestroyComponents();
        rpDoneEngine();
        UtlFinalization();
    });
    // A start-up that fails ends the program after its message, with a status that
    // says so to whatever started it (a desktop launcher, a script).
    int code = 0;
    try {
        Application->Initialize();
        // The report engine (printer, variables, object kinds) serves the forms that
        // hold reports, from their creation to their destruction. Its printer is the
        // system's current one, which the toolkit started above lists.
        rpInitEngine();
        // The preview's link leads where the About box's does.
        rpSetWebAddress(TAboutBox::WebAddress);
        ui::InstallDataAccessHooks();
        Application->SetTitle("Velmora");
        CreateForms();
        // The database missing or not the office's: the main window asked to end
        // before it came up.
        if (Application->Terminated()) code = StartFailed;
        Application->Run();
    } catch (const Exception& e) {
        Application->HandleException(Application, e);
        code = StartFailed;
    } catch (const std::exception& e) {
        Application->HandleException(Application, Exception(e.what()));
        code = StartFailed;
    }
    // The forms, then the report engine with its progress window, while the toolkit
    // still runs; then the toolkit.
    Application->DestroyComponents();
    rpDoneEngine();
    Application->Shutdown();
    return code;
}

} // namespace app
