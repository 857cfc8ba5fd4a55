#include "StyleTemplates.h"

#include "AppGlobals.h"

#include <QFile>
#include <QRegularExpression>

namespace
{

// Shared by the title-bar button and menu looks: %1 object name, %2 image, %3 width, %4 height,
// %5 class name.
QString FillTitleTemplate(const char* pattern, const QString& objectName, const QString& image, double width,
                          double height, const QString& className)
{
    return QString::fromLatin1(pattern).arg(objectName, image, QString::number(width, 'g'),
                                            QString::number(height, 'g'), className);
}

} // namespace

int ScaledInt(double value)
{
    return static_cast<int>(value * g_dScale);
}

double ScaledValue(double value)
{
    return value * g_dScale;
}

QPixmap ScaledPixmap(const QString& path, int width, int height)
{
    const QPixmap pixmap(path);
    if (pixmap.isNull())
        return pixmap;
    return pixmap.scaled(ScaledInt(width), ScaledInt(height), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon ScaledIcon(const QString& path)
{
    const QPixmap picture(path);
    QIcon icon;
    if (picture.isNull())
        return icon;
    icon.addPixmap(picture);
    if (g_dScale > 1.0)
        icon.addPixmap(picture.scaled(ScaledInt(picture.width()), ScaledInt(picture.height()),
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return icon;
}

QString ImageButtonStyle(const QString& objectName, const QString& image, double width, double height,
                         const QString& colour, double fontPx)
{
    static const char* const pattern =
        "QPushButton#%1{border:0;  color:%5;  font: bold %6px;min-width:  %3;  max-width: %3;max-height: %4; "
        "min-height: %4;border-image: url(:/res/res/win/button/%2.png);}"
        "QPushButton#%1:hover{border-image: url(:/res/res/win/button/%2_on.png);}"
        "QPushButton#%1:pressed{border-image: url(:/res/res/win/button/%2_down.png);}"
        "QPushButton#%1:disabled{border-image: url(:/res/res/win/button/%2_disable.png);}";
    return QString::fromLatin1(pattern).arg(objectName, image, QString::number(width, 'g'),
                                            QString::number(height, 'g'), colour,
                                            QString::number(fontPx, 'g'));
}

QString TitleBarButtonStyle(const QString& objectName, const QString& image, double width, double height)
{
    static const char* const pattern =
        "%5#%1{\tborder:0;\tmin-width: %3px;\tmax-width: %3px;\tmax-height: %4px;\tmin-height: %4px;"
        "\tborder-image: url(:/res/res/win/titlebar/%2.png);}"
        "%5#%1:hover{\tborder-image: url(:/res/res/win/titlebar/%2_on.png);}"
        "%5#%1:pressed{\tborder-image: url(:/res/res/win/titlebar/%2_down.png);}"
        "%5#%1:disabled{\tborder-image: url(:/res/res/win/titlebar/%2_disable.png);}";
    return FillTitleTemplate(pattern, objectName, image, width, height, QStringLiteral("QToolButton"));
}

QString TitleBarMenuStyle(const QString& objectName, const QString& image, double width, double height)
{
    static const char* const pattern =
        "%5#%1{\tborder:0;\tmin-width: %3px;\tmax-width: %3px;\tmax-height: %4px;\tmin-height: %4px;}"
        "%5#%1::item{\tborder-image: url(:/res/res/win/titlebar/%2.png);}"
        "%5#%1::item:selected{\tborder-image: url(:/res/res/win/titlebar/%2_on.png);}"
        "%5#%1::item:pressed{\tborder-image: url(:/res/res/win/titlebar/%2_down.png);}"
        "%5#%1::item:disabled{\tborder-image: url(:/res/res/win/titlebar/%2_disable.png);}"
        // The bar's own margins and the item's padding would make the one item wider than the
        // box, and the bar would then show only its overflow button: the item fills the box.
        "%5#%1{\tpadding: 0px;\tspacing: 0px;}"
        "%5#%1::item{\tpadding: 0px;\tmargin: 0px;\twidth: %3px;\theight: %4px;}";
    return FillTitleTemplate(pattern, objectName, image, width, height, QStringLiteral("QMenuBar"));
}

QString ScaledStyleSheet(const QString& sheet)
{
    // A marker is "SIZE_", then the number (a '-' just before its digits makes it negative, blanks
    // inside it are dropped), then "px". What lies between the marker and "px" gives way to the
    // scaled number; a marker without digits or "px" after it is left as it stands.
    static const QLatin1StringView marker("SIZE_");
    static const QLatin1StringView unit("px");
    QString out;
    out.reserve(sheet.size());
    qsizetype from = 0;
    for (qsizetype pos = sheet.indexOf(marker); pos >= 0; pos = sheet.indexOf(marker, from))
    {
        const qsizetype end = sheet.indexOf(unit, pos);
        qsizetype digits = pos + marker.size();
        const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
        while (digits < end && !isDigit(sheet.at(digits)))
            ++digits;
        bool ok = false;
        double value = 0;
        if (digits < end)
        {
            static const QRegularExpression blanks(QStringLiteral("\\s"));
            QString number = sheet.mid(digits, end - digits);
            number.remove(blanks);
            value = number.toDouble(&ok);
        }
        if (!ok)
        {
            out += QStringView(sheet).mid(from, pos + marker.size() - from);
            from = pos + marker.size();
            continue;
        }
        out += QStringView(sheet).mid(from, pos - from);
        if (sheet.at(digits - 1) == QLatin1Char('-'))
            out += QLatin1Char('-');
        out += QString::number(ScaledValue(value), 'g', 6);
        from = end;
    }
    out += QStringView(sheet).mid(from);
    return out;
}

QString LoadApplicationStyleSheet()
{
    QFile file(QStringLiteral(":/res/res/tidewell_win.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ScaledStyleSheet(QString::fromUtf8(file.readAll()));
}
