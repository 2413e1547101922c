#include "report/common/detail/rpReportLink.h"

#include "report/build/TrpReport.h"

TComponent* rpReportOwner(TrpReport* Report) {
    return Report ? Report->Owner() : nullptr;
}
