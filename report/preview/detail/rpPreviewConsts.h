#pragma once
// The numbered texts of the preview window and its find dialog.
#include "platform/core/Types.h"

constexpr Integer rpsPvScale = 55270;         // "Scale"
constexpr Integer rpsPvOpen = 55271;          // "Open report"
constexpr Integer rpsPvSave = 55272;          // "Save report"
constexpr Integer rpsPvPrint = 55273;         // "Print report"
constexpr Integer rpsPvFind = 55274;          // "Find text"
constexpr Integer rpsPvHelp = 55275;          // "Show help"
constexpr Integer rpsPvClose = 55276;         // "Close preview"
constexpr Integer rpsPvPageWidth = 55277;     // "&Page width"
constexpr Integer rpsPvWholePage = 55278;     // "&Whole page"
constexpr Integer rpsPvTwoPages = 55279;      // "&Two pages"
constexpr Integer rpsPvEditPage = 55280;      // "Edit page"
constexpr Integer rpsPvAddPage = 55281;       // "Add page"
constexpr Integer rpsPvDeletePage = 55282;    // "Delete page"
constexpr Integer rpsPvReportFile = 55283;    // "Report file"
constexpr Integer rpsPvPage = 55284;          // "Page"
constexpr Integer rpsPvTextToFind = 55285;    // "Text to &find"
constexpr Integer rpsPvOptions = 55286;       // "Options"
constexpr Integer rpsPvCaseSensitive = 55287; // "&Case sensitive"
constexpr Integer rpsPvOrigin = 55288;        // "Origin"
constexpr Integer rpsPvFirstPage = 55289;     // "&1st page"
constexpr Integer rpsPvCurrentPage = 55290;   // "Current &page"
constexpr Integer rpsPvOk = 55291;            // "OK"
constexpr Integer rpsPvDeleteAsk = 55292;     // "Delete the page shown?"
// The topics of the preview's help contexts 200 to 207: this number plus the context.
constexpr Integer rpsPvHelpTopics = 55400;

// The text of one of the preview's numbers (or any other of the engine's).
String rpPreviewStr(Integer Id);
