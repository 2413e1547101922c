// Form-resource round trips of the library's published properties: what a
// configured object writes, and that reading it into a fresh one gives the
// same object (it writes the same text again).
#include "controls/GxSystemRoutines.h"
#include "controls/TgxExtSpeedButton.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TLabel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A form stand-in owning the control under test and a label it can refer to.
struct Holder {
    Holder() {
        form.SetName("Form1");
        label->SetName("Label1");
    }
    TComponent form{nullptr};
    TLabel* label = new TLabel(&form);
};

template <class T> struct Row {
    const char* Why;
    std::function<void(T*, Holder&)> Configure;
    const char* Expected; // lines the text holds, in order
};

// Configures a fresh T, checks its text and that a second fresh T read from
// that text writes it again.
template <class T> void RoundTrip(const Row<T>& row) {
    SCOPED_TRACE(row.Why);
    Holder from;
    T* a = new T(&from.form);
    a->SetName("Subject");
    row.Configure(a, from);
    const String text = ComponentToString(a);
    EXPECT_NE(text.find(row.Expected), String::npos) << text;
    Holder to;
    T* b = new T(&to.form);
    b->SetName("Subject");
    StringToComponent(b, text);
    EXPECT_EQ(ComponentToString(b), text);
}

} // namespace

TEST(PublishedPropertiesTest, SpeedButtonsRoundTrip) {
    using B = TgxExtSpeedButton;
    const Row<B> rows[] = {
        // The extended button's colours live in its styles; the Part's
        // always-stored three are the only plain lines at the defaults.
        {"defaults", [](B*, Holder&) {},
         "object Subject: TgxExtSpeedButton\n  FrameColor = clBlack\n  DefaultStyle = False\n"
         "  ModalResult = 0\n  Style.Color = "},
        {"frame colour without a name, and a caption",
         [](B* b, Holder&) {
             b->SetFrameColor(8271404);
             b->SetCaption("Mentés");
         },
         "  Caption = 'Ment"},
        {"named frame colour", [](B* b, Holder&) { b->SetFrameColor(clNavy); }, "  FrameColor = clNavy\n"},
        {"hover gradient",
         [](B* b, Holder&) {
             b->StyleActive()->Gradient()->SetActive(true);
             b->StyleActive()->Gradient()->SetOrientation(fgdHorzConvergent);
         },
         "  StyleActive.Gradient.Active = True\n  StyleActive.Gradient.Orientation = fgdHorzConvergent\n"},
        {"style font and caption gradient are written though they do not notify",
         [](B* b, Holder&) {
             b->StylePushed()->Font()->SetStyle({fsBold});
             b->StylePushed()->TextGradient()->SetToColor(clRed);
         },
         "  StylePushed.Font.Style = [fsBold]\n"},
        {"linked control by its owner's and its own name",
         [](B* b, Holder& h) { b->SetControl(h.label); }, "  Control = Form1.Label1\n"},
        {"geometry only where it differs from a new button",
         [](B* b, Holder&) { b->SetBounds(0, 8, 90, 22); }, "  Top = 8\n  Width = 90\n"},
        {"glyph bytes", [](B* b, Holder&) { b->Glyph()->SetSize(4, 4); }, "  Glyph.Data = {"},
        {"modal result, not default style",
         [](B* b, Holder&) {
             b->SetModalResult(mrOk);
             b->SetDefaultStyle(true);
             b->SetFrame(false);
         },
         "  Frame = False\n  FrameColor = clBlack\n  DefaultStyle = True\n  ModalResult = 1\n"},
    };
    for (const Row<B>& row : rows)
        RoundTrip(row);

    using P = TgxSpeedButton;
    const Row<P> plain[] = {
        // Color and ActiveColor carry the published default 0: any other value is written.
        {"plain button colours", [](P* b, Holder&) { b->SetActiveColor(clYellow); },
         "  ActiveColor = clYellow\n"},
        {"grouped down button",
         [](P* b, Holder&) {
             b->SetGroupIndex(2);
             b->SetDown(true);
         },
         "  GroupIndex = 2\n  Down = True\n"},
    };
    for (const Row<P>& row : plain)
        RoundTrip(row);
}

TEST(PublishedPropertiesTest, UnknownReferenceRaises) {
    Holder h;
    auto* b = new TgxSpeedButton(&h.form);
    b->SetName("B");
    try {
        StringToComponent(b, "object B: TgxSpeedButton\n  Control = Nowhere\nend\n");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Error reading B.Control: Invalid property value");
    }
    EXPECT_EQ(b->Control(), nullptr);
}
