#pragma once
// The preview window of a built report as the tests look at it: 800 by 600
// inside, connected to the report's pages, not shown.
#include "report/preview/TrpPreviewForm.h"

#include <memory>

inline std::unique_ptr<TrpPreviewForm> OpenPreview(TrpReport* Report) {
    auto form = std::make_unique<TrpPreviewForm>(nullptr);
    form->SetWindowState(wsNormal);
    form->SetClientWidth(800);
    form->SetClientHeight(600);
    form->Prepare(Report);
    return form;
}
