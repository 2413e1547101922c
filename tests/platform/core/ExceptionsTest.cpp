#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

TEST(Exceptions, DerivedCaughtAsBaseKeepsMessageAndClass) {
    try {
        throw EDatabaseError("no such table: ugy");
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "no such table: ugy");
        EXPECT_STREQ(e.ClassName(), "EDatabaseError");
    }
}

TEST(Exceptions, ReadErrorIsAStreamError) {
    EXPECT_THROW(throw EReadError("Stream read error"), EStreamError);
}
