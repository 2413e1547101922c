#pragma once
// TSqlite3BlobStream: reads and writes the bytes of a BLOB or memo field of a
// SQLite dataset's current record. The stream works on its own copy: what is
// written reaches the record buffer when the stream is destroyed, and the
// database only when the record is posted, so a cancelled edit changes nothing.
#include "platform/core/TMemoryStream.h"
#include "sqlite/TSqlite3BaseQuery.h"

class TField;

class TSqlite3BlobStream : public TMemoryStream {
public:
    // Unless Mode is bmWrite, the stream starts with the field's current bytes.
    // Field must belong to a TSqlite3BaseQuery.
    TSqlite3BlobStream(TField* Field, TBlobStreamMode Mode);
    // Writes the bytes back into the record buffer when anything was written.
    // Never throws.
    ~TSqlite3BlobStream() override;
    String ClassName() const override { return "TSqlite3BlobStream"; }

    Integer Read(void* Buffer, Integer Count) override;
    Integer Write(const void* Buffer, Integer Count) override;

    // Replaces the stream's bytes with the field's; nothing without a record buffer.
    void LoadBlobData();
    // Puts the stream's bytes into the field's slot of the record buffer being
    // edited; nothing without one.
    void SaveBlobData();
    bool Modified() const { return FModified; }

private:
    TField* FField;
    TSqlite3BaseQuery* FDataSet;
    TBlobStreamMode FMode;
    bool FModified = false;
    bool FReaded = false;
};
