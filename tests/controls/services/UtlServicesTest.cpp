// What the services object adds for the other UTL components: the one-instance
// guard and its error, the global settings store and the wait cursor.
#include "controls/services/TUtlApplication.h"
#include "controls/lists/TUtlContainer.h"
#include "controls/services/TUtlIniCtrl.h"
#include "controls/common/UtlCheckForSameClass.h"
#include "platform/core/ScopeExit.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TScreen.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

class TOnlyOnce : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return "TOnlyOnce"; }
};
class TOnlyOnceChild : public TOnlyOnce {
public:
    using TOnlyOnce::TOnlyOnce;
};

TEST(UtlCheckForSameClass, OneInstancePerForm) {
    TForm form(nullptr);
    new TOnlyOnce(&form);
    EXPECT_FALSE(UtlCheckForSameClass<TOnlyOnce>(&form, false));
    new TComponent(&form);
    EXPECT_FALSE(UtlCheckForSameClass<TOnlyOnce>(&form, false));
    // A descendant counts as a second instance.
    new TOnlyOnceChild(&form);
    EXPECT_TRUE(UtlCheckForSameClass<TOnlyOnce>(&form, false));
    EXPECT_FALSE(UtlCheckForSameClass(&form, nullptr, false));
    // An owner that is no form is an error whatever the class.
    TComponent plain(nullptr);
    EXPECT_TRUE(UtlCheckForSameClass<TOnlyOnce>(&plain, true));
    EXPECT_TRUE(UtlCheckForSameClass<TOnlyOnce>(nullptr, false));
}

TEST(UtlEOneInstError, MessagesByMode) {
    EXPECT_EQ(UtlEOneInstError("TUtlContainerCtrl", 0).Message(),
              "TUtlContainerCtrl:\rInvalid owner (<>TForm) or second instance on a form");
    EXPECT_EQ(UtlEOneInstError("TUtlFormShape", 1).Message(),
              "TUtlFormShape:\rAlready one TUtlFormShape control in this project!");
    EXPECT_EQ(UtlEOneInstError("X", 2).Message(), "");
}

TEST(UtlServices, SettingsStoreAndWaitCursorFromStartUp) {
    UtlFinalization();
    UtlInitialization();
    core::ScopeExit done([] { UtlFinalization(); });
    ASSERT_NE(UtlApplication, nullptr);
    ASSERT_NE(UtlApplication->IniCtrl(), nullptr);
    EXPECT_EQ(UtlApplication->IniCtrl()->Owner(), nullptr);
    EXPECT_EQ(UtlApplication->IniCtrl()->EffectiveTarget(), itRegistry);
    EXPECT_EQ(Screen->Cursors(crUtlWait), crHourGlass);
    EXPECT_EQ(Screen->Cursors(crIBeam), crIBeam);
}

} // namespace

namespace {

TEST(UtlContainerCtrl, SecondControlOnADesignedFormIsRefused) {
    TForm form(nullptr);
    form.SetDesigning(true);
    auto* first = new TUtlContainerCtrl(&form);
    EXPECT_EQ(ErrorOf<UtlEOneInstError>([&] { new TUtlContainerCtrl(&form); }),
              "TUtlContainerCtrl:\rInvalid owner (<>TForm) or second instance on a form");
    EXPECT_EQ(form.ComponentCount(), 1);
    // At design time the control keeps a container of its own.
    EXPECT_NE(first->Container(), UtlContainer);
}

} // namespace
