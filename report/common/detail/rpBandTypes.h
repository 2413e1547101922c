#pragma once
// The band types of the band engine. A band view keeps its type in its frame
// bits, the engine builds one chain of bands per type, and the standard
// functions tell footers by it.
#include "platform/core/Types.h"

enum TrpBandType {
    btReportTitle,
    btReportSummary,
    btPageHeader,
    btPageFooter,
    btMasterHeader,
    btMasterData,
    btMasterFooter,
    btDetailHeader,
    btDetailData,
    btDetailFooter,
    btSubDetailHeader,
    btSubDetailData,
    btSubDetailFooter,
    btOverlay,
    btColumnHeader,
    btColumnFooter,
    btGroupHeader,
    btGroupFooter,
    btCrossHeader,
    btCrossData,
    btCrossFooter,
    btNone
};
constexpr Integer rpBandTypeCount = 22;
