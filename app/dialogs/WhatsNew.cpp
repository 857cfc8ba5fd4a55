#include "WhatsNew.h"

#include "AppGlobals.h"
#include "DesktopHandOver.h"
#include "StyleTemplates.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace
{

// The dialog's height with the what's-new box under the message, and with the message alone.
constexpr int kHeightWithNotes = 340;
constexpr int kHeightWithoutNotes = 190;

} // namespace

DialogIcon::DialogIcon(QWidget* parent) : QWidget(parent) {}

QSize DialogIcon::sizeHint() const
{
    return {ScaledInt(50), ScaledInt(50)};
}

void DialogIcon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QIcon(":/res/res/win/label/icon.png").paint(&painter, rect(), Qt::AlignCenter, QIcon::Normal, QIcon::Off);
}

WhatsNew::WhatsNew(QWidget* parent) : CDialog(parent)
{
    setObjectName("Updatedialog");
    SetFixedSize(ScaledInt(481), ScaledInt(kHeightWithoutNotes));

    m_pIcon = new DialogIcon(this);
    m_pIcon->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_pMessage = new QLabel(this);
    m_pMessage->setMinimumHeight(ScaledInt(80));
    // A server's answer can make a long line; it wraps rather than runs out of the dialog.
    m_pMessage->setWordWrap(true);

    auto* top = new QHBoxLayout;
    top->setSpacing(ScaledInt(20));
    top->addWidget(m_pIcon);
    top->addWidget(m_pMessage);

    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setStyleSheet("QTextBrowser{border:0;border-image: url(:/res/res/win/Update/textedit.png);}");
    m_pBrowser->setText(QString());
    // Shown with a what's-new text only: an empty box under a one-line message says nothing.
    m_pBrowser->hide();

    m_pAction = new QPushButton(this);
    m_pAction->setMinimumWidth(ScaledInt(80));
    m_pCancel = new QPushButton(tr("Cancel"), this);
    m_pCancel->setMinimumWidth(ScaledInt(80));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pAction);
    buttons->addWidget(m_pCancel);
    buttons->setContentsMargins(ScaledInt(10), ScaledInt(10), ScaledInt(10), ScaledInt(5));
    buttons->setSpacing(ScaledInt(20));

    auto* column = new QVBoxLayout;
    column->setContentsMargins(ScaledInt(20), ScaledInt(5), ScaledInt(20), ScaledInt(5));
    column->addLayout(top, 0);
    column->addWidget(m_pBrowser, 0);
    column->addLayout(buttons, 0);
    AddLayout(column);

    connect(m_pAction, &QPushButton::clicked, this, &WhatsNew::download);
    connect(m_pCancel, &QPushButton::clicked, this, &QWidget::close);
}

WhatsNew::~WhatsNew() = default;

void WhatsNew::SetVersionText(const QString& text)
{
    if (!isRightToLeft())
    {
        m_pMessage->setText(text);
        return;
    }
    // In a right-to-left window each line reads right to left as a whole, a Latin name in it
    // (the program's, a version) included: its closing mark stays at the line's left end. The
    // leading mark makes the line start right to left, so it is also aligned that way.
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
    {
        if (!line.isEmpty())
            line = QString(QChar(0x200F)) + QChar(0x202B) + line + QChar(0x202C);
    }
    m_pMessage->setText(lines.join(QLatin1Char('\n')));
}

void WhatsNew::SetWhatsNewText(const QString& text)
{
    m_pBrowser->setText(text);
    const bool notes = !text.trimmed().isEmpty();
    m_pBrowser->setVisible(notes);
    SetFixedSize(ScaledInt(481), ScaledInt(notes ? kHeightWithNotes : kHeightWithoutNotes));
}

void WhatsNew::SetDownloadUrl(const QString& url)
{
    m_strDownloadUrl = url;
}

void WhatsNew::SetButtonText(const QString& text)
{
    m_pAction->setText(text);
}

void WhatsNew::SetButtonMode(int mode)
{
    if (mode == 0 || mode == 1)
    {
        m_pAction->setText(tr("Update"));
        m_pAction->show();
    }
    else
    {
        m_pAction->hide();
    }
}

bool WhatsNew::IsOpenableDownloadUrl(const QString& url)
{
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() && (scheme == "http" || scheme == "https") && !parsed.host().isEmpty();
}

void WhatsNew::download()
{
    // The address comes from the update server's reply; anything but a web page (a local file, a
    // program's own scheme) is never handed to the desktop.
    // With no browser to take it, the user is told the address before the dialog goes.
    if (IsOpenableDownloadUrl(m_strDownloadUrl))
        CDesktopHandOver::OpenAddress(this, QUrl(m_strDownloadUrl.trimmed()));
    close();
}
