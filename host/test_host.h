#pragma once
// The test host: loads the cockpit module through its exported records, fills
// the services table, keeps host variables, a clock, named variables and
// calculator expressions, answers key events, tracks panel windows, and drives
// frames and clicks exactly as the simulator does. Only one host is active at
// a time (the services are plain functions, as the simulator's are).
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <typeindex>
#include <vector>

#include "frame/records.h"
#include "frame/services.h"
#include "host/audio.h"
#include "host/effects.h"
#include "host/module.h"
#include "host/panel_config.h"

namespace vkhost {

struct KeyEventRecord {
    int32_t id;
    int32_t value;
    uint64_t frame;
};

// What the host shows of one element after the last frame.
struct ElementView {
    double value = 0.0;        // needle or string value, x of a moving image
    double value_y = 0.0;      // y of a moving image, slider or sprite
    double value_angle = 0.0;  // sprite angle
    double angle = 0.0;        // needle angle on screen, degrees clockwise from up
    bool angle_known = false;  // the needle has been drawn once
    bool drawn = false;        // the element has been drawn once (its values are known)
};

class TestHost {
  public:
    static constexpr int kFramesPerSecond = 18;

    // Attaches to the module: fills its ImportTable with this host's services.
    // `reset` (optional) puts a linked-in module's state records back to their
    // load-time values; the host itself restores every element's image flags.
    explicit TestHost(Module module, std::function<void()> reset = {});
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    static TestHost* current();

    // ---- the module's gauges
    int gauge_count() const;
    vk::GaugeHeader* gauge(int index) const;
    vk::GaugeHeader* gauge(const std::string& name) const;  // full name, or without "morvalde "
    bool built(const vk::GaugeHeader* g) const { return g && g->element_list; }
    std::vector<std::string> built_gauges() const;
    std::vector<std::string> pending_gauges() const;

    // ---- placing gauges
    // A placed gauge is installed (service 2) the first time and from then on
    // receives pre-update (6) every frame. Kill (12) comes at unload.
    void place(vk::GaugeHeader* g);
    void place(const std::string& name) { place(require(name)); }
    void place_all();
    bool placed(const vk::GaugeHeader* g) const;
    void unload();  // kills every placed gauge, in placing order

    // ---- panel windows
    bool window_open(int32_t ident) const { return open_windows_.count(ident) != 0; }
    void open_window(int32_t ident);
    void close_window(int32_t ident);
    void toggle_window(int32_t ident);
    // Which gauges a window places when it opens.
    void set_window_gauges(int32_t ident, std::vector<std::string> gauges);
    std::vector<int32_t> open_windows() const {
        return {open_windows_.begin(), open_windows_.end()};
    }

    // ---- panel configuration
    // Places gauges by a panel configuration: each window with an ident places
    // the gauges of this module ("vkmorl1!...") that it lists, and the windows
    // marked visible open at once. Throws std::invalid_argument naming the
    // file and line of every gauge the module does not have.
    void use_panel(PanelConfig config);
    // Reads, checks and uses a panel.cfg; throws std::runtime_error listing
    // every malformed line.
    void load_panel_config(const std::string& path);
    const PanelConfig& panel() const { return panel_; }

    // ---- time
    void run_frames(int frames);
    void run_seconds(double seconds) { run_frames(static_cast<int>(seconds * kFramesPerSecond)); }
    uint64_t frame() const { return frame_; }
    // Moves the host clock (ticks and seconds) by `seconds` from the next frame
    // on, as time acceleration or a clock set back would; negative goes back.
    void jump_clock(double seconds) { clock_offset_ += seconds; }

    // ---- host variables
    void set(int32_t id, double value);
    void set_int(int32_t id, int32_t value);
    double get(int32_t id) const;
    bool is_integer_var(int32_t id) const;
    // How often the module has refreshed a variable since the host started.
    uint64_t lookups(int32_t id) const;
    const std::map<int32_t, uint64_t>& lookup_counts() const { return lookups_; }

    // ---- named variables and expressions
    void provide_named(const std::string& name, double value = 0.0);  // an add-on registers it
    std::optional<double> named(const std::string& name) const;
    void set_expression(const std::string& expression, double value);
    // An expression the host computes each time the module evaluates it
    // (a constant set with set_expression takes precedence).
    void compute_expression(const std::string& expression, std::function<double()> value);

    // ---- key events and sounds
    // A mark in the host's history of key events and sounds.
    size_t mark() const { return events_; }
    std::vector<KeyEventRecord> keys_since(size_t mark) const;
    const std::vector<KeyEventRecord>& keys() const { return keys_; }
    EffectRegistry& effects() { return effects_; }
    std::vector<SoundEvent> sounds_since(size_t mark) const;
    const std::vector<SoundEvent>& sounds() const { return sounds_; }

    // ---- audio
    // The output lent to the module; choose it before the install of the gauge
    // that opens it (morvalde toggle_pan_start).
    Audio& audio() { return audio_; }
    const Audio& audio() const { return audio_; }
    void set_audio_output(AudioOutput output) { audio_.choose(output); }
    // Whether a recording is sounding now (looping, or played once and not
    // yet at its end).
    bool sounding(const std::string& name) const;

    // The state of one system's host model (engines, gear, ...), created on
    // first use and fresh for every host.
    template <class T>
    T& model() {
        std::shared_ptr<void>& p = models_[std::type_index(typeid(T))];
        if (!p) p = std::make_shared<T>();
        return *static_cast<T*>(p.get());
    }

    // ---- mouse
    // Child area `area` (0 for the first child area of the gauge's list).
    const vk::MouseRect* area(const vk::GaugeHeader* g, int area) const;
    // A left press (or the given event) in the middle of an area.
    void click(vk::GaugeHeader* g, int area, uint32_t event = vk::kMouseLeft);
    void click(const std::string& name, int area, uint32_t event = vk::kMouseLeft) {
        click(require(name), area, event);
    }
    // A press at (x, y) of the gauge; the first child area that contains the
    // point and listens to the event gets it. Returns whether one did.
    bool click_at(vk::GaugeHeader* g, int x, int y, uint32_t event = vk::kMouseLeft);
    // The button held on an area for `frames` frames: the press, then one
    // repeat per frame for areas that repeat while held.
    void hold(vk::GaugeHeader* g, int area, int frames);
    void hold(const std::string& name, int area, int frames) { hold(require(name), area, frames); }
    std::string tooltip(const vk::GaugeHeader* g) const;

    // ---- elements
    // Element k of a gauge's chain (the root is 0; testgauge2k's strings are
    // its icon's children 0..3 and come after it).
    vk::ElementHeader* element(const vk::GaugeHeader* g, int k) const;
    vk::ElementHeader* element(const std::string& name, int k) const {
        return element(require(name), k);
    }
    bool shown(const std::string& name, int k) const;
    const ElementView& view(const vk::ElementHeader* e) const;
    double needle_value(const std::string& name, int k) const;
    double needle_angle(const std::string& name, int k) const;
    std::string text(const std::string& name, int k) const;

    // Element-list calls the gauges' standard routines made (operation, root).
    struct RoutineCall {
        vk::Op op;
        vk::ElementHeader* root;
        uint32_t argument;
    };
    const std::vector<RoutineCall>& routine_calls() const { return routine_calls_; }

    vk::GaugeHeader* require(const std::string& name) const;

    // Called by the services.
    void on_key_event(int32_t id, int32_t value);
    void on_lookup(vk::HostVar* var);
    int32_t on_check_named(const char* name) const;
    double on_get_named(int32_t id) const;
    void on_set_named(int32_t id, double value);
    bool on_calculator(const char* code, double* result) const;
    void on_routine(vk::Op op, vk::ElementHeader* root, uint32_t argument);
    void on_sound(const RecordedBuffer& buffer, SoundAction action);

  private:
    void advance_clock();
    void update_elements(vk::ElementHeader* e, int depth);
    void snapshot_flags();
    void restore_flags();
    void call(vk::GaugeHeader* g, vk::Service service, uint32_t extra);

    Module module_;
    std::function<void()> reset_;
    vk::ServicesTable services_{};
    EffectRegistry effects_;

    std::map<std::type_index, std::shared_ptr<void>> models_;
    std::map<int32_t, double> vars_;
    std::set<int32_t> integer_vars_;
    std::map<int32_t, uint64_t> lookups_;
    std::vector<std::pair<std::string, double>> named_;
    std::map<std::string, double> expressions_;
    std::map<std::string, std::function<double()>> computed_expressions_;
    std::vector<KeyEventRecord> keys_;
    std::vector<size_t> key_marks_;  // the history position of each key event
    std::vector<SoundEvent> sounds_;
    std::vector<size_t> sound_marks_;
    size_t events_ = 0;
    Audio audio_{*this};
    std::set<int32_t> open_windows_;
    std::map<int32_t, std::vector<std::string>> window_gauges_;
    PanelConfig panel_;
    std::vector<vk::GaugeHeader*> placed_;
    std::map<const vk::ElementHeader*, ElementView> views_;
    std::vector<RoutineCall> routine_calls_;
    uint64_t frame_ = 0;
    double seconds_ = 0.0;
    double clock_offset_ = 0.0;  // total of the clock jumps, seconds
};

}  // namespace vkhost
