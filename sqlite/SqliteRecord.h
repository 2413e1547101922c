#pragma once
// A record buffer of the SQLite datasets: the typed values of one record, its
// bookmark in the result store and where it stands. Each buffer owns its values,
// so editing a buffer never reaches the stored row before a post.
#include "platform/data/TDataSetState.h"
#include "platform/data/TRecordBuffer.h"
#include "sqlite/RowImage.h"

namespace sqlite {

class SqliteRecord : public TRecordBufferData {
public:
    RowImage Row;
    // The row's bookmark in the result store; -1 for none.
    Integer Bookmark = -1;
    TBookmarkFlag Flag = bfCurrent;
};

inline SqliteRecord* AsRecord(TRecordBuffer Buffer) {
    return static_cast<SqliteRecord*>(Buffer);
}

} // namespace sqlite
