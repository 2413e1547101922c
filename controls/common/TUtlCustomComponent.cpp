#include "controls/common/TUtlCustomComponent.h"

void TUtlCustomComponent::EndUpdate(bool Notify) {
    FUpdateLock = 0;
    if (Notify) Change();
}

void TUtlCustomComponent::Change() {
    if (OnChange && FUpdateLock != 1) OnChange(this);
}
