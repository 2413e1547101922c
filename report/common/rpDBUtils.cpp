#include "report/common/detail/rpDBUtils.h"

#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"

TBookmark rpGetBookmark(TDataSet* DataSet) {
    return DataSet->GetBookmark();
}

void rpGotoBookmark(TDataSet* DataSet, const TBookmark& Bookmark) {
    DataSet->GotoBookmark(Bookmark);
}

void rpFreeBookmark(TDataSet* DataSet, TBookmark& Bookmark) {
    DataSet->FreeBookmark(Bookmark);
}

bool rpIsBookmarksEqual(TDataSet* DataSet, const TBookmark& b1, const TBookmark& b2) {
    // The platform compares an empty bookmark equal to anything; a record
    // without a bookmark is not the saved one.
    return !b1.empty() && !b2.empty() && DataSet->CompareBookmarks(b1, b2) == 0;
}

void rpGetFieldNames(TDataSet* DataSet, TStrings* List) {
    DataSet->GetFieldNames(List);
}

bool rpIsBlob(TField* Field) {
    if (!Field) return false;
    switch (Field->DataType()) {
    case ftBlob:
    case ftMemo:
    case ftGraphic:
    case ftFmtMemo:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftTypedBinary:
        return true;
    default:
        return false;
    }
}
