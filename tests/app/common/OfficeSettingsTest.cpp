// Reading the office settings from `info` as the main window does at start.
#include "app/common/OfficeSettings.h"
#include "platform/core/Exceptions.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class OfficeSettingsRead : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        FQuery = std::make_unique<TSqlite3Query>(nullptr);
        FQuery->SetConnection(&DB());
        FQuery->SetRawSQL(true);
    }
    void TearDown() override {
        FQuery.reset();
        OfficeDbFixture::TearDown();
    }

    std::unique_ptr<TSqlite3Query> FQuery;
};

TEST_F(OfficeSettingsRead, DefaultDatabaseValues) {
    app::OfficeSettings s;
    app::ReadOfficeSettings(*FQuery, s);
    EXPECT_EQ(s.DocRetentionYears, 10);
    EXPECT_EQ(s.JubRetentionYears, 8);
    EXPECT_EQ(s.OfficeAddress, "");
    EXPECT_EQ(s.ChamberId, "");
}

TEST_F(OfficeSettingsRead, MissingKeysGiveZeroAndEmpty) {
    Exec("DELETE FROM info");
    app::OfficeSettings s;
    app::ReadOfficeSettings(*FQuery, s);
    EXPECT_EQ(s.DocRetentionYears, 0);
    EXPECT_EQ(s.JubRetentionYears, 0);
    EXPECT_EQ(s.OfficeAddress, "");
    EXPECT_EQ(s.ChamberId, "");
}

TEST_F(OfficeSettingsRead, ValuesAreTrimmedNumbersAndTextsAsStored) {
    SetSetting("dokumentum_orzesi_ido", " 8 ");
    SetSetting("jub_orzesi_ido", "5");
    SetSetting("cim", " 1052 Budapest, Ráday u. 3. ");
    SetSetting("kamarai_azonosito", "K_123");
    app::OfficeSettings s;
    app::ReadOfficeSettings(*FQuery, s);
    EXPECT_EQ(s.DocRetentionYears, 8);
    EXPECT_EQ(s.JubRetentionYears, 5);
    EXPECT_EQ(s.OfficeAddress, " 1052 Budapest, Ráday u. 3. ");
    EXPECT_EQ(s.ChamberId, "K_123");
}

TEST_F(OfficeSettingsRead, WordAfterNumberStopsTheRead) {
    SetSetting("dokumentum_orzesi_ido", " 8 év");
    SetSetting("cim", "Budapest");
    app::OfficeSettings s;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { app::ReadOfficeSettings(*FQuery, s); }),
              "'8 év' is not a valid integer value");
    EXPECT_EQ(s.DocRetentionYears, 0);
    EXPECT_EQ(s.JubRetentionYears, 0);
    EXPECT_EQ(s.OfficeAddress, "");
}

TEST_F(OfficeSettingsRead, KeyIsMatchedWithLikeAndFirstRowWins) {
    // LIKE ignores case; the key column is unique, so "CIM" stands beside nothing else.
    Exec("DELETE FROM info WHERE valtozo='cim'");
    Exec("INSERT INTO info (valtozo, ertek) VALUES ('CIM', 'Szeged')");
    String value;
    ASSERT_TRUE(app::ReadInfoValue(*FQuery, "cim", value));
    EXPECT_EQ(value, "Szeged");
    EXPECT_FALSE(app::ReadInfoValue(*FQuery, "nincs_ilyen", value));
    EXPECT_EQ(value, "Szeged");
}

} // namespace
} // namespace apptest
