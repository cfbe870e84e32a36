// libFuzzer target: any bytes read as an icon file end in an icon or in the
// framework's failure; an icon read keeps the file byte for byte, and its
// size and system handle can be asked for.
#include <cstring>

#include "Check.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Icon.h"
#include "framework/io/Streams.h"

using namespace skl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TIcon icon;
    try {
        icon.LoadFromMemory(data, size);
    } catch (const Exception&) {
        return 0;
    }
    Check(icon.Width() >= 1 && icon.Width() <= 256 && icon.Height() >= 1 && icon.Height() <= 256);
    icon.Handle();
    TMemoryStream saved;
    icon.SaveToStream(saved);
    Check(static_cast<std::size_t>(saved.Length()) == size && std::memcmp(saved.Memory(), data, size) == 0);
    return 0;
}
