#include "platform/data/TBlobField.h"

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStream.h"

#include <limits>

TBlobField::TBlobField(TComponent* AOwner) : TField(AOwner) {
    SetDataType(ftBlob);
}

Variant TBlobField::GetAsVariant() const {
    if (IsNull()) return Null;
    return Variant(GetAsString());
}

void TBlobField::LoadFromStream(TStream* Stream) {
    const Int64 size = Stream->Size();
    if (size > std::numeric_limits<Integer>::max()) throw EReadError("Stream read error");
    String bytes(static_cast<size_t>(size), '\0');
    Stream->SetPosition(0);
    Stream->ReadBuffer(bytes.data(), static_cast<Integer>(size));
    SetData(TFieldData(std::move(bytes)));
}

void TBlobField::SaveToStream(TStream* Stream) const {
    const String bytes = GetAsString();
    Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

void TBlobField::GetText(String& Text, bool DisplayText) const {
    String name = FieldTypeName(DataType());
    if (!GetAsString().empty()) name = UpperCase(name);
    Text = "(" + name + ")";
}

TMemoField::TMemoField(TComponent* AOwner) : TBlobField(AOwner) {
    SetDataType(ftMemo);
}

TGraphicField::TGraphicField(TComponent* AOwner) : TBlobField(AOwner) {
    SetDataType(ftGraphic);
}
