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
#include <string>

namespace {

struct Ink {
    int Red = 0, Grey = 0; // pixels of the red font, blended or not, and of the grey of disabled text
};

Ink Count(TControl* Control) {
    TBitmap shot;
    ui::Snapshot(Control, &shot);
    Ink ink;
    for (Integer y = 0; y < shot.Height(); ++y)
        for (Integer x = 0; x < shot.Width(); ++x) {
            const TColor c = ColorToRGB(shot.Canvas()->Pixels(x, y));
            ink.Red += GetRValue(c) - std::max(GetGValue(c), GetBValue(c)) > 60;
            ink.Grey += c == ColorToRGB(clGrayText);
        }
    return ink;
}

// How a control shows "WWWW": its caption, an item of its list, the item a drop-down list
// shows chosen, or (a date picker) a date.
enum Showing { Caption, Item, Chosen, Date };

template <class T, Showing How = Caption> TControl* Made(TWinControl* Parent) {
    auto* c = new T(Parent);
    c->SetParent(Parent);
    c->SetBounds(10, 10, 160, 60);
    if constexpr (How == Caption) c->SetCaption("WWWW");
    if constexpr (How == Date) c->SetDate(EncodeDate(2024, 11, 11));
    if constexpr (How == Chosen) c->SetStyle(csDropDownList);
    // Not chosen in a list: a chosen item is drawn in the highlight's colours.
    if constexpr (How == Item || How == Chosen) c->Items()->Add("WWWW");
    if constexpr (How == Chosen) c->SetItemIndex(0);
    return c;
}

const struct {
    const char* Name;
    TControl* (*Make)(TWinControl*); // a control of the kind on the panel
} Kinds[] = {
    {"button", Made<TButton>},
    {"bit button", Made<TBitBtn>},
    {"check box", Made<TCheckBox>},
    {"radio button", Made<TRadioButton>},
    {"label", Made<TLabel>},
    {"speed button", Made<TSpeedButton>},
    {"group box", Made<TGroupBox>},
    {"panel", Made<TPanel>},
    {"edit", Made<TEdit>},
    {"memo", Made<TMemo>},
    {"combo box", Made<TComboBox>},
    {"list combo box", Made<TComboBox, Chosen>},
    {"date picker", Made<TDateTimePicker, Date>},
    {"radio group", Made<TRadioGroup, Item>},
    {"list box", Made<TListBox, Item>},
};

// Each kind, disabled itself and on a disabled panel, loses the red of its font
// for the grey; enabled again, it is red again.
TEST(DisabledLook, TextTurnsGreyWhateverTheFontColour) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    for (const auto& kind : Kinds)
        for (const bool byPanel : {false, true}) {
            SCOPED_TRACE(std::string(kind.Name) + (byPanel ? " on a disabled panel" : " disabled"));
            TPanel holder(nullptr);
            holder.SetParent(&form);
            holder.SetBounds(0, 0, 200, 100);
            TControl* c = kind.Make(&holder);
            c->Font()->SetColor(clRed);
            TControl* off = byPanel ? &holder : c;
            const Ink enabled = Count(&holder);
            off->SetEnabled(false);
            const Ink disabled = Count(&holder);
            off->SetEnabled(true);
            const Ink again = Count(&holder);
            EXPECT_GT(enabled.Red, 0);
            EXPECT_EQ(disabled.Red, 0);
            EXPECT_GT(disabled.Grey, enabled.Grey); // the text itself is still drawn
            EXPECT_EQ(again.Red, enabled.Red);
        }
}

} // namespace
