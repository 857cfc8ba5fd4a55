// The language switch on the real main window: Preferences opened from the window, a language
// picked and the dialog closed, then every visible text of the window looked at.
#include "About.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "BugReport.h"
#include "CMessageSeam.h"
#include "CShadeLabel.h"
#include "CTitleBar.h"
#include "CWarnMessage.h"
#include "CountTexts.h"
#include "Duplicate.h"
#include "DuplicateControl.h"
#include "FailedTreeWidget.h"
#include "GeneralWidget.h"
#include "HistoryOptWidget.h"
#include "InterfaceLanguage.h"
#include "LanguageDirection.h"
#include "MainUI.h"
#include "MusicFlags.h"
#include "Option.h"
#include "OwnDirectionDelegate.h"
#include "StartUI.h"
#include "StyleTemplates.h"
#include "TextWalker.h"
#include "WhatsNew.h"
#include "WidgetTestEnv.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <memory>

namespace
{

const QStringList kCodes{"en", "de", "jp", "ru", "es", "br", "ar", "fr"};

// Picks the language in the window's own Preferences, driven from a timer on the modal dialog.
void SwitchLanguage(CMainUI* window, const QString& code)
{
    WhenVisible([] { return QApplication::activeModalWidget(); },
                [code](QWidget* dialog)
                {
                    dialog->findChild<QComboBox*>("GeneralLanguage")->setCurrentIndex(kCodes.indexOf(code));
                    dialog->close();
                });
    window->Preferences();
    // The relayout the new texts asked for.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// One stage of the window, reached from the start page: 0 the duplicate page, 1 a score screen,
// 2 an all-clean result, 3 a duplicate result, 4 after Remove, 5 after each copy is restored.
bool Reach(CMainUI& window, int stage, const QString& songs)
{
    const auto ended = [&] { return window.RunState() == EWindowRunState::ResultShown && !window.IsBusy(); };
    if (stage == 1 || stage == 2)
        window.LoadStartParam({songs + (stage == 1 ? "/mixed" : "/clean")}, g_strDBPath, RunModeFiles);
    if (stage == 1 || stage == 2)
        return QTest::qWaitFor(ended, 60000);
    window.DuplicateControl()->Duplicate();
    window.DuplicateView()->SetPendingScanPaths({songs + "/dups"});
    if (stage >= 3)
        window.DuplicateControl()->ScanDuplicate();
    if (stage >= 3 && !QTest::qWaitFor(ended, 60000))
        return false;
    if (stage >= 4)
        QTest::mouseClick(window.findChild<QPushButton*>("main_removebut"), Qt::LeftButton);
    if (stage >= 4 && !QTest::qWaitFor([&] { return ended() && !window.ApplyThread()->isRunning(); }, 60000))
        return false;
    QTreeWidget* tree = window.DuplicateView()->Tree();
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::Disabled); stage == 5 && *it; ++it)
    {
        const int x = tree->header()->sectionViewportPosition(6) + tree->header()->sectionSize(6) / 2;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          QPoint(x, tree->visualItemRect(*it).center().y()));
        if (!QTest::qWaitFor([&] { return !(*it)->isDisabled(); }, 10000))
            return false;
    }
    QCoreApplication::processEvents();
    return true;
}

// Every case runs at scale 1 and at scale 2 (a 3840-wide screen).
void ScaleRows()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 2") << 2.0;
}

} // namespace

class MainLanguageTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestEnv> m_env;
    std::unique_ptr<CMainUI> m_window;

private slots:
    void init()
    {
        g_dScale = QByteArray(QTest::currentDataTag()) == "scale 2" ? 2.0 : 1.0;
        m_env = std::make_unique<WidgetTestEnv>();
        GetAppSettings()->SetLanguage("en");
        InstallInterfaceTranslator(LoadInterfaceTranslator("en"));
        m_window = std::make_unique<CMainUI>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        CMessageSeam::Scope answers([](const MessageQuestion&) { return 1; });
        m_window->close();
        m_window.reset();
        m_env.reset();
        QApplication::setLayoutDirection(Qt::LeftToRight);
        g_dScale = 1.0;
    }

    void startPageInEveryLanguageAndBack_data() { ScaleRows(); }
    void startPageInEveryLanguageAndBack()
    {
        QStringList problems;
        QString previous = "en";
        for (const QString& code : QStringList{"de", "jp", "ru", "es", "br", "ar", "fr", "en"})
        {
            SwitchLanguage(m_window.get(), code);
            QCOMPARE(GetAppSettings()->GetLanguage(), code);
            problems << WalkTexts(m_window.get(), code);
            if (code == "en")
                problems << LeftoverTexts(m_window.get(), previous);
            const Qt::LayoutDirection direction = code == "ar" ? Qt::RightToLeft : Qt::LeftToRight;
            if (m_window->layoutDirection() != direction || QApplication::layoutDirection() != direction)
                problems << code + ": wrong layout direction";
            previous = code;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void dialogsInEveryLanguage_data() { ScaleRows(); }
    void dialogsInEveryLanguage()
    {
        QStringList problems;
        for (const QString& code : kCodes)
        {
            InstallInterfaceTranslator(LoadInterfaceTranslator(code));
            GetAppSettings()->SetLanguage(code);
            CAbout about(m_window.get());
            WhatsNew whatsNew(m_window.get());
            CBugReport bugReport(m_window.get());
            CHistoryOptWidget history(m_window.get());
            // The description's placeholder is a sentence of the language, nothing in front of it.
            const QString placeholder = bugReport.findChild<QTextEdit*>("BugReportDes")->toPlainText();
            if (placeholder.isEmpty() || !placeholder.at(0).isLetter())
                problems << code + ": the bug report's placeholder reads " + placeholder;
            for (QWidget* dialog : std::initializer_list<QWidget*>{&about, &whatsNew, &bugReport, &history})
            {
                dialog->show();
                QCoreApplication::processEvents();
                problems << WalkTexts(dialog, code);
                dialog->hide();
            }
            // Every page of the preferences.
            COption preferences(nullptr);
            preferences.show();
            for (int page = 0; page < 3; ++page)
            {
                qobject_cast<QStackedWidget*>(preferences.GeneralPage()->parentWidget())
                    ->setCurrentIndex(page);
                QCoreApplication::processEvents();
                problems << WalkTexts(&preferences, code);
            }
            preferences.close();
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // Messages that exist to name an address, a folder or a file, with a long home folder: the box
    // grows to its text, keeps the text below its title bar, and every line is drawn whole.
    void messageBoxesShowTheirWholeTextInEveryLanguage_data() { ScaleRows(); }
    void messageBoxesShowTheirWholeTextInEveryLanguage()
    {
        const QString home = QDir::homePath() + "/" + QString("Musiksammlung_").repeated(6);
        const QString day = home + "/Zavro_Recycle/2026-12-10";
        QStringList problems;
        for (const QString& code : kCodes)
        {
            InstallInterfaceTranslator(LoadInterfaceTranslator(code));
            GetAppSettings()->SetLanguage(code);
            QApplication::setLayoutDirection(Qt::LeftToRight); // as a switch of language does
            ApplyLanguageDirection(m_window.get());
            // As the messages name them: a path or an address keeps its own direction.
            const auto own = &COwnDirectionDelegate::Isolated;
            const QStringList texts{
                QCoreApplication::translate("CDesktopHandOver",
                                            "No web browser could be opened. Please visit:\n%1")
                    .arg(own("https://www.zavro.example/tidewell/download/?product=TIDEWELL&channel=" +
                             QString("stable").repeated(8))),
                QCoreApplication::translate("CDesktopHandOver",
                                            "No file manager could be opened. The folder is:\n%1")
                    .arg(own(day)),
                QCoreApplication::translate(
                    "CDuplicate", "The song could not be restored. It is still in the recycle folder:\n%1")
                    .arg(own(day + "/" + QString("A Very Long Song Title ").repeated(4) + ".flac")),
                QCoreApplication::translate(
                    "CDuplicate", "The song's entry could not be given back to the library. Its file "
                                  "is in place and stays in the library through another entry:\n%1")
                    .arg(own(home + "/Music/" + QString("A Very Long Song Title ").repeated(4) + ".flac")),
                CCountTexts::ClearHistoryQuestion(30, 12)};
            for (const QString& text : texts)
            {
                CWarnMessage box(m_window.get(), QString(), text, 2, "OK", "Cancel", QString(), 0);
                box.show();
                QVERIFY(QTest::qWaitForWindowExposed(&box));
                const QString where = code + ": " + text.left(30);
                auto* label = box.findChild<QLabel*>("MessageText");
                QCOMPARE(label->text().remove(QChar(0x200B)), text);
                const QRect area(label->mapTo(&box, QPoint(0, 0)), label->size());
                // The box paints on a translucent window: its pixels are seen over white.
                QImage image(box.size(), QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter(&image).drawPixmap(0, 0, box.grab());
                const QRect ink = InkBounds(image, area);
                const int titleBottom = box.GetTitleBar()->geometry().bottom();
                if (area.top() <= titleBottom || !box.rect().contains(area))
                    problems << where + ": the text lies under the title bar or outside the box";
                // A cut first or last line leaves its ink against the label's edge; a line too
                // long for the label runs out of it.
                const QRect needed = label->fontMetrics().boundingRect(
                    QRect(0, 0, label->width(), 100000), int(label->alignment()) | Qt::TextWordWrap,
                    label->text());
                if (ink.isNull() || ink.top() <= area.top() || ink.bottom() >= area.bottom() ||
                    needed.width() > label->width())
                    problems << where + ": the text is cut";
                if (label->heightForWidth(label->width()) > label->height())
                    problems << where + ": the text is taller than its box";
                const QRect screen = box.screen()->availableGeometry();
                if (box.width() > std::max(screen.width(), ScaledInt(420)) ||
                    box.height() > std::max(screen.height(), ScaledInt(150)))
                    problems << where + ": the box is larger than the screen";
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void duplicatePageInEveryLanguage_data() { ScaleRows(); }
    void duplicatePageInEveryLanguage()
    {
        m_window->DuplicateControl()->Duplicate();
        QStringList problems = WalkTexts(m_window.get(), "en");
        for (const QString& code : QStringList{"de", "jp", "ru", "es", "br", "fr", "ar"})
        {
            SwitchLanguage(m_window.get(), code);
            problems << WalkTexts(m_window.get(), code);
        }
        auto* hints = m_window->findChild<CShadeLabel*>("MainUIScroll");
        QCOMPARE(hints->Texts().value(0),
                 QString::fromUtf8("دع Tidewell يساعدك في تنظيف الأغاني المكررة في مكتبتك!"));
        QCOMPARE(m_window->layoutDirection(), Qt::RightToLeft);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // The title bar's menu picture is the whole menu bar: one click on it opens the window's
    // menu, left to right and right to left, at scale 1 and 2.
    void oneClickOnTheMenuPictureOpensTheMenu()
    {
        for (const QString& code : {QStringLiteral("en"), QStringLiteral("ar")})
        {
            for (const double scale : {1.0, 2.0})
            {
                const QByteArray where = QStringLiteral("%1 at scale %2").arg(code).arg(scale).toUtf8();
                g_dScale = scale;
                GetAppSettings()->SetLanguage(code);
                CMainUI window;
                window.show();
                QVERIFY(QTest::qWaitForWindowExposed(&window));
                auto* bar = window.findChild<QMenuBar*>("menubar");
                QVERIFY2(bar->actionGeometry(bar->actions().value(0)) == bar->rect(), where);
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->rect().center());
                QVERIFY2(QTest::qWaitFor([&] { return bar->actions().at(0)->menu()->isVisible(); }, 2000),
                         where);
                bar->actions().at(0)->menu()->hide();
                CMessageSeam::Scope answers([](const MessageQuestion&) { return 1; });
                window.close();
            }
        }
        g_dScale = 1.0;
    }

    void pausedLoadThenScoreScreen_data() { ScaleRows(); }
    void pausedLoadThenScoreScreen()
    {
        tidewell::test::TempHome songs;
        for (int i = 0; i < 8; ++i)
        {
            tidewell::test::AudioSpec audioSpec;
            audioSpec.seconds = 1.0;
            audioSpec.toneHz = 220.0 + 40.0 * i;
            audioSpec.tags.title = QStringLiteral("Song %1").arg(i);
            audioSpec.tags.artist = i % 3 ? QStringLiteral("Artist") : QString();
            QVERIFY(
                tidewell::test::makeAudioFile(songs.file(QStringLiteral("music/s%1.mp3").arg(i)), audioSpec));
        }
        CMainUI* window = m_window.get();
        auto* scanList = window->findChild<CTreeWidget*>();
        auto* message = window->findChild<CShadeLabel*>("MainUIFixing");
        auto* pause = window->findChild<QPushButton*>("main_cancelbut");
        QVERIFY(message && pause);

        // Paused while loading, then the language changes before any worker reports again.
        window->LoadStartParam({songs.path() + "/music"}, QString(), RunModeFiles);
        QCOMPARE(window->Stage(), 1);
        window->CancelGroup();
        QCOMPARE(window->RunState(), EWindowRunState::Paused);
        InstallInterfaceTranslator(LoadInterfaceTranslator("de"));
        GetAppSettings()->SetLanguage("de");
        window->loadLanguage();
        // Read before any event runs: progress the load queued before the pause may still arrive.
        QCOMPARE(message->text(), QString("Angehalten. Weitermachen und die Welt der Musik entdecken?"));
        QCOMPARE(pause->text(), QString("Weiter"));
        QStringList problems;
        for (int i = 0; i < scanList->topLevelItemCount(); ++i)
        {
            if (!scanList->topLevelItem(i)->text(1).isEmpty() &&
                scanList->topLevelItem(i)->text(1) != "Musik der Bibliothek")
                problems << "scan row still " + scanList->topLevelItem(i)->text(1);
        }
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        problems << WalkTexts(window, "de");

        window->CancelGroup();
        QVERIFY(QTest::qWaitFor(
            [&] { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }, 60000));
        SwitchLanguage(window, "ru");
        auto* hints = window->findChild<CShadeLabel*>("MainUIScroll");
        for (const QString& tip : hints->Texts())
        {
            if (tip.contains(QRegularExpression("[A-Za-z]{4,}")))
                problems << "tip still English: " + tip;
        }
        problems << WalkTexts(window, "ru");
        // The score screen, its counts and its action buttons in every other language too.
        for (const QString& code : QStringList{"de", "jp", "es", "br", "ar", "fr", "en"})
        {
            SwitchLanguage(window, code);
            problems << WalkTexts(window, code);
        }
        // The paused fix: its message and the apply-or-save sentence under it. The recognition
        // service is a closed local port, so nothing leaves the machine.
        qputenv("TIDEWELL_ACR_HOST", "127.0.0.1:9");
        window->Fixall();
        window->CancelGroup();
        QCOMPARE(window->Stage(), 3);
        QCOMPARE(window->RunState(), EWindowRunState::Paused);
        for (const QString& code : kCodes)
        {
            SwitchLanguage(window, code);
            problems << WalkTexts(window, code);
        }
        qunsetenv("TIDEWELL_ACR_HOST");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // After a switch from English each stage reads exactly as the same stage reached in a
    // program started in that language: every visible text, the rows of the lists included.
    void eachStageReadsAsAStartInItsLanguage()
    {
        tidewell::test::TempHome songs;
        QCOMPARE(tidewell::test::makeSongFolder(songs.path() + "/clean", 2, "Clean", "c", true).size(), 2);
        QCOMPARE(tidewell::test::makeSongFolder(songs.path() + "/mixed", 3, "Mixed", "m", false).size(), 3);
        const QStringList files =
            tidewell::test::makeSongFolder(songs.path() + "/source", 4, "Song", "s", false);
        QCOMPARE(files.size(), 4);
        for (const char* copy : {"/s0 copy.mp3", "/s0 again.mp3", "/s1 copy.mp3"})
            QVERIFY(QFile::copy(files[copy[2] == '1'], songs.path() + "/source" + copy));
        // Yes to every question; a window closes without applying anything.
        CMessageSeam::Scope answers([](const MessageQuestion& question)
                                    { return std::max<int>(1, question.buttons.indexOf("Ignore") + 1); });
        for (int stage = 0; stage <= 5; ++stage)
        {
            for (const QString code : {"de", "ru", "ar"})
            {
                QStringList seen[2];
                for (int started = 0; started < 2; ++started)
                {
                    // Each run removes from a fresh copy of the same folder.
                    QDir(songs.path() + "/dups").removeRecursively();
                    QVERIFY(QProcess::execute("cp",
                                              {"-r", songs.path() + "/source", songs.path() + "/dups"}) == 0);
                    m_window->close();
                    m_window.reset();
                    // Set after the last window stored its own duplicate options.
                    GetAppSettings()->SetDuplicate(MF_Name | MF_Artist);
                    const QString language = started ? code : QStringLiteral("en");
                    GetAppSettings()->SetLanguage(language);
                    InstallInterfaceTranslator(LoadInterfaceTranslator(language));
                    QApplication::setLayoutDirection(Qt::LeftToRight);
                    m_window = std::make_unique<CMainUI>();
                    ApplyLanguageDirection(m_window.get());
                    m_window->show();
                    QVERIFY(Reach(*m_window, stage, songs.path()));
                    if (!started)
                        SwitchLanguage(m_window.get(), code);
                    seen[started] = VisibleTexts(m_window.get());
                }
                QCOMPARE(seen[0], seen[1]);
            }
        }
    }

    // Songs with nothing to mend: after a switch the screen still says "Return" with no message,
    // and the button leads to the ordinary start page.
    void allCleanScreenKeepsItsTextsThroughASwitch()
    {
        tidewell::test::TempHome songs;
        QCOMPARE(tidewell::test::makeSongFolder(songs.path() + "/music", 2, "Clean", "c", true).size(), 2);
        CMainUI* window = m_window.get();
        window->LoadStartParam({songs.path() + "/music"}, g_strDBPath, RunModeFiles);
        QVERIFY(QTest::qWaitFor(
            [&] { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }, 60000));
        auto* back = window->findChild<QPushButton*>("main_selectbut");
        QCOMPARE(back->text(), QStringLiteral("Return"));
        SwitchLanguage(window, "de");
        QCOMPARE(back->text(), QStringLiteral("Zurück"));
        QCOMPARE(window->MessageText(), QString());
        // The back arrow points the reading way: its head, where most of its ink is, on the
        // left in German and on the right in Arabic.
        const auto headOnTheRight = [back]
        {
            const QImage image = back->grab().toImage();
            // The glyph's box, clear of the button's round end; each row against the plain face
            // just right of it.
            const QRect glyph(ScaledInt(15), ScaledInt(11), ScaledInt(25), ScaledInt(21));
            int balance = 0;
            for (int y = glyph.top(); y <= glyph.bottom(); ++y)
            {
                const QColor face = image.pixelColor(glyph.right() + ScaledInt(3), y);
                for (int x = glyph.left(); x <= glyph.right(); ++x)
                {
                    const QColor pixel = image.pixelColor(x, y);
                    if (qAbs(pixel.red() - face.red()) + qAbs(pixel.green() - face.green()) +
                            qAbs(pixel.blue() - face.blue()) >
                        60)
                        balance += x < glyph.center().x() ? -1 : 1;
                }
            }
            return balance > 0;
        };
        QVERIFY(!headOnTheRight());
        SwitchLanguage(window, "ar");
        QVERIFY(headOnTheRight());
        SwitchLanguage(window, "de");
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(window->StartPage()->LibraryButtonText(), QStringLiteral("iTunes aufräumen"));
    }
};

QTEST_MAIN(MainLanguageTest)
#include "MainLanguageTest.moc"
