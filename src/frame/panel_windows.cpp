#include "frame/panel_windows.h"

#include "frame/host.h"
#include "gauges/panels/panels_state.h"

namespace vk {

void toggle_window(Window w, WindowBy by) {
    if (by == WindowBy::service)
        toggle_window(ident(w));
    else
        send_key(Key::panel_window_toggle, ident(w));
}

void open_window(Window w) {
    send_key(Key::panel_window_open, ident(w));
}

void close_window(Window w) {
    send_key(Key::panel_window_close, ident(w));
}

void gear_doors_cycle() {
    if (var(Var::on_ground) != 1.0) {
        close_window(Window::gear);
        toggle_window(Window::doors, WindowBy::key_event);
        return;
    }
    switch (panel.geardoors_state) {
        case 0:
            open_window(Window::gear);
            close_window(Window::doors);
            panel.geardoors_state = 1;
            break;
        case 1:
            close_window(Window::gear);
            open_window(Window::doors);
            panel.geardoors_state = 2;
            break;
        case 2:
            close_window(Window::gear);
            close_window(Window::doors);
            panel.geardoors_state = 0;
            break;
        default:
            break;
    }
}

void switch_atc_window() {
    send_key(panel.atc_shown ? Key::atc_window_hide : Key::atc_window_show);
    panel.atc_shown = !panel.atc_shown;
}

}  // namespace vk
