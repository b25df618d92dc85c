#include "audio/song_render.h"

#include <fluidsynth.h>

#include <memory>
#include <stdexcept>

namespace audio {

namespace {

struct Playback {
    fluid_synth_t *synth;
    const ChannelFilter *keep;
};

int playEvent(void *data, fluid_midi_event_t *event)
{
    const auto *playback = static_cast<Playback *>(data);
    const bool noteOn = fluid_midi_event_get_type(event) == 0x90;
    if (noteOn && !(*playback->keep)(fluid_midi_event_get_channel(event)))
        return FLUID_OK;
    return fluid_synth_handle_midi_event(playback->synth, event);
}

// FluidSynth's warnings about the SoundFont's own quirks are no news here.
void quietLog(int, const char *, void *)
{
}

}

StereoAudio renderSong(const std::vector<std::uint8_t> &midi, const std::string &soundFont, const ChannelFilter &keep)
{
    fluid_set_log_function(FLUID_WARN, quietLog, nullptr);
    fluid_set_log_function(FLUID_INFO, quietLog, nullptr);
    const std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(new_fluid_settings(),
                                                                                       delete_fluid_settings);
    fluid_settings_setnum(settings.get(), "synth.sample-rate", renderRate);
    const std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(new_fluid_synth(settings.get()),
                                                                              delete_fluid_synth);
    if (!synth || fluid_synth_sfload(synth.get(), soundFont.c_str(), 1) == FLUID_FAILED)
        throw std::runtime_error("FluidSynth cannot load " + soundFont);
    fluid_synth_set_gain(synth.get(), mixerGain);

    const std::unique_ptr<fluid_player_t, decltype(&delete_fluid_player)> player(new_fluid_player(synth.get()),
                                                                                 delete_fluid_player);
    Playback playback{synth.get(), &keep};
    fluid_player_set_playback_callback(player.get(), playEvent, &playback);
    if (fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK
        || fluid_player_play(player.get()) != FLUID_OK)
        throw std::runtime_error("FluidSynth cannot play the song");

    constexpr int block = 1024;
    StereoAudio audio;
    std::vector<float> left(block);
    std::vector<float> right(block);
    while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING) {
        if (fluid_synth_write_float(synth.get(), block, left.data(), 0, 1, right.data(), 0, 1) != FLUID_OK)
            throw std::runtime_error("FluidSynth failed to render");
        audio.left.insert(audio.left.end(), left.begin(), left.end());
        audio.right.insert(audio.right.end(), right.begin(), right.end());
    }
    return audio;
}

}
