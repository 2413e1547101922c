#include "platform/ui/SharedItems.h"

#include <QAbstractListModel>
#include <QString>

namespace ui {

// One model for every control showing the list: rows are read, never stored.
class SharedItemsModel : public QAbstractListModel {
public:
    explicit SharedItemsModel(const SharedItems& Items) : FItems(Items) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : FItems.Count(); }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= FItems.Count()) return {};
        if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
        const std::string_view text = FItems.Get(index.row());
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void Appending(int Row) { beginInsertRows({}, Row, Row); }
    void Appended() { endInsertRows(); }

private:
    const SharedItems& FItems;
};

SharedItems::SharedItems() = default;
SharedItems::~SharedItems() = default;

void SharedItems::Add(std::string_view Text) {
    if (FModel) FModel->Appending(Count());
    FText.append(Text);
    FEnds.push_back(static_cast<std::uint32_t>(FText.size()));
    if (FModel) FModel->Appended();
}

void SharedItems::Compact() {
    FText.shrink_to_fit();
    FEnds.shrink_to_fit();
}

std::string_view SharedItems::Get(Integer Index) const {
    const auto i = static_cast<std::size_t>(Index);
    const std::uint32_t begin = i == 0 ? 0 : FEnds[i - 1];
    return std::string_view(FText).substr(begin, FEnds[i] - begin);
}

QAbstractItemModel* SharedItems::Model() const {
    if (!FModel) FModel = std::make_unique<SharedItemsModel>(*this);
    return FModel.get();
}

} // namespace ui
