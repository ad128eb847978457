// The Linux module has no output of its own. A program that loads it may
// lend one by exporting "vkhost_audio_device" (the test host does, with a
// recording output and a real one); the module finds it in the process the way
// the Windows build finds DirectSound in the system. Without one it is silent.
#if !defined(_WIN32)
#include <dlfcn.h>

#include "sound/platform.h"

namespace vk {

const VkAudioDevice* platform_audio_device() {
    void* symbol = dlsym(RTLD_DEFAULT, "vkhost_audio_device");
    if (!symbol) return nullptr;
    const auto source = reinterpret_cast<VkAudioDeviceSource>(symbol);
    const VkAudioDevice* d = source();
    if (!d || d->version != kVkAudioDeviceVersion) return nullptr;
    if (!d->open || !d->create_buffer || !d->fill || !d->play || !d->stop || !d->set_volume ||
        !d->release || !d->close)
        return nullptr;
    return d;
}

}  // namespace vk
#endif
