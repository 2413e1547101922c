// Writes seed templates for the template fuzzer into the folder named by the
// first argument: every object kind in one template, and small ones.
#include "platform/core/TFileStream.h"
#include "platform/graphics/TBitmap.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/views/TrpPictureView.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpRichView.h"
#include "report/views/TrpSubReportView.h"
#include "report/engine/rpEngine.h"

#include <cstdio>
#include <string>

namespace {

void Write(TrpReport& r, const std::string& path) {
    TFileStream f(path, fmCreate);
    r.SaveToStream(&f);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    rpInitEngine();

    TrpReport empty(nullptr);
    empty.Pages()->Add();
    Write(empty, dir + "/empty.rpf");

    TrpReport all(nullptr);
    all.PrintToDefault = true;
    all.Pages()->Add();
    all.Pages()->Add();
    TrpPage* p = all.Pages()->Pages(0);
    auto* band = new TrpBandView();
    band->SetBandType(btMasterData);
    band->FormatStr = "rpDBDataSet1";
    band->SetBounds(0, 100, 700, 20);
    p->Add(band);
    auto* memo = new TrpMemoView();
    memo->SetBounds(10, 102, 300, 16);
    memo->Memo.Add("Ügyfél: [REGUSER]");
    memo->Script.Add("Visible := True");
    memo->FrameTyp = 15;
    memo->FrameStyle = 2;
    memo->FrameWidth = 1.5f;
    memo->FillColor = 0xFFFFFF;
    p->Add(memo);
    auto* line = new TrpLineView();
    line->SetBounds(10, 130, 500, 0);
    line->FrameStyle = 5;
    p->Add(line);
    auto* picture = new TrpPictureView();
    picture->SetBounds(400, 10, 64, 32);
    TBitmap bitmap(3, 2, pf24bit);
    picture->Picture.SetGraphic(&bitmap);
    p->Add(picture);
    auto* sub = new TrpSubReportView();
    sub->SubPage = 1;
    p->Add(sub);
    auto* rich = new TrpRichView();
    rich->RichText = "{\\rtf1\\ansi\\ansicpg1250 x}";
    all.Pages()->Pages(1)->Add(rich);
    const Integer v = all.Values()->AddValue();
    all.Values()->Items.Put(v, "REGUSER");
    all.Variables()->Add("TG");
    all.Variables()->Add(" REGUSER");
    Write(all, dir + "/every-kind.rpf");
    return 0;
}
