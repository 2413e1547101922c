#pragma once
// A progress window for tests: records what the engine shows in it and runs
// the action at once. CancelAt makes the n-th look at pending input press the
// cancel button (Terminated set, the window closing as cancelled).
#include "report/build/TrpReport.h"
#include "report/build/rpProgress.h"

#include <functional>
#include <vector>

class FakeWindow : public report::ProgressWindow {
public:
    void SetCaption(const String& c) override { Caption = c; }
    void SetLabel(const String& t) override {
        FLabel = t;
        Labels.push_back(t);
    }
    String Label() const override { return FLabel; }
    bool Visible() const override { return Shown; }
    bool ShowModal(TrpReport* r, const std::function<void()>& action) override {
        ++Showings;
        Report = r;
        Shown = true;
        Result = 0;
        action();
        Shown = false;
        return Result != 2;
    }
    void CloseModal(bool cancelled) override { Result = cancelled ? 2 : 1; }
    void ProcessMessages() override {
        if (++Looks == CancelAt) {
            Report->Terminated = true;
            Result = 2;
        }
    }

    String Caption;
    std::vector<String> Labels;
    int Showings = 0;
    int Looks = 0;
    int CancelAt = -1;
    bool Shown = false;
    int Result = 0;
    TrpReport* Report = nullptr;

private:
    String FLabel;
};
