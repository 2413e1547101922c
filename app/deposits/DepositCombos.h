#pragma once
// The account and project combos of the new-deposit and base-data dialogs: the active
// accounts and projects by name, their keys in parallel arrays (index = item index).
#include "platform/core/Types.h"

#include <vector>

class TComboBox;
class TComponent;
class TSqlite3Query;
class TWinControl;

namespace app {

// The key behind Combo's chosen item (Ids parallel to its items); 0 when none is chosen.
Integer ChosenKey(const TComboBox* Combo, const std::vector<Integer>& Ids);

struct DepositChoices {
    TComboBox* Accounts = nullptr;
    std::vector<Integer> AccountIds;
    TComboBox* Projects = nullptr;
    std::vector<Integer> ProjectIds;

    // Refills both combos from the active rows; nothing chosen afterwards.
    void Fill(TSqlite3Query& Query);
    // The key behind the chosen item; 0 when none is chosen.
    Integer AccountId() const;
    Integer ProjectId() const;
};

} // namespace app
