#include "platform/core/ResourceStrings.h"

#include <unordered_map>

namespace {

// Built on first use, so blocks registered from other files' static objects
// never meet an unconstructed table.
std::unordered_map<Integer, String>& Table() {
    static std::unordered_map<Integer, String> table;
    return table;
}

} // namespace

void RegisterResourceString(Integer Id, const String& Text) {
    Table()[Id] = Text;
}

void RegisterResourceStrings(std::initializer_list<std::pair<Integer, const char*>> Block) {
    for (const auto& [id, text] : Block)
        Table()[id] = text != nullptr ? text : "";
}

String LoadStr(Integer Id) {
    const auto& table = Table();
    auto it = table.find(Id);
    return it != table.end() ? it->second : String();
}
