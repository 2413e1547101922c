#include "report/build/detail/QuietDataSets.h"

#include "platform/data/TDataSet.h"

#include <algorithm>
#include <exception>

namespace report {

namespace {

QuietDataSets* current = nullptr;

} // namespace

QuietDataSets::QuietDataSets() : TComponent(nullptr), FHolds(current == nullptr) {
    if (FHolds) current = this;
}

QuietDataSets::~QuietDataSets() {
    for (TDataSet* ds : FDataSets)
        ds->RemoveFreeNotification(this);
    if (current == this) current = nullptr;
}

void QuietDataSets::Add(TDataSet* DataSet) {
    if (!current || !DataSet || DataSet->HasDetails()) return;
    std::vector<TDataSet*>& held = current->FDataSets;
    if (std::find(held.begin(), held.end(), DataSet) != held.end()) return;
    DataSet->DisableControls();
    DataSet->FreeNotification(current);
    held.push_back(DataSet);
}

void QuietDataSets::Release() {
    if (current == this) current = nullptr;
    // A control failing to show its data set again leaves the others to come back
    // all the same; the first failure is raised afterwards.
    std::exception_ptr failure;
    while (!FDataSets.empty()) {
        TDataSet* ds = FDataSets.back();
        FDataSets.pop_back();
        ds->RemoveFreeNotification(this);
        try {
            ds->EnableControls();
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (failure) std::rethrow_exception(failure);
}

void QuietDataSets::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        std::erase_if(FDataSets,
                      [AComponent](TDataSet* ds) { return static_cast<TComponent*>(ds) == AComponent; });
}

} // namespace report
