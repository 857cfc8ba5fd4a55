#pragma once

#include "AudioFixture.h"
#include "CMusicLink.h"
#include "IMusicLinkHost.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class CAppSettings;

namespace link_test
{

// The window's side of the link, as plain atomics: the engine and the analysis call it from
// their threads.
class FakeHost : public IMusicLinkHost
{
public:
    EWorkMode GetWorkMode() const override { return workMode.load(); }
    int GetDedupeTotal() const override { return dedupeTotal.load(); }
    void SetDedupeTotal(int total) override { dedupeTotal = total; }
    void RestartAnalyzeThread() override
    {
        restartThread = QThread::currentThread();
        ++restarts;
        if (onRestart)
            onRestart();
    }

    std::atomic<EWorkMode> workMode{EWorkMode::Files};
    std::atomic<int> dedupeTotal{0};
    std::atomic<int> restarts{0};
    std::atomic<QThread*> restartThread{nullptr};
    // Called on the analysis thread, as the window posts its hand-over from there.
    std::function<void()> onRestart;
};

// A private home with a loaded settings object and a link over a fresh manager; the engine's
// lists are freed and the iTunes-scan flag cleared around every test.
class MusicLinkTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Real MP3 files named <stem><i>.mp3 in folder, each with its own tone and title.
    QStringList MakeSongs(const QString& folder, int count, const QString& stem = QStringLiteral("song"),
                          bool withArtwork = false);

    tidewell::test::TempHome home;
    CAppSettings* settings = nullptr;
    FakeHost host;
    std::unique_ptr<CMusicLink> link;
};

// Runs the event loop for a moment so anything still posted is delivered.
void Drain();

// Waits until the spy has seen count emissions, then drains, so a further emission would show.
bool WaitForCount(const QSignalSpy& spy, int count, int timeoutMs = 60000);

} // namespace link_test
