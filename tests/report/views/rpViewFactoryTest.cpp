#include "report/views/detail/rpViewFactory.h"
#include "platform/core/Exceptions.h"
#include "report/common/detail/rpGlobals.h"
#include "report/engine/rpEngine.h"
#include "report/views/TrpRichView.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(rpCreateObject, BuiltInCodesCreateTheirClassesAndTakeTheNextIdentifier) {
    const Integer first = ObjectCounter;
    const char* classes[] = {"TrpMemoView", "TrpPictureView", "TrpBandView", "TrpSubReportView",
                             "TrpLineView"};
    for (Byte code = 0; code <= 4; ++code) {
        std::unique_ptr<TrpView> view(rpCreateObject(code, ""));
        ASSERT_TRUE(view);
        EXPECT_EQ(view->ClassName(), classes[code]);
        EXPECT_EQ(view->Typ, code);
        EXPECT_EQ(view->ID, first + code);
    }
    EXPECT_EQ(ObjectCounter, first + 5);
}

TEST(rpCreateObject, UnusedCodesCreateNothingAndKeepTheCounter) {
    const Integer before = ObjectCounter;
    for (Byte code : {Byte(5), Byte(7), Byte(9), Byte(11), Byte(200)})
        EXPECT_EQ(rpCreateObject(code, ""), nullptr);
    EXPECT_EQ(ObjectCounter, before);
}

TEST(rpCreateObject, AddInsAreFoundByTheirExactClassName) {
    rpInitEngine();
    std::unique_ptr<TrpView> rich(rpCreateObject(gtAddIn, "TrpRichView"));
    ASSERT_TRUE(dynamic_cast<TrpRichView*>(rich.get()));
    EXPECT_EQ(rich->Typ, 10);
    EXPECT_EQ(ErrorOf<EClassNotFound>([] { rpCreateObject(gtAddIn, "trpRichView"); }),
              "Не найден класс trpRichView");
    EXPECT_EQ(ErrorOf<EClassNotFound>([] { rpCreateObject(gtAddIn, ""); }), "Не найден класс ");
}
