// The playback service over SDL2_mixer: cues mix over a looping song.
#pragma once

#include "core/playback.h"

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct Mix_Chunk;
struct _Mix_Music;

namespace teaser {

struct MixerOptions {
    // General MIDI SoundFonts for FluidSynth, the first that exists is used.
    std::vector<std::filesystem::path> soundFonts;
    // Patch set configurations for Timidity, used when no SoundFont exists.
    std::vector<std::filesystem::path> timidityConfigs;
};

// The SoundFont and patch sets that Debian installs.
MixerOptions debianMixerOptions();

class MixerPlayback final : public PlaybackService {
public:
    explicit MixerPlayback(MixerOptions options = debianMixerOptions());
    ~MixerPlayback() override;
    MixerPlayback(const MixerPlayback &) = delete;
    MixerPlayback &operator=(const MixerPlayback &) = delete;

    // Opens the audio device now rather than at the first sound.
    void open();

    void PlaySound(const SoundSource &source, bool loop) override;
    void StopSound() override;

    // Whether a usable audio device was opened.
    bool isOpen();

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk *chunk) const;
    };
    struct MusicDeleter {
        void operator()(_Mix_Music *music) const;
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
    using MusicPtr = std::unique_ptr<_Mix_Music, MusicDeleter>;

    static constexpr int channelCount = 8;

    bool ensureOpen();
    void chooseMidiBackend();
    void playChunk(ChunkPtr chunk);
    void playCachedChunk(std::span<const std::uint8_t> bytes);
    void playMusic(const std::filesystem::path &path, bool loop);
    void warnOnce(const char *what);

    MixerOptions options_;
    std::optional<bool> opened_;
    // Chunks loaded from files, each kept alive until its channel is reused.
    std::array<ChunkPtr, channelCount> channelChunks_;
    std::map<const std::uint8_t *, ChunkPtr> builtInChunks_;
    MusicPtr music_;
    std::vector<std::string> warned_;
};

}
