#pragma once
// Building blocks of the main window's work areas: flat stacked panels, the dark
// navigation column on the left of each area, and pages with a title strip.
#include "platform/core/Types.h"
#include "platform/ui/UiTypes.h"

class TComponent;
class TControl;
class TLabel;
class TPanel;
class TWinControl;
class TgxExtSpeedButton;

namespace app {

inline constexpr Integer NavColumnWidth = 150;
inline constexpr Integer PageTitleHeight = 30;

// A borderless panel named Name on Parent, aligned as given.
TPanel* MakePanel(TComponent* Owner, TWinControl* Parent, const String& Name, TAlign Align);

// An area: a panel over the whole client area of Parent.
TPanel* MakeArea(TComponent* Owner, TWinControl* Parent, const String& Name);

// The navigation column on the left of Area, headed by Heading.
TPanel* MakeNavColumn(TComponent* Owner, TPanel* Area, const String& Name, const String& Heading);

// A page of Area (beside its navigation column), with Title in a strip at its top.
// Content goes on the page below the strip.
TPanel* MakePage(TComponent* Owner, TPanel* Area, const String& Name, const String& Title);

// A pale strip along the top of Parent with Title in bold house blue, FontHeight
// pixels high. The caption label is named Name + "Label".
TPanel* MakeTitleStrip(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Title,
                       Integer Height, Integer FontHeight);

// A dark button under the ones already in Column.
TgxExtSpeedButton* AddNavButton(TComponent* Owner, TPanel* Column, const String& Name, const String& Caption,
                                const String& Hint = String());

// Brings Area to the front of the stacked areas, then Page (one of its pages) when given.
void BringAreaToFront(TControl* Area, TControl* Page = nullptr);

// A light toolbar button at the given place on Parent.
TgxExtSpeedButton* MakeToolButton(TComponent* Owner, TWinControl* Parent, const String& Name,
                                  const String& Caption, Integer Left, Integer Top, Integer Width,
                                  const String& Hint = String());

// A plain label at the given place on Parent.
TLabel* MakeLabel(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Caption,
                  Integer Left, Integer Top);

} // namespace app
