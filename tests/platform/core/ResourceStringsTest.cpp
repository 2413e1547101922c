#include "platform/core/ResourceStrings.h"

#include <gtest/gtest.h>

namespace {

const TResourceStringBlock TestBlock{{900001, "Első"}, {900002, "Second"}};

} // namespace

TEST(ResourceStrings, RegisteredBlocksAreFoundByNumber) {
    EXPECT_EQ("Első", LoadStr(900001));
    EXPECT_EQ("Second", LoadStr(900002));
    EXPECT_EQ("", LoadStr(900003));
}

TEST(ResourceStrings, LaterRegistrationReplacesText) {
    RegisterResourceString(900010, "old");
    RegisterResourceStrings({{900010, "new"}, {900011, nullptr}});
    EXPECT_EQ("new", LoadStr(900010));
    EXPECT_EQ("", LoadStr(900011));
}
