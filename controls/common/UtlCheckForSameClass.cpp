#include "controls/common/UtlCheckForSameClass.h"

#include "controls/common/UtlConsts.h"
#include "platform/ui/TCustomForm.h"

namespace {

String OneInstMessage(const String& Msg, Integer Mode) {
    switch (Mode) {
    case 0:
        return Msg + ":\r" + UtlLoadStr(IDS_INVALIDOWNER);
    case 1:
        return Msg + ":\rAlready one " + Msg + " control in this project!";
    default:
        return String();
    }
}

} // namespace

UtlEOneInstError::UtlEOneInstError(const String& Msg, Integer Mode) : Exception(OneInstMessage(Msg, Mode)) {}

bool UtlCheckForSameClass(TComponent* AOwner, const std::function<bool(const TComponent*)>& IsClass,
                          bool AllowDataModule) {
    if (!dynamic_cast<TCustomForm*>(AOwner)) return true;
    if (!IsClass) return false;
    Integer found = 0;
    for (Integer i = 0; i < AOwner->ComponentCount(); ++i)
        if (IsClass(AOwner->Components(i)) && ++found > 1) return true;
    return false;
}
