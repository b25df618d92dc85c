// The background songs and the handlers of the music menu.
#pragma once

#include "app/quiz_context.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace teaser {

enum class Song { 情非得以, 灌篮高手, 很爱很爱你, 记事本, 爱一个人, 天若有情, 三角志 };

inline constexpr std::array<Song, 7> allSongs{Song::情非得以, Song::灌篮高手, Song::很爱很爱你, Song::记事本,
                                              Song::爱一个人, Song::天若有情, Song::三角志};

// The song's name, which is its menu caption and the stem of its file name.
std::u8string_view songName(Song song);
// The song's MIDI file under sound/ beside the program.
std::filesystem::path songPath(Song song, const std::filesystem::path &programDirectory);

// "背景音乐": flips the music switch and stops what plays. Turning music on
// starts nothing until a song is chosen.
void ToggleMusic(QuizContext &quiz);
// A song item: plays the song in a loop while the music switch is on.
void PlaySong(QuizContext &quiz, Song song);

}
