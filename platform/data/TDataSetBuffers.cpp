// The record window of TDataSet: the buffers the links see and the moves that
// scroll it.
#include "platform/data/TDataSet.h"

#include "platform/core/ScopeExit.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSource.h"

#include <algorithm>
#include <utility>

void TDataSet::FreeRecordBuffer(TRecordBuffer& Buffer) {
    delete Buffer;
    Buffer = nullptr;
}

void TDataSet::UpdateBufferCount() {
    // While the dataset is being destroyed its cursor is gone with its subclass.
    if (ComponentState().Contains(csDestroying) || !IsCursorOpen()) return;
    Integer count = 1;
    for (TDataSource* source : FDataSources)
        for (TDataLink* link : source->FDataLinks)
            count = std::max(count, link->FBufferCount);
    // A one-directional cursor cannot refill a window backwards.
    if (FUniDirectional) count = 1;
    SetBufferCount(count);
}

void TDataSet::SetBufListSize(Integer Value) {
    const auto size = static_cast<size_t>(Value);
    while (FBuffers.size() > size) {
        FreeRecordBuffer(FBuffers.back());
        FBuffers.pop_back();
    }
    FBuffers.reserve(size);
    while (FBuffers.size() < size) {
        TRecordBuffer buffer = AllocRecordBuffer();
        buffer->CalcValues.assign(static_cast<size_t>(FCalcFieldsCount), TFieldData());
        FBuffers.push_back(buffer);
    }
}

void TDataSet::FreeBuffers() {
    SetBufListSize(0);
    FBufferCount = 0;
}

void TDataSet::SetBufferCount(Integer Value) {
    if (FBufferCount == Value) return;
    auto linksOf = [this](auto&& Visit) {
        for (TDataSource* source : FDataSources)
            for (TDataLink* link : source->FDataLinks)
                if (link->Active()) Visit(link);
    };
    if (FBufferCount > Value && FRecordCount > 0) {
        // Keep the records from the earliest link window on, but never lose the
        // active record: it must stay inside the smaller window.
        Integer delta = FActiveRecord;
        linksOf([&](TDataLink* link) { delta = std::min(delta, link->FFirstRecord); });
        delta = std::max(delta, FActiveRecord - Value + 1);
        delta = std::max(0, std::min(delta, FRecordCount - 1));
        for (Integer i = 0; i < Value && i + delta < static_cast<Integer>(FBuffers.size()); ++i)
            MoveBuffer(i + delta, i);
        FActiveRecord -= delta;
        FRecordCount = std::min(FRecordCount - delta, Value);
        if (FCurrentRecord >= FRecordCount) FCurrentRecord = -1;
        linksOf([&](TDataLink* link) { link->FFirstRecord = std::max(0, link->FFirstRecord - delta); });
    }
    SetBufListSize(Value + 1);
    FBufferCount = Value;
    GetNextRecords();
    const Integer added = GetPriorRecords();
    linksOf([&](TDataLink* link) { link->FFirstRecord += added; });
}

void TDataSet::ClearBuffers() {
    FRecordCount = 0;
    FActiveRecord = 0;
    FCurrentRecord = -1;
    FBOF = true;
    FEOF = true;
}

void TDataSet::ActivateBuffers() {
    FRecordCount = 1;
    FActiveRecord = 0;
    FCurrentRecord = 0;
    FBOF = false;
    FEOF = false;
}

void TDataSet::MoveBuffer(Integer CurIndex, Integer NewIndex) {
    if (CurIndex == NewIndex) return;
    auto begin = FBuffers.begin();
    if (CurIndex < NewIndex)
        std::rotate(begin + CurIndex, begin + CurIndex + 1, begin + NewIndex + 1);
    else
        std::rotate(begin + NewIndex, begin + CurIndex, begin + CurIndex + 1);
    // The cursor's record keeps its buffer, wherever that buffer went.
    if (FCurrentRecord < 0) return;
    if (FCurrentRecord == CurIndex)
        FCurrentRecord = NewIndex;
    else if (CurIndex < NewIndex && FCurrentRecord > CurIndex && FCurrentRecord <= NewIndex)
        --FCurrentRecord;
    else if (CurIndex > NewIndex && FCurrentRecord >= NewIndex && FCurrentRecord < CurIndex)
        ++FCurrentRecord;
}

void TDataSet::SetCurrentRecord(Integer Index) {
    if (FCurrentRecord == Index) return;
    if (!FUniDirectional) {
        TRecordBuffer buffer = FBuffers[static_cast<size_t>(Index)];
        switch (GetBookmarkFlag(buffer)) {
        case bfCurrent:
        case bfInserted:
            InternalSetToRecord(buffer);
            break;
        case bfBOF:
            InternalFirst();
            break;
        case bfEOF:
            InternalLast();
            break;
        }
    }
    FCurrentRecord = Index;
}

void TDataSet::UpdateCursorPos() {
    if (FRecordCount > 0) SetCurrentRecord(FActiveRecord);
}

TGetResult TDataSet::FetchRecord(TRecordBuffer Buffer, TGetMode GetMode, bool DoCheck) {
    for (;;) {
        TGetResult result = GetRecord(Buffer, GetMode, DoCheck);
        if (result != grOK) return result;
        GetCalcFields(Buffer);
        if (FilterAccepts(Buffer)) return grOK;
        if (GetMode == gmCurrent) return grError;
    }
}

bool TDataSet::FilterAccepts(TRecordBuffer Buffer) {
    if (!FFiltered || !OnFilterRecord) return true;
    const TDataSetState saved = SetTempState(dsFilter);
    const TRecordBuffer savedBuffer = std::exchange(FFilterBuffer, Buffer);
    const core::ScopeExit restore([&] {
        FFilterBuffer = savedBuffer;
        RestoreState(saved);
    });
    bool accept = true;
    OnFilterRecord(this, accept);
    return accept;
}

bool TDataSet::GetNextRecord() {
    TGetMode mode = gmNext;
    if (FRecordCount > 0) {
        SetCurrentRecord(FRecordCount - 1);
        if (FState == dsInsert && FCurrentRecord == FActiveRecord &&
            GetBookmarkFlag(ActiveBuffer()) == bfCurrent)
            mode = gmCurrent;
    }
    const bool ok = FetchRecord(FBuffers[static_cast<size_t>(FRecordCount)], mode, true) == grOK;
    if (!ok) {
        CursorPosChanged();
        return false;
    }
    if (FRecordCount == 0)
        ActivateBuffers();
    else if (FRecordCount < FBufferCount)
        ++FRecordCount;
    else
        MoveBuffer(0, FRecordCount);
    // The cursor now sits on the record just fetched, the window's last.
    FCurrentRecord = FRecordCount - 1;
    return true;
}

bool TDataSet::GetPriorRecord() {
    CheckBiDirectional();
    if (FRecordCount > 0) SetCurrentRecord(0);
    const bool ok = FetchRecord(FBuffers[static_cast<size_t>(FRecordCount)], gmPrior, true) == grOK;
    if (!ok) {
        CursorPosChanged();
        return false;
    }
    if (FRecordCount == 0) {
        ActivateBuffers();
    } else {
        MoveBuffer(FRecordCount, 0);
        if (FRecordCount < FBufferCount) {
            ++FRecordCount;
            ++FActiveRecord;
        }
    }
    FCurrentRecord = 0;
    return true;
}

Integer TDataSet::GetNextRecords() {
    Integer count = 0;
    while (FRecordCount < FBufferCount && GetNextRecord())
        ++count;
    return count;
}

Integer TDataSet::GetPriorRecords() {
    if (FUniDirectional) return 0;
    Integer count = 0;
    while (FRecordCount < FBufferCount && GetPriorRecord())
        ++count;
    return count;
}

void TDataSet::First() {
    CheckBrowseMode();
    DoBeforeScroll();
    ClearBuffers();
    {
        const core::ScopeExit atStart([this] {
            FBOF = true;
            DataEvent(deDataSetChange, 0);
        });
        InternalFirst();
        GetNextRecord();
        GetNextRecords();
    }
    DoAfterScroll();
}

void TDataSet::Last() {
    CheckBiDirectional();
    CheckBrowseMode();
    DoBeforeScroll();
    ClearBuffers();
    {
        const core::ScopeExit atEnd([this] {
            FEOF = true;
            DataEvent(deDataSetChange, 0);
        });
        InternalLast();
        GetPriorRecord();
        GetPriorRecords();
    }
    DoAfterScroll();
}

Integer TDataSet::MoveBy(Integer Distance) {
    CheckBrowseMode();
    Integer result = 0;
    DoBeforeScroll();
    if (!((Distance > 0 && !FEOF) || (Distance < 0 && !FBOF))) return 0;
    FBOF = false;
    FEOF = false;
    Integer scrollCount = 0;
    {
        const core::ScopeExit scrolled([&] { DataEvent(deDataSetScroll, scrollCount); });
        while (Distance > 0) {
            if (FActiveRecord < FRecordCount - 1) {
                ++FActiveRecord;
            } else {
                const Integer shift = FRecordCount < FBufferCount ? 0 : 1;
                if (!GetNextRecord()) {
                    FEOF = true;
                    break;
                }
                scrollCount -= shift;
                // The new record is the last of the window.
                FActiveRecord = FRecordCount - 1;
            }
            --Distance;
            ++result;
        }
        while (Distance < 0) {
            if (FActiveRecord > 0) {
                --FActiveRecord;
            } else {
                const Integer shift = FRecordCount < FBufferCount ? 0 : 1;
                if (!GetPriorRecord()) {
                    FBOF = true;
                    break;
                }
                scrollCount += shift;
                FActiveRecord = 0;
            }
            ++Distance;
            --result;
        }
    }
    DoAfterScroll();
    return result;
}

void TDataSet::Resync(TResyncMode Mode) {
    if (FUniDirectional) return;
    TRecordBuffer spare = FBuffers[static_cast<size_t>(FRecordCount)];
    if (Mode.Contains(rmExact)) {
        CursorPosChanged();
        if (FetchRecord(spare, gmCurrent, true) != grOK) DatabaseError(SRecordNotFound, this);
    } else if (FetchRecord(spare, gmCurrent, false) != grOK && FetchRecord(spare, gmNext, false) != grOK &&
               FetchRecord(spare, gmPrior, false) != grOK) {
        ClearBuffers();
        DataEvent(deDataSetChange, 0);
        return;
    }
    Integer count = Mode.Contains(rmCenter) ? (FBufferCount - 1) / 2 : FActiveRecord;
    MoveBuffer(FRecordCount, 0);
    ActivateBuffers();
    const core::ScopeExit changed([this] { DataEvent(deDataSetChange, 0); });
    while (count > 0 && GetPriorRecord())
        --count;
    GetNextRecords();
    GetPriorRecords();
}
