#pragma once
// A multi-line box bound to a text or memo field of the current record.
// Typing puts the dataset into edit state; the text is written to the field
// when the record is posted or the focus leaves the box.
#include "platform/ui/TMemo.h"

#include <memory>

class TDataSource;
class TField;
class TFieldDataLink;

class TDBMemo : public TMemo {
public:
    explicit TDBMemo(TComponent* AOwner);
    ~TDBMemo() override;
    String ClassName() const override { return "TDBMemo"; }

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    const String& DataField() const;
    // Raises EDatabaseError "<name>: Field '<field>' not found" on an open dataset without it.
    void SetDataField(const String& v);
    TField* Field() const;
    // Read-only stops the box from editing; the field may still be written by code.
    bool ReadOnly() const;
    void SetReadOnly(bool v);

    void KeyDown(Word& Key, TShiftState Shift) override;

protected:
    void KeyPress(String& Key) override;
    void Change() override;
    void DoEnter() override;
    // Writes the text first; a value the field refuses keeps the focus here and raises.
    void DoExit() override;

private:
    void DataChange();
    void EditingChange();
    void UpdateData();
    void SetFocused(bool v);

    std::unique_ptr<TFieldDataLink> FDataLink;
    bool FFocused = false;
    bool FLoading = false;
};
