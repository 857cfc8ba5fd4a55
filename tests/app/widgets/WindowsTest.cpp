// Window bases, title bar, layout direction, shared images and the compiled-in resources.

#include "AppGlobals.h"
#include "CDialog.h"
#include "CFramelessWindow.h"
#include "CTitleBar.h"
#include "LanguageDirection.h"
#include "SharedImages.h"
#include "StyleTemplates.h"
#include "UserInputHold.h"
#include "WidgetTestEnv.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QHoverEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMovie>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace
{

QToolButton* Button(QWidget* window, const char* name)
{
    return window->findChild<QToolButton*>(QLatin1String(name));
}

void Hover(QWidget* window, QPoint local)
{
    const QPointF global = window->mapToGlobal(QPointF(local));
    QHoverEvent event(QEvent::HoverMove, QPointF(local), global, QPointF(local));
    QCoreApplication::sendEvent(window, &event);
}

void HoverGlobal(QWidget* window, QPoint global)
{
    const QPointF local = window->mapFromGlobal(QPointF(global));
    QHoverEvent event(QEvent::HoverMove, local, QPointF(global), local);
    QCoreApplication::sendEvent(window, &event);
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(local), target->mapToGlobal(QPointF(local)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

struct ScaleGuard
{
    explicit ScaleGuard(double scale) { g_dScale = scale; }
    ~ScaleGuard() { g_dScale = 1.0; }
};

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_env = std::make_unique<WidgetTestEnv>(); }
    void cleanupTestCase() { m_env.reset(); }
    void cleanup()
    {
        WidgetTestEnv::SetLanguage(QString());
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void resourcesAreCompiledIn()
    {
        const char* titleImages[] = {"min",         "max",      "reduction", "close",
                                     "dialogclose", "close_ar", "menu",      "menu_ar"};
        const char* suffixes[] = {"", "_on", "_down", "_disable"};
        for (const char* image : titleImages)
        {
            for (const char* suffix : suffixes)
            {
                const QString path = QStringLiteral(":/res/res/win/titlebar/%1%2.png")
                                         .arg(QLatin1String(image), QLatin1String(suffix));
                const QImage picture(path);
                QVERIFY2(!picture.isNull(), qPrintable(path));
                QCOMPARE(picture.height(), 21);
                QCOMPARE(picture.width(),
                         QByteArray(image).startsWith("close") || QByteArray(image) == "dialogclose" ? 43
                                                                                                     : 31);
            }
        }
        for (const char* suffix : suffixes)
            QVERIFY(QFile::exists(
                QStringLiteral(":/res/res/win/button/button%1.png").arg(QLatin1String(suffix))));
        QCOMPARE(QImage(QStringLiteral(":/res/res/win/button/button.png")).size(), QSize(84, 24));
        // The image buttons of the program's windows, each with its four looks.
        for (const char* image :
             {"pause",        "continue",     "fixallbut",   "apply",       "return",     "scan",
              "remove",       "home",         "cleanitunes", "musicfolder", "duplicates", "loadsaved",
              "setting",      "musicplay",    "musicpause",  "infoshow",    "infohide",   "removehistory",
              "removeoption", "enlargeclose", "sit",         "add",         "del",        "open",
              "play",         "playing",      "reset"})
        {
            for (const char* suffix : suffixes)
            {
                const QString path = QStringLiteral(":/res/res/win/button/%1%2.png")
                                         .arg(QLatin1String(image), QLatin1String(suffix));
                QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            }
        }
        QCOMPARE(QImage(QStringLiteral(":/res/res/win/button/pause.png")).size(), QSize(132, 43));
        QCOMPARE(QImage(QStringLiteral(":/res/res/win/button/cleanitunes.png")).size(), QSize(205, 195));
        for (const char* picture :
             {"label/fixallok.png", "label/blackmask.png", "label/noartwork.png", "label/dialog_logo.png",
              "label/enlarge_bg.png", "label/msg_warning.png", "list/list_title.png",
              "list/type/unrecognized.png", "Update/textedit.png"})
            QVERIFY2(!QImage(QStringLiteral(":/res/res/win/") + QLatin1String(picture)).isNull(), picture);
        for (const char* movie : {"gif/scanning.gif", "gif/bigloading.gif", "gif/fix_end.gif"})
        {
            QMovie animation(QStringLiteral(":/res/res/win/") + QLatin1String(movie));
            QVERIFY2(animation.isValid() && animation.frameCount() > 1, movie);
        }
        QVERIFY(!QImage(QStringLiteral(":/res/res/win/label/starticon.png")).isNull());
        QVERIFY(!QImage(QStringLiteral(":/res/res/win/label/zavrologo.png")).isNull());

        // The style sheet, with its scale markers.
        QFile sheet(QStringLiteral(":/res/res/tidewell_win.qss"));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        const QByteArray text = sheet.readAll();
        QVERIFY(text.contains("SIZE_1px"));
        QVERIFY(text.contains("QWidget#titleBar"));
    }

    void styleSheetLengthsFollowTheScale()
    {
        g_dScale = 1.5;
        QCOMPARE(ScaledStyleSheet("QLabel{border: SIZE_1px solid; font: SIZE_12px; margin: 3px SIZE_2.5px}"),
                 QString("QLabel{border: 1.5px solid; font: 18px; margin: 3px 3.75px}"));
        // A '-' before the digits and blanks inside the marker, and a marker that is no number.
        QCOMPARE(ScaledStyleSheet("a{margin: SIZE_-2px SIZE_ 1 2px SIZE_ -4 px; b: SIZE_px; c: 2px}"),
                 QString("a{margin: -3px 18px -6px; b: SIZE_px; c: 2px}"));
        const QString sheet = LoadApplicationStyleSheet();
        QVERIFY(!sheet.isEmpty());
        const QRegularExpression marker("SIZE_\\d");
        QVERIFY(!sheet.contains(marker));
        QVERIFY(sheet.contains("1.5px"));
        g_dScale = 1.0;
        QVERIFY(!LoadApplicationStyleSheet().contains(marker));
    }

    // Under the program's style sheet a list's sort mark and a combo box's arrow are drawn, and
    // twice as large at scale 2.
    void sortMarkAndComboArrowFollowTheScale()
    {
        // What a change of one property draws, as the bounds of the pixels it changes.
        const auto changed = [](QWidget* widget, const std::function<void(bool)>& shown)
        {
            shown(false);
            const QImage without = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
            shown(true);
            const QImage with = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QRect ink;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    if (with.pixel(x, y) != without.pixel(x, y))
                        ink |= QRect(x, y, 1, 1);
            return ink.size();
        };
        QSize mark[2];
        QSize arrow[2];
        for (const int scale : {1, 2})
        {
            ScaleGuard guard(scale);
            qApp->setStyleSheet(LoadApplicationStyleSheet());
            QTreeWidget list;
            list.setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Path")});
            list.header()->resizeSection(0, ScaledInt(200));
            list.resize(ScaledInt(400), ScaledInt(200));
            list.setSortingEnabled(true);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            mark[scale - 1] =
                changed(list.header(), [&](bool on) { list.header()->setSortIndicatorShown(on); });
            QComboBox box;
            box.addItems({QStringLiteral("Deutsch"), QStringLiteral("English")});
            box.resize(ScaledInt(160), box.sizeHint().height());
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            // The arrow is all that an empty box draws in its drop-down part.
            QStyleOptionComboBox option;
            option.initFrom(&box);
            const QRect dropDown =
                box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &box);
            arrow[scale - 1] = InkBounds(box.grab().toImage(), dropDown.adjusted(1, 2, -1, -2)).size();
        }
        qApp->setStyleSheet(QString());
        for (const QSize* sizes : {mark, arrow})
            QVERIFY2(sizes[0].width() >= 5 && qAbs(sizes[1].width() - 2 * sizes[0].width()) <= 2 &&
                         qAbs(sizes[1].height() - 2 * sizes[0].height()) <= 2,
                     qPrintable(QStringLiteral("%1x%2 at scale 1, %3x%4 at scale 2")
                                    .arg(sizes[0].width())
                                    .arg(sizes[0].height())
                                    .arg(sizes[1].width())
                                    .arg(sizes[1].height())));
    }

    void sharedImagesAreScaledAndFreed()
    {
        ScaleGuard scale(1.5);
        LoadSharedImages();
        QVERIFY(g_pixArtworkDefault && g_pixCheck && g_movieArtworkRun && g_iconNone);
        QCOMPARE(g_pixArtworkDefault->size(), QSize(150, 150));
        QCOMPARE(g_pixCheck->size(), QSize(22, 21)); // 15 x 1.5 = 22.5 and 14 x 1.5 = 21, truncated
        QCOMPARE(g_pixExpand->size(), QSize(36, 36));
        QCOMPARE(g_movieArtworkRun->scaledSize(), QSize(48, 48));
        QVERIFY(g_movieArtworkRun->isValid());
        QVERIFY(g_iconNone->isNull());
        QVERIFY(!g_iconComplete->pixmap(16, QIcon::Disabled, QIcon::On).isNull());
        QVERIFY(!g_iconOpen->pixmap(16, QIcon::Selected, QIcon::On).isNull());
        QVERIFY(!g_imgLabelLeft->isNull() && !g_imgLabelCenter->isNull() && !g_imgLabelRight->isNull());

        FreeSharedImages();
        QVERIFY(!g_pixArtworkDefault && !g_pixArtworkFailed && !g_iconArtworkDefault && !g_movieArtworkRun);
        QVERIFY(!g_iconNone && !g_iconDelete && !g_pixArtworkLoadUncheck && !g_imgLabelRight);
        FreeSharedImages(); // a second free does nothing
    }

    void languageDirectionFollowsArabicOnly()
    {
        QWidget widget;
        WidgetTestEnv::SetLanguage(QStringLiteral("ar"));
        ApplyLanguageDirection(&widget);
        QCOMPARE(widget.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);

        // Only "ar" exactly: the widget goes back, the application's default stays.
        for (const char* other : {"AR", "ar_EG", "en"})
        {
            widget.setLayoutDirection(Qt::RightToLeft);
            WidgetTestEnv::SetLanguage(QLatin1String(other));
            ApplyLanguageDirection(&widget);
            QCOMPARE(widget.layoutDirection(), Qt::LeftToRight);
            QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        }
        ApplyLanguageDirection(nullptr);
    }

    void titleBarButtonsAct()
    {
        CFramelessWindow window;
        window.SetTitle(QStringLiteral("Library"));
        window.setGeometry(120, 90, 500, 360);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("titleText"))->text(), QStringLiteral("  Library"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Library"));

        const QRect before = window.geometry();
        QToolButton* maximize = Button(&window, "maximize");
        QVERIFY(maximize && maximize->isCheckable());
        maximize->click();
        QVERIFY(window.GetTitleBar()->IsMaximized());
        QVERIFY(maximize->isChecked());
        QCOMPARE(window.geometry(), window.screen()->availableGeometry());
        QVERIFY(maximize->styleSheet().contains(QStringLiteral("titlebar/reduction.png")));
        maximize->click();
        QVERIFY(!window.GetTitleBar()->IsMaximized());
        QVERIFY(!maximize->isChecked());
        QCOMPARE(window.geometry(), before);

        Button(&window, "minimize")->click();
        QVERIFY(window.isMinimized());
        window.showNormal();

        Button(&window, "close")->click();
        QVERIFY(!window.isVisible());
    }

    void doubleClickEnlargesOnlyResizableWindows()
    {
        CFramelessWindow window;
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseDClick(window.GetTitleBar(), Qt::LeftButton, {}, QPoint(100, 10));
        QVERIFY(window.GetTitleBar()->IsMaximized());
        window.GetTitleBar()->showMaxRestore();

        window.SetFixedSize(400, 300);
        QVERIFY(Button(&window, "minimize")->isHidden());
        QVERIFY(Button(&window, "maximize")->isHidden());
        QVERIFY(Button(&window, "close")->styleSheet().contains(QStringLiteral("titlebar/dialogclose.png")));
        QTest::mouseDClick(window.GetTitleBar(), Qt::LeftButton, {}, QPoint(100, 10));
        QVERIFY(!window.GetTitleBar()->IsMaximized());
    }

    void dialogClosedByTitleBarAnswersZero()
    {
        CDialog dialog;
        dialog.SetFixedSize(300, 160);
        dialog.SetTitle(QStringLiteral("Question"));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QTimer::singleShot(50, &dialog, [&dialog] { Button(&dialog, "close")->click(); });
        QCOMPARE(dialog.exec(), 0);
    }

    void addLayoutReplacesTheContent()
    {
        CDialog dialog;
        auto* first = new QVBoxLayout();
        dialog.AddLayout(first);
        auto* second = new QHBoxLayout();
        dialog.AddLayout(second);
        QCOMPARE(dialog.layout()->count(), 2);
        QCOMPARE(dialog.layout()->itemAt(0)->widget(), dialog.GetTitleBar());
        QCOMPARE(dialog.layout()->itemAt(1)->layout(), second);
    }

    void rightToLeftMirrorsTheTitleBar()
    {
        ScaleGuard scale(1.5);
        WidgetTestEnv::SetLanguage(QStringLiteral("ar"));
        CFramelessWindow window;
        auto* bar = new QMenuBar();
        bar->addMenu(new QMenu(bar)); // the program's one menu, drawn as the menu picture
        window.SetMenuBar(bar);
        window.ApplyLanguageDirection();
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QWidget* menu = window.findChild<QWidget*>(QStringLiteral("menubar"));
        QVERIFY(menu);
        QToolButton* close = Button(&window, "close");
        QToolButton* minimize = Button(&window, "minimize");
        QLabel* title = window.findChild<QLabel*>(QStringLiteral("titleText"));
        QVERIFY(close->x() < minimize->x());
        QVERIFY(minimize->x() < title->x());
        QVERIFY(close->styleSheet().contains(QStringLiteral("titlebar/close_ar.png")));
        QVERIFY(menu->styleSheet().contains(QStringLiteral("titlebar/menu_ar.png")));
        QVERIFY(minimize->styleSheet().contains(QStringLiteral("min-width: 46.5px")));
        // The menu picture is drawn at the scale, as large as in a left-to-right window.
        const QRect rightToLeftMenu = InkBounds(menu->grab().toImage(), menu->rect());

        // Back to a left-to-right language while running: the window turns, the default stays.
        WidgetTestEnv::SetLanguage(QStringLiteral("en"));
        window.ApplyLanguageDirection();
        window.UpdateTitleBarDirection();
        QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        QVERIFY(close->styleSheet().contains(QStringLiteral("titlebar/close.png")));
        QVERIFY(menu->styleSheet().contains(QStringLiteral("min-width: 46.5px")));
        QTRY_VERIFY(close->x() > minimize->x());
        const QRect leftToRightMenu = InkBounds(menu->grab().toImage(), menu->rect());
        QVERIFY(!leftToRightMenu.isNull());
        QCOMPARE(rightToLeftMenu.size(), leftToRightMenu.size());
    }

    void edgesSetTheCursor()
    {
        CFramelessWindow window;
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int bar = window.GetTitleBar()->height();
        struct Probe
        {
            QPoint at;
            Qt::CursorShape shape;
        };
        const Probe probes[] = {
            {{1, 150}, Qt::SizeHorCursor},   {{398, 150}, Qt::SizeHorCursor},
            {{3, bar}, Qt::ArrowCursor},     {{1, 5}, Qt::ArrowCursor}, // beside the title bar
            {{1, 298}, Qt::SizeBDiagCursor}, {{397, 299}, Qt::SizeFDiagCursor},
            {{200, 296}, Qt::SizeVerCursor}, {{200, 0}, Qt::ArrowCursor}, // no top edge
            {{200, 150}, Qt::ArrowCursor},   {{5, 150}, Qt::ArrowCursor},
        };
        for (const Probe& probe : probes)
        {
            Hover(&window, probe.at);
            QVERIFY2(window.cursor().shape() == probe.shape,
                     qPrintable(QStringLiteral("at %1,%2").arg(probe.at.x()).arg(probe.at.y())));
        }
    }

    void edgesResizeAndStopAtTheMinimum()
    {
        CFramelessWindow window;
        window.setMinimumSize(200, 150);
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The rounded shape is the window's size at every size it takes: corners cut, edges whole.
        const auto shapeFits = [&window]
        {
            window.repaint();
            const QRegion shape = window.mask();
            const QRect all = window.rect();
            return shape.boundingRect() == all && shape.contains(all.center()) &&
                   !shape.contains(all.topLeft()) && !shape.contains(all.bottomRight());
        };
        QVERIFY(shapeFits());

        // Right edge: follows the pointer.
        Hover(&window, {398, 150});
        SendMouse(&window, QEvent::MouseButtonPress, {398, 150});
        HoverGlobal(&window, window.geometry().topLeft() + QPoint(449, 150));
        QCOMPARE(window.width(), 450);
        QVERIFY(shapeFits());
        SendMouse(&window, QEvent::MouseButtonRelease, {449, 150});

        // Left edge dragged far right: the left edge stops at the minimum width, the right stays.
        const int right = window.geometry().right();
        Hover(&window, {1, 150});
        SendMouse(&window, QEvent::MouseButtonPress, {1, 150});
        HoverGlobal(&window, QPoint(right + 100, window.geometry().top() + 150));
        QCOMPARE(window.geometry().right(), right);
        QCOMPARE(window.width(), 201);
        SendMouse(&window, QEvent::MouseButtonRelease, {1, 150});

        // Bottom edge, followed by plain mouse moves while the button is held.
        Hover(&window, {100, 298});
        SendMouse(&window, QEvent::MouseButtonPress, {100, 298});
        const QPoint below = window.geometry().topLeft() + QPoint(100, 339);
        QMouseEvent drag(QEvent::MouseMove, window.mapFromGlobal(QPointF(below)), QPointF(below),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drag);
        QCOMPARE(window.height(), 340);
        SendMouse(&window, QEvent::MouseButtonRelease, {100, 339});
        QCoreApplication::sendEvent(&window, &drag);
        QCOMPARE(window.height(), 340);
        QVERIFY(shapeFits());

        // A fixed-size window ignores its edges.
        window.SetFixedSize(300, 200);
        Hover(&window, {1, 150});
        SendMouse(&window, QEvent::MouseButtonPress, {1, 150});
        HoverGlobal(&window, window.geometry().topLeft() + QPoint(60, 150));
        QCOMPARE(window.size(), QSize(300, 200));
    }

    void titleBarDragsTheWindow()
    {
        CFramelessWindow window;
        window.setGeometry(100, 100, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CTitleBar* bar = window.GetTitleBar();

        SendMouse(bar, QEvent::MouseButtonPress, {50, 10});
        const QPoint press(50, 10);
        QMouseEvent move(QEvent::MouseMove, QPointF(80, 30), QPointF(260, 240), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &move);
        QCOMPARE(window.pos(), QPoint(260, 240) - press);
        SendMouse(bar, QEvent::MouseButtonRelease, {80, 30});

        // After the release the bar no longer drags.
        const QPoint settled = window.pos();
        QCoreApplication::sendEvent(bar, &move);
        QCOMPARE(window.pos(), settled);

        // A press at the window's very top-left pixel starts no drag.
        SendMouse(bar, QEvent::MouseButtonPress, {0, 0});
        QCoreApplication::sendEvent(bar, &move);
        QCOMPARE(window.pos(), settled);
        SendMouse(bar, QEvent::MouseButtonRelease, {0, 0});

        // A fixed-size window moves by the pointer's displacement.
        window.SetFixedSize(400, 300);
        SendMouse(bar, QEvent::MouseButtonPress, {50, 10});
        QMouseEvent shift(QEvent::MouseMove, QPointF(70, 25), window.mapToGlobal(QPointF(70, 25)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &shift);
        QCOMPARE(window.pos(), settled + QPoint(20, 15));
    }

    // A wait that runs the event loop holds back the user's clicks and keys, nested or not, while
    // the queued work it waits for still arrives; once it ends the same click acts again.
    void userInputIsHeldWhileAWaitRuns()
    {
        QWidget window;
        auto* button = new QPushButton(QStringLiteral("Start"), &window);
        int pressed = 0;
        connect(button, &QPushButton::clicked, [&] { ++pressed; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setFocus();

        bool delivered = false;
        {
            const CUserInputHold held;
            QMetaObject::invokeMethod(
                &window, [&] { delivered = true; }, Qt::QueuedConnection);
            {
                const CUserInputHold nested;
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClick(button, Qt::Key_Space);
            QVERIFY(QTest::qWaitFor([&] { return delivered; }, 5000));
            QCOMPARE(pressed, 0);
        }
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(pressed, 1);
    }

private:
    std::unique_ptr<WidgetTestEnv> m_env;
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
