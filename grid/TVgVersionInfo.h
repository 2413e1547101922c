#pragma once
// TVgVersionInfo: the version block of an executable file, read when FileName is
// set: the four numbers and the date of its fixed part, and its string values
// ("CompanyName", "ProductName" ...) under the block's first translation. The
// About box points it at the running program.
#include "platform/core/TComponent.h"

#include <memory>

struct TVersionBlock;

class TVgVersionInfo : public TComponent {
public:
    explicit TVgVersionInfo(TComponent* AOwner);
    // Loads FileName's block at once, as SetFileName does.
    TVgVersionInfo(TComponent* AOwner, const String& FileName);
    ~TVgVersionInfo() override;
    String ClassName() const override { return "TVgVersionInfo"; }

    const String& FileName() const { return FFileName; }
    // Nothing for an unchanged name. An empty name is stored and keeps the loaded
    // block. Any other name forgets it and loads the block of FileName; a file
    // without a version block leaves nothing loaded. Raises EOSError "System Error.  Code: <code>.\n..." when
    // the file announces a block that then cannot be read.
    void SetFileName(const String& Value);

    // 1 major, 2 minor, 3 release, 4 build of the file version; -1 with nothing
    // loaded or for any other index.
    Integer iGetVersionInfo(Integer Index) const;
    // The file date of the fixed part; 0 with nothing loaded.
    TDateTime GetVersionDateTime() const;
    // 1 CompanyName, 2 FileDescription, 3 FileVersion, 4 InternalName, 5 LegalCopyright,
    // 6 OriginalFilename, 7 ProductName, 8 ProductVersion, 9 Comments,
    // 10 LegalTrademarks; empty for any other index.
    String sGetVersionInfo(Integer Index) const;
    // The string value Name under the block's first translation; empty with nothing
    // loaded, without a translation, or when the block has no such value.
    String GetVersionString(const String& Name) const;

    Integer MajorVersion() const { return iGetVersionInfo(1); }
    Integer MinorVersion() const { return iGetVersionInfo(2); }
    Integer Release() const { return iGetVersionInfo(3); }
    Integer Build() const { return iGetVersionInfo(4); }
    TDateTime DateTime() const { return GetVersionDateTime(); }
    String CompanyName() const { return sGetVersionInfo(1); }
    String FileDescription() const { return sGetVersionInfo(2); }
    String FileVersion() const { return sGetVersionInfo(3); }
    String InternalName() const { return sGetVersionInfo(4); }
    String LegalCopyright() const { return sGetVersionInfo(5); }
    String OriginalFilename() const { return sGetVersionInfo(6); }
    String ProductName() const { return sGetVersionInfo(7); }
    String ProductVersion() const { return sGetVersionInfo(8); }
    String Comments() const { return sGetVersionInfo(9); }
    String LegalTrademarks() const { return sGetVersionInfo(10); }

private:
    String FFileName;
    Cardinal FSize = 0;
    std::unique_ptr<TVersionBlock> FBlock;
};

namespace vg {
// A 64-bit file time (100 ns steps since 1 January 1601) as a date and time.
TDateTime FileTimeToDateTime(unsigned long long FileTime);
} // namespace vg
