#pragma once

#include "MusicManage.h"

#include <QString>

#include <memory>
#include <vector>

namespace analysis_bench
{

// A manager over a fresh database in `folder` (run mode 2, no iTunes), its main list empty.
std::unique_ptr<CMusicManage> MakeManager(const QString& folder);

// Runs the manager's analysis with the options and waits for its final record. Seconds taken.
double RunAnalysis(CMusicManage& manager, int options);

// The duplicate step of the analysis with the full scan of every earlier track, as the test is
// defined (DuplicateCalculate without the indexes). Seconds taken.
double RunLiteralDuplicatePass(CMusicManage& manager, int options);

// Absence, State and RepeatID of every track, to check two passes gave the same answers.
std::vector<long long> Outcome(CMusicManage& manager);

} // namespace analysis_bench
