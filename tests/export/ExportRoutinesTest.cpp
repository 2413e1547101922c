// The export unit's stand-alone routines.
#include "export/ExportRoutines.h"

#include "grid/TVgDBGrid.h"
#include "platform/core/FileUtils.h"
#include "platform/core/FormatSettings.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TFields.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TPicture.h"
#include "platform/core/TStrings.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportRoutines, TableNameFromTableNameOrStatement) {
    EXPECT_EQ(TblName("", "SELECT name FROM orders WHERE id=1"), "orders");
    EXPECT_EQ(TblName("", "select name from orders where id=1"), "select"); // no upper-case FROM
    EXPECT_EQ(TblName("", "SELECT name FROM [orders]"), "");
    EXPECT_EQ(TblName("parts.db", "SELECT * FROM other"), "parts");
    EXPECT_EQ(TblName("", "SELECT * FROM dbo.Orders"), "dbo");
    EXPECT_EQ(TblName("", ""), "");
}

TEST(ExportRoutines, TableNameOfADataset) {
    TSqlite3Query query(nullptr);
    query.SQL()->SetText("SELECT name FROM orders WHERE id=1");
    EXPECT_EQ(TblName(&query), "orders");
    // The table name wins over the statement.
    TSqlite3Table table(nullptr);
    table.SetTableName("parts.db");
    EXPECT_EQ(TblName(&table), "parts");
    // A dataset that publishes neither, and none.
    TMemDataSet memory;
    EXPECT_EQ(TblName(&memory), "");
    EXPECT_EQ(TblName(nullptr), "");
}

TEST(ExportRoutines, HtmlReferences) {
    EXPECT_EQ(ReplaceHTMLSystemChars("a\r\nb"), "a&ret;&car;b");
    EXPECT_EQ(ReplaceHTMLSystemChars("<Kiss & Társa> \"x\" 'y' |"),
              "&lt;Kiss &amp; Társa&gt; &quot;x&quot; &apos;y&apos; &brvbar;");
    EXPECT_EQ(ReplaceHTMLSystemChars("© 20° ±1 ¶ ™"), "&copy; 20&deg; &plusmn;1 &para; &trade;");
    EXPECT_EQ(ReplaceHTMLSystemChars(""), "");
}

TEST(ExportRoutines, Padding) {
    EXPECT_EQ(PadLSpace("ab", 5), "   ab");
    EXPECT_EQ(PadRSpace("ab", 5), "ab   ");
    EXPECT_EQ(PadLSpace("abcdef", 3), "abcdef");
    EXPECT_EQ(PadLSpace("őű", 3), " őű"); // characters, not bytes
}

TEST(ExportRoutines, NumbersWithADefault) {
    TFormatSettingsGuard guard(TFormatSettings::Hungarian());
    EXPECT_EQ(StrToFloatDefault("  ", 7.5), 7.5);
    EXPECT_EQ(StrToFloatDefault("nem szám", 7.5), 7.5);
    EXPECT_EQ(StrToFloatDefault(" 2,25 ", 7.5), 2.25);
}

TEST(ExportRoutines, FieldKinds) {
    TMemDataSet data;
    data.FieldDefs()->Add("b", ftBoolean);
    data.FieldDefs()->Add("n", ftLargeint);
    data.FieldDefs()->Add("m", ftMemo);
    data.FieldDefs()->Add("g", ftGraphic);
    data.FieldDefs()->Add("w", ftWideString, 10);
    data.Open();
    EXPECT_FALSE(IsNumericField(data.FieldByName("b")));
    EXPECT_TRUE(IsNumericField(data.FieldByName("n")));
    EXPECT_TRUE(IsStringField(data.FieldByName("m")));
    EXPECT_TRUE(IsStringField(data.FieldByName("g")));
    EXPECT_FALSE(IsStringField(data.FieldByName("w")));
    // A column without a field is neither, instead of a crash.
    EXPECT_FALSE(IsNumericField(nullptr));
    EXPECT_FALSE(IsStringField(nullptr));
}

TEST(ExportRoutines, PictureFileNames) {
    TPicture picture;
    EXPECT_EQ(GetFileNameByGraphic("/out/lista.xls", 3, &picture), "/out/img3.bmp");
    picture.Icon(); // the picture now holds an icon
    EXPECT_EQ(GetFileNameByGraphic("/out/lista.xls", 1, &picture), "/out/img1.ico");
    const String temporary = GetFileNameByGraphic("", 9, &picture);
    EXPECT_EQ(ExtractFilePath(temporary), GetTempPath());
    EXPECT_EQ(ExtractFileName(temporary).substr(0, 3), "VGE");
    EXPECT_FALSE(FileExists(ChangeFileExt(temporary, ".tmp")));
}

TEST(ExportRoutines, SelectedListOfAGridOnly) {
    TVgDBGrid grid(nullptr);
    TPanel panel(nullptr);
    EXPECT_EQ(GetPropAsSelectedList(&grid), grid.SelectedRows());
    EXPECT_EQ(GetPropAsSelectedList(&panel), nullptr);
    EXPECT_EQ(GetPropAsSelectedList(nullptr), nullptr);
}

} // namespace
