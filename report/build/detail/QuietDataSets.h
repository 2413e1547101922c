#pragma once
// While a report builds, the data sets its bands walk tell their controls nothing: a
// grid showing the data set the report walks would otherwise move and repaint at
// every record. The outermost build holds one QuietDataSets; every data set walked
// during it gets its controls back once, on Release, when that build ends.
#include "platform/core/TComponent.h"

#include <vector>

class TDataSet;

namespace report {

class QuietDataSets : public TComponent {
public:
    // The hold of the build unless an outer build holds one already.
    QuietDataSets();
    ~QuietDataSets() override;
    QuietDataSets(const QuietDataSets&) = delete;
    QuietDataSets& operator=(const QuietDataSets&) = delete;

    // Disables DataSet's controls until the outermost build's Release. Nothing outside a
    // build, nothing twice, and nothing for a master whose details must follow its rows.
    static void Add(TDataSet* DataSet);
    // Gives every quieted data set its controls back, the last quieted first.
    void Release();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TDataSet*> FDataSets;
    bool FHolds = false;
};

} // namespace report
