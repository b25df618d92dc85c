#include "sound/music_menu.h"

namespace teaser {

void ToggleMusic(QuizContext &quiz)
{
    quiz.window.setChecked(MenuItem::背景音乐, !quiz.window.isChecked(MenuItem::背景音乐));
    quiz.sound.StopSound();
}

void PlaySong(QuizContext &quiz, Song song)
{
    if (quiz.window.isChecked(MenuItem::背景音乐))
        quiz.sound.PlaySound(songPath(song, quiz.programDirectory), true);
}

}
