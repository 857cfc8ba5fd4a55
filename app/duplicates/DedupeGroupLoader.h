#pragma once

#include <cstdint>

class CDuplicate;
class CMusicLink;

// What one read of the engine's results found: the tracks the engine loaded and the members of
// all groups (the copy the engine keeps included).
struct DedupeLoadCounts
{
    int loaded = 0;
    int members = 0;
};

// The first group id of every read, and the step between groups.
constexpr int64_t kFirstDedupeGroupId = 0x65535;
constexpr int64_t kDedupeGroupIdStep = 2;
// The kind every engine member row carries.
constexpr int kDedupeMemberKind = 1604960;

// GUI thread, after the engine's run has ended: hands every group member the link reads from
// the engine to the view as a record of its own (the first member of a group is the copy to
// keep, the others are checked for removal), then frees the engine's results. Member ids come
// from a process-wide counter that is never reset, so they never repeat within a run of the
// program.
DedupeLoadCounts LoadDedupeGroups(CMusicLink& link, CDuplicate& view);
