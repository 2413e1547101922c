#include "platform/core/Exceptions.h"
#include "support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(Exceptions, DerivedCaughtAsBaseKeepsMessageAndClass) {
    EXPECT_EQ(ErrorOf<Exception>([&] { throw EDatabaseError("no such table: ugy"); }), "no such table: ugy");
    EXPECT_STREQ(e.ClassName(), "EDatabaseError");
}

TEST(Exceptions, ReadErrorIsAStreamError) {
    EXPECT_THROW(throw EReadError("Stream read error"), EStreamError);
}
