// Makes the cockpit's sixteen recordings as WAV files: mono, 16-bit PCM,
// 22050 Hz. Everything is synthesized here, except the three call-outs, which
// are spoken by espeak-ng and then trimmed, filtered like a cockpit speaker
// and normalised. The continuous sounds are built as exact loops: whatever
// rings past the loop's end is folded back onto its start, tones complete
// whole cycles, and filters run round the loop until they settle, so the
// last sample leads into the first as any sample leads into the next.
//
//   make_sounds OUTPUT_DIR        (writes OUTPUT_DIR/CLICK.wav ... )
//
// The noise is from a fixed seed, so the synthesized sounds come out the same
// on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "sound/wave.h"

namespace {

constexpr int kRate = 22050;
constexpr double kPi = std::numbers::pi;
using Signal = std::vector<double>;

size_t samples(double seconds) {
    return static_cast<size_t>(std::lround(seconds * kRate));
}
double time_of(size_t n) {
    return static_cast<double>(n) / kRate;
}

// ---------------------------------------------------------------- noise and filters

struct Noise {
    uint64_t state;
    double next() {  // uniform in -1..1
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<double>(state >> 11) / static_cast<double>(1ull << 52) - 1.0;
    }
};

// An RBJ biquad.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    static Biquad make(double b0, double b1, double b2, double a0, double a1, double a2) {
        return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
    }
    static Biquad lowpass(double f, double q = 0.707) {
        const double w = 2 * kPi * f / kRate, c = std::cos(w), a = std::sin(w) / (2 * q);
        return make((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
    }
    static Biquad highpass(double f, double q = 0.707) {
        const double w = 2 * kPi * f / kRate, c = std::cos(w), a = std::sin(w) / (2 * q);
        return make((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
    }
    static Biquad bandpass(double f, double q) {  // 0 dB at the centre
        const double w = 2 * kPi * f / kRate, c = std::cos(w), a = std::sin(w) / (2 * q);
        return make(a, 0, -a, 1 + a, -2 * c, 1 - a);
    }
    // New coefficients, keeping what the filter holds.
    void retune(const Biquad& to) { b0 = to.b0, b1 = to.b1, b2 = to.b2, a1 = to.a1, a2 = to.a2; }
    double operator()(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

Signal filtered(Signal s, Biquad f) {
    for (double& x : s) x = f(x);
    return s;
}

// Filters a loop as if it had always been playing: one lap to settle, then
// the lap that is kept.
Signal filtered_loop(const Signal& s, Biquad f) {
    for (double x : s) f(x);
    return filtered(s, f);
}

Signal noise(size_t n, uint64_t seed) {
    Noise r{seed};
    Signal s(n);
    for (double& x : s) x = r.next();
    return s;
}

// ---------------------------------------------------------------- building blocks

void mix_into(Signal& to, const Signal& from, double gain = 1.0, size_t at = 0) {
    if (to.size() < at + from.size()) to.resize(at + from.size(), 0.0);
    for (size_t i = 0; i < from.size(); ++i) to[at + i] += gain * from[i];
}

// Adds `from` to a loop starting at `at`, folding whatever runs past the end
// back onto the start, as it sounds when the loop repeats.
void fold_into(Signal& loop, const Signal& from, size_t at, double gain = 1.0) {
    for (size_t i = 0; i < from.size(); ++i) loop[(at + i) % loop.size()] += gain * from[i];
}

// A struck resonance: a sine at `f` decaying with time constant `tau`.
Signal ring(double f, double tau, double seconds, double phase = 0.0) {
    Signal s(samples(seconds));
    for (size_t n = 0; n < s.size(); ++n) {
        const double t = time_of(n);
        s[n] = std::sin(2 * kPi * f * t + phase) * std::exp(-t / tau);
    }
    return s;
}

// A short burst of noise with an exponential decay.
Signal burst(double tau, double seconds, uint64_t seed) {
    Signal s = noise(samples(seconds), seed);
    for (size_t n = 0; n < s.size(); ++n) s[n] *= std::exp(-time_of(n) / tau);
    return s;
}

// Rises over `attack` seconds from the start and falls over `release` to the end.
void fade(Signal& s, double attack, double release) {
    const size_t a = samples(attack), r = samples(release);
    for (size_t n = 0; n < a && n < s.size(); ++n) s[n] *= static_cast<double>(n) / a;
    for (size_t n = 0; n < r && n < s.size(); ++n)
        s[s.size() - 1 - n] *= static_cast<double>(n) / r;
}

void normalise(Signal& s, double peak) {
    double m = 0.0;
    for (double x : s) m = std::max(m, std::fabs(x));
    if (m > 0.0)
        for (double& x : s) x *= peak / m;
}

// A band-limited periodic wave of exactly `period` samples: harmonics up to
// the Nyquist limit with amplitudes amp(h), at whole cycles per loop.
Signal periodic_wave(size_t length, size_t period, const std::function<double(int)>& amp) {
    Signal s(length, 0.0);
    const int top = static_cast<int>(period / 2) - 1;
    for (int h = 1; h <= top; ++h) {
        const double a = amp(h);
        if (a == 0.0) continue;
        for (size_t n = 0; n < length; ++n)
            s[n] += a * std::sin(2 * kPi * h * static_cast<double>(n % period) / period);
    }
    return s;
}

// ---------------------------------------------------------------- the recordings

Signal click() {
    Signal s(samples(0.06), 0.0);
    mix_into(s, filtered(burst(0.0008, 0.01, 11), Biquad::bandpass(3200, 1.5)), 1.0);
    mix_into(s, ring(1850, 0.005, 0.04), 0.5);
    mix_into(s, ring(4300, 0.002, 0.02), 0.3);
    mix_into(s, filtered(burst(0.0005, 0.006, 12), Biquad::bandpass(2400, 2.0)), 0.35,
             samples(0.009));  // the lever settling against its stop
    fade(s, 0.0, 0.01);
    normalise(s, 0.8);
    return s;
}

Signal cachemetal() {
    Signal s(samples(0.18), 0.0);
    const double partials[][2] = {{2350, 0.040}, {3870, 0.030}, {5210, 0.020}, {6940, 0.014}};
    for (const auto& p : partials) mix_into(s, ring(p[0], p[1], 0.16), 0.4);
    mix_into(s, filtered(burst(0.001, 0.01, 21), Biquad::highpass(1500)), 0.8);
    Signal second(samples(0.12), 0.0);  // the cover landing on its stop
    for (const auto& p : partials) mix_into(second, ring(p[0] * 1.07, p[1] * 0.6, 0.1), 0.25);
    mix_into(s, second, 0.6, samples(0.028));
    fade(s, 0.0, 0.03);
    normalise(s, 0.8);
    return s;
}

Signal chime(double f) {
    Signal s(samples(1.0), 0.0);
    mix_into(s, ring(f, 0.35, 1.0), 1.0);
    mix_into(s, ring(2 * f, 0.18, 1.0), 0.25);
    mix_into(s, ring(3 * f, 0.10, 1.0), 0.08);
    fade(s, 0.002, 0.05);
    normalise(s, 0.7);
    return s;
}

Signal gong() {
    Signal s(samples(1.8), 0.0);
    const double f = 392.0;
    const double partials[][3] = {{1.00, 1.00, 1.00}, {1.51, 0.60, 0.70}, {2.03, 0.45, 0.50},
                                  {2.74, 0.30, 0.35}, {3.42, 0.20, 0.25}, {4.50, 0.10, 0.18}};
    for (const auto& p : partials) {
        mix_into(s, ring(f * p[0], p[2], 1.8), p[1]);
        mix_into(s, ring(f * p[0] * 1.003, p[2], 1.8), p[1] * 0.5);  // a slow beat
    }
    fade(s, 0.003, 0.1);
    normalise(s, 0.7);
    return s;
}

// The stall horn: two harsh tones of 50 and 56 samples a cycle, whose
// periods meet every 1400 samples; eight of those make the loop.
Signal klaxon_stall() {
    const size_t length = 1400 * 8;
    Signal s = periodic_wave(length, 50, [](int h) { return h % 2 ? 1.0 / h : 0.0; });
    mix_into(s, periodic_wave(length, 56, [](int h) { return h % 2 ? 0.6 / h : 0.0; }));
    for (double& x : s) x = std::tanh(1.8 * x);
    s = filtered_loop(s, Biquad::lowpass(5000));
    normalise(s, 0.7);
    return s;
}

// The gear horn: one buzzing tone of 72 samples a cycle, 150 cycles a loop.
Signal klaxon_gear() {
    const size_t length = 72 * 150;
    Signal s = periodic_wave(length, 72, [](int h) { return 1.0 / h; });
    for (double& x : s) x = std::tanh(1.3 * x);
    s = filtered_loop(s, Biquad::bandpass(900, 0.8));
    normalise(s, 0.7);
    return s;
}

// The bell: a hammer striking 16 times a second; every ring folds round the loop.
Signal bell() {
    const size_t strike = 1378, length = strike * 8;
    Signal s(length, 0.0);
    const double f = 1480.0;
    const double partials[][3] = {
        {1.00, 1.00, 0.25}, {2.32, 0.50, 0.12}, {4.25, 0.25, 0.06}, {6.63, 0.12, 0.04}};
    Noise r{31};
    for (size_t k = 0; k < 8; ++k) {
        Signal hit(samples(1.2), 0.0);
        for (const auto& p : partials) mix_into(hit, ring(f * p[0], p[2], 1.2), p[1]);
        fold_into(s, hit, k * strike, 0.85 + 0.15 * r.next());
    }
    normalise(s, 0.6);
    return s;
}

// Brakes: a rumble, a hiss and a faint squeal that wavers, one second a loop.
Signal brakes() {
    const size_t length = samples(1.0);
    Signal s(length, 0.0);
    mix_into(s, filtered_loop(noise(length, 41), Biquad::lowpass(160, 0.9)), 2.5);
    mix_into(s, filtered_loop(noise(length, 42), Biquad::bandpass(3000, 0.7)), 0.5);
    for (size_t n = 0; n < length; ++n) {
        const double t = time_of(n);
        const double waver = 0.5 + 0.5 * std::sin(2 * kPi * 4.0 * t);
        s[n] += 0.12 * waver * std::sin(2 * kPi * 1850.0 * t);
    }
    normalise(s, 0.5);
    return s;
}

// A rattle: ratchet teeth snapping 28 times a second.
Signal rattle() {
    Signal s(samples(0.9), 0.0);
    Noise r{51};
    for (double t = 0.0; t < 0.85; t += 1.0 / 28.0) {
        Signal tooth = filtered(burst(0.0015, 0.02, 52 + static_cast<uint64_t>(t * 1000)),
                                Biquad::bandpass(2500, 1.2));
        mix_into(tooth, ring(900, 0.006, 0.02), 0.3);
        mix_into(s, tooth, 0.7 + 0.3 * r.next(), samples(t));
    }
    fade(s, 0.03, 0.08);
    normalise(s, 0.7);
    return s;
}

// Air conditioning: duct noise and a fan hum at 120 Hz (144 cycles a loop).
Signal aircond_loop(size_t length, double brightness) {
    Signal s(length, 0.0);
    mix_into(s, filtered_loop(noise(length, 61), Biquad::lowpass(1200 * brightness, 0.6)), 1.0);
    mix_into(s, filtered_loop(noise(length, 62), Biquad::bandpass(420, 0.8)), 0.6);
    for (size_t n = 0; n < length; ++n) {
        const double t = time_of(n);
        s[n] += 0.05 * std::sin(2 * kPi * 120.0 * t) + 0.025 * std::sin(2 * kPi * 240.0 * t);
    }
    return s;
}

Signal aircond() {
    Signal s = aircond_loop(samples(1.2), 1.0);
    normalise(s, 0.45);
    return s;
}

// The valve's thump, then the flow rising (start) or dying away (stop).
Signal aircond_change(bool starting) {
    const size_t length = samples(1.4);
    Signal flow(length, 0.0);
    Biquad duct = Biquad::lowpass(1200, 0.6);
    Noise r{starting ? 71u : 72u};
    for (size_t n = 0; n < length; ++n) {
        const double t = time_of(n) / 1.4;
        const double level = starting ? std::min(1.0, t * 1.3) : std::max(0.0, 1.0 - t * 1.1);
        if (n % 256 == 0) duct.retune(Biquad::lowpass(250 + 950 * level, 0.6));  // brightens
        flow[n] = level * level * duct(r.next());
    }
    Signal s(length, 0.0);
    mix_into(s, flow, 1.0);
    mix_into(s, ring(90, 0.04, 0.25), 0.5);
    mix_into(s, filtered(burst(0.004, 0.03, 73), Biquad::lowpass(600)), 0.4);
    fade(s, 0.0, 0.05);
    normalise(s, 0.45);
    return s;
}

// ---------------------------------------------------------------- the call-outs

// Speaks `text` with espeak-ng and returns it at kRate, trimmed of silence,
// filtered like a cockpit speaker and normalised.
Signal spoken(const std::string& text, const std::filesystem::path& scratch) {
    const std::string command =
        "espeak-ng -v en-us -s 150 -p 40 -w '" + scratch.string() + "' '" + text + "'";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("espeak-ng could not speak \"" + text + "\" (is it installed?)");
    std::ifstream in(scratch, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    const auto wave = vk::parse_wave(bytes.data(), bytes.size());
    if (!wave || wave->format.bits_per_sample != 16)
        throw std::runtime_error("espeak-ng wrote something other than 16-bit PCM");
    const int channels = wave->format.channels;
    const size_t frames = wave->bytes / wave->format.block_align;
    Signal in_rate(frames);
    for (size_t i = 0; i < frames; ++i) {
        const uint8_t* p = wave->data + i * wave->format.block_align;
        in_rate[i] = static_cast<int16_t>(p[0] | p[1] << 8) / 32768.0;
    }
    (void)channels;  // the first channel is enough
    // Linear resampling to kRate, if espeak-ng spoke at another rate.
    const double step = static_cast<double>(wave->format.samples_per_sec) / kRate;
    Signal s(static_cast<size_t>(frames / step));
    for (size_t n = 0; n < s.size(); ++n) {
        const double at = n * step;
        const size_t i = static_cast<size_t>(at);
        const double frac = at - i;
        s[n] = i + 1 < frames ? in_rate[i] * (1 - frac) + in_rate[i + 1] * frac : in_rate[i];
    }
    // Trim what is quieter than -40 dB of the peak at both ends.
    double peak = 0.0;
    for (double x : s) peak = std::max(peak, std::fabs(x));
    size_t first = 0, last = s.size();
    while (first < last && std::fabs(s[first]) < peak * 0.01) ++first;
    while (last > first && std::fabs(s[last - 1]) < peak * 0.01) --last;
    first = first > samples(0.01) ? first - samples(0.01) : 0;
    last = std::min(s.size(), last + samples(0.02));
    s = Signal(s.begin() + static_cast<std::ptrdiff_t>(first),
               s.begin() + static_cast<std::ptrdiff_t>(last));
    s = filtered(filtered(s, Biquad::highpass(300)), Biquad::lowpass(3400));
    fade(s, 0.005, 0.02);
    normalise(s, 0.8);
    return s;
}

// ---------------------------------------------------------------- output

void write_wav(const std::filesystem::path& path, const Signal& s) {
    std::vector<uint8_t> out;
    auto u16 = [&](uint32_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto u32 = [&](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(t[i]));
    };
    const uint32_t data_bytes = static_cast<uint32_t>(s.size() * 2);
    tag("RIFF");
    u32(36 + data_bytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    tag("data");
    u32(data_bytes);
    for (double x : s) {
        const long v = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        u16(static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    try {
        std::filesystem::create_directories(dir);
        const std::filesystem::path scratch = dir / ".spoken.tmp.wav";
        const std::pair<const char*, std::function<Signal()>> sounds[] = {
            {"CLICK", click},
            {"HI", [] { return chime(1046.5); }},
            {"LO", [] { return chime(659.3); }},
            {"GONGMONO", gong},
            {"KLAXONCONT", klaxon_stall},
            {"SONNERIE", bell},
            {"BRAKESSND", brakes},
            {"CRECELLE", rattle},
            {"KLAXONGEAR", klaxon_gear},
            {"CACHEMETAL", cachemetal},
            {"V80KTS", [&] { return spoken("eighty knots", scratch); }},
            {"V1KTS", [&] { return spoken("vee one", scratch); }},
            {"VRKTS", [&] { return spoken("rotate", scratch); }},
            {"AIRCOND", aircond},
            {"AIRCONDENT", [] { return aircond_change(true); }},
            {"AIRCONDSORT", [] { return aircond_change(false); }},
        };
        size_t total = 0;
        for (const auto& [name, make] : sounds) {
            const Signal s = make();
            write_wav(dir / (std::string(name) + ".wav"), s);
            total += 44 + s.size() * 2;
            std::printf("%-12s %6.3f s %7zu bytes\n", name, time_of(s.size()), 44 + s.size() * 2);
        }
        std::filesystem::remove(scratch);
        std::printf("16 recordings, %zu bytes in all, in %s\n", total, dir.string().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
