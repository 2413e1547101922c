// Fuzz target of the component text reader: any text must read into an object
// tree or end in its EReadError, without a crash, a sanitizer report or a stack
// that grows with the input. A tree that reads must write and read again to
// the same text. Run with inputs large enough to pass the nesting limit.
#include "platform/core/Exceptions.h"
#include "platform/core/TFiler.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String text(reinterpret_cast<const char*>(data), size);
    TFormObject object;
    try {
        object = TextToFormObject(text);
    } catch (const EReadError&) {
        return 0;
    }
    const String first = FormObjectToText(object);
    String second;
    try {
        second = FormObjectToText(TextToFormObject(first));
    } catch (const EReadError& e) {
        std::fprintf(stderr, "written text does not read: %s\n", e.what());
        std::abort();
    }
    if (second != first) {
        std::fprintf(stderr, "written text does not read back as written\n");
        std::abort();
    }
    return 0;
}
