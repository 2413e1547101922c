#pragma once
// The item list of a list box, combo box or radio group: a string list that
// tells its control about every insertion, deletion and change, so the
// widget mirrors it without rebuilding.
#include "platform/core/TStrings.h"

#include <functional>
#include <memory>
#include <vector>

namespace ui {

class SharedItems;

class ItemStrings : public TStrings {
public:
    String ClassName() const override { return "TStrings"; }

    Integer Count() const override;
    String Get(Integer Index) const override;
    void Put(Integer Index, const String& S) override;
    TObject* GetObject(Integer Index) const override;
    void PutObject(Integer Index, TObject* AObject) override;
    void Insert(Integer Index, const String& S) override;
    void Delete(Integer Index) override;
    void Clear() override;
    // Sorted lists insert at the collated position.
    Integer Add(const String& S) override;
    Integer AddObject(const String& S, TObject* AObject) override;

    bool Sorted() const { return FSorted; }
    void SetSorted(bool v);

    // Reads Items, a list other controls may show too, instead of own items; no copy is
    // made. Changing the items afterwards (or sorting them) first gives the list its own
    // copy; Clear and Share(nullptr) go back to own, empty items.
    void Share(std::shared_ptr<const SharedItems> Items);
    const SharedItems* Shared() const { return FShared.get(); }

    std::function<void(Integer Index, const String& S)> OnInserted;
    std::function<void(Integer Index)> OnDeleted;
    std::function<void(Integer Index, const String& S)> OnChanged;
    std::function<void()> OnCleared;
    std::function<void(const SharedItems* Items)> OnShared;

    // How a list widget copies each change of the items.
    struct Mirror {
        std::function<void(Integer Index, const String& S)> Insert;
        std::function<void(Integer Index)> Remove;
        std::function<void(Integer Index, const String& S)> Rename;
        std::function<void()> Clear;
        // The widget shows Items (own items again when null); may be left empty by
        // widgets no shared list is given to.
        std::function<void(const SharedItems* Items)> Share;
    };
    // Sets the events so that each change reaches the widget through
    // Widget while Syncing is true: the control's own change signals then
    // know the change came from code, not from the user.
    void MirrorTo(bool& Syncing, Mirror Widget);
    // Clears the events (the control is going).
    void StopMirroring();

private:
    void Check(Integer Index, Integer Limit) const;
    // Copies a shared list into own items before they change.
    void Own();

    struct Item {
        String Text;
        TObject* Object = nullptr;
    };
    std::vector<Item> FItems;
    std::shared_ptr<const SharedItems> FShared;
    bool FSorted = false;
};

} // namespace ui
