#pragma once
// The report and its template pages as the folders below build/ see them. The
// name look-up, the views and the variable picker reach the report in hand
// (CurReport) through these; the report (build/) defines them, so those
// folders need not include it. Each does nothing, or answers nothing, for a
// null report.
#include "platform/core/Types.h"

#include <functional>

class TComponent;
class TStringList;
class TStrings;
class TrpPage;
class TrpReport;
class TrpView;

// The component that holds Report (the form it was dropped on): the names its
// templates use are looked up among that component's components.
TComponent* rpReportOwner(TrpReport* Report);

// Before a view's text is expanded or printed: a view bound to a blob field
// loads it, then Report's OnEnterRect runs (TrpReport::InternalOnEnterRect).
void rpEnterRect(TrpReport* Report, TStringList* Memo, TrpView* View);
// True when Report has an OnEnterRect handler.
bool rpHasEnterRect(TrpReport* Report);
// Hands View to Report's active export filter (TrpReport::InternalOnExportData).
void rpExportData(TrpReport* Report, TrpView* View);
// One line of a memo at x, y to Report's active export filter, when one takes
// text (OnExportText).
void rpExportText(TrpReport* Report, Integer x, Integer y, const String& Text, TrpView* View);

// Calls Visit with every object of every template page of Report, page after
// page, each page's objects in list order.
void rpForEachObject(TrpReport* Report, const std::function<void(TrpView*)>& Visit);
// Calls Visit with every object of Page in list order; nothing for a null page.
void rpForEachObject(TrpPage* Page, const std::function<void(TrpView*)>& Visit);
// The paper size in page pixels of Report's template page that holds View (0
// where the printer layer gave none); false when none of its pages holds View.
bool rpPaperOf(TrpReport* Report, const TrpView* View, Integer& Width, Integer& Height);

// The categories of Report's variables, and the variables of the category
// numbered CatNo (TrpReport::GetCategoryList and GetVarList).
void rpGetCategoryList(TrpReport* Report, TStrings* List);
void rpGetVarList(TrpReport* Report, Integer CatNo, TStrings* List);
