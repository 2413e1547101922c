#pragma once
// A label that shows the display text of a field of the current record.
#include "platform/ui/TLabel.h"

#include <memory>

class TDataSource;
class TField;
class TFieldDataLink;

class TDBText : public TLabel {
public:
    // Not auto-sized and with "&" shown as it stands, unlike a plain label.
    explicit TDBText(TComponent* AOwner);
    ~TDBText() override;
    String ClassName() const override { return "TDBText"; }

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    const String& DataField() const;
    // Raises EDatabaseError "<name>: Field '<field>' not found" on an open dataset without it.
    void SetDataField(const String& v);
    TField* Field() const;

private:
    void DataChange();

    std::unique_ptr<TFieldDataLink> FDataLink;
};
