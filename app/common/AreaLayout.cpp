#include "app/common/AreaLayout.h"

#include "controls/buttons/ButtonLooks.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

namespace app {

namespace {

constexpr TColor PageColor = 0xF7F5F3;       // warm paper white
constexpr TColor TitleStripColor = 0xEFE9E4; // pale blue-grey
constexpr Integer NavButtonHeight = 30;
constexpr Integer NavButtonGap = 6;
constexpr Integer NavHeadingHeight = 44;

} // namespace

TPanel* MakePanel(TComponent* Owner, TWinControl* Parent, const String& Name, TAlign Align) {
    auto* panel = new TPanel(Owner);
    panel->SetName(Name);
    panel->SetCaption("");
    panel->SetBevelOuter(bvNone);
    panel->SetParentColor(false);
    panel->SetColor(PageColor);
    panel->SetParent(Parent);
    panel->SetAlign(Align);
    return panel;
}

TPanel* MakeArea(TComponent* Owner, TWinControl* Parent, const String& Name) {
    return MakePanel(Owner, Parent, Name, alClient);
}

TPanel* MakeNavColumn(TComponent* Owner, TPanel* Area, const String& Name, const String& Heading) {
    TPanel* column = MakePanel(Owner, Area, Name, alLeft);
    column->SetWidth(NavColumnWidth);
    column->SetColor(looks::HouseBlue);
    auto* heading = new TLabel(Owner);
    heading->SetName(Name + "Heading");
    heading->SetParent(column);
    heading->SetAutoSize(false);
    heading->SetTransparent(true);
    heading->SetWordWrap(true);
    heading->SetBounds(12, 12, NavColumnWidth - 24, NavHeadingHeight - 12);
    heading->SetCaption(Heading);
    heading->Font()->SetName("Arial");
    heading->Font()->SetHeight(-15);
    heading->Font()->SetStyle({fsBold});
    heading->Font()->SetColor(clWhite);
    // A heading too long for one line takes as many as it needs; the buttons go below.
    heading->SetAutoSize(true);
    return column;
}

TPanel* MakeTitleStrip(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Title,
                       Integer Height, Integer FontHeight) {
    TPanel* strip = MakePanel(Owner, Parent, Name, alTop);
    strip->SetHeight(Height);
    strip->SetColor(TitleStripColor);
    auto* caption = new TLabel(Owner);
    caption->SetName(Name + "Label");
    caption->SetParent(strip);
    caption->SetTransparent(true);
    caption->SetLeft(FontHeight > 12 ? 12 : 8);
    caption->SetTop((Height - FontHeight - 2) / 2);
    caption->SetCaption(Title);
    caption->Font()->SetName("Arial");
    caption->Font()->SetHeight(-FontHeight);
    caption->Font()->SetStyle({fsBold});
    caption->Font()->SetColor(looks::HouseBlue);
    return strip;
}

TPanel* MakePage(TComponent* Owner, TPanel* Area, const String& Name, const String& Title) {
    TPanel* page = MakePanel(Owner, Area, Name, alClient);
    MakeTitleStrip(Owner, page, Name + "Title", Title, PageTitleHeight, 14);
    return page;
}

TgxExtSpeedButton* AddNavButton(TComponent* Owner, TPanel* Column, const String& Name, const String& Caption,
                                const String& Hint) {
    Integer top = NavHeadingHeight + 4;
    for (Integer i = 0; i < Column->ControlCount(); ++i) {
        TControl* other = Column->Controls(i);
        if (dynamic_cast<TgxExtSpeedButton*>(other))
            top = std::max(top, other->Top() + other->Height() + NavButtonGap);
        else if (dynamic_cast<TLabel*>(other))
            top = std::max(top, other->Top() + other->Height() + 4);
    }
    auto* button = new TgxExtSpeedButton(Owner);
    button->SetName(Name);
    button->SetParent(Column);
    button->SetBounds(10, top, NavColumnWidth - 20, NavButtonHeight);
    looks::ApplyDarkLook(button);
    button->SetCaption(Caption);
    if (!Hint.empty()) {
        button->SetHint(Hint);
        button->SetShowHint(true);
    }
    return button;
}

TgxExtSpeedButton* MakeToolButton(TComponent* Owner, TWinControl* Parent, const String& Name,
                                  const String& Caption, Integer Left, Integer Top, Integer Width,
                                  const String& Hint) {
    auto* button = new TgxExtSpeedButton(Owner);
    button->SetName(Name);
    button->SetParent(Parent);
    button->SetBounds(Left, Top, Width, 25);
    looks::ApplyLightLook(button);
    button->SetCaption(Caption);
    if (!Hint.empty()) {
        button->SetHint(Hint);
        button->SetShowHint(true);
    }
    return button;
}

TLabel* MakeLabel(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Caption,
                  Integer Left, Integer Top) {
    auto* label = new TLabel(Owner);
    label->SetName(Name);
    label->SetParent(Parent);
    label->SetTransparent(true);
    label->SetLeft(Left);
    label->SetTop(Top);
    label->SetCaption(Caption);
    return label;
}

void BringAreaToFront(TControl* Area, TControl* Page) {
    Area->BringToFront();
    if (Page) Page->BringToFront();
}

} // namespace app
