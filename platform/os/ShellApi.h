#pragma once
// Opening documents, folders and links with the programs the desktop associates
// with them (xdg-open), and starting executables, with the result codes callers
// of the shell expect: a value above 32 means success.
#include "platform/core/Types.h"
#include "platform/os/Process.h"

#include <string_view>

// Shell error results (values at or below 32).
constexpr Integer SE_ERR_FNF = 2; // file not found
constexpr Integer SE_ERR_PNF = 3; // path (folder) not found
constexpr Integer SE_ERR_ACCESSDENIED = 5;
constexpr Integer SE_ERR_OOM = 8;
constexpr Integer SE_ERR_SHARE = 26;
constexpr Integer SE_ERR_ASSOCINCOMPLETE = 27;
constexpr Integer SE_ERR_DDETIMEOUT = 28;
constexpr Integer SE_ERR_DDEFAIL = 29;
constexpr Integer SE_ERR_DDEBUSY = 30;
constexpr Integer SE_ERR_NOASSOC = 31;
constexpr Integer SE_ERR_DLLNOTFOUND = 32;
// What a successful call answers.
constexpr Integer SE_OK = 42;

// Window show commands; accepted and passed on as a hint only.
constexpr Integer SW_HIDE = 0;
constexpr Integer SW_SHOWNORMAL = 1;
constexpr Integer SW_SHOWMINIMIZED = 2;
constexpr Integer SW_MAXIMIZE = 3;
constexpr Integer SW_SHOWMAXIMIZED = 3;
constexpr Integer SW_SHOWNOACTIVATE = 4;
constexpr Integer SW_SHOW = 5;
constexpr Integer SW_MINIMIZE = 6;
constexpr Integer SW_SHOWMINNOACTIVE = 7;
constexpr Integer SW_SHOWNA = 8;
constexpr Integer SW_RESTORE = 9;

constexpr Cardinal SEE_MASK_NOCLOSEPROCESS = 0x40;

struct TShellExecuteInfo {
    Cardinal Mask = 0; // SEE_MASK_NOCLOSEPROCESS: hand the started process back
    String Verb;       // "open" (or empty), "explore", "print"; others: SE_ERR_NOASSOC
    String File;       // document, folder, executable or link ("http://", "mailto:")
    String Parameters; // command line for an executable, split as Windows does
    String Directory;  // working directory; relative File names resolve against it
    Integer Show = SW_SHOWNORMAL;
    // Results.
    Integer InstApp = 0;        // > 32 success, else an SE_ERR_ code
    TProcessHandle Process = 0; // started process (with the mask), 0 when none runs
};

// Opens info.File with the given verb. True on success; info.InstApp holds the
// result code either way. Never throws.
//   - Links (a scheme of two or more letters and ":") go to xdg-open unchanged;
//     a "file:" link, whatever its form or host, to a program file (IsProgramFile)
//     is SE_ERR_ACCESSDENIED, and one that names no path SE_ERR_FNF.
//   - An executable file is started with the parameters in the working directory.
//   - Any other file or folder goes to xdg-open.
//   - "explore" takes folders only; "print" takes documents and hands them to the
//     print command (lp); without it there is no association, and its refusal
//     (no printer, a queue that takes no job) is ERROR_NOT_READY.
// The desktop's opener is not waited for (see SetShellOpenWaitMs), so the call
// returns at once; while a helper still runs the call succeeds with the helper's
// process handed back, whose exit code tells its verdict later
// (ShellCodeOfHelperExit). A helper that cannot start fails at once. The print
// command's own failure is mapped when it ends within a second.
bool ShellExecuteEx(TShellExecuteInfo& info);

// True when file (a path as ShellExecuteEx takes it, a relative one against
// directory) is a program rather than a document: a binary or a "#!" script
// the user may run, which ShellExecuteEx starts, or a file a desktop's opener
// would start (a launcher, a Windows program). A document on media that mark
// every file executable is still a document. Callers opening stored document
// paths refuse program files before they hand them on.
bool IsProgramFile(std::string_view file, std::string_view directory = {});

// The simple form: the result code only; the started process is not kept.
Integer ShellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                     std::string_view directory, Integer show);

// The result code of a helper's exit code: 0 SE_OK, 2 (no such file) SE_ERR_FNF,
// anything else (no program for the type, the program failed) SE_ERR_NOASSOC.
Integer ShellCodeOfHelperExit(Cardinal exitCode);

// How long ShellExecuteEx waits for xdg-open (looked up on PATH) to report a
// failure before it counts the open as started; 0 (not at all) unless set, so a
// window never waits on the opener.
void SetShellOpenWaitMs(Cardinal ms);
