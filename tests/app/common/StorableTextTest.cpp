// Text the office database cannot hold is refused before a statement runs, with a message
// that names the characters.
#include "app/common/StorableText.h"
#include "platform/data/DatabaseError.h"
#include "platform/core/Exceptions.h"
#include "tests/app/StatementQueryFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

TEST(UnstorableMessage, NamesTheCharacters) {
    const struct {
        std::u32string chars;
        const char* message;
    } rows[] = {
        {U"Ж", "A(z) „Ж” karakter nem tárolható az adatbázisban."},
        {U"ÑЖ", "A(z) „Ñ”, „Ж” karakterek nem tárolhatók az adatbázisban."},
        {U"\u200B", "A(z) „U+200B” karakter nem tárolható az adatbázisban."}, // shows nothing itself
        {U"абвгдежзий", "A(z) „а”, „б”, „в”, „г”, „д”, „е”, „ж”, „з”, „и”, „й” karakterek nem "
                        "tárolhatók az adatbázisban."},
        {U"абвгдежзийк", "A(z) „а”, „б”, „в”, „г”, „д”, „е”, „ж”, „з”, „и”, „й”, … karakterek nem "
                         "tárolhatók az adatbázisban."},
    };
    for (const auto& r : rows)
        EXPECT_EQ(app::UnstorableMessage(r.chars), r.message);
}

class StorableStatements : public StatementQueryFixture {};

TEST_F(StorableStatements, WritesAreRefusedBeforeTheyRunAndReadsPass) {
    const auto run = [this](const String& sql) {
        return ErrorOf<EDatabaseError>([&] { app::ExecStatement(Query(), sql); });
    };
    EXPECT_EQ(run("INSERT INTO letetiszamla (nev) VALUES ('Ñuñez Жанна')"),
              "A(z) „Ñ”, „ñ”, „Ж”, „а”, „н” karakterek nem tárolhatók az adatbázisban.");
    const Integer id = AddAccount("Árvíztűrő „tükör” €");
    EXPECT_EQ(run(" update letetiszamla SET megjegyzes='ŐŰ Ж' WHERE sorszam=" + Key(id)),
              "A(z) „Ж” karakter nem tárolható az adatbázisban.");
    EXPECT_EQ(run("DELETE FROM letetiszamla WHERE nev='Жанна'"), // would match "?????"
              "A(z) „Ж”, „а”, „н” karakterek nem tárolhatók az adatbázisban.");
    EXPECT_EQ(Rows("SELECT nev, megjegyzes FROM letetiszamla"),
              (std::vector<Row>{{String("Árvíztűrő „tükör” €"), String()}}));
    // A search may hold anything: it finds nothing.
    app::OpenStatement(Query(), "SELECT nev FROM letetiszamla WHERE nev LIKE '%Ж%'");
    EXPECT_TRUE(Query().IsEmpty());
}

} // namespace
} // namespace apptest
