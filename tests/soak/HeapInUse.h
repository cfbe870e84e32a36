#pragma once
// The bytes the program has taken from the heap and not given back, from the
// allocator in use: AddressSanitizer's when the build has it, else glibc's.
#include <cstddef>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKELVORA_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SKELVORA_ASAN 1
#endif

#ifdef SKELVORA_ASAN
#include <sanitizer/allocator_interface.h>
inline std::size_t HeapInUse() { return __sanitizer_get_current_allocated_bytes(); }
#else
#include <malloc.h>
// Large blocks are mapped apart from the heap's arena; they count too.
inline std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}
#endif
