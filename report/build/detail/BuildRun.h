#pragma once
// The process-wide state of one whole build, from PrepareReport to its end:
// the document mode (printing), the current and master report, the page
// counter and the counting pass's switches. They are set here and put back on
// every way out, so a build that raises leaves the engine as it found it. The
// hooks of each report's pass are BuildScope's.
#include "platform/core/Types.h"

class TrpReport;

namespace report {

class BuildRun {
public:
    // Report current and master in printing mode, the page counter at 0, drawing on.
    explicit BuildRun(TrpReport* Report);
    ~BuildRun();
    BuildRun(const BuildRun&) = delete;
    BuildRun& operator=(const BuildRun&) = delete;

    // The counting pass of a two-pass build: nothing is drawn or printed.
    void SetCounting(bool On);

private:
    Byte FDocMode;
    TrpReport* FCurrent;
    TrpReport* FMaster;
    Integer FPageNo;
    bool FDisableDrawing;
    bool FCounting;
};

} // namespace report
