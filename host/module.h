#pragma once
// A loaded cockpit module as the simulator sees it: its two exported records.
#include <string>

#include "frame/records.h"

namespace vkhost {

class Module {
  public:
    // Loads the shared library at `path` and looks up its two records.
    // Throws std::runtime_error with the loader's message on failure.
    static Module load(const std::string& path);
    // A module linked into this program.
    static Module linked(vk::LinkageRecord* linkage, vk::ImportTableRecord* imports);

    Module(Module&& other) noexcept;
    Module& operator=(Module&& other) noexcept;
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;
    ~Module();

    vk::LinkageRecord& linkage() const { return *linkage_; }
    vk::ImportTableRecord& imports() const { return *imports_; }
    // The module's handle, passed to the install call (0 when linked in).
    uintptr_t handle() const { return reinterpret_cast<uintptr_t>(library_); }
    bool is_loaded_library() const { return library_ != nullptr; }

  private:
    Module(void* library, vk::LinkageRecord* linkage, vk::ImportTableRecord* imports)
        : library_(library), linkage_(linkage), imports_(imports) {}
    void* library_ = nullptr;
    vk::LinkageRecord* linkage_ = nullptr;
    vk::ImportTableRecord* imports_ = nullptr;
};

// Where the module library is looked for when no path is given: the
// VKMORL1_MODULE environment variable, else vkmorl1.so beside the program.
std::string default_module_path(const char* argv0);

}  // namespace vkhost
