#include "sqlite/TSqlite3BlobStream.h"

#include "platform/data/TField.h"
#include "sqlite/SqliteRecord.h"

TSqlite3BlobStream::TSqlite3BlobStream(TField* Field, TBlobStreamMode Mode)
    : FField(Field), FDataSet(dynamic_cast<TSqlite3BaseQuery*>(Field ? Field->DataSet() : nullptr)),
      FMode(Mode) {
    if (FMode != bmWrite) LoadBlobData();
}

TSqlite3BlobStream::~TSqlite3BlobStream() {
    if (!FModified) return;
    try {
        SaveBlobData();
    } catch (...) {
        // Nothing may leave a destructor; the edit then keeps its old value.
    }
}

Integer TSqlite3BlobStream::Read(void* Buffer, Integer Count) {
    const Integer done = TMemoryStream::Read(Buffer, Count);
    FReaded = true;
    return done;
}

Integer TSqlite3BlobStream::Write(const void* Buffer, Integer Count) {
    const Integer done = TMemoryStream::Write(Buffer, Count);
    FModified = true;
    if (FDataSet) FDataSet->SetModified(true);
    return done;
}

void TSqlite3BlobStream::LoadBlobData() {
    Clear();
    if (!FDataSet || !FField || FField->FieldNo() < 1) return;
    TRecordBuffer buffer = FDataSet->ActiveRecordBuffer();
    if (!buffer) return;
    const sqlite::RowImage& row = sqlite::AsRecord(buffer)->Row;
    const auto index = static_cast<std::size_t>(FField->FieldNo() - 1);
    if (index >= row.Count() || row[index].Null) return;
    const String& bytes = row[index].Bytes;
    if (!bytes.empty()) TMemoryStream::Write(bytes.data(), static_cast<Integer>(bytes.size()));
    Seek(0, soFromBeginning);
}

void TSqlite3BlobStream::SaveBlobData() {
    if (!FDataSet || !FField || FField->FieldNo() < 1) return;
    TRecordBuffer buffer = FDataSet->ActiveRecordBuffer();
    if (!buffer) return;
    sqlite::RowImage& row = sqlite::AsRecord(buffer)->Row;
    const auto index = static_cast<std::size_t>(FField->FieldNo() - 1);
    if (index >= row.Count()) return;
    const auto* data = reinterpret_cast<const char*>(Memory());
    // Written bytes are a value, also when there are none: the post must store them.
    row.SetBytes(index, std::string_view(data ? data : "", static_cast<std::size_t>(Size())));
    FDataSet->DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(FField));
}
