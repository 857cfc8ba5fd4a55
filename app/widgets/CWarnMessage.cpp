#include "CWarnMessage.h"

#include "CMessageSeam.h"
#include "StyleTemplates.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace
{

QString CountdownText(const QString& text, int seconds)
{
    return text + QStringLiteral("(%1)").arg(seconds);
}

// The text with a break opportunity (a zero-width space) wherever a line wider than width would
// otherwise run on unbroken: after a path's separators first, anywhere in a name that alone is
// too wide. Lines that fit, and the breaks between words, are left as they are.
QString BreakableText(const QString& text, const QFontMetrics& metrics, int width)
{
    constexpr QChar kBreak(0x200B);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
    {
        if (metrics.horizontalAdvance(line) <= width)
            continue;
        QString broken;
        QString piece; // since the last break opportunity
        int lastSeparator = -1;
        for (const QChar c : std::as_const(line))
        {
            if (metrics.horizontalAdvance(piece + c) > width && !piece.isEmpty())
            {
                const int cut = lastSeparator >= 0 ? lastSeparator + 1 : int(piece.size());
                broken += piece.left(cut) + kBreak;
                piece = piece.mid(cut);
                lastSeparator = -1;
            }
            piece += c;
            if (c == QLatin1Char(' '))
            {
                broken += piece;
                piece.clear();
                lastSeparator = -1;
            }
            else if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('-') ||
                     c == QLatin1Char('_') || c == QLatin1Char('.'))
            {
                lastSeparator = int(piece.size()) - 1;
            }
        }
        line = broken + piece;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

CWarnMessage::CWarnMessage(QWidget* parent, const QString& title, const QString& text, int type,
                           const QString& button1, const QString& button2, const QString& button3,
                           int countdown)
    : CDialog(parent), m_iSecondsLeft(countdown)
{
    setObjectName(QStringLiteral("CWarnMessage"));
    SetTitle(title);

    auto* iconLabel = new QLabel(this);
    iconLabel->setPixmap(ScaledPixmap(QStringLiteral(":/res/res/win/label/starticon.png"), 80, 80));
    iconLabel->setMinimumSize(ScaledInt(100), ScaledInt(100));
    iconLabel->setMaximumSize(ScaledInt(100), ScaledInt(100));

    auto* textColumn = new QVBoxLayout();
    textColumn->setAlignment(Qt::AlignLeft);
    textColumn->setContentsMargins(0, ScaledInt(10), 0, ScaledInt(15));
    auto* textLabel = new QLabel(text, this);
    textLabel->setObjectName(QStringLiteral("MessageText"));
    textLabel->setWordWrap(true);
    // A pixel clear above and below: a text as tall as its whole label would touch its edges.
    textLabel->setContentsMargins(0, 1, 0, 1);

    const QString texts[3] = {button1, button2, button3};
    QPushButton* buttons[3] = {};
    for (int i = 0; i < 3; ++i)
    {
        const QString name = QStringLiteral("MessageBut%1").arg(i + 1);
        buttons[i] = new QPushButton(texts[i], this);
        buttons[i]->setObjectName(name);
    }
    m_pFirstButton = buttons[0];

    auto* buttonRow = new QHBoxLayout();
    buttonRow->setSpacing(ScaledInt(5));
    buttonRow->addStretch();
    for (QPushButton* button : buttons)
        buttonRow->addWidget(button);

    if (type == 0)
    {
        buttons[0]->setText(tr("OK"));
        buttons[1]->hide();
        buttons[2]->hide();
    }
    else if (type == 1)
    {
        buttons[1]->hide();
        buttons[2]->hide();
    }
    else if (type == 2)
    {
        buttons[2]->hide();
    }

    textColumn->addWidget(textLabel);
    textColumn->addLayout(buttonRow);
    textColumn->addSpacing(10);

    auto* topRow = new QHBoxLayout();
    topRow->addSpacing(ScaledInt(30));
    topRow->addWidget(iconLabel);
    topRow->addLayout(textColumn);
    topRow->addSpacing(ScaledInt(30));
    topRow->setSpacing(ScaledInt(5));
    AddLayout(topRow);

    connect(buttons[0], &QPushButton::clicked, this, &CWarnMessage::MyClicked1);
    connect(buttons[1], &QPushButton::clicked, this, &CWarnMessage::MyClicked2);
    connect(buttons[2], &QPushButton::clicked, this, &CWarnMessage::MyClicked3);

    if (countdown > 0)
    {
        m_strFirstText = m_pFirstButton->text();
        m_pFirstButton->setText(CountdownText(m_strFirstText, countdown));
    }
    // A button is at least as wide as its text in the current language (the countdown's longest
    // form included), and the box as wide as its buttons and its title need.
    QFont buttonFont = font();
    buttonFont.setBold(true);
    buttonFont.setPixelSize(ScaledInt(12));
    int extra = 0;
    for (int i = 0; i < 3; ++i)
    {
        const double width =
            std::max(ScaledValue(84),
                     QFontMetrics(buttonFont).horizontalAdvance(buttons[i]->text()) + ScaledValue(14));
        buttons[i]->setStyleSheet(ImageButtonStyle(buttons[i]->objectName(), QStringLiteral("button"), width,
                                                   ScaledValue(24), QStringLiteral("#000000"),
                                                   ScaledValue(12)));
        if (!buttons[i]->isHidden())
            extra += int(width - ScaledValue(84));
    }
    SetKeyboardButtons({buttons[0], buttons[1], buttons[2]});
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(ScaledInt(13));
    const int titleWidth =
        QFontMetrics(titleFont).horizontalAdvance(QStringLiteral("  ") + title) + ScaledInt(110);
    FitToText(textLabel, std::max({ScaledInt(420) + extra, titleWidth}));
    if (countdown > 0)
    {
        m_pTimer = new QTimer(this);
        connect(m_pTimer, &QTimer::timeout, this, &CWarnMessage::SecondRed);
        // However the box ends (a button, Escape, its close button), the countdown ends with it,
        // so a late tick can never turn that answer into the first button.
        connect(this, &QDialog::finished, m_pTimer, &QTimer::stop);
        m_pTimer->start(1000);
    }
}

void CWarnMessage::FitToText(QLabel* textLabel, int minimumWidth)
{
    // The box is at least its usual size, and grows to its text up to the screen's free area: a
    // line as wide as it needs, then wrapped; what is still taller than the screen scrolls.
    const int minimumHeight = ScaledInt(150);
    SetFixedSize(minimumWidth, minimumHeight);
    layout()->activate();
    const int chrome = width() - textLabel->width();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, minimumWidth, minimumHeight);
    const int maxWidth = std::max(minimumWidth, area.width());
    const int maxHeight = std::max(minimumHeight, area.height());

    textLabel->ensurePolished();
    const QFontMetrics metrics(textLabel->font());
    const QString text = textLabel->text();
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    // A pixel to spare: a line measured as exactly the column's width would still be wrapped.
    const int boxWidth = std::clamp(chrome + widest + 2, minimumWidth, maxWidth);
    textLabel->setText(BreakableText(text, metrics, boxWidth - chrome - 2));
    const int needed = layout()->totalHeightForWidth(boxWidth);
    if (needed > maxHeight)
    {
        // Only the text scrolls; the buttons stay in view.
        auto* scroll = new QScrollArea(this);
        scroll->setObjectName(QStringLiteral("MessageScroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidgetResizable(true);
        scroll->viewport()->setAutoFillBackground(false);
        delete textLabel->parentWidget()->layout()->replaceWidget(textLabel, scroll);
        textLabel->setAutoFillBackground(false);
        scroll->setWidget(textLabel);
        scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    }
    SetFixedSize(boxWidth, std::clamp(needed, minimumHeight, maxHeight));
}

CWarnMessage::~CWarnMessage()
{
    if (m_pTimer && m_pTimer->isActive())
        m_pTimer->stop();
}

QStringList CWarnMessage::VisibleButtons(int type, const QString& button1, const QString& button2,
                                         const QString& button3)
{
    switch (type)
    {
    case 0:
        return {tr("OK")};
    case 1:
        return {button1};
    case 2:
        return {button1, button2};
    default:
        return {button1, button2, button3};
    }
}

int CWarnMessage::ShowMessage(QWidget* parent, const QString& title, const QString& text, int type,
                              const QString& button1, const QString& button2, const QString& button3,
                              int countdown)
{
    if (CMessageSeam::IsInstalled())
    {
        MessageQuestion question;
        question.parent = parent;
        question.title = title;
        question.text = text;
        question.type = type;
        question.buttons = VisibleButtons(type, button1, button2, button3);
        question.countdown = countdown > 0 ? countdown : 0;
        return CMessageSeam::Answer(question);
    }
    // A box runs a nested event loop of the GUI thread; from a worker it could only crash.
    if (!QCoreApplication::instance() || QThread::currentThread() != QCoreApplication::instance()->thread())
    {
        qWarning("CWarnMessage::ShowMessage called off the GUI thread; nothing shown");
        return 0;
    }
    // The box is a child of the parent; if the parent goes away while the box waits, it takes
    // the box with it. So the box lives on the heap, watched, and is freed here only when it
    // still exists (then it answers 0: it was closed without a button).
    auto box =
        std::make_unique<CWarnMessage>(parent, title, text, type, button1, button2, button3, countdown);
    const QPointer<CWarnMessage> alive(box.get());
    box->exec();
    if (!alive)
    {
        (void)box.release(); // already deleted by its parent
        return 0;
    }
    return box->Result();
}

void CWarnMessage::Finish(int result)
{
    m_iResult = result;
    close();
}

void CWarnMessage::SecondRed()
{
    --m_iSecondsLeft;
    m_pFirstButton->setText(CountdownText(m_strFirstText, m_iSecondsLeft));
    if (m_iSecondsLeft <= 0)
    {
        m_pTimer->stop();
        MyClicked1();
    }
}

void CWarnMessage::MyClicked1()
{
    Finish(1);
}

void CWarnMessage::MyClicked2()
{
    Finish(2);
}

void CWarnMessage::MyClicked3()
{
    Finish(3);
}
