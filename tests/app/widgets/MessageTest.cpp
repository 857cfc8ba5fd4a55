// The message box, its answer seam and the duplicate-removal confirmation.

#include "AppGlobals.h"
#include "AppSettings.h"
#include "CMessageSeam.h"
#include "CMessgboxEx.h"
#include "CWarnMessage.h"
#include "FileDialogs.h"
#include "QtTranslation.h"
#include "ScaledStyle.h"
#include "StyleTemplates.h"
#include "WidgetTestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <tuple>

namespace
{

QPushButton* MessageButton(QWidget* box, int number)
{
    return box->findChild<QPushButton*>(QStringLiteral("MessageBut%1").arg(number));
}

// The innermost visible message box: the modal window opened last.
QWidget* OpenBox()
{
    auto* box = qobject_cast<CWarnMessage*>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}

// Presses button `number` of the next box shown (0: its title-bar close button).
void PressWhenShown(int number)
{
    WhenVisible(OpenBox,
                [number](QWidget* box)
                {
                    if (number == 0)
                        box->findChild<QToolButton*>(QStringLiteral("close"))->click();
                    else
                        MessageButton(box, number)->click();
                });
}

// Types the keys into the next box shown, each where the keyboard sends it (the focused widget),
// and notes which button had the focus before each key.
void TypeWhenShown(std::function<QWidget*()> finder, const QList<Qt::Key>& keys,
                   QStringList* focused = nullptr)
{
    WhenVisible(std::move(finder),
                [keys, focused](QWidget* box)
                {
                    QVERIFY(QTest::qWaitForWindowActive(box));
                    for (const Qt::Key key : keys)
                    {
                        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
                        if (focused)
                            *focused << target->objectName();
                        QTest::keyClick(target, key);
                    }
                    // A box the keys did not answer is closed, so the case fails instead of waiting.
                    const QPointer<QWidget> alive(box);
                    QTimer::singleShot(3000, box,
                                       [alive]
                                       {
                                           if (alive && alive->isVisible())
                                               alive->close();
                                       });
                });
}

// The program's look at a scale, as it starts with it (font, style, style sheet); scale 0 puts the
// test's own look back.
void UseProgramLook(int scale)
{
    static const QFont testFont = QApplication::font();
    g_dScale = std::max(scale, 1);
    qApp->setStyleSheet(QString());
    if (scale == 0)
    {
        QApplication::setFont(testFont);
        QApplication::setStyle(QStringLiteral("Fusion"));
        return;
    }
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(ScaledInt(12));
    QApplication::setFont(font);
    QApplication::setStyle(new CScaledStyle);
    qApp->setStyleSheet(LoadApplicationStyleSheet());
}

// Runs check in every interface language (ours and Qt's translation installed, Arabic right to
// left) at scale 1 and 2 in the program's look, then puts the test's English look back.
void InEveryLanguageAndScale(const std::function<void(const QString& code, int scale)>& check)
{
    for (const QString code : {"en", "de", "jp", "ru", "es", "br", "ar", "fr"})
    {
        QTranslator ours;
        QVERIFY(ours.load("tidewell_" + code, QCoreApplication::applicationDirPath() + "/language"));
        QCoreApplication::installTranslator(&ours);
        InstallQtTranslationFor(&ours);
        QApplication::setLayoutDirection(code == "ar" ? Qt::RightToLeft : Qt::LeftToRight);
        for (const int scale : {1, 2})
        {
            UseProgramLook(scale);
            check(code, scale);
        }
        QCoreApplication::removeTranslator(&ours);
    }
    InstallQtTranslationFor(nullptr);
    QApplication::setLayoutDirection(Qt::LeftToRight);
    UseProgramLook(0);
}

int Show(int type, int countdown = 0)
{
    return CWarnMessage::ShowMessage(nullptr, QStringLiteral("Tidewell"),
                                     QStringLiteral("Apply the changes?"), type, QStringLiteral("Yes"),
                                     QStringLiteral("No"), QStringLiteral("Later"), countdown);
}

} // namespace

class MessageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_env = std::make_unique<WidgetTestEnv>(); }
    void cleanupTestCase() { m_env.reset(); }

    void typeSetsTheButtons_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("0: one OK") << 0 << QStringList{QStringLiteral("OK")};
        QTest::newRow("1: first") << 1 << QStringList{QStringLiteral("Yes")};
        QTest::newRow("2: two") << 2 << QStringList{QStringLiteral("Yes"), QStringLiteral("No")};
        for (int type : {3, 7, -1})
            QTest::addRow("%d: three", type)
                << type << QStringList{QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Later")};
    }
    void typeSetsTheButtons()
    {
        QFETCH(int, type);
        QFETCH(QStringList, shown);
        CWarnMessage box(nullptr, QStringLiteral("T"), QStringLiteral("Text"), type, QStringLiteral("Yes"),
                         QStringLiteral("No"), QStringLiteral("Later"), 0);
        QStringList visible;
        for (int i = 1; i <= 3; ++i)
        {
            if (!MessageButton(&box, i)->isHidden())
                visible << MessageButton(&box, i)->text();
        }
        QCOMPARE(visible, shown);
        QCOMPARE(box.windowModality(), Qt::ApplicationModal); // even without a parent
        QCOMPARE(box.size(), QSize(420, 150));
        QVERIFY(!box.findChild<QTimer*>());
    }

    void pressedButtonIsAnswered_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("press");
        QTest::newRow("OK") << 0 << 1;
        QTest::newRow("second of two") << 2 << 2;
        QTest::newRow("third of three") << 3 << 3;
        QTest::newRow("first of three") << 3 << 1;
        QTest::newRow("title-bar close") << 3 << 0;
    }
    void pressedButtonIsAnswered()
    {
        QFETCH(int, type);
        QFETCH(int, press);
        PressWhenShown(press);
        QCOMPARE(Show(type), press);
        QVERIFY(!OpenBox());
    }

    void escapeAnswersZero()
    {
        WhenVisible(OpenBox, [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(Show(2), 0);
    }

    // Every question can be answered from the keyboard: Return takes the first button, Tab and
    // the arrow keys move between the buttons, Space presses the one chosen.
    void keyboardAnswersTheBox_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("focused");
        const QString first = QStringLiteral("MessageBut1");
        const QString second = QStringLiteral("MessageBut2");
        const QString third = QStringLiteral("MessageBut3");
        QTest::newRow("Return") << 3 << QList<Qt::Key>{Qt::Key_Return} << 1 << QStringList{first};
        QTest::newRow("Tab, Tab, Space") << 3 << QList<Qt::Key>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << 3
                                         << QStringList{first, second, third};
        QTest::newRow("Tab past the last") << 2 << QList<Qt::Key>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}
                                           << 1 << QStringList{first, second, first};
        QTest::newRow("Right, Space")
            << 3 << QList<Qt::Key>{Qt::Key_Right, Qt::Key_Space} << 2 << QStringList{first, second};
        QTest::newRow("Right, Left, Return")
            << 2 << QList<Qt::Key>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Return} << 1
            << QStringList{first, second, first};
        QTest::newRow("Tab, Escape") << 3 << QList<Qt::Key>{Qt::Key_Tab, Qt::Key_Escape} << 0
                                     << QStringList{first, second};
    }
    void keyboardAnswersTheBox()
    {
        QFETCH(int, type);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, answer);
        QFETCH(QStringList, focused);
        QStringList seen;
        TypeWhenShown(OpenBox, keys, &seen);
        QCOMPARE(Show(type), answer);
        QCOMPARE(seen, focused);
        QVERIFY(!OpenBox());
    }

    // The chosen button is seen: its picture changes when the focus leaves it, with the pointer
    // nowhere near.
    void focusedButtonIsSeen()
    {
        CWarnMessage box(nullptr, QStringLiteral("T"), QStringLiteral("Text"), 2, QStringLiteral("Yes"),
                         QStringLiteral("No"), QString(), 0);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QPushButton* first = MessageButton(&box, 1);
        QVERIFY(first->hasFocus());
        const QImage focused = first->grab().toImage();
        QTest::keyClick(first, Qt::Key_Tab);
        QVERIFY(MessageButton(&box, 2)->hasFocus());
        QVERIFY(first->grab().toImage() != focused);
    }

    void countdownTakesTheFirstButton()
    {
        QStringList seen;
        auto* probe = new QTimer(this);
        connect(probe, &QTimer::timeout, this,
                [&seen]
                {
                    if (QWidget* box = OpenBox();
                        box && (seen.isEmpty() || seen.last() != MessageButton(box, 1)->text()))
                        seen << MessageButton(box, 1)->text();
                });
        probe->start(20);
        QElapsedTimer clock;
        clock.start();
        const int answer =
            CWarnMessage::ShowMessage(nullptr, QStringLiteral("Update"), QStringLiteral("Closing"), 1,
                                      QStringLiteral("Close"), QString(), QString(), 2);
        const qint64 elapsed = clock.elapsed();
        delete probe;
        QCOMPARE(answer, 1);
        QVERIFY2(elapsed >= 1900, qPrintable(QString::number(elapsed)));
        QVERIFY(seen.size() >= 2);
        QCOMPARE(seen.mid(0, 2), (QStringList{QStringLiteral("Close(2)"), QStringLiteral("Close(1)")}));
    }

    void answerStopsTheCountdown()
    {
        CWarnMessage box(nullptr, QStringLiteral("T"), QStringLiteral("Text"), 2, QStringLiteral("Yes"),
                         QStringLiteral("No"), QString(), 1);
        QTimer::singleShot(0, &box, [&box] { MessageButton(&box, 2)->click(); });
        box.exec();
        QVERIFY(!box.findChild<QTimer*>()->isActive());
        QTest::qWait(1200); // past the moment the countdown would have fired
        QCOMPARE(box.Result(), 2);
    }

    void countdownSuffixOnTheOkButton()
    {
        CWarnMessage box(nullptr, QStringLiteral("T"), QStringLiteral("Text"), 0, QStringLiteral("Ignored"),
                         QString(), QString(), 5);
        QCOMPARE(MessageButton(&box, 1)->text(), QStringLiteral("OK(5)"));
        QVERIFY(box.findChild<QTimer*>());
        box.SecondRed();
        QCOMPARE(MessageButton(&box, 1)->text(), QStringLiteral("OK(4)"));
        QCOMPARE(box.Result(), 0);

        CWarnMessage negative(nullptr, QStringLiteral("T"), QStringLiteral("Text"), 1, QStringLiteral("Go"),
                              QString(), QString(), -3);
        QCOMPARE(MessageButton(&negative, 1)->text(), QStringLiteral("Go"));
        QVERIFY(!negative.findChild<QTimer*>());
    }

    // A box opened while another waits keeps its own answer, and so does the outer one.
    void nestedBoxesKeepTheirOwnAnswers()
    {
        int inner = -1;
        WhenVisible(OpenBox,
                    [&inner](QWidget* outer)
                    {
                        // The inner box opens from the outer box's event loop, as a slot during a countdown
                        // would.
                        QTimer::singleShot(0, outer,
                                           [&inner]
                                           {
                                               PressWhenShown(3);
                                               inner = Show(3);
                                               // Back in the outer box: close it by its title bar.
                                               PressWhenShown(0);
                                           });
                    });
        const int outer = Show(2);
        QCOMPARE(inner, 3);
        QCOMPARE(outer, 0);

        // And the other way round: the inner box is closed, the outer answered.
        WhenVisible(OpenBox,
                    [&inner](QWidget* outerBox)
                    {
                        QTimer::singleShot(0, outerBox,
                                           [&inner]
                                           {
                                               PressWhenShown(0);
                                               inner = Show(3);
                                               PressWhenShown(2);
                                           });
                    });
        QCOMPARE(Show(2), 2);
        QCOMPARE(inner, 0);
    }

    void parentDestroyedWhileTheBoxWaits()
    {
        auto* parent = new QWidget();
        parent->show();
        WhenVisible(OpenBox, [parent](QWidget*) { parent->deleteLater(); });
        const int answer =
            CWarnMessage::ShowMessage(parent, QStringLiteral("T"), QStringLiteral("Text"), 2,
                                      QStringLiteral("Yes"), QStringLiteral("No"), QString(), 0);
        QCOMPARE(answer, 0);
        QVERIFY(!OpenBox());
    }

    void filePickersAskTheSeamToo()
    {
        QList<FileQuestion> asked;
        {
            CMessageSeam::FileScope scope(
                [&asked](const FileQuestion& question)
                {
                    asked << question;
                    return QStringList{"/music/a.mp3", "/music/b.flac"};
                });
            QCOMPARE(GetOpenFileNames(nullptr, "Add Music", "/music", "Audio (*.mp3 *.flac)"),
                     QStringList({"/music/a.mp3", "/music/b.flac"}));
            {
                CMessageSeam::FileScope cancelled([](const FileQuestion&) { return QStringList(); });
                QVERIFY(GetOpenFileNames(nullptr, "Add Music", "/music", "").isEmpty());
            }
        }
        QVERIFY(!CMessageSeam::IsFileAnswererInstalled());
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().caption, QString("Add Music"));
        QCOMPARE(asked.first().filter, QString("Audio (*.mp3 *.flac)"));
    }

    // Without an answerer the real picker opens, as much larger at scale 2 as its texts are.
    void filePickersOpenAtTheScale()
    {
        QSize opened[2];
        for (const int scale : {1, 2})
        {
            g_dScale = scale;
            WhenVisible([] { return TopLevelOf<QFileDialog>(); },
                        [&opened, scale](QWidget* dialog)
                        {
                            opened[scale - 1] = dialog->size();
                            qobject_cast<QFileDialog*>(dialog)->reject();
                        });
            QVERIFY(
                GetSaveFileName(nullptr, "Save Project", QDir::homePath(), "files (*.zavrodata)").isEmpty());
        }
        g_dScale = 1.0;
        QVERIFY2(opened[1].width() >= 2 * opened[0].width() - 2 &&
                     opened[1].height() >= 2 * opened[0].height() - 2,
                 qPrintable(QStringLiteral("%1x%2 at scale 1, %3x%4 at scale 2")
                                .arg(opened[0].width())
                                .arg(opened[0].height())
                                .arg(opened[1].width())
                                .arg(opened[1].height())));
    }

    // The real picker in every language at both scales: Qt's own texts and the project filter in
    // the language, the buttons' texts clear of their borders, the icons at the scale, and in
    // Arabic the folder path read left to right.
    void filePickersSpeakTheLanguage()
    {
        const QStringList parts{"lookInLabel", "fileNameLabel", "fileTypeLabel"};
        QStringList english;
        QStringList problems;
        int iconInk[2] = {};
        InEveryLanguageAndScale(
            [&](const QString& code, int scale)
            {
                const QString where = QStringLiteral("%1 at scale %2: ").arg(code).arg(scale);
                WhenVisible(
                    [] { return TopLevelOf<QFileDialog>(); },
                    [&](QWidget* dialog)
                    {
                        QStringList texts;
                        for (const QString& part : parts)
                            texts << dialog->findChild<QLabel*>(part)->text();
                        for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
                        {
                            texts << button->text();
                            if (TextClearance(button) < ScaledInt(6))
                                problems << where + button->text() + " touches its border";
                        }
                        if (code == "en")
                            english = texts;
                        for (const QString& text : texts)
                            if (code != "en" && english.contains(text))
                                problems << where + text + " in English";
                        const QString filter = dialog->findChild<QComboBox*>("fileTypeCombo")->currentText();
                        if (!filter.endsWith("(*.zavrodata)") || (code != "en" && filter.startsWith("files")))
                            problems << where + "project filter " + filter;
                        auto* back = dialog->findChild<QToolButton*>("backButton");
                        iconInk[scale - 1] = InkBounds(back->grab().toImage(), back->rect()).width();
                        // The path's ink (what changes when its text is not drawn) starts at
                        // the field's left, after the icon.
                        auto* lookIn = dialog->findChild<QComboBox*>("lookInCombo");
                        const QImage shown = lookIn->grab().toImage();
                        lookIn->setStyleSheet("QComboBox{color: transparent;}");
                        const QImage blank = lookIn->grab().toImage();
                        QStyleOptionComboBox option;
                        option.initFrom(lookIn);
                        const QRect field = lookIn->style()->subControlRect(
                            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, lookIn);
                        int pathLeft = field.right();
                        for (int y = field.top(); y <= field.bottom(); ++y)
                            for (int x = field.left(); x < pathLeft; ++x)
                                if (shown.pixel(x, y) != blank.pixel(x, y))
                                    pathLeft = x;
                        if (pathLeft > field.left() + field.width() / 8)
                            problems << where + "the folder path does not read left to right";
                        qobject_cast<QFileDialog*>(dialog)->reject();
                    });
                GetSaveFileName(nullptr, "Save Project", QDir::homePath(), ProjectFileFilter());
            });
        if (iconInk[1] < 2 * iconInk[0] - 2)
            problems
                << QStringLiteral("icon %1 px at scale 1, %2 at scale 2").arg(iconInk[0]).arg(iconInk[1]);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // The removal confirmation in every language at both scales: its texts inside the box, each
    // button's text clear of its picture's edges, the buttons clear of the bottom edge.
    void removalConfirmationFitsEveryLanguage()
    {
        QStringList problems;
        InEveryLanguageAndScale(
            [&problems](const QString& code, int scale)
            {
                CMessgboxEx box;
                box.show();
                QVERIFY(QTest::qWaitForWindowExposed(&box));
                const QString where = QStringLiteral("%1 at scale %2: ").arg(code).arg(scale);
                for (QWidget* part : box.findChildren<QWidget*>())
                {
                    const QRect inBox(part->mapTo(&box, QPoint(0, 0)), part->size());
                    if (part->isVisible() && !box.rect().contains(inBox))
                        problems << where + part->metaObject()->className() + " outside the box";
                    auto* button = qobject_cast<QPushButton*>(part);
                    if (button && TextClearance(button) < ScaledInt(6))
                        problems << where + button->text() + " against its sides";
                    if (button && box.height() - inBox.bottom() < ScaledInt(8))
                        problems << where + button->text() + " on the bottom edge";
                }
            });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void seamAnswersWithoutAWindow()
    {
        QList<MessageQuestion> asked;
        {
            CMessageSeam::Scope scope(
                [&asked](const MessageQuestion& question)
                {
                    asked << question;
                    return question.type == 0 ? 1 : 3;
                });
            QVERIFY(CMessageSeam::IsInstalled());
            QCOMPARE(CWarnMessage::ShowMessage(nullptr, QStringLiteral("Title"), QStringLiteral("Saved."), 0,
                                               QStringLiteral("Fine"), QString(), QString(), 4),
                     1);
            QVERIFY(!OpenBox());
            // An answer naming a button that is not shown counts as closed.
            QCOMPARE(Show(2), 0);
            QCOMPARE(Show(3), 3);
            {
                CMessageSeam::Scope inner([](const MessageQuestion&) { return 2; });
                QCOMPARE(Show(3), 2);
            }
            QCOMPARE(Show(3), 3);
        }
        QVERIFY(!CMessageSeam::IsInstalled());
        QCOMPARE(asked.size(), 4); // the inner answerer's question is not seen outside
        QCOMPARE(asked[0].title, QStringLiteral("Title"));
        QCOMPARE(asked[0].text, QStringLiteral("Saved."));
        QCOMPARE(asked[0].buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(asked[0].countdown, 4);
        QCOMPARE(asked[1].buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    }

    void removalConfirmationStoresTheCheckBox()
    {
        CAppSettings* settings = GetAppSettings();
        {
            settings->SetMsgDshow(0);
            CMessgboxEx box;
            QCOMPARE(box.size(), QSize(400, 130));
            box.CheckBox()->setChecked(true);
            QTimer::singleShot(
                50, &box, [&box] { box.findChild<QPushButton*>(QStringLiteral("MsgRemoveBut"))->click(); });
            QCOMPARE(box.exec(), int(QDialog::Accepted));
            QCOMPARE(settings->GetMsgDshow(), 2);
        }
        {
            // Cancel stores the state too.
            CMessgboxEx box;
            box.CheckBox()->setChecked(false);
            QTimer::singleShot(
                50, &box, [&box] { box.findChild<QPushButton*>(QStringLiteral("MsgCancelBut"))->click(); });
            QCOMPARE(box.exec(), int(QDialog::Rejected));
            QCOMPARE(settings->GetMsgDshow(), 0);
        }
        {
            // The title-bar close stores nothing.
            settings->SetMsgDshow(7);
            CMessgboxEx box;
            box.CheckBox()->setChecked(true);
            QTimer::singleShot(50, &box,
                               [&box] { box.findChild<QToolButton*>(QStringLiteral("close"))->click(); });
            QCOMPARE(box.exec(), int(QDialog::Rejected));
            QCOMPARE(settings->GetMsgDshow(), 7);
        }
        {
            // From the keyboard: Return removes; Tab (or an arrow) and Space cancel; Escape closes.
            const std::tuple<QList<Qt::Key>, int, int> answers[] = {
                {{Qt::Key_Return}, QDialog::Accepted, 0},
                {{Qt::Key_Tab, Qt::Key_Space}, QDialog::Rejected, 0},
                {{Qt::Key_Right, Qt::Key_Return}, QDialog::Rejected, 0},
                {{Qt::Key_Escape}, QDialog::Rejected, 7}};
            for (const auto& [keys, result, stored] : answers)
            {
                settings->SetMsgDshow(7);
                CMessgboxEx box;
                TypeWhenShown([] { return TopLevelOf<CMessgboxEx>(); }, keys);
                QCOMPARE(box.exec(), result);
                QCOMPARE(settings->GetMsgDshow(), stored);
            }
        }
        {
            CMessageSeam::Scope scope([](const MessageQuestion& question)
                                      { return question.buttons.size() == 2 ? 1 : 0; });
            CMessgboxEx box;
            QCOMPARE(box.exec(), int(QDialog::Accepted));
            QCOMPARE(settings->GetMsgDshow(), 0);
        }
    }

private:
    std::unique_ptr<WidgetTestEnv> m_env;
};

QTEST_MAIN(MessageTest)
#include "MessageTest.moc"
