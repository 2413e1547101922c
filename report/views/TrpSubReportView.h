#pragma once
// The sub-report view: a link to another template page, printed in its place.
#include "report/views/TrpView.h"

class TrpSubReportView : public TrpView {
public:
    TrpSubReportView();
    String ClassName() const override { return "TrpSubReportView"; }
    TrpSubReportView* AsSubReport() final { return this; }

    void Assign(TrpView* View) override;
    // A designer shows a white box naming the page; a built report draws nothing.
    void Draw(TCanvas* ACanvas) override;
    // The common record, then int32 SubPage.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;

    // Index of the template page the sub-report prints.
    Integer SubPage = 0;
};
