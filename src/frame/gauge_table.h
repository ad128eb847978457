#pragma once
// The module's 228 gauges: identifiers, names, sizes and what their callbacks
// handle, all from gauge_table.def. Each gauge's header is defined either in
// the gauge's own source file or, until the gauge is built, in pending.cpp.
#include <cstdint>

#include "frame/records.h"

namespace vk {

enum class GaugeId : int32_t {
#define VK_GAUGE(ident, name, size, handles, system) ident,
#include "frame/gauge_table.def"
#undef VK_GAUGE
    count
};
static_assert(static_cast<int>(GaugeId::count) == kGaugeCount);

// What a gauge's callback acts on.
enum class Handles : uint8_t {
    none,        // the header has no callback: element callbacks drive the gauge
    empty,       // a callback that does nothing
    pre_update,  // the pre-update service only
    lifecycle,   // install, pre-update and kill
};

struct GaugeInfo {
    const char* name;
    uint32_t size_mm;
    Handles handles;
    int32_t system;
};

inline constexpr GaugeInfo kGaugeInfo[kGaugeCount] = {
#define VK_GAUGE(ident, name, size, handles, system) {name, size, Handles::handles, system},
#include "frame/gauge_table.def"
#undef VK_GAUGE
};

constexpr const GaugeInfo& info(GaugeId id) {
    return kGaugeInfo[static_cast<int32_t>(id)];
}

#define VK_GAUGE(ident, name, size, handles, system) extern GaugeHeader hdr_##ident;
#include "frame/gauge_table.def"
#undef VK_GAUGE

// The seven standard routines every header points to; each forwards to the
// host's element-list operation with the root element of its own gauge.
void VKCALL routine_query(GaugeHeader* gauge);
void VKCALL routine_install(GaugeHeader* gauge, uint32_t argument);
void VKCALL routine_initialize(GaugeHeader* gauge);
void VKCALL routine_update(GaugeHeader* gauge);
void VKCALL routine_generate(GaugeHeader* gauge, uint32_t argument);
void VKCALL routine_draw(GaugeHeader* gauge);
void VKCALL routine_kill(GaugeHeader* gauge);

// A built gauge's header: name and size from the table, its own elements,
// mouse areas and callback.
constexpr GaugeHeader gauge_header(GaugeId id, ElementHeader** elements, const MouseRect* mouse,
                                   GaugeCallback callback) {
    return GaugeHeader{
        .version = kGaugeHeaderVersion,
        .name = info(id).name,
        .element_list = elements,
        .query = routine_query,
        .install = routine_install,
        .initialize = routine_initialize,
        .update = routine_update,
        .generate = routine_generate,
        .draw = routine_draw,
        .kill = routine_kill,
        .reserved = 0,
        .size_mm = info(id).size_mm,
        .host_a = {},
        .mouse_list = mouse,
        .callback = callback,
        .user_data = 0,
        .host_b = {},
    };
}

// The header of a gauge that is not built yet: its name and size, nothing else.
constexpr GaugeHeader pending_header(GaugeId id) {
    GaugeHeader h{};
    h.version = kGaugeHeaderVersion;
    h.name = info(id).name;
    h.size_mm = info(id).size_mm;
    return h;
}

}  // namespace vk
