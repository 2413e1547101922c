#pragma once
// What the export needs of its progress window: a caption, a status line, a bar
// and a cancel button that sets a flag. The component reaches the window only
// through this interface, so the pipeline stays free of widgets; tests put their
// own in place through SetProgressDialogFactory.
#include "platform/core/Types.h"

#include <functional>
#include <memory>

namespace vge {

class ProgressDialog {
public:
    virtual ~ProgressDialog() = default;
    // Sets the texts and the range (the bar is shown only when Min or Max is not
    // 0), then shows the window and lets pending events run.
    virtual void Start(const String& Caption, const String& Status, const String& ButtonCaption, Integer Min,
                       Integer Max, Integer Position) = 0;
    // Shows Text as the status line and Value on the bar, repaints and lets
    // pending events run (this is where a click on the button is seen).
    virtual void Update(const String& Text, Integer Value) = 0;
    // Whether an Update with Value would show now; the export builds the status
    // text only then, since a refresh costs far more than a record.
    virtual bool Due(Integer Value) const { return true; }
    virtual Integer Max() const = 0;
    virtual bool Cancelled() const = 0;
    virtual void SetCancelled(bool Value) = 0;
};

using ProgressDialogFactory = std::function<std::unique_ptr<ProgressDialog>()>;

// The window every export creates (the export's own process form unless replaced).
std::unique_ptr<ProgressDialog> CreateProgressDialog();
// Replaces the factory (an empty one restores the process form); returns the previous.
ProgressDialogFactory SetProgressDialogFactory(ProgressDialogFactory Factory);

} // namespace vge
