#include "report/preview/detail/rpPreviewHelp.h"

#include "platform/graphics/TFont.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TSpeedButton.h"
#include "report/preview/detail/rpPreviewConsts.h"
#include "report/common/rpControlUtils.h"

#include <algorithm>

namespace report {

namespace {

constexpr Integer FirstContext = 200, LastContext = 207;
// The note's text width; it grows downwards with the text.
constexpr Integer NoteTextWidth = 260;

} // namespace

String PreviewHelpTopic(Integer Context) {
    if (Context < FirstContext || Context > LastContext) return String();
    return rpPreviewStr(rpsPvHelpTopics + Context);
}

PreviewHelp::PreviewHelp(TCustomForm* Form, TControl* Button) : FForm(Form), FButton(Button) {}

void PreviewHelp::Start() {
    Cancel();
    FAsking = true;
    Screen->SetCursor(crHelp);
    FForm->SetMouseCapture(true);
}

void PreviewHelp::EndAsking() {
    FAsking = false;
    Screen->SetCursor(crDefault);
    FForm->SetMouseCapture(false);
    if (auto* button = dynamic_cast<TSpeedButton*>(FButton)) button->SetDown(false);
}

bool PreviewHelp::MouseDown(TPoint Pos) {
    // The press that closes a note does nothing else.
    if (FNoteVisible) {
        Cancel();
        return true;
    }
    if (!FAsking) return false;
    EndAsking();
    TControl* control = rpControlAtPos(FForm, Pos);
    if (!control || control == FButton) return true;
    const String topic = PreviewHelpTopic(control->Tag());
    if (!topic.empty()) ShowNote(Pos, topic);
    return true;
}

bool PreviewHelp::KeyDown() {
    if (FAsking) {
        EndAsking();
        return true;
    }
    if (!FNoteVisible) return false;
    Cancel();
    return true;
}

void PreviewHelp::Cancel() {
    if (FAsking) EndAsking();
    if (!FNoteVisible) return;
    FNoteVisible = false;
    FNote->Hide();
    FForm->SetMouseCapture(false);
}

void PreviewHelp::ShowNote(TPoint Pos, const String& Text) {
    if (!FNote) {
        FNote = new TPanel(FForm);
        FNote->SetCaption("");
        FNote->SetBevelOuter(bvNone);
        FNote->SetBorderStyle(bsSingle);
        FNote->SetColor(clInfoBk);
        FNote->SetParent(FForm);
        FText = new TLabel(FForm);
        FText->SetWordWrap(true);
        FText->SetTransparent(true);
        FText->Font()->SetColor(clInfoText);
        FText->SetParent(FNote);
    }
    FText->SetBounds(4, 3, NoteTextWidth, 13);
    FText->SetCaption(Text);
    const Integer w = NoteTextWidth + 10, h = FText->Height() + 8;
    const TRect client = FForm->ClientRect();
    // Below the pointer, or above it where the window ends, never outside it.
    Integer top = Pos.Y + 20;
    if (top + h > client.Bottom) top = Pos.Y - h - 4;
    FNote->SetBounds(std::clamp(Pos.X, 0, std::max(0, client.Right - w)), std::max(0, top), w, h);
    FNote->Show();
    FNote->BringToFront();
    FNoteVisible = true;
    // The next press anywhere in the window comes here and closes it.
    FForm->SetMouseCapture(true);
}

} // namespace report
