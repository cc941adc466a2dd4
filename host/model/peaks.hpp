#pragma once
// Block maxima and minima of a sound: every frame falls into exactly one
// block; frames outside the sound read as silence (0).
#include "sound.hpp"

namespace kvhost::model {

struct peak_request {
  double first_frame = 0;      // source frame where block 0 starts (may lie outside)
  double frames_per_peak = 1;  // block width in source frames, > 0
  int channels = 1;            // one folds every source channel; else channel k reads source channel k mod n
  int count = 0;               // blocks to compute
};

// maxima[i * channels + c] and minima[i * channels + c] for block i, channel c.
void compute_peaks(const sound& audio, const peak_request& request, double* maxima, double* minima);

}  // namespace kvhost::model
