#include "host/module.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <utility>

namespace vkhost {

Module Module::load(const std::string& path) {
    void* lib = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        const char* why = dlerror();
        throw std::runtime_error("cannot load module " + path + ": " + (why ? why : "unknown"));
    }
    auto* linkage = static_cast<vk::LinkageRecord*>(dlsym(lib, "Linkage"));
    auto* imports = static_cast<vk::ImportTableRecord*>(dlsym(lib, "ImportTable"));
    if (!linkage || !imports) {
        dlclose(lib);
        throw std::runtime_error("module " + path + " does not export Linkage and ImportTable");
    }
    return Module(lib, linkage, imports);
}

Module Module::linked(vk::LinkageRecord* linkage, vk::ImportTableRecord* imports) {
    return Module(nullptr, linkage, imports);
}

Module::Module(Module&& o) noexcept
    : library_(std::exchange(o.library_, nullptr)),
      linkage_(std::exchange(o.linkage_, nullptr)),
      imports_(std::exchange(o.imports_, nullptr)) {}

Module& Module::operator=(Module&& o) noexcept {
    if (this != &o) {
        if (library_) dlclose(library_);
        library_ = std::exchange(o.library_, nullptr);
        linkage_ = std::exchange(o.linkage_, nullptr);
        imports_ = std::exchange(o.imports_, nullptr);
    }
    return *this;
}

Module::~Module() {
    if (library_) dlclose(library_);
}

std::string default_module_path(const char* argv0) {
    if (const char* env = std::getenv("VKMORL1_MODULE"); env && *env) return env;
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = argv0 ? argv0 : "";
    return (exe.parent_path() / "vkmorl1.so").string();
}

}  // namespace vkhost
