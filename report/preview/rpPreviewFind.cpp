#include "report/preview/detail/rpPreviewFind.h"

#include "platform/core/StrUtils.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/TCanvas.h"
#include "report/build/TrpEMFPages.h"

#include <algorithm>
#include <cstdlib>

namespace report {

void TextRunCanvasBackend::TextOut(Integer x, Integer y, Cardinal, const TRect*, const String& text,
                                   const graphics::TextState& state) {
    const bool single = core::Utf8Length(text) == 1;
    // Characters of one spread line lie within a few character widths of each other.
    const Integer reach = 4 * std::max<Integer>(std::abs(state.Font.Height), 8);
    if (single && FSpreading && y == FLast.Y && x > FLast.X && x - FLast.X <= reach)
        Runs.back().Text += text;
    else
        Runs.push_back({text, TPoint(x, y)});
    FSpreading = single;
    FLast = TPoint(x, y);
}

std::vector<TextRun> PageTextRuns(TrpEMFPages* Pages, Integer Index) {
    TrpPageInfo* info = Pages->Pages(Index);
    const TSize size(std::max(info->PrnInfo.Pgw, 0), std::max(info->PrnInfo.Pgh, 0));
    auto* backend = new TextRunCanvasBackend(size);
    TCanvas canvas{std::unique_ptr<graphics::CanvasBackend>(backend)};
    const TRect whole(0, 0, size.cx, size.cy);
    info->Visible = true;
    Pages->Draw(Index, &canvas, whole);
    std::vector<TextRun> runs = std::move(backend->Runs);
    // Drawn again as not visible, the page gives its objects back.
    info->Visible = false;
    Pages->Draw(Index, &canvas, whole);
    return runs;
}

bool FindInRuns(const std::vector<TextRun>& Runs, SearchState& State) {
    if (State.Text.empty()) return false; // an empty text is found nowhere
    for (std::size_t i = std::size_t(std::max(State.Run, 0)); i < Runs.size(); ++i) {
        const String text = State.CaseSensitive ? Runs[i].Text : AnsiUpperCase(Runs[i].Text);
        if (Pos(State.Text, text) == 0) continue;
        State.Hit = true;
        State.HitAt = Runs[i].At;
        State.Run = Integer(i) + 1;
        return true;
    }
    return false;
}

bool FindText(TrpEMFPages* Pages, SearchState& State) {
    State.Hit = false;
    while (State.Page < Pages->Count()) {
        if (FindInRuns(PageTextRuns(Pages, State.Page), State)) return true;
        State.Run = 0;
        ++State.Page;
    }
    return false;
}

} // namespace report
