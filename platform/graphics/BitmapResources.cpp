#include "platform/graphics/BitmapResources.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

std::map<String, std::vector<Byte>>& Table() {
    static std::map<String, std::vector<Byte>> table;
    return table;
}

String Key(const String& name) {
    String k = name;
    std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return k;
}

} // namespace

void RegisterBitmapResource(const String& Name, const Byte* Data, std::size_t Size) {
    Table()[Key(Name)] = std::vector<Byte>(Data, Data + Size);
}

bool FindBitmapResource(const String& Name, std::vector<Byte>& Data) {
    const auto it = Table().find(Key(Name));
    if (it == Table().end()) return false;
    Data = it->second;
    return true;
}
