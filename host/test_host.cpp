#include "host/test_host.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "host/defaults.h"
#include "host/needle_math.h"

namespace vkhost {

using vk::ElementHeader;
using vk::ElementKind;
using vk::GaugeHeader;
using vk::Op;

namespace {

TestHost* g_current = nullptr;

TestHost& host() {
    if (!g_current) throw std::logic_error("a host service was called with no host active");
    return *g_current;
}

// ---- the services table

template <Op op>
void VKCALL element_list_one(ElementHeader* root) {
    host().on_routine(op, root, 0);
}
template <Op op>
void VKCALL element_list_two(ElementHeader* root, uint32_t argument) {
    host().on_routine(op, root, argument);
}
int32_t VKCALL svc_panel_window_toggle(uint32_t ident) {
    host().toggle_window(static_cast<int32_t>(ident));
    return 1;
}
int32_t VKCALL svc_trigger_key_event(int32_t id, int32_t value) {
    host().on_key_event(id, value);
    return 1;
}
void VKCALL svc_lookup_var(vk::HostVar* var) {
    host().on_lookup(var);
}
int32_t VKCALL svc_check_named_variable(const char* name) {
    return host().on_check_named(name);
}
double VKCALL svc_get_named_variable_value(int32_t id) {
    return host().on_get_named(id);
}
void VKCALL svc_set_named_variable_value(int32_t id, double value) {
    host().on_set_named(id, value);
}
int32_t VKCALL svc_execute_calculator_code(const char* code, double* result, int32_t*,
                                           const char**) {
    return host().on_calculator(code, result) ? 1 : 0;
}

vk::ServicesTable make_services() {
    vk::ServicesTable t{};
    vk::set_op<Op::element_list_query>(t, element_list_one<Op::element_list_query>);
    vk::set_op<Op::element_list_install>(t, element_list_two<Op::element_list_install>);
    vk::set_op<Op::element_list_initialize>(t, element_list_one<Op::element_list_initialize>);
    vk::set_op<Op::element_list_update>(t, element_list_one<Op::element_list_update>);
    vk::set_op<Op::element_list_generate>(t, element_list_two<Op::element_list_generate>);
    vk::set_op<Op::element_list_plot>(t, element_list_one<Op::element_list_plot>);
    vk::set_op<Op::element_list_kill>(t, element_list_one<Op::element_list_kill>);
    vk::set_op<Op::panel_window_toggle>(t, svc_panel_window_toggle);
    vk::set_op<Op::trigger_key_event>(t, svc_trigger_key_event);
    vk::set_op<Op::lookup_var>(t, svc_lookup_var);
    vk::set_op<Op::check_named_variable>(t, svc_check_named_variable);
    vk::set_op<Op::get_named_variable_value>(t, svc_get_named_variable_value);
    vk::set_op<Op::set_named_variable_value>(t, svc_set_named_variable_value);
    vk::set_op<Op::execute_calculator_code>(t, svc_execute_calculator_code);
    return t;
}

// ---- walking element trees

template <class F>
void walk(ElementHeader* e, F&& f) {
    if (!e) return;
    f(e);
    if (e->children)
        for (ElementHeader** c = e->children; *c; ++c) walk(*c, f);
}

template <class F>
void walk_module(const vk::LinkageRecord& linkage, F&& f) {
    for (int i = 0; i < vk::kGaugeCount && linkage.gauges[i]; ++i) {
        GaugeHeader* g = linkage.gauges[i];
        if (g->element_list)
            for (ElementHeader** e = g->element_list; *e; ++e) walk(*e, f);
    }
}

// Image flags of a linked-in module as they were before any host touched it.
std::map<const vk::LinkageRecord*, std::vector<std::pair<ElementHeader*, uint32_t>>>&
pristine_flags() {
    static std::map<const vk::LinkageRecord*, std::vector<std::pair<ElementHeader*, uint32_t>>> m;
    return m;
}

// The module's name in a panel configuration's gauge lines.
bool is_this_module(const std::string& module) {
    if (module.size() != 7) return false;
    for (size_t i = 0; i < 7; ++i)
        if (std::tolower(static_cast<unsigned char>(module[i])) != "vkmorl1"[i]) return false;
    return true;
}

std::string full_name(const std::string& name) {
    return name.rfind("morvalde ", 0) == 0 || name == "testgauge2k" ? name : "morvalde " + name;
}

}  // namespace

// ---------------------------------------------------------------- life

TestHost::TestHost(Module module, std::function<void()> reset)
    : module_(std::move(module)), reset_(std::move(reset)), services_(make_services()) {
    if (g_current) throw std::logic_error("only one test host may be active at a time");
    g_current = this;
    register_all_effects(effects_);
    set_parked_defaults(*this);
    if (reset_) reset_();
    if (!module_.is_loaded_library()) {
        snapshot_flags();
        restore_flags();
    }
    module_.imports().services.table = &services_;
}

TestHost::~TestHost() {
    unload();
    module_.imports().services.table = nullptr;
    g_current = nullptr;
}

TestHost* TestHost::current() {
    return g_current;
}

void TestHost::snapshot_flags() {
    auto& m = pristine_flags();
    if (m.count(&module_.linkage())) return;
    auto& list = m[&module_.linkage()];
    walk_module(module_.linkage(), [&](ElementHeader* e) { list.emplace_back(e, e->flags); });
}

void TestHost::restore_flags() {
    for (auto& [e, flags] : pristine_flags()[&module_.linkage()]) e->flags = flags;
}

// ---------------------------------------------------------------- gauges

int TestHost::gauge_count() const {
    int n = 0;
    while (n < vk::kGaugeCount && module_.linkage().gauges[n]) ++n;
    return n;
}

GaugeHeader* TestHost::gauge(int index) const {
    return index >= 0 && index < gauge_count() ? module_.linkage().gauges[index] : nullptr;
}

GaugeHeader* TestHost::gauge(const std::string& name) const {
    const std::string full = full_name(name);
    for (int i = 0; i < gauge_count(); ++i)
        if (full == gauge(i)->name) return gauge(i);
    return nullptr;
}

GaugeHeader* TestHost::require(const std::string& name) const {
    GaugeHeader* g = gauge(name);
    if (!g) throw std::invalid_argument("the module has no gauge named \"" + name + "\"");
    return g;
}

std::vector<std::string> TestHost::built_gauges() const {
    std::vector<std::string> out;
    for (int i = 0; i < gauge_count(); ++i)
        if (built(gauge(i))) out.emplace_back(gauge(i)->name);
    return out;
}

std::vector<std::string> TestHost::pending_gauges() const {
    std::vector<std::string> out;
    for (int i = 0; i < gauge_count(); ++i)
        if (!built(gauge(i))) out.emplace_back(gauge(i)->name);
    return out;
}

void TestHost::call(GaugeHeader* g, vk::Service service, uint32_t extra) {
    if (g->callback) g->callback(g, static_cast<int32_t>(service), extra);
}

void TestHost::place(GaugeHeader* g) {
    if (!g || placed(g)) return;
    placed_.push_back(g);
    if (g->install) g->install(g, 0);
    if (g->initialize) g->initialize(g);
    call(g, vk::Service::install, static_cast<uint32_t>(module_.handle()));
}

void TestHost::place_all() {
    for (int i = 0; i < gauge_count(); ++i) place(gauge(i));
}

bool TestHost::placed(const GaugeHeader* g) const {
    for (const GaugeHeader* p : placed_)
        if (p == g) return true;
    return false;
}

void TestHost::unload() {
    for (GaugeHeader* g : placed_) {
        call(g, vk::Service::kill, 0);
        if (g->kill) g->kill(g);
    }
    placed_.clear();
}

// ---------------------------------------------------------------- windows

void TestHost::open_window(int32_t ident) {
    if (!open_windows_.insert(ident).second) return;  // already open: its gauges are placed
    if (auto it = window_gauges_.find(ident); it != window_gauges_.end())
        for (const std::string& name : it->second) place(name);
}

void TestHost::close_window(int32_t ident) {
    open_windows_.erase(ident);
}

void TestHost::toggle_window(int32_t ident) {
    if (window_open(ident))
        close_window(ident);
    else
        open_window(ident);
}

void TestHost::set_window_gauges(int32_t ident, std::vector<std::string> gauges) {
    for (const std::string& name : gauges) require(name);
    window_gauges_[ident] = std::move(gauges);
}

void TestHost::use_panel(PanelConfig config) {
    std::string missing;
    for (const PanelWindow& w : config.windows)
        for (const PanelGauge& g : w.gauges)
            if (is_this_module(g.module) && !gauge(g.name))
                missing += "\n" + config.file + ":" + std::to_string(g.line) +
                           ": the module has no gauge named \"" + g.name + "\"";
    if (!missing.empty()) throw std::invalid_argument("unknown gauges in the panel:" + missing);
    panel_ = std::move(config);
    for (const PanelWindow& w : panel_.windows) {
        if (!w.ident) continue;
        std::vector<std::string> names;
        for (const PanelGauge& g : w.gauges)
            if (is_this_module(g.module)) names.push_back(g.name);
        set_window_gauges(*w.ident, std::move(names));
    }
    for (const PanelWindow& w : panel_.windows)
        if (w.ident && w.visible) open_window(*w.ident);
}

void TestHost::load_panel_config(const std::string& path) {
    PanelConfigResult r = read_panel_config(path);
    if (!r.ok()) {
        std::string all = "the panel configuration has errors:";
        for (const std::string& e : r.errors) all += "\n" + e;
        throw std::runtime_error(all);
    }
    use_panel(std::move(r.config));
}

// ---------------------------------------------------------------- frames

void TestHost::advance_clock() {
    ++frame_;
    seconds_ = static_cast<double>(frame_) / kFramesPerSecond + clock_offset_;
    set(kTickCounterVar, std::floor(seconds_ * 18.0));
    set(kClockSecondsVar, seconds_);
}

void TestHost::run_frames(int frames) {
    for (int f = 0; f < frames; ++f) {
        advance_clock();
        // The host's aircraft model moves first, then the gauges see it.
        effects_.step(*this, 1.0 / kFramesPerSecond);
        // Pre-update for every placed gauge, then the drawing pass, which
        // refreshes each element's own variables and calls its callbacks.
        // A gauge placed during the frame (a window opened by a key event)
        // takes part from the next frame on.
        const std::vector<GaugeHeader*> gauges = placed_;
        for (GaugeHeader* g : gauges) call(g, vk::Service::pre_update, 0);
        for (GaugeHeader* g : gauges)
            if (g->element_list)
                for (ElementHeader** e = g->element_list; *e; ++e) update_elements(*e, 0);
    }
}

void TestHost::update_elements(ElementHeader* root, int) {
    walk(root, [&](ElementHeader* e) {
        ElementView& v = views_[e];
        v.drawn = true;
        auto refresh = [&](vk::HostVar* sources) {
            for (int i = 0; i < 3; ++i)
                if (sources[i].id != 0) on_lookup(&sources[i]);
        };
        switch (e->kind) {
            case ElementKind::needle: {
                auto& n = vk::as<vk::Needle>(e);
                refresh(n.source);
                if (n.value) v.value = n.value(e);
                const double target = needle_target_angle(n, v.value);
                v.angle = v.angle_known ? limit_turn(v.angle, target, n.max_turn) : target;
                v.angle_known = true;
                for (int i = 0; i < n.scale_count; ++i) {
                    const double a = point_angle(e->x, e->y, n.scale[i].x, n.scale[i].y);
                    n.scale[i].angle = static_cast<int32_t>(std::lround(a));
                }
                break;
            }
            case ElementKind::string: {
                auto& s = vk::as<vk::StringElement>(e);
                refresh(s.source);
                if (s.value) v.value = s.value(e);
                break;
            }
            case ElementKind::slider:
            case ElementKind::moving_image: {
                auto& m = vk::as<vk::MovingImage>(e);
                refresh(m.source);
                if (m.x_value) v.value = m.x_value(e);
                if (m.y_value) v.value_y = m.y_value(e);
                break;
            }
            case ElementKind::sprite: {
                auto& s = vk::as<vk::Sprite>(e);
                refresh(s.source);
                if (s.x_value) v.value = s.x_value(e);
                if (s.y_value) v.value_y = s.y_value(e);
                if (s.angle_value) v.value_angle = s.angle_value(e);
                break;
            }
            case ElementKind::static_image:
            case ElementKind::icon:
                break;
        }
    });
}

// ---------------------------------------------------------------- variables

void TestHost::set(int32_t id, double value) {
    vars_[id] = value;
}

void TestHost::set_int(int32_t id, int32_t value) {
    integer_vars_.insert(id);
    vars_[id] = value;
}

double TestHost::get(int32_t id) const {
    auto it = vars_.find(id);
    return it == vars_.end() ? 0.0 : it->second;
}

bool TestHost::is_integer_var(int32_t id) const {
    return integer_vars_.count(id) != 0;
}

uint64_t TestHost::lookups(int32_t id) const {
    auto it = lookups_.find(id);
    return it == lookups_.end() ? 0 : it->second;
}

void TestHost::on_lookup(vk::HostVar* var) {
    if (!var) return;
    ++lookups_[var->id];
    const double value = get(var->id);
    if (is_integer_var(var->id)) {
        // Integers live in the first half of the value field, saturated.
        const double clamped =
            std::isnan(value) ? 0.0 : std::fmax(-2147483648.0, std::fmin(value, 2147483647.0));
        var->set_int(static_cast<int32_t>(clamped));
    } else {
        var->value = value;
    }
}

// ---------------------------------------------------------------- named variables, expressions

void TestHost::provide_named(const std::string& name, double value) {
    for (auto& [n, v] : named_)
        if (n == name) {
            v = value;
            return;
        }
    named_.emplace_back(name, value);
}

std::optional<double> TestHost::named(const std::string& name) const {
    for (const auto& [n, v] : named_)
        if (n == name) return v;
    return std::nullopt;
}

int32_t TestHost::on_check_named(const char* name) const {
    if (!name) return -1;
    for (size_t i = 0; i < named_.size(); ++i)
        if (named_[i].first == name) return static_cast<int32_t>(i);
    return -1;
}

double TestHost::on_get_named(int32_t id) const {
    return id >= 0 && static_cast<size_t>(id) < named_.size() ? named_[id].second : 0.0;
}

void TestHost::on_set_named(int32_t id, double value) {
    if (id >= 0 && static_cast<size_t>(id) < named_.size()) named_[id].second = value;
}

void TestHost::set_expression(const std::string& expression, double value) {
    expressions_[expression] = value;
}

void TestHost::compute_expression(const std::string& expression, std::function<double()> value) {
    computed_expressions_[expression] = std::move(value);
}

bool TestHost::on_calculator(const char* code, double* result) const {
    if (!code) return false;
    double value = 0.0;
    if (auto it = expressions_.find(code); it != expressions_.end()) {
        value = it->second;
    } else if (auto c = computed_expressions_.find(code); c != computed_expressions_.end()) {
        value = c->second();
    } else {
        return false;
    }
    if (result) *result = value;
    return true;
}

// ---------------------------------------------------------------- key events

void TestHost::on_key_event(int32_t id, int32_t value) {
    keys_.push_back({id, value, frame_});
    key_marks_.push_back(events_++);
    effects_.apply(*this, id, value);
}

namespace {

// The records made at or after `mark`, given each record's history position.
template <class T>
std::vector<T> since(const std::vector<T>& records, const std::vector<size_t>& marks, size_t mark) {
    const auto first = std::lower_bound(marks.begin(), marks.end(), mark) - marks.begin();
    return {records.begin() + first, records.end()};
}

}  // namespace

std::vector<KeyEventRecord> TestHost::keys_since(size_t mark) const {
    return since(keys_, key_marks_, mark);
}

// ---------------------------------------------------------------- sounds

void TestHost::on_sound(const RecordedBuffer& buffer, SoundAction action) {
    sounds_.push_back({buffer.name, action, buffer.volume, frame_});
    sound_marks_.push_back(events_++);
}

std::vector<SoundEvent> TestHost::sounds_since(size_t mark) const {
    return since(sounds_, sound_marks_, mark);
}

bool TestHost::sounding(const std::string& name) const {
    const RecordedBuffer* b = audio_.buffer(name);
    return b && b->sounding(frame_);
}

void TestHost::on_routine(Op op, ElementHeader* root, uint32_t argument) {
    routine_calls_.push_back({op, root, argument});
}

// ---------------------------------------------------------------- mouse

const vk::MouseRect* TestHost::area(const GaugeHeader* g, int index) const {
    if (!g || !g->mouse_list) return nullptr;
    int n = 0;
    for (const vk::MouseRect* r = g->mouse_list; r->type != vk::MouseType::end; ++r)
        if (r->type == vk::MouseType::child && n++ == index) return r;
    return nullptr;
}

void TestHost::click(GaugeHeader* g, int index, uint32_t event) {
    const vk::MouseRect* r = area(g, index);
    if (!r)
        throw std::out_of_range(std::string("gauge ") + g->name + " has no area " +
                                std::to_string(index));
    const vk::MousePoint p{r->w / 2, r->h / 2};
    if (r->function && (r->flags & event)) r->function(&p, event);
}

bool TestHost::click_at(GaugeHeader* g, int x, int y, uint32_t event) {
    if (!g || !g->mouse_list) return false;
    for (const vk::MouseRect* r = g->mouse_list; r->type != vk::MouseType::end; ++r) {
        if (r->type != vk::MouseType::child || !(r->flags & event)) continue;
        if (x < r->x || y < r->y || x >= r->x + r->w || y >= r->y + r->h) continue;
        const vk::MousePoint p{x - r->x, y - r->y};
        if (r->function) r->function(&p, event);
        return true;
    }
    return false;
}

void TestHost::hold(GaugeHeader* g, int index, int frames) {
    const vk::MouseRect* r = area(g, index);
    if (!r)
        throw std::out_of_range(std::string("gauge ") + g->name + " has no area " +
                                std::to_string(index));
    const vk::MousePoint p{r->w / 2, r->h / 2};
    for (int f = 0; f < frames; ++f) {
        if (r->function) {
            if (f == 0 && (r->flags & vk::kMouseLeft)) r->function(&p, vk::kMouseLeft);
            if (f > 0 && (r->flags & vk::kMouseRepeat)) r->function(&p, vk::kMouseRepeat);
        }
        run_frames(1);
    }
}

std::string TestHost::tooltip(const GaugeHeader* g) const {
    if (!g || !g->mouse_list) return {};
    for (const vk::MouseRect* r = g->mouse_list; r->type != vk::MouseType::end; ++r)
        if (r->type == vk::MouseType::tooltip && r->tooltip) return r->tooltip;
    return {};
}

// ---------------------------------------------------------------- elements

ElementHeader* TestHost::element(const GaugeHeader* g, int k) const {
    if (!g || !g->element_list || k < 0) return nullptr;
    // Elements in drawing order: each element, then its children.
    std::vector<ElementHeader*> order;
    for (ElementHeader** e = g->element_list; *e; ++e)
        walk(*e, [&](ElementHeader* x) { order.push_back(x); });
    return static_cast<size_t>(k) < order.size() ? order[k] : nullptr;
}

bool TestHost::shown(const std::string& name, int k) const {
    const ElementHeader* e = element(name, k);
    if (!e) throw std::out_of_range(name + " has no element " + std::to_string(k));
    return !(e->flags & vk::kHidden);
}

const ElementView& TestHost::view(const ElementHeader* e) const {
    static const ElementView none;
    auto it = views_.find(e);
    return it == views_.end() ? none : it->second;
}

double TestHost::needle_value(const std::string& name, int k) const {
    return view(element(name, k)).value;
}

double TestHost::needle_angle(const std::string& name, int k) const {
    return view(element(name, k)).angle;
}

std::string TestHost::text(const std::string& name, int k) const {
    ElementHeader* e = element(name, k);
    if (!e || e->kind != ElementKind::string) return {};
    auto& s = vk::as<vk::StringElement>(e);
    if (!s.text || s.text_size <= 0) return {};
    return std::string(s.text, strnlen(s.text, static_cast<size_t>(s.text_size)));
}

}  // namespace vkhost
