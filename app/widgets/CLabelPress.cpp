#include "CLabelPress.h"

#include "DesktopHandOver.h"
#include "StyleTemplates.h"

#include <QFontMetrics>
#include <QUrl>

CLabelPress::CLabelPress(const QString& address, const QString& text, QWidget* parent)
    : QLabel(parent), m_strAddress(address)
{
    setCursor(Qt::PointingHandCursor);
    setMinimumWidth(ScaledInt(300));
    setMaximumWidth(ScaledInt(300));

    const QFontMetrics metrics(font());
    const int width = ScaledInt(300);
    const int ellipsis = metrics.horizontalAdvance(QStringLiteral("..."));
    QString shown = text;
    const int limit = width < metrics.horizontalAdvance(shown) ? width - ellipsis : width;
    while (!shown.isEmpty() && limit < metrics.horizontalAdvance(shown))
        shown.remove(shown.size() / 2, 1);
    if (limit != width)
    {
        shown.insert((shown.size() + 1) / 2, QStringLiteral("..."));
        setToolTip(text);
    }
    setText(QStringLiteral("<u><font color=#4F94CD>%1</font></u>").arg(shown.toHtmlEscaped()));
}

CLabelPress::~CLabelPress() = default;

void CLabelPress::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    CDesktopHandOver::OpenAddress(this, QUrl::fromEncoded(m_strAddress.toUtf8(), QUrl::TolerantMode));
}
