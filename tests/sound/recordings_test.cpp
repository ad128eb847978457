// The committed recordings, read by an independent reader (sox) and by the
// module's loader: the format the cockpit expects, a small set, and loops
// that close without a click.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "sound/sound_set.h"
#include "sound/wave.h"

namespace vktest {
namespace {

const std::filesystem::path kDir = VK_SOURCE_DIR "/resources/sounds";

// What `sox --i` says of a file, one "Field : value" line per entry.
std::map<std::string, std::string> sox_info(const std::filesystem::path& file) {
    const std::string command = "sox --i '" + file.string() + "' 2>/dev/null";
    std::map<std::string, std::string> info;
    std::FILE* p = popen(command.c_str(), "r");
    if (!p) return info;
    char line[512];
    while (std::fgets(line, sizeof line, p)) {
        std::string s = line;
        const auto colon = s.find(':');
        if (colon == std::string::npos) continue;
        auto trim = [](std::string t) {
            const auto a = t.find_first_not_of(" \t\r\n");
            const auto b = t.find_last_not_of(" \t\r\n");
            return a == std::string::npos ? std::string() : t.substr(a, b - a + 1);
        };
        info[trim(s.substr(0, colon))] = trim(s.substr(colon + 1));
    }
    pclose(p);
    return info;
}

std::vector<uint8_t> read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<int16_t> samples_of(const vk::Wave& w) {
    std::vector<int16_t> s(w.bytes / 2);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<int16_t>(w.data[2 * i] | w.data[2 * i + 1] << 8);
    return s;
}

TEST(Recordings, SoxAndTheLoaderAgreeOnAllSixteen) {
    ASSERT_FALSE(sox_info(kDir / "CLICK.wav").empty()) << "sox is needed (scripts/setup.sh)";
    uintmax_t total = 0;
    for (int i = 0; i < vk::kSoundCount; ++i) {
        const std::string name = vk::sound_name(static_cast<vk::Sound>(i));
        const auto file = kDir / (name + ".wav");
        SCOPED_TRACE(name);
        ASSERT_TRUE(std::filesystem::exists(file));
        total += std::filesystem::file_size(file);
        auto info = sox_info(file);
        EXPECT_EQ(info["Sample Encoding"], "16-bit Signed Integer PCM");
        EXPECT_EQ(info["Sample Rate"], "22050");
        EXPECT_EQ(info["Channels"], "1");
        EXPECT_EQ(info["Precision"], "16-bit");

        const auto bytes = read(file);
        const auto w = vk::parse_wave(bytes.data(), bytes.size());
        ASSERT_TRUE(w);
        // "Duration : 00:00:00.06 = 1323 samples ~ ..."
        EXPECT_NE(info["Duration"].find("= " + std::to_string(w->bytes / 2) + " samples"),
                  std::string::npos)
            << info["Duration"];
        // Not silent, and not clipped flat against full scale.
        int peak = 0;
        for (int16_t v : samples_of(*w)) peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32767);
    }
    EXPECT_LT(total, 1024u * 1024u);
}

// A loop is heard as its last sample followed by its first: that step must be
// no larger than any step inside the recording, and the level at the end
// must match the level at the start.
TEST(Recordings, ContinuousSoundsLoopWithoutAClick) {
    for (const char* name : {"KLAXONCONT", "KLAXONGEAR", "SONNERIE", "BRAKESSND", "AIRCOND"}) {
        SCOPED_TRACE(name);
        const auto bytes = read(kDir / (std::string(name) + ".wav"));
        const auto w = vk::parse_wave(bytes.data(), bytes.size());
        ASSERT_TRUE(w);
        const auto s = samples_of(*w);
        int largest = 0;
        for (size_t i = 1; i < s.size(); ++i)
            largest = std::max(largest, std::abs(s[i] - s[i - 1]));
        EXPECT_LE(std::abs(s.front() - s.back()), largest);

        const size_t edge = s.size() / 20;
        auto rms = [&](size_t from) {
            double sum = 0.0;
            for (size_t i = from; i < from + edge; ++i) sum += double(s[i]) * s[i];
            return std::sqrt(sum / edge);
        };
        const double ratio_db = 20.0 * std::log10(rms(s.size() - edge) / rms(0));
        EXPECT_LT(std::fabs(ratio_db), 3.0);
    }
}

}  // namespace
}  // namespace vktest
