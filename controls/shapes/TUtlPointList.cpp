#include "controls/shapes/TUtlPointList.h"

#include <cstdint>

namespace {

static_assert(sizeof(void*) >= 8, "a list entry holds both 32-bit coordinates");

void* PackPoint(TPoint p) {
    const std::uint64_t v = (std::uint64_t(std::uint32_t(p.X)) << 32) | std::uint32_t(p.Y);
    return reinterpret_cast<void*>(std::uintptr_t(v));
}

TPoint UnpackPoint(void* entry) {
    const std::uint64_t v = std::uintptr_t(entry);
    return TPoint(Integer(std::int32_t(std::uint32_t(v >> 32))), Integer(std::int32_t(std::uint32_t(v))));
}

} // namespace

TPoint TUtlPointList::GetPoint(Integer I) const {
    if (I < 0 || I >= Count()) return TPoint();
    return UnpackPoint(Get(I));
}

void TUtlPointList::PutPoint(Integer I, TPoint P) {
    if (I < 0 || I >= Count()) return;
    Put(I, PackPoint(P));
    Changed();
}

void TUtlPointList::AddPoint(TPoint P) {
    const Integer index = Add(nullptr);
    PutPoint(index, P);
    Changed();
}

void TUtlPointList::DeletePoint(Integer I) {
    if (I < 0 || I >= Count()) return;
    Delete(I);
    Changed();
}

void TUtlPointList::Clone(TUtlPointList* Dest) const {
    if (!Dest || Dest == this) return;
    Dest->Clear();
    for (Integer i = 0; i < Count(); ++i)
        Dest->AddPoint(GetPoint(i));
}

void TUtlPointList::EndUpdate(bool Notify) {
    if (FUpdateCount > 0) --FUpdateCount;
    if (Notify) Changed();
}

void TUtlPointList::Changed() {
    if (OnChange && FUpdateCount < 1) OnChange(this);
}
