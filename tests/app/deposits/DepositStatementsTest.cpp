// The deposits' statements and writes over the schema: the list and search with their
// totals, amounts checked before anything is written, new deposits and movements each
// complete or not done at all, and base data that keeps an inactive account.
#include "app/deposits/DepositStatements.h"
#include "app/deposits/DepositSaves.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "sqlite/EngineError.h"
#include "tests/support/ErrorOf.h"
#include "tests/app/StatementQueryFixture.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

using app::DepositSort;
using app::MovementKind;

class DepositStatements : public StatementQueryFixture {
protected:
    // The letevo column of every row the statement lists, in order.
    std::vector<String> Payers(const String& Sql) {
        std::vector<String> payers;
        const auto rows = Rows("SELECT letevo FROM (" + Sql + ")");
        for (const Row& row : rows)
            payers.push_back(row[0].value_or("NULL"));
        return payers;
    }
    app::NewDeposit Deposit(Integer account, const String& payer) {
        app::NewDeposit d;
        d.AccountId = account;
        d.Payer = payer;
        d.Beneficiary = "Jogosult Kft.";
        d.Date = EncodeDate(2024, 5, 2);
        d.Remark = "Vételár";
        return d;
    }
};

TEST(DepositAmounts, AreWholeForintsInRange) {
    EXPECT_EQ(app::ParseDepositAmount(""), std::nullopt);
    EXPECT_EQ(app::ParseDepositAmount("1"), 1);
    EXPECT_EQ(app::ParseDepositAmount("1000000"), 1000000);
    EXPECT_EQ(app::ParseDepositAmount("999999999999"), app::MaxDepositAmount);
    EXPECT_EQ(app::ParseDepositAmount("000250"), 250);
    const char* const tail = "\". Egész forintot adjon meg, 1 és 999 999 999 999 között.";
    // Zero, thirteen digits, a sign or letters pasted past the key filter.
    for (const String text : {"0", "1000000000000", "-5", "12a", "1 000", "99999999999999999999"})
        EXPECT_EQ(ErrorOf<EConvertError>([&] { app::ParseDepositAmount(text); }),
                  "Érvénytelen összeg: \"" + text + tail)
            << text;
}

TEST(DepositAmounts, MovementSignsFollowTheChosenKind) {
    struct Case {
        MovementKind Kind;
        const char* Text;
        Int64 Balance;
        std::optional<Int64> Expected;
        const char* Why;
    };
    const Case cases[] = {
        {MovementKind::None, "500", 1000, std::nullopt, "no radio chosen"},
        {MovementKind::PartialPayout, "", 1000, std::nullopt, "payout without an amount"},
        {MovementKind::Payment, "", 1000, std::nullopt, "payment without an amount"},
        {MovementKind::PartialPayout, "250000", 1000000, -250000, "payout is negative"},
        {MovementKind::PartialPayout, "5000", 1000, -5000, "larger than the balance"},
        {MovementKind::Payment, "700", 1000, 700, "payment is positive"},
        {MovementKind::FullPayout, "", 12500, -12500, "full payout empties the balance"},
        {MovementKind::FullPayout, "99", -300, 300, "negative balance paid back up"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::MovementAmount(c.Kind, c.Text, c.Balance), c.Expected) << c.Why;
}

TEST_F(DepositStatements, ListShowsActiveOrAllInTheChosenOrder) {
    const Integer a = AddAccount("Bbb számla");
    const Integer b = AddAccount("Aaa számla");
    AddDeposit(a, "Zoltán", "2024-01-03", 100);
    const Integer closed = AddDeposit(b, "Ádám", "2024-01-02", 200);
    Exec("UPDATE letet SET status=0 WHERE sorszam=" + Key(closed));
    AddDeposit(b, "Csaba", "2024-01-01", 300);
    // A deposit without any movement is listed too.
    Exec("INSERT INTO letet (egyenleg,letetiszamla,letevo,kedvezmenyezett,status,betet,"
         "megjegyzes) VALUES (0," +
         Key(a) + ",'Béla','',1,'2024-01-04','')");

    EXPECT_EQ(Payers(app::DepositListSql(true, DepositSort::Date)),
              (std::vector<String>{"Csaba", "Zoltán", "Béla"}));
    EXPECT_EQ(Payers(app::DepositListSql(false, DepositSort::Payer)),
              (std::vector<String>{"Ádám", "Béla", "Csaba", "Zoltán"}));
    EXPECT_EQ(Payers(app::DepositListSql(true, DepositSort::Account)),
              (std::vector<String>{"Csaba", "Zoltán", "Béla"}));
    // The grand total counts closed deposits too.
    EXPECT_EQ(Number(app::DepositGrandTotalSql()), 600);
    const auto rows =
        Rows("SELECT betet, letetosszeg, pnev FROM (" + app::DepositListSql(true, DepositSort::Date) + ")");
    EXPECT_EQ(rows[0], (Row{String("2024.01.01."), String("300"), std::nullopt}));
}

TEST_F(DepositStatements, SearchFiltersAndTotalsTheSameRows) {
    const Integer a = AddAccount("Ügyvédi letét");
    const Integer b = AddAccount("Másik");
    const Integer p = AddProject("Építkezés");
    const Integer d1 = AddDeposit(a, "O'Brien Kft.", "2024-02-01", 1000);
    Exec("UPDATE letet SET project=" + Key(p) + ", kedvezmenyezett='Kovács Anna' WHERE sorszam=" + Key(d1));
    AddDeposit(a, "Nagy Béla", "2024-02-02", 2000);
    const Integer d3 = AddDeposit(b, "nagy józsef", "2024-02-03", 4000);
    Exec("UPDATE letet SET status=0 WHERE sorszam=" + Key(d3));
    Exec("UPDATE letet SET kedvezmenyezett='D''Arcy Bt.' WHERE sorszam=" + Key(d3));

    const auto check = [&](const app::DepositSearch& s, std::vector<String> payers, Int64 total,
                           const char* why) {
        EXPECT_EQ(Payers(app::DepositSearchSql(s)), payers) << why;
        EXPECT_EQ(Number("SELECT coalesce(osszeg, 0) FROM (" + app::DepositSearchTotalSql(s) + ")"), total)
            << why;
    };
    app::DepositSearch s;
    check(s, {"O'Brien Kft.", "Nagy Béla"}, 3000, "nothing chosen: every active deposit");
    s.ActiveOnly = false;
    check(s, {"O'Brien Kft.", "Nagy Béla", "nagy józsef"}, 7000, "closed ones too");
    s.Payer = "NAGY";
    s.Sort = DepositSort::Payer;
    check(s, {"Nagy Béla", "nagy józsef"}, 6000, "payer in any case");
    s = {};
    s.Payer = "O'Brien";
    check(s, {"O'Brien Kft."}, 1000, "an apostrophe in the payer");
    s = {};
    s.Beneficiary = "kovács";
    check(s, {"O'Brien Kft."}, 1000, "beneficiary");
    s = {};
    s.Beneficiary = "d'arcy";
    s.ActiveOnly = false;
    check(s, {"nagy józsef"}, 4000, "an apostrophe in the beneficiary");
    s = {};
    s.AccountId = b;
    s.ActiveOnly = false;
    check(s, {"nagy józsef"}, 4000, "account");
    s = {};
    s.ProjectId = p;
    check(s, {"O'Brien Kft."}, 1000, "project");
    s.AccountId = b;
    check(s, {}, 0, "nothing matches both");
}

TEST_F(DepositStatements, NewDepositComesWithItsOpeningMovement) {
    const Integer a = AddAccount("Ügyvédi letét");
    app::NewDeposit d = Deposit(a, "Szabó O'Neill");
    d.Remark = "Ügyfél's pénze";
    const Integer id = app::WriteNewDeposit(Query(), d, 1000000);
    EXPECT_EQ(Rows("SELECT letevo, kedvezmenyezett, project, status, betet, megjegyzes, egyenleg "
                   "FROM letet WHERE sorszam=" +
                   Key(id)),
              (std::vector<Row>{{String("Szabó O'Neill"), String("Jogosult Kft."), std::nullopt, String("1"),
                                 String("2024-05-02"), String("Ügyfél's pénze"), String("1000000")}}));
    EXPECT_EQ(Rows("SELECT datum, osszeg, megjegyzes FROM letetmozgas WHERE letet=" + Key(id)),
              (std::vector<Row>{{String("2024-05-02"), String("1000000"), String("[Nyitó]")}}));

    const Integer p = AddProject("Építkezés");
    d.ProjectId = p;
    const Integer withProject = app::WriteNewDeposit(Query(), d, 5);
    EXPECT_EQ(Number("SELECT project FROM letet WHERE sorszam=" + Key(withProject)), p);
}

TEST_F(DepositStatements, NewDepositIsNotStoredWhenItsMovementFails) {
    const Integer a = AddAccount("Ügyvédi letét");
    Exec("CREATE TRIGGER refuse BEFORE INSERT ON letetmozgas BEGIN SELECT RAISE(ABORT, "
         "'nincs hely'); END");
    EXPECT_EQ(ErrorOf<sqlite::EngineError>([&] { app::WriteNewDeposit(Query(), Deposit(a, "Kiss"), 10); }),
              "nincs hely\n\n" + app::OpeningMovementSql(1, 10, EncodeDate(2024, 5, 2)) + "\r\n");
    EXPECT_EQ(Number("SELECT count(*) FROM letet"), 0);
}

TEST_F(DepositStatements, PayoutsAndPaymentsKeepTheBalance) {
    const Integer a = AddAccount("Ügyvédi letét");
    const Integer id = AddDeposit(a, "Kiss", "2024-01-01", 12500);
    const TDateTime day = EncodeDate(2024, 6, 30);
    app::WriteMovement(Query(), id, 700, day, "Befizetés", false);
    EXPECT_EQ(Number("SELECT egyenleg FROM letet WHERE sorszam=" + Key(id)), 13200);
    app::WriteMovement(Query(), id, -13200, day, "Lezárás", true);
    EXPECT_EQ(Rows("SELECT egyenleg, status, kifizetes FROM letet WHERE sorszam=" + Key(id)),
              (std::vector<Row>{{String("0"), String("0"), String("2024-06-30")}}));
    EXPECT_EQ(Rows("SELECT datum, osszeg, megjegyzes FROM (" + app::DepositMovementsSql(id) + ")"),
              (std::vector<Row>{{String("2024.01.01."), String("12500"), String("[Nyitó]")},
                                {String("2024.06.30."), String("700"), String("Befizetés")},
                                {String("2024.06.30."), String("-13200"), String("Lezárás")}}));
    const auto header =
        Rows("SELECT statusz, status, letetosszeg, kifizetes FROM (" + app::DepositHeaderSql(id) + ")");
    EXPECT_EQ(header,
              (std::vector<Row>{{String("lezárt"), String("0"), String("0"), String("2024.06.30.")}}));
}

TEST_F(DepositStatements, AFailedCloseLeavesNoPayoutBehind) {
    const Integer a = AddAccount("Ügyvédi letét");
    const Integer id = AddDeposit(a, "Kiss", "2024-01-01", 12500);
    Exec("CREATE TRIGGER refuse BEFORE UPDATE OF status ON letet BEGIN SELECT RAISE(ABORT, "
         "'zárolva'); END");
    EXPECT_EQ(ErrorOf<sqlite::EngineError>(
                  [&] { app::WriteMovement(Query(), id, -12500, EncodeDate(2024, 6, 30), "", true); }),
              "zárolva\n\n" + app::DepositCloseSql(id, EncodeDate(2024, 6, 30)) + "\r\n");
    EXPECT_EQ(Rows("SELECT egyenleg, status FROM letet WHERE sorszam=" + Key(id)),
              (std::vector<Row>{{String("12500"), String("1")}}));
}

TEST_F(DepositStatements, BaseDataKeepsAnInactiveAccountUnlessAnotherIsChosen) {
    const Integer old = AddAccount("Régi számla");
    const Integer p = AddProject("Régi projekt");
    const Integer id = AddDeposit(old, "Kiss", "2024-01-01", 100);
    Exec("UPDATE letet SET project=" + Key(p) + " WHERE sorszam=" + Key(id));
    Exec("UPDATE letetiszamla SET statusz=0; UPDATE project SET statusz=0");
    EXPECT_TRUE(Rows(app::ActiveAccountsSql()).empty());

    app::DepositBaseData d;
    d.Values.Add("letevo", true, "'Kiss D''Artagnan'")
        .Add("kedvezmenyezett", true, "'Jogosult Kft.'")
        .Add("betet", true, "'2024-05-02'")
        .Add("megjegyzes", true, "'Vételár'");
    app::ExecStatement(Query(), app::DepositBaseDataUpdateSql(id, d));
    EXPECT_EQ(Rows("SELECT letevo, letetiszamla, project, betet, megjegyzes FROM letet"),
              (std::vector<Row>{
                  {String("Kiss D'Artagnan"), Key(old), Key(p), String("2024-05-02"), String("Vételár")}}));
    EXPECT_EQ(Rows(app::DepositBaseDataSql(id))[0][3], String("Régi számla"));

    d.AccountId = AddAccount("Új számla");
    app::ExecStatement(Query(), app::DepositBaseDataUpdateSql(id, d));
    EXPECT_EQ(Number("SELECT letetiszamla FROM letet"), d.AccountId);
}

TEST_F(DepositStatements, AccountsAndProjectsAreAddedActive) {
    app::ExecStatement(Query(), app::AccountInsertSql("Kovács' számla", "11773016-1", "Megj'"));
    app::ExecStatement(Query(), app::ProjectInsertSql("Ház'", ""));
    EXPECT_EQ(
        Rows("SELECT nev, statusz, szamlaszam, megjegyzes FROM letetiszamla"),
        (std::vector<Row>{{String("Kovács' számla"), String("1"), String("11773016-1"), String("Megj'")}}));
    EXPECT_EQ(Rows(app::ActiveProjectsSql()), (std::vector<Row>{{String("1"), String("Ház'")}}));
}

} // namespace
} // namespace apptest
