#pragma once
// Answers every message box with OK while it lives and keeps the texts shown.
#include "platform/ui/DialogHook.h"

#include <string>
#include <vector>

class DialogCapture {
public:
    DialogCapture() {
        FPrevious = ui::SetDialogHook([this](const ui::DialogRequest& r) {
            Texts.push_back(r.Text);
            return ui::DialogAnswer{1, {}};
        });
    }
    ~DialogCapture() { ui::SetDialogHook(FPrevious); }
    DialogCapture(const DialogCapture&) = delete;
    DialogCapture& operator=(const DialogCapture&) = delete;

    std::vector<std::string> Texts;

private:
    ui::DialogHook FPrevious;
};
