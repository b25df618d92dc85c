#include "sound/music_menu.h"

#include "support/quiz_fixture.h"

namespace teaser::testing {
namespace {

class MusicMenuTest : public QuizFixture { };

TEST_F(MusicMenuTest, eachSongItemLoopsItsOwnFileWhileMusicIsOn)
{
    for (const Song song : allSongs) {
        sound.played.clear();
        PlaySong(quiz, song);
        ASSERT_EQ(sound.played.size(), 1u);
        EXPECT_TRUE(sound.played[0].loop);
        const auto expected = directory.path() / "sound" / (std::u8string(songName(song)) + u8".mid");
        EXPECT_EQ(std::get<std::filesystem::path>(sound.played[0].source), expected);
    }
}

TEST_F(MusicMenuTest, withMusicOffNoSongPlays)
{
    window.checked[MenuItem::背景音乐] = false;
    for (const Song song : allSongs)
        PlaySong(quiz, song);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(sound.stops, 0);
}

TEST_F(MusicMenuTest, theSwitchFlipsItsMarkAndStopsTheSongEachTime)
{
    PlaySong(quiz, Song::记事本);
    ToggleMusic(quiz);
    EXPECT_FALSE(window.checked[MenuItem::背景音乐]);
    EXPECT_EQ(sound.stops, 1);

    ToggleMusic(quiz);
    EXPECT_TRUE(window.checked[MenuItem::背景音乐]);
    EXPECT_EQ(sound.stops, 2);
    // Turning music on starts nothing by itself.
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(MusicMenuTest, songItemsLeaveEveryMarkAsItWas)
{
    const auto marks = window.checked;
    for (const Song song : allSongs)
        PlaySong(quiz, song);
    EXPECT_EQ(window.checked, marks);
    EXPECT_TRUE(log.startingWith("check").empty());
}

}
}
