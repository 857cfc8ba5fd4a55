#pragma once

// What the report page's source files share: the page is one class spread over several files.

#include "AppGlobals.h"
#include "CMusicLink.h"
#include "SharedImages.h"
#include "StyleTemplates.h"

#include <QIcon>

namespace report_detail
{
inline MusicInfo* Record(CMusicLink* link, CMusicObj* track, int which = 1)
{
    MusicInfo* info = nullptr;
    if (!link || !track || link->GetMusicRecord(track, &info, which) != 0)
        return nullptr;
    return info;
}

inline QIcon CompleteIcon()
{
    return g_iconComplete ? *g_iconComplete : ScaledIcon(QStringLiteral(":/res/res/win/list/complete.png"));
}
} // namespace report_detail
