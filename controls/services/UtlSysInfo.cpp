#include "controls/services/UtlSysInfo.h"

#include "controls/common/GxUtils.h"
#include "controls/common/UtlConsts.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TRegistry.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/FileIcons.h"
#include "platform/os/VersionInfo.h"

#include <cmath>
#include <iterator>
#include <memory>

const bool UtlIsWin9x = false, UtlIsWin98 = false, UtlIsWinNT = true, UtlIsWin2000 = true,
           UtlStretchAvailable = true;

namespace {

constexpr const char* Unknown = "(Unknown)";

TUtlSystemSource& SystemSource() {
    static TUtlSystemSource system;
    return system;
}

TUtlSystemSource* Current = nullptr;

TUtlSystemSource& Source() {
    return Current ? *Current : SystemSource();
}

std::unique_ptr<TImageList> SmallIcons, LargeIcons;

TMemoryStatus Memory() {
    TMemoryStatus status;
    Source().MemoryStatus(status);
    return status;
}

String OrUnknown(const String& S) {
    return S.empty() ? String(Unknown) : S;
}

String Registered(const char* Name) {
    String value;
    return Source().RegistryValue(Name, value) ? value : String(Unknown);
}

Integer DriveTypeOf(const String& Path, const std::vector<TMountEntry>& Mounts) {
    if (!DirectoryExists(Path) && !FileExists(Path)) return DRIVE_NO_ROOT_DIR;
    const TMountEntry m = MountOf(Mounts, Path);
    if (m.Root.empty()) return DRIVE_UNKNOWN;
    const String& t = m.Type;
    if (t == "nfs" || t == "nfs4" || t == "cifs" || t == "smbfs" || t == "smb3" || t == "fuse.sshfs" ||
        t == "9p" || t == "afs")
        return DRIVE_REMOTE;
    if (t == "tmpfs" || t == "ramfs") return DRIVE_RAMDISK;
    if (t == "iso9660" || t == "udf") return DRIVE_CDROM;
    if ((t == "vfat" || t == "exfat" || t == "msdos") &&
        (m.Root.rfind("/media/", 0) == 0 || m.Root.rfind("/run/media/", 0) == 0))
        return DRIVE_REMOVABLE;
    return DRIVE_FIXED;
}

const char* const VersionKeys[] = {"CompanyName",    "ProductName",     "ProductVersion", "LegalCopyright",
                                   "LegalTrademark", "FileDescription", "Comments"};

} // namespace

String TUtlSystemSource::CurrentDirectory() {
    return GetCurrentDir();
}

bool TUtlSystemSource::KeyToggled(Integer VirtualKey) {
    switch (VirtualKey) {
    case 144:
        return LockKeyToggled(TLockKey::NumLock);
    case 20:
        return LockKeyToggled(TLockKey::CapsLock);
    case 145:
        return LockKeyToggled(TLockKey::ScrollLock);
    default:
        return false;
    }
}

bool TUtlSystemSource::RegistryValue(const String& Name, String& Value) {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!reg.OpenKeyReadOnly("\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")) return false;
    Value = reg.ValueExists(Name) ? reg.ReadString(Name) : String();
    return true;
}

Integer TUtlSystemSource::ColorDepth() {
    return SystemColorDepth();
}

bool TUtlSystemSource::DiskSpace(const String& Path, Int64& Free, Int64& Total) {
    Int64 totalFree = 0;
    return GetDiskFreeSpaceEx(Path, Free, Total, totalFree);
}

String TUtlSystemSource::VersionString(const String& Key) {
    for (const auto& [key, value] : ProgramVersionBlock().Strings)
        if (key == Key) return value;
    return {};
}

void UtlSetSystemSource(TUtlSystemSource* Source) {
    Current = Source;
}

TUtlSystemSource& UtlSystemSource() {
    return Source();
}

String UtlSIUserName() {
    return OrUnknown(Source().UserName());
}
String UtlSIComputerName() {
    return OrUnknown(Source().ComputerName());
}
String UtlSIWindowsDirectory() {
    return Source().WindowsDirectory();
}
String UtlSISystemDirectory() {
    return Source().SystemDirectory();
}
String UtlSITempPath() {
    return Source().TempPath();
}
String UtlSITempFile() {
    return Source().TempFile(Source().TempPath());
}
String UtlSIRegisteredOwner() {
    return Registered("RegisteredOwner");
}
String UtlSIRegisteredCompany() {
    return Registered("RegisteredOrganization");
}
Cardinal UtlSIMajorVersionNr() {
    return Source().OsVersion().Major;
}
Cardinal UtlSIMinorVersionNr() {
    return Source().OsVersion().Minor;
}
Cardinal UtlSIBuildNr() {
    return Source().OsVersion().Build;
}
String UtlSIVersionString() {
    return Source().OsVersion().Release;
}

String UtlSIVersionStr() {
    const TOsVersion v = Source().OsVersion();
    return Format("%d.%d", {Integer(v.Major), Integer(v.Minor)});
}

double UtlSIVersionNr() {
    const TOsVersion v = Source().OsVersion();
    double scale = 1;
    for (Cardinal m = v.Minor; m > 0; m /= 10)
        scale *= 10;
    return double(v.Major) + double(v.Minor) / scale;
}

Integer UtlSIPlatformID() {
    return 2;
}
String UtlSIPlatformStr() {
    return OrUnknown(Source().OsVersion().Name);
}
bool UtlSIOLDWindowsNT() {
    return UtlIsWinNT && UtlSIMajorVersionNr() < 4;
}
Integer UtlSIProcessorCount() {
    return Source().ProcessorCount();
}
String UtlSIProcessorTypeStr() {
    return OrUnknown(Source().OsVersion().Machine);
}
Int64 UtlSIMemTotal() {
    return Memory().TotalPhys;
}
Integer UtlSIMemLoaded() {
    return Integer(Memory().MemoryLoad);
}
Int64 UtlSIMemFree() {
    return Memory().AvailPhys;
}
Int64 UtlSIMemPageTotal() {
    return Memory().TotalPageFile;
}
Int64 UtlSIMemPageFree() {
    return Memory().AvailPageFile;
}
Int64 UtlSIMemVirtTotal() {
    return Memory().TotalVirtual;
}
Int64 UtlSIMemVirtFree() {
    return Memory().AvailVirtual;
}
Integer UtlSIFreeSysRes() {
    return 100;
}
Integer UtlSIFreeGDIRes() {
    return 100;
}
Integer UtlSIFreeUserRes() {
    return 100;
}
Integer UtlSIColorDepth() {
    return Source().ColorDepth();
}
bool UtlSIStretchBltPossible() {
    return UtlStretchAvailable;
}
Integer UtlSIScreenSaverDelay() {
    return Source().ScreenSaverTimeout() / 60;
}
bool UtlSINumLock() {
    return Source().KeyToggled(144);
}
bool UtlSICapsLock() {
    return Source().KeyToggled(20);
}
bool UtlSIScrollLock() {
    return Source().KeyToggled(145);
}

TUtlDriveInfo UtlSIDriveInfo(const String& Path) {
    TUtlDriveInfo info;
    info.DriveType = DriveTypeOf(Path, Source().Mounts());
    TDiskGeometry geometry;
    if (info.DriveType > DRIVE_NO_ROOT_DIR && Source().DiskSpace(Path, info.FreeBytes, info.TotalBytes) &&
        Source().DiskGeometry(Path, geometry)) {
        info.BytesPerSector = geometry.BytesPerSector;
        info.SectorsPerCluster = geometry.SectorsPerCluster;
    }
    return info;
}

void UtlSIDriveList(TStrings* List) {
    List->Clear();
    for (const TMountEntry& m : Source().Mounts())
        List->Add(m.Root);
}

String UtlSIDriveTypeStr(Integer DriveType) {
    if (DriveType < DRIVE_NO_ROOT_DIR || DriveType > DRIVE_RAMDISK) return Unknown;
    return DriveType == DRIVE_NO_ROOT_DIR ? UtlLoadStr(IDS_NOROOTDIR)
                                          : UtlLoadStr(IDS_REMOVABLE + DriveType - DRIVE_REMOVABLE);
}

void UtlSIEnvironment(TStrings* List) {
    List->Clear();
    for (const String& line : Source().Environment())
        List->Add(line);
}

Word UtlSISystemDefaultLanguageID() {
    return Source().LanguageId();
}
String UtlSIGetTimeZone() {
    return Source().TimeZoneName();
}
Integer UtlSIGetTimeZoneBias() {
    return Source().TimeZoneBias();
}
Integer UtlSIIconHeight() {
    return GetSystemMetrics(SM_CXICON);
}
Integer UtlSIIconWidth() {
    return GetSystemMetrics(SM_CXICON);
}
Integer UtlSISmallIconHeight() {
    return GetSystemMetrics(50);
}
Integer UtlSISmallIconWidth() {
    return GetSystemMetrics(49);
}

TImageList* UtlSISystemIconListHandle(bool Small) {
    std::unique_ptr<TImageList>& list = Small ? SmallIcons : LargeIcons;
    if (!list) {
        list = std::make_unique<TImageList>(nullptr);
        const Integer size = GetSystemMetrics(Small ? SM_CXSMICON : SM_CXICON);
        list->SetWidth(size);
        list->SetHeight(size);
        FillFileIconList(list.get());
    }
    return list.get();
}

String UtlSIVersionInfo(TUtlVersionInfoType Kind) {
    return Source().VersionString(VersionKeys[Kind]);
}

double UtlSIGetCPUSpeed() {
    return Source().ProcessorMHz();
}

namespace {

// The locale items UtlGetLocalInfo answers, by position (the system's LCTYPE codes).
constexpr Cardinal LocaleItems[28] = {0x1009, 0x19, 0x1B, 0x11, 0x100C, 0x100D, 0x12, 0x0D,  0x1C, 0x1010,
                                      0x23,   0x28, 0x29, 0x14, 0x1D,   0x0E,   0x10, 0x0C,  0x20, 0x16,
                                      0x18,   0x17, 0x51, 0x50, 0x1F,   0x0F,   0x1E, 0x1003};

// A long time format with an am/pm marker means the 12-hour clock.
bool TwelveHourClock(const String& TimeFormat) {
    const String f = LowerCase(TimeFormat);
    return f.find("am/pm") != String::npos || f.find("a/p") != String::npos || f.find("ampm") != String::npos;
}

// The office locale's text for one locale item; empty where the locale has none.
String LocaleText(Cardinal LCType, const TFormatSettings& fs) {
    switch (LCType) {
    case 0x1009: // calendar type: Gregorian
        return "1";
    case 0x19: // currency digits
        return IntToStr(fs.CurrencyDecimals);
    case 0x1B: // positive currency layout
        return IntToStr(fs.CurrencyFormat);
    case 0x11: // fractional digits of numbers
        return "2";
    case 0x100C: // first day of week: Monday
    case 0x100D: // first week of year: the one holding 1 January
        return "0";
    case 0x12: // leading zero before the decimal separator
        return "1";
    case 0x0D: // metric measure
        return "0";
    case 0x1C: // negative currency layout
        return IntToStr(fs.NegCurrFormat);
    case 0x1010: // negative numbers: leading minus
        return "1";
    case 0x23: // time format: 0 the 12-hour, 1 the 24-hour clock
        return TwelveHourClock(fs.LongTimeFormat) ? "0" : "1";
    case 0x28:
        return fs.TimeAMString;
    case 0x29:
        return fs.TimePMString;
    case 0x14:
        return fs.CurrencyString;
    case 0x1D:
        return fs.DateSeparator;
    case 0x0E:
    case 0x16: // currency decimal separator
        return fs.DecimalSeparator;
    case 0x10: // digit grouping
    case 0x18: // currency digit grouping
        return "3;0";
    case 0x0C:
        return fs.ListSeparator;
    case 0x20:
        return fs.LongDateFormat;
    case 0x0F:
    case 0x17: // currency thousands separator
        return fs.ThousandSeparator;
    case 0x51: // negative sign
        return "-";
    case 0x1F:
        return fs.ShortDateFormat;
    case 0x1E:
        return fs.TimeSeparator;
    case 0x1003:
        return fs.LongTimeFormat;
    default: // the positive sign among them: no text
        return "";
    }
}

} // namespace

String UtlGetLocalInfo(Integer Item) {
    if (Item < 0 || Item >= Integer(std::size(LocaleItems))) return "Hallo";
    const String text = LocaleText(LocaleItems[Item], FormatSettings);
    return text.empty() ? "Hallo" : text;
}

String UtlSIInfoToString(TUtlInfoType Kind) {
    const Integer k = Kind;
    if (k <= itScreenSaverDelay) return UtlLoadStr(IDS_USERNAME + k);
    if (k <= itProcessorCont32) return UtlLoadStr(IDS_MEMORYSIZE + k - itMemSize);
    return UtlLoadStr(IDS_PROCESSOR + k - itProcessor32);
}

String GetSystemInfoString(TUtlInfoType Kind, Integer Divisor) {
    // A divisor of 0 would divide by zero; it means "as it is".
    const Int64 d = Divisor == 0 ? 1 : Divisor;
    auto number = [&](Int64 value) { return IntToStr(value / d); };
    auto disk = [&](bool free) {
        Int64 freeBytes = 0, total = 0;
        Source().DiskSpace(Source().CurrentDirectory(), freeBytes, total);
        return number(free ? freeBytes : total);
    };
    switch (Kind) {
    case itUser:
        return UtlSIUserName();
    case itWinDir:
        return UtlSIWindowsDirectory();
    case itCurrentDir32:
        return Source().CurrentDirectory();
    case itCurrentDiskFree32:
        return disk(true);
    case itCurrentDiskSize32:
        return disk(false);
    case itSystemDir:
        return UtlSISystemDirectory();
    case itReg_Owner32:
        return UtlSIRegisteredOwner();
    case itReg_Company32:
        return UtlSIRegisteredCompany();
    case itVersion:
        return UtlSIVersionStr();
    case itColorDepth:
        return number(UtlSIColorDepth());
    case itScreenSaverDelay:
        return number(UtlSIScreenSaverDelay());
    case itMemSize:
        return number(UtlSIMemTotal());
    case itFreeSysRes:
        return number(UtlSIFreeSysRes());
    case itFreeGDIRes:
        return number(UtlSIFreeGDIRes());
    case itFreeUserRes:
        return number(UtlSIFreeUserRes());
    case itComputerName32:
        return UtlSIComputerName();
    case itMajorVerNr32:
        return number(UtlSIMajorVersionNr());
    case itBuildNr32:
        return number(UtlSIBuildNr());
    case itMemLoaded32:
        return number(UtlSIMemLoaded());
    case itMemFree32:
        return number(UtlSIMemFree());
    case itMemPageFree32:
        return number(UtlSIMemPageFree());
    case itMemPageTotal32:
        return number(UtlSIMemPageTotal());
    case itMemVirtFree32:
        return number(UtlSIMemVirtFree());
    case itMemVirtTotal32:
        return number(UtlSIMemVirtTotal());
    case itPlatformID32:
        return number(UtlSIPlatformID());
    case itPlatform32:
        return UtlSIPlatformStr();
    case itProcessorCont32:
        return number(UtlSIProcessorCount());
    case itProcessor32:
        return UtlSIProcessorTypeStr();
    case itTempPath32:
        return UtlSITempPath();
    case itDOSVersion:
        return "Win32";
    case itNumLock:
        return UtlSINumLock() ? "On" : "Off";
    case itCapsLock:
        return UtlSICapsLock() ? "On" : "Off";
    case itScroll:
        return UtlSIScrollLock() ? "On" : "Off";
    case itCurrentDateTime: {
        const TDateTime now = Source().CurrentTime();
        return DateToStr(now) + " " + TimeToStr(now);
    }
    case itProgCompany:
    case itProgName:
    case itProgVersion:
    case itProgCopyright:
    case itProgTrademark:
    case itProgDescription:
    case itProgComments:
        return UtlSIVersionInfo(TUtlVersionInfoType(Kind - itProgCompany));
    case itCPUSpeed:
        return Trim(FloatToStr(UtlSIGetCPUSpeed() / double(d)));
    }
    return {};
}
