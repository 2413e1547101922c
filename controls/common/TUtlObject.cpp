#include "controls/common/TUtlObject.h"

#include "controls/common/UtlProperties.h"

TUtlObject::TUtlObject() {
    utl::RegisterProperties();
}

void TUtlObject::EndUpdate(bool Notify) {
    FUpdateLock = 0;
    if (Notify) Change();
}

void TUtlObject::Change() {
    if (OnChange && FUpdateLock != 1) OnChange(this);
}
