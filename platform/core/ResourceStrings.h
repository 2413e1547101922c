#pragma once
// The program's string table: numbered texts that each subsystem registers at
// start-up and reads back with LoadStr, as string-table resources were read.
#include "platform/core/Types.h"

#include <initializer_list>
#include <utility>

// Sets (or replaces) the text of one number.
void RegisterResourceString(Integer Id, const String& Text);
// Registers a subsystem's numbered block in one call.
void RegisterResourceStrings(std::initializer_list<std::pair<Integer, const char*>> Block);
// The text registered under Id; "" for an unknown number.
String LoadStr(Integer Id);

// Registers a block when constructed, for a namespace-scope object in the file
// that owns the texts. A static library drops an object file that nothing
// references, so that file must also be referenced from code that runs.
struct TResourceStringBlock {
    TResourceStringBlock(std::initializer_list<std::pair<Integer, const char*>> Block) {
        RegisterResourceStrings(Block);
    }
};
