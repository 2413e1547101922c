#pragma once
// The printer setup dialog: the system's dialog for the paper and orientation
// of the current printer (Printer()). Tests answer it through the dialog hook
// (kind PrinterSetupDialog, the printer's name as value; an answered name of
// another listed printer selects that printer).
#include "platform/core/TComponent.h"

class TPrinterSetupDialog : public TComponent {
public:
    explicit TPrinterSetupDialog(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TPrinterSetupDialog"; }

    // True when confirmed; false when cancelled or no printer exists.
    bool Execute();
};
