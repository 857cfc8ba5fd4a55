#include "WindowPainting.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#ifdef TIDEWELL_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

void PaintStyledBackground(QWidget* widget)
{
    QStyleOption option;
    option.initFrom(widget);
    QPainter painter(widget);
    widget->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, widget);
}

void PaintRoundedWindow(QWidget* widget)
{
    // The shape follows the size alone, so it is drawn again only for a new size: a paint of a
    // spinner's few pixels would otherwise draw and compare a bitmap the size of the window,
    // whose fills Qt shares out to its thread pool and waits for.
    if (widget->mask().boundingRect() != widget->rect())
    {
        QBitmap shape(widget->size());
        {
            // On a bitmap white is transparent (color0) and black opaque (color1).
            QPainter painter(&shape);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillRect(shape.rect(), Qt::white);
            painter.setBrush(Qt::black);
            painter.setPen(Qt::NoPen);
            painter.drawRoundedRect(shape.rect(), 6, 6);
        }
        widget->setMask(shape);
    }
    PaintStyledBackground(widget);
}

bool TranslucencyComposited()
{
    // Windows, macOS and Wayland always compose translucent windows.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
#ifdef TIDEWELL_HAVE_XCB
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return true;
    struct FreeReply
    {
        void operator()(void* reply) const { std::free(reply); }
    };
    const int screens = xcb_setup_roots_length(xcb_get_setup(connection));
    for (int i = 0; i < screens; ++i)
    {
        // A compositing manager owns the selection _NET_WM_CM_S<screen number>.
        const QByteArray name = QByteArrayLiteral("_NET_WM_CM_S") + QByteArray::number(i);
        const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> atom(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData()),
            nullptr));
        if (!atom || atom->atom == XCB_ATOM_NONE)
            continue;
        const std::unique_ptr<xcb_get_selection_owner_reply_t, FreeReply> owner(xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
        if (owner && owner->owner != XCB_WINDOW_NONE)
            return true;
    }
    return false;
#else
    return true;
#endif
}
