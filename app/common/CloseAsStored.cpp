#include "app/common/CloseAsStored.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/TCustomForm.h"

#include <exception>
#include <optional>
#include <span>
#include <vector>

namespace app {

namespace {

using Step = std::function<void()>;

void RunEach(std::span<const Step> Steps, const char* Message) {
    std::optional<String> failure;
    for (const Step& step : Steps) {
        try {
            step();
        } catch (const std::exception& e) {
            // Exception is one of these; a failure of the toolkit or of memory is too, and it
            // must not read as a failed write either.
            if (!failure) failure = e.what();
        }
    }
    if (failure) throw EDatabaseError(Message + *failure);
}

} // namespace

void ReadAgainAsStored(const Step& ReadAgain, const char* Message) {
    RunEach(std::span<const Step>(&ReadAgain, 1), Message);
}

void CloseAsStored(TCustomForm& Dialog, std::initializer_list<Step> ShowStored) {
    std::vector<Step> steps{[&Dialog] { Dialog.Close(); }};
    steps.insert(steps.end(), ShowStored);
    RunEach(steps, ListNotReadAgainMessage);
}

void CloseAsStored(TCustomForm& Dialog, const Step& ShowStored) {
    CloseAsStored(Dialog, std::initializer_list<Step>{ShowStored});
}

} // namespace app
