#pragma once
// The band engine's process-wide build state: one report is built at a time,
// so the pages, bands and the build driver share it. Reset by every build.
#include "platform/core/DateTime.h"
#include "platform/core/Types.h"

#include <functional>
#include <vector>

class TrpView;

namespace report {

struct BuildState {
    // The next template page continues on the last prepared page.
    bool AppendPage = false;
    // The last page's footer was drawn by the page that ended there.
    bool LastPageFooter = false;
    // Where the previous template page ended (CurY and CurBottomY).
    Integer SavedY = 0;
    Integer SavedBottom = 0;
    // Cross-tab drawing: the column's shift and whether a row is being drawn.
    Integer CrossShift = 0;
    bool InCross = false;
    // Run-time objects told after every printed memo (flag 0x8000).
    std::vector<TrpView*> HookList;
    // The first pass of a two-pass build: nothing is printed.
    bool CountingPass = false;
    // A calculation failed; the text says where.
    bool ErrorFlag = false;
    String ErrorText;
    // The error was shown already (an exception inside the build).
    bool ErrorShown = false;
    // [TOTALPAGES]: the page count of the counting pass.
    Integer TotalPages = 0;
    // [DATE] and [TIME]: when the build began.
    TDateTime BuildDate = 0;
    TDateTime BuildTime = 0;
};

extern BuildState rpBuild;

// Progress of the build (the page counter), reported by the band engine when
// it starts a page; the build driver installs it.
extern std::function<void(Integer n)> rpBuildProgress;
// Lets pending user input (the progress window's cancel button) be seen;
// called before each data record.
extern std::function<void()> rpProcessMessages;

} // namespace report
