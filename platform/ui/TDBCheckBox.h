#pragma once
// A check box bound to a field: checked when the field holds true (or one of
// the ValueChecked texts), unchecked for false (or a ValueUnchecked text),
// grey for null or any other text. A click puts the dataset into edit state
// first; a field that cannot be edited leaves the box as it is. The state is
// written to the field when the record is posted or the focus leaves the box.
#include "platform/ui/TCheckBox.h"

#include <memory>

class TDataSource;
class TField;
class TFieldDataLink;

class TDBCheckBox : public TCheckBox {
public:
    explicit TDBCheckBox(TComponent* AOwner);
    ~TDBCheckBox() override;
    String ClassName() const override { return "TDBCheckBox"; }

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    const String& DataField() const;
    // Raises EDatabaseError "<name>: Field '<field>' not found" on an open dataset without it.
    void SetDataField(const String& v);
    TField* Field() const;
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    // Texts separated by ";", compared without regard to case; the first one
    // is written. Defaults "True" and "False".
    const String& ValueChecked() const { return FValueCheck; }
    void SetValueChecked(const String& v);
    const String& ValueUnchecked() const { return FValueUncheck; }
    void SetValueUnchecked(const String& v);

    void Click() override;
    void KeyDown(Word& Key, TShiftState Shift) override;

protected:
    bool WidgetEvent(QEvent* Event) override;
    void DoExit() override;

private:
    TCheckBoxState FieldState() const;
    void DataChange();
    void UpdateData();

    std::unique_ptr<TFieldDataLink> FDataLink;
    String FValueCheck = "True";
    String FValueUncheck = "False";
    bool FLoading = false;
};
