// Custom labels, buttons and pop-ups.

#include "AppGlobals.h"
#include "CLabelPress.h"
#include "CRichLabel.h"
#include "CShadeLabel.h"
#include "CShowMaxPicture.h"
#include "CStatusBar.h"
#include "CTextButton.h"
#include "CTransPopupWidget.h"
#include "StyleTemplates.h"
#include "WidgetTestEnv.h"

#include <QAbstractEventDispatcher>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>
#include <QTranslator>
#include <QUrl>

namespace
{

void FillSentence(CRichLabel& label)
{
    label.AppendText(QStringLiteral("You can "), CRichLabel::Plain);
    label.AppendText(QStringLiteral("Apply Result"), CRichLabel::Link);
    label.AppendText(QStringLiteral(" now, or "), CRichLabel::Plain);
    label.AppendText(QStringLiteral("Save Project"), CRichLabel::Link);
    label.AppendText(QStringLiteral(" to continue next time."), CRichLabel::Plain);
}

// Moves the pointer over the middle of a segment and presses there.
void ClickSegment(CRichLabel& label, int index)
{
    const auto [left, width] = label.SegmentSpan(index);
    const QPointF at(left + width / 2.0, label.height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, label.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &move);
    QMouseEvent press(QEvent::MouseButtonPress, at, label.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &press);
}

int TimerCount(QObject* object)
{
    return QAbstractEventDispatcher::instance()->registeredTimers(object).size();
}

} // namespace

class LabelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_env = std::make_unique<WidgetTestEnv>(); }
    void cleanupTestCase() { m_env.reset(); }
    void cleanup()
    {
        WidgetTestEnv::SetLanguage(QString());
        g_dScale = 1.0;
    }

    void richLabelReportsTheClickedLink_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("left to right") << QStringLiteral("en");
        QTest::newRow("right to left") << QStringLiteral("ar");
    }
    void richLabelReportsTheClickedLink()
    {
        QFETCH(QString, language);
        WidgetTestEnv::SetLanguage(language);
        CRichLabel label;
        FillSentence(label);
        label.AdjustLabelSize();
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QSignalSpy clicked(&label, &CRichLabel::Clicked);

        ClickSegment(label, 1);
        ClickSegment(label, 3);
        ClickSegment(label, 0); // plain text: no signal
        ClickSegment(label, 4);
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(clicked[0][0].toInt(), 1); // "Apply Result"
        QCOMPARE(clicked[1][0].toInt(), 3); // "Save Project"
        QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);
        // One line high, even though an unplaced label starts with a top-level default height.
        QCOMPARE(label.minimumHeight(), 30);

        if (language == QLatin1String("ar"))
        {
            // Shown reversed: the sentence's end at the left, its start at the right, fixed width.
            QVERIFY(label.IsRightToLeft());
            QCOMPARE(label.SegmentSpan(4).first, 0);
            QVERIFY(label.SegmentSpan(0).first > label.SegmentSpan(1).first);
            // Fixed width: 240, or the whole sentence when it is wider, so no link is cut off.
            const int sentence = label.SegmentSpan(0).first + label.SegmentSpan(0).second;
            QCOMPARE(label.minimumWidth(), qMax(240, sentence));
            QCOMPARE(label.maximumWidth(), label.minimumWidth());
        }
        else
        {
            QCOMPARE(label.SegmentSpan(0).first, 0);
            QVERIFY(label.minimumWidth() >= label.SegmentSpan(4).first + label.SegmentSpan(4).second);
        }
        // Adjusting twice does not turn the order back.
        label.AdjustLabelSize();
        QCOMPARE(label.SegmentSpan(4).first == 0, language == QLatin1String("ar"));
    }

    void richLabelRightToLeftWidthIsFixed()
    {
        WidgetTestEnv::SetLanguage(QStringLiteral("ar"));
        g_dScale = 1.5;
        CRichLabel label;
        label.AppendText(QStringLiteral("a "), CRichLabel::Plain);
        label.AppendText(QStringLiteral("b"), CRichLabel::Link);
        label.AdjustLabelSize();
        QCOMPARE(label.minimumSize(), QSize(360, 45));
        QCOMPARE(label.maximumSize(), QSize(360, 45));
    }

    void richLabelProbesOnlyWhileThePointerIsInside()
    {
        CRichLabel label;
        FillSentence(label);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&label, &enter);
        QCoreApplication::sendEvent(&label, &enter);
        QCOMPARE(TimerCount(&label), 1);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&label, &leave);
        QCOMPARE(TimerCount(&label), 0);

        label.show();
        label.Clear();
        QVERIFY(label.isHidden());
        QCOMPARE(label.SegmentCount(), 0);
    }

    void shadeLabelKeepsADistinctList()
    {
        CShadeLabel label(nullptr);
        QVERIFY(!label.AddText(QString()));
        QVERIFY(label.AddText(QStringLiteral("A")));
        QVERIFY(!label.AddText(QStringLiteral("A")));
        QVERIFY(label.AddText(QStringLiteral("B")));
        QVERIFY(label.AddText(QStringLiteral("C")));
        label.SetText(QStringLiteral("C"));
        QCOMPARE(label.NextText(), QStringLiteral("A"));
        label.SetText(QStringLiteral("A"));
        QCOMPARE(label.NextText(), QStringLiteral("B"));
        label.ShowNextText();
        QCOMPARE(label.text(), QStringLiteral("B"));
        label.SetText(QStringLiteral("elsewhere"));
        QCOMPARE(label.NextText(), QString());
    }

    void shadeLabelStartsAtAFixedTextAndCyclesWithOneTimer()
    {
        CShadeLabel two(nullptr);
        two.setGeometry(300, 300, 120, 20); // away from the pointer, which would pause the cycle
        two.AddText(QStringLiteral("A"));
        two.AddText(QStringLiteral("B"));
        two.SetShadeHidden(false);
        QCOMPARE(two.text(), QStringLiteral("A")); // 7584 % 2
        two.SetShadeHidden(false);
        QCOMPARE(TimerCount(&two), 1);
        QTRY_COMPARE(two.ScrollStep(), 1); // first tick: the text now rests
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&two);
        QCOMPARE(timers.size(), 1);
        QCOMPARE(timers.first().interval, 10000);
        two.SetShadeHidden(true);
        QVERIFY(two.isHidden());
        QCOMPARE(TimerCount(&two), 0);

        CShadeLabel five(nullptr);
        for (const char* text : {"1", "2", "3", "4", "5"})
            five.AddText(QLatin1String(text));
        five.SetShadeHidden(false);
        QCOMPARE(five.text(), QStringLiteral("5")); // 7584 % 5

        CShadeLabel one(nullptr);
        one.AddText(QStringLiteral("only"));
        one.SetShadeHidden(false);
        QCOMPARE(one.text(), QStringLiteral("only"));
        QCOMPARE(TimerCount(&one), 0);
        one.Clear();
        QVERIFY(one.isHidden());
        QVERIFY(one.Texts().isEmpty());
    }

    void shadeLabelRestsThenSlidesToTheNextText()
    {
        CShadeLabel label(nullptr);
        label.setGeometry(300, 300, 120, 3);
        label.AddText(QStringLiteral("A"));
        label.AddText(QStringLiteral("B"));
        label.SetShadeHidden(false);
        auto tick = [&label]
        {
            QTimerEvent event(label.CycleTimerId());
            QCoreApplication::sendEvent(&label, &event);
            const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&label);
            return timers.size() == 1 ? timers.first().interval : -1;
        };
        QCOMPARE(tick(), 10000); // step 1: the text rests
        QCOMPARE(label.ScrollStep(), 1);
        QCOMPARE(tick(), 100); // step 2: it starts to slide
        QCOMPARE(label.text(), QStringLiteral("A"));
        tick(); // step 3 reaches the height: the next text is in place
        QCOMPARE(label.text(), QStringLiteral("B"));
        QCOMPARE(label.ScrollStep(), 0);
        QCOMPARE(tick(), 10000);
        QCOMPARE(label.text(), QStringLiteral("B"));
    }

    void shadeLabelPausesUnderThePointer()
    {
        QStatusBar bar;
        CShadeLabel label(&bar);
        label.AddText(QStringLiteral("First hint"));
        label.AddText(QStringLiteral("Second hint"));
        label.SetShadeHidden(false);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(&label, &enter);
        QCOMPARE(bar.currentMessage(), QStringLiteral("First hint"));
        QCOMPARE(TimerCount(&label), 0);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&label, &leave);
        QVERIFY(bar.currentMessage().isEmpty());
        QCOMPARE(TimerCount(&label), 1);
    }

    // The end-of-fix hints wrap inside the header line in every language at both scales, at any
    // width of the window: no line's last letter reaches the edge it ends at (the left one in
    // Arabic), where the label would cut the ink it draws past its advance.
    void shadeLabelWrapsInsideItsBoxInEveryLanguage()
    {
        // With the count each is shown with (-1: none); a removal that left copies in place says
        // so in short, and names them in a box.
        const std::pair<const char*, int> hints[] = {
            {"No song could be fixed this time. You can edit the songs yourself or try fix again.", -1},
            {"Some songs could not be fixed this time. You can edit them yourself or try fix again.", -1},
            {"Some duplicates could not be moved. Click Remove to try again.", -1},
            {"%n duplicate(s) could not be moved. Click Remove to try again.", 1},
            {"%n duplicate(s) could not be moved. Click Remove to try again.", 1234}};
        QStringList problems;
        for (const char* code : {"en", "de", "jp", "ru", "es", "br", "ar", "fr"})
        {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral("tidewell_%1").arg(QLatin1String(code)),
                                    QCoreApplication::applicationDirPath() + QStringLiteral("/language")));
            for (const double scale : {1.0, 2.0})
            {
                g_dScale = scale;
                CShadeLabel label(nullptr);
                label.setLayoutDirection(QByteArray(code) == "ar" ? Qt::RightToLeft : Qt::LeftToRight);
                // The program's font, as it starts with it.
                QFont font(QStringLiteral("Tahoma"));
                font.setPixelSize(ScaledInt(12));
                label.setFont(font);
                for (const auto& [hint, count] : hints)
                    label.AddText(translator.translate("CMainUI", hint, nullptr, count)
                                      .replace(QStringLiteral("%n"), QString::number(count)));
                label.SetLineHeight(ScaledInt(20));
                for (int width = ScaledInt(300); width <= ScaledInt(560); width += 3)
                {
                    label.resize(width, label.height());
                    for (const QString& text : label.Texts())
                    {
                        label.SetText(text);
                        const QRect ink = InkBounds(label.grab().toImage(), label.rect());
                        const bool cut = label.isRightToLeft() ? ink.left() < 1 : ink.right() > width - 2;
                        if (ink.isNull() || cut || ink.bottom() >= label.height() - 1)
                            problems << QStringLiteral("%1 at scale %2, %3 px: %4")
                                            .arg(QLatin1String(code))
                                            .arg(scale)
                                            .arg(width)
                                            .arg(text);
                    }
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void linkLabelShortensAndOpens()
    {
        CLabelPress fits(QStringLiteral("https://example.org/help"), QStringLiteral("Help"));
        QCOMPARE(fits.width(), 300);
        QVERIFY(fits.toolTip().isEmpty());
        QCOMPARE(fits.text(), QStringLiteral("<u><font color=#4F94CD>Help</font></u>"));

        const QString longText = QString(120, QLatin1Char('w'));
        CLabelPress shortened(QStringLiteral("https://example.org"), longText);
        QCOMPARE(shortened.toolTip(), longText);
        QVERIFY(shortened.text().contains(QStringLiteral("...")));
        QVERIFY(shortened.text().size() < longText.size() + 40);

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
        QTest::mouseClick(&fits, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/help"))});
    }

    void textButtonTooltipAndHover()
    {
        CTextButton button;
        button.resize(60, 20);
        button.SetButtonText(QStringLiteral("Go"));
        QVERIFY(button.toolTip().isEmpty());
        button.SetButtonText(QStringLiteral("A text far too long for sixty pixels"));
        QCOMPARE(button.toolTip(), QStringLiteral("A text far too long for sixty pixels"));
        QCOMPARE(button.font().pixelSize(), 11);

        QSignalSpy clicked(&button, &QPushButton::clicked);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&button, &enter);
        QVERIFY(button.IsHovered());
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
        QVERIFY(!button.IsHovered());
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
    }

    void statusBarShowsTheLogoOnlyWithoutAMessage()
    {
        CStatusBar bar;
        QVERIFY(!bar.Logo().isNull());
        QCOMPARE(bar.Logo().height(), 15);
        QCOMPARE(bar.maximumHeight(), 22);
        bar.resize(400, bar.maximumHeight());
        const QImage withLogo = bar.grab().toImage();
        bar.showMessage(QStringLiteral(" "));
        const QImage withMessage = bar.grab().toImage();
        const QPoint centre(200, 11);
        QVERIFY(withLogo.pixel(centre) != withMessage.pixel(centre) ||
                withLogo.copy(180, 4, 40, 15) != withMessage.copy(180, 4, 40, 15));
    }

    void enlargedPictureScalesItsLongerSide()
    {
        QWidget owner;
        CShowMaxPicture overlay(&owner);
        QCOMPARE(overlay.objectName(), QStringLiteral("enlarge"));
        QCOMPARE(overlay.size(), QSize(376, 376));
        QVERIFY(overlay.isHidden());
        overlay.SetPicture(QPixmap());
        QVERIFY(overlay.isHidden());

        QPixmap wide(600, 400);
        wide.fill(Qt::red);
        overlay.SetPicture(wide);
        QVERIFY(overlay.isVisible());
        QCOMPARE(overlay.PictureLabel()->pixmap().size(), QSize(300, 200));
        QPixmap tall(400, 600);
        tall.fill(Qt::blue);
        overlay.SetPicture(tall);
        QCOMPARE(overlay.PictureLabel()->pixmap().size(), QSize(200, 300));

        auto* close = overlay.findChild<QPushButton*>(QStringLiteral("EnlargeClose"));
        QTest::mousePress(close, Qt::LeftButton);
        QVERIFY(overlay.isHidden());
    }

    // The face fills the whole overlay at scale 2, with no smaller picture's edge inside it.
    void enlargedPictureFaceFillsItAtScale2()
    {
        g_dScale = 2.0;
        QWidget owner;
        CShowMaxPicture overlay(&owner);
        const QImage face = overlay.grab().toImage();
        g_dScale = 1.0;
        const QColor left = face.pixelColor(face.width() / 8, face.height() / 2);
        QCOMPARE(left.alpha(), 255);
        QCOMPARE(face.pixelColor(face.width() * 7 / 8, face.height() * 7 / 8), left);
        QCOMPARE(face.pixelColor(face.width() / 2, face.height() * 7 / 8), left);
    }

    void popupHidesWhenItLosesFocus()
    {
        CTransPopupWidget popup;
        QVERIFY(popup.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(popup.testAttribute(Qt::WA_TranslucentBackground));
        popup.show();
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(&popup, &out);
        QVERIFY(popup.isHidden());
    }

private:
    std::unique_ptr<WidgetTestEnv> m_env;
};

QTEST_MAIN(LabelsTest)
#include "LabelsTest.moc"
