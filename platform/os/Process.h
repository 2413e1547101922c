#pragma once
// Child processes the program starts: started directly (never through a shell),
// kept in a table so their handles stay valid after they end, and reaped so no
// zombie outlives the handle.
#include "platform/core/Types.h"

#include <string_view>
#include <vector>

// A started process, 0 for none. Handles are never reused within a run, so a
// stale handle can never reach an unrelated process.
using TProcessHandle = Int64;

// System error codes the process calls leave for GetLastError.
constexpr Cardinal ERROR_SUCCESS = 0;
constexpr Cardinal ERROR_FILE_NOT_FOUND = 2;
constexpr Cardinal ERROR_PATH_NOT_FOUND = 3;
constexpr Cardinal ERROR_ACCESS_DENIED = 5;
constexpr Cardinal ERROR_INVALID_HANDLE = 6;
constexpr Cardinal ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr Cardinal ERROR_BAD_FORMAT = 11;
constexpr Cardinal ERROR_NOT_READY = 21;
constexpr Cardinal ERROR_INVALID_PARAMETER = 87;
constexpr Cardinal ERROR_ALREADY_EXISTS = 183;

constexpr Cardinal STILL_ACTIVE = 259;
constexpr Cardinal INFINITE = 0xFFFFFFFFu;
constexpr Cardinal WAIT_OBJECT_0 = 0;
constexpr Cardinal WAIT_TIMEOUT = 258;
constexpr Cardinal WAIT_FAILED = 0xFFFFFFFFu;

// Starts program with arguments (argv[1..]) in directory (empty: the current one).
// A program without "/" is looked up on PATH. Returns the handle, or 0 with
// GetLastError set: ERROR_FILE_NOT_FOUND (no such program), ERROR_PATH_NOT_FOUND
// (directory missing), ERROR_ACCESS_DENIED (not executable), ERROR_BAD_FORMAT.
TProcessHandle CreateProcess(std::string_view program, const std::vector<String>& arguments,
                             std::string_view directory);

// WAIT_OBJECT_0 when the process has ended, WAIT_TIMEOUT when it still runs after
// timeoutMs, WAIT_FAILED (ERROR_INVALID_HANDLE) for an unknown or closed handle.
Cardinal WaitForSingleObject(TProcessHandle process, Cardinal timeoutMs);
// The exit code, or STILL_ACTIVE while it runs; false for an unknown handle.
// A process ended by a signal reports 128 + the signal number, or the code given
// to TerminateProcess.
bool GetExitCodeProcess(TProcessHandle process, Cardinal& exitCode);
// Ends the process (SIGTERM); later exit-code queries report exitCode. False with
// ERROR_INVALID_HANDLE for an unknown or closed handle, ERROR_ACCESS_DENIED for a
// process that has already ended.
bool TerminateProcess(TProcessHandle process, Cardinal exitCode);
// Forgets the handle; a process still running is reaped later, when it ends.
// False with ERROR_INVALID_HANDLE for an unknown or already closed handle.
bool CloseHandle(TProcessHandle process);
// The operating system's process id behind a handle, 0 when unknown.
Integer ProcessId(TProcessHandle process);

// Error code of the last failed call of this layer on this thread.
Cardinal GetLastError();
void SetLastError(Cardinal code);

// Splits a Windows command line: blanks separate, double quotes group,
// \" is a quote, 2n backslashes before a quote give n.
std::vector<String> SplitCommandLine(std::string_view commandLine);
