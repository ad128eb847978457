// libFuzzer entry for the WAVE parser: whatever the bytes, it parses them or
// refuses them without reading outside them, and what it accepts is a
// playable recording lying inside them.
#include <cstddef>
#include <cstdint>

#include "sound/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const auto wave = vk::parse_wave(bytes, size);
    if (!wave) return 0;
    const auto& f = wave->format;
    if (wave->data < bytes || wave->data + wave->bytes > bytes + size) __builtin_trap();
    if (f.format_tag != 1 || f.channels < 1 || f.channels > 2) __builtin_trap();
    if (f.bits_per_sample != 8 && f.bits_per_sample != 16) __builtin_trap();
    if (f.block_align != f.channels * f.bits_per_sample / 8) __builtin_trap();
    if (wave->bytes == 0 || wave->bytes % f.block_align != 0) __builtin_trap();
    // Touch every sample byte, so that AddressSanitizer sees any stray range.
    volatile uint8_t sum = 0;
    for (uint32_t i = 0; i < wave->bytes; ++i) sum = static_cast<uint8_t>(sum + wave->data[i]);
    return 0;
}
