#pragma once
// A string list's lines as a vector, so that a test compares them in one expectation.
#include "platform/core/TStrings.h"

#include <string>
#include <vector>

using V = std::vector<std::string>;

inline V Lines(const TStrings& s) {
    V out;
    for (Integer i = 0; i < s.Count(); ++i)
        out.push_back(s[i]);
    return out;
}
