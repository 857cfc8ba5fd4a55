#pragma once

#include <QIcon>
#include <QImage>
#include <QMovie>
#include <QPixmap>

#include <memory>

// Pictures, icons and the busy animation that the result lists, trees and tool buttons share.
// Each is null before LoadSharedImages and after FreeSharedImages; the main window loads them in
// its constructor and frees them in its destructor, so every reader runs in between.
// GUI thread only (pixmaps and movies belong to it).

extern std::unique_ptr<QPixmap> g_pixArtworkDefault; // 100 x 100 x scale
extern std::unique_ptr<QPixmap> g_pixArtworkFailed;  // 100 x 100 x scale
extern std::unique_ptr<QIcon> g_iconArtworkDefault;
extern std::unique_ptr<QIcon> g_iconArtworkFailed;
extern std::unique_ptr<QImage> g_imgLabelLeft;    // count badge: left cap
extern std::unique_ptr<QImage> g_imgLabelCenter;  // count badge: stretched middle
extern std::unique_ptr<QImage> g_imgLabelRight;   // count badge: right cap
extern std::unique_ptr<QMovie> g_movieArtworkRun; // plays at 32 x 32 x scale
extern std::unique_ptr<QIcon> g_iconComplete;
extern std::unique_ptr<QIcon> g_iconFailed;
extern std::unique_ptr<QIcon> g_iconLoading;
extern std::unique_ptr<QIcon> g_iconNone; // empty: clears a row's icon
extern std::unique_ptr<QIcon> g_iconPlaying;
extern std::unique_ptr<QIcon> g_iconPlay;
extern std::unique_ptr<QIcon> g_iconReset;
extern std::unique_ptr<QIcon> g_iconOpen;
extern std::unique_ptr<QIcon> g_iconSetting;
extern std::unique_ptr<QIcon> g_iconAdd;
extern std::unique_ptr<QIcon> g_iconDelete;
extern std::unique_ptr<QPixmap> g_pixCheck;              // 15 x 14 x scale
extern std::unique_ptr<QPixmap> g_pixUncheck;            // 15 x 14 x scale
extern std::unique_ptr<QPixmap> g_pixExpand;             // 24 x 24 x scale
extern std::unique_ptr<QPixmap> g_pixArtworkLoad;        // 100 x 100 x scale
extern std::unique_ptr<QPixmap> g_pixArtworkLoadUncheck; // 100 x 100 x scale

// Builds every object above from the compiled-in resources, scaled by g_dScale (set first).
// A resource that cannot be read gives a null picture; nothing is reported.
void LoadSharedImages();

// Deletes every object and leaves its pointer null. Harmless when nothing is loaded.
void FreeSharedImages();
