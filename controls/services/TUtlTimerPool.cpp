#include "controls/services/TUtlTimerPool.h"

#include "platform/core/ScopeExit.h"
#include "controls/common/UtlConsts.h"
#include "controls/common/UtlProperties.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/SafeCall.h"

#include <algorithm>
#include <limits>

// ---- TUtlTimerItem -------------------------------------------------------------

TUtlTimerItem::TUtlTimerItem(TUtlTimerPool* Pool, TList* List, Word Ident)
    : FIdent(Ident), FList(List), FPool(Pool) {
    if (!Pool || !List) throw EInvalidOperation(ClassName() + ": Invalid Owner or List");
    FDivisor = std::max<Integer>(1, 1000 / Pool->MinInterval());
}

TUtlTimerItem::~TUtlTimerItem() {
    FEnabled = false;
    OnTimer = nullptr;
    const Integer index = FList->Remove(this);
    if (index >= 0) FPool->ItemRemoved(index);
}

void TUtlTimerItem::SetCallCount(Integer Value) {
    if (Value == FCallCount) return;
    FCallCount = Value < -1 ? -1 : Value;
    if (FCallCount == 0) FEnabled = false;
}

void TUtlTimerItem::SetEnabled(bool Value) {
    if (Value == FEnabled || (Value && FCallCount == 0)) return;
    FEnabled = Value;
    FCounter = 0;
}

void TUtlTimerItem::SetInterval(TUtlTimerInterval Value) {
    if (Value == FInterval) return;
    const TUtlTimerInterval base = FPool->MinInterval();
    if (Value % base != 0) return;
    if (Value == 0) Value = base;
    FDivisor = Value / base;
    FInterval = Value;
    FCounter = 0;
}

void TUtlTimerItem::Timer() {
    if (FEnabled) {
        FCounter = FCounter == std::numeric_limits<Integer>::max() ? 0 : FCounter + 1;
        if (FCounter == FCallCount) FEnabled = false;
    }
    // Copies: a handler may remove this very item.
    if (OnTimer) {
        const TNotifyEvent handler = OnTimer;
        handler(FPool);
    } else if (FPool->OnTimer) {
        const TUtlTimerPoolEvent handler = FPool->OnTimer;
        handler(FPool, FIdent, FCounter);
    }
}

// ---- TUtlTimerPool -------------------------------------------------------------

TUtlTimerPool::TUtlTimerPool(TComponent* AOwner) : TUtlCustomComponent(AOwner) {
    utl::RegisterProperties();
    FWindowTimer.OnTick = [this] { TimerMessage(); };
}

TUtlTimerPool::TUtlTimerPool(TComponent* AOwner, TUtlTimerInterval Interval) : TUtlTimerPool(AOwner) {
    if (Interval != 0) FMinInterval = Interval;
}

TUtlTimerPool::~TUtlTimerPool() {
    ClearTimers();
}

void TUtlTimerPool::SetInterval(TUtlTimerInterval Value) {
    const TComponentState state = ComponentState();
    if (Value == 0 || !(state.Contains(csLoading) || state.Contains(csDesigning))) return;
    FMinInterval = Value;
}

Integer TUtlTimerPool::AddTimer(Word Ident, TUtlTimerInterval Interval, TNotifyEvent Handler) {
    if (IndexOf(Ident) >= 0) throw Exception("Timer identifier " + IntToStr(Ident) + " is already in use");
    if (Interval < FMinInterval || Interval % FMinInterval != 0)
        throw Exception(UtlLoadStr(IDS_INTERVALNOTFIT));
    auto* item = new TUtlTimerItem(this, &FItems, Ident);
    const Integer index = FItems.Add(item);
    item->SetInterval(Interval);
    item->OnTimer = std::move(Handler);
    // Deleting the item takes it off the list: no half-added timer stays behind.
    const core::ScopeFail drop([item] { delete item; });
    UpdateMainTimer(true);
    return index;
}

Integer TUtlTimerPool::AddTimerExt(Word Ident, TUtlTimerInterval Interval, Integer CallCount, bool Enabled,
                                   TNotifyEvent Handler) {
    const Integer index = AddTimer(Ident, Interval, std::move(Handler));
    TUtlTimerItem* item = Item(index);
    item->SetCallCount(CallCount);
    item->SetEnabled(Enabled);
    return index;
}

void TUtlTimerPool::RemoveTimer(Word Ident) {
    FLocked = true;
    core::ScopeExit reset([this] { FLocked = false; });
    if (TUtlTimerItem* item = GetTimer(Ident)) {
        item->SetEnabled(false);
        item->OnTimer = nullptr;
        delete item;
        if (FItems.Count() == 0) UpdateMainTimer(false);
    }
}

void TUtlTimerPool::ClearTimers() {
    UpdateMainTimer(false);
    while (FItems.Count() > 0)
        delete Item(FItems.Count() - 1);
}

TUtlTimerItem* TUtlTimerPool::GetTimer(Word Ident) const {
    const Integer index = IndexOf(Ident);
    return index < 0 ? nullptr : Item(index);
}

Integer TUtlTimerPool::IndexOf(Word Ident) const {
    for (Integer i = 0; i < FItems.Count(); ++i)
        if (Item(i)->Ident() == Ident) return i;
    return -1;
}

Integer TUtlTimerPool::GetActiveTimers() const {
    Integer n = 0;
    for (Integer i = 0; i < FItems.Count(); ++i)
        if (Item(i)->Enabled()) ++n;
    return n;
}

void TUtlTimerPool::UpdateMainTimer(bool Enable) {
    if (ComponentState().Contains(csDesigning)) return;
    FActive = false;
    FWindowTimer.Stop();
    if (!Enable || GetActiveTimers() == 0) return;
    if (!FWindowTimer.Start(FMinInterval)) throw EOutOfResources("Not enough timers available");
    FTickCounter = 1;
    FActive = true;
}

void TUtlTimerPool::HandleTimers() {
    if (FLocked) return;
    // A handler may remove items, its own among them; the index follows the
    // list so that every remaining item is still visited once in this tick.
    const Integer outer = FVisiting;
    core::ScopeExit restore([this, outer] { FVisiting = outer; });
    for (FVisiting = 0; FVisiting < FItems.Count(); ++FVisiting) {
        TUtlTimerItem* item = Item(FVisiting);
        if (item->Enabled() && FTickCounter % item->Divisor() == 0) item->Timer();
    }
    FTickCounter = FTickCounter == std::numeric_limits<Integer>::max() ? 0 : FTickCounter + 1;
}

void TUtlTimerPool::ItemRemoved(Integer Index) {
    if (Index <= FVisiting) --FVisiting;
}

void TUtlTimerPool::TimerMessage() {
    if (FBusy) return;
    FBusy = true;
    core::ScopeExit reset([this] { FBusy = false; });
    ui::SafeCall(this, [this] { HandleTimers(); });
}
