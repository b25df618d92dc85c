#include "sound/mixer/mixer_playback.h"

#include "core/path_text.h"
#include "core/whole_file.h"
#include "sound/mixer/midi_check.h"

#include <QDebug>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>

#ifdef TEASER_HAS_FLUIDSYNTH
#include <fluidsynth.h>
#endif

namespace teaser {

namespace {

using namespace std::chrono_literals;

// A cue is a second or two; a song a few minutes of notes.
constexpr std::size_t mostCueBytes = std::size_t(16) << 20;
constexpr std::size_t mostSongBytes = std::size_t(4) << 20;
constexpr int channelCount = 8;
// How often the audio thread looks whether the song still plays.
constexpr auto songWatchInterval = 250ms;

struct Request {
    enum class Kind { play, stop, quit };
    Kind kind = Kind::play;
    SoundSource source;
    bool loop = false;
};

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

const char *fileProblemText(FileProblem problem)
{
    switch (problem) {
    case FileProblem::missing:
        return "it is missing";
    case FileProblem::linkLoop:
        return "its symbolic links lead round in a circle";
    case FileProblem::permissionDenied:
        return "it may not be read";
    case FileProblem::notAFile:
        return "it is not a regular file";
    case FileProblem::unreadable:
        return "it cannot be read";
    case FileProblem::tooLarge:
        return "it is too large";
    case FileProblem::outOfMemory:
        return "there is not enough memory for it";
    }
    return "it cannot be read";
}

#ifdef TEASER_HAS_FLUIDSYNTH
// FluidSynth reports from the audio callback, as often as it meets a
// problem; one report is enough.
void reportSynthesizerOnce(int, const char *message, void *)
{
    static std::atomic_flag reported = ATOMIC_FLAG_INIT;
    if (!reported.test_and_set())
        qWarning("teaser: the synthesizer says: %s (further reports are left out)", message);
}

void quietenSynthesizer()
{
    fluid_set_log_function(FLUID_PANIC, reportSynthesizerOnce, nullptr);
    fluid_set_log_function(FLUID_ERR, reportSynthesizerOnce, nullptr);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
}
#endif

// Everything of SDL's: made, used and released on the audio thread alone.
class Mixer {
public:
    explicit Mixer(const MixerOptions &options)
        : options_(options)
    {
    }
    ~Mixer();
    Mixer(const Mixer &) = delete;
    Mixer &operator=(const Mixer &) = delete;

    bool open();
    void carryOut(const Request &request);
    // A song that stopped by itself could not be played: it is not started again.
    void watchSong();

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk *chunk) const { Mix_FreeChunk(chunk); }
    };
    struct MusicDeleter {
        void operator()(Mix_Music *music) const { Mix_FreeMusic(music); }
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
    using MusicPtr = std::unique_ptr<Mix_Music, MusicDeleter>;

    void chooseMidiBackend();
    void playBuiltIn(std::span<const std::uint8_t> bytes);
    void playCueFile(const std::filesystem::path &path);
    void playSong(const std::filesystem::path &path);
    void stopSong();
    void playChunk(ChunkPtr chunk);
    std::optional<ByteBuffer> read(const std::filesystem::path &path, std::size_t limit, const char *what);
    void warnOnce(const std::string &what);

    const MixerOptions &options_;
    bool opened_ = false;
    // Chunks loaded from files, each kept alive until its channel is reused.
    std::array<ChunkPtr, channelCount> channelChunks_;
    std::map<const std::uint8_t *, ChunkPtr> builtInChunks_;
    // The song's file stays in memory while SDL_mixer plays from it.
    ByteBuffer songBytes_;
    MusicPtr music_;
    std::string songShown_; // the song that should be playing, for messages
    std::set<std::string> warned_;
};

Mixer::~Mixer()
{
    if (!opened_)
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

bool Mixer::open()
{
    // SDL would otherwise take SIGINT and SIGTERM for itself, and the
    // program would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        warnOnce("no audio: SDL could not start its audio");
        return false;
    }
#ifdef TEASER_HAS_FLUIDSYNTH
    quietenSynthesizer();
#endif
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

// FluidSynth plays silence without complaint when its SoundFont is missing,
// so the SoundFont is looked for here; without one, Timidity takes MIDI.
// With neither named (on Windows), the system's own MIDI player does.
void Mixer::chooseMidiBackend()
{
    // The hint outlives a closed device, so it is set either way.
    if (const auto soundFont = firstExisting(options_.soundFonts)) {
        SDL_SetHint("SDL_MIXER_DISABLE_FLUIDSYNTH", "0");
        Mix_SetSoundFonts(utf8(*soundFont).c_str());
        return;
    }
    if (options_.soundFonts.empty() && options_.timidityConfigs.empty())
        return;
    SDL_SetHint("SDL_MIXER_DISABLE_FLUIDSYNTH", "1");
    if (const auto config = firstExisting(options_.timidityConfigs))
        Mix_SetTimidityCfg(utf8(*config).c_str());
    else
        warnOnce("no General MIDI SoundFont or Timidity patches found; songs stay silent");
}

void Mixer::carryOut(const Request &request)
{
    if (request.kind == Request::Kind::stop) {
        stopSong();
    } else if (const auto *bytes = std::get_if<std::span<const std::uint8_t>>(&request.source)) {
        playBuiltIn(*bytes);
    } else if (request.loop) {
        playSong(std::get<std::filesystem::path>(request.source));
    } else {
        playCueFile(std::get<std::filesystem::path>(request.source));
    }
}

void Mixer::playBuiltIn(std::span<const std::uint8_t> bytes)
{
    auto &chunk = builtInChunks_[bytes.data()];
    if (!chunk)
        chunk.reset(Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1));
    if (!chunk) {
        warnOnce(std::string("a built-in cue could not be decoded (") + SDL_GetError() + ")");
        builtInChunks_.erase(bytes.data());
        return;
    }
    Mix_PlayChannel(-1, chunk.get(), 0);
}

void Mixer::playCueFile(const std::filesystem::path &path)
{
    const auto bytes = read(path, mostCueBytes, "sound file");
    if (!bytes)
        return;
    ChunkPtr chunk(Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes->data(), int(bytes->size())), 1));
    if (!chunk) {
        warnOnce("the sound file " + pathForDisplay(path).toStdString() + " is not a WAVE file SDL can play ("
                 + SDL_GetError() + ")");
        return;
    }
    playChunk(std::move(chunk));
}

void Mixer::playChunk(ChunkPtr chunk)
{
    const int channel = Mix_PlayChannel(-1, chunk.get(), 0);
    if (channel < 0 || channel >= channelCount)
        return;
    // The channel was free, so the chunk it played before has finished.
    channelChunks_[std::size_t(channel)] = std::move(chunk);
}

void Mixer::playSong(const std::filesystem::path &path)
{
    stopSong();
    auto bytes = read(path, mostSongBytes, "song");
    if (!bytes)
        return;
    const std::string shown = pathForDisplay(path).toStdString();
    const std::span<const std::uint8_t> midi(reinterpret_cast<const std::uint8_t *>(bytes->data()), bytes->size());
    if (const auto problem = midiFileProblem(midi)) {
        warnOnce("the song " + shown + " is skipped: " + *problem);
        return;
    }
    songBytes_ = std::move(*bytes);
    music_.reset(Mix_LoadMUSType_RW(SDL_RWFromConstMem(songBytes_.data(), int(songBytes_.size())), MUS_MID, 1));
    if (!music_ || Mix_PlayMusic(music_.get(), -1) != 0) {
        warnOnce("the song " + shown + " could not be played (" + SDL_GetError() + ")");
        stopSong();
        return;
    }
    songShown_ = shown;
}

void Mixer::stopSong()
{
    Mix_HaltMusic();
    music_.reset();
    songBytes_ = ByteBuffer();
    songShown_.clear();
}

void Mixer::watchSong()
{
    if (music_ && !Mix_PlayingMusic()) {
        warnOnce("the song " + songShown_ + " stopped by itself and is skipped");
        stopSong();
    }
}

std::optional<ByteBuffer> Mixer::read(const std::filesystem::path &path, std::size_t limit, const char *what)
{
    FileResult file = readWholeFile(path, limit);
    if (const auto *error = std::get_if<FileError>(&file)) {
        warnOnce(std::string("the ") + what + " " + pathForDisplay(path).toStdString()
                 + " cannot be played: " + fileProblemText(error->problem));
        return std::nullopt;
    }
    return std::move(std::get<ByteBuffer>(file));
}

void Mixer::warnOnce(const std::string &what)
{
    if (warned_.insert(what).second)
        qWarning("teaser: %s", what.c_str());
}

}

MixerOptions debianMixerOptions()
{
#ifdef _WIN32
    return {};
#else
    return {{"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"},
            {"/etc/timidity/freepats.cfg", "/etc/timidity.cfg"}};
#endif
}

struct MixerPlayback::Shared {
    enum class Device { opening, open, missing };

    explicit Shared(MixerOptions mixerOptions)
        : options(std::move(mixerOptions))
    {
    }

    const MixerOptions options;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Request> requests;
    Device device = Device::opening;
    bool finished = false;
    std::thread thread;
};

MixerPlayback::MixerPlayback(MixerOptions options)
    : shared_(std::make_shared<Shared>(std::move(options)))
{
    shared_->thread = std::thread(runAudioThread, shared_);
}

MixerPlayback::~MixerPlayback()
{
    shutDown(3s);
}

void MixerPlayback::PlaySound(const SoundSource &source, bool loop)
{
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->requests.push_back({Request::Kind::play, source, loop});
    }
    shared_->changed.notify_all();
}

void MixerPlayback::StopSound()
{
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->requests.push_back({Request::Kind::stop, {}, false});
    }
    shared_->changed.notify_all();
}

bool MixerPlayback::waitUntilReady()
{
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait(lock, [this] { return shared_->device != Shared::Device::opening; });
    return shared_->device == Shared::Device::open;
}

bool MixerPlayback::shutDown(std::chrono::milliseconds patience)
{
    if (!shared_->thread.joinable())
        return true;
    std::unique_lock lock(shared_->mutex);
    shared_->requests.push_back({Request::Kind::quit, {}, false});
    shared_->changed.notify_all();
    const bool finished = shared_->changed.wait_for(lock, patience, [this] { return shared_->finished; });
    lock.unlock();
    if (finished) {
        shared_->thread.join();
    } else {
        qWarning("teaser: the sound system did not stop in time; it is left behind");
        shared_->thread.detach();
    }
    return finished;
}

void MixerPlayback::runAudioThread(const std::shared_ptr<Shared> &shared)
{
    using Device = Shared::Device;
    { // the mixer closes before SDL's per-thread text is freed below
        Mixer mixer(shared->options);
        const bool open = mixer.open();
        {
            const std::lock_guard lock(shared->mutex);
            shared->device = open ? Device::open : Device::missing;
        }
        shared->changed.notify_all();

        for (bool quitting = false; !quitting;) {
            std::deque<Request> requests;
            {
                std::unique_lock lock(shared->mutex);
                shared->changed.wait_for(lock, songWatchInterval, [&] { return !shared->requests.empty(); });
                requests.swap(shared->requests);
            }
            for (const Request &request : requests) {
                if (request.kind == Request::Kind::quit) {
                    quitting = true;
                    break;
                }
                if (open)
                    mixer.carryOut(request);
            }
            if (open && !quitting)
                mixer.watchSong();
        }
    }
    // SDL keeps its error text per thread and frees it with the threads it
    // starts itself; this one it did not start.
    SDL_TLSCleanup();
    {
        const std::lock_guard lock(shared->mutex);
        if (shared->device == Device::opening)
            shared->device = Device::missing;
        shared->finished = true;
    }
    shared->changed.notify_all();
}

}
