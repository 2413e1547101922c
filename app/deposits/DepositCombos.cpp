#include "app/deposits/DepositCombos.h"

#include "app/common/ComboFill.h"
#include "app/deposits/DepositStatements.h"
#include "platform/ui/TComboBox.h"

namespace app {

Integer ChosenKey(const TComboBox* Combo, const std::vector<Integer>& Ids) {
    const Integer index = Combo->ItemIndex();
    return index >= 0 && index < static_cast<Integer>(Ids.size()) ? Ids[index] : 0;
}

void DepositChoices::Fill(TSqlite3Query& Query) {
    LoadKeyedNames(Query, ActiveAccountsSql(), AccountIds, {Accounts->Items()});
    LoadKeyedNames(Query, ActiveProjectsSql(), ProjectIds, {Projects->Items()});
    Accounts->SetItemIndex(-1);
    Projects->SetItemIndex(-1);
}

Integer DepositChoices::AccountId() const {
    return ChosenKey(Accounts, AccountIds);
}

Integer DepositChoices::ProjectId() const {
    return ChosenKey(Projects, ProjectIds);
}

} // namespace app
