#pragma once
// Whole-file replacement that a crash, a full disk or a cancelled writer cannot
// leave half written.
#include "platform/core/Types.h"

#include <optional>
#include <string_view>

namespace core {

// Replaces one file as a whole. The new content goes to a temporary file in the
// target's folder (so the final rename is atomic on the same file system), which
// the guard creates at once, empty, with the target's permissions (0644 for a new
// file). Until Commit the target is untouched; a guard that ends without Commit
// removes its temporary file, so a failure or a cancel leaves the old file as it
// was and nothing behind. Writers may use Handle() or open TempName() themselves.
// A target given with backslashes is taken with slashes; one that is a symbolic
// link (a chain of links, or one naming a missing file) is replaced through it:
// the link stays, the file it names is written. The temporary file's name is
// the target's with ".tmp-XXXXXX", the target's cut short where that would be
// too long a name, so every target name the folder takes gets its temporary.
// After the rename the folder is synced too, so the new name survives a power cut.
// A writer that died before its rename (killed, crashed) leaves its complete
// temporary file behind; the next guard of the same target removes such files:
// only names of the target's own pattern, never one a live writer holds (each
// guard locks its file) nor one written to in the last minutes.
class FileReplacement {
public:
    explicit FileReplacement(const String& Target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when the temporary file could not be created (no folder, no right to write).
    bool Valid() const { return FHandle >= 0; }
    const String& Target() const { return FTarget; }
    // The temporary file's path, "" when not Valid().
    const String& TempName() const { return FTempName; }
    // A descriptor open for writing on the temporary file, -1 when not Valid().
    int Handle() const { return FHandle; }
    // Writes all of Bytes at the descriptor's position. False when it cannot (a
    // write that moves nothing counts as a full disk); the temporary file is
    // then gone, as after a failed Commit.
    bool Write(std::string_view Bytes);
    // Syncs the temporary file to disk and renames it over the target. False when
    // any step fails; the temporary file is then gone and the target untouched.
    bool Commit();
    // The system's error number of the step that failed (creating the temporary
    // file, writing or committing it); 0 when none did.
    int Error() const { return FError; }

private:
    // False once the temporary file is gone (EBADF when nothing failed before).
    bool StillOpen();
    void Discard();
    // Records errno as the failure and discards the temporary file.
    void Fail();

    String FTarget;
    String FTempName;
    int FHandle = -1;
    int FError = 0;
};

// Whether Name (a name in the target's folder) is one the guard gives a
// temporary file of the target named TargetName: the target's name, ".tmp-"
// and six letters or digits.
bool IsTemporaryNameOf(std::string_view TargetName, std::string_view Name);

// Writes bytes to a temporary file beside fileName and renames it over fileName.
// False (and fileName untouched) when any step fails. fileName is a file-system path.
bool WriteFileAtomically(const String& fileName, std::string_view bytes);

// The whole file, or nothing when it is missing or unreadable.
std::optional<std::string> ReadWholeFile(const String& fileName);

} // namespace core
