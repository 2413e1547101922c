#include "report/common/detail/rpRegistry.h"
#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(rpRegistry, AThirtyThirdRegistrationIsRefused) {
    while (rpToolsCount < rpMaxRegistryEntries)
        rpRegisterTool("Tool", nullptr, nullptr);
    EXPECT_EQ(ErrorOf<EListError>([] { rpRegisterTool("Extra", nullptr, nullptr); }),
              "Report registry full: Extra");
    EXPECT_EQ(rpToolsCount, rpMaxRegistryEntries);
}
