#pragma once

#include <cstdint>

class CMusicManage;
class CMusicObj;

// Pieces of the library analysis (MusicAnalysis.cpp) shared with its checks.

// Folds the duplicate test's answer for a track of a duplicate run into its Absence word `absence`
// and returns the new word: a match joins the group (and, with removeNew, marks this copy for
// removal); a track that could not be compared is marked failed.
int MarkDuplicateResult(CMusicObj& obj, int absence, int result, int64_t groupId, bool removeNew);

// The duplicate step of the analysis over the whole main list, each track tested as
// DuplicateCalculate tests it against every earlier one, as the test is defined (the file each
// track's Location reaches found once per track, not once per pair). Tests and benchmarks
// check the analysis' indexes against it. Runs on the caller's thread; no records, no save pass.
// A deep scan decodes through the process-wide buffer: call AllocDecodeBuffer first.
void RunFullScanDuplicatePass(CMusicManage& manager, int options);
