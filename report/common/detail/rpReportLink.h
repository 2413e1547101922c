#pragma once
// The report as the folders below build/ see it. The name look-up, the views and
// the variable picker reach the report in hand (CurReport) through these; the
// report (build/) defines them, so those folders need not include it. Each does
// nothing, or answers nothing, for a null report.
#include "platform/core/Types.h"

class TComponent;
class TrpReport;

// The component that holds Report (the form it was dropped on): the names its
// templates use are looked up among that component's components.
TComponent* rpReportOwner(TrpReport* Report);
