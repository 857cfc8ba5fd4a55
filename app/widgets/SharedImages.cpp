#include "SharedImages.h"

#include "AppGlobals.h"
#include "StyleTemplates.h"

std::unique_ptr<QPixmap> g_pixArtworkDefault;
std::unique_ptr<QPixmap> g_pixArtworkFailed;
std::unique_ptr<QIcon> g_iconArtworkDefault;
std::unique_ptr<QIcon> g_iconArtworkFailed;
std::unique_ptr<QImage> g_imgLabelLeft;
std::unique_ptr<QImage> g_imgLabelCenter;
std::unique_ptr<QImage> g_imgLabelRight;
std::unique_ptr<QMovie> g_movieArtworkRun;
std::unique_ptr<QIcon> g_iconComplete;
std::unique_ptr<QIcon> g_iconFailed;
std::unique_ptr<QIcon> g_iconLoading;
std::unique_ptr<QIcon> g_iconNone;
std::unique_ptr<QIcon> g_iconPlaying;
std::unique_ptr<QIcon> g_iconPlay;
std::unique_ptr<QIcon> g_iconReset;
std::unique_ptr<QIcon> g_iconOpen;
std::unique_ptr<QIcon> g_iconSetting;
std::unique_ptr<QIcon> g_iconAdd;
std::unique_ptr<QIcon> g_iconDelete;
std::unique_ptr<QPixmap> g_pixCheck;
std::unique_ptr<QPixmap> g_pixUncheck;
std::unique_ptr<QPixmap> g_pixExpand;
std::unique_ptr<QPixmap> g_pixArtworkLoad;
std::unique_ptr<QPixmap> g_pixArtworkLoadUncheck;

namespace
{

const QString kRoot = QStringLiteral(":/res/res/win/");

// A shared copy of a list picture at its width x height x scale.
std::unique_ptr<QPixmap> SharedPixmap(const QString& file, int width, int height)
{
    return std::make_unique<QPixmap>(ScaledPixmap(kRoot + file, width, height));
}

// A picture of the icon for the state On, and above scale 1 a copy at the scaled size too: an
// icon never draws a picture larger than the one it holds, so without it a view's scaled icon
// size would show the picture at 1x.
void AddIconFile(QIcon& icon, const QString& path, QIcon::Mode mode)
{
    icon.addFile(path, QSize(), mode, QIcon::On);
    const QPixmap picture(path);
    if (g_dScale > 1.0 && !picture.isNull())
        icon.addPixmap(picture.scaled(ScaledInt(picture.width()), ScaledInt(picture.height()),
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                       mode, QIcon::On);
}

// One file per mode, each for the state On.
std::unique_ptr<QIcon> ModeIcon(std::initializer_list<std::pair<const char*, QIcon::Mode>> files)
{
    auto icon = std::make_unique<QIcon>();
    for (const auto& [file, mode] : files)
        AddIconFile(*icon, kRoot + QLatin1String(file), mode);
    return icon;
}

// The three-look icon of a button image: plain for Normal, "_down" for Active, "_on" for Selected.
std::unique_ptr<QIcon> ButtonIcon(const char* name)
{
    const QString base = QStringLiteral("button/") + QLatin1String(name);
    auto icon = std::make_unique<QIcon>();
    AddIconFile(*icon, kRoot + base + QStringLiteral(".png"), QIcon::Normal);
    AddIconFile(*icon, kRoot + base + QStringLiteral("_down.png"), QIcon::Active);
    AddIconFile(*icon, kRoot + base + QStringLiteral("_on.png"), QIcon::Selected);
    return icon;
}

} // namespace

void LoadSharedImages()
{
    g_pixArtworkDefault = SharedPixmap(QStringLiteral("list/artwork_def.png"), 100, 100);
    g_pixArtworkFailed = SharedPixmap(QStringLiteral("list/artwork_failed.png"), 100, 100);
    g_iconArtworkDefault =
        std::make_unique<QIcon>(ScaledIcon(kRoot + QStringLiteral("list/artwork_def.png")));
    g_iconArtworkFailed =
        std::make_unique<QIcon>(ScaledIcon(kRoot + QStringLiteral("list/artwork_failed.png")));
    g_imgLabelLeft = std::make_unique<QImage>(kRoot + QStringLiteral("list/label_bl.png"));
    g_imgLabelCenter = std::make_unique<QImage>(kRoot + QStringLiteral("list/label_bc.png"));
    g_imgLabelRight = std::make_unique<QImage>(kRoot + QStringLiteral("list/label_br.png"));
    g_movieArtworkRun = std::make_unique<QMovie>(kRoot + QStringLiteral("gif/artwork_run.gif"));
    g_movieArtworkRun->setScaledSize(QSize(ScaledInt(32), ScaledInt(32)));
    g_iconComplete = ModeIcon({{"list/complete.png", QIcon::Normal},
                               {"list/complete.png", QIcon::Active},
                               {"list/complete.png", QIcon::Selected},
                               {"list/complete.png", QIcon::Disabled}});
    g_iconFailed = std::make_unique<QIcon>(ScaledIcon(kRoot + QStringLiteral("list/failed.png")));
    g_iconLoading = std::make_unique<QIcon>(ScaledIcon(kRoot + QStringLiteral("gif/samllloading.gif")));
    g_iconNone = std::make_unique<QIcon>();
    g_iconPlaying = ButtonIcon("playing");
    g_iconPlay = ModeIcon({{"button/play_on.png", QIcon::Selected}});
    g_iconReset = ModeIcon({{"button/reset_down.png", QIcon::Disabled}});
    g_iconOpen = ButtonIcon("open");
    g_iconSetting = ButtonIcon("sit");
    g_iconAdd = ButtonIcon("add");
    g_iconDelete = ButtonIcon("del");
    g_pixCheck = SharedPixmap(QStringLiteral("list/check.png"), 15, 14);
    g_pixUncheck = SharedPixmap(QStringLiteral("list/uncheck.png"), 15, 14);
    g_pixExpand = SharedPixmap(QStringLiteral("list/expand.png"), 24, 24);
    g_pixArtworkLoad = SharedPixmap(QStringLiteral("list/artwork_load.png"), 100, 100);
    g_pixArtworkLoadUncheck = SharedPixmap(QStringLiteral("list/artwork_load_uncheck.png"), 100, 100);
}

void FreeSharedImages()
{
    g_pixArtworkDefault.reset();
    g_pixArtworkFailed.reset();
    g_iconArtworkDefault.reset();
    g_iconArtworkFailed.reset();
    g_imgLabelLeft.reset();
    g_imgLabelCenter.reset();
    g_imgLabelRight.reset();
    g_movieArtworkRun.reset();
    g_iconComplete.reset();
    g_iconFailed.reset();
    g_iconLoading.reset();
    g_iconNone.reset();
    g_iconPlaying.reset();
    g_iconPlay.reset();
    g_iconReset.reset();
    g_iconOpen.reset();
    g_iconSetting.reset();
    g_iconAdd.reset();
    g_iconDelete.reset();
    g_pixCheck.reset();
    g_pixUncheck.reset();
    g_pixExpand.reset();
    g_pixArtworkLoad.reset();
    g_pixArtworkLoadUncheck.reset();
}
