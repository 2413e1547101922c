#pragma once
// The item list of a list box, combo box or radio group: a string list that
// tells its control about every insertion, deletion and change, so the
// widget mirrors it without rebuilding.
#include "platform/core/TStrings.h"

#include <functional>
#include <vector>

namespace ui {

class ItemStrings : public TStrings {
public:
    String ClassName() const override { return "TStrings"; }

    Integer Count() const override { return Integer(FItems.size()); }
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

    std::function<void(Integer Index, const String& S)> OnInserted;
    std::function<void(Integer Index)> OnDeleted;
    std::function<void(Integer Index, const String& S)> OnChanged;
    std::function<void()> OnCleared;

    // How a list widget copies each change of the items.
    struct Mirror {
        std::function<void(Integer Index, const String& S)> Insert;
        std::function<void(Integer Index)> Remove;
        std::function<void(Integer Index, const String& S)> Rename;
        std::function<void()> Clear;
    };
    // Sets the four events so that each change reaches the widget through
    // Widget while Syncing is true: the control's own change signals then
    // know the change came from code, not from the user.
    void MirrorTo(bool& Syncing, Mirror Widget);
    // Clears the four events (the control is going).
    void StopMirroring();

private:
    void Check(Integer Index, Integer Limit) const;

    struct Item {
        String Text;
        TObject* Object = nullptr;
    };
    std::vector<Item> FItems;
    bool FSorted = false;
};

} // namespace ui
