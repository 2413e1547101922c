#pragma once
// Large values: bytes (TBlobField, TGraphicField) or text (TMemoField). The
// value is read and written whole through AsString.
#include "platform/data/TField.h"

class TStream;

class TBlobField : public TField {
public:
    explicit TBlobField(TComponent* AOwner);
    String ClassName() const override { return "TBlobField"; }
    bool IsBlob() const override { return true; }

    // The whole of Stream, from its start, becomes the value (the dataset must be
    // in a writing state). An empty stream gives an empty value, not null.
    void LoadFromStream(TStream* Stream);
    // Writes the value's bytes at Stream's position.
    void SaveToStream(TStream* Stream) const;

protected:
    Variant GetAsVariant() const override;
    // "(Blob)" for an empty value, "(BLOB)" otherwise; the type name follows the
    // field's type ("(MEMO)", "(Graphic)").
    void GetText(String& Text, bool DisplayText) const override;
};

class TMemoField : public TBlobField {
public:
    explicit TMemoField(TComponent* AOwner);
    String ClassName() const override { return "TMemoField"; }
};

class TGraphicField : public TBlobField {
public:
    explicit TGraphicField(TComponent* AOwner);
    String ClassName() const override { return "TGraphicField"; }
};
