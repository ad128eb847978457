// Recordings on Windows: a raw-data resource (type 10) of that name in the
// module, else a file of that name mapped read-only. Every call is checked,
// and the byte count (the resource's or the file's size) goes with the bytes.
#if defined(_WIN32)
#include <windows.h>

#include "sound/platform.h"

namespace vk {
namespace {

bool from_resource(HMODULE module, const char* name, const RecordingUse& use) {
    HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(10));
    if (!resource) return false;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = size ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes && size <= kMaxRecordingBytes && use(static_cast<const uint8_t*>(bytes), size);
}

bool from_file(const char* name, const RecordingUse& use) {
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    const bool sized = GetFileSizeEx(file, &size) && size.QuadPart > 0 &&
                       static_cast<uint64_t>(size.QuadPart) <= kMaxRecordingBytes;
    HANDLE mapping =
        sized ? CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr) : nullptr;
    CloseHandle(file);
    if (!mapping) return false;
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    CloseHandle(mapping);
    if (!view) return false;
    const bool used = use(static_cast<const uint8_t*>(view), static_cast<uint64_t>(size.QuadPart));
    UnmapViewOfFile(view);
    return used;
}

}  // namespace

bool with_recording(uintptr_t module, const char* name, const RecordingUse& use) {
    if (!name || !*name) return false;
    return from_resource(reinterpret_cast<HMODULE>(module), name, use) || from_file(name, use);
}

}  // namespace vk
#endif
