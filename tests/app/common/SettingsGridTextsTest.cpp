// The five settings grids (accounts, projects, registry locations, arrival modes, registry
// partners) over texts that other tools stored past their columns' declared sizes: a cell
// shows whole, an edit stores exactly what the user left, and typing stops at the size.
#include "app/common/MainWindowShared.h"
#include "app/common/SqlRoutines.h"
#include "app/deposits/DepositArea.h"
#include "app/registry/RegistryArea.h"
#include "grid/TVgDBGrid.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/app/MainWindowFixture.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class SettingsGridTexts : public MainWindowFixture {
protected:
    ui::DialogAnswer AnswerDialog(const ui::DialogRequest& Request) override {
        ADD_FAILURE() << "unexpected box: " << Request.Text;
        return {};
    }
};

// Count characters from First on, accented ones among them, so characters and bytes differ.
String Letters(const char* First, Integer Count) {
    static const char* const Cycle[] = {"Ő", "r", "z", "ő", " ", "ű", "é", "k"};
    String text = First;
    for (Integer i = 1; i < Count; ++i)
        text += Cycle[i % 8];
    return text;
}

// A cell stored past its size is edited by one character as the user does it: F2, End,
// Backspace, a key typed (refused: the text may not grow again), Down to leave the row. The
// row stores the whole text less that character; the next row's text, at exactly its size,
// takes no typed character either.
TEST_F(SettingsGridTexts, AnEditOfALongCellStoresTheWholeTextLessTheCharacterRemoved) {
    const struct {
        const char* Grid;
        const char* Table;
        const char* Column;
        Integer Index; // of the grid's column
        Integer Size;  // declared
        Integer Stored;
    } cases[] = {
        {"letetbeallitas_DBGrid1", "letetiszamla", "megjegyzes", 3, 1000, 1518},
        {"letetbeallitas_DBGrid1", "letetiszamla", "nev", 0, 128, 215},
        {"letetbeallitas_DBGrid2", "project", "megjegyzes", 2, 512, 718},
        {"letetbeallitas_DBGrid2", "project", "nev", 0, 128, 213},
        {"VgDBGrid4", "ikt_mt", "nev", 0, 64, 110},
        {"VgDBGrid5", "ikt_mod", "nev", 0, 64, 109},
        {"VgDBGrid3", "ikt_partner", "nev", 0, 127, 213},
    };
    // Two rows a table, keys 1 and 2: the long one first (by name too, where the grid sorts).
    for (const char* table : {"letetiszamla", "project", "ikt_mt", "ikt_mod", "ikt_partner"})
        Exec(String("INSERT INTO ") + table + " (nev) VALUES ('A'), ('Z')");
    for (const auto& c : cases) {
        const String set = String("UPDATE ") + c.Table + " SET " + c.Column + "=";
        Exec(set + SqlLiteral(Letters("A", c.Stored)) + " WHERE sorszam=1");
        Exec(set + SqlLiteral(Letters("Z", c.Size)) + " WHERE sorszam=2");
    }
    app::MainWindowShared& f = CreateMainWindow();
    f.Show();
    for (const auto& c : cases) {
        SCOPED_TRACE(String(c.Table) + "." + c.Column);
        if (String(c.Table).starts_with("ikt_"))
            app::Iktatasbeallitasok1Click(f, nullptr);
        else
            app::OpenDepositSettings(f);
        auto* grid = static_cast<TVgDBGrid*>(f.FindComponent(c.Grid));
        grid->DataSource()->DataSet()->First();
        grid->SetSelectedIndex(c.Index);
        const String select = String("SELECT ") + c.Column + " FROM " + c.Table + " WHERE sorszam=";

        ui::SimulateKey(grid, VK_F2);
        ASSERT_EQ(grid->InplaceEditor()->Text(), Letters("A", c.Stored));
        ui::SimulateKey(grid->InplaceEditor(), VK_END);
        ui::SimulateKey(grid->InplaceEditor(), VK_BACK);
        ui::SimulateKey(grid->InplaceEditor(), 'X', {}, "x");
        ui::SimulateKey(grid->InplaceEditor(), VK_DOWN);
        EXPECT_EQ(Text(select + "1"), Letters("A", c.Stored - 1));

        ui::SimulateKey(grid, VK_F2);
        ui::SimulateKey(grid->InplaceEditor(), VK_END);
        ui::SimulateKey(grid->InplaceEditor(), 'X', {}, "x");
        ui::SimulateKey(grid->InplaceEditor(), VK_UP);
        EXPECT_EQ(Text(select + "2"), Letters("Z", c.Size));
        ui::SimulateKey(grid->InplaceEditor(), VK_ESCAPE); // F2 would close an open editor
    }
    f.Hide();
}

} // namespace
} // namespace apptest
