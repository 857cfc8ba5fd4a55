// What the tag editor costs the GUI thread: painting a 64 KB tag shortened, showing a
// 20-megapixel picture, taking it as the song's artwork, and starting a local preview.
// Usage (offscreen is fine): TIDEWELL_AUDIO_OUTPUT=null bench_editor_stalls [rounds=20]
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioFixture.h"
#include "LabelArtwork.h"
#include "LineEdit.h"
#include "ModifyMusicInfo.h"
#include "PreviewPlayback.h"
#include "TempHome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

// Median of `rounds` runs of f, in milliseconds.
template <typename F> double MedianMs(int rounds, F&& f)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i)
    {
        QElapsedTimer timer;
        timer.start();
        f();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QString WritePicture(const QString& path, const char* format)
{
    QImage image(5472, 3648, QImage::Format_RGB32); // 20 megapixels
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, image.width(), image.height());
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(image.rect(), gradient);
    painter.end();
    image.save(path, format);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    tidewell::test::TempHome home;
    GetAppSettings();

    CLineEdit field;
    field.resize(300, 24);
    field.show();
    QImage canvas(field.size(), QImage::Format_ARGB32);
    int round = 0;
    const double paintMs = MedianMs(rounds,
                                    [&]
                                    {
                                        // A new text each time, so nothing measured is cached.
                                        field.SetFullText(QString(65536, QChar(u'a' + round++ % 26)));
                                        field.render(&canvas);
                                    });
    std::printf("64 KB tag, shortened paint: %.2f ms\n", paintMs);

    CModifyMusicInfo editor;
    editor.resize(900, 200);
    editor.EditHide(); // open: pictures are taken only then
    const QString jpeg = WritePicture(home.file("big.jpg"), "JPG");
    const QString png = WritePicture(home.file("big.png"), "PNG");
    std::printf("20 MP JPEG shown: %.2f ms\n", MedianMs(rounds, [&] { editor.OpenFileImg(jpeg, false); }));
    std::printf("20 MP JPEG taken (shown and copied): %.2f ms\n",
                MedianMs(rounds, [&] { editor.OpenFileImg(jpeg, true); }));
    std::printf("20 MP PNG shown: %.2f ms\n", MedianMs(rounds, [&] { editor.OpenFileImg(png, false); }));
    std::printf("20 MP PNG taken (shown; converted to JPEG on a worker): %.2f ms\n",
                MedianMs(std::min(rounds, 5), [&] { editor.OpenFileImg(png, true); }));

    g_hMediaLibrary = KestrineOpen("Zavro/Tidewell", -1);
    tidewell::test::AudioSpec song;
    song.seconds = 30.0;
    const QString path = home.file("song.mp3");
    if (g_hMediaLibrary <= 0 || !tidewell::test::makeAudioFile(path, song))
    {
        std::fprintf(stderr, "no media library or no song\n");
        return 1;
    }
    int player = 0;
    const double startMs =
        MedianMs(rounds, [&] { StartPreview(g_hMediaLibrary, path, player, nullptr, nullptr, nullptr); });
    StopPreview(player);
    std::printf("local preview start: %.2f ms\n", startMs);
    KestrineClose(g_hMediaLibrary);
    ReleaseAppSettings();
    return 0;
}
