#pragma once
// The container of one bitmap, image, wave and string list, the process-wide
// one (UtlContainer) and the control that fills it from a form resource.
#include "controls/lists/UtlImageLists.h"

#include <functional>
#include <memory>

class TFiler;
class TReader;
class TWriter;

class TUtlContainer : public TUtlBaseContainer {
public:
    explicit TUtlContainer(TComponent* AOwner);
    ~TUtlContainer() override;
    String ClassName() const override { return "TUtlContainer"; }

    TUtlBitmapList* BitmapList() const { return FBitmapList.get(); }
    TUtlImageList* ImageList() const { return FImageList.get(); }
    TUtlWaveList* WaveList() const { return FWaveList.get(); }
    TUtlStringList* StringList() const { return FStringList.get(); }
    // The given list's contents are assigned into the owned one.
    void SetBitmapList(TUtlBitmapList* Value) { FBitmapList->Assign(Value); }
    void SetImageList(TUtlImageList* Value) { FImageList->Assign(Value); }
    void SetWaveList(TUtlWaveList* Value) { FWaveList->Assign(Value); }
    void SetStringList(TUtlStringList* Value) { FStringList->Assign(Value); }

private:
    std::unique_ptr<TUtlBitmapList> FBitmapList;
    std::unique_ptr<TUtlImageList> FImageList;
    std::unique_ptr<TUtlWaveList> FWaveList;
    std::unique_ptr<TUtlStringList> FStringList;
};

// The process-wide container; null before UtlInitialization and after
// UtlFinalization (which create and free it with the services object).
extern TUtlContainer* UtlContainer;

// Streams its container's four lists as the binary properties "BitmapList",
// "ImageList", "WaveList" and "StringList" (each when not empty), each holding
// the list's container stream. At run time that container is UtlContainer.
class TUtlContainerCtrl : public TUtlCustomComponent {
public:
    // At design time a second control on the same form raises UtlEOneInstError.
    explicit TUtlContainerCtrl(TComponent* AOwner);
    ~TUtlContainerCtrl() override;
    String ClassName() const override { return "TUtlContainerCtrl"; }

    TUtlContainer* Container() const;
    void DefineProperties(TFiler* Filer) override;

private:
    TUtlCustomContainer* Selected() const;

    std::unique_ptr<TUtlContainer> FPrivate; // design time only
    Byte FSelector = 0;
};

// A reference to one of the global lists as the form-resource string
// "UTLBML30" (bitmap list) or "UTLIML30" (image list); nothing for other lists.
void UtlWriteGlobalIdent(TWriter* Writer, TUtlCustomContainer* List);
// The global list a string names; null for any other string.
TUtlCustomContainer* UtlReadGlobalIdent(TReader* Reader);
bool UtlIsGlobalIdent(const TUtlCustomContainer* List);
// The extra property "Internal" of an object that draws from an image list:
// written only when List is one of the global lists; what is read back is
// handed to Assign when it names a global image list.
void UtlDefineGlobalImageList(TFiler* Filer, TUtlCustomImageList* List,
                              const std::function<void(TUtlCustomImageList*)>& Assign);
