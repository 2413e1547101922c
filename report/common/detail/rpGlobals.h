#pragma once
// Process-wide state of the report engine: one report is read, built or drawn
// at a time, so the views, the band engine, the value lookup and the scripts
// share these globals instead of passing them around.
#include "platform/core/Types.h"

#include <functional>

class TBitmap;
class TStringList;
class TrpBand;
class TrpDataManager;
class TrpPage;
class TrpReport;
class TrpReportDesigner;
class TrpView;

// Document mode: drawing differs between a designer and a built report.
enum : Byte { dmDesigning = 0, dmPrinting = 1 };
// Stream mode of a view: which fields its record carries.
enum : Byte { smDesigning = 0, smPrinting = 1 };

extern Byte DocMode;
// True during the counting pass of a two-pass build: backgrounds and frames draw nothing.
extern bool DisableDrawing;

extern TrpReport* CurReport;
// The report that receives prepared pages (a composite report while it builds).
extern TrpReport* MasterReport;
// Index of the prepared page being filled.
extern Integer PageNo;
extern TrpPage* CurPage;
extern TrpBand* CurBand;
extern TrpView* CurView;

// Version of the template stream being read or written (23 is current).
extern Byte rpVersion;
// Next view identifier; starts at 0.
extern Integer ObjectCounter;

// Shared output of text wrapping and the bitmap whose canvas measures text while
// a report is built; both exist between rpInitEngine and rpDoneEngine.
extern TStringList* SMemo;
extern TBitmap* TempBmp;

// No designer and no data manager exist in this system: both stay null, and
// every call guarded by them is skipped.
extern TrpReportDesigner* rpDesigner;
extern TrpDataManager* rpDataManager;

// Runs a view's script before it prints. Installed by the interpreter's start-up;
// while empty, scripts do nothing.
using TrpScriptHook = std::function<void(TrpView* View, TStringList* Script)>;
extern TrpScriptHook rpDoScript;

// The report's value lookup for one bracketed expression of a memo or rich
// text (the text between the brackets), answering its display text. Installed
// by the build; while empty, an expression expands to nothing.
using TrpGetValueHook = std::function<void(const String& Expression, String& Value)>;
extern TrpGetValueHook rpGetValue;
