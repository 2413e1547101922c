#pragma once
// The item kinds of the containers and the plain lists that hold them: a
// bitmap, a string list, a wave, or raw bytes with the name of the file they
// came from. Each record is the standard header, then the data block when flag
// bit 3 says there is data, as existing list files hold them.
#include "controls/services/TUtlWave.h"
#include "controls/lists/UtlContainer.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"

#include <memory>

class TUtlBitmapListItem : public TUtlListItem {
public:
    explicit TUtlBitmapListItem(TComponent* AOwner);
    String ClassName() const override { return "TUtlBitmapListItem"; }

    // The bitmap; an empty one in a container whose Source is a file, a path or
    // the program's resources is filled from there on first use.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* Value);
    TUtlSavePixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TUtlSavePixelFormat Value) { FPixelFormat = Value; }

    void Assign(TPersistent* Source) override;
    void FreeData() override;
    bool GetEmpty() const override { return FBitmap->Empty(); }
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;
    Byte WriteFlag() const override;

private:
    void LoadFromSource();

    std::unique_ptr<TBitmap> FBitmap;
    TUtlSavePixelFormat FPixelFormat = spfDefault;
};

class TUtlStringListItem : public TUtlListItem {
public:
    explicit TUtlStringListItem(TComponent* AOwner);
    String ClassName() const override { return "TUtlStringListItem"; }

    TStringList* Items() const { return FItems.get(); }
    void SetItems(TStrings* Value);

    // Also takes the lines of any platform string list.
    void Assign(TPersistent* Source) override;
    void FreeData() override { FItems->Clear(); }
    bool GetEmpty() const override { return FItems->Count() == 0; }
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;
    Byte WriteFlag() const override;

private:
    std::unique_ptr<TStringList> FItems;
};

class TUtlWaveListItem : public TUtlListItem {
public:
    explicit TUtlWaveListItem(TComponent* AOwner);
    String ClassName() const override { return "TUtlWaveListItem"; }

    TUtlWave* Wave() const { return FWave.get(); }
    void SetWave(TUtlWave* Value) { FWave->Assign(Value); }

    void Assign(TPersistent* Source) override;
    void FreeData() override { FWave->FreeWave(); }
    bool GetEmpty() const override { return FWave->GetEmpty(); }
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;
    Byte WriteFlag() const override;

private:
    std::unique_ptr<TUtlWave> FWave;
};

class TUtlGenericListItem : public TUtlListItem {
public:
    explicit TUtlGenericListItem(TComponent* AOwner);
    String ClassName() const override { return "TUtlGenericListItem"; }

    TMemoryStream* Data() const { return FData.get(); }
    const String& FileName() const { return FFileName; }

    void Assign(TPersistent* Source) override;
    void FreeData() override;
    bool GetEmpty() const override { return FData->Size() == 0; }
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;
    Byte WriteFlag() const override;

    // The raw bytes only, from the stream's position to its end / all of them.
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);
    // An existing file's bytes, FileName its name part; an empty or missing
    // name frees the data.
    void LoadFromFile(const String& FileName);
    void SaveToFile(const String& FileName);
    // Saves the bytes in a new temporary file and answers its name ("" when none).
    String SaveToTempFile();

private:
    std::unique_ptr<TMemoryStream> FData;
    String FFileName;
};

class TUtlWaveList : public TUtlCustomContainer {
public:
    explicit TUtlWaveList(TComponent* AOwner);
    String ClassName() const override { return "TUtlWaveList"; }
    TUtlWaveListItem* Items(Integer Index) const { return static_cast<TUtlWaveListItem*>(GetItem(Index)); }
};

class TUtlStringList : public TUtlCustomContainer {
public:
    explicit TUtlStringList(TComponent* AOwner);
    String ClassName() const override { return "TUtlStringList"; }
    TUtlStringListItem* Items(Integer Index) const {
        return static_cast<TUtlStringListItem*>(GetItem(Index));
    }
};

class TUtlGenericList : public TUtlCustomContainer {
public:
    explicit TUtlGenericList(TComponent* AOwner);
    String ClassName() const override { return "TUtlGenericList"; }
    TUtlGenericListItem* Items(Integer Index) const {
        return static_cast<TUtlGenericListItem*>(GetItem(Index));
    }
};

// Registers the item and list classes for form-resource streaming (once).
void UtlRegisterListClasses();

// Item Index of a bitmap or wave list file into Bitmap or Wave.
void UtlBMLGetItem(const String& FileName, Integer Index, TBitmap* Bitmap);
void UtlWVLGetItem(const String& FileName, Integer Index, TUtlWave* Wave);
