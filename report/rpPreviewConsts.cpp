#include "report/rpPreviewConsts.h"

#include "platform/core/ResourceStrings.h"
#include "report/rpConsts.h"

namespace {

void RegisterPreviewStrings() {
    RegisterResourceStrings({
        {rpsPvScale, "Scale"},
        {rpsPvOpen, "Open report"},
        {rpsPvSave, "Save report"},
        {rpsPvPrint, "Print report"},
        {rpsPvFind, "Find text"},
        {rpsPvHelp, "Show help"},
        {rpsPvClose, "Close preview"},
        {rpsPvPageWidth, "&Page width"},
        {rpsPvWholePage, "&Whole page"},
        {rpsPvTwoPages, "&Two pages"},
        {rpsPvEditPage, "Edit page"},
        {rpsPvAddPage, "Add page"},
        {rpsPvDeletePage, "Delete page"},
        {rpsPvReportFile, "Report file"},
        {rpsPvPage, "Page"},
        {rpsPvTextToFind, "Text to &find"},
        {rpsPvOptions, "Options"},
        {rpsPvCaseSensitive, "&Case sensitive"},
        {rpsPvOrigin, "Origin"},
        {rpsPvFirstPage, "&1st page"},
        {rpsPvCurrentPage, "Current &page"},
        {rpsPvOk, "OK"},
    });
}

} // namespace

String rpPreviewStr(Integer Id) {
    static const bool registered = (RegisterPreviewStrings(), true);
    (void)registered;
    return rpLoadStr(Id);
}
