#pragma once
// A read-only list of item texts that several list controls show at once, without a
// copy each: the office's active case names fill six combo boxes. The texts are kept
// packed in one buffer; the controls read them as they draw.
#include "platform/core/Types.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class QAbstractItemModel;

namespace ui {

class SharedItemsModel;

class SharedItems {
public:
    SharedItems();
    ~SharedItems();
    SharedItems(const SharedItems&) = delete;
    SharedItems& operator=(const SharedItems&) = delete;

    // Appends Text; a control already showing the list sees it at once.
    void Add(std::string_view Text);
    // Gives back what filling reserved beyond the texts.
    void Compact();

    Integer Count() const { return static_cast<Integer>(FEnds.size()); }
    // Index from 0 to Count() - 1.
    std::string_view Get(Integer Index) const;
    // The bytes of all texts together.
    std::size_t TextBytes() const { return FText.size(); }

    // Platform-internal: the model the controls show, made on first use.
    QAbstractItemModel* Model() const;

private:
    std::string FText;
    std::vector<std::uint32_t> FEnds;
    mutable std::unique_ptr<SharedItemsModel> FModel;
};

} // namespace ui
