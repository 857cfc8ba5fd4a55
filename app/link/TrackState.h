#pragma once

#include <cstdint>

// A bit of a track's State word (CMusicLink::GetMusicState / SetMusicState) beside the problem
// bits of MusicFlags.h: the removal was applied -- a duplicate copy moved to the recycle folder,
// or a song whose file was missing already handled. Rows with it start as done.
inline constexpr uint32_t kStateRemovalApplied = 0x200;
