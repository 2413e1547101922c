// Printing and exporting the prepared pages of a built report.
#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TMemoryStream.h"
#include "platform/print/TPrinter.h"
#include "report/print/detail/PageSelection.h"
#include "report/build/TrpEMFPages.h"
#include "report/files/TrpExportFilter.h"
#include "report/print/TrpPrinter.h"
#include "report/build/TrpReport.h"
#include "report/build/detail/rpBuild.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpGlobals.h"
#include "report/build/rpProgress.h"

#include <exception>
#include <memory>

namespace {

// Runs Action behind Window (or straight when there is none) and closes the
// window with OK afterwards. Whatever Action raises is kept and raised again
// once the window is down, so no failure leaves the window open.
void RunBehind(report::ProgressWindow* Window, TrpReport* Report, const std::function<void()>& Action) {
    std::exception_ptr failure;
    auto guarded = [&] {
        try {
            Action();
        } catch (...) {
            failure = std::current_exception();
        }
        if (Window) Window->CloseModal(false);
    };
    if (Window)
        Window->ShowModal(Report, guarded);
    else
        guarded();
    if (failure) std::rethrow_exception(failure);
}

void PrepareWindow(report::ProgressWindow* Window, const String& Title, Integer FirstCaption, bool Counter) {
    Window->SetCaption(report::rpWithTitle(rpLoadStr(rpsPreparing), Title));
    Window->FirstCaption = rpLoadStr(FirstCaption);
    Window->SetLabel(Counter ? Window->FirstCaption + "  1" : Window->FirstCaption);
}

} // namespace

void TrpReport::PrintPreparedReport(const String& PageNumbers, Integer Copies) {
    CurReport = this;
    MasterReport = this;
    Terminated = false;
    // A text that does not read is refused before any window or job.
    (void)report::PageSelection(PageNumbers, EMFPages()->Count());
    report::ProgressWindow* w = report::rpWindowFor(this);
    if (w) PrepareWindow(w, Title, rpsPrinting, false);
    core::ScopeExit done([this] { Terminated = false; });
    RunBehind(w, this, [&] { DoPrintReport(PageNumbers, Copies); });
}

void TrpReport::DoPrintReport(const String& PageNumbers, Integer Copies) {
    TPrinter* device = Printer();
    if (!device) throw EPrinter(rpLoadStr(rpsPrinterNotValid));
    if (Prn->Printer() != device) Prn->SetPrinter(device);
    // The virtual printer only lays pages out: they print on the system's
    // current printer, and the layout printer comes back afterwards.
    const Integer layoutPrinter = Prn->PrinterIndex();
    if (Prn->IsVirtual()) Prn->SetPrinterIndex(device->PrinterIndex());
    core::ScopeExit back([&] {
        if (device->Printing()) device->Abort();
        if (Prn->PrinterIndex() != layoutPrinter) Prn->SetPrinterIndex(layoutPrinter);
    });

    const report::PageSelection selection(PageNumbers, EMFPages()->Count());
    if (selection.Count() == 0) return;
    if (Copies < 1) Copies = 1;
    Integer first = 0;
    while (!selection.Contains(first + 1))
        ++first;
    // The first page printed gives the job its paper, so no job starts on a
    // paper that no printed page has.
    TrpPageInfo* info = EMFPages()->Pages(first);
    Prn->SetPrinterInfo(info->pgSize, info->pgWidth, info->pgHeight, info->pgOr);
    device->Title = "Report: " + (Title.empty() ? rpLoadStr(rpsUntitled) : Title);
    device->BeginDoc();
    bool firstOfJob = true;
    for (Integer i = first; i < EMFPages()->Count(); ++i) {
        if (!selection.Contains(i + 1)) continue;
        for (Integer copy = 0; copy < Copies; ++copy) {
            PrintPage(i, firstOfJob);
            firstOfJob = false;
            if (Terminated) {
                device->Abort();
                return;
            }
        }
    }
    device->EndDoc();
}

void TrpReport::PrintPage(Integer Index, bool FirstOfJob) {
    TPrinter* device = Prn->Printer();
    TrpPageInfo* info = EMFPages()->Pages(Index);
    if (!Prn->IsEqual(info->pgSize, info->pgWidth, info->pgHeight, info->pgOr)) {
        if (device->IsFilePrinter()) {
            // A second document would replace the file: the new paper starts a sheet of this one.
            Prn->SetPrinterInfo(info->pgSize, info->pgWidth, info->pgHeight, info->pgOr);
            device->NewPage();
        } else {
            device->EndDoc();
            Prn->SetPrinterInfo(info->pgSize, info->pgWidth, info->pgHeight, info->pgOr);
            device->BeginDoc();
        }
    } else if (!FirstOfJob) {
        device->NewPage();
    }
    Prn->FillPrnInfo(info->PrnInfo);
    const TrpPrnInfo& p = info->PrnInfo;
    const TRect area = info->pgMargins ? TRect(-p.POfx, -p.POfy, p.PPgw - p.POfx, p.PPgh - p.POfy)
                                       : TRect(0, 0, p.PPw, p.PPh);
    info->Visible = true;
    EMFPages()->Draw(Index, device->Canvas(), area);
    info->Visible = false;
    EMFPages()->Draw(Index, device->Canvas(), TRect());
    InternalOnProgress(Index + 1);
}

void TrpReport::ExportTo(const TrpObjectFactory& FilterClass, const String& FileName) {
    // The filter comes first: one refused while it is made (its questions
    // answered badly) leaves any earlier file alone.
    std::unique_ptr<TObject> made(FilterClass ? FilterClass() : nullptr);
    auto* filter = dynamic_cast<TrpExportFilter*>(made.get());
    if (!filter) throw EInvalidCast("Invalid class typecast");
    TMemoryStream stream;
    filter->Stream = &stream;
    OnExportData = [filter](Integer x, Integer y, TrpView* View) { filter->OnData(x, y, View); };
    OnExportText = [filter](Integer x, Integer y, const String& Text, TrpView* View) {
        filter->OnText(x, y, Text, View);
    };
    core::ScopeExit done([this] {
        OnExportData = nullptr;
        OnExportText = nullptr;
        FExporting = false;
        Terminated = false;
    });
    filter->OnBeginDoc();
    CurReport = this;
    MasterReport = this;
    report::rpBuild.TotalPages = EMFPages()->Count();
    FExporting = true;
    report::ProgressWindow* w = report::rpProgressWindow();
    if (w) PrepareWindow(w, Title, rpsProcessing, true);
    RunBehind(w, this, [&] {
        if (w) w->ProcessMessages();
        for (Integer i = 0; i < EMFPages()->Count(); ++i) {
            filter->BeginPage(i + 1, EMFPages()->Pages(i)->PrnInfo.Pgh);
            EMFPages()->ExportData(i);
            InternalOnProgress(i + 1);
            if (w) w->ProcessMessages();
            filter->OnEndPage();
        }
        filter->OnEndDoc();
    });
    made.reset();
    stream.SaveToFile(FileName);
}
