#pragma once
// Answers the message boxes, input boxes and file dialogs a test causes, and keeps
// each request. The hook in force before it comes back when the recorder goes, also
// when a failed assertion ends the test early, so no later test meets a stale answer.
// Header-only, so that every test folder can use it without linking anything.
#include "platform/ui/DialogHook.h"

#include <utility>
#include <vector>

class DialogRecorder {
public:
    // Every dialog gets Result (the button) and Value.
    explicit DialogRecorder(Integer Result = 1, String Value = {})
        : DialogRecorder(Fixed(Result, std::move(Value))) {}
    // Every dialog gets what Answer gives; an empty Answer lets the dialogs show
    // while the recorder lives.
    explicit DialogRecorder(ui::DialogHook Answer) : FPrevious(ui::SetDialogHook({})) {
        AnswerWith(std::move(Answer));
    }
    ~DialogRecorder() { ui::SetDialogHook(std::move(FPrevious)); }
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    // Later dialogs get Result and Value.
    void AnswerWith(Integer Result, String Value = {}) { AnswerWith(Fixed(Result, std::move(Value))); }
    // Later dialogs get what Answer gives; an empty Answer lets them show.
    void AnswerWith(ui::DialogHook Answer) {
        if (!Answer) {
            ui::SetDialogHook({});
            return;
        }
        ui::SetDialogHook([this, Answer = std::move(Answer)](const ui::DialogRequest& Request) {
            Requests.push_back(Request);
            return Answer(Request);
        });
    }

    // The texts of the dialogs asked for, in order.
    std::vector<String> Texts() const {
        std::vector<String> texts;
        for (const ui::DialogRequest& r : Requests)
            texts.push_back(r.Text);
        return texts;
    }

    // Every dialog asked for while answered, in order.
    std::vector<ui::DialogRequest> Requests;

private:
    static ui::DialogHook Fixed(Integer Result, String Value) {
        return [Result, Value = std::move(Value)](const ui::DialogRequest&) {
            return ui::DialogAnswer{Result, Value};
        };
    }

    ui::DialogHook FPrevious;
};
