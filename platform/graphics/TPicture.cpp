#include "platform/graphics/TPicture.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TFiler.h"
#include "platform/core/TStream.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TMetafile.h"

#include <algorithm>
#include <cctype>

namespace {

std::unique_ptr<TGraphic> NewLike(TGraphic* g) {
    if (dynamic_cast<TBitmap*>(g)) return std::make_unique<TBitmap>();
    if (dynamic_cast<TIcon*>(g)) return std::make_unique<TIcon>();
    if (dynamic_cast<TMetafile*>(g)) return std::make_unique<TMetafile>();
    return nullptr;
}

String LowerExtension(const String& name) {
    const std::size_t dot = name.find_last_of('.');
    const std::size_t slash = name.find_last_of("/\\");
    if (dot == String::npos || (slash != String::npos && dot < slash)) return "";
    String ext = name.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

void TPicture::Assign(TPersistent* Source) {
    if (!Source) {
        SetGraphic(nullptr);
        return;
    }
    if (auto* p = dynamic_cast<TPicture*>(Source)) {
        if (p != this) SetGraphic(p->Graphic());
        return;
    }
    if (auto* g = dynamic_cast<TGraphic*>(Source)) {
        SetGraphic(g);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::SetGraphic(TGraphic* Value) {
    std::unique_ptr<TGraphic> next;
    if (Value) {
        next = NewLike(Value);
        if (!next) throw EInvalidGraphic("Unsupported graphic format");
        next->Assign(Value);
    }
    FGraphic = std::move(next);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

template <typename T> T* TPicture::Force() {
    if (auto* t = dynamic_cast<T*>(FGraphic.get())) return t;
    FGraphic = std::make_unique<T>();
    FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
    return static_cast<T*>(FGraphic.get());
}

TBitmap* TPicture::Bitmap() {
    return Force<TBitmap>();
}
TIcon* TPicture::Icon() {
    return Force<TIcon>();
}
TMetafile* TPicture::Metafile() {
    return Force<TMetafile>();
}

void TPicture::LoadFromFile(const String& FileName) {
    const String ext = LowerExtension(FileName);
    std::unique_ptr<TGraphic> g;
    if (ext == "bmp")
        g = std::make_unique<TBitmap>();
    else if (ext == "ico")
        g = std::make_unique<TIcon>();
    else if (ext == "emf" || ext == "wmf")
        g = std::make_unique<TMetafile>();
    else
        throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    g->LoadFromFile(FileName);
    FGraphic = std::move(g);
    FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SaveToFile(const String& FileName) {
    if (!FGraphic || FGraphic->Empty()) throw EInvalidGraphic("Cannot save an empty picture");
    FGraphic->SaveToFile(FileName);
}

void TPicture::WriteData(TStream* Stream) const {
    if (!FGraphic || FGraphic->Empty()) return;
    const String name = FGraphic->ClassName();
    Stream->WriteByte(static_cast<Byte>(name.size()));
    Stream->WriteBuffer(name.data(), static_cast<Integer>(name.size()));
    if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get())) {
        const std::vector<Byte> bytes = bitmap->SaveToBytes();
        Stream->WriteInt32(static_cast<std::int32_t>(bytes.size()));
        Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        return;
    }
    FGraphic->SaveToStream(Stream);
}

void TPicture::ReadData(TStream* Stream) {
    Byte length = 0;
    Stream->ReadBuffer(&length, 1);
    String name(length, '\0');
    Stream->ReadBuffer(name.data(), length);
    std::unique_ptr<TGraphic> g;
    if (name == "TBitmap") {
        std::int32_t size = 0;
        Stream->ReadBuffer(&size, 4);
        if (size < 0 || size > Stream->Size() - Stream->Position()) throw EReadError("Stream read error");
        std::vector<Byte> bytes(static_cast<std::size_t>(size));
        Stream->ReadBuffer(bytes.data(), size);
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromBytes(bytes.data(), bytes.size());
        g = std::move(bitmap);
    } else if (name == "TIcon" || name == "TMetafile") {
        g = name == "TIcon" ? std::unique_ptr<TGraphic>(std::make_unique<TIcon>())
                            : std::unique_ptr<TGraphic>(std::make_unique<TMetafile>());
        g->LoadFromStream(Stream);
    }
    FGraphic = std::move(g);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::DefineProperties(TFiler* Filer) {
    Filer->DefineBinaryProperty(
        "Data", [this](TStream* Stream) { ReadData(Stream); }, [this](TStream* Stream) { WriteData(Stream); },
        FGraphic && !FGraphic->Empty());
}
