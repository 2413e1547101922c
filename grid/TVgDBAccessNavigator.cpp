#include "grid/TVgDBAccessNavigator.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/VirtualKeys.h"

namespace {

constexpr Integer UnitWidth = 20, UnitHeight = 21;

void Box(TCanvas* C, Integer L, Integer T, Integer R, Integer B) {
    C->FillRect(Rect(L, T, R, B));
}

// A triangle 4 wide and 7 high pointing left or right, its tip at column X.
void Arrow(TCanvas* C, Integer X, bool Left) {
    for (Integer i = 0; i < 4; ++i) {
        Integer x = Left ? X + i : X - i;
        Box(C, x, 4 - i + 1, x + 1, 4 + i + 2);
    }
}

// Our own glyphs: black marks on a silver background, drawn once per button.
std::unique_ptr<TBitmap> MakeGlyph(TVgANavigateBtn Button) {
    auto bmp = std::make_unique<TBitmap>(11, 11);
    TCanvas* C = bmp->Canvas();
    C->Brush()->SetColor(clSilver);
    Box(C, 0, 0, 11, 11);
    C->Brush()->SetColor(clBlack);
    switch (Button) {
    case sbaFirst:
        Box(C, 2, 2, 4, 9);
        Arrow(C, 4, true);
        break;
    case sbaPrior:
        Arrow(C, 3, true);
        break;
    case sbaNext:
        Arrow(C, 7, false);
        break;
    case sbaLast:
        Arrow(C, 6, false);
        Box(C, 7, 2, 9, 9);
        break;
    case sbaNew:
        Box(C, 4, 1, 7, 10);
        Box(C, 1, 4, 10, 7);
        break;
    case sbaInsert:
        Box(C, 1, 8, 10, 10);
        Box(C, 4, 0, 7, 7);
        Box(C, 2, 2, 9, 5);
        break;
    case sbaDelete:
        Box(C, 1, 4, 10, 7);
        break;
    default:
        break;
    }
    return bmp;
}

} // namespace

// ---- Button -------------------------------------------------------------------

TVgANavButton::TVgANavButton(TVgDBAccessNavigator* Navigator)
    : TSpeedButton(Navigator), FNavigator(Navigator) {}

TVgANavButton::~TVgANavButton() = default;

void TVgANavButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    FNavigator->BtnMouseDown(this);
    if (Button != mbLeft || !FNavStyle.Contains(nsAllowTimer)) return;
    if (!FRepeatTimer) {
        FRepeatTimer = std::make_unique<TTimer>(nullptr);
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->OnTimer = [this](TObject*) { TimerExpired(); };
    }
    FHeld = true;
    FRepeatTimer->SetInterval(400);
    FRepeatTimer->SetEnabled(true);
}

void TVgANavButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    FHeld = false;
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    TSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TVgANavButton::TimerExpired() {
    FRepeatTimer->SetInterval(100);
    if (FHeld && State() == bsDown && Enabled()) FNavigator->BtnClick(TVgANavigateBtn(Tag()));
}

void TVgANavButton::Paint() {
    TSpeedButton::Paint();
    TWinControl* parent = Parent();
    if (!parent || !parent->Focused() ||
        FNavigator->GetButtonControl(TVgANavigateBtn(FNavigator->FocusedIndex())) != this)
        return;
    TRect r = Rect(3, 3, Width() - 3, Height() - 3);
    if (State() == bsDown) OffsetRect(r, 1, 1);
    Canvas()->DrawFocusRect(r);
}

// ---- Data link -----------------------------------------------------------------

void TVgANavDataLink::ActiveChanged() {
    FNavigator->ActiveChanged();
}

void TVgANavDataLink::DataSetChanged() {
    FNavigator->DataChanged();
}

void TVgANavDataLink::DataSetScrolled(Integer) {
    FNavigator->DataChanged();
    FNavigator->DataSetScrolled();
}

void TVgANavDataLink::EditingChanged() {
    FNavigator->EditingChanged();
}

// ---- Navigator ------------------------------------------------------------------

TVgDBAccessNavigator::TVgDBAccessNavigator(TComponent* AOwner)
    : TPanel(AOwner), FDataLink(std::make_unique<TVgANavDataLink>(this)) {
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    SetCaption("");
    SetBounds(0, 0, 241, 25);
    SetTabStop(true);
    InitButtons();
}

TVgDBAccessNavigator::~TVgDBAccessNavigator() {
    FDataLink->SetDataSource(nullptr);
}

TDataSource* TVgDBAccessNavigator::DataSource() const {
    return FDataLink->DataSource();
}

void TVgDBAccessNavigator::SetDataSource(TDataSource* Value) {
    FDataLink->SetDataSource(Value);
    if (!ComponentState().Contains(csLoading)) ActiveChanged();
    if (Value) Value->FreeNotification(this);
}

void TVgDBAccessNavigator::Notification(TComponent* AComponent, TOperation Operation) {
    TPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && FDataLink && AComponent == DataSource()) SetDataSource(nullptr);
}

void TVgDBAccessNavigator::Loaded() {
    TPanel::Loaded();
    ActiveChanged();
}

void TVgDBAccessNavigator::SetVisibleButtons(TVgAButtonSet Value) {
    FVisibleButtons = Value;
    InitButtons();
    Invalidate();
}

void TVgDBAccessNavigator::SetFlat(bool Value) {
    FFlat = Value;
    for (Integer i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TVgANavButton*>(Controls(i))) b->SetFlat(Value);
}

void TVgDBAccessNavigator::InitButtons() {
    while (ControlCount() > 0)
        delete Controls(ControlCount() - 1);
    Integer x = 0;
    for (Integer i = sbaFirst; i <= sbaDelete; ++i) {
        auto btn = TVgANavigateBtn(i);
        if (!FVisibleButtons.Contains(btn)) continue;
        auto place = [&](TControl* c, Integer units) {
            c->SetTag(i);
            c->SetBounds(x, 0, units * UnitWidth, UnitHeight);
            c->SetParent(this);
            x += units * UnitWidth;
        };
        if (btn == sbaRecNo || btn == sbaRecordCount) {
            if (btn == sbaRecordCount) {
                auto* of = new TLabel(this);
                of->SetAutoSize(false);
                of->SetAlignment(taCenter);
                of->SetCaption(" of ");
                place(of, 1);
            }
            auto* edit = new TEdit(this);
            place(edit, 3);
            if (btn == sbaRecordCount)
                edit->SetReadOnly(true);
            else
                edit->OnKeyDown = [this](TObject*, Word& Key, TShiftState) {
                    if (Key == VK_RETURN) BtnClick(sbaRecNo);
                };
            continue;
        }
        auto* b = new TVgANavButton(this);
        b->SetFlat(FFlat);
        b->SetGlyph(MakeGlyph(btn).get());
        if (btn == sbaPrior || btn == sbaNext) b->SetNavStyle(TVgANavButtonStyle{nsAllowTimer});
        b->OnClick = [this, btn](TObject*) { BtnClick(btn); };
        place(b, 1);
    }
    FFocusedButton = 0;
    ActiveChanged();
}

TControl* TVgDBAccessNavigator::GetButtonControl(TVgANavigateBtn Button) const {
    for (Integer i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Tag() == Button && !dynamic_cast<TLabel*>(Controls(i))) return Controls(i);
    return nullptr;
}

TEdit* TVgDBAccessNavigator::RecNoEdit() const {
    return dynamic_cast<TEdit*>(GetButtonControl(sbaRecNo));
}

TEdit* TVgDBAccessNavigator::RecordCountEdit() const {
    return dynamic_cast<TEdit*>(GetButtonControl(sbaRecordCount));
}

void TVgDBAccessNavigator::BtnClick(TVgANavigateBtn Button) {
    TDataSet* ds = FDataLink->DataSet();
    if (!DataSource() || !DataSource()->Enabled() || !ds) return;
    bool designing = ComponentState().Contains(csDesigning);
    if (BeforeAction && !designing) {
        bool canClick = true;
        BeforeAction(this, Button, canClick);
        if (!canClick) return;
    }
    switch (Button) {
    case sbaFirst:
        ds->First();
        break;
    case sbaPrior:
        ds->Prior();
        break;
    case sbaNext:
        ds->Next();
        break;
    case sbaLast:
        ds->Last();
        break;
    case sbaNew:
        ds->Append();
        break;
    case sbaInsert:
        ds->Insert();
        break;
    case sbaDelete:
        if (!FConfirmDelete ||
            MessageDlg("Delete a record?", mtConfirmation, TMsgDlgButtons{mbOK, mbCancel}) == mrOk)
            ds->Delete();
        break;
    case sbaRecNo:
        if (TEdit* edit = RecNoEdit()) {
            Integer n = 0;
            // Not a number: no move and no message, the text stays.
            if (!TryStrToInt(Trim(edit->Text()), n)) break;
            // Any record from the first to the last.
            if (n > 0 && n <= ds->RecordCount())
                ds->SetRecNo(n);
            else
                edit->SetText(IntToStr(ds->RecNo()));
        }
        break;
    case sbaRecordCount:
        break;
    }
    if (OnClick && !designing) OnClick(this, Button);
}

void TVgDBAccessNavigator::DataChanged() {
    bool active = Enabled() && FDataLink->Active();
    TDataSet* ds = FDataLink->DataSet();
    bool up = active && !ds->Bof();
    bool down = active && !ds->Eof();
    bool modify = active && ds->CanModify() && !(ds->Bof() && ds->Eof());
    auto enable = [&](TVgANavigateBtn b, bool on) {
        if (TControl* c = GetButtonControl(b)) c->SetEnabled(on);
    };
    enable(sbaFirst, up);
    enable(sbaPrior, up);
    enable(sbaNext, down);
    enable(sbaLast, down);
    enable(sbaRecNo, modify);
    enable(sbaDelete, modify);
    if (TEdit* e = RecNoEdit()) e->SetText(active ? IntToStr(ds->RecNo()) : String());
    if (TEdit* e = RecordCountEdit()) e->SetText(active ? IntToStr(ds->RecordCount()) : String());
}

void TVgDBAccessNavigator::EditingChanged() {
    bool on = Enabled() && FDataLink->Active() && FDataLink->DataSet()->CanModify();
    for (TVgANavigateBtn b : {sbaNew, sbaInsert})
        if (TControl* c = GetButtonControl(b)) c->SetEnabled(on);
}

void TVgDBAccessNavigator::ActiveChanged() {
    if (!FDataLink) return;
    if (!Enabled() || !FDataLink->Active()) {
        for (Integer i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(false);
        if (TEdit* e = RecNoEdit()) e->SetText("");
        if (TEdit* e = RecordCountEdit()) e->SetText("");
        return;
    }
    // The count and its label only show: they are readable whenever data is.
    for (Integer i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Tag() == sbaRecordCount) Controls(i)->SetEnabled(true);
    DataChanged();
    EditingChanged();
}

void TVgDBAccessNavigator::DataSetScrolled() {
    if (TEdit* e = RecNoEdit())
        e->SetText(FDataLink->DataSet() ? IntToStr(FDataLink->DataSet()->RecNo()) : String());
}

void TVgDBAccessNavigator::EnabledChanged() {
    TPanel::EnabledChanged();
    ActiveChanged();
}

void TVgDBAccessNavigator::RepaintChild(Integer Index) {
    if (Index >= 0 && Index < ControlCount()) Controls(Index)->Invalidate();
}

void TVgDBAccessNavigator::SetFocusedIndex(Integer Index) {
    if (Index == FFocusedButton) return;
    Integer old = FFocusedButton;
    FFocusedButton = Index;
    RepaintChild(old);
    RepaintChild(Index);
}

void TVgDBAccessNavigator::BtnMouseDown(TControl* Child) {
    for (Integer i = 0; i < ControlCount(); ++i)
        if (Controls(i) == Child) {
            if (!Focused() && CanFocus()) SetFocus();
            SetFocusedIndex(i);
            return;
        }
}

bool TVgDBAccessNavigator::WantsKey(Word Key) const {
    return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_SPACE;
}

void TVgDBAccessNavigator::KeyDown(Word& Key, TShiftState Shift) {
    TPanel::KeyDown(Key, Shift);
    if (ControlCount() == 0) return;
    switch (Key) {
    case VK_SPACE:
        if (auto* b = dynamic_cast<TVgANavButton*>(Controls(FFocusedButton)); b && b->Enabled())
            BtnClick(TVgANavigateBtn(b->Tag()));
        break;
    case VK_LEFT:
        SetFocusedIndex(0);
        break;
    case VK_RIGHT:
        SetFocusedIndex(ControlCount() - 1);
        break;
    default:
        break;
    }
}

void TVgDBAccessNavigator::DoEnter() {
    TPanel::DoEnter();
    RepaintChild(FFocusedButton);
}

void TVgDBAccessNavigator::DoExit() {
    TPanel::DoExit();
    RepaintChild(FFocusedButton);
}
