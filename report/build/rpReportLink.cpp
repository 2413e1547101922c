#include "report/common/detail/rpReportLink.h"

#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"

TComponent* rpReportOwner(TrpReport* Report) {
    return Report ? Report->Owner() : nullptr;
}

void rpEnterRect(TrpReport* Report, TStringList* Memo, TrpView* View) {
    if (Report) Report->InternalOnEnterRect(Memo, View);
}

bool rpHasEnterRect(TrpReport* Report) {
    return Report && Report->OnEnterRect;
}

void rpExportData(TrpReport* Report, TrpView* View) {
    if (Report) Report->InternalOnExportData(View);
}

void rpExportText(TrpReport* Report, Integer x, Integer y, const String& Text, TrpView* View) {
    if (Report && Report->OnExportText) Report->OnExportText(x, y, Text, View);
}

void rpForEachObject(TrpReport* Report, const std::function<void(TrpView*)>& Visit) {
    if (!Report) return;
    for (Integer p = 0; p < Report->Pages()->Count(); ++p)
        rpForEachObject(Report->Pages()->Pages(p), Visit);
}

void rpForEachObject(TrpPage* Page, const std::function<void(TrpView*)>& Visit) {
    if (!Page) return;
    for (Integer i = 0; i < Page->ObjectCount(); ++i)
        Visit(Page->Object(i));
}

bool rpPaperOf(TrpReport* Report, const TrpView* View, Integer& Width, Integer& Height) {
    if (!Report) return false;
    TrpPages* pages = Report->Pages();
    for (Integer i = 0; i < pages->Count(); ++i)
        for (const auto& v : pages->Pages(i)->Objects)
            if (v.get() == View) {
                Width = pages->Pages(i)->PrnInfo.Pgw;
                Height = pages->Pages(i)->PrnInfo.Pgh;
                return true;
            }
    return false;
}

void rpGetCategoryList(TrpReport* Report, TStrings* List) {
    if (Report) Report->GetCategoryList(List);
}

void rpGetVarList(TrpReport* Report, Integer CatNo, TStrings* List) {
    if (Report) Report->GetVarList(CatNo, List);
}
