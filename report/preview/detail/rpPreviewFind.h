#pragma once
// The preview's search: a page is drawn once onto a canvas that keeps only
// its text runs (each text output with its position, in drawing order), and
// the runs are scanned for the text sought. A hit never spans two runs.
#include "platform/graphics/RecordingCanvasBackend.h"

#include <vector>

class TCanvas;
class TrpEMFPages;

namespace report {

struct TextRun {
    String Text;
    TPoint At; // top-left of the output, in page pixels at 100%
};

// A canvas surface that paints nothing and keeps the text outputs; text is
// measured with the real fonts, so lines break as they do on screen. A line
// spread to its width arrives one character at a time, each a little right
// of the last on the same baseline: those characters make one run.
class TextRunCanvasBackend : public graphics::RecordingCanvasBackend {
public:
    explicit TextRunCanvasBackend(TSize Size) : RecordingCanvasBackend(Size) {}
    std::vector<TextRun> Runs;
    void TextOut(Integer x, Integer y, Cardinal options, const TRect* rect, const String& text,
                 const graphics::TextState& state) override;
    graphics::TextMeasurer* PreferredMeasurer() override { return nullptr; }

private:
    // Where the last single character went; Runs.back() may grow from it.
    bool FSpreading = false;
    TPoint FLast;
};

// The text runs of prepared page Index drawn at 100%. The page's objects are
// released afterwards, as after a page drawn off screen.
std::vector<TextRun> PageTextRuns(TrpEMFPages* Pages, Integer Index);

// Where the search stands between two scans.
struct SearchState {
    String Text; // upper-cased when the search ignores case
    bool CaseSensitive = false;
    bool Hit = false;
    TPoint HitAt;     // top-left of the run of the accepted hit
    Integer Page = 0; // 0-based page where the next scan starts
    Integer Run = 0;  // first run on that page that may still give a hit
};

// Scans runs from State.Run on: the first run holding State.Text becomes the
// hit (Hit, HitAt, Run := its index + 1). Answers whether there was one.
bool FindInRuns(const std::vector<TextRun>& Runs, SearchState& State);

// Scans the pages from State.Page on (Run on the first of them, 0 on the
// others) until a hit; without one, Page ends at the page count.
bool FindText(TrpEMFPages* Pages, SearchState& State);

} // namespace report
