#include "frame/host.h"

#include "frame/convert.h"

extern "C" vk::ImportTableRecord ImportTable;

namespace vk {
namespace {

// Host variable ids stay below this; one shared record per id.
constexpr int32_t kRecordCount = 0x400;
HostVar records[kRecordCount];
HostVar spare;  // for an id out of range: never read by gauge code

// Calls a host operation, or gives `fallback` while the host has not filled
// the slot (no table yet, or a host that lacks the operation).
template <Op op, class R, class... A>
R call_or(R fallback, A... args) {
    ServicesTable* table = services();
    auto fn = table ? get_op<op>(*table) : nullptr;
    return fn ? fn(args...) : fallback;
}

template <Op op, class... A>
void call(A... args) {
    ServicesTable* table = services();
    if (auto fn = table ? get_op<op>(*table) : nullptr) fn(args...);
}

// Named variable ids are non-negative; the host answers -1 for a name that
// no add-on has registered.
bool valid(int32_t id) {
    return id >= 0;
}

}  // namespace

ServicesTable* services() {
    return static_cast<ServicesTable*>(ImportTable.services.table);
}

double refresh(HostVar& v) {
    // Without a host the record reads 0, not what an earlier host left in it.
    ServicesTable* table = services();
    auto lookup = table ? get_op<Op::lookup_var>(*table) : nullptr;
    if (!lookup) {
        v.value = 0.0;
        return 0.0;
    }
    lookup(&v);
    return v.value;
}

HostVar& record(Var id) {
    const auto i = static_cast<int32_t>(id);
    HostVar& r = (i >= 0 && i < kRecordCount) ? records[i] : spare;
    r.id = i;
    return r;
}

int32_t var_int(Var id) {
    HostVar& r = record(id);
    refresh(r);
    return r.as_int();
}

uint32_t ticks() {
    return to_u32(var(Var::tick_counter));
}

void send_key(Key event, int32_t value) {
    call_or<Op::trigger_key_event, int32_t>(0, static_cast<int32_t>(event), value);
}

void toggle_window(int32_t ident) {
    call_or<Op::panel_window_toggle, int32_t>(0, static_cast<uint32_t>(ident));
}

bool NamedVar::present() const {
    return valid(call_or<Op::check_named_variable, int32_t>(-1, name));
}

double NamedVar::read() const {
    const int32_t id = call_or<Op::check_named_variable, int32_t>(-1, name);
    if (!valid(id)) return 0.0;
    return call_or<Op::get_named_variable_value, double>(0.0, id);
}

void NamedVar::write(double value) const {
    const int32_t id = call_or<Op::check_named_variable, int32_t>(-1, name);
    if (!valid(id)) return;
    call<Op::set_named_variable_value>(id, value);
}

double evaluate(const char* expression) {
    double result = 0.0;
    if (!call_or<Op::execute_calculator_code, int32_t>(0, expression, &result, nullptr, nullptr))
        return 0.0;
    return result;
}

}  // namespace vk
