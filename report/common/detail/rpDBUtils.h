#pragma once
// Data set routines of the report engine over the platform data set:
// bookmarks, field names and the blob test.
#include "platform/data/TDataSetState.h"

class TBlobField;
class TDataSet;
class TField;
class TStrings;

using TrpTDataSet = TDataSet;
using TrpTField = TField;
using TrpTBlobField = TBlobField;

// The bookmark of the current record (empty when it has none).
TBookmark rpGetBookmark(TDataSet* DataSet);
void rpGotoBookmark(TDataSet* DataSet, const TBookmark& Bookmark);
void rpFreeBookmark(TDataSet* DataSet, TBookmark& Bookmark);
// True when both bookmarks name a record and the data set orders them equal.
bool rpIsBookmarksEqual(TDataSet* DataSet, const TBookmark& b1, const TBookmark& b2);
// Fills List with the data set's field names.
void rpGetFieldNames(TDataSet* DataSet, TStrings* List);
// True for an existing field of type ftBlob, ftMemo, ftGraphic, ftFmtMemo,
// ftParadoxOle, ftDBaseOle or ftTypedBinary.
bool rpIsBlob(TField* Field);
