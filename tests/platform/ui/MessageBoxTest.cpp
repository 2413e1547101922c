// Message boxes and dialogs: the style bits map to buttons, icon and default,
// and the answers come back as the system call's results.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/UiTypes.h"
#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using ui::DialogIcon;

// The box that Show opens, as it showed before Enter answered it.
ui::WindowLayout AnsweredBox(const std::function<void()>& Show) {
    ui::WindowLayout box;
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.OnTimer = [&](TObject*) {
        box = ui::ActiveWindowLayout();
        if (box.Buttons.empty()) return;
        timer.SetEnabled(false);
        ui::SimulateKeyInActiveWindow(VK_RETURN);
    };
    timer.Restart();
    Show();
    return box;
}

TEST(MessageBoxStyle, BitsChooseButtonsIconAndDefault) {
    struct Row {
        Cardinal Flags;
        std::vector<Integer> Buttons;
        DialogIcon Icon;
        Integer Default;
    };
    const Row rows[] = {
        {0x31, {IDOK, IDCANCEL}, DialogIcon::Exclamation, IDOK}, // the confirmation of the forms
        {MB_OK, {IDOK}, DialogIcon::None, IDOK},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {IDYES, IDNO}, DialogIcon::Question, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}, DialogIcon::None, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_ICONSTOP, {IDABORT, IDRETRY, IDIGNORE}, DialogIcon::Stop, IDABORT},
        {MB_RETRYCANCEL | MB_ICONINFORMATION, {IDRETRY, IDCANCEL}, DialogIcon::Information, IDRETRY},
        {MB_OK | MB_DEFBUTTON3, {IDOK}, DialogIcon::None, IDOK}, // no third button: the first
    };
    for (const Row& row : rows) {
        uitest::DialogRecorder boxes(IDOK);
        MessageBox(nullptr, "Valóban törölni akarja a bejegyzést?", "Figyelmeztetés!", row.Flags);
        ASSERT_EQ(boxes.Requests.size(), 1u);
        const ui::DialogRequest& r = boxes.Requests[0];
        EXPECT_EQ(r.Buttons, row.Buttons) << row.Flags;
        EXPECT_EQ(r.Icon, row.Icon) << row.Flags;
        EXPECT_EQ(r.DefaultButton, row.Default) << row.Flags;
        EXPECT_EQ(r.Caption, "Figyelmeztetés!");
        EXPECT_EQ(r.Text, "Valóban törölni akarja a bejegyzést?");
    }
}

TEST(MessageBoxStyle, TheAnswerIsReturned) {
    {
        uitest::DialogRecorder boxes(IDCANCEL);
        EXPECT_EQ(Application->MessageBox("Biztos?", "Figyelmeztetés!", 0x31), IDCANCEL);
    }
    uitest::DialogRecorder boxes(IDOK);
    EXPECT_EQ(Application->MessageBox("Biztos?", "Figyelmeztetés!", 0x31), IDOK);
}

// A message taller or wider than the screen (a failed statement of thousands of
// characters, one unbroken word, hundreds of lines): the box shown stays on the screen
// with its button inside it, and Enter answers it.
TEST(MessageBoxOnScreen, ALongMessageKeepsTheBoxAndItsButtonsOnTheScreen) {
    String statement = "UPDATE ugyitem SET megjegyzes='";
    while (statement.size() < 7000)
        statement += "Hosszú esemény szövege, ";
    String lines;
    for (int i = 0; i < 400; ++i)
        lines += "sor " + std::to_string(i) + "\n";
    const struct {
        const char* Why;
        String Text;
    } rows[] = {
        {"a statement of 7,000 characters", statement + "' WHERE sorszam=1"},
        {"one word of 3,000 characters", String(3000, 'x')},
        {"400 lines", lines},
    };
    uitest::DialogRecorder shown{ui::DialogHook{}};
    const TRect screen = Screen->WorkAreaRect();
    auto inside = [](const TRect& Inner, const TRect& Outer) {
        return Inner.Left >= Outer.Left && Inner.Top >= Outer.Top && Inner.Right <= Outer.Right &&
               Inner.Bottom <= Outer.Bottom;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        const ui::WindowLayout box =
            AnsweredBox([&] { EXPECT_EQ(MessageBox(nullptr, row.Text, "Hiba", MB_OK | MB_ICONSTOP), IDOK); });
        ASSERT_EQ(box.Buttons.size(), 1u);
        EXPECT_TRUE(inside(box.Frame, screen));
        EXPECT_TRUE(inside(box.Buttons[0], box.Frame));
    }
}

// Every box starts a new line at a carriage return, a line feed or the pair.
TEST(MessageBoxOnScreen, EachFormOfLineBreakStartsALine) {
    using Lines = std::vector<String>;
    const struct {
        const char* Why;
        std::function<void(const String&)> Show;
        String Text;
        Lines Shown;
    } rows[] = {
        {"the report build's error: a carriage return before each line",
         [](const String& t) { MessageBox(nullptr, t, "Error", MB_OK | MB_ICONERROR); },
         "An error occured during calculating\r[Ugyek.\"Ugyszam\"]\rReport: rpReport1\rBand: Master data",
         {"An error occured during calculating", "[Ugyek.\"Ugyszam\"]", "Report: rpReport1",
          "Band: Master data"}},
        {"the pair is one break",
         [](const String& t) { MessageDlg(t, mtError, {mbOK}); },
         "Első sor\r\nMásodik sor",
         {"Első sor", "Második sor"}},
        {"a line feed alone", [](const String& t) { ShowMessage(t); }, "Első\nMásodik", {"Első", "Második"}},
        {"two carriage returns leave an empty line, in the exception box",
         [](const String& t) { Application->ShowException(Exception(t)); },
         "Hiba\r\rRészletek",
         {"Hiba", "", "Részletek."}},
        {"a line feed then a carriage return are two breaks",
         [](const String& t) { Application->MessageBox(t, "Hiba", MB_OK); },
         "a\n\rb",
         {"a", "", "b"}},
        {"a break at the end adds no line, in the input box's prompt",
         [](const String& t) {
             String value;
             InputQuery("Cím", t, value);
         },
         "Új név:\r\n",
         {"Új név:"}},
    };
    uitest::DialogRecorder shown{ui::DialogHook{}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        EXPECT_EQ(AnsweredBox([&] { row.Show(row.Text); }).Lines, row.Shown);
    }
}

TEST(MessageDlgStyle, TypeGivesCaptionAndIcon) {
    Application->SetTitle("Velmora");
    struct Row {
        TMsgDlgType Type;
        const char* Caption;
        DialogIcon Icon;
    };
    const Row rows[] = {{mtWarning, "Warning", DialogIcon::Exclamation},
                        {mtError, "Error", DialogIcon::Stop},
                        {mtInformation, "Information", DialogIcon::Information},
                        {mtConfirmation, "Confirmation", DialogIcon::Question},
                        {mtCustom, "Velmora", DialogIcon::None}};
    for (const Row& row : rows) {
        uitest::DialogRecorder boxes(mrOk);
        MessageDlg("Szöveg", row.Type, {mbOK});
        ASSERT_EQ(boxes.Requests.size(), 1u);
        EXPECT_EQ(boxes.Requests[0].Kind, ui::DialogKind::MessageDlg);
        EXPECT_EQ(boxes.Requests[0].Caption, row.Caption);
        EXPECT_EQ(boxes.Requests[0].Icon, row.Icon);
    }
}

TEST(MessageDlgStyle, ButtonsInTheLibrarysOrderWithItsDefault) {
    uitest::DialogRecorder boxes(mrNo);
    EXPECT_EQ(MessageDlg("Mentsük?", mtConfirmation, {mbCancel, mbNo, mbYes}), mrNo);
    EXPECT_EQ(boxes.Requests[0].Buttons, (std::vector<Integer>{mrYes, mrNo, mrCancel}));
    EXPECT_EQ(boxes.Requests[0].DefaultButton, mrYes);
}

TEST(ShowMessageBox, UsesTheTitleAndOk) {
    Application->SetTitle("Velmora 2.0");
    uitest::DialogRecorder boxes(mrOk);
    ShowMessage("A fájl nem található");
    ASSERT_EQ(boxes.Requests.size(), 1u);
    EXPECT_EQ(boxes.Requests[0].Caption, "Velmora 2.0");
    EXPECT_EQ(boxes.Requests[0].Text, "A fájl nem található");
    EXPECT_EQ(boxes.Requests[0].Buttons, std::vector<Integer>{mrOk});
}

TEST(InputBoxes, ConfirmedTextComesBack) {
    uitest::DialogRecorder boxes(mrOk, "új érték");
    EXPECT_EQ(InputBox("Cím", "Név:", "régi"), "új érték");
    ASSERT_EQ(boxes.Requests.size(), 1u);
    EXPECT_EQ(boxes.Requests[0].Kind, ui::DialogKind::InputBox);
    EXPECT_EQ(boxes.Requests[0].Value, "régi");
    EXPECT_EQ(boxes.Requests[0].Text, "Név:");
}

TEST(InputBoxes, CancelKeepsTheDefault) {
    uitest::DialogRecorder boxes(mrCancel, "ignored");
    EXPECT_EQ(InputBox("Cím", "Név:", "régi"), "régi");
    String value = "x";
    EXPECT_FALSE(InputQuery("Cím", "Név:", value));
    EXPECT_EQ(value, "x");
}

} // namespace
