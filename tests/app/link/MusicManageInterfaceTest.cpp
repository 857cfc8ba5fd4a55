// The C-style interface on its own: one manager per process, the listed answers for a null or
// stale handle, and the checks it makes before the manager is called.

#include "LinkFixture.h"

#include "MusicFlags.h"
#include "MusicManageInterface.h"

#include <QDir>

using namespace link_test;

namespace
{

// A fresh manager in a private home, destroyed at the end of each test.
class MusicManageInterfaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QByteArray base = home.path().toUtf8();
        handle = MM_Create((base + "/logs").constData(), (base + "/pictures").constData(),
                           (base + "/Recycle").constData());
        ASSERT_NE(handle, nullptr);
    }
    void TearDown() override
    {
        if (handle)
            MM_Destroy(handle);
    }

    tidewell::test::TempHome home;
    MusicManageHandle handle = nullptr;
};

} // namespace

TEST_F(MusicManageInterfaceTest, OneManagerPerProcessAndStaleHandlesAreRefused)
{
    EXPECT_EQ(MM_Create("/elsewhere", "/elsewhere", "/elsewhere"), handle);
    EXPECT_EQ(MM_Destroy(handle), 0);
    // The old handle no longer names a manager: refused, not used.
    EXPECT_EQ(MM_Destroy(handle), -1);
    EXPECT_EQ(MM_GetMusicCount(handle, nullptr, nullptr), -1);
    EXPECT_EQ(MM_SetExitState(handle, 1), -1);
    handle = nullptr;
}

TEST_F(MusicManageInterfaceTest, NullHandleGetsEachFunctionsNullResult)
{
    MusicManageHandle none = nullptr;
    auto* track = reinterpret_cast<CMusicObj*>(&none); // never looked at without a manager
    char buffer[16] = "untouched";
    unsigned char* data = nullptr;
    int size = 0;
    MusicCallback callback;

    EXPECT_EQ(MM_Destroy(none), -1);
    EXPECT_EQ(MM_SetConfig(none, nullptr), -1);
    EXPECT_EQ(MM_SetProxy(none, nullptr), -1);
    EXPECT_EQ(MM_LoadMusicLibrary(none, "", "", RunModeFiles), -1);
    EXPECT_EQ(MM_CloseMusicLibrary(none), -1);
    EXPECT_EQ(MM_AddMusicFiles(none, 0, nullptr), -1);
    EXPECT_EQ(MM_GetMusicCount(none, nullptr, nullptr), -1);
    EXPECT_EQ(MM_GetMusicObj(none, 0, nullptr, nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(MM_GetMusicRecord(none, track, nullptr, 1), -1);
    EXPECT_EQ(MM_GetArtworkPath(none, track, buffer, sizeof buffer), -1);
    EXPECT_EQ(MM_SetRunState(none, RunStateAnalysis, ManagePaused), -1);
    EXPECT_EQ(MM_LoadMusicList(none, &callback), -1);
    EXPECT_EQ(MM_AnalyzeMusicList(none, &callback, 0), -1);
    EXPECT_EQ(MM_StartDownload(none, track, "", 0, &callback, 0), -21);
    EXPECT_EQ(MM_GetInfoFixState(none, track), -21);
    EXPECT_EQ(MM_GetArtworkFixState(none, track), -1);
    EXPECT_EQ(MM_ModifyMusicInfo(none, track, MF_Artist, nullptr), -1);
    EXPECT_EQ(MM_GetArtworkCount(none, track), 0);
    EXPECT_EQ(MM_GetArtworkCandidate(none, track, 0, buffer, sizeof buffer), -1);
    EXPECT_EQ(MM_SelectArtwork(none, track, 0), -1);
    EXPECT_EQ(MM_GetArtworkData(none, track, &data, &size), -1);
    EXPECT_EQ(MM_FreeArtworkData(none, &data), -1);
    EXPECT_EQ(MM_ApplyiTunesMusicInfo(none, track, MF_Artist, 0), -1);
    EXPECT_EQ(MM_ApplyMusicFixes(none, 0, 0), -1);
    EXPECT_EQ(MM_SetExitState(none, 1), -1);
    EXPECT_EQ(MM_GetRepeatID(none, track), -1);
    EXPECT_EQ(MM_GetMusicState(none, track), -1);
    EXPECT_EQ(MM_SetMusicState(none, track, 0), -1);
    EXPECT_EQ(MM_ChangeAllMusicState(none, MF_Duplicate, 0), -1);
    EXPECT_EQ(MM_SetTransaction(none, 0), -1);
    EXPECT_STREQ(buffer, "untouched");
}

TEST_F(MusicManageInterfaceTest, ChecksMadeBeforeTheManagerIsCalled)
{
    char buffer[16] = "untouched";
    // Null tracks get the listed answers with a live manager too.
    EXPECT_EQ(MM_GetArtworkCount(handle, nullptr), 0);
    EXPECT_EQ(MM_GetInfoFixState(handle, nullptr), -21);
    EXPECT_EQ(MM_StartDownload(handle, nullptr, "", 0, nullptr, 0), -21);
    EXPECT_EQ(MM_GetArtworkFixState(handle, nullptr), -1);
    EXPECT_EQ(MM_GetArtworkPath(handle, nullptr, buffer, sizeof buffer), -1);
    EXPECT_EQ(MM_GetRepeatID(handle, nullptr), -1);
    EXPECT_STREQ(buffer, "untouched");

    // A zero edit mask never reaches the manager, even with a library loaded.
    const QByteArray db = (home.path() + "/MusicLibrary.db").toUtf8();
    ASSERT_EQ(MM_LoadMusicLibrary(handle, nullptr, db.constData(), RunModeFiles), 0);
    auto* someTrack = reinterpret_cast<CMusicObj*>(buffer);
    EXPECT_EQ(MM_ModifyMusicInfo(handle, someTrack, 0, nullptr), -1);

    // No track loaded: nothing can be indexed.
    EXPECT_EQ(MM_GetMusicCount(handle, nullptr, nullptr), 0);
    EXPECT_EQ(MM_ApplyMusicFixes(handle, 0, 0), -1);
    EXPECT_EQ(MM_GetMusicObj(handle, 0, nullptr, nullptr, nullptr, nullptr), -1);

    // Any non-zero flag commits; the exit state answers 0 even for the manager's refused 0.
    EXPECT_EQ(MM_SetTransaction(handle, 0), 0);
    EXPECT_EQ(MM_SetTransaction(handle, 2), 0);
    EXPECT_EQ(MM_SetExitState(handle, 0), 0);
    EXPECT_EQ(MM_SetExitState(handle, 1), 0);
}
