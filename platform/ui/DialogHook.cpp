#include "platform/ui/DialogHook.h"

#include <utility>

namespace ui {

namespace {
DialogHook& Hook() {
    static DialogHook hook;
    return hook;
}
} // namespace

DialogHook SetDialogHook(DialogHook NewHook) {
    return std::exchange(Hook(), std::move(NewHook));
}

const DialogHook& CurrentDialogHook() {
    return Hook();
}

} // namespace ui
