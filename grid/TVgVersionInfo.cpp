#include "grid/TVgVersionInfo.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/os/Process.h"
#include "platform/os/VersionInfo.h"

#include <array>
#include <cstdio>

namespace vg {

TDateTime FileTimeToDateTime(unsigned long long FileTime) {
    constexpr unsigned long long TicksPerMs = 10000ULL;
    constexpr unsigned long long MsPerDay = 86400000ULL;
    const unsigned long long ms = FileTime / TicksPerMs;
    const auto days = static_cast<double>(ms / MsPerDay);
    unsigned long long rest = ms % MsPerDay;
    const auto msec = static_cast<Word>(rest % 1000);
    rest /= 1000;
    const auto sec = static_cast<Word>(rest % 60);
    rest /= 60;
    const auto min = static_cast<Word>(rest % 60);
    const auto hour = static_cast<Word>(rest / 60);
    return EncodeDate(1601, 1, 1) + days + EncodeTime(hour, min, sec, msec);
}

} // namespace vg

TVgVersionInfo::TVgVersionInfo(TComponent* AOwner) : TComponent(AOwner) {}

TVgVersionInfo::TVgVersionInfo(TComponent* AOwner, const String& FileName) : TComponent(AOwner) {
    SetFileName(FileName);
}

TVgVersionInfo::~TVgVersionInfo() = default;

void TVgVersionInfo::SetFileName(const String& Value) {
    if (Value == FFileName) return;
    FFileName = Value;
    // An empty name keeps the block loaded before: the About box clears the name
    // and still reads the numbers it showed.
    if (Value.empty()) return;
    FBlock.reset();
    FSize = 0;
    const Cardinal size = GetFileVersionInfoSize(Value);
    if (size == 0) return;
    auto block = std::make_unique<TVersionBlock>();
    if (!GetFileVersionInfo(Value, *block)) {
        const Cardinal code = GetLastError();
        throw EOSError(Format(SOSError, {static_cast<Integer>(code), String(SUnkOSError)}));
    }
    FBlock = std::move(block);
    FSize = size;
}

Integer TVgVersionInfo::iGetVersionInfo(Integer Index) const {
    TFixedFileInfo info;
    if (!FBlock || FSize == 0 || Index < 1 || Index > 4 || !VerQueryFixedFileInfo(*FBlock, info)) return -1;
    switch (Index) {
    case 1:
        return static_cast<Integer>(info.FileVersionMS >> 16);
    case 2:
        return static_cast<Integer>(info.FileVersionMS & 0xFFFF);
    case 3:
        return static_cast<Integer>(info.FileVersionLS >> 16);
    default:
        return static_cast<Integer>(info.FileVersionLS & 0xFFFF);
    }
}

TDateTime TVgVersionInfo::GetVersionDateTime() const {
    TFixedFileInfo info;
    if (!FBlock || FSize == 0 || !VerQueryFixedFileInfo(*FBlock, info)) return 0;
    const unsigned long long time = static_cast<unsigned long long>(info.FileDateMS) << 32 | info.FileDateLS;
    return vg::FileTimeToDateTime(time);
}

String TVgVersionInfo::sGetVersionInfo(Integer Index) const {
    static constexpr std::array<const char*, 10> Names = {
        "CompanyName",      "FileDescription", "FileVersion",    "InternalName", "LegalCopyright",
        "OriginalFilename", "ProductName",     "ProductVersion", "Comments",     "LegalTrademarks"};
    if (Index < 1 || Index > static_cast<Integer>(Names.size())) return String();
    return GetVersionString(Names[static_cast<std::size_t>(Index - 1)]);
}

String TVgVersionInfo::GetVersionString(const String& Name) const {
    if (!FBlock || FSize == 0) return String();
    Word language = 0, codePage = 0;
    if (!VerQueryTranslation(*FBlock, language, codePage)) return String();
    char path[64];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%.4x%.4x\\", language, codePage);
    String value;
    if (!VerQueryString(*FBlock, String(path) + Name, value)) return String();
    return value;
}
