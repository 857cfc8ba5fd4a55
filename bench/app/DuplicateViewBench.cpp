// The duplicate view at size: fills G groups of three copies as the engine road does, pages
// through the shown tree, then removes R copies on a worker thread while the benchmarks' heartbeat
// (bench::Heartbeat) measures the longest GUI stall.
// Usage: QT_QPA_PLATFORM=offscreen bench_app_duplicate_view [groups=5000] [removals=1000]
#include "AppSettings.h"
#include "BenchSupport.h"
#include "CMusicLink.h"
#include "Duplicate.h"
#include "FailedTreeWidget.h"
#include "IMusicLinkHost.h"
#include "MusicObj.h"
#include "SharedImages.h"
#include "StyleTemplates.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

class BenchHost : public IMusicLinkHost
{
public:
    EWorkMode GetWorkMode() const override { return EWorkMode::Duplicates; }
    int GetDedupeTotal() const override { return 0; }
    void SetDedupeTotal(int) override {}
    void RestartAnalyzeThread() override {}
};

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    QApplication app(argc, argv);
    const int groups = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int removals = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (!GetAppSettings())
        return 1;
    LoadSharedImages();
    app.setStyleSheet(LoadApplicationStyleSheet());

    // Copies to remove are real (small) files; the rest name files that are not there.
    const QString folder = home.path() + "/songs";
    QDir().mkpath(folder);
    const int groupsToRemove = (removals + 1) / 2;
    for (int g = 0; g < groupsToRemove; ++g)
        for (int c = 1; c < 3; ++c)
        {
            QFile file(QStringLiteral("%1/g%2_%3.mp3").arg(folder).arg(g).arg(c));
            file.open(QIODevice::WriteOnly);
            file.write("x");
        }

    BenchHost host;
    CMusicLink link(&host);
    auto view = std::make_unique<CDuplicate>(0, &link);
    view->resize(1280, 800);
    view->show();
    app.processEvents();

    QElapsedTimer timer;
    timer.start();
    for (int g = 0; g < groups; ++g)
        for (int c = 0; c < 3; ++c)
        {
            auto record = std::make_unique<MusicInfo>();
            record->PersistentID = QString::number(g * 3 + c + 1);
            record->Name = QStringLiteral("Song %1").arg(g);
            record->Artist = QStringLiteral("Artist %1").arg(g % 97);
            record->Size = QStringLiteral("4194304");
            record->TotalTime = QStringLiteral("215000");
            record->Location = QStringLiteral("%1/g%2_%3.mp3").arg(folder).arg(g).arg(c);
            record->Bitrate = QStringLiteral("320");
            view->AddDedupeGroup(std::move(record), 1604960, c == 0 ? 0 : 0x4000, 0x65535 + 2 * g, c);
        }
    view->CountRemoved();
    view->SetPage(1);
    app.processEvents();
    const qint64 fillMs = timer.elapsed();

    QTreeWidget* tree = view->Tree();
    QScrollBar* bar = tree->verticalScrollBar();
    qint64 worstPageNs = 0;
    qint64 totalPageNs = 0;
    int pages = 0;
    for (int value = 0; value <= bar->maximum() && pages < 400; value += std::max(1, bar->pageStep()))
    {
        bar->setValue(value);
        timer.restart();
        tree->viewport()->repaint();
        const qint64 ns = timer.nsecsElapsed();
        if (std::getenv("BENCH_VERBOSE"))
            std::printf("page %d: %.2f ms\n", pages, ns / 1e6);
        worstPageNs = std::max(worstPageNs, ns);
        totalPageNs += ns;
        ++pages;
    }
    bar->setValue(0);

    // Only the first groups stay ticked: their two copies each are the removals.
    for (int g = groupsToRemove; g < tree->topLevelItemCount(); ++g)
        tree->topLevelItem(g)->setCheckState(0, Qt::Unchecked);

    bench::Heartbeat heartbeat;
    timer.restart();
    view->PrepareRemove();
    std::unique_ptr<QThread> worker(QThread::create([&] { view->RemoveDuplicate(); }));
    worker->start();
    while (!worker->isFinished())
        app.processEvents(QEventLoop::AllEvents, 5);
    app.processEvents();
    const qint64 removeMs = timer.elapsed();
    heartbeat.Stop();
    const int left = static_cast<int>(QDir(folder).entryList(QDir::Files).size());

    std::printf("fill %d groups / %d copies: %lld ms\n", groups, groups * 3, static_cast<long long>(fillMs));
    std::printf("page repaint over %d pages: worst %.2f ms, mean %.2f ms\n", pages, worstPageNs / 1e6,
                pages ? totalPageNs / 1e6 / pages : 0.0);
    std::printf("remove %d copies: %lld ms, longest GUI stall %lld ms, files left %d\n", groupsToRemove * 2,
                static_cast<long long>(removeMs), static_cast<long long>(heartbeat.Longest()), left);
    view.reset();
    FreeSharedImages();
    ReleaseAppSettings();
    return 0;
}
