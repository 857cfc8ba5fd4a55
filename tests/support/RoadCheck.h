#pragma once

// The files' end of a window road (RoadInvariants.h), over the places the road used and the
// program's own. For the window tests (they link the music link and the settings).

#include "AppGlobals.h"
#include "AppSettings.h"
#include "CMusicLink.h"
#include "RoadInvariants.h"

#include <QTest>

namespace tidewell::test
{

// RoadFaults over the places given and the program's own: the library it opens by default, the
// working database and the recycle folder.
inline QStringList FileRoadFaults(RoadPlaces places = {})
{
    places.libraries << CMusicLink::DefaultLibraryPath();
    if (places.database.isEmpty())
        places.database = g_strDBPath;
    if (const CAppSettings* settings = GetAppSettings())
        places.folders << settings->GetRecycleFolder();
    // Work folders set aside are emptied on the cleaner's thread: what is left once it had time.
    QStringList faults;
    (void)QTest::qWaitFor([&] { return (faults = RoadFaults(places)).isEmpty(); }, 10000);
    return faults;
}

} // namespace tidewell::test

// Fails the running QtTest case with every broken invariant.
#define VERIFY_ROAD_INVARIANTS(faults)                                                                       \
    do                                                                                                       \
    {                                                                                                        \
        const QStringList roadFaults = (faults);                                                             \
        QVERIFY2(roadFaults.isEmpty(), qPrintable(roadFaults.join(QLatin1Char('\n'))));                      \
    } while (false)
