// Planning the pictures: what each referenced bitmap shows and how large it
// must be, from the element records and mouse areas of the gauges using it.
#include <algorithm>
#include <cmath>
#include <set>

#include "tools/artwork/artwork.h"

namespace vkart {

using vk::ElementHeader;
using vk::ElementKind;
using vk::GaugeHeader;

const char* role_name(Role r) {
    switch (r) {
        case Role::background:
            return "background";
        case Role::overlay:
            return "overlay";
        case Role::needle:
            return "needle";
        case Role::knob:
            return "knob";
        case Role::lamp:
            return "lamp";
        case Role::lever:
            return "lever";
        case Role::guard:
            return "guard";
        case Role::button:
            return "button";
        case Role::flag:
            return "flag";
        case Role::plate:
            return "plate";
        case Role::drum:
            return "drum";
        case Role::scale:
            return "scale";
        case Role::handle:
            return "handle";
        case Role::texture:
            return "texture";
        case Role::mask:
            return "mask";
    }
    return "?";
}

namespace {

// No picture grows past this, whatever the records say.
constexpr int kMaxSide = 4096;
// Icons closer than this (in both axes) are taken as positions of one control.
constexpr int kPartnerDistance = 24;
// Height of the band at the bottom of a background that names the gauge.
constexpr int kNameBand = 11;

int clamp_side(double v) {
    if (!std::isfinite(v)) return 1;
    return static_cast<int>(std::clamp(std::ceil(v), 1.0, static_cast<double>(kMaxSide)));
}

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    void add(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        x1 = std::max(x1, std::min(x, double{kMaxSide}));
        y1 = std::max(y1, std::min(y, double{kMaxSide}));
    }
};

std::vector<ElementHeader*> elements_of(const GaugeHeader* g) {
    std::vector<ElementHeader*> out;
    if (!g->element_list) return out;
    // Drawing order: each element, then its children. The count guard keeps
    // a malformed (cyclic) tree from running away.
    auto walk = [&](auto&& self, ElementHeader* e) -> void {
        if (!e || out.size() > 4096) return;
        out.push_back(e);
        if (e->children)
            for (ElementHeader** c = e->children; *c && out.size() <= 4096; ++c) self(self, *c);
    };
    for (ElementHeader** e = g->element_list; *e && out.size() <= 4096; ++e) walk(walk, *e);
    return out;
}

std::vector<const vk::MouseRect*> child_areas(const GaugeHeader* g, std::string* tooltip) {
    std::vector<const vk::MouseRect*> out;
    if (!g->mouse_list) return out;
    int guard = 0;
    for (const vk::MouseRect* r = g->mouse_list; r->type != vk::MouseType::end && guard < 4096;
         ++r, ++guard) {
        if (r->type == vk::MouseType::child && r->w > 0 && r->h > 0) out.push_back(r);
        if (r->type == vk::MouseType::tooltip && r->tooltip && tooltip && tooltip->empty())
            *tooltip = r->tooltip;
    }
    return out;
}

std::string short_name(const char* name) {
    std::string s = name ? name : "";
    if (s.rfind("morvalde ", 0) == 0) s.erase(0, 9);
    return s;
}

// Record coordinates in double: sums of untrusted int32 fields cannot overflow.
double D(int32_t v) {
    return static_cast<double>(v);
}

double finite_or(double v, double fallback) {
    return std::isfinite(v) ? v : fallback;
}

struct Request {
    Picture pic;
    int priority = 0;
};

using Requests = std::map<int32_t, std::vector<Request>>;

int priority(Role r) {
    switch (r) {
        case Role::background:
            return 9;
        case Role::needle:
        case Role::knob:
        case Role::drum:
        case Role::texture:
            return 8;
        case Role::scale:
            return 7;
        case Role::handle:
        case Role::lever:
            return 6;
        case Role::guard:
        case Role::button:
            return 5;
        case Role::lamp:
            return 4;
        case Role::flag:
            return 3;
        case Role::plate:
            return 2;
        case Role::overlay:
            return 1;
        case Role::mask:
            return 0;
    }
    return 0;
}

// Everything one gauge asks of the pictures it uses.
class GaugePlanner {
  public:
    GaugePlanner(const GaugeHeader* g, Requests& requests) : g_(g), requests_(requests) {}

    void run() {
        els_ = elements_of(g_);
        if (els_.empty()) return;
        areas_ = child_areas(g_, &tooltip_);
        for (const vk::MouseRect* a : areas_) box_.add(D(a->x) + a->w, D(a->y) + a->h);
        for (size_t k = 1; k < els_.size(); ++k) element(k);
        icons();
        root();
    }

  private:
    std::string use(size_t k) const {
        return short_name(g_->name) + ", element " + std::to_string(k);
    }

    void request(int32_t id, Picture p, size_t k, int prio = -1) {
        if (id < 0) return;
        p.id = id;
        p.width = std::clamp(p.width, 1, kMaxSide);
        p.height = std::clamp(p.height, 1, kMaxSide);
        p.uses.push_back(use(k));
        const int rank = prio >= 0 ? prio : priority(p.role);
        requests_[id].push_back({std::move(p), rank});
    }

    void mask(int32_t id, int w, int h, MaskShape shape, size_t k) {
        Picture m;
        m.role = Role::mask;
        m.width = w;
        m.height = h;
        m.shape = shape;
        request(id + 1, m, k);
    }

    void element(size_t k) {
        ElementHeader* e = els_[k];
        switch (e->kind) {
            case ElementKind::needle:
                return needle(k, vk::as<vk::Needle>(e));
            case ElementKind::moving_image:
                return moving(k, vk::as<vk::MovingImage>(e));
            case ElementKind::slider:
                return slider(k, vk::as<vk::MovingImage>(e));
            case ElementKind::sprite:
                return sprite(k, vk::as<vk::Sprite>(e));
            case ElementKind::string: {
                const auto& s = vk::as<vk::StringElement>(e);
                box_.add(D(e->x) + std::max(0, s.box_w), D(e->y) + std::max(0, s.box_h));
                return;
            }
            case ElementKind::static_image:
            case ElementKind::icon:
                icon_k_.push_back(k);
                return;
        }
    }

    void needle(size_t k, const vk::Needle& n) {
        const ElementHeader& e = n.head;
        Picture p;
        p.pivot_x = std::clamp(e.pivot_x, -kMaxSide, kMaxSide);
        p.pivot_y = std::clamp(e.pivot_y, -kMaxSide, kMaxSide);
        // Pivot and table points stand for pixel centres.
        Dial dial{D(e.x) + 0.5, D(e.y) + 0.5, 0, {}};
        const int count = n.scale ? std::clamp(n.scale_count, 0, 256) : 0;
        for (int i = 0; i < count; ++i) {
            const vk::ScaleEntry& s = n.scale[i];
            dial.reach = std::max(dial.reach, std::hypot(D(s.x) - e.x, D(s.y) - e.y));
            box_.add(D(s.x) + 1, D(s.y) + 1);
            bool seen = false;
            for (const DialPoint& q : dial.points)
                seen |= q.x == D(s.x) + 0.5 && q.y == D(s.y) + 0.5;
            if (!seen) dial.points.push_back({D(s.x) + 0.5, D(s.y) + 0.5, finite_or(s.value, 0)});
        }
        box_.add(D(e.x) + 1, D(e.y) + 1);
        if (count == 0) {
            p.role = Role::knob;
            p.width = clamp_side(std::max(2.0 * p.pivot_x + 1, 12.0));
            p.height = clamp_side(std::max(2.0 * p.pivot_y + 1, 12.0));
            box_.add(D(e.x) + std::max(p.pivot_x, 6), D(e.y) + std::max(p.pivot_y, 6));
        } else {
            p.role = Role::needle;
            p.reach = dial.reach;
            p.lever_like = p.pivot_x >= 6 && p.pivot_y >= 6;
            p.width =
                clamp_side(std::max({p.pivot_x + std::ceil(dial.reach) + 1, p.pivot_x + 1.0, 2.0}));
            p.height = clamp_side(std::max(2.0 * p.pivot_y + 1, 3.0));
            dial.face = !p.lever_like;
            add_dial(dial);
        }
        request(e.bitmap_id, p, k);
    }

    void add_dial(const Dial& d) {
        if (d.points.empty()) return;
        for (Dial& have : dials_)
            if (have.cx == d.cx && have.cy == d.cy) {
                have.reach = std::max(have.reach, d.reach);
                for (const DialPoint& p : d.points) {
                    bool seen = false;
                    for (const DialPoint& q : have.points) seen |= q.x == p.x && q.y == p.y;
                    if (!seen) have.points.push_back(p);
                }
                return;
            }
        dials_.push_back(d);
    }

    // Other moving images in the same row: the drums of one counter.
    double row_spacing(const ElementHeader& e) const {
        double best = 0;
        for (size_t j = 1; j < els_.size(); ++j) {
            const ElementHeader* o = els_[j];
            if (o == &e || o->kind != ElementKind::moving_image || std::abs(D(o->y) - e.y) > 2)
                continue;
            const double dx = std::abs(D(o->x) - e.x);
            if (dx >= 4 && (best == 0 || dx < best)) best = dx;
        }
        return best;
    }

    void moving(size_t k, const vk::MovingImage& m) {
        const ElementHeader& e = m.head;
        const double ty = std::abs(static_cast<double>(m.travel_y));
        const double tx = std::abs(static_cast<double>(m.travel_x));
        const double n = finite_or(m.y_max, 0) - finite_or(m.y_min, 0);
        const bool drum = m.y_min == 0 &&
                          (n == 2 || n == 3 || n == 4 || n == 5 || n == 6 || n == 10) && tx == 0 &&
                          ty >= 4 * n;
        Picture p;
        int mw, mh;
        if (drum) {
            p.role = Role::drum;
            p.cells = static_cast<int>(n);
            p.cell = ty / n;
            const double spacing = row_spacing(e);
            const double w = spacing > 0 ? std::min(spacing - 1, p.cell * 0.8) : p.cell * 0.7;
            mw = clamp_side(std::max(w, 7.0));
            mh = clamp_side(p.cell);
            p.width = mw;
            p.height = clamp_side(ty + p.cell);
        } else {
            p.role = Role::scale;
            p.vertical = ty >= tx;
            p.travel = std::max(ty, tx);
            const double cross = std::clamp(p.travel / 2, 12.0, 120.0);
            const double along = p.travel + 8;
            mw = clamp_side(p.vertical ? cross : along);
            mh = clamp_side(p.vertical ? along : cross);
            p.width = clamp_side(p.vertical ? cross : along + p.travel);
            p.height = clamp_side(p.vertical ? along + p.travel : cross);
        }
        box_.add(D(e.x) + mw, D(e.y) + mh);
        request(e.bitmap_id, p, k);
        mask(e.bitmap_id, mw, mh, MaskShape::rect, k);
    }

    void slider(size_t k, const vk::MovingImage& m) {
        const ElementHeader& e = m.head;
        Picture p;
        p.role = Role::handle;
        p.vertical = std::abs(D(m.travel_y)) >= std::abs(D(m.travel_x));
        p.width = p.vertical ? 24 : 14;
        p.height = p.vertical ? 14 : 24;
        box_.add(D(e.x) + std::max(0, m.travel_x) + p.width,
                 D(e.y) + std::max(0, m.travel_y) + p.height);
        request(e.bitmap_id, p, k);
    }

    void sprite(size_t k, const vk::Sprite& s) {
        const ElementHeader& e = s.head;
        double ts = finite_or(s.texture_scale, 1);
        if (ts <= 0.01 || ts > 100) ts = 1;
        Picture p;
        p.role = Role::texture;
        int mw = 48, mh = 48;
        if (s.centre_x > 0 && s.centre_y > 0 && s.centre_x < kMaxSide && s.centre_y < kMaxSide) {
            p.centre_x = s.centre_x;
            p.centre_y = s.centre_y;
            p.width = clamp_side(2.0 * s.centre_x);
            p.height = clamp_side(2.0 * s.centre_y);
            mw = clamp_side(2.0 * s.centre_x * ts);
            mh = clamp_side(2.0 * s.centre_y * ts);
        } else {
            p.width = p.height = 48;
        }
        if (s.y_value)
            p.texture = TextureKind::horizon;
        else if (s.x_value)
            p.texture = TextureKind::bar;
        else
            p.texture = std::min(p.width, p.height) >= 80 ? TextureKind::card : TextureKind::index;
        box_.add(D(e.x) + mw, D(e.y) + mh);
        request(e.bitmap_id, p, k);
        mask(e.bitmap_id, mw, mh, MaskShape::circle, k);
    }

    // Icons (and static images other than the root): overlays, control
    // positions, guards, buttons, lamps, flags and plates.
    void icons() {
        std::vector<size_t> rest, corner;
        for (size_t k : icon_k_) {
            const ElementHeader* e = els_[k];
            (e->x <= 2 && e->y <= 2 ? corner : rest).push_back(k);
        }
        // Positions of one control: icons close to each other.
        std::vector<int> cluster(rest.size());
        for (size_t i = 0; i < rest.size(); ++i) cluster[i] = static_cast<int>(i);
        auto root_of = [&](int i) {
            while (cluster[i] != i) i = cluster[i] = cluster[cluster[i]];
            return i;
        };
        for (size_t i = 0; i < rest.size(); ++i)
            for (size_t j = i + 1; j < rest.size(); ++j) {
                const ElementHeader *a = els_[rest[i]], *b = els_[rest[j]];
                if (std::abs(D(a->x) - b->x) <= kPartnerDistance &&
                    std::abs(D(a->y) - b->y) <= kPartnerDistance)
                    cluster[root_of(static_cast<int>(i))] = root_of(static_cast<int>(j));
            }
        std::map<int, std::vector<size_t>> groups;
        for (size_t i = 0; i < rest.size(); ++i) groups[root_of(static_cast<int>(i))].push_back(i);

        struct Switch {
            double x0, y0, x1, y1;
        };
        std::vector<Switch> switches;
        std::vector<size_t> single;
        for (auto& [r, members] : groups) {
            double sx = 0, sy = 0, x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
            for (size_t i : members) {
                const ElementHeader* e = els_[rest[i]];
                sx += e->x;
                sy += e->y;
                x0 = std::min(x0, double(e->x));
                y0 = std::min(y0, double(e->y));
                x1 = std::max(x1, double(e->x));
                y1 = std::max(y1, double(e->y));
            }
            if (members.size() < 2 || (x1 - x0 < 3 && y1 - y0 < 3)) {
                for (size_t i : members) single.push_back(rest[i]);
                continue;
            }
            const double cx = sx / members.size(), cy = sy / members.size();
            const bool across = x1 - x0 > y1 - y0;
            for (size_t i : members) {
                const ElementHeader* e = els_[rest[i]];
                Picture p;
                p.role = Role::lever;
                p.dir_x = across ? (D(e->x) - cx > 2.5 ? 1 : D(e->x) - cx < -2.5 ? -1 : 0) : 0;
                p.dir_y = across ? 0 : (D(e->y) - cy > 2.5 ? 1 : D(e->y) - cy < -2.5 ? -1 : 0);
                p.width = across ? 34 : 18;
                p.height = across ? 18 : 34;
                if (p.dir_x == 0 && p.dir_y == 0) p.width = p.height = 18;
                add_icon(rest[i], p);
            }
            switches.push_back({x0, y0, x1 + 18, y1 + 34});
        }
        // At the gauge's corner: a guard when a switch lies beside it, else an
        // overlay of the whole gauge.
        for (size_t k : corner) {
            const ElementHeader* e = els_[k];
            bool guard = false;
            for (const Switch& s : switches) guard |= e->x >= s.x0 - 36 && e->y >= s.y0 - 56;
            if (guard)
                single.push_back(k);
            else
                overlays_.push_back(k);
        }
        for (size_t k : single) {
            const ElementHeader* e = els_[k];
            Picture p;
            bool placed = false;
            for (const Switch& s : switches)
                if (e->x <= s.x0 && e->x >= s.x0 - 36 && e->y >= s.y0 - 56 && e->y <= s.y1 + 14) {
                    p.role = Role::guard;
                    p.open = e->y > s.y0;
                    p.width = clamp_side(std::min(s.x1 - D(e->x) + 6, 80.0));
                    p.height = p.open ? 22 : clamp_side(std::min(s.y1 - e->y, 80.0));
                    placed = true;
                    break;
                }
            const bool lit = (e->flags & (vk::kBright | vk::kLuminous)) != 0;
            if (!placed)
                for (const vk::MouseRect* a : areas_)
                    if (e->x >= a->x && e->y >= a->y && D(e->x) < D(a->x) + a->w &&
                        D(e->y) < D(a->y) + a->h) {
                        p.role = Role::button;
                        p.lit = lit;
                        p.width = clamp_side(std::clamp(D(a->x) + a->w - e->x, 10.0, 48.0));
                        p.height = clamp_side(std::clamp(D(a->y) + a->h - e->y, 10.0, 48.0));
                        placed = true;
                        break;
                    }
            if (!placed) {
                const double space = spacing(e);
                if (lit) {
                    p.role = Role::lamp;
                    p.lit = true;
                    p.width = p.height = clamp_side(std::clamp(space - 3, 10.0, 22.0));
                } else if (e->flags & vk::kTransparent) {
                    p.role = Role::flag;
                    p.width = clamp_side(std::clamp(space - 2, 12.0, 28.0));
                    p.height = clamp_side(p.width * 0.55);
                } else {
                    p.role = Role::plate;
                    p.width = 40;
                    p.height = 16;
                }
            }
            add_icon(k, p);
        }
    }

    // Distance to the nearest other element standing elsewhere.
    double spacing(const ElementHeader* e) const {
        double best = 1e9;
        for (size_t j = 1; j < els_.size(); ++j) {
            const ElementHeader* o = els_[j];
            if (o == e || o->kind == ElementKind::string || (o->x <= 2 && o->y <= 2)) continue;
            const double d = std::max(std::abs(D(o->x) - e->x), std::abs(D(o->y) - e->y));
            if (d >= 3) best = std::min(best, d);
        }
        return best;
    }

    void add_icon(size_t k, const Picture& p) {
        const ElementHeader* e = els_[k];
        box_.add(D(e->x) + p.width, D(e->y) + p.height);
        request(e->bitmap_id, p, k);
    }

    void root() {
        const ElementHeader* root = els_[0];
        Picture p;
        p.role = Role::background;
        p.label = short_name(g_->name);
        p.tooltip = tooltip_;
        p.dials = dials_;
        for (const vk::MouseRect* a : areas_)
            p.areas.push_back({a->x, a->y, a->w, a->h, a->cursor});
        const double w = std::max(double(g_->size_mm), box_.x1);
        double h = box_.y1;
        const bool bare = els_.size() == 1 && areas_.empty();
        if (bare) h = std::clamp(std::round(w * 0.4), 12.0, 400.0);
        if (w >= 40 && !bare) h += kNameBand;
        p.width = clamp_side(std::max(w, 8.0));
        p.height = clamp_side(std::max(h, 8.0));
        request(root->bitmap_id, p, 0, bare ? 1 : priority(Role::background));
        for (size_t k : overlays_) {
            Picture o = p;
            o.role = Role::overlay;
            o.areas.clear();
            request(els_[k]->bitmap_id, o, k);
        }
    }

    const GaugeHeader* g_;
    Requests& requests_;
    std::vector<ElementHeader*> els_;
    std::vector<const vk::MouseRect*> areas_;
    std::string tooltip_;
    std::vector<size_t> icon_k_;
    std::vector<size_t> overlays_;
    std::vector<Dial> dials_;
    Box box_;
};

void merge_dials(std::vector<Dial>& into, const std::vector<Dial>& from) {
    for (const Dial& d : from) {
        bool seen = false;
        for (const Dial& h : into) seen |= h.cx == d.cx && h.cy == d.cy && h.reach == d.reach;
        if (!seen) into.push_back(d);
    }
}

}  // namespace

Plan plan_artwork(const std::vector<const GaugeHeader*>& gauges) {
    Requests requests;
    std::set<const GaugeHeader*> done;
    for (const GaugeHeader* g : gauges)
        if (g && done.insert(g).second) GaugePlanner(g, requests).run();

    Plan plan;
    for (auto& [id, list] : requests) {
        size_t best = 0;
        for (size_t i = 1; i < list.size(); ++i)
            if (list[i].priority > list[best].priority) best = i;
        Picture p = list[best].pic;
        p.uses.clear();
        std::set<Role> roles;
        for (const Request& r : list) {
            p.width = std::max(p.width, r.pic.width);
            p.height = std::max(p.height, r.pic.height);
            p.reach = std::max(p.reach, r.pic.reach);
            p.uses.insert(p.uses.end(), r.pic.uses.begin(), r.pic.uses.end());
            roles.insert(r.pic.role);
            if ((p.role == Role::background || p.role == Role::overlay) &&
                (r.pic.role == Role::background || r.pic.role == Role::overlay))
                merge_dials(p.dials, r.pic.dials);
        }
        if (roles.count(Role::mask) && p.role != Role::mask)
            plan.warnings.push_back("bitmap " + std::to_string(id) +
                                    " is both a picture and the mask of bitmap " +
                                    std::to_string(id - 1) + "; drawn as the picture");
        plan.pictures.emplace(id, std::move(p));
    }
    return plan;
}

}  // namespace vkart
