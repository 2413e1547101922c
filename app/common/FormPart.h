#pragma once
// One area's part of the main window: a struct of the area's component pointers that
// only the area's own files (and its tests) and the constructor that makes it see
// complete, so a change to it rebuilds nothing else. The window holds each part through
// a FormPart; the components themselves belong to the window, which frees them as
// every owner does.
#include <memory>

namespace app {

template <class T> class FormPart {
public:
    // Makes the part with every pointer null: value-initialised, which zeroes the pointers
    // and runs the default constructors of the members that are classes, explicit ones too
    // (T{} would copy-list-initialise those from {}, which an explicit constructor refuses).
    // Called where T is complete (the window's shared parts' constructor): the deleter is
    // bound here, so the window's destructor never needs the type.
    void Make() {
        FPart = Owner(new T(), [](T* Part) { delete Part; });
    }
    // The part; only after Make.
    T& operator*() const { return *FPart; }

private:
    using Owner = std::unique_ptr<T, void (*)(T*)>;
    Owner FPart{nullptr, nullptr};
};

} // namespace app
