#include "report/engine/rpEngine.h"

#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/print/TPrinter.h"
#include "report/files/TrpCompressor.h"
#include "report/preview/TrpPreviewForm.h"
#include "report/print/TrpPrinter.h"
#include "report/preview/detail/TrpProgressForm.h"
#include "report/files/TrpRTFExportFilter.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpRichForm.h"
#include "report/views/TrpRichView.h"
#include "report/script/TrpVariables.h"
#include "report/common/detail/rpGlobals.h"
#include "report/build/rpProgress.h"
#include "report/common/detail/rpRegistry.h"
#include "report/build/detail/rpScripting.h"

namespace {
bool started = false;
bool objectsRegistered = false;
} // namespace

void rpInitEngine() {
    if (started) return;
    started = true;
    SMemo = new TStringList();
    TempBmp = new TBitmap();
    rpVariables = new TrpVariables();
    rpCompressor = new TrpCompressor();
    rpInitScripting();
    Prn = new TrpPrinter();
    Prn->SetPrinter(Printer());
    rpPrinterLink = Prn;
    rpRegisterProgressForm();
    rpInstallPreview();
    // The registries live for the whole process, so object kinds are added once.
    if (!objectsRegistered) {
        rpRegisterRichView();
        rpRegisterReportClass();
        rpRegisterTextExport();
        rpRegisterRTFExport();
        objectsRegistered = true;
    }
}

void rpDoneEngine() {
    if (!started) return;
    started = false;
    // The progress window and the rich-text editor are windows: they go while the toolkit still runs.
    report::rpSetProgressWindow(nullptr);
    rpDoneRichForm();
    delete SMemo;
    SMemo = nullptr;
    delete TempBmp;
    TempBmp = nullptr;
    rpDoneScripting();
    delete rpVariables;
    rpVariables = nullptr;
    delete rpCompressor;
    rpCompressor = nullptr;
    rpPrinterLink = nullptr;
    rpShowPreview = nullptr;
    delete Prn;
    Prn = nullptr;
}
