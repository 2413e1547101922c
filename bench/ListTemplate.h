#pragma once
// The list template the report benchmarks build: a page header and one
// master data band of five memos (8 point), 16 pixels a row.
#include "report/views/TrpBandView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"

#include <array>

namespace bench {

// MasterSource is the band's data source name or its record count; Texts
// are the five memos of a row.
inline void MakeListTemplate(TrpReport& report, const String& MasterSource,
                             const std::array<String, 5>& Texts) {
    report.ShowProgress = false;
    report.Pages()->Add();
    TrpPage* page = report.Pages()->Pages(0);
    auto band = [&](TrpBandType type, Integer top, const String& formatStr) {
        auto* b = new TrpBandView();
        b->SetBandType(type);
        b->SetBounds(0, top, 700, 16);
        b->FormatStr = formatStr;
        b->Flags = 0;
        page->Add(b);
    };
    auto memo = [&](Integer left, Integer top, Integer width, const String& text) {
        auto* m = new TrpMemoView();
        m->SetBounds(left, top, width, 16);
        m->Memo.SetText(text);
        m->Font.SetSize(8);
        page->Add(m);
    };
    band(btPageHeader, 20, "");
    memo(20, 20, 300, "Ügyfelek listája, [PAGE#]. oldal");
    band(btMasterData, 60, MasterSource);
    const Integer widths[] = {160, 200, 100, 90, 100};
    Integer x = 20;
    for (std::size_t k = 0; k < Texts.size(); ++k) {
        memo(x, 60, widths[k], Texts[k]);
        x += widths[k] + 4;
    }
}

} // namespace bench
