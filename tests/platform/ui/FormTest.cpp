// Showing and closing forms: the modal loop, close protocol, activation
// order, placement and shut-down order.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimer.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Runs Action once from the event loop, after the modal loop has started.
class Later {
public:
    explicit Later(std::function<void()> Action) : FTimer(nullptr) {
        FTimer.SetInterval(5);
        FTimer.OnTimer = [this, Action](TObject*) {
            FTimer.SetEnabled(false);
            Action();
        };
        FTimer.Restart();
    }

private:
    TTimer FTimer;
};

TEST(ModalLoop, EndsWithTheModalResultSet) {
    TForm form(nullptr);
    Later later([&] { form.SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Modal());
}

TEST(ModalLoop, CloseOfAModalFormAnswersCancel) {
    TForm form(nullptr);
    Later later([&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(ModalLoop, TheCloseBoxOfAModalFormAnswersCancel) {
    TForm form(nullptr);
    Later later([&] { ui::SimulateCloseBox(&form); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(ModalLoop, CloseQueryRefusalKeepsTheLoopRunning) {
    TForm form(nullptr);
    int asked = 0;
    form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    TTimer timer(nullptr);
    timer.SetInterval(5);
    timer.OnTimer = [&](TObject*) { form.SetModalResult(mrYes); };
    timer.Restart();
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_EQ(asked, 2);
}

TEST(ModalLoop, ShowingAVisibleFormModallyRaises) {
    TForm form(nullptr);
    form.Show();
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { form.ShowModal(); }), "Cannot make a visible window modal");
    form.Hide();
}

TEST(ModalLoop, ShowModalCanBeRepeated) {
    TForm form(nullptr);
    int shown = 0;
    form.OnShow = [&](TObject*) { ++shown; };
    for (TModalResult r : {mrOk, mrNo}) {
        Later later([&form, r] { form.SetModalResult(r); });
        EXPECT_EQ(form.ShowModal(), r);
    }
    EXPECT_EQ(shown, 2);
}

// A failing OnHide must not leave the form modal, or it could never be shown modally again.
TEST(ModalLoop, AFailingOnHideStillEndsTheModalState) {
    TForm form(nullptr);
    form.OnHide = [](TObject*) { throw Exception("elrejtés"); };
    {
        Later later([&] { form.SetModalResult(mrOk); });
        EXPECT_EQ(ErrorOf<Exception>([&] { form.ShowModal(); }), "elrejtés");
    }
    EXPECT_FALSE(form.Modal());
    form.OnHide = nullptr;
    Later later([&] { form.SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(CloseProtocol, CloseHidesAnOrdinaryForm) {
    TForm form(nullptr);
    std::string events;
    form.OnCloseQuery = [&](TObject*, bool&) { events += "query,"; };
    form.OnClose = [&](TObject*, TCloseAction& a) {
        events += "close,";
        EXPECT_EQ(a, caHide);
    };
    form.OnHide = [&](TObject*) { events += "hide,"; };
    form.Show();
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(events, "query,close,hide,");
}

TEST(CloseProtocol, CaNoneKeepsTheFormOpen) {
    TForm form(nullptr);
    form.OnClose = [](TObject*, TCloseAction& a) { a = caNone; };
    form.Show();
    form.Close();
    EXPECT_TRUE(form.Visible());
    form.OnClose = nullptr;
    form.Hide();
}

TEST(CloseProtocol, CaFreeDeletesTheFormAfterTheEvent) {
    auto* form = new TForm(nullptr);
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
    form->Show();
    form->Close();
    EXPECT_FALSE(destroyed);
    EXPECT_TRUE(uitest::WaitFor([&] { return destroyed; }));
}

TEST(CloseProtocol, ClosingTheMainFormEndsTheRun) {
    // Termination is for good, so the run happens in a fresh process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TForm* main = nullptr;
            Application->CreateForm(main);
            Later later([&] { ui::SimulateCloseBox(main); });
            Application->Run();
            std::exit(Application->Terminated() ? 3 : 0);
        },
        ::testing::ExitedWithCode(3), "");
}

TEST(CloseProtocol, TerminateBeforeRunEndsWithoutShowingTheMainForm) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TForm* main = nullptr;
            Application->CreateForm(main);
            int shown = 0;
            main->OnShow = [&](TObject*) { ++shown; };
            Application->Terminate();
            Application->Run();
            std::exit(shown == 0 ? 4 : 1);
        },
        ::testing::ExitedWithCode(4), "");
}

TEST(CloseProtocol, AMainFormThatCannotShowEndsTheRunWithItsError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TForm* main = nullptr;
            Application->CreateForm(main);
            main->OnShow = [](TObject*) { throw EDatabaseError("database is locked"); };
            const String error = ErrorOf<EDatabaseError>([] { Application->Run(); });
            std::exit(error == "database is locked" && !main->Visible() ? 5 : 1);
        },
        ::testing::ExitedWithCode(5), "");
}

TEST(Activation, ShowingAFormActivatesItAndHidingItReturnsToThePrevious) {
    TForm first(nullptr), second(nullptr);
    std::string events;
    first.OnActivate = [&](TObject*) { events += "A1,"; };
    first.OnDeactivate = [&](TObject*) { events += "D1,"; };
    second.OnActivate = [&](TObject*) { events += "A2,"; };
    second.OnDeactivate = [&](TObject*) { events += "D2,"; };
    first.Show();
    second.Show();
    EXPECT_EQ(Screen->ActiveForm(), &second);
    second.Hide();
    EXPECT_EQ(Screen->ActiveForm(), &first);
    EXPECT_EQ(events, "A1,D1,A2,D2,A1,");
    first.Hide();
}

// A dialog left open beside the main window and asked for again takes the keyboard with it:
// what the user types next goes to the box they were typing in.
TEST(Activation, ShowingAnOpenFormAgainGivesItTheKeyboard) {
    TForm dialog(nullptr), main(nullptr);
    auto* box = new TEdit(&dialog);
    box->SetParent(&dialog);
    dialog.Show();
    ASSERT_TRUE(uitest::WaitFor([&] { return box->Focused(); }));
    main.Show();
    ASSERT_TRUE(uitest::WaitFor([&] { return !box->Focused(); }));
    dialog.Show();
    EXPECT_TRUE(uitest::WaitFor([&] { return box->Focused(); }));
    EXPECT_EQ(Screen->ActiveForm(), &dialog);
    dialog.Hide();
    main.Hide();
}

TEST(Activation, ReturningFromAModalDialogReactivatesTheOpener) {
    TForm sheet(nullptr), dialog(nullptr);
    int activations = 0;
    sheet.OnActivate = [&](TObject*) { ++activations; };
    sheet.Show();
    Later later([&] { dialog.SetModalResult(mrOk); });
    dialog.ShowModal();
    EXPECT_EQ(activations, 2);
    EXPECT_EQ(Screen->ActiveForm(), &sheet);
    sheet.Hide();
}

TEST(Placement, ScreenCentreIsWorkedOutFromTheScreenSize) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    form.SetPosition(poScreenCenter);
    form.Show();
    EXPECT_EQ(form.Left(), (Screen->Width() - 300) / 2);
    EXPECT_EQ(form.Top(), (Screen->Height() - 200) / 2);
    form.Hide();
}

TEST(Placement, OnShowRunsWithVisibleSetBeforeTheWindowAppears) {
    TForm form(nullptr);
    bool visibleInShow = false, showingInShow = true;
    form.OnShow = [&](TObject*) {
        visibleInShow = form.Visible();
        showingInShow = form.Showing();
    };
    form.Show();
    EXPECT_TRUE(visibleInShow);
    EXPECT_FALSE(showingInShow);
    EXPECT_TRUE(form.Showing());
    form.Hide();
}

TEST(Placement, AnExceptionInOnShowLeavesTheFormHidden) {
    TForm form(nullptr);
    form.OnShow = [](TObject*) { throw Exception("show failed"); };
    EXPECT_EQ(ErrorOf<Exception>([&] { form.Show(); }), "show failed");
    EXPECT_FALSE(form.Visible());
}

struct TProbeForm : TForm {
    static TProbeForm* Instance;
    int Created = 0;
    explicit TProbeForm(TComponent* owner) : TForm(owner) {
        OnCreate = [this](TObject*) {
            ++Created;
            EXPECT_EQ(Instance, this);
        };
    }
};
TProbeForm* TProbeForm::Instance = nullptr;

TEST(Creation, CreateFormRunsOnCreateOnceWithTheReferenceSet) {
    Application->CreateForm(TProbeForm::Instance);
    TProbeForm::Instance->AfterConstruction();
    EXPECT_EQ(TProbeForm::Instance->Created, 1);
    delete TProbeForm::Instance;
}

TEST(Shutdown, FormsAreDestroyedLastCreatedFirst) {
    struct TOrderForm : TForm {
        std::string* Log;
        char Id;
        TOrderForm(TComponent* owner) : TForm(owner), Log(nullptr), Id('?') {}
        ~TOrderForm() override { *Log += Id; }
    };
    std::string log;
    TComponent app(nullptr);
    for (char id : {'1', '2', '3'}) {
        auto* f = new TOrderForm(&app);
        f->Log = &log;
        f->Id = id;
    }
    EXPECT_EQ(Screen->FormCount() >= 3, true);
    app.DestroyComponents();
    EXPECT_EQ(log, "321");
}

TEST(Shutdown, ScreenForgetsDestroyedForms) {
    const Integer before = Screen->FormCount();
    {
        TForm form(nullptr);
        EXPECT_EQ(Screen->FormCount(), before + 1);
        EXPECT_EQ(Screen->Forms(before), &form);
    }
    EXPECT_EQ(Screen->FormCount(), before);
    EXPECT_EQ(ErrorOf<EListError>([&] { Screen->Forms(before); }),
              "List index out of bounds (" + std::to_string(before) + ")");
}

} // namespace
