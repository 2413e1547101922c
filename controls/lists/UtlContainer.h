#pragma once
// Item containers: ordered lists of named items (bitmaps, image strips, waves,
// string lists, raw data) that store themselves in form resources and in list
// files with a signature and an offset table, so that one item can be read
// from a file without the others. This file holds the model shared by every
// kind: change links, the item base and the container base with its file form.
#include "controls/common/TUtlCustomComponent.h"
#include "controls/common/UtlRoutines.h"

#include <functional>
#include <vector>

class TStream;

enum TUtlListItemClassType : Byte {
    icImageList,
    icBitmap,
    icWave,
    icStringList,
    icGeneric,
    icRTF,
    icInvalid
};
enum TUtlContainerSource : Byte { sdComponent, sdFile, sdAppResource, sdLibResource, sdPath };
enum TUtlSavePixelFormat : Byte { spfDefault, spfMono, spf4bit, spf8bit };

// List-file signatures and extensions by item class type (icImageList..icRTF).
extern const char* const UtlListSignatures[6];
extern const char* const UTLICEXTENSION[6];
// Palette colours of a saved bitmap by pixel format; -1: the bitmap's own form.
extern const Integer UtlPixelFormatColors[4];
// The binary property every item keeps its record in.
inline constexpr const char* IDS_INTERNAL = "Internal";

// The list-file extension / the item-file extension of Type, with a leading
// "." when WithDot and the extension is not empty.
String UtlICGetSuffix(TUtlListItemClassType Type, bool WithDot);
String UtlICGetItemSuffix(TUtlListItemClassType Type, bool WithDot);

class TUtlBaseContainer;
class TUtlCustomContainer;

// Tells its owner about every change of the container it is registered with.
class TUtlChangeLink {
public:
    TUtlChangeLink() = default;
    // Unregisters itself when still registered.
    ~TUtlChangeLink();
    TUtlChangeLink(const TUtlChangeLink&) = delete;
    TUtlChangeLink& operator=(const TUtlChangeLink&) = delete;

    void Change();

    TUtlBaseContainer* Sender = nullptr;
    TNotifyEvent OnChange;
};

class TUtlBaseContainer : public TUtlCustomComponent {
public:
    explicit TUtlBaseContainer(TComponent* AOwner) : TUtlCustomComponent(AOwner) {}
    // Unregisters every remaining link, the last first.
    ~TUtlBaseContainer() override;
    String ClassName() const override { return "TUtlBaseContainer"; }

    // Sets the link's Sender and appends it.
    void RegisterChanges(TUtlChangeLink* Link);
    // Clears its Sender and removes it; an unregistered link is ignored.
    void UnRegisterChanges(TUtlChangeLink* Link);
    // Every link's Change in registration order, then OnChange (not while updating).
    void Change() override;

private:
    std::vector<TUtlChangeLink*> FLinks;
};

// One item of a container: its record is a flag byte, the description and the
// identifier when set, then the data of its kind.
class TUtlListItem : public TUtlCustomComponent {
public:
    explicit TUtlListItem(TComponent* AOwner) : TUtlCustomComponent(AOwner) {}
    String ClassName() const override { return "TUtlListItem"; }

    const String& Description() const { return FDescription; }
    // At most 255 characters in a record: longer ones raise EWriteError when saved.
    void SetDescription(const String& Value);
    Word Ident() const { return FIdent; }
    void SetIdent(Word Value);
    bool Compressed() const { return FCompressed; }
    void SetCompressed(bool Value) { FCompressed = Value; }

    virtual void FreeData() {}
    virtual bool GetEmpty() const { return false; }
    virtual void ReadData(TStream* Stream) {}
    virtual void WriteData(TStream* Stream) {}
    // The record's flag byte.
    virtual Byte WriteFlag() const;

    void LoadFromStream(TStream* Stream) { ReadData(Stream); }
    void SaveToStream(TStream* Stream) { WriteData(Stream); }
    // Position in the owning container; -1 when the owner is no container.
    Integer GetIndex() const;
    TUtlCustomContainer* Container() const;

    // Own OnChange, then the container's OnChange with this item as Sender.
    void Change() override;
    // The binary property "Internal": the item's record.
    void DefineProperties(TFiler* Filer) override;
    // The stream reader hands a read item to its container.
    void SetParentComponent(TComponent* Value) override;

protected:
    // The flag byte, description and identifier; bit 0 of the flag gives
    // Compressed. ReadStd answers the flag.
    void WriteStd(TStream* Stream);
    Byte ReadStd(TStream* Stream);

private:
    String FDescription;
    Word FIdent = 0;
    bool FCompressed = false;
};

// Flag bits of an item record.
constexpr Byte ifCompressed = 0x01, ifDescription = 0x02, ifIdent = 0x04, ifData = 0x08, ifMono = 0x10,
               if4Bit = 0x20, if8Bit = 0x40;

class TUtlCustomContainer : public TUtlBaseContainer {
public:
    using TItemMaker = std::function<TUtlListItem*(TComponent* Owner)>;

    TUtlCustomContainer(TComponent* AOwner, TUtlListItemClassType ListType, TItemMaker ItemClass);
    ~TUtlCustomContainer() override;
    String ClassName() const override { return "TUtlCustomContainer"; }

    bool DefaultCompressed() const { return FDefaultCompressed; }
    void SetDefaultCompressed(bool Value) { FDefaultCompressed = Value; }
    TUtlPathPrefix Prefix() const { return FPrefix; }
    void SetPrefix(TUtlPathPrefix Value);
    TUtlContainerSource Source() const { return FSource; }
    // A different source frees every item's data first (not while loading).
    void SetSource(TUtlContainerSource Value);
    const String& SourceName() const { return FSourceName; }
    void SetSourceName(const String& Value) { FSourceName = Value; }
    TUtlListItemClassType ListType() const { return FListType; }

    virtual Integer GetCount() const { return Integer(FItems.size()); }
    virtual bool GetEmpty() const { return FItems.empty(); }
    // Raises EListError "List index out of bounds (<i>)".
    virtual TUtlListItem* GetItem(Integer Index) const;
    // The container stream: a 32-bit count, with Indexed an offset table, then
    // the records. Reading checks the count against the bytes left and builds
    // the new items aside: a failed read raises and leaves the items as they
    // were, with one change notification at most.
    virtual void ReadData(TStream* Stream, bool Indexed);
    virtual void WriteData(TStream* Stream, bool Indexed);

    // A new item of the container's class when Item is null; the container owns it.
    Integer Add(TUtlListItem* Item = nullptr);
    void Insert(Integer Index, TUtlListItem* Item = nullptr);
    void Delete(Integer Index);
    void Clear();
    void Move(Integer CurIndex, Integer NewIndex);
    Integer IndexOf(const TUtlListItem* Item) const;
    // The first item of that description (exact comparison); null when none.
    TUtlListItem* GetItemByName(const String& Name) const;
    // Copies of Other's items appended; one change at the end.
    void AddList(TUtlCustomContainer* Other);
    void Assign(TPersistent* Source) override;
    // A new, unattached item of the container's class.
    TUtlListItem* NewItem(TComponent* Owner) const { return FItemClass(Owner); }

    void LoadFromStream(TStream* Stream) { ReadData(Stream, false); }
    void SaveToStream(TStream* Stream) { WriteData(Stream, false); }
    // The list file: signature, then the indexed container stream. Loading a
    // file of another kind raises Exception "Cannot open file <file>: <class
    // name>" and leaves the container as it was.
    void LoadFromFile(const String& FileName);
    void SaveToFile(const String& FileName);

    // OnChange with Item as Sender (also while updating).
    void Update(TUtlListItem* Item);

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    TComponent* GetChildOwner() override { return this; }
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    // Copies the container's settings from Source before its items (image lists add theirs).
    virtual void AssignSettings(TUtlCustomContainer* Source) {
        FDefaultCompressed = Source->FDefaultCompressed;
    }
    // Answers whether Other is of this container's kind.
    virtual bool SameKind(const TUtlCustomContainer* Other) const { return Other->FListType == FListType; }

private:
    void Adopt(Integer Index, TUtlListItem* Item);

    bool FDefaultCompressed = false;
    std::vector<TUtlListItem*> FItems;
    TUtlPathPrefix FPrefix = ppProgram;
    TUtlContainerSource FSource = sdComponent;
    String FSourceName;
    TItemMaker FItemClass;
    TUtlListItemClassType FListType;
};

// The item class type of a list file by its signature (icInvalid when none
// matches); Count gets its item count (-1 first) and, when a type was found,
// List its item offsets. A count that cannot fit the file is icInvalid.
TUtlListItemClassType UtlListGetFileType(const String& FileName, Integer& Count, std::vector<Integer>* List);
// Seeks Stream to offset Index of List and lets Item read its record; false
// without a list. Raises EListError for an index outside the list.
bool UtlListGetItemFromStream(TStream* Stream, const std::vector<Integer>* List, Integer Index,
                              TUtlListItem* Item);
// Item Index of a list file of type Type. Without List the file's own offsets
// are read and a file of another type raises Exception "Cannot open file
// <file>: <expected signature>".
void UtlListGetItemFromFile(const String& FileName, TUtlListItemClassType Type,
                            const std::vector<Integer>* List, Integer Index, TUtlListItem* Item);
