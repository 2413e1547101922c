#pragma once
// Facts about the machine and the user that the program reads from the system:
// names, the system folders, memory, processors and disk space.
#include "platform/core/Types.h"

#include <string_view>

// The logged-on user's login name; "" when the system does not tell.
String GetUserName();
// The account's full name as the system keeps it: the comment field of the
// account up to its first comma ("Dr. Kovács Anna,,," gives "Dr. Kovács Anna");
// "" when the account has none. The office prints it as the user's name.
String GetUserFullName();
// The full-name rule on a given comment field.
String FullNameOfAccountComment(std::string_view comment);
// The machine's host name; "" when unknown.
String GetComputerName();

// The folder per-machine settings files are kept in: the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config) + "/velmora", created
// when missing, without a trailing delimiter. "" when it cannot be created.
String GetWindowsDirectory();
// Its "system" subfolder, created when missing.
String GetSystemDirectory();

struct TMemoryStatus {
    Cardinal MemoryLoad = 0; // per cent of physical memory in use
    Int64 TotalPhys = 0;
    Int64 AvailPhys = 0;
    Int64 TotalPageFile = 0; // swap
    Int64 AvailPageFile = 0;
    Int64 TotalVirtual = 0; // physical memory plus swap
    Int64 AvailVirtual = 0;
};
// False when the figures cannot be read.
bool GlobalMemoryStatus(TMemoryStatus& status);

// Processors available to the program (at least 1).
Integer GetProcessorCount();

// Space on the file system holding path (backslashes accepted): bytes free to
// this user, total bytes, bytes free in all. False when path does not exist.
bool GetDiskFreeSpaceEx(std::string_view path, Int64& freeToCaller, Int64& total, Int64& totalFree);

struct TDiskGeometry {
    Cardinal BytesPerSector = 0;
    Cardinal SectorsPerCluster = 0;
};
// The allocation unit of the file system holding path (its fragment size) in
// sectors of the device under it: the block device's logical sector size, or
// the whole unit as one sector where the file system has no block device
// (memory and network file systems). False when path does not exist.
bool GetDiskGeometry(std::string_view path, TDiskGeometry& geometry);
