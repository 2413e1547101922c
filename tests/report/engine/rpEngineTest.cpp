#include "report/engine/rpEngine.h"
#include "report/common/detail/rpRegistry.h"

#include <gtest/gtest.h>

TEST(rpEngine, EngineStartRegistersTheRichViewOnce) {
    rpInitEngine();
    rpDoneEngine();
    rpInitEngine();
    Integer found = 0;
    for (Integer i = 0; i < rpAddInsCount; ++i)
        found += rpAddIns[i].ClassName == "TrpRichView";
    EXPECT_EQ(found, 1);
}
