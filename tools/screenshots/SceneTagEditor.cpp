// The report page with the tag editor open under its song list: a changed field in red, a long
// title shortened with "...", and the play button over the artwork. Reached through the real
// road: a folder of songs with missing tags is loaded and analysed, the report page shows its
// first song in the editor. Without an editor on the report page nothing is saved.
#include "ScreenshotScene.h"

#include "AnalyReport.h"
#include "AudioFixture.h"
#include "MainUI.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace
{

using screens::SceneContext;

QString MakeEditorFolder(SceneContext& context)
{
    const QString folder = context.Folder(QStringLiteral("editor"));
    if (!QDir(folder).entryList(QDir::Files).isEmpty())
        return folder;
    for (int i = 0; i < 8; ++i)
    {
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 2.0;
        audioSpec.toneHz = 330.0 + 41.0 * i;
        audioSpec.tags.title = QStringLiteral("Evening Song %1").arg(i + 1);
        // None has an artist; half have an album and a cover.
        audioSpec.tags.album = i % 2 ? QStringLiteral("Harbour Lights") : QString();
        audioSpec.tags.genre = QStringLiteral("Folk");
        audioSpec.tags.year = 1990 + i;
        if (i % 2)
            audioSpec.artwork = tidewell::test::makePicture(200, 200, 0x2f7fb0);
        tidewell::test::makeAudioFile(folder + QStringLiteral("/evening%1.mp3").arg(i + 1), audioSpec);
    }
    return folder;
}

// Types text into a field as the user would (focus, select all, replace).
void TypeInto(QLineEdit* field, const QString& text)
{
    field->window()->activateWindow();
    SceneContext::WaitUntil([&]() { return field->window()->isActiveWindow(); }, 2000);
    field->setFocus();
    SceneContext::WaitUntil([&]() { return field->hasFocus(); }, 2000);
    field->selectAll();
    field->insert(text);
}

void ReportWithEditor(SceneContext& context)
{
    CMainUI* window = context.Window();
    window->LoadStartParam({MakeEditorFolder(context)}, QString(), RunModeFiles);
    SceneContext::WaitUntil(
        [&]() { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }, 60000);
    // The page lists its categories again with the first song selected, as after loading a
    // saved project: the editor then shows that song.
    window->ReportPage()->ReflashView(true);
    SceneContext::Settle(300);
    QWidget* editor = nullptr;
    SceneContext::WaitUntil(
        [&]()
        {
            editor = window->findChild<QWidget*>(QStringLiteral("ModifyMusicinfo"));
            return editor && editor->isVisible();
        },
        5000);
    if (!editor || !editor->isVisible())
        return;
    if (QWidget* content = editor->findChild<QWidget*>(QStringLiteral("ModifyContent"));
        content && content->isHidden())
        editor->findChild<QPushButton*>(QStringLiteral("InfoHideBut"))->click();
    SceneContext::Settle(200);

    auto* name = editor->findChild<QLineEdit*>(QStringLiteral("NewName"));
    auto* artist = editor->findChild<QLineEdit*>(QStringLiteral("NewArtist"));
    QWidget* artwork = editor->findChild<QWidget*>(QStringLiteral("NewArtwork"));
    if (!name || !artist || !artwork)
        return;
    TypeInto(name, QStringLiteral("An Evening Song Played Far Out On A Sea"));
    TypeInto(artist, QStringLiteral("The Harbour Band"));
    // Focus leaves the fields, so the long title shows shortened.
    artwork->setFocus();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(artwork, &enter);
    SceneContext::Settle(300);
    context.Shot(QStringLiteral("report-tag-editor"));
}

} // namespace

TIDEWELL_SCENE("55-tag-editor", ReportWithEditor);
