// On Windows songs go to the system's own MIDI player, outside the mix: no
// SoundFont is looked for, and a song never holds up the cues.
#include "sound/mixer/mixer_fixture.h"

namespace teaser::testing {
namespace {

TEST_F(MixerPlaybackTest, songsGoToTheSystemsMidiPlayerAndCuesStillSound)
{
    const MixerOptions options = debianMixerOptions();
    EXPECT_TRUE(options.soundFonts.empty());
    EXPECT_TRUE(options.timidityConfigs.empty());

    WarningLog warnings;
    expectSkippedAndCueHeard(writeSong(), true, "a song");
    for (const std::string &warning : WarningLog::taken())
        EXPECT_EQ(warning.find("SoundFont"), std::string::npos) << warning;
}

}
}
