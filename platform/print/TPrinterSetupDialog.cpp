#include "platform/print/TPrinterSetupDialog.h"

#include "platform/print/TPrinter.h"
#include "platform/ui/DialogHook.h"

#include <algorithm>

bool TPrinterSetupDialog::Execute() {
    TPrinter* printer = Printer();
    if (!printer) return false;
    const auto& names = printer->Printers();
    if (const auto& hook = ui::CurrentDialogHook()) {
        ui::DialogRequest r;
        r.Kind = ui::DialogKind::PrinterSetupDialog;
        r.Value = names[static_cast<std::size_t>(printer->PrinterIndex())];
        const ui::DialogAnswer a = hook(r);
        if (a.Result == 0) return false;
        const auto found = std::find(names.begin(), names.end(), a.Value);
        if (found != names.end()) printer->SetPrinterIndex(static_cast<Integer>(found - names.begin()));
        return true;
    }
    return printer->RunSetupDialog();
}
