#include "app/registry/Tiktbe.h"

#include "app/registry/RegistryArea.h"
#include "app/common/Form1.h"
#include "app/registry/Tiktataspartneruj.h"

#include "platform/ui/TPanel.h"

Tiktbe* iktbe = nullptr;

Tiktbe::Tiktbe(TComponent* AOwner)
    : app::RegistryEntryDialog(AOwner, app::RegistryBook::Incoming, "iktbe", "Iktatás, beérkezett",
                               "Feladó:") {}

Tiktbe::~Tiktbe() {
    if (iktbe == this) iktbe = nullptr;
}

void Tiktbe::BitBtn1Click(TObject*) {
    iktataspartneruj->Mode = 2;
    iktataspartneruj->ShowModal();
}

void Tiktbe::ShowStoredList() {
    app::ShowIncomingListPage(app::MainWindow());
}
