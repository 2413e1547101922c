#pragma once
// The update bracket of a string list, closed even when the body raises, and
// its most common use: putting new lines in place of a list's lines.
#include "platform/core/ScopeExit.h"
#include "platform/core/TStrings.h"

#include <vector>

namespace core {

// EndUpdate fires OnChange, which may raise; ScopeExit lets that out only when
// no other exception is already on its way.
class UpdateScope {
public:
    explicit UpdateScope(TStrings& s) : FEnd((s.BeginUpdate(), EndUpdateOf{&s})) {}

private:
    struct EndUpdateOf {
        TStrings* Strings;
        void operator()() const { Strings->EndUpdate(); }
    };
    ScopeExit<EndUpdateOf> FEnd;
};

// Clears strings and adds lines, as one change.
inline void ReplaceStrings(TStrings& strings, const std::vector<String>& lines) {
    UpdateScope scope(strings);
    strings.Clear();
    for (const String& line : lines)
        strings.Add(line);
}

} // namespace core
