#include "platform/ui/TInplaceEdit.h"

#include "platform/core/ScopeExit.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/detail/TypingLimit.h"
#include "platform/ui/VirtualKeys.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMargins>
#include <QToolButton>

#include <algorithm>

namespace {
// Entries the drop-down shows before it scrolls.
constexpr int VisibleListEntries = 8;
} // namespace

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TWinControl(AGrid, new QLineEdit), FGrid(AGrid) {
    Edit()->setFrame(false);
    QObject::connect(Edit(), &QLineEdit::textEdited, [this](const QString& Text) {
        ui::LimitTyping(Edit(), FMaxLength, static_cast<Integer>(Text.size()));
        if (!FSetting) TextTyped();
    });
    SetVisible(false);
}

TInplaceEdit::~TInplaceEdit() {
    // The list lives beside the editor, not inside it.
    delete FList;
}

QLineEdit* TInplaceEdit::Edit() const {
    return static_cast<QLineEdit*>(Widget());
}

void TInplaceEdit::TextTyped() {
    // A key typed puts the grid's record into edit state at once, so a move or an append
    // that follows posts the text instead of dropping it; a cell that cannot change
    // takes back the text it had. Marked modified first: the record's change of state
    // then leaves the typed text in place.
    const bool wasModified = FModified;
    FModified = true;
    if (!FGrid->CanEditModify()) {
        FModified = wasModified;
        SetText(FAcceptedText);
        return;
    }
    FAcceptedText = Text();
    if (OnChange) OnChange(this);
}

String TInplaceEdit::Text() const {
    return ui::FromQt(Edit()->text());
}

void TInplaceEdit::SetText(const String& v) {
    FSetting = true;
    core::ScopeExit reset([this] { FSetting = false; });
    const QString text = ui::ToQt(v);
    // A cell's text longer than the limit goes in whole.
    ui::LimitTyping(Edit(), FMaxLength, static_cast<Integer>(text.size()));
    Edit()->setText(text);
    FAcceptedText = v;
}

void TInplaceEdit::SetMaxLength(Integer Value) {
    FMaxLength = std::max(Value, 0);
    ui::LimitTyping(Edit(), FMaxLength, static_cast<Integer>(Edit()->text().size()));
}

void TInplaceEdit::SelectAll() {
    Edit()->selectAll();
}

void TInplaceEdit::SelectEnd() {
    Edit()->deselect();
    Edit()->end(false);
}

void TInplaceEdit::SetEditStyle(TEditStyle Value) {
    if (Value != esPickList) CloseUp(false);
    FEditStyle = Value;
    if (Value != esSimple && !FButton) {
        FButton = new QToolButton(Edit());
        FButton->setFocusPolicy(Qt::NoFocus);
        // The editor takes the press itself, the same road as its other mouse input.
        FButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    if (FButton) {
        FButton->setArrowType(Value == esPickList ? Qt::DownArrow : Qt::NoArrow);
        FButton->setText(Value == esEllipsis ? QStringLiteral("\u2026") : QString());
    }
    LayoutButton();
}

void TInplaceEdit::SetPickList(std::vector<String> Value) {
    CloseUp(false);
    FPickList = std::move(Value);
}

TRect TInplaceEdit::ButtonRect() const {
    if (FEditStyle == esSimple) return {};
    Integer w = std::min(GetSystemMetrics(SM_CXVSCROLL), Width());
    return Rect(Width() - w, 0, Width(), Height());
}

void TInplaceEdit::LayoutButton() {
    TRect r = ButtonRect();
    if (FButton) {
        FButton->setVisible(FEditStyle != esSimple);
        FButton->setGeometry(ui::ToQRect(r));
    }
    // The text never runs under the button.
    Edit()->setTextMargins(0, 0, r.Width(), 0);
}

void TInplaceEdit::Resize() {
    TWinControl::Resize();
    LayoutButton();
}

void TInplaceEdit::ButtonClick() {
    if (FEditStyle == esPickList) {
        if (FListVisible)
            CloseUp(false);
        else
            DropDown();
    } else if (FEditStyle == esEllipsis)
        FGrid->EditButtonClick();
}

void TInplaceEdit::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TWinControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && PtInRect(ButtonRect(), TPoint(X, Y))) ButtonClick();
}

void TInplaceEdit::DropDown() {
    if (FEditStyle != esPickList || FListVisible || FPickList.empty()) return;
    QWidget* host = Edit()->parentWidget();
    if (!host) return;
    if (!FList) {
        FList = new QListWidget(host);
        FList->setFocusPolicy(Qt::NoFocus);
        QObject::connect(FList, &QListWidget::itemClicked, [this](QListWidgetItem* Item) {
            SetListItemIndex(FList->row(Item));
            CloseUp(true);
        });
    }
    FList->clear();
    FListIndex = -1;
    String text = Text();
    for (std::size_t i = 0; i < FPickList.size(); ++i) {
        FList->addItem(ui::ToQt(FPickList[i]));
        if (FListIndex < 0 && FPickList[i] == text) FListIndex = Integer(i);
    }
    FList->setCurrentRow(FListIndex);
    int rows = std::min<int>(int(FPickList.size()), VisibleListEntries);
    int rowHeight = std::max(FList->sizeHintForRow(0), 1);
    int height = rows * rowHeight + 2 * FList->frameWidth();
    int width = std::max(Width(), 100);
    QRect cell = Edit()->geometry();
    // Below the cell when it fits, else above it.
    int top = cell.bottom() + 1;
    if (top + height > host->height() && cell.top() - height >= 0) top = cell.top() - height;
    FList->setGeometry(cell.left(), top, width, height);
    FList->raise();
    FList->show();
    FListVisible = true;
}

void TInplaceEdit::CloseUp(bool Accept) {
    if (!FListVisible) return;
    FListVisible = false;
    if (FList) FList->hide();
    if (!Accept || FListIndex < 0 || FListIndex >= Integer(FPickList.size())) return;
    // A cell that cannot change keeps its text.
    if (!FGrid->CanEditModify()) return;
    SetText(FPickList[std::size_t(FListIndex)]);
    SelectAll();
    TextTyped();
}

void TInplaceEdit::SetListItemIndex(Integer Value) {
    if (FPickList.empty()) return;
    FListIndex = std::clamp(Value, Integer(0), Integer(FPickList.size()) - 1);
    if (FList) FList->setCurrentRow(FListIndex);
}

bool TInplaceEdit::ListKey(Word Key) {
    Integer page = VisibleListEntries;
    switch (Key) {
    case VK_UP:
        SetListItemIndex(FListIndex - 1);
        return true;
    case VK_DOWN:
        SetListItemIndex(FListIndex + 1);
        return true;
    case VK_PRIOR:
        SetListItemIndex(FListIndex - page);
        return true;
    case VK_NEXT:
        SetListItemIndex(FListIndex + page);
        return true;
    case VK_RETURN:
        CloseUp(true);
        return true;
    case VK_ESCAPE:
        CloseUp(false);
        return true;
    case VK_TAB:
        CloseUp(false);
        return false;
    default:
        return false;
    }
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    if (FListVisible) {
        if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
            CloseUp(true);
            Key = 0;
            return;
        }
        if (ListKey(Key)) {
            Key = 0;
            return;
        }
    }
    if (FEditStyle == esPickList && Key == VK_DOWN && Shift.Contains(ssAlt)) {
        DropDown();
        Key = 0;
        return;
    }
    if (FEditStyle == esEllipsis && Key == VK_RETURN && Shift.Contains(ssCtrl)) {
        ButtonClick();
        Key = 0;
        return;
    }
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_TAB:
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        break;
    default:
        break;
    }
}
