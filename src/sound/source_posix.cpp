// Recordings on Linux: the file <resources>/sounds/<NAME>.wav, where the
// resources directory is $VKMORL1_RESOURCES or else the directory of the
// library (or program) that holds this code; then a file of that name.
#if !defined(_WIN32)
#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sound/platform.h"

namespace vk {
namespace {

std::string resources_dir() {
    if (const char* env = std::getenv("VKMORL1_RESOURCES"); env && *env) return env;
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&resources_dir), &info) || !info.dli_fname) return {};
    std::string path = info.dli_fname;
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// The whole of a regular, non-empty file of at most kMaxRecordingBytes.
bool read_file(const std::string& path, std::vector<uint8_t>& out) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    struct stat st {};
    bool ok = fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
              static_cast<uint64_t>(st.st_size) <= kMaxRecordingBytes;
    if (ok) {
        out.resize(static_cast<size_t>(st.st_size));
        ok = std::fread(out.data(), 1, out.size(), f) == out.size();
    }
    std::fclose(f);
    return ok;
}

}  // namespace

bool with_recording(uintptr_t, const char* name, const RecordingUse& use) {
    if (!name || !*name) return false;
    std::vector<uint8_t> bytes;
    // A resource name is a plain name; anything with a slash is only a file.
    if (!std::strchr(name, '/')) {
        const std::string dir = resources_dir();
        if (!dir.empty() && read_file(dir + "/sounds/" + name + ".wav", bytes) &&
            use(bytes.data(), bytes.size()))
            return true;
    }
    return read_file(name, bytes) && use(bytes.data(), bytes.size());
}

}  // namespace vk
#endif
