#include "silent_playback.h"
