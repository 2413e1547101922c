#include "report/preview/detail/rpPreviewConsts.h"

#include "platform/core/ResourceStrings.h"
#include "report/common/detail/rpConsts.h"

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
        {rpsPvDeleteAsk, "Delete the page shown?"},
        {rpsPvHelpTopics + 200,
         "Scale: how large the pages are shown. Choose a percentage, the page width, "
         "the whole page or two pages side by side. The space bar opens the same menu."},
        {rpsPvHelpTopics + 201, "Open report: shows a report saved earlier (*.rpp) in place of the pages "
                                "shown. Ctrl+O does the same."},
        {rpsPvHelpTopics + 202,
         "Save report: saves the pages as a report file (*.rpp) to open again later, "
         "or exports them as text or RTF, as the file type chosen says. Ctrl+S does the same."},
        {rpsPvHelpTopics + 203, "Print report: prints all pages, the page shown or the pages listed, in as "
                                "many copies as asked, on the printer chosen. Ctrl+P does the same."},
        {rpsPvHelpTopics + 204, "Find text: looks for a text on the pages, from the first page or from the "
                                "page shown. F3 finds the next place. Ctrl+F does the same."},
        {rpsPvHelpTopics + 205, "Close preview: closes this window. Escape does the same."},
        {rpsPvHelpTopics + 206,
         "The number of the page shown and the number of pages. Ctrl+Page Up and "
         "Ctrl+Page Down turn the pages, Ctrl+Home and Ctrl+End go to the first and the last."},
        {rpsPvHelpTopics + 207, "The pages of the report. Drag them with the left mouse button, scroll with "
                                "the wheel or the arrow keys; the right mouse button opens the scale menu."},
    });
}

} // namespace

String rpPreviewStr(Integer Id) {
    static const bool registered = (RegisterPreviewStrings(), true);
    (void)registered;
    return rpLoadStr(Id);
}
