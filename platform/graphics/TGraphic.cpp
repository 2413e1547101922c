#include "platform/graphics/TGraphic.h"

#include "platform/core/SafeFileStream.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TFiler.h"
#include "platform/core/TMemoryStream.h"

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

void TGraphic::DefineProperties(TFiler* Filer) {
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* Stream) {
            Integer size = 0;
            Stream->ReadBuffer(&size, 4);
            LoadFromStream(Stream);
        },
        [this](TStream* Stream) {
            TMemoryStream data;
            SaveToStream(&data);
            const Integer size = Integer(data.Size());
            Stream->WriteBuffer(&size, 4);
            Stream->WriteBuffer(data.Memory(), size);
        },
        !Empty());
}
