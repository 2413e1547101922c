#pragma once
// The data-manager interface of the engine. This system installs none:
// rpDataManager stays null and every call it guards is skipped.
#include "platform/core/TObject.h"

class TDataSet;
class TStream;

class TrpDataManager : public TObject {
public:
    String ClassName() const override { return "TrpDataManager"; }
    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    virtual void BeforePreparing() = 0;
    virtual void AfterPreparing() = 0;
    virtual void PrepareDataSet(TDataSet* DataSet) = 0;
    virtual bool ShowParamsDialog() = 0;
    virtual void AfterParamsDialog() = 0;
};
