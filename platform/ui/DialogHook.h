#pragma once
// Tests answer message boxes, input boxes and file dialogs through a hook,
// without showing them. While a hook is set every such dialog goes to it.
#include "platform/core/Types.h"

#include <functional>
#include <vector>

namespace ui {

enum class DialogKind {
    MessageBox,
    MessageDlg,
    InputBox,
    OpenDialog,
    SaveDialog,
    FontDialog,
    ColorDialog,
    PrinterSetupDialog
};
enum class DialogIcon { None, Stop, Question, Exclamation, Information };

struct DialogRequest {
    DialogKind Kind = DialogKind::MessageBox;
    String Caption;
    String Text; // message, or the prompt of an input box
    DialogIcon Icon = DialogIcon::None;
    std::vector<Integer> Buttons; // results of the buttons, left to right
    Integer DefaultButton = 0;    // result of the default button
    String Value;                 // input box default text, the dialog's file name, font
                                  // name, colour (as ColorToString gives it) or printer name
    String Filter;                // file dialogs: as the dialog holds it
    String DefaultExt;
    String InitialDir;
};

struct DialogAnswer {
    Integer Result = 0; // the button's result; for file dialogs non-zero = confirmed
    String Value;       // typed text, chosen file name, font name, colour or printer name
};

using DialogHook = std::function<DialogAnswer(const DialogRequest&)>;

// Sets the hook (an empty one shows the dialogs again); returns the previous one.
DialogHook SetDialogHook(DialogHook Hook);
// The hook in force, empty when none.
const DialogHook& CurrentDialogHook();

} // namespace ui
