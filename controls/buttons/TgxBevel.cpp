#include "controls/buttons/TgxBevel.h"

#include "controls/buttons/GxProperties.h"

namespace {

// Stores Value and notifies when it differs.
template <typename T> void Store(T& field, T value, const std::function<void()>& changed) {
    if (field == value) return;
    field = value;
    changed();
}

} // namespace

void TgxBevel::Changed() {
    if (OnChange) OnChange(this);
}

void TgxBevel::SetInner(TBevelCut Value) {
    Store(FInner, Value, [this] { Changed(); });
}
void TgxBevel::SetOuter(TBevelCut Value) {
    Store(FOuter, Value, [this] { Changed(); });
}
void TgxBevel::SetSides(TgxSides Value) {
    Store(FSides, Value, [this] { Changed(); });
}
void TgxBevel::SetBold(bool Value) {
    Store(FBold, Value, [this] { Changed(); });
}

Integer TgxBevel::BordersWidth() const {
    const Integer cuts = (FInner != bvNone) + (FOuter != bvNone);
    return cuts * (FSides.Contains(fsdLeft) + FSides.Contains(fsdRight));
}

Integer TgxBevel::BordersHeight() const {
    const Integer cuts = (FInner != bvNone) + (FOuter != bvNone);
    return cuts * (FSides.Contains(fsdTop) + FSides.Contains(fsdBottom));
}

void TgxExtBevel::SetActive(bool Value) {
    Store(FActive, Value, [this] { Changed(); });
}
void TgxExtBevel::SetBevelPenStyle(TPenStyle Value) {
    Store(FBevelPenStyle, Value, [this] { Changed(); });
}
void TgxExtBevel::SetBevelPenWidth(Word Value) {
    Store(FBevelPenWidth, Value, [this] { Changed(); });
}
void TgxExtBevel::SetInteriorOffset(Word Value) {
    Store(FInteriorOffset, Value, [this] { Changed(); });
}

TgxBevel::TgxBevel() {
    gx::RegisterProperties();
}

TgxBevelLines::TgxBevelLines() {
    gx::RegisterProperties();
}
