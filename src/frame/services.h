#pragma once
// The host's panel services table: an array of function slots. The operation
// at byte offset N of the 32-bit table lives in slot N / 4 on every build.
#include <cstddef>
#include <cstdint>

#include "frame/records.h"

namespace vk {

enum class Op : uint32_t {
    element_list_query = 0x60,
    element_list_install = 0x64,
    element_list_initialize = 0x68,
    element_list_update = 0x6C,
    element_list_generate = 0x70,
    element_list_plot = 0x74,
    element_list_kill = 0x7C,
    panel_window_toggle = 0x8C,
    trigger_key_event = 0x90,
    lookup_var = 0xA0,
    check_named_variable = 0xCC,
    get_named_variable_value = 0xD4,
    set_named_variable_value = 0xDC,
    execute_calculator_code = 0x114,
};

inline constexpr std::size_t slot_of(Op op) {
    return static_cast<uint32_t>(op) / 4;
}
inline constexpr std::size_t kServiceSlots = slot_of(Op::execute_calculator_code) + 1;

using AnyFunction = void (*)();

struct ServicesTable {
    AnyFunction slots[kServiceSlots];
};

// The signature of each operation.
template <Op>
struct OpType;
template <Op op>
using OpFunction = typename OpType<op>::type;

#define VK_OP(op, ...)            \
    template <>                   \
    struct OpType<Op::op> {       \
        using type = __VA_ARGS__; \
    }
VK_OP(element_list_query, void(VKCALL*)(ElementHeader* root));
VK_OP(element_list_install, void(VKCALL*)(ElementHeader* root, uint32_t argument));
VK_OP(element_list_initialize, void(VKCALL*)(ElementHeader* root));
VK_OP(element_list_update, void(VKCALL*)(ElementHeader* root));
VK_OP(element_list_generate, void(VKCALL*)(ElementHeader* root, uint32_t argument));
VK_OP(element_list_plot, void(VKCALL*)(ElementHeader* root));
VK_OP(element_list_kill, void(VKCALL*)(ElementHeader* root));
VK_OP(panel_window_toggle, int32_t(VKCALL*)(uint32_t ident));
VK_OP(trigger_key_event, int32_t(VKCALL*)(int32_t event, int32_t value));
VK_OP(lookup_var, void(VKCALL*)(HostVar* var));
VK_OP(check_named_variable, int32_t(VKCALL*)(const char* name));
VK_OP(get_named_variable_value, double(VKCALL*)(int32_t id));
VK_OP(set_named_variable_value, void(VKCALL*)(int32_t id, double value));
VK_OP(execute_calculator_code, int32_t(VKCALL*)(const char* code, double* result,
                                                int32_t* int_result, const char** string_result));
#undef VK_OP

template <Op op>
void set_op(ServicesTable& table, OpFunction<op> fn) {
    table.slots[slot_of(op)] = reinterpret_cast<AnyFunction>(fn);
}

template <Op op>
OpFunction<op> get_op(const ServicesTable& table) {
    return reinterpret_cast<OpFunction<op>>(table.slots[slot_of(op)]);
}

}  // namespace vk
