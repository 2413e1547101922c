#pragma once
// The enumerations of the dataset model: states, data events, the record-buffer
// contract's modes and answers, and bookmarks.
#include "platform/core/TSet.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <vector>

enum TDataSetState {
    dsInactive,
    dsBrowse,
    dsEdit,
    dsInsert,
    dsSetKey,
    dsCalcFields,
    dsFilter,
    dsNewValue,
    dsOldValue,
    dsCurValue,
    dsBlockRead,
    dsInternalCalc,
    dsOpening
};

// States in which a record is being changed.
inline bool IsEditMode(TDataSetState State) {
    return State == dsEdit || State == dsInsert || State == dsSetKey;
}

// What data sources and links hear. The meaning of the accompanying information:
// deFieldChange, deRecordChange: the TField* (or null); deDataSetScroll: the number
// of buffers the window moved; deFocusControl: a TField**; otherwise 0.
enum TDataEvent {
    deFieldChange,
    deRecordChange,
    deDataSetChange,
    deDataSetScroll,
    deLayoutChange,
    deUpdateRecord,
    deUpdateState,
    deCheckBrowseMode,
    dePropertyChange,
    deFieldListChange,
    deFocusControl,
    deParentScroll,
    deConnectChange
};

// GetRecord's request and answer.
enum TGetMode { gmCurrent, gmNext, gmPrior };
enum TGetResult { grOK, grBOF, grEOF, grError };

// Where a buffered record stands: a stored row, the crack before the first or after
// the last row (a new record being inserted there), or a new record among the rows.
enum TBookmarkFlag { bfCurrent, bfBOF, bfEOF, bfInserted };

enum TResyncModeItem { rmExact, rmCenter };
using TResyncMode = TSet<TResyncModeItem>;

enum TLocateOption { loCaseInsensitive, loPartialKey };
using TLocateOptions = TSet<TLocateOption>;

// What an error handler of post, edit or delete asks for.
enum TDataAction { daFail, daAbort, daRetry };

// A saved position. Its bytes are the dataset's own; empty means none.
using TBookmark = std::vector<Byte>;
