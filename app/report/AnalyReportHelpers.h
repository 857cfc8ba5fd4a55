#pragma once

// What the report page's source files share: the page is one class spread over several files.

#include "AppGlobals.h"
#include "CMusicLink.h"
#include "MusicObj.h"
#include "SharedImages.h"
#include "StyleTemplates.h"

#include <QIcon>

#include <optional>

namespace report_detail
{
inline MusicInfo* Record(CMusicLink* link, CMusicObj* track, int which = 1)
{
    MusicInfo* info = nullptr;
    if (!link || !track || link->GetMusicRecord(track, &info, which) != 0)
        return nullptr;
    return info;
}

// The record as the song lists show it: the new texts Apply will write (CMusicLink::ShownRecord).
inline std::optional<MusicInfo> Shown(CMusicLink* link, CMusicObj* track)
{
    MusicInfo info;
    if (!link || !track || !link->ShownRecord(track, info))
        return std::nullopt;
    return info;
}

inline QIcon CompleteIcon()
{
    return g_iconComplete ? *g_iconComplete : ScaledIcon(QStringLiteral(":/res/res/win/list/complete.png"));
}
} // namespace report_detail
