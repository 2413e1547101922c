// The program's LIKE: the pure matcher, then as the engine's LIKE on a
// connection that stores code page 1250.
#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/CodePages.h"
#include "sqlite/LikeMatch.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using sqlite::LikeMatch;
using sqlitetest::FileConnection;
using sqlitetest::TempDir;

TEST(LikeMatch, Table) {
    struct Row {
        const char* Pattern;
        const char* Text;
        bool Match;
    };
    const Row rows[] = {
        {"%ő%", "Kőhegyi", true},    // accented letter inside
        {"%ő%", "KŐHEGYI", true},    // its capital
        {"%Ő%", "kőhegyi", true},    // capital in the pattern
        {"%ő%", "Kohegyi", false},   // never the bare letter
        {"%ő%", "Köhegyi", false},   // nor the other accent
        {"Ürsula", "Űrsula", false}, // ü and ű are different letters
        {"ürsula", "ÜRSULA", true},  // ASCII and accents both fold
        {"%á%", "ÁRPÁD", true},      //
        {"%a%", "Ádam", true},       // the plain a of "Ádam" is there
        {"á%", "Adám", false},       // á is not a
        {"_rsula", "Űrsula", true},  // "_" is one character, not one byte
        {"__", "őű", true},          //
        {"___", "őű", false},        //
        {"%", "", true},             // "%" matches nothing at all
        {"_", "", false},            //
        {"", "", true},              //
        {"", "x", false},            //
        {"a%b%c", "aXbYc", true},    // several runs
        {"a%b%c", "aXbY", false},    //
        {"%%%x", "yyyx", true},      //
        {"abc", "ABC", true},        // ASCII as the engine's own
        {"ABC", "abcd", false},      // whole text, not a prefix
    };
    for (const Row& row : rows)
        EXPECT_EQ(LikeMatch(row.Pattern, row.Text), row.Match) << row.Pattern << " / " << row.Text;
}

// Every letter of the alphabet and of Hungarian matches its other case and
// no other letter, in UTF-8 and in the stored code page, pattern either way.
TEST(LikeMatch, EveryLetterFoldsToItsOwnOtherCaseOnly) {
    std::vector<std::pair<std::string, std::string>> letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters.emplace_back(std::string(1, c), std::string(1, char(c - 'A' + 'a')));
    for (const auto& [upper, lower] : std::vector<std::pair<const char*, const char*>>{{"Á", "á"},
                                                                                       {"É", "é"},
                                                                                       {"Í", "í"},
                                                                                       {"Ó", "ó"},
                                                                                       {"Ö", "ö"},
                                                                                       {"Ő", "ő"},
                                                                                       {"Ú", "ú"},
                                                                                       {"Ü", "ü"},
                                                                                       {"Ű", "ű"}})
        letters.emplace_back(upper, lower);
    const auto cp = [](const std::string& utf8) { return Utf8ToCodePage(utf8, CP_WINDOWS_1250); };
    std::vector<std::string> wrong;
    for (const auto& [upper, lower] : letters)
        for (const auto& [otherUpper, otherLower] : letters) {
            const bool same = upper == otherUpper;
            for (const auto& [pattern, text] : {std::pair{upper, otherLower}, std::pair{lower, otherUpper},
                                                std::pair{upper, otherUpper}, std::pair{lower, otherLower}}) {
                if (LikeMatch(pattern, text) != same) wrong.push_back(pattern + " / " + text);
                if (sqlite::LikeMatchCodePage(cp(pattern), cp(text), 0, CP_WINDOWS_1250) != same)
                    wrong.push_back(pattern + " / " + text + " in code page 1250");
            }
        }
    EXPECT_EQ(wrong, std::vector<std::string>{});
}

TEST(LikeMatch, EscapeMakesWildcardsLiteral) {
    EXPECT_TRUE(LikeMatch("100!%", "100%", U'!'));
    EXPECT_FALSE(LikeMatch("100!%", "1000", U'!'));
    EXPECT_TRUE(LikeMatch("a!_b", "a_b", U'!'));
    EXPECT_FALSE(LikeMatch("a!_b", "axb", U'!'));
    EXPECT_TRUE(LikeMatch("a!!b", "a!b", U'!'));
    // An accented escape character works as any other.
    EXPECT_TRUE(LikeMatch("őő%", "ő%", U'ő'));
}

TEST(LikeMatch, CodePageTextMatchesAsItsCharacters) {
    const auto cp = [](const char* utf8) { return Utf8ToCodePage(utf8, CP_WINDOWS_1250); };
    EXPECT_TRUE(sqlite::LikeMatchCodePage(cp("%ő%"), cp("KŐHEGYI"), 0, CP_WINDOWS_1250));
    EXPECT_FALSE(sqlite::LikeMatchCodePage(cp("%ő%"), cp("Köhegyi"), 0, CP_WINDOWS_1250));
    EXPECT_FALSE(sqlite::LikeMatchCodePage(cp("Ürsula"), cp("Űrsula"), 0, CP_WINDOWS_1250));
    EXPECT_TRUE(sqlite::LikeMatchCodePage(cp("_rsula"), cp("Űrsula"), 0, CP_WINDOWS_1250));
    EXPECT_TRUE(sqlite::LikeMatchCodePage(cp("50ő%%"), cp("50%"), U'ő', CP_WINDOWS_1250));
}

// A search keeps the pattern it read last. The same bytes are "ő" in UTF-8 and "Ĺ‘" (two
// characters) in code page 1250: each call, in this order, reads them in its own encoding.
TEST(LikeMatch, TheSamePatternBytesMatchAsTheCharactersOfEachEncoding) {
    const std::string pattern = "\xC5\x91";
    const struct {
        int CodePage; // 0: UTF-8
        const char* Text;
        bool Matches;
    } calls[] = {
        {0, "Ő", true},                               // the one letter, other case
        {CP_WINDOWS_1250, "\xE5\x91", true},          // "ĺ‘"
        {CP_WINDOWS_1250, "\xD5", false},             // "Ő" is not what these bytes say here
        {0, "ő", true},                               // and UTF-8 again after code page 1250
        {0, "\xC5\x91\xC5\x91", false},               // one character, not two
        {CP_WINDOWS_1250, "\xC5\x91\xC5\x91", false}, // two characters, not four
    };
    for (const auto& call : calls) {
        const bool match = call.CodePage == 0
                               ? LikeMatch(pattern, call.Text)
                               : sqlite::LikeMatchCodePage(pattern, call.Text, 0, call.CodePage);
        EXPECT_EQ(match, call.Matches) << call.CodePage << " " << call.Text;
    }
}

TEST(LikeMatch, ManyRunsStayFast) {
    // A backtracking matcher would take exponential time here.
    const std::string text(5000, 'a');
    EXPECT_FALSE(LikeMatch("%a%a%a%a%a%a%a%a%a%a%b", text));
}

namespace {

// A code page 1250 database holding accented names, as the office's does.
struct EngineLike : ::testing::Test {
    TempDir Dir;
    std::unique_ptr<TSqlite3DB> Db = FileConnection(Dir, "test.db", "STANDARD");
    void SetUp() override {
        Db->SetConnected(true);
        Db->SQLite3_ExecSQL("create table t(n integer, nev text)", nullptr);
        const char* names[] = {"Kőhegyi", "Kohegyi", "Köhegyi", "ŐRI", "Öri", "Űrsula", "Ürsula", "x"};
        int n = 0;
        for (const char* name : names)
            Db->SQLite3_ExecSQL("insert into t values(" + std::to_string(++n) + ", '" + name + "')", nullptr);
        Db->SQLite3_ExecSQL("insert into t values(9, null)", nullptr);
    }
    String Numbers(const String& where) {
        sqlitetest::TestTarget target(Db.get());
        target.Load("select group_concat(n) from (select n from t where " + where + " order by n)");
        return target.Text(0, 0);
    }
};

} // namespace

TEST_F(EngineLike, AccentedLettersMatchOnlyThemselvesInEitherCase) {
    EXPECT_EQ(Numbers("nev like '%ő%'"), "1,4");
    EXPECT_EQ(Numbers("nev like 'őri'"), "4");
    EXPECT_EQ(Numbers("nev like 'Ürsula'"), "7");
    EXPECT_EQ(Numbers("nev like 'űRSULA'"), "6");
    EXPECT_EQ(Numbers("nev like '_ri'"), "4,5");
    EXPECT_EQ(Numbers("nev not like '%ő%'"), "2,3,5,6,7,8");
}

TEST_F(EngineLike, NullStaysUnknown) {
    EXPECT_EQ(Numbers("(nev like '%') is null"), "9");
}

TEST_F(EngineLike, EscapeClauseIsHonoured) {
    Db->SQLite3_ExecSQL("insert into t values(10, '50% kész')", nullptr);
    EXPECT_EQ(Numbers("nev like '%0!%%' escape '!'"), "10");
    const String sql = "select n from t where nev like 'a' escape 'ab'";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] {
                  sqlitetest::TestTarget target(Db.get());
                  target.Load(sql);
              }),
              "ESCAPE expression must be a single character\n\n" + sql);
}

TEST(EngineLikeUtf8, AUtf8DatabaseMatchesTheSameWay) {
    TempDir dir;
    auto db = FileConnection(dir);
    db->SetConnected(true);
    db->SQLite3_ExecSQL("create table t(nev text); insert into t values('Kőhegyi'), ('Köhegyi')", nullptr);
    sqlitetest::TestTarget target(db.get());
    target.Load("select count(*) from t where nev like '%Ő%'");
    EXPECT_EQ(target.Text(0, 0), "1");
}
