// The tag editor on a real music link over generated songs: edits typed, dropped and folded
// reach the link and, once applied, the files; the artwork label previews through the media
// library's null output.

#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CMusicLink.h"
#include "FixWriter.h"
#include "IMusicLinkHost.h"
#include "LabelArtwork.h"
#include "LineEdit.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "MusicTag.h"
#include "RoadCheck.h"
#include "StyleTemplates.h"
#include "WidgetTestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

namespace
{

CMusicObj* FindTrack(CMusicLink& link, const QString& path)
{
    for (int i = 0, n = link.GetMusicCount(); i < n; ++i)
    {
        CMusicObj* track = nullptr;
        MusicInfo* info = nullptr;
        if (link.GetMusicObj(i, &track) == 0 && link.GetMusicRecord(track, &info, 1) == 0 &&
            info->Location == path)
            return track;
    }
    return nullptr;
}

bool PauseLook(CLabelArtwork& label)
{
    return label.findChild<QPushButton*>(QStringLiteral("PlayMusicBut"))->property("pauseLook").toBool();
}

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WidgetTestEnv> m_env;
    TestLinkHost m_host;
    std::unique_ptr<CMusicLink> m_link;
    CFixWriter m_writer; // the report page's, which the saves go through
    QStringList m_files;
    QStringList m_messages;
    std::unique_ptr<CMessageSeam::Scope> m_seam;
    std::unique_ptr<QWidget> m_page; // stands for the report page around the editor
    CModifyMusicInfo* m_editor = nullptr;

    CLineEdit* Field(const char* name) { return m_editor->findChild<CLineEdit*>(QLatin1String(name)); }

    // Types into a field as the user does: focus, select all, keys.
    void Type(const char* name, const QString& text)
    {
        CLineEdit* field = Field(name);
        field->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(field->window()));
        field->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return field->hasFocus(); }));
        QTest::qWait(1); // the first paint with focus puts the full text in
        field->repaint();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        // Keys for plain ASCII; other scripts arrive as an input method would commit them.
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(field, text);
        else
            field->insert(text);
    }

    // Shows a track in a freshly opened editor (the report page's order).
    void Show(CMusicObj* track, int kind)
    {
        m_editor->show();
        m_editor->ShowTrack(kind, track);
        if (m_editor->IsContentHidden())
            m_editor->EditHide();
    }

private slots:
    void initTestCase()
    {
        m_env = std::make_unique<WidgetTestEnv>();
        m_seam = std::make_unique<CMessageSeam::Scope>(
            [this](const MessageQuestion& q)
            {
                m_messages << q.text;
                return 1;
            });
        m_files = tidewell::test::makeSongFolder(QDir::homePath() + "/songs", 3, "Song", "song", false);
        QCOMPARE(m_files.size(), 3);
        // The first song lacks Year and Genre, which applying only ever fills in.
        tidewell::test::AudioSpec bare;
        bare.seconds = 1.0;
        bare.tags = {QStringLiteral("Song 0"), QStringLiteral("Artist 0"), QStringLiteral("Album"), QString(),
                     0};
        QFile::remove(m_files[0]);
        QVERIFY(tidewell::test::makeAudioFile(m_files[0], bare));
        m_link = std::make_unique<CMusicLink>(&m_host);
        QSignalSpy loaded(m_link.get(), &CMusicLink::SendLoadOK);
        QCOMPARE(m_link->LoadMusicLibrary(RunModeFiles), 0);
        QCOMPARE(m_link->AddMusicFiles(m_files), 0);
        QCOMPARE(m_link->StartLoadMusic(), 0);
        QVERIFY(loaded.wait(60000));
        // Songs without artwork stay problem songs after the analysis.
        QCOMPARE(m_link->StartAnalyzeMusic(static_cast<int>(kDefaultGeneralMask)), 0);
        QVERIFY(QTest::qWaitFor([&] { return m_host.restarts.load() == 1; }, 60000));
        QCOMPARE(m_link->SetTransaction(false), 0);

        m_page = std::make_unique<QWidget>();
        m_page->resize(900, 240);
        m_editor = new CModifyMusicInfo(m_page.get());
        m_editor->setObjectName(QStringLiteral("ModifyMusicinfo"));
        m_writer.SetLink(m_link.get());
        m_editor->SetMusicLink(m_link.get(), &m_writer);
        m_editor->setGeometry(0, 0, 900, 200);
        m_page->show();
    }

    void cleanup()
    {
        QVERIFY(m_writer.WaitIdle());
        VERIFY_ROAD_INVARIANTS(tidewell::test::FileRoadFaults());
    }

    void cleanupTestCase()
    {
        m_page.reset();
        m_link.reset();
        m_seam.reset();
        m_env.reset();
    }

    void everyFieldAndADroppedPictureReachTheFile()
    {
        CMusicObj* track = FindTrack(*m_link, m_files[0]);
        QVERIFY(track);
        QSignalSpy edited(m_editor, &CModifyMusicInfo::SendEditItem);
        Show(track, MF_Artwork);
        QCOMPARE(Field("OldName")->GetFullText(), QStringLiteral("Song 0"));
        QCOMPARE(Field("NewArtist")->GetFullText(), QStringLiteral("Artist 0"));

        // A 64 KB, right-to-left and Cyrillic tags; Year takes whole numbers up to 9999 only.
        const QString longName = QString(65536, QChar(0x0634));
        Field("NewName")->setFocus();
        Field("NewName")->SetFullText(longName);
        Type("NewArtist", QStringLiteral("Фёдор & Ünïcødé"));
        Type("NewAlbum", QStringLiteral("New Album"));
        Type("NewYear", QStringLiteral("abc10000"));
        QCOMPARE(Field("NewYear")->GetFullText(), QStringLiteral("1000"));
        Type("NewGenre", QStringLiteral("Jazz"));
        QCoreApplication::processEvents(); // the marks follow the typing
        QCOMPARE(Field("NewAlbum")->palette().color(QPalette::Text), QColor(238, 21, 21));
        QVERIFY(Field("NewGenre")->property("changed").toBool());

        // A PNG from outside the Picture folder becomes a new JPEG in it.
        const QString png = QDir::homePath() + "/cover.png";
        QFile out(png);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(tidewell::test::makePicture(300, 300, 0x20a040, "PNG"));
        out.close();
        DropUrls(m_editor->NewArtworkLabel(), {QUrl::fromLocalFile(png)});

        // Folding saves at once; the picture, still being written, follows when it is ready.
        m_editor->EditHide();
        QVERIFY(QTest::qWaitFor([&] { return edited.count() == 2; }));
        QCOMPARE(edited.at(0).at(0).value<void*>(), static_cast<void*>(track));
        const QString picture = m_link->GetArtworkPath(track);
        QVERIFY(picture.startsWith(GetAppSettings()->GetPictureFolder() + "/"));
        QVERIFY(picture.endsWith(".jpg"));
        QCOMPARE(QImageReader(picture).format(), QByteArray("jpeg"));
        QVERIFY(m_messages.isEmpty());

        QCOMPARE(m_link->ApplyiTunesMusicInfo(track, MF_Name | MF_Artist | MF_Album | MF_Year | MF_Genre |
                                                         MF_Artwork),
                 0);
        MusicInfo written;
        QVERIFY(GetMusicInfo(m_files[0].toUtf8().constData(), &written) >= 0);
        QCOMPARE(written.Name, longName);
        QCOMPARE(written.Artist, QStringLiteral("Фёдор & Ünïcødé"));
        QCOMPARE(written.Album, QStringLiteral("New Album"));
        QCOMPARE(written.Year, QStringLiteral("1000"));
        QCOMPARE(written.Genre, QStringLiteral("Jazz"));
        std::vector<unsigned char> embedded;
        QCOMPARE(GetArtworkPicture(m_files[0].toUtf8().constData(), embedded), 0);
        QVERIFY(!embedded.empty());

        // Folded and opened again, the song is shown afresh and a later edit is saved too.
        m_editor->EditHide();
        QCOMPARE(Field("OldName")->GetFullText(), QStringLiteral("Song 0"));
        QCOMPARE(Field("NewName")->GetFullText(), longName);
        Type("NewName", QStringLiteral("Second Go"));
        m_editor->EditHide();
        QTRY_COMPARE(edited.count(), 3);
        MusicInfo* current = nullptr;
        QCOMPARE(m_link->GetMusicRecord(track, &current, 1), 0);
        QCOMPARE(current->Name, QStringLiteral("Second Go"));
    }

    void blankAndPartialEditsKeepWhatTheyMust()
    {
        CMusicObj* track = FindTrack(*m_link, m_files[1]);
        QVERIFY(track);
        QSignalSpy edited(m_editor, &CModifyMusicInfo::SendEditItem);
        Show(track, 0);
        MusicInfo* current = nullptr;
        QCOMPARE(m_link->GetMusicRecord(track, &current, 1), 0);

        // Year and Genre alone are saved without telling the report page.
        Type("NewYear", QStringLiteral("1999"));
        Type("NewGenre", QStringLiteral("Blues"));
        Type("NewArtist", QStringLiteral("   "));
        m_editor->ShowTrack(0, track); // another song shown: this one is saved
        QCOMPARE(edited.count(), 0);
        QCOMPARE(current->Year, QStringLiteral("1999"));
        QCOMPARE(current->Genre, QStringLiteral("Blues"));
        QCOMPARE(current->Artist, QStringLiteral("Artist 1"));

        // A blank title is refused: nothing is written and the fields come back.
        Type("NewName", QStringLiteral("  "));
        Type("NewAlbum", QStringLiteral("Not Saved"));
        m_editor->SetEditorHidden(true);
        QCOMPARE(m_messages, QStringList{QStringLiteral("Please, music title cannot be empty.")});
        QCOMPARE(current->Name, QStringLiteral("Song 1"));
        QCOMPARE(current->Album, QStringLiteral("Album"));
        QCOMPARE(Field("NewName")->GetFullText(), QStringLiteral("Song 1"));
        QCOMPARE(Field("NewAlbum")->GetFullText(), QStringLiteral("Album"));
        QCOMPARE(edited.count(), 0);
        m_messages.clear();
        m_editor->SetEditorHidden(false);
    }

    void droppedFilesGetNamesOfTheirOwn()
    {
        CMusicObj* track = FindTrack(*m_link, m_files[2]);
        Show(track, MF_Artwork);
        const QString png = QDir::homePath() + "/again.png";
        QFile out(png);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(tidewell::test::makePicture(64, 64, 0x3050f0, "PNG"));
        out.close();
        auto taken = [this]
        {
            return QTest::qWaitFor([this] { return !m_editor->ArtworkFile().isEmpty(); })
                       ? m_editor->ArtworkFile()
                       : QString();
        };
        m_editor->OpenFileImg(png, true);
        const QString first = taken();
        m_editor->OpenFileImg(png, true);
        const QString second = taken();
        QVERIFY(QFileInfo::exists(first) && QFileInfo::exists(second));
        QVERIFY(first != second);
        // A picture already in the Picture folder is used where it is.
        m_editor->OpenFileImg(second, true);
        QTRY_COMPARE(m_editor->ArtworkFile(), second);

        // The picture is emptied before the save: the back end refuses, and the user hears it.
        QSignalSpy edited(m_editor, &CModifyMusicInfo::SendEditItem);
        Type("NewAlbum", QStringLiteral("Lost Album"));
        QFile(second).resize(0);
        m_editor->EditHide();
        QTRY_COMPARE(m_messages,
                     QStringList{QStringLiteral("Sorry, the changes to this song could not be saved.")});
        QCOMPARE(edited.count(), 0);
        MusicInfo* current = nullptr;
        QCOMPARE(m_link->GetMusicRecord(track, &current, 1), 0);
        QCOMPARE(current->Album, QStringLiteral("Album"));
        m_messages.clear();
        m_editor->EditHide();

        // Not a picture, whatever its name says; a remote address is not a local file at all.
        const QString fake = QDir::homePath() + "/fake.png";
        QFile text(fake);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("just some words, not an image");
        text.close();
        // The shown song's own picture has arrived before the label is taken as it stands.
        m_editor->WaitArtworkReads();
        QCoreApplication::processEvents();
        const qint64 before = m_editor->NewArtworkLabel()->pixmap().cacheKey();
        DropUrls(m_editor->NewArtworkLabel(), {QUrl::fromLocalFile(fake)});
        QTRY_COMPARE(m_messages, QStringList{QStringLiteral(
                                     "Sorry, the file you dragged-in is not a valid\nimage file.")});
        QVERIFY(m_editor->ArtworkFile().isEmpty());
        QCOMPARE(m_editor->NewArtworkLabel()->pixmap().cacheKey(), before);
        m_messages.clear();
        QSignalSpy dropped(m_editor->NewArtworkLabel(), &CLabelArtwork::DropImg);
        DropUrls(m_editor->NewArtworkLabel(), {QUrl(QStringLiteral("https://example.com/a.png"))});
        QCOMPARE(dropped.count(), 0);
        m_editor->HideModify();
    }

    void previewPlaysPausesResumesAndEnds()
    {
        g_hMediaLibrary = KestrineOpen("Zavro/Tidewell", -1);
        QVERIFY(g_hMediaLibrary > 0);
        const QString song = QDir::homePath() + "/two.mp3";
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 2.0;
        QVERIFY(tidewell::test::makeAudioFile(song, audioSpec));

        CLabelArtwork label;
        auto* button = label.findChild<QPushButton*>(QStringLiteral("PlayMusicBut"));
        label.SetMusicPath(song);
        button->click();
        const int player = label.Player();
        QVERIFY(player != 0);
        QCOMPARE(label.PlayState(), PlayStatePlaying);
        QVERIFY(PauseLook(label));
        button->click();
        QCOMPARE(label.PlayState(), PlayStatePaused);
        QVERIFY(!PauseLook(label));
        button->click();
        QCOMPARE(label.PlayState(), PlayStatePlaying);
        QCOMPARE(label.Player(), player);
        // The end of the file stops the label.
        QVERIFY(QTest::qWaitFor([&] { return label.PlayState() == PlayStateStopped; }, 10000));
        QVERIFY(!PauseLook(label));
        QCOMPARE(label.Player(), 0);
        QVERIFY(m_messages.isEmpty());

        // A newer preview is not stopped by the notice of the player it replaced.
        label.PlayMusic();
        const int old = label.Player();
        label.SetMusicPath(m_files[0]);
        label.PlayMusic();
        QVERIFY(label.Player() != old);
        QMetaObject::invokeMethod(&label, "PlayerEnded", Qt::QueuedConnection, Q_ARG(int, old));
        QTest::qWait(20);
        QCOMPARE(label.PlayState(), PlayStatePlaying);

        // A file that cannot be played: the message, and the song playing goes on.
        label.SetMusicPath(QDir::homePath() + "/fake.png");
        label.PlayMusic();
        QCOMPARE(m_messages, QStringList{QStringLiteral("Playback failure!")});
        QCOMPARE(label.PlayState(), PlayStatePlaying);
        label.SetPlayState(PlayStateStopped);
        label.PlayMusic();
        QCOMPARE(label.PlayState(), PlayStateStopped);
        QCOMPARE(label.Player(), 0);
        m_messages.clear();

        // Going away while playing releases the player first.
        auto playing = std::make_unique<CLabelArtwork>();
        playing->SetMusicPath(song);
        playing->PlayMusic();
        QCOMPARE(playing->PlayState(), PlayStatePlaying);
        playing.reset();
        QTest::qWait(10);
    }

    // In a 900 px editor and at the default window, at scale 1 and 2, a title and a full date are shown
    // whole: the fields share the editor's width.
    void fieldsShowLongTextsWholeInAWideEditor()
    {
        // 900 px, and the 600 px the report page leaves it in the window at its default size.
        for (const auto& [scale, width] : {std::pair{1.0, 900}, {2.0, 900}, {1.0, 600}, {2.0, 600}})
        {
            g_dScale = scale;
            QWidget page;
            auto* editor = new CModifyMusicInfo(&page);
            editor->setObjectName(QStringLiteral("ModifyMusicinfo"));
            editor->setGeometry(0, 0, ScaledInt(width), ScaledInt(200));
            page.resize(ScaledInt(width), ScaledInt(240));
            page.show();
            if (editor->IsContentHidden())
                editor->EditHide();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            QVERIFY(!editor->IsContentHidden());
            if (width == 600)
            {
                // The Russian headings and labels, the widest of the languages.
                const QHash<QString, QString> russian = {{"Orginal Tag", "Исходный тег"},
                                                         {"New Tag", "Новый тег"},
                                                         {"Name:", "Название:"},
                                                         {"Artist:", "Артист:"},
                                                         {"Album:", "Альбом:"},
                                                         {"Year:", "Год:"},
                                                         {"Genre:", "Жанр:"}};
                for (QLabel* label : editor->findChildren<QLabel*>())
                    label->setText(russian.value(label->text(), label->text()));
            }
            QTest::qWait(1);
            const std::pair<const char*, QString> texts[] = {
                {"OldName", width > 600 ? QStringLiteral("Another Long Song Title Of Forty Chars")
                                        : QStringLiteral("Evening Song 14")},
                {"NewName", QStringLiteral("The Harbour Band")},
                {"OldYear", QStringLiteral("2004-05-06")},
                {"NewYear", QStringLiteral("2004-01-01")}};
            for (const auto& [name, text] : texts)
            {
                auto* field = editor->findChild<CLineEdit*>(QLatin1String(name));
                QVERIFY(field->isVisible());
                field->SetFullText(text);
                field->grab(); // drawn as the user sees it: shortened when it does not fit
                QVERIFY2(field->text() == text, qPrintable(QStringLiteral("%1 at scale %2: \"%3\" in %4 px")
                                                               .arg(QLatin1String(name))
                                                               .arg(scale)
                                                               .arg(field->text())
                                                               .arg(field->width())));
            }
        }
        g_dScale = 1.0;
    }

    void longTitleIsElidedUntilFocused()
    {
        const QString title = QStringLiteral("A Rather Long Song Title Of Forty Chars");
        for (const int scale : {1, 2})
        {
            QWidget window;
            QFont font(QStringLiteral("Tahoma"));
            font.setPixelSize(12 * scale);
            window.setFont(font);
            auto* other = new QLineEdit(&window);
            CLineEdit field(&window);
            field.setGeometry(0, 30 * scale, 150 * scale, 24 * scale);
            // The same field showing the cut text without its mark: what the mark adds is drawn.
            QLineEdit bare(&window);
            bare.setGeometry(field.geometry().translated(0, 30 * scale));
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            other->setFocus();
            field.SetFullText(title + "!");
            field.repaint();
            QVERIFY(field.text().endsWith(QChar(0x2026)));
            QVERIFY(title.startsWith(field.text().chopped(1)));
            QCOMPARE(field.GetFullText(), title + "!");
            bare.setText(field.text().chopped(1));
            bare.setCursorPosition(0);
            const int shown = InkBounds(field.grab().toImage(), field.rect().adjusted(3, 3, -3, -3)).right();
            const int prefix = InkBounds(bare.grab().toImage(), bare.rect().adjusted(3, 3, -3, -3)).right();
            const int mark = field.fontMetrics().horizontalAdvance(QChar(0x2026));
            QVERIFY2(shown - prefix >= mark / 2,
                     qPrintable(QStringLiteral("scale %1: the mark adds %2 of %3 px")
                                    .arg(scale)
                                    .arg(shown - prefix)
                                    .arg(mark)));
            field.setFocus();
            QVERIFY(QTest::qWaitFor([&] { return field.hasFocus(); }));
            field.repaint();
            QCOMPARE(field.text(), title + "!");
        }
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
