#include "sound/mixer/mixer_playback.h"

#include <QDebug>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>

namespace teaser {

namespace {

std::string utf8(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::optional<std::filesystem::path> firstExisting(const std::vector<std::filesystem::path> &paths)
{
    std::error_code error;
    for (const auto &path : paths) {
        if (std::filesystem::is_regular_file(path, error))
            return path;
    }
    return std::nullopt;
}

}

MixerOptions debianMixerOptions()
{
    return {{"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"},
            {"/etc/timidity/freepats.cfg", "/etc/timidity.cfg"}};
}

void MixerPlayback::ChunkDeleter::operator()(Mix_Chunk *chunk) const
{
    Mix_FreeChunk(chunk);
}

void MixerPlayback::MusicDeleter::operator()(_Mix_Music *music) const
{
    Mix_FreeMusic(music);
}

MixerPlayback::MixerPlayback(MixerOptions options)
    : options_(std::move(options))
{
}

MixerPlayback::~MixerPlayback()
{
    if (!opened_.value_or(false))
        return;
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    music_.reset();
    for (auto &chunk : channelChunks_)
        chunk.reset();
    builtInChunks_.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void MixerPlayback::open()
{
    ensureOpen();
}

bool MixerPlayback::isOpen()
{
    return opened_.value_or(false);
}

// FluidSynth plays silence without complaint when its SoundFont is missing,
// so the SoundFont is looked for here; without one, Timidity takes MIDI.
void MixerPlayback::chooseMidiBackend()
{
    if (const auto soundFont = firstExisting(options_.soundFonts)) {
        Mix_SetSoundFonts(utf8(*soundFont).c_str());
        return;
    }
    SDL_SetHint("SDL_MIXER_DISABLE_FLUIDSYNTH", "1");
    if (const auto config = firstExisting(options_.timidityConfigs))
        Mix_SetTimidityCfg(utf8(*config).c_str());
    else
        warnOnce("no General MIDI SoundFont or Timidity patches found; songs stay silent");
}

bool MixerPlayback::ensureOpen()
{
    if (opened_)
        return *opened_;
    opened_ = false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        warnOnce("no audio: SDL could not start its audio");
        return false;
    }
    chooseMidiBackend();
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        warnOnce("no audio device; the quiz runs silently");
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(channelCount);
    opened_ = true;
    return true;
}

void MixerPlayback::PlaySound(const SoundSource &source, bool loop)
{
    if (!ensureOpen())
        return;
    if (const auto *bytes = std::get_if<std::span<const std::uint8_t>>(&source)) {
        playCachedChunk(*bytes);
        return;
    }
    const auto &path = std::get<std::filesystem::path>(source);
    if (loop) {
        playMusic(path, true);
        return;
    }
    playChunk(ChunkPtr(Mix_LoadWAV(utf8(path).c_str())));
}

void MixerPlayback::StopSound()
{
    if (!isOpen())
        return;
    Mix_HaltMusic();
    music_.reset();
}

void MixerPlayback::playChunk(ChunkPtr chunk)
{
    if (!chunk) {
        warnOnce("a sound file could not be read");
        return;
    }
    const int channel = Mix_PlayChannel(-1, chunk.get(), 0);
    if (channel < 0 || channel >= channelCount)
        return;
    // The channel was free, so the chunk it played before has finished.
    channelChunks_[std::size_t(channel)] = std::move(chunk);
}

void MixerPlayback::playCachedChunk(std::span<const std::uint8_t> bytes)
{
    auto &chunk = builtInChunks_[bytes.data()];
    if (!chunk) {
        SDL_RWops *stream = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
        chunk.reset(Mix_LoadWAV_RW(stream, 1));
    }
    if (!chunk) {
        warnOnce("a built-in cue could not be decoded");
        builtInChunks_.erase(bytes.data());
        return;
    }
    Mix_PlayChannel(-1, chunk.get(), 0);
}

void MixerPlayback::playMusic(const std::filesystem::path &path, bool loop)
{
    Mix_HaltMusic();
    music_.reset(Mix_LoadMUS(utf8(path).c_str()));
    if (!music_) {
        warnOnce("a song could not be read");
        return;
    }
    Mix_PlayMusic(music_.get(), loop ? -1 : 1);
}

void MixerPlayback::warnOnce(const char *what)
{
    if (std::find(warned_.begin(), warned_.end(), what) != warned_.end())
        return;
    warned_.emplace_back(what);
    qWarning("teaser: %s (%s)", what, SDL_GetError());
}

}
