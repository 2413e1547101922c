#pragma once
// A list of points. Each entry keeps both coordinates whole (32 bits each), so
// negative and large coordinates come back unchanged.
#include "platform/core/TList.h"
#include "platform/graphics/TRect.h"

class TUtlPointList : public TList {
public:
    String ClassName() const override { return "TUtlPointList"; }

    // (0, 0) for an index outside the list.
    TPoint GetPoint(Integer I) const;
    // Ignored for an index outside the list.
    void PutPoint(Integer I, TPoint P);
    void AddPoint(TPoint P);
    // Ignored for an index outside the list.
    void DeletePoint(Integer I);
    // Dest is cleared and receives every point.
    void Clone(TUtlPointList* Dest) const;

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate(bool Notify);

    TNotifyEvent OnChange;

private:
    void Changed();

    Integer FUpdateCount = 0;
};
