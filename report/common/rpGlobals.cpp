#include "report/common/detail/rpGlobals.h"

Byte DocMode = dmDesigning;
bool DisableDrawing = false;
TrpReport* CurReport = nullptr;
TrpReport* MasterReport = nullptr;
Integer PageNo = 0;
TrpPage* CurPage = nullptr;
TrpBand* CurBand = nullptr;
TrpView* CurView = nullptr;
Byte rpVersion = 23;
Integer ObjectCounter = 0;
TStringList* SMemo = nullptr;
TBitmap* TempBmp = nullptr;
TrpReportDesigner* rpDesigner = nullptr;
TrpDataManager* rpDataManager = nullptr;
TrpScriptHook rpDoScript;
TrpGetValueHook rpGetValue;
