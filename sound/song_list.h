// The background songs: their names, which are the music menu's captions,
// and their files.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace teaser {

enum class Song { 情非得以, 灌篮高手, 很爱很爱你, 记事本, 爱一个人, 天若有情, 三角志 };

// In menu order.
inline constexpr std::array<Song, 7> allSongs{Song::情非得以, Song::灌篮高手, Song::很爱很爱你, Song::记事本,
                                              Song::爱一个人, Song::天若有情, Song::三角志};

// The song's name, which is its menu caption and the stem of its file name.
std::u8string_view songName(Song song);
// The song's MIDI file under sound/ beside the program.
std::filesystem::path songPath(Song song, const std::filesystem::path &programDirectory);

}
