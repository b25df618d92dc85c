#include "sound/song_list.h"

#include <string>

namespace teaser {

std::u8string_view songName(Song song)
{
    switch (song) {
    case Song::情非得以:
        return u8"情非得以";
    case Song::灌篮高手:
        return u8"灌篮高手";
    case Song::很爱很爱你:
        return u8"很爱很爱你";
    case Song::记事本:
        return u8"记事本";
    case Song::爱一个人:
        return u8"爱一个人";
    case Song::天若有情:
        return u8"天若有情";
    case Song::三角志:
        return u8"三角志";
    }
    return {};
}

std::filesystem::path songPath(Song song, const std::filesystem::path &programDirectory)
{
    return programDirectory / "sound" / (std::u8string(songName(song)) + u8".mid");
}

}
