#pragma once
// Test fixtures: a test host attached to the module linked into the test
// program (state records readable directly), or to the module library loaded
// as the simulator loads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "frame/host_vars.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "gauges/state.h"
#include "host/ids.h"
#include "host/test_host.h"

extern "C" vk::LinkageRecord Linkage;
extern "C" vk::ImportTableRecord ImportTable;

namespace vktest {

// A fresh module state for every test: records and image flags as at load.
class LinkedHost : public ::testing::Test {
  protected:
    LinkedHost()
        : host(vkhost::Module::linked(&Linkage, &ImportTable), [] { vk::reset_state(); }) {}
    // How many times event `k` went out since the mark.
    int sent(size_t mark, vk::Key k) const {
        const auto keys = host.keys_since(mark);
        return static_cast<int>(std::count_if(keys.begin(), keys.end(), [&](const auto& r) {
            return r.id == static_cast<int32_t>(k);
        }));
    }
    vkhost::TestHost host;
};

inline vkhost::Module load_library() {
    return vkhost::Module::load(VK_MODULE_PATH);
}

using vkhost::id;

}  // namespace vktest
