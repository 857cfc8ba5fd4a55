// The language switch on the real main window: Preferences opened from the window, a language
// picked and the dialog closed, then every visible text of the window looked at.
#include "About.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioFixture.h"
#include "BugReport.h"
#include "CMessageSeam.h"
#include "CShadeLabel.h"
#include "GeneralWidget.h"
#include "HistoryOptWidget.h"
#include "InterfaceLanguage.h"
#include "MainUI.h"
#include "Option.h"
#include "StartUI.h"
#include "TextWalker.h"
#include "WhatsNew.h"
#include "WidgetTestEnv.h"

#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
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

    void duplicatePageInEveryLanguage_data() { ScaleRows(); }
    void duplicatePageInEveryLanguage()
    {
        m_window->Duplicate();
        QStringList problems;
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
        QCOMPARE(window->RunState(), 2);
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
        QVERIFY(QTest::qWaitFor([&] { return window->RunState() == 3 && !window->IsBusy(); }, 60000));
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
        QCOMPARE(window->RunState(), 2);
        for (const QString& code : kCodes)
        {
            SwitchLanguage(window, code);
            problems << WalkTexts(window, code);
        }
        qunsetenv("TIDEWELL_ACR_HOST");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // Songs with nothing to mend: after a switch the screen still says "Return" with no message,
    // and the button leads to the ordinary start page.
    void allCleanScreenKeepsItsTextsThroughASwitch()
    {
        tidewell::test::TempHome songs;
        QCOMPARE(tidewell::test::makeSongFolder(songs.path() + "/music", 2, "Clean", "c", true).size(), 2);
        CMainUI* window = m_window.get();
        window->LoadStartParam({songs.path() + "/music"}, g_strDBPath, RunModeFiles);
        QVERIFY(QTest::qWaitFor([&] { return window->RunState() == 3 && !window->IsBusy(); }, 60000));
        auto* back = window->findChild<QPushButton*>("main_selectbut");
        QCOMPARE(back->text(), QStringLiteral("Return"));
        SwitchLanguage(window, "de");
        QCOMPARE(back->text(), QStringLiteral("Zurück"));
        QCOMPARE(window->MessageText(), QString());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(window->StartPage()->LibraryButtonText(), QStringLiteral("iTunes aufräumen"));
    }
};

QTEST_MAIN(MainLanguageTest)
#include "MainLanguageTest.moc"
