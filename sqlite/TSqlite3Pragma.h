#pragma once
// Pragma settings a connection applies each time it connects (TSqlite3DB::ExecPragma).
// Zero numbers and empty texts are not sent.
#include "platform/core/TComponent.h"

class TSqlite3Pragma : public TComponent {
public:
    explicit TSqlite3Pragma(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TSqlite3Pragma"; }

    Integer TempCacheSize() const { return FTempCacheSize; }
    void SetTempCacheSize(Integer Value) { FTempCacheSize = Value; }
    Integer DefaultCacheSize() const { return FDefaultCacheSize; }
    void SetDefaultCacheSize(Integer Value) { FDefaultCacheSize = Value; }
    const String& DefaultSynchronous() const { return FDefaultSynchronous; }
    void SetDefaultSynchronous(const String& Value) { FDefaultSynchronous = Value; }
    const String& DefaultTempStore() const { return FDefaultTempStore; }
    void SetDefaultTempStore(const String& Value) { FDefaultTempStore = Value; }
    const String& TempStore() const { return FTempStore; }
    void SetTempStore(const String& Value) { FTempStore = Value; }
    const String& Synchronous() const { return FSynchronous; }
    void SetSynchronous(const String& Value) { FSynchronous = Value; }

private:
    Integer FTempCacheSize = 0;
    Integer FDefaultCacheSize = 0;
    String FDefaultSynchronous;
    String FDefaultTempStore;
    String FTempStore;
    String FSynchronous;
};
