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

#include <tuple>

namespace tidewell::test
{

// The page's badges (and, with a score label, its score) against the working database, once its
// fix jobs and its writer have ended; a page still at work after a minute is not compared.
inline QStringList PageFaults(CAnalyReport* page, const QLabel* score, const QString& database)
{
    if (!page || !QTest::qWaitFor([&] { return page->RunningPullJobs() == 0; }, 60000) ||
        !page->WaitFixWrites())
        return {};
    const std::optional<PageCounts> expected = PageFromDatabase(database, page->CategoryMask());
    if (!expected)
        return {};
    QStringList faults;
    for (const auto& [category, bit, name] : {std::tuple{ReportUnrecognized, 0x100, "Unrecognized Songs"},
                                              {ReportArtwork, 0x8000000, "artwork"},
                                              {ReportArtist, 0x400, "artist"},
                                              {ReportAlbum, 0x800, "album"},
                                              {ReportMissingFile, 0x10000, "missing file"}})
    {
        const CTypeTreeItem* entry = page->CategoryEntry(category);
        const int shown = entry && entry->treeWidget() && entry->GetBadge()
                              ? entry->GetBadge()->CountLabel()->text().toInt()
                              : 0;
        const auto stored = expected->rows.find(bit);
        const int rows = stored == expected->rows.end() ? 0 : stored->second;
        if (shown != rows)
            faults << QStringLiteral("category %1 shows %2 songs, the database holds %3")
                          .arg(QLatin1String(name))
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
    // A road left paused or running on purpose has no end to check.
    const auto paused = [&] { return window.RunState() == EWindowRunState::Paused; };
    if (paused() || !QTest::qWaitFor([&] { return !window.IsBusy() || paused(); }, 60000) || paused())
        return {};
    QStringList faults;
    if (window.ContentStack()->currentIndex() == CMainUI::PageReport)
        faults = PageFaults(window.ReportPage(), window.findChild<QLabel*>(QStringLiteral("MainUIScore")),
                            g_strDBPath);
    return faults + FileRoadFaults(places);
}

} // namespace tidewell::test
