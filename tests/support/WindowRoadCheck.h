#pragma once

// The end of a main-window road: the report page's score and badges against those recomputed from
// the working database once no work runs, and the files (RoadCheck.h). For the tests that link the
// report page and the main window.

#include "AnalyReport.h"
#include "MainUI.h"
#include "QuantityWidget.h"
#include "RoadCheck.h"
#include "TypeTreeItem.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTest>

#include <cmath>

namespace tidewell::test
{

// The page's badges (and, with a score label, its score) against the working database. A page
// that is not settled within a minute (a run left paused) is not compared.
inline QStringList PageFaults(
    CAnalyReport* page, const QLabel* score, const QString& database,
    const std::function<bool()>& settled = [] { return true; })
{
    if (!page || !QTest::qWaitFor([&] { return settled() && page->RunningPullJobs() == 0; }, 60000) ||
        g_iPause.load() || g_iApplyPause.load() || !page->WaitFixWrites())
        return {};
    const std::optional<PageCounts> expected = PageFromDatabase(database, page->CategoryMask());
    if (!expected)
        return {};
    QStringList faults;
    for (const auto& [category, bit] : {std::pair{ReportUnrecognized, 0x100},
                                        {ReportArtwork, 0x8000000},
                                        {ReportArtist, 0x400},
                                        {ReportAlbum, 0x800},
                                        {ReportMissingFile, 0x10000}})
    {
        const CTypeTreeItem* entry = page->CategoryEntry(category);
        const int shown = entry && entry->treeWidget() && entry->GetBadge()
                              ? entry->GetBadge()->CountLabel()->text().toInt()
                              : 0;
        const auto stored = expected->rows.find(bit);
        const int rows = stored == expected->rows.end() ? 0 : stored->second;
        if (shown != rows)
            faults << QStringLiteral("category %1 shows %2 songs, the database holds %3")
                          .arg(category)
                          .arg(shown)
                          .arg(rows);
    }
    // Shown in hundredths, cut: a value a rounding away from a whole hundred may show either.
    const auto shownAs = [](double value) { return static_cast<int>(value / 100.0); };
    if (score && score->isVisible() && score->text().toInt() != shownAs(expected->score - 0.01) &&
        score->text().toInt() != shownAs(expected->score + 0.01))
        faults << QStringLiteral("score shows %1, the database gives %2")
                      .arg(score->text())
                      .arg(expected->score);
    return faults;
}

// The whole check at the end of a main-window road.
inline QStringList WindowRoadFaults(const CMainUI& window, const RoadPlaces& places = {})
{
    // A road left running or paused on purpose has no end to check.
    if (!QTest::qWaitFor([&] { return !window.IsBusy(); }, 60000))
        return {};
    QStringList faults;
    if (window.ContentStack()->currentIndex() == CMainUI::PageReport)
        faults = PageFaults(window.ReportPage(), window.findChild<QLabel*>(QStringLiteral("MainUIScore")),
                            g_strDBPath);
    return faults + FileRoadFaults(places);
}

} // namespace tidewell::test
