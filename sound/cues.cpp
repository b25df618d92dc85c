#include "sound/cues.h"

#include "sound/cue_bytes.h"

namespace teaser {

SoundSource cueSource(Cue cue, const std::filesystem::path &programDirectory)
{
    switch (cue) {
    case Cue::question:
        return programDirectory / "timu.wav";
    case Cue::reveal:
        return cue_bytes::reveal();
    case Cue::correct:
        return cue_bytes::correct();
    case Cue::wrong:
        return cue_bytes::wrong();
    case Cue::tick:
        return cue_bytes::tick();
    }
    return {};
}

void PlayCue(QuizContext &quiz, Cue cue)
{
    quiz.sound.PlaySound(cueSource(cue, quiz.programDirectory), false);
}

}
