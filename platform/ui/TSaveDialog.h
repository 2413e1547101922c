#pragma once
// The file-save dialog: as the open dialog, asking before an existing file is
// replaced when Options hold ofOverwritePrompt.
#include "platform/ui/TOpenDialog.h"

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    String ClassName() const override { return "TSaveDialog"; }

protected:
    bool IsSaveDialog() const override { return true; }
};
