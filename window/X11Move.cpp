#include "X11Move.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The pointer as the X server has it now; none off X11.
Reply<xcb_query_pointer_reply_t> queryPointer(xcb_connection_t *c, const QWindow *window)
{
    return {c ? xcb_query_pointer_reply(c, xcb_query_pointer(c, xcb_window_t(window->winId())), nullptr) : nullptr,
            &std::free};
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, false, uint16_t(std::strlen(name)), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a property, empty when it is missing.
std::vector<uint32_t> property(xcb_connection_t *c, xcb_window_t window, const char *name, xcb_atom_t type)
{
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, false, window, atom(c, name), type, 0, 4096), nullptr), &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// A window manager runs (its check window still exists: one that has gone
// leaves its list behind) and lists the move request among those it takes.
bool managerMoves(xcb_connection_t *c, xcb_window_t root, xcb_atom_t moveRequest)
{
    const std::vector<uint32_t> check = property(c, root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW);
    if (check.empty() || property(c, check[0], "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW) != check)
        return false;
    const std::vector<uint32_t> supported = property(c, root, "_NET_SUPPORTED", XCB_ATOM_ATOM);
    return std::find(supported.begin(), supported.end(), moveRequest) != supported.end();
}

} // namespace

std::optional<bool> X11Move::PrimaryButtonDown(const QWindow *window)
{
    const auto pointer = queryPointer(connection(), window);
    if (!pointer)
        return std::nullopt;
    return (pointer->mask & XCB_BUTTON_MASK_1) != 0;
}

std::optional<bool> X11Move::StartMove(QWindow *window, QPointF pressedAt)
{
    xcb_connection_t *c = connection();
    const auto pointer = queryPointer(c, window);
    if (!pointer)
        return std::nullopt;
    const xcb_atom_t moveRequest = atom(c, "_NET_WM_MOVERESIZE");
    if (!managerMoves(c, pointer->root, moveRequest))
        return false;

    // The window manager counts the move from where the press was, in the
    // screen's own pixels, so a drag made while a pause held the press back
    // still moves the window by the whole of the pointer's travel.
    const QPointF origin = window->screen()->geometry().topLeft();
    const QPoint at = (origin + (pressedAt - origin) * window->devicePixelRatio()).toPoint();
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window->winId());
    request.type = moveRequest;
    request.data.data32[0] = uint32_t(at.x());
    request.data.data32[1] = uint32_t(at.y());
    request.data.data32[2] = 8; // move
    request.data.data32[3] = XCB_BUTTON_INDEX_1;
    request.data.data32[4] = 1; // asked for by an application
    // The press's own grab of the pointer would keep it from the window manager.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_send_event(c, false, pointer->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(c);
    return true;
}
