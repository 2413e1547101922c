#include "platform/data/TBlobField.h"

#include "platform/core/StrUtils.h"

TBlobField::TBlobField(TComponent* AOwner) : TField(AOwner)
{
    SetDataType(ftBlob);
}

Variant TBlobField::GetAsVariant() const
{
    if (IsNull())
        return Null;
    return Variant(GetAsString());
}

void TBlobField::GetText(String& Text, bool DisplayText) const
{
    String name = FieldTypeName(DataType());
    if (!GetAsString().empty())
        name = UpperCase(name);
    Text = "(" + name + ")";
}

TMemoField::TMemoField(TComponent* AOwner) : TBlobField(AOwner)
{
    SetDataType(ftMemo);
}

TGraphicField::TGraphicField(TComponent* AOwner) : TBlobField(AOwner)
{
    SetDataType(ftGraphic);
}
