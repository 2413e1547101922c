// A disabled control, or one on a disabled panel, draws its text in the grey of
// disabled text whatever its font's colour; enabled, it draws in the font's colour.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/DateTime.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TRadioGroup.h"
#include "platform/ui/TSpeedButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

namespace {

struct Ink {
    int Red = 0;  // pixels of the red font, blended or not
    int Grey = 0; // pixels of the grey of disabled text
};

Ink Count(TControl* Control) {
    TBitmap shot;
    ui::Snapshot(Control, &shot);
    const TColor grey = ColorToRGB(clGrayText);
    Ink ink;
    for (Integer y = 0; y < shot.Height(); ++y)
        for (Integer x = 0; x < shot.Width(); ++x) {
            const TColor c = ColorToRGB(shot.Canvas()->Pixels(x, y));
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if (r - std::max(g, b) > 60) ++ink.Red;
            if (c == grey) ++ink.Grey;
        }
    return ink;
}

struct Kind {
    const char* Name;
    std::function<TControl*(TWinControl*)> Make; // a control of the kind showing "WWWW" on the panel
};

template <class T> T* Made(TWinControl* Parent) {
    auto* c = new T(Parent);
    c->SetParent(Parent);
    c->SetBounds(10, 10, 160, 60);
    return c;
}

template <class T> TControl* Captioned(TWinControl* Parent) {
    T* c = Made<T>(Parent);
    c->SetCaption("WWWW");
    return c;
}

template <class T> TControl* Listing(TWinControl* Parent) {
    T* c = Made<T>(Parent);
    c->Items()->Add("WWWW"); // not selected: a selected item is drawn in the highlight's colours
    return c;
}

const Kind Kinds[] = {
    {"button", Captioned<TButton>},
    {"bit button", Captioned<TBitBtn>},
    {"check box", Captioned<TCheckBox>},
    {"radio button", Captioned<TRadioButton>},
    {"label", Captioned<TLabel>},
    {"speed button", Captioned<TSpeedButton>},
    {"group box", Captioned<TGroupBox>},
    {"panel", Captioned<TPanel>},
    {"edit", Captioned<TEdit>},
    {"memo", Captioned<TMemo>},
    {"combo box", Captioned<TComboBox>},
    {"list combo box",
     [](TWinControl* Parent) {
         auto* c = Made<TComboBox>(Parent);
         c->SetStyle(csDropDownList);
         c->Items()->Add("WWWW");
         c->SetItemIndex(0);
         return c;
     }},
    {"date picker",
     [](TWinControl* Parent) {
         auto* c = Made<TDateTimePicker>(Parent);
         c->SetDate(EncodeDate(2024, 11, 11));
         return c;
     }},
    {"radio group", Listing<TRadioGroup>},
    {"list box", Listing<TListBox>},
};

// Each kind, disabled itself and on a disabled panel, loses the red of its font
// for the grey; enabled again, it is red again.
TEST(DisabledLook, TextTurnsGreyWhateverTheFontColour) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    for (const Kind& kind : Kinds)
        for (const bool byPanel : {false, true}) {
            SCOPED_TRACE(std::string(kind.Name) + (byPanel ? " on a disabled panel" : " disabled"));
            auto holder = std::make_unique<TPanel>(nullptr);
            holder->SetParent(&form);
            holder->SetBounds(0, 0, 200, 100);
            TControl* c = kind.Make(holder.get());
            c->Font()->SetColor(clRed);
            TControl* off = byPanel ? static_cast<TControl*>(holder.get()) : c;
            const Ink enabled = Count(holder.get());
            off->SetEnabled(false);
            const Ink disabled = Count(holder.get());
            off->SetEnabled(true);
            const Ink again = Count(holder.get());
            EXPECT_GT(enabled.Red, 0);
            EXPECT_EQ(disabled.Red, 0);
            EXPECT_GT(disabled.Grey, enabled.Grey); // the text itself is still drawn
            EXPECT_EQ(again.Red, enabled.Red);
        }
}

} // namespace
