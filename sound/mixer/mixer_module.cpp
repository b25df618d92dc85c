// The mixer module's entry point (see closable_playback.h).
#include "sound/mixer/closable_playback.h"
#include "sound/mixer/mixer_playback.h"

extern "C" __attribute__((visibility("default"))) teaser::ClosablePlayback *teaser_make_mixer_playback()
{
    return new teaser::MixerPlayback(teaser::debianMixerOptions());
}
