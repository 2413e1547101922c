// A small form with the standard controls, rendered off screen and saved as a
// PNG in a fresh temporary folder.
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/TempFolder.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/core/TStrings.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace {

template <class T> T* Place(TWinControl* parent, Integer left, Integer top, Integer width, Integer height) {
    auto* c = new T(parent);
    c->SetBounds(left, top, width, height);
    c->SetParent(parent);
    return c;
}

TLabel* LabelAt(TWinControl* parent, Integer left, Integer top, const String& text) {
    auto* l = Place<TLabel>(parent, left, top, 60, 13);
    l->SetCaption(text);
    return l;
}

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* owner) : TForm(owner) {
        SetCaption("Ügy, alapadatok módosítása");
        SetBorderStyle(bsDialog);
        SetClientWidth(392);
        SetClientHeight(214);
        Header = Place<TPanel>(this, 0, 0, 0, 41);
        Header->SetAlign(alTop);
        Header->SetBevelOuter(bvLowered);
        Header->SetColor(clNavy);
        Header->Font()->SetColor(clWhite);
        Header->Font()->SetStyle({fsBold});
        Header->Font()->SetSize(10);
        Header->SetCaption("2024 / 117");

        LabelAt(this, 16, 59, "&Név:");
        Name = Place<TEdit>(this, 96, 55, 280, 21);
        Name->SetText("Kovács Ödön öröklési ügye");
        LabelAt(this, 16, 87, "&Leírás:");
        Description = Place<TEdit>(this, 96, 83, 280, 21);
        Description->SetText("Hagyatéki eljárás, tárgyalás: 2024.03.12.");
        LabelAt(this, 16, 115, "Ü&gyfél:");
        Client = Place<TComboBox>(this, 96, 111, 280, 21);
        Client->SetStyle(csDropDownList);
        for (const char* item : {"Kovács Ödön (1951.04.02.)", "Szabó Éva (1968.11.30.)"})
            Client->Items()->Add(item);
        Client->SetItemIndex(0);
        Active = Place<TCheckBox>(this, 96, 141, 97, 17);
        Active->SetCaption("&Aktív");
        Active->SetChecked(true);

        Ok = Place<TButton>(this, 220, 176, 75, 25);
        Ok->SetCaption("&Módosít");
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Close = Place<TButton>(this, 301, 176, 75, 25);
        Close->SetCaption("&Bezár");
        Close->SetCancel(true);
        Close->SetModalResult(mrCancel);
    }

    TPanel* Header;
    TEdit* Name;
    TEdit* Description;
    TComboBox* Client;
    TCheckBox* Active;
    TButton* Ok;
    TButton* Close;
};

TEST(DemoForm, RendersATidyClassicForm) {
    TDemoForm form(nullptr);
    form.SetPosition(poScreenCenter);
    form.Show();
    uitest::WaitFor([] { return false; }, 50);

    TBitmap shot;
    ui::Snapshot(&form, &shot);
    EXPECT_EQ(shot.Width(), form.Width());
    EXPECT_EQ(shot.Height(), form.Height());
    // Frame 3, caption 19: the client area starts at (3, 22).
    const Integer cx = 3, cy = 22;
    (void)cy;
    TCanvas* c = shot.Canvas();
    EXPECT_EQ(c->Pixels(cx + 5, cy + 170), RGB(212, 208, 200));            // form face
    EXPECT_EQ(c->Pixels(cx + 200, cy + 20), ColorToRGB(clNavy));           // header panel
    EXPECT_EQ(c->Pixels(cx + 96 + 200, cy + 55 + 10), RGB(255, 255, 255)); // edit inside
    EXPECT_EQ(c->Pixels(cx + 220 + 70, cy + 176 + 5), RGB(212, 208, 200)); // button face
    // Only the default button has the dark outer frame, on all four sides.
    auto dark = [c](Integer x, Integer y) {
        return GetRValue(c->Pixels(x, y)) < 80 && GetGValue(c->Pixels(x, y)) < 80;
    };
    for (auto [x, y] : {std::pair{220, 176}, {220 + 74, 176 + 24}, {220 + 30, 176}, {220, 176 + 12}})
        EXPECT_TRUE(dark(cx + x, cy + y)) << x << "," << y;
    EXPECT_FALSE(dark(cx + 301, cy + 176));
    EXPECT_FALSE(dark(cx + 301 + 30, cy + 176));
    const TColor bar = c->Pixels(cx, 12); // the caption bar starts in the dark active colour
    EXPECT_LT(GetRValue(bar), 30);
    EXPECT_GT(GetBValue(bar), 90);

    TempFolder folder("demoform");
    const std::string png = folder.File("demo_form.png");
    ui::SaveSnapshot(&form, png);
    EXPECT_GT(std::filesystem::file_size(png), 0u);
    form.Hide();
}

TEST(DemoForm, SavingWhereNoFileCanBeMadeRaises) {
    TForm form(nullptr);
    TempFolder folder("demoform");
    const String name = folder.File("missing/x.png");
    EXPECT_EQ(ErrorOf<EFCreateError>([&] { ui::SaveSnapshot(&form, name); }),
              "Cannot create file \"" + name + "\"");
}

} // namespace
