#include "app/mixer_loader.h"

#ifdef TEASER_MIXER_MODULE
#include <QtGlobal>
#include <dlfcn.h>
#else
#include "sound/mixer/mixer_playback.h"
#endif

namespace teaser {

#ifdef TEASER_MIXER_MODULE

std::unique_ptr<ClosablePlayback> loadMixerPlayback(const std::filesystem::path &programDirectory)
{
    if (programDirectory.empty())
        return nullptr;
    const std::filesystem::path module = programDirectory / TEASER_MIXER_MODULE;
    // Never closed: the service's audio thread may outlive everything else.
    void *handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        qWarning("teaser: no sound: %s", dlerror());
        return nullptr;
    }
    auto *make = reinterpret_cast<MakeMixerPlayback *>(dlsym(handle, makeMixerPlaybackName));
    if (!make) {
        qWarning("teaser: no sound: %s", dlerror());
        return nullptr;
    }
    return std::unique_ptr<ClosablePlayback>(make());
}

#else

std::unique_ptr<ClosablePlayback> loadMixerPlayback(const std::filesystem::path &)
{
    return std::make_unique<MixerPlayback>();
}

#endif

}
