#include "WidgetTestEnv.h"

#include "AppSettings.h"

#include <QApplication>
#include <QColor>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>

#include <algorithm>

WidgetTestEnv::WidgetTestEnv() : m_home(std::make_unique<tidewell::test::TempHome>())
{
    SetAppSettingsExitHandler([](int code) { qFatal("settings could not be loaded: %d", code); });
    GetAppSettings();
}

WidgetTestEnv::~WidgetTestEnv()
{
    ReleaseAppSettings();
    SetAppSettingsExitHandler({});
}

void WidgetTestEnv::SetLanguage(const QString& language)
{
    GetAppSettings()->SetLanguage(language);
}

void DropUrls(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void WhenVisible(std::function<QWidget*()> finder, std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, tries, finder = std::move(finder), action = std::move(action)]()
                     {
                         QWidget* widget = finder();
                         if (widget && widget->isVisible())
                         {
                             timer->stop();
                             timer->deleteLater();
                             action(widget);
                         }
                         else if (++*tries > 300)
                         {
                             timer->stop();
                             timer->deleteLater();
                         }
                     });
    timer->start(10);
}

QRect InkBounds(const QImage& image, const QRect& area)
{
    const QRect inside = area & image.rect();
    if (inside.isEmpty())
        return {};
    const QColor background = image.pixelColor(inside.topLeft());
    QRect ink;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
    {
        for (int x = inside.left(); x <= inside.right(); ++x)
        {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - background.red()) > 8 || qAbs(pixel.green() - background.green()) > 8 ||
                qAbs(pixel.blue() - background.blue()) > 8)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

QImage InkOf(const QImage& image, const QRect& area)
{
    const QRect ink = InkBounds(image, area);
    return ink.isNull() ? QImage() : image.copy(ink).convertToFormat(QImage::Format_RGB32);
}

namespace
{
bool Near(const QColor& a, const QColor& b, int levels)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= levels;
}
} // namespace

int TextClearance(QAbstractButton* button)
{
    const QString text = button->text();
    const QImage with = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    button->setText(QString());
    const QImage without = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    button->setText(text);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
    {
        for (int x = 0; x < with.width(); ++x)
        {
            if (!Near(with.pixelColor(x, y), without.pixelColor(x, y), 24))
                ink |= QRect(x, y, 1, 1);
        }
    }
    if (ink.isNull())
        return -1;
    int clearance = with.width();
    for (int y = ink.top(); y <= ink.bottom(); ++y)
    {
        // What lies under the text on this line; the first other colour either side is the
        // nearest drawing.
        const QColor under = without.pixelColor(ink.center().x(), y);
        int left = ink.left() - 1;
        while (left >= 0 && Near(without.pixelColor(left, y), under, 48))
            --left;
        int right = ink.right() + 1;
        while (right < without.width() && Near(without.pixelColor(right, y), under, 48))
            ++right;
        clearance = std::min({clearance, ink.left() - 1 - left, right - ink.right() - 1});
    }
    return clearance;
}

void ClickCheck(QTreeWidget* tree, QTreeWidgetItem* item)
{
    const QRect row = tree->visualItemRect(item);
    QStyleOptionViewItem option;
    option.initFrom(tree->viewport());
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.rect =
        QRect(row.left(), row.top(),
              tree->header()->sectionViewportPosition(0) + tree->header()->sectionSize(0) - row.left(),
              row.height());
    const QRect box = tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, box.center());
}
