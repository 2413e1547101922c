#include "platform/ui/TRadioGroup.h"

#include "platform/graphics/TFont.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/ui/ItemStrings.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QRadioButton>

TRadioGroup::TRadioGroup(TComponent* AOwner)
    : TGroupBox(AOwner), FItems(std::make_unique<ui::ItemStrings>()) {
    FItems->OnInserted = [this](Integer, const String&) { RebuildButtons(); };
    FItems->OnDeleted = [this](Integer) { RebuildButtons(); };
    FItems->OnChanged = [this](Integer i, const String& s) {
        FButtons[std::size_t(i)]->setText(ui::ToQt(s));
    };
    FItems->OnCleared = [this] { RebuildButtons(); };
    SetTabStop(true);
}

TRadioGroup::~TRadioGroup() {
    FItems->OnInserted = nullptr;
    FItems->OnDeleted = nullptr;
    FItems->OnChanged = nullptr;
    FItems->OnCleared = nullptr;
}

TStrings* TRadioGroup::Items() const {
    return FItems.get();
}

void TRadioGroup::RebuildButtons() {
    for (QRadioButton* b : FButtons)
        delete b;
    FButtons.clear();
    for (Integer i = 0; i < FItems->Count(); ++i) {
        auto* b = new QRadioButton(ui::ToQt(FItems->Strings(i)), Widget());
        b->setAutoExclusive(false);
        b->setFont(ui::ToQFont(Font()));
        b->setEnabled(Enabled());
        QObject::connect(b, &QRadioButton::clicked, [this, i] { ButtonClicked(i); });
        b->show();
        FButtons.push_back(b);
    }
    if (FItemIndex >= Integer(FButtons.size())) FItemIndex = Integer(FButtons.size()) - 1;
    if (FItemIndex >= 0) FButtons[std::size_t(FItemIndex)]->setChecked(true);
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (FButtons.empty()) return;
    // Equal cells below the caption, filled column by column (forms place their groups by it).
    const Integer count = Integer(FButtons.size());
    const Integer perColumn = (count + FColumns - 1) / FColumns;
    const Integer buttonWidth = (Width() - 10) / FColumns;
    const Integer textHeight = graphics::DefaultTextMeasurer().Metrics(Font()->State()).Height;
    const Integer room = Height() - textHeight - 5;
    const Integer buttonHeight = room / perColumn;
    const Integer topMargin = textHeight + 1 + (room % perColumn) / 2;
    for (Integer i = 0; i < count; ++i)
        FButtons[std::size_t(i)]->setGeometry((i / perColumn) * buttonWidth + 8,
                                              (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                              buttonHeight);
}

void TRadioGroup::ButtonClicked(Integer Index) {
    ui::SafeCall(this, [this, Index] { SetItemIndex(Index); });
    // A click on the checked button leaves it checked.
    if (FItemIndex == Index) FButtons[std::size_t(Index)]->setChecked(true);
}

void TRadioGroup::SetItemIndex(Integer v) {
    v = std::clamp(v, -1, Integer(FButtons.size()) - 1);
    if (v == FItemIndex) return;
    if (FItemIndex >= 0) FButtons[std::size_t(FItemIndex)]->setChecked(false);
    FItemIndex = v;
    if (v >= 0) FButtons[std::size_t(v)]->setChecked(true);
    Click();
}

void TRadioGroup::SetColumns(Integer v) {
    FColumns = std::clamp(v, 1, 16);
    ArrangeButtons();
}

void TRadioGroup::Resize() {
    ArrangeButtons();
    TGroupBox::Resize();
}

void TRadioGroup::FontChanged() {
    TGroupBox::FontChanged();
    for (QRadioButton* b : FButtons)
        b->setFont(ui::ToQFont(Font()));
    ArrangeButtons();
}

void TRadioGroup::EnabledChanged() {
    for (QRadioButton* b : FButtons)
        b->setEnabled(Enabled());
}
