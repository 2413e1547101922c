#pragma once
// System information of the UTL components: user, machine, folders, version,
// memory, drives, environment, locale and the program's version block, each as
// one function, and the label/value pair of an information kind. The answers
// come from a replaceable source (the running Linux system by default) so that
// tests can give fixed ones. Answers the system cannot give are "(Unknown)".
#include "platform/core/DateTime.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Types.h"
#include "platform/os/SystemFacts.h"
#include "platform/os/SystemInfo.h"
#include "platform/ui/WindowSystem.h"

#include <vector>

class TCustomForm;
class TImageList;
class TStrings;

enum TUtlInfoType {
    itUser,
    itWinDir,
    itCurrentDir32,
    itCurrentDiskFree32,
    itCurrentDiskSize32,
    itSystemDir,
    itReg_Owner32,
    itReg_Company32,
    itVersion,
    itColorDepth,
    itScreenSaverDelay,
    itMemSize,
    itFreeSysRes,
    itFreeGDIRes,
    itFreeUserRes,
    itComputerName32,
    itMajorVerNr32,
    itBuildNr32,
    itMemLoaded32,
    itMemFree32,
    itMemPageFree32,
    itMemPageTotal32,
    itMemVirtFree32,
    itMemVirtTotal32,
    itPlatformID32,
    itPlatform32,
    itProcessorCont32,
    itProcessor32,
    itTempPath32,
    itDOSVersion,
    itNumLock,
    itCapsLock,
    itScroll,
    itCurrentDateTime,
    itProgCompany,
    itProgName,
    itProgVersion,
    itProgCopyright,
    itProgTrademark,
    itProgDescription,
    itProgComments,
    itCPUSpeed
};
enum TUtlVersionInfoType {
    viCompany,
    viName,
    viVersion,
    viCopyright,
    viTrademark,
    viDescription,
    viComments
};

// Drive types.
constexpr Integer DRIVE_UNKNOWN = 0, DRIVE_NO_ROOT_DIR = 1, DRIVE_REMOVABLE = 2, DRIVE_FIXED = 3,
                  DRIVE_REMOTE = 4, DRIVE_CDROM = 5, DRIVE_RAMDISK = 6;

// Platform flags, fixed for this system: a protected, multi-user system of the
// newer family, which can stretch bitmaps.
extern const bool UtlIsWin9x, UtlIsWin98, UtlIsWinNT, UtlIsWin2000, UtlStretchAvailable;

// Where the answers come from. Every member has the running system's answer.
class TUtlSystemSource {
public:
    virtual ~TUtlSystemSource() = default;
    virtual String UserName() { return GetUserName(); }
    virtual String ComputerName() { return GetComputerName(); }
    virtual String WindowsDirectory() { return GetWindowsDirectory(); }
    virtual String SystemDirectory() { return GetSystemDirectory(); }
    virtual String CurrentDirectory();
    virtual String TempPath() { return GetTempPath(); }
    virtual String TempFile(const String& Path) { return GetTempFileName(Path, "tmp"); }
    // A value of the installation's registry key; false when the key is missing.
    virtual bool RegistryValue(const String& Name, String& Value);
    virtual TOsVersion OsVersion() { return GetOsVersion(); }
    virtual Integer ProcessorCount() { return GetProcessorCount(); }
    virtual bool MemoryStatus(TMemoryStatus& Status) { return GlobalMemoryStatus(Status); }
    virtual Integer ColorDepth();
    // The lock of VK_NUMLOCK (144), VK_CAPITAL (20) or VK_SCROLL (145).
    virtual bool KeyToggled(Integer VirtualKey);
    // Seconds before the screen saver starts; 0 when it is off.
    virtual Integer ScreenSaverTimeout() { return ::ScreenSaverTimeout(); }
    // The window manager's frame around Form; false when it publishes none.
    virtual bool FrameExtents(const TCustomForm* Form, TFrameExtents& Extents) {
        return GetFrameExtents(Form, Extents);
    }
    virtual std::vector<TMountEntry> Mounts() { return GetMounts(); }
    virtual bool DiskSpace(const String& Path, Int64& Free, Int64& Total);
    virtual bool DiskGeometry(const String& Path, TDiskGeometry& Geometry) {
        return GetDiskGeometry(Path, Geometry);
    }
    virtual std::vector<String> Environment() { return GetEnvironmentStrings(); }
    virtual Word LanguageId() { return GetSystemDefaultLangID(); }
    virtual String TimeZoneName() { return GetTimeZoneName(); }
    virtual Integer TimeZoneBias() { return GetTimeZoneBias(); }
    virtual double ProcessorMHz() { return GetProcessorMHz(); }
    // The program's version-block string of Key; "" when it has none.
    virtual String VersionString(const String& Key);
    virtual TDateTime CurrentTime() { return Now(); }
};
// Puts Source in place (the caller keeps it); null brings back the system's.
void UtlSetSystemSource(TUtlSystemSource* Source);
// The source in place.
TUtlSystemSource& UtlSystemSource();

String UtlSIUserName();
String UtlSIComputerName();
String UtlSIWindowsDirectory();
String UtlSISystemDirectory();
String UtlSITempPath();
// A new empty temporary file; "" when none can be made.
String UtlSITempFile();
String UtlSIRegisteredOwner();
String UtlSIRegisteredCompany();
Cardinal UtlSIMajorVersionNr();
Cardinal UtlSIMinorVersionNr();
Cardinal UtlSIBuildNr();
// The kernel release text.
String UtlSIVersionString();
// "major.minor".
String UtlSIVersionStr();
// major + minor / 10^(digits of minor): 4.10 for 4 and 10.
double UtlSIVersionNr();
// 2: the newer, protected family.
Integer UtlSIPlatformID();
// The distribution's name ("(Unknown)" when it does not say).
String UtlSIPlatformStr();
bool UtlSIOLDWindowsNT();
Integer UtlSIProcessorCount();
// The machine type ("x86_64").
String UtlSIProcessorTypeStr();
Int64 UtlSIMemTotal();
Integer UtlSIMemLoaded();
Int64 UtlSIMemFree();
Int64 UtlSIMemPageTotal();
Int64 UtlSIMemPageFree();
Int64 UtlSIMemVirtTotal();
Int64 UtlSIMemVirtFree();
// No resource heaps here: always 100 per cent free.
Integer UtlSIFreeSysRes();
Integer UtlSIFreeGDIRes();
Integer UtlSIFreeUserRes();
Integer UtlSIColorDepth();
bool UtlSIStretchBltPossible();
// Minutes before the screen saver starts; 0 when it is off.
Integer UtlSIScreenSaverDelay();
bool UtlSINumLock();
bool UtlSICapsLock();
bool UtlSIScrollLock();

struct TUtlDriveInfo {
    Integer DriveType = DRIVE_UNKNOWN;
    Cardinal SectorsPerCluster = 0;
    Cardinal BytesPerSector = 0;
    Int64 FreeBytes = 0;
    Int64 TotalBytes = 0;
};
// The type of the file system holding Path; for types above 1 also its sizes.
TUtlDriveInfo UtlSIDriveInfo(const String& Path);
// Clears List and adds the mount point of every file system holding files.
void UtlSIDriveList(TStrings* List);
String UtlSIDriveTypeStr(Integer DriveType);
// Clears List and adds every NAME=value of the environment.
void UtlSIEnvironment(TStrings* List);
Word UtlSISystemDefaultLanguageID();
String UtlSIGetTimeZone();
Integer UtlSIGetTimeZoneBias();
Integer UtlSIIconHeight();
Integer UtlSIIconWidth();
Integer UtlSISmallIconHeight();
Integer UtlSISmallIconWidth();
// The desktop's icons for the kinds of things in the file system (computer,
// desktop, trash, network, drive, folder, file), 16 pixels square when Small,
// else 32; one list of each size for the whole run.
TImageList* UtlSISystemIconListHandle(bool Small);
String UtlSIVersionInfo(TUtlVersionInfoType Kind);
// The processor clock in MHz as the system reports it; no priority is changed.
double UtlSIGetCPUSpeed();
// The locale text of item 0..27 of the locale table, from the office's
// settings; "Hallo" for items it has no text for.
String UtlGetLocalInfo(Integer Item);
String UtlSIInfoToString(TUtlInfoType Kind);
// The value text of Kind; numeric kinds divided by Divisor (0 counts as 1).
String GetSystemInfoString(TUtlInfoType Kind, Integer Divisor);
