#pragma once
// How gauge code reaches the host: host variables refreshed right before use,
// key events, named variables, calculator expressions and panel windows. All
// of it goes through the services table the host writes into ImportTable;
// without a table every call does nothing and every read gives 0.
#include <cstdint>

#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/services.h"

namespace vk {

// The host's services table, or null before the host has filled it.
ServicesTable* services();

// Refreshes a host variable record (the module-wide one for the id, or an
// element's own source record) and returns its value.
double refresh(HostVar& var);

// The module-wide record of a host variable, one per id, shared by all gauges.
HostVar& record(Var id);

// Refresh-then-read of a host variable as a double.
inline double var(Var id) {
    return refresh(record(id));
}
// Refresh-then-read of a host variable the host keeps as a 32-bit integer.
int32_t var_int(Var id);
// A boolean host variable kept as an integer: set when it reads exactly 1.
inline bool var_flag(Var id) {
    return var_int(id) == 1;
}

// The host tick counter (18 ticks per second) as an unsigned count.
uint32_t ticks();

void send_key(Key event, int32_t value = 0);
void toggle_window(int32_t ident);

// A named variable shared with other add-ons, looked up again at every use.
// While no add-on provides it (an invalid id) it reads 0.0 and is never written.
struct NamedVar {
    const char* name;
    double read() const;
    void write(double value) const;
    bool present() const;
};

// Evaluates a calculator expression; 0.0 when the host cannot.
double evaluate(const char* expression);

}  // namespace vk
