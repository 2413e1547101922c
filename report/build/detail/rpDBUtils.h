#pragma once
// Data set routines of the report engine over the platform data set:
// bookmarks, field names, the blob test and the default data set of the
// current band.
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

// The platform data set behind the current band, for field names given without
// a data set: summary, master data and footer, group header and footer use the
// page's master data band; detail data and footer the detail data band;
// sub-detail data and footer the sub-detail data band; cross data and footer
// the cross data band. Null for other band types, without a current band, or
// when that band's data source is not a TrpDBDataSet.
TDataSet* GetDefaultDataSet();
