#pragma once
// The update bracket of a string list, closed even when the body raises, and
// its most common use: putting new lines in place of a list's lines.
#include "platform/core/TStrings.h"

#include <exception>
#include <vector>

namespace core {

class UpdateScope {
public:
    explicit UpdateScope(TStrings& s) : FStrings(s), FExceptions(std::uncaught_exceptions())
    {
        FStrings.BeginUpdate();
    }
    // EndUpdate fires OnChange, which may raise; only let that out when no other
    // exception is already on its way.
    ~UpdateScope() noexcept(false)
    {
        if (std::uncaught_exceptions() > FExceptions) {
            try {
                FStrings.EndUpdate();
            } catch (...) {
            }
        } else {
            FStrings.EndUpdate();
        }
    }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TStrings& FStrings;
    int FExceptions;
};

// Clears strings and adds lines, as one change.
inline void ReplaceStrings(TStrings& strings, const std::vector<String>& lines)
{
    UpdateScope scope(strings);
    strings.Clear();
    for (const String& line : lines)
        strings.Add(line);
}

} // namespace core
