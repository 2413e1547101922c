#pragma once
// The main window over a fresh office database, with the test's folder as the working
// folder and every message box and file dialog answered by AnswerDialog. Forms made
// through AddForm are freed last-created first, then the main window, as at shut-down.
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "platform/ui/DialogHook.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/DialogRecorder.h"

#include <functional>
#include <vector>

namespace apptest {

class MainWindowFixture : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        UseAsWorkingFolder();
    }
    void TearDown() override {
        for (auto form = FForms.rbegin(); form != FForms.rend(); ++form)
            (*form)();
        FForms.clear();
        if (Form1) delete &app::MainWindow();
        OfficeDbFixture::TearDown();
    }

    virtual ui::DialogAnswer AnswerDialog(const ui::DialogRequest& Request) = 0;

    // Builds the window and runs its creation handler, as the application does.
    app::MainWindowShared& CreateMainWindow() { return app::CreateMainWindow(nullptr); }
    // Creates a form of the program into its global reference.
    template <class F> F* AddForm(F*& Global) {
        Global = new F(nullptr);
        FForms.push_back([&Global] { delete Global; });
        return Global;
    }

private:
    DialogRecorder FDialogs{[this](const ui::DialogRequest& r) { return AnswerDialog(r); }};
    std::vector<std::function<void()>> FForms;
};

} // namespace apptest
