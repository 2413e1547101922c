#include "app/registry/Tiktki.h"

#include "app/registry/RegistryArea.h"
#include "app/common/Form1.h"
#include "app/registry/Tiktataspartneruj.h"

#include "platform/ui/TPanel.h"

Tiktki* iktki = nullptr;

Tiktki::Tiktki(TComponent* AOwner)
    : app::RegistryEntryDialog(AOwner, app::RegistryBook::Outgoing, "iktki", "Iktatás, kimenő", "Címzet:") {}

Tiktki::~Tiktki() {
    if (iktki == this) iktki = nullptr;
}

void Tiktki::BitBtn1Click(TObject*) {
    iktataspartneruj->Mode = 3;
    iktataspartneruj->ShowModal();
}

void Tiktki::ShowStoredList() {
    app::ShowOutgoingListPage(app::MainWindow());
}
