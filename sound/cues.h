// The sound cues of the quiz.
#pragma once

#include "core/playback.h"
#include "core/quiz_context.h"

#include <filesystem>

namespace teaser {

enum class Cue { question, reveal, correct, wrong, tick };

// The question cue is the file timu.wav beside the program, looked up anew at
// each play; the other cues are carried inside the program.
SoundSource cueSource(Cue cue, const std::filesystem::path &programDirectory);

void PlayCue(QuizContext &quiz, Cue cue);

}
