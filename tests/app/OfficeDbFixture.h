#pragma once
// The application tests' database: each test gets a fresh temporary folder holding
// data/dornek.s3db built from resources/schema.sql, a connection set up as the main
// window sets up its own (code page 1250 text, the file must exist), and helpers that
// add rows with the statements the dialogs use and read values back.
#include "platform/core/Types.h"
#include "tests/support/OfficeDatabase.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TSqlite3DB;

namespace apptest {

// A fresh folder under the system's temporary folder, removed with its contents.
using TempFolder = ::TempFolder;

// A connection component configured like the main window's, over folder/data/dornek.s3db.
std::unique_ptr<TSqlite3DB> MakeConnection(const std::string& folder);

using Row = std::vector<std::optional<String>>;

class OfficeDbFixture : public ::testing::Test {
protected:
    OfficeDbFixture();
    ~OfficeDbFixture() override;

    void SetUp() override;
    void TearDown() override;

    TSqlite3DB& DB() { return *FDB; }
    // The test's working folder; the database lies in its data/ folder.
    const std::string& Folder() const { return FFolder.Path(); }
    std::string DatabaseFile() const { return Folder() + "/data/dornek.s3db"; }
    // Makes Folder() the working folder until the test ends, so a connection set up like
    // the main window's (data/dornek.s3db relative to the working folder) finds the file.
    void UseAsWorkingFolder();

    // Runs statements through the connection.
    void Exec(const String& sql);
    // Every row of a query, columns as text (NULL as no value), read through the
    // connection so text crosses the same code-page boundary as the program's.
    std::vector<Row> Rows(const String& sql);
    // The first column of the first row; fails the test when there is no row.
    std::optional<String> Value(const String& sql);
    // The first column of the first row as text, "" for NULL.
    String Text(const String& sql);
    // The first column of the first row as an integer.
    Int64 Number(const String& sql);
    // "SELECT MAX(sorszam) FROM " + table: the newest row's key, with no other program writing.
    Integer LastKey(const String& table);
    // The database's today, "yyyy-mm-dd".
    String Today();

    // ---- Rows, written as the dialogs write them (dates as "yyyy-mm-dd") -----------
    Integer AddCase(const String& name, const String& date, const String& description = "");
    Integer AddHistoryEntry(Integer caseId, const String& date, const String& file, const String& text,
                            bool keep = false, bool archive = false);
    Integer AddPerson(const String& name, const std::optional<String>& birthDate = {});
    Integer AddOrganisation(const String& name, const String& documentNumber = "");
    // A copy of a person in a case, linked to the register row registerId (0: none).
    Integer AddCasePerson(Integer caseId, const String& name, Integer registerId = 0,
                          bool identified = false);
    Integer AddAccount(const String& name);
    Integer AddProject(const String& name);
    // A new deposit with its opening movement, as the new-deposit dialog stores it.
    Integer AddDeposit(Integer accountId, const String& payer, const String& date, Int64 amount);
    void AddMovement(Integer depositId, const String& date, Int64 amount, const String& note = "");
    Integer AddRegistryPartner(const String& name, const String& address = "");
    // table is "ikt_be" or "ikt_ki".
    Integer AddRegistryEntry(const String& table, Integer partnerId, const String& date,
                             const String& subject = "");
    Integer AddIdentification(Integer personId, Integer caseId, const String& date, const String& number);
    // Replaces an info key as the settings dialog does.
    void SetSetting(const String& key, const String& value);

private:
    OfficeDatabase FFolder{"data/dornek.s3db"};
    std::unique_ptr<TSqlite3DB> FDB;
    std::string FPreviousFolder;
};

} // namespace apptest
