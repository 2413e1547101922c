#include "report/build/detail/BuildRun.h"

#include "report/build/detail/rpBuild.h"
#include "report/common/detail/rpGlobals.h"

namespace report {

BuildRun::BuildRun(TrpReport* Report)
    : FDocMode(DocMode), FCurrent(CurReport), FMaster(MasterReport), FPageNo(PageNo),
      FDisableDrawing(DisableDrawing), FCounting(rpBuild.CountingPass) {
    DocMode = dmPrinting;
    CurReport = Report;
    MasterReport = Report;
    PageNo = 0;
    SetCounting(false);
}

BuildRun::~BuildRun() {
    DocMode = FDocMode;
    CurReport = FCurrent;
    MasterReport = FMaster;
    PageNo = FPageNo;
    DisableDrawing = FDisableDrawing;
    rpBuild.CountingPass = FCounting;
}

void BuildRun::SetCounting(bool On) {
    rpBuild.CountingPass = On;
    DisableDrawing = On;
}

} // namespace report
