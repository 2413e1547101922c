#pragma once
// The designer interface of the engine and the editor form of add-in objects.
// This system has no designer: rpDesigner stays null and every call it guards
// is skipped.
#include "platform/ui/TCustomForm.h"

#include <functional>

class TBitmap;
class TrpPage;
class TrpView;

class TrpReportDesigner : public TForm {
public:
    using TForm::TForm;
    String ClassName() const override { return "TrpReportDesigner"; }
    virtual void RegisterObject(TBitmap* ButtonBmp, const String& ButtonHint, Integer ButtonTag) = 0;
    virtual void RegisterTool(const String& MenuCaption, TBitmap* ButtonBmp,
                              std::function<void(TObject*)> OnClick) = 0;
    virtual void BeforeChange() = 0;
    virtual void AfterChange() = 0;
    virtual void RedrawPage() = 0;

    // The page shown: a template page, or the prepared page being edited; the
    // views' popup items change its selected objects.
    TrpPage* Page = nullptr;
};

// The editor dialog of an add-in object.
class TrpObjEditorForm : public TForm {
public:
    using TForm::TForm;
    String ClassName() const override { return "TrpObjEditorForm"; }
    virtual void ShowEditor(TrpView* View) {}
};
