#include "app/common/MainWindowShared.h"

#include "app/cases/TForm1CaseParts.h"
#include "app/clients/TForm1ClientParts.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/documents/TForm1DocumentParts.h"
#include "app/identification/TForm1JubParts.h"
#include "app/partners/TForm1PartnerParts.h"
#include "app/registry/TForm1RegistryParts.h"
#include "app/reports/TForm1PrintParts.h"

namespace app {

MainWindowShared::MainWindowShared(TComponent* AOwner) : TForm(AOwner) {
    FCases.Make();
    FClients.Make();
    FPartners.Make();
    FDeposits.Make();
    FDocuments.Make();
    FJub.Make();
    FRegistry.Make();
    FPrintCommands.Make();
}

MainWindowShared::~MainWindowShared() = default;

} // namespace app
