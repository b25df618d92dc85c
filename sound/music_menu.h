// The handlers of the music menu "音乐".
#pragma once

#include "core/quiz_context.h"
#include "sound/song_list.h"

namespace teaser {

// "背景音乐": flips the music switch and stops what plays. Turning music on
// starts nothing until a song is chosen.
void ToggleMusic(QuizContext &quiz);
// A song item: plays the song in a loop while the music switch is on.
void PlaySong(QuizContext &quiz, Song song);

}
