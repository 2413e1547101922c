#include "platform/ui/TComboBox.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/QtCanvasBackend.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/ControlCanvas.h"
#include "platform/ui/ItemStrings.h"
#include "platform/ui/SharedItems.h"
#include "platform/ui/detail/OwnerDrawDelegate.h"
#include "platform/ui/detail/PlainTextDelegate.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionComboBox>
#include <QStandardItemModel>
#include <QStylePainter>

namespace {
QComboBox* Combo(const TControl* c) {
    return static_cast<QComboBox*>(c->Widget());
}
} // namespace

TComboBox::TComboBox(TComponent* AOwner)
    : TWinControl(AOwner, ui::NewWidget<QComboBox>()), FItems(std::make_unique<ui::ItemStrings>()) {
    QComboBox* c = Combo(this);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(FDropDownCount);
    FItems->MirrorTo(FSyncing,
                     {
                         [this](Integer i, const String& s) {
                             QComboBox* box = Combo(this);
                             // The toolkit selects the first item added to an empty box; forms that fill a
                             // combo and then test ItemIndex for -1 ("nothing chosen yet") rely on it not
                             // doing so.
                             const int current = box->currentIndex();
                             const QString text = box->currentText();
                             box->insertItem(i, ui::ToQt(s));
                             if (current < 0) {
                                 box->setCurrentIndex(-1);
                                 if (box->isEditable()) box->setEditText(text);
                             }
                         },
                         [this](Integer i) { Combo(this)->removeItem(i); },
                         [this](Integer i, const String& s) { Combo(this)->setItemText(i, ui::ToQt(s)); },
                         [this] { Combo(this)->clear(); },
                         [this](const ui::SharedItems* items) { ShowShared(items); },
                     });
    QObject::connect(c, qOverload<int>(&QComboBox::activated), [this](int) {
        FAwaitsCompletion = false;
        ui::SafeCall(this, [this] {
            if (OnSelect) OnSelect(this);
            Change();
        });
    });
    WatchTyping();
    SetParentColor(false);
    SetColor(clWindow);
    ColorChanged(); // clWindow is the starting value, so SetColor alone changes nothing
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
    FPlainDelegate = new ui::PlainTextDelegate(c);
    c->setItemDelegate(FPlainDelegate);
    FOwnerDelegate = new ui::OwnerDrawDelegate(
        [this](QPainter* painter, const QRect& r, int row, TOwnerDrawState state) {
            ui::SafeCall(this, [&] {
                TCanvas canvas(std::make_unique<graphics::QtCanvasBackend>(
                    painter, TSize(painter->device()->width(), painter->device()->height())));
                DrawItemOn(&canvas, row, ui::FromQRect(r), state);
            });
        },
        [this] { return int(FItemHeight); }, c);
}

TComboBox::~TComboBox() {
    FItems->StopMirroring();
}

TStrings* TComboBox::Items() const {
    return FItems.get();
}

void TComboBox::ShareItems(std::shared_ptr<const ui::SharedItems> Items) {
    FItems->Share(std::move(Items));
}

void TComboBox::ShowShared(const ui::SharedItems* Items) {
    QComboBox* c = Combo(this);
    const QString text = c->isEditable() ? c->currentText() : QString();
    // A box made for its own items deletes them with the model it owned.
    c->setModel(Items ? Items->Model() : new QStandardItemModel(0, 1, c));
    // Every row is one line high: the list lays out a long shared list without
    // measuring each text, and the box keeps the width it was given.
    if (auto* list = qobject_cast<QListView*>(c->view())) list->setUniformItemSizes(Items != nullptr);
    c->setSizeAdjustPolicy(Items ? QComboBox::AdjustToMinimumContentsLengthWithIcon
                                 : QComboBox::AdjustToContentsOnFirstShow);
    c->setCurrentIndex(-1);
    if (c->isEditable()) c->setEditText(Items ? QString() : text);
}

Integer TComboBox::ItemIndex() const {
    return Combo(this)->currentIndex();
}

void TComboBox::SetItemIndex(Integer v) {
    QComboBox* c = Combo(this);
    if (v < 0 || v >= c->count()) v = -1;
    FSyncing = true;
    core::ScopeExit reset([this] { FSyncing = false; });
    c->setCurrentIndex(v);
    if (v < 0 && c->isEditable()) c->setEditText(QString());
}

String TComboBox::Text() const {
    return ui::FromQt(Combo(this)->currentText());
}

void TComboBox::SetText(const String& v) {
    QComboBox* c = Combo(this);
    FSyncing = true;
    core::ScopeExit reset([this] { FSyncing = false; });
    if (c->isEditable()) {
        c->setEditText(ui::ToQt(v));
    } else {
        const int i = c->findText(ui::ToQt(v), Qt::MatchExactly);
        if (i >= 0) c->setCurrentIndex(i);
    }
}

void TComboBox::SetStyle(TComboBoxStyle v) {
    FStyle = v;
    QComboBox* c = Combo(this);
    const int index = c->currentIndex();
    c->setItemDelegate(OwnerDrawn() ? FOwnerDelegate : FPlainDelegate);
    c->setEditable(v == csDropDown || v == csSimple);
    if (c->isEditable()) {
        c->setInsertPolicy(QComboBox::NoInsert);
        WatchTyping();
        if (FMaxLength > 0) c->lineEdit()->setMaxLength(FMaxLength);
    }
    c->setCurrentIndex(index);
}

void TComboBox::WatchTyping() {
    QLineEdit* edit = Combo(this)->lineEdit();
    QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& typed) {
        FTyped = ui::FromQt(typed);
        FAwaitsCompletion = true;
        ui::SafeCall(this, [this] { Change(); });
    });
    // The inline completion that follows typing sets the text without calling it
    // an edit: it is reported too, so OnChange and Text() end on what the box
    // shows (a form choosing a partner by name sees the whole name, not the
    // typed prefix).
    QObject::connect(edit, &QLineEdit::textChanged, [this](const QString& text) {
        if (!FAwaitsCompletion) return;
        const String shown = ui::FromQt(text);
        if (shown == FTyped) return;
        FAwaitsCompletion = false;
        if (FSyncing || shown.size() <= FTyped.size() || !shown.starts_with(FTyped)) return;
        ui::SafeCall(this, [this] { Change(); });
    });
}

void TComboBox::SetDropDownCount(Integer v) {
    FDropDownCount = v;
    Combo(this)->setMaxVisibleItems(std::max(v, 1));
}

bool TComboBox::Sorted() const {
    return FItems->Sorted();
}
void TComboBox::SetSorted(bool v) {
    FItems->SetSorted(v);
}

void TComboBox::SetMaxLength(Integer v) {
    FMaxLength = std::max(v, 0);
    if (QLineEdit* e = Combo(this)->lineEdit()) e->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

bool TComboBox::DroppedDown() const {
    return Combo(this)->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool v) {
    if (v == DroppedDown()) return;
    if (v)
        Combo(this)->showPopup();
    else
        Combo(this)->hidePopup();
}

void TComboBox::Clear() {
    FItems->Clear();
    SetItemIndex(-1);
}

void TComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TComboBox::ColorChanged() {
    QPalette pal = Widget()->palette();
    pal.setColor(QPalette::Base, ui::ToQColor(Color()));
    Widget()->setPalette(pal);
    TWinControl::ColorChanged();
}

void TComboBox::SetItemHeight(Integer v) {
    if (v < 1) return;
    FItemHeight = v;
    // The list asks the delegate again only when told its items changed.
    Combo(this)->view()->doItemsLayout();
}

TCanvas* TComboBox::Canvas() const {
    return FCanvas ? FCanvas : ui::MeasureCanvas(FMeasure, Font());
}

void TComboBox::DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State) {
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    FCanvas->TextRect(Rect, Rect.Left + 2, Rect.Top, FItems->Get(Index));
}

void TComboBox::DrawItemOn(TCanvas* Canvas, Integer Index, const TRect& Rect, TOwnerDrawState State) {
    ui::PrepareCanvas(Canvas, Font(), Color());
    if (State.Contains(odSelected)) {
        Canvas->Brush()->SetColor(clHighlight);
        Canvas->Font()->SetColor(clHighlightText);
    }
    Canvas->FillRect(Rect);
    TCanvas* saved = FCanvas;
    FCanvas = Canvas;
    core::ScopeExit restore([&] { FCanvas = saved; });
    if (Index >= 0 && Index < FItems->Count()) DrawItem(Index, Rect, State);
    if (State.Contains(odFocused)) Canvas->DrawFocusRect(Rect);
}

void TComboBox::PaintFace() {
    QComboBox* c = Combo(this);
    QStylePainter painter(c);
    QStyleOptionComboBox option;
    option.initFrom(c);
    option.editable = false;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    const bool dropped = c->view()->isVisible();
    if (dropped) option.state |= QStyle::State_On;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect r = c->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c);
    TCanvas canvas(std::make_unique<graphics::QtCanvasBackend>(&painter, TSize(c->width(), c->height())));
    TOwnerDrawState state{odComboBoxEdit};
    if (c->hasFocus() && !dropped) state += TOwnerDrawState{odSelected, odFocused};
    if (!c->isEnabled()) state.Include(odDisabled);
    DrawItemOn(&canvas, c->currentIndex(), ui::FromQRect(r), state);
}

bool TComboBox::WidgetEvent(QEvent* Event) {
    if (Event->type() == QEvent::Paint && OwnerDrawn()) {
        PaintFace();
        return true;
    }
    return TWinControl::WidgetEvent(Event);
}
