#include "About.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "CLabelPress.h"
#include "StyleTemplates.h"
#include "TempHome.h"
#include "WhatsNew.h"
#include "WidgetTestEnv.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <QUrl>

#include <cmath>
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
        qApp->setStyleSheet(QString());
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
        // The icon is drawn at the scale too.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWidget* icon = nullptr;
        for (QWidget* child : dialog.findChildren<QWidget*>())
            if (dynamic_cast<DialogIcon*>(child))
                icon = child;
        QVERIFY(icon);
        QCOMPARE(icon->size(), QSize(75, 75));
        QVERIFY(InkBounds(icon->grab().toImage(), icon->rect()).width() > 60);
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

    // On the rendered dialog: the name stands out from the background, and each row's label
    // keeps 6 px or more from its value.
    void aboutTitleReadsAndLabelsKeepClearOfTheirValues()
    {
        g_strHomeUrl = "https://zavro.example/tidewell";
        g_strSupportAddress = "support@zavro.example";
        const auto luminance = [](QColor c)
        {
            const auto linear = [](double v)
            { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        for (const double scale : {1.0, 2.0})
        {
            g_dScale = scale;
            // The program's look, as it starts with it.
            qApp->setStyleSheet(LoadApplicationStyleSheet());
            CAbout about;
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            const QImage image = about.grab().toImage();
            const auto area = [&](QWidget* widget)
            { return QRect(widget->mapTo(&about, QPoint(0, 0)), widget->size()); };
            for (QLabel* label : about.findChildren<QLabel*>())
            {
                if (label->text() == QStringLiteral("Tidewell"))
                {
                    const QRect inside = area(label);
                    const double back = luminance(image.pixelColor(inside.topLeft()));
                    double contrast = 1.0;
                    for (int y = inside.top(); y <= inside.bottom(); ++y)
                        for (int x = inside.left(); x <= inside.right(); ++x)
                        {
                            const double ink = luminance(image.pixelColor(x, y));
                            contrast = std::max(contrast,
                                                (std::max(ink, back) + 0.05) / (std::min(ink, back) + 0.05));
                        }
                    QVERIFY2(
                        contrast >= 3.0,
                        qPrintable(QStringLiteral("name contrast %1 at scale %2").arg(contrast).arg(scale)));
                }
            }
            for (CLabelPress* link : about.findChildren<CLabelPress*>())
            {
                QFormLayout* form = nullptr;
                for (QFormLayout* each : about.findChildren<QFormLayout*>())
                    form = each->indexOf(link) >= 0 ? each : form;
                QVERIFY(form);
                QWidget* name = form->labelForField(link);
                QVERIFY(name);
                const QRect nameInk = InkBounds(image, area(name));
                const QRect valueInk = InkBounds(image, area(link));
                const int gap = valueInk.left() - nameInk.right() - 1;
                QVERIFY2(
                    gap >= 6,
                    qPrintable(QStringLiteral("%1 %2 px at scale %3").arg(link->text()).arg(gap).arg(scale)));
            }
        }
        g_dScale = 1.0;
    }

    void supportTargets()
    {
        QCOMPARE(CAbout::SupportTarget("http://zavro.example/help"), QString("http://zavro.example/help"));
        QCOMPARE(CAbout::SupportTarget("https://zavro.example/help"), QString("https://zavro.example/help"));
        QCOMPARE(CAbout::SupportTarget("help@zavro.example"), QString("mailto:help@zavro.example"));
        QCOMPARE(CAbout::SupportTarget("HTTP://zavro.example"), QString("mailto:HTTP://zavro.example"));
    }

    // The Arabic "new version" message, as the update check words it, on the rendered dialog:
    // every line ends at the right edge of the message, and the first reads right to left as a
    // whole, its closing "!" at the line's left end beside the program's Latin name.
    void arabicNewVersionLinesReadRightToLeft()
    {
        QTranslator arabic;
        QVERIFY(arabic.load(QStringLiteral("tidewell_ar"),
                            QCoreApplication::applicationDirPath() + QStringLiteral("/language")));
        QCoreApplication::installTranslator(&arabic);
        QApplication::setLayoutDirection(Qt::RightToLeft);
        for (const double scale : {1.0, 2.0})
        {
            g_dScale = scale;
            WhatsNew dialog;
            dialog.SetVersionText(
                QCoreApplication::translate("CUpdateCheck", "A new version of %1 found! \nCurrent version: "
                                                            "%2\nNew version: %3\n\nWould you like to update "
                                                            "the product?")
                    .arg(QStringLiteral("Tidewell"), QStringLiteral("2.1.0.7"), QStringLiteral("2.2.0.1")));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QLabel* message = nullptr;
            for (QLabel* label : dialog.findChildren<QLabel*>())
                message = label->text().count(QLatin1Char('\n')) >= 3 ? label : message;
            QVERIFY(message);
            const QImage image = message->grab().toImage();
            const QRect ink = InkBounds(image, message->contentsRect());
            const QString where = QStringLiteral(" at scale %1").arg(scale);
            QVERIFY2(ink.right() >= message->contentsRect().right() - ScaledInt(4),
                     qPrintable(QStringLiteral("lines end at %1 of %2").arg(ink.right()).arg(image.width()) +
                                where));
            // The first line's leftmost drawing, up to the first empty column: a "!" is one
            // narrow stroke with its dot apart under it.
            const QRect line(ink.left(), ink.top(), ink.width(), message->fontMetrics().height());
            int right = line.left();
            while (right < line.right() &&
                   !InkBounds(image, QRect(right + 1, line.top(), 1, line.height())).isNull())
                ++right;
            const QRect first =
                InkBounds(image, QRect(line.left(), line.top(), right - line.left() + 1, line.height()));
            int gaps = 0;
            for (int y = first.top() + 1; y < first.bottom(); ++y)
                gaps += InkBounds(image, QRect(first.left(), y, first.width(), 1)).isNull();
            QVERIFY2(first.width() <= ScaledInt(3) && gaps > 0,
                     qPrintable(
                         QStringLiteral("the first line starts on the left with %1 px of ink, %2 empty rows")
                             .arg(first.width())
                             .arg(gaps) +
                         where));
        }
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QCoreApplication::removeTranslator(&arabic);
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
