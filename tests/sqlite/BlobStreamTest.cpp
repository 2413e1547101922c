// The blob stream: reading and writing BLOB and memo fields of the current
// record, and what a post or a cancel makes of the written bytes.
#include "tests/sqlite/DatasetFixture.h"

#include "sqlite/TSqlite3BlobStream.h"
#include "sqlite/TSqlite3Table.h"

using sqlitetest::DatasetFixture;

namespace {

class BlobStream : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        Exec("create table docs (nev varchar(10), adat blob, jegyzet text)");
        Exec("insert into docs values ('a', x'00FF10', 'első jegyzet')");
        FTable = std::make_unique<TSqlite3Table>(nullptr);
        FTable->SetConnection(&DB());
        FTable->SetTableName("docs");
        FTable->Open();
    }
    static String ReadAll(TStream& stream) {
        String bytes(static_cast<std::size_t>(stream.Size()), '\0');
        stream.SetPosition(0);
        stream.Read(bytes.data(), static_cast<Integer>(bytes.size()));
        return bytes;
    }
    void WriteBlob(const char* field, const String& bytes, TBlobStreamMode mode = bmWrite) {
        std::unique_ptr<TSqlite3BlobStream> stream(
            FTable->CreateBlobStream(FTable->FieldByName(field), mode));
        stream->Write(bytes.data(), static_cast<Integer>(bytes.size()));
    }
    std::unique_ptr<TSqlite3Table> FTable;
};

TEST_F(BlobStream, ReadsTheFieldsBytes) {
    std::unique_ptr<TSqlite3BlobStream> stream(FTable->CreateBlobStream(FTable->FieldByName("adat"), bmRead));
    EXPECT_EQ(ReadAll(*stream), String("\x00\xFF\x10", 3));
    std::unique_ptr<TSqlite3BlobStream> memo(
        FTable->CreateBlobStream(FTable->FieldByName("jegyzet"), bmRead));
    EXPECT_EQ(ReadAll(*memo), "első jegyzet");
    EXPECT_FALSE(memo->Modified());
}

TEST_F(BlobStream, WriteModeStartsEmpty) {
    FTable->Edit();
    std::unique_ptr<TSqlite3BlobStream> stream(
        FTable->CreateBlobStream(FTable->FieldByName("adat"), bmWrite));
    EXPECT_EQ(stream->Size(), 0);
}

TEST_F(BlobStream, WrittenBytesArePostedWithTheRecord) {
    FTable->Edit();
    WriteBlob("adat", String("\x01\x02\x00\x03", 4));
    WriteBlob("jegyzet", "második jegyzet");
    EXPECT_TRUE(FTable->Modified());
    FTable->Post();
    EXPECT_EQ(Scalar("select hex(adat) from docs"), "01020003");
    EXPECT_EQ(Scalar("select jegyzet from docs"), "második jegyzet");
    EXPECT_EQ(FTable->FieldByName("jegyzet")->AsString(), "második jegyzet");
}

TEST_F(BlobStream, CancelledWriteChangesNothing) {
    FTable->Edit();
    WriteBlob("adat", "replaced");
    EXPECT_EQ(FTable->FieldByName("adat")->AsString(), "replaced");
    FTable->Cancel();
    EXPECT_EQ(FTable->FieldByName("adat")->AsString(), String("\x00\xFF\x10", 3));
    EXPECT_EQ(Scalar("select hex(adat) from docs"), "00FF10");
    // The stored row kept its value too: a fresh edit starts from it.
    FTable->Edit();
    std::unique_ptr<TSqlite3BlobStream> stream(
        FTable->CreateBlobStream(FTable->FieldByName("adat"), bmReadWrite));
    EXPECT_EQ(ReadAll(*stream), String("\x00\xFF\x10", 3));
}

TEST_F(BlobStream, WritingANullBlobGivesItAValue) {
    Exec("update docs set adat = null");
    FTable->Refresh();
    EXPECT_TRUE(FTable->FieldByName("adat")->IsNull());
    FTable->Edit();
    WriteBlob("adat", "xyz", bmReadWrite);
    FTable->Post();
    EXPECT_EQ(Scalar("select adat from docs"), "xyz");
}

TEST_F(BlobStream, NoRecordBufferMeansNothingHappens) {
    Exec("delete from docs");
    FTable->Refresh();
    std::unique_ptr<TSqlite3BlobStream> stream(
        FTable->CreateBlobStream(FTable->FieldByName("adat"), bmReadWrite));
    EXPECT_EQ(stream->Size(), 0);
    stream->Write("ab", 2);
    stream.reset();
    EXPECT_EQ(FTable->RecordCount(), 0);
}

} // namespace
