#include "host/aircraft.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "host/test_host.h"

namespace vkhost {

std::string default_panel_path() {
    if (const char* env = std::getenv("VKMORL1_PANEL"); env && *env) return env;
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ((ec ? std::filesystem::current_path(ec) : exe.parent_path()) / "panel.cfg").string();
}

void load_aircraft(TestHost& host, ChoiceScreen choice, const std::string& panel_path) {
    // A host that already uses a panel configuration (the snapshot program's
    // --panel) keeps it.
    if (host.panel().windows.empty())
        host.load_panel_config(panel_path.empty() ? default_panel_path() : panel_path);
    if (choice == ChoiceScreen::open) host.open_window(10520);
}

std::string window_label(const TestHost& host, int32_t ident) {
    const PanelWindow* w = host.panel().find(ident);
    const std::string number = std::to_string(ident);
    return w && !w->title.empty() ? w->title + " (" + number + ")" : number;
}

}  // namespace vkhost
