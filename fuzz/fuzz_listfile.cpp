// Feeds arbitrary bytes to the list-file reader of every container kind: each
// must load or raise its own error, never crash, and keep its items on failure.
#include "controls/lists/UtlImageLists.h"
#include "controls/lists/UtlListItems.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/BitmapResources.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 1) return 0;
    // The first byte picks the kind, the rest is the indexed container stream.
    std::unique_ptr<TUtlCustomContainer> list;
    switch (Data[0] % 5) {
    case 0:
        list = std::make_unique<TUtlBitmapList>(nullptr);
        break;
    case 1:
        list = std::make_unique<TUtlImageList>(nullptr);
        break;
    case 2:
        list = std::make_unique<TUtlWaveList>(nullptr);
        break;
    case 3:
        list = std::make_unique<TUtlStringList>(nullptr);
        break;
    default:
        list = std::make_unique<TUtlGenericList>(nullptr);
        break;
    }
    list->Add();
    TMemoryStream stream;
    if (Size > 1) stream.WriteBuffer(Data + 1, Integer(Size - 1));
    stream.SetPosition(0);
    try {
        list->ReadData(&stream, (Data[0] & 0x80) != 0);
    } catch (const Exception&) {
        if (list->GetCount() != 1) __builtin_trap();
    }
    return 0;
}
