#pragma once
// A persistent sub-object that tells its owner about changes through OnChange,
// grouped by BeginUpdate / EndUpdate (locks do not nest).
#include "platform/core/TPersistent.h"

class TUtlObject : public TPersistent {
public:
    // Registers the library's published properties on first use.
    TUtlObject();
    String ClassName() const override { return "TUtlObject"; }

    void BeginUpdate() { FUpdateLock = 1; }
    // Unlocks and, with Notify, reports one change.
    void EndUpdate(bool Notify);
    // Calls OnChange unless locked.
    virtual void Change();
    // Suited as the OnChange handler of owned sub-objects.
    void GetChange(TObject* Sender) { Change(); }
    // One-line summary of the settings; empty here.
    virtual String GetSetStr() const { return String(); }

    TNotifyEvent OnChange;

protected:
    // Setters' rule: a different value is stored and reported by Change; an
    // equal one does nothing. Answers whether it changed.
    template <typename T> bool SetAndChange(T& Field, const T& Value) {
        if (Field == Value) return false;
        Field = Value;
        Change();
        return true;
    }

private:
    Byte FUpdateLock = 0;
};
