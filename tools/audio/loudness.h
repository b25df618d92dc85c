// Loudness as ITU-R BS.1770-4 measures it (K-weighted, gated) and the
// loudness range of EBU Tech 3342, for comparing songs with one another.
#pragma once

#include "audio/song_render.h"

#include <vector>

namespace audio {

// K-weighted mean square per block: `blockSeconds` long, every `stepSeconds`.
std::vector<double> blockPowers(const StereoAudio &audio, double blockSeconds, double stepSeconds);

double loudnessOf(double power); // LUFS
double integratedLoudness(const StereoAudio &audio);
// Spread of the short-term (3 s) loudness, 10th to 95th percentile, in LU.
double loudnessRange(const StereoAudio &audio);
double peakLevel(const StereoAudio &audio); // dBFS, sample peak

}
