#include "platform/graphics/TGraphic.h"

#include "platform/core/SafeFileStream.h"
#include "platform/core/TFileStream.h"

void TGraphic::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    Changed();
}

void TGraphic::LoadFromFile(const String& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const String& FileName) {
    core::SafeFileStream stream(FileName);
    SaveToStream(&stream);
    stream.Commit();
}
