#include "About.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "CLabelPress.h"
#include "TempHome.h"
#include "WhatsNew.h"
#include "WidgetTestEnv.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <memory>

namespace
{

QStringList g_warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        g_warnings << message;
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tidewell::test::TempHome> m_home;
    UrlCatcher m_catcher;

private slots:
    void init()
    {
        m_home = std::make_unique<tidewell::test::TempHome>();
        g_dScale = 1.0;
        for (const char* scheme : {"http", "https", "mailto", "file", "ftp"})
            QDesktopServices::setUrlHandler(scheme, &m_catcher, "Open");
        m_catcher.opened.clear();
    }
    void cleanup()
    {
        for (const char* scheme : {"http", "https", "mailto", "file", "ftp"})
            QDesktopServices::unsetUrlHandler(scheme);
        ReleaseAppSettings();
        m_home.reset();
        g_dScale = 1.0;
    }

    void whatsNewSizeFollowsTheScale()
    {
        // The what's-new box, and its room, only with notes to show.
        {
            WhatsNew dialog;
            QCOMPARE(dialog.size(), QSize(481, 190));
            dialog.SetWhatsNewText("Faster scans.");
            QCOMPARE(dialog.size(), QSize(481, 340));
            QCOMPARE(dialog.objectName(), QString("Updatedialog"));
        }
        g_dScale = 1.5;
        WhatsNew dialog;
        dialog.SetWhatsNewText("Faster scans.");
        QCOMPARE(dialog.size(), QSize(721, 510));
        DialogIcon icon;
        QCOMPARE(icon.sizeHint(), QSize(50, 50));
    }

    void whatsNewStyleSheetParses()
    {
        g_warnings.clear();
        const auto previous = qInstallMessageHandler(collectWarnings);
        {
            WhatsNew dialog;
            dialog.SetWhatsNewText("<b>New</b> things");
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCoreApplication::processEvents();
        }
        qInstallMessageHandler(previous);
        for (const QString& warning : g_warnings)
            QVERIFY2(!warning.contains("stylesheet", Qt::CaseInsensitive), qPrintable(warning));
    }

    void buttonModeHidesTheUpdateButton()
    {
        WhatsNew dialog;
        dialog.show();
        QPushButton* update = nullptr;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() != "Cancel" && button->parent() == &dialog)
                update = button;
        QVERIFY(update);
        dialog.SetButtonMode(1);
        QCOMPARE(update->text(), QString("Update"));
        QVERIFY(update->isVisible());
        dialog.SetButtonMode(2);
        QVERIFY(!update->isVisible());
    }

    void updateOpensOnlyWebAddressesAndAlwaysCloses()
    {
        WhatsNew dialog;
        dialog.show();
        dialog.SetDownloadUrl("https://downloads.zavro.example/tidewell.deb");
        dialog.download();
        QCOMPARE(m_catcher.opened.size(), 1);
        QCOMPARE(m_catcher.opened.first().toString(),
                 QString("https://downloads.zavro.example/tidewell.deb"));
        QVERIFY(!dialog.isVisible());

        for (const QString& bad :
             {QString("file:///etc/passwd"), QString("ftp://host/x"), QString("/usr/bin/xterm"), QString(""),
              QString("javascript:alert(1)"), QString("http://")})
        {
            WhatsNew other;
            other.show();
            other.SetDownloadUrl(bad);
            other.download();
            QVERIFY2(!other.isVisible(), qPrintable(bad));
        }
        QCOMPARE(m_catcher.opened.size(), 1);
    }

    void aboutSizesAndLinks()
    {
        g_strSupportAddress = "support@zavro.example";
        g_strHomeUrl = "https://zavro.example/tidewell";
        g_strVersion = "1.0.0.1";
        {
            CAbout about;
            QCOMPARE(about.size(), QSize(640, 250));
            QCOMPARE(about.objectName(), QString("AboutDialog"));
            const auto links = about.findChildren<CLabelPress*>();
            QCOMPARE(links.size(), 2);
            QStringList addresses;
            for (CLabelPress* link : links)
                addresses << link->Address();
            QVERIFY(addresses.contains("mailto:support@zavro.example"));
            QVERIFY(addresses.contains("https://zavro.example/tidewell"));
            bool versionShown = false;
            for (QLabel* label : about.findChildren<QLabel*>())
                versionShown |= label->text() == "1.0.0.1";
            QVERIFY(versionShown);
        }
        g_dScale = 1.5;
        CAbout scaled;
        QCOMPARE(scaled.size(), QSize(960, 375));
        bool bigIcon = false;
        for (QLabel* label : scaled.findChildren<QLabel*>())
            bigIcon |= label->minimumSize() == QSize(192, 192) && label->maximumSize() == QSize(192, 192);
        QVERIFY(bigIcon);
    }

    void supportTargets()
    {
        QCOMPARE(CAbout::SupportTarget("http://zavro.example/help"), QString("http://zavro.example/help"));
        QCOMPARE(CAbout::SupportTarget("https://zavro.example/help"), QString("https://zavro.example/help"));
        QCOMPARE(CAbout::SupportTarget("help@zavro.example"), QString("mailto:help@zavro.example"));
        QCOMPARE(CAbout::SupportTarget("HTTP://zavro.example"), QString("mailto:HTTP://zavro.example"));
    }

    void arabicVersionLineIsIndented()
    {
        GetAppSettings()->SetLanguage("ar");
        g_strVersion = "2.1.0.7";
        CAbout about;
        bool indented = false;
        for (QLabel* label : about.findChildren<QLabel*>())
            indented |= label->text() == "        2.1.0.7";
        QVERIFY(indented);
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
