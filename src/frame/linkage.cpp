// The two records the simulator looks up by name, and the standard routines.
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/services.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vk {
namespace {

// Nothing to set up or tear down: all module state is static data with its
// load-time values.
void VKCALL module_init() {}
void VKCALL module_deinit() {}

ElementHeader* root_of(GaugeHeader* gauge) {
    return gauge && gauge->element_list ? gauge->element_list[0] : nullptr;
}

// Calls the host's element-list operation with the gauge's own root.
template <Op op, class... A>
void forward(GaugeHeader* gauge, A... argument) {
    ElementHeader* root = root_of(gauge);
    ServicesTable* table = services();
    if (!root || !table) return;
    if (auto fn = get_op<op>(*table)) fn(root, argument...);
}

}  // namespace

void VKCALL routine_query(GaugeHeader* g) {
    forward<Op::element_list_query>(g);
}
void VKCALL routine_install(GaugeHeader* g, uint32_t a) {
    forward<Op::element_list_install>(g, a);
}
void VKCALL routine_initialize(GaugeHeader* g) {
    forward<Op::element_list_initialize>(g);
}
void VKCALL routine_update(GaugeHeader* g) {
    forward<Op::element_list_update>(g);
}
void VKCALL routine_generate(GaugeHeader* g, uint32_t a) {
    forward<Op::element_list_generate>(g, a);
}
void VKCALL routine_draw(GaugeHeader* g) {
    forward<Op::element_list_plot>(g);
}
void VKCALL routine_kill(GaugeHeader* g) {
    forward<Op::element_list_kill>(g);
}

}  // namespace vk

extern "C" {

VK_EXPORT vk::ImportTableRecord ImportTable = {{0x0F, nullptr}, {0, nullptr}};

VK_EXPORT vk::LinkageRecord Linkage = {
    0x13,
    vk::module_init,
    vk::module_deinit,
    0,
    0,
    0x900,
    {
#define VK_GAUGE(ident, name, size, handles, system) &vk::hdr_##ident,
#include "frame/gauge_table.def"
#undef VK_GAUGE
        nullptr,
    },
};

#if defined(_WIN32)
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
#endif
}
