#pragma once
// Report data sources: what a band walks. TrpDataset offers Init, Exit,
// First, Next and Eof with a record range; TrpUserDataset is driven by events
// or a fixed count; TrpDBDataSet walks a platform data set and puts it back
// where it was when the walk is of the current record.
#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"
#include "platform/data/TDataSetState.h"

#include <functional>

class TDataSet;
class TDataSource;

VELMORA_EXCEPTION(ErpDataSourceError, Exception)

enum TRangeBegin { rbFirst, rbCurrent };
enum TRangeEnd { reLast, reCurrent, reCount };

using TCheckEOFEvent = std::function<void(TObject* Sender, bool& Eof)>;

class TrpDataset : public TComponent {
public:
    explicit TrpDataset(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TrpDataset"; }

    // Nothing in the base.
    virtual void Init() {}
    virtual void Exit() {}
    // RecNo := 0, then OnFirst.
    virtual void First();
    // RecNo + 1, then OnNext.
    virtual void Next();
    // True when RangeEnd is reCount and RecNo >= RangeEndCount; OnCheckEOF may
    // change the answer.
    virtual bool Eof();

    TRangeBegin RangeBegin = rbFirst;
    TRangeEnd RangeEnd = reLast;
    Integer RangeEndCount = 0;
    TNotifyEvent OnFirst;
    TNotifyEvent OnNext;
    TCheckEOFEvent OnCheckEOF;
    // Records passed since First.
    Integer RecNo = 0;
};

class TrpUserDataset : public TrpDataset {
public:
    using TrpDataset::TrpDataset;
    String ClassName() const override { return "TrpUserDataset"; }
};

class TrpDBDataSet : public TrpDataset {
public:
    explicit TrpDBDataSet(TComponent* AOwner) : TrpDataset(AOwner) {}
    ~TrpDBDataSet() override;
    String ClassName() const override { return "TrpDBDataSet"; }

    // Opens (see Open), saves the current position, clears the end flag.
    void Init() override;
    // Returns to the saved position for a walk that begins or ends at the
    // current record, forgets it, then Close.
    void Exit() override;
    void First() override;
    void Next() override;
    bool Eof() override;

    // Opens the data set when OpenDataSource is set; then OnOpen.
    void Open();
    // OnClose; then closes the data set when CloseDataSource is set.
    void Close();
    // The data set of DataSource when it has one, else DataSet. Raises
    // ErpDataSourceError "Unable to open dataset " + Name when neither gives one.
    TDataSet* GetDataSet() const;

    TDataSet* DataSet() const { return FDataSet; }
    // Setting a data set clears DataSource.
    void SetDataSet(TDataSet* Value);
    TDataSource* DataSource() const { return FDataSource; }
    // Setting a source clears DataSet.
    void SetDataSource(TDataSource* Value);
    bool OpenDataSource = true;
    bool CloseDataSource = false;
    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TDataSet* FDataSet = nullptr;
    TDataSource* FDataSource = nullptr;
    TBookmark Bookmark;
    bool FHasBookmark = false;
    bool EofFlag = false;
};

// The data source a data band names in FormatStr. Text starting with a digit
// 1 to 9 makes a new user dataset of that many records (Owned is then true
// and the caller frees it); raises EConvertError "'<text>' is not a valid
// integer value" when it is not a whole number. Other text names a component
// of Owner, or as "Form.Component" one of another form (rpFindComponent),
// which must be a TrpDataset (EInvalidCast "Invalid class typecast"
// otherwise) or absent (null). The dataset returned has been initialised.
TrpDataset* rpResolveBandDataSet(TComponent* Owner, const String& FormatStr, bool& Owned);
