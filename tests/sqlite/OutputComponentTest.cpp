// The auxiliary components: the output writer's three forms and the start-up
// script the connection runs once.
#include "tests/sqlite/DatasetFixture.h"

#include "platform/core/DateTime.h"
#include "platform/data/TDataSource.h"
#include "sqlite/TSqlite3InlineSQL.h"
#include "sqlite/TSqlite3Output.h"

using sqlitetest::DatasetFixture;

namespace {

class OutputComponent : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        Exec("insert into ikt_mod (nev) values ('a<b & \"c\"')");
        Exec("insert into ikt_mod (nev) values ('fax')");
        FQuery = MakeQuery("select sorszam, nev from ikt_mod order by sorszam");
        FQuery->SetName("Modok");
        FSource = std::make_unique<TDataSource>(nullptr);
        FSource->SetDataSet(FQuery.get());
        FOutput = std::make_unique<TSqlite3Output>(nullptr);
        FOutput->SetDataSource(FSource.get());
    }
    void TearDown() override {
        FOutput.reset();
        FSource.reset();
        FQuery.reset();
        DatasetFixture::TearDown();
    }
    String Entry(Integer i) { return FOutput->Output()->Get(i); }

    std::unique_ptr<TSqlite3Query> FQuery;
    std::unique_ptr<TDataSource> FSource;
    std::unique_ptr<TSqlite3Output> FOutput;
};

TEST_F(OutputComponent, XmlFormEscapesFieldTexts) {
    FOutput->SetOutputType("xml");
    FOutput->SetActive(true);
    ASSERT_EQ(FOutput->Output()->Count(), 4);
    EXPECT_EQ(Entry(0), "<table id=\"Modok\" CreationDate=\"" + DateToStr(Date()) + "\">\n");
    EXPECT_EQ(Entry(1), "   <record>\n      <sorszam>1</sorszam>\n"
                        "      <nev>a&lt;b &amp; &quot;c&quot;</nev>\n   </record>\n");
    EXPECT_EQ(Entry(3), "   </table>\n");
    EXPECT_TRUE(FQuery->Active());
}

TEST_F(OutputComponent, HtmlForm) {
    FOutput->SetOutputType("H");
    FOutput->SetTableClass("lista");
    FOutput->Execute(FQuery.get());
    ASSERT_EQ(FOutput->Output()->Count(), 4);
    EXPECT_EQ(Entry(0), "<html>\n<head>\n<title>Table Modok</title>\n"
                        "<meta name=\"generator\" content=\"SqliteData\">\n"
                        "<table class=\"lista\"cellpadding=\"0\" cellspacing=\"0\">\n<tr>\n"
                        "<td>sorszam</td><td>nev</td>");
    EXPECT_EQ(Entry(1), "<tr>\n<td>1</td><td>a&lt;b &amp; &quot;c&quot;</td></tr>\n");
    EXPECT_EQ(Entry(3), "</table>\n</body>\n</html>\n");
}

TEST_F(OutputComponent, HtmlOfAnEmptyDatasetHasHeadAndTailOnly) {
    Exec("delete from ikt_mod");
    FOutput->SetOutputType("h");
    FOutput->Execute(FQuery.get());
    EXPECT_EQ(FOutput->Output()->Count(), 2);
}

TEST_F(OutputComponent, TextFormKeepsTextsAsTheyAre) {
    FOutput->SetOutputType("text");
    FOutput->SetFieldSeparator(";");
    FOutput->Execute(FQuery.get());
    ASSERT_EQ(FOutput->Output()->Count(), 4);
    EXPECT_EQ(Entry(0), "sorszam;nev");
    EXPECT_EQ(Entry(1), "1;a<b & \"c\"");
    EXPECT_EQ(Entry(2), "2;fax");
    EXPECT_EQ(Entry(3), "");
}

TEST_F(OutputComponent, ActivationNeedsASourceWithADataset) {
    TSqlite3Output output(nullptr);
    EXPECT_EQ(ErrorOf<SqliteError>([&] { output.SetActive(true); }), "Missing Datasource");
    TDataSource empty(nullptr);
    output.SetDataSource(&empty);
    EXPECT_EQ(ErrorOf<SqliteError>([&] { output.SetActive(true); }), "Missing Datasource.Dataset");
    output.SetDataSource(nullptr);
}

TEST_F(DatasetFixture, InlineScriptRunsAtTheFirstConnectOnly) {
    DB().SetConnected(false);
    TSqlite3InlineSQL script(nullptr);
    script.SQL()->Add("insert into ikt_mod (nev) values ('induló');");
    script.SQL()->Add("insert into ikt_mod (nev) values ('második');");
    EXPECT_EQ(script.ScriptText(), "insert into ikt_mod (nev) values ('induló');\r\n"
                                   "insert into ikt_mod (nev) values ('második');\r\n");
    DB().SetSqliteInlineSQL(&script);
    DB().SetExecuteInlineSQL(true);
    DB().SetConnected(true);
    EXPECT_FALSE(DB().ExecuteInlineSQL());
    DB().SetConnected(false);
    DB().SetConnected(true);
    EXPECT_EQ(Scalar("select group_concat(nev, ',') from ikt_mod"), "induló,második");
    DB().SetSqliteInlineSQL(nullptr);
}

} // namespace
