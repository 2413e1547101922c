#include "platform/ui/TGroupBox.h"

#include "platform/graphics/TextMeasurer.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/detail/QtSupport.h"

#include <QGroupBox>

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QGroupBox>()) {
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::TextChanged() {
    static_cast<QGroupBox*>(Widget())->setTitle(ui::ToQt(Text()));
}

void TGroupBox::AdjustClientRect(TRect& Rect) const {
    Rect = ClientRect();
    Rect.Top += graphics::DefaultTextMeasurer().Metrics(Font()->State()).Height;
    // The frame: one line, and one more for the 3-D look.
    InflateRect(Rect, -2, -2);
}
