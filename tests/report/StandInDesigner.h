#pragma once
// A report designer as the engine sees one, registered while it lives: shown
// modally, it runs WhenShown and closes with Answer.
#include "report/common/detail/TrpReportDesigner.h"
#include "report/common/detail/rpGlobals.h"

#include <functional>

class StandInDesigner : public TrpReportDesigner {
public:
    StandInDesigner() : TrpReportDesigner(nullptr) {
        SetName("StandInDesigner");
        OnShow = [this](TObject*) {
            if (WhenShown) WhenShown();
            SetModalResult(Answer);
        };
        rpDesigner = this;
    }
    ~StandInDesigner() override { rpDesigner = nullptr; }
    void RegisterObject(TBitmap*, const String&, Integer) override {}
    void RegisterTool(const String&, TBitmap*, std::function<void(TObject*)>) override {}
    void BeforeChange() override {}
    void AfterChange() override {}
    void RedrawPage() override {}

    std::function<void()> WhenShown;
    TModalResult Answer = mrCancel;
};
