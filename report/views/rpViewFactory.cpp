#include "report/views/detail/rpViewFactory.h"

#include "platform/core/Exceptions.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpRegistry.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/views/TrpPictureView.h"
#include "report/views/TrpSubReportView.h"

namespace {

TrpView* CreateByType(Byte Typ, const String& AClassName) {
    switch (Typ) {
    case gtMemo:
        return new TrpMemoView();
    case gtPicture:
        return new TrpPictureView();
    case gtBand:
        return new TrpBandView();
    case gtSubReport:
        return new TrpSubReportView();
    case gtLine:
        return new TrpLineView();
    case gtAddIn:
        for (Integer i = 0; i < rpAddInsCount; ++i)
            if (rpAddIns[i].ClassName == AClassName) {
                TrpView* view = rpAddIns[i].ClassRef();
                view->Typ = gtAddIn;
                return view;
            }
        throw EClassNotFound("Не найден класс " + AClassName);
    default:
        return nullptr;
    }
}

} // namespace

TrpView* rpCreateObject(Byte Typ, const String& AClassName) {
    TrpView* view = CreateByType(Typ, AClassName);
    if (view) view->ID = ObjectCounter++;
    return view;
}
