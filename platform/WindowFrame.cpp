// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The title bar of a window that keeps one size: no maximise button and no resizing to offer.
#include "platform/WindowFrame.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

// The window manager hints that Motif defined and every X11 window manager still reads.
enum : quint32
{
    HintsFunctions = 1u << 0,
    HintsDecorations = 1u << 1,
    FunctionMove = 1u << 2,
    FunctionMinimize = 1u << 3,
    FunctionClose = 1u << 5,
    DecorationBorder = 1u << 1,
    DecorationTitle = 1u << 3,
    DecorationMenu = 1u << 4,
    DecorationMinimize = 1u << 5,
};

xcb_atom_t hintsAtom(xcb_connection_t* connection)
{
    static const xcb_atom_t atom = [connection] {
        constexpr const char* name = "_MOTIF_WM_HINTS";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, quint16(std::strlen(name)), name), nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }();
    return atom;
}

} // namespace

void offerNoResize(QWidget* window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) // not on X11, or (offscreen) on no real X connection
        return;
    const xcb_atom_t atom = hintsAtom(connection);
    if (atom == XCB_ATOM_NONE)
        return;
    const Qt::WindowFlags flags = window->windowFlags();
    const bool minimize = flags.testFlag(Qt::WindowMinimizeButtonHint);
    const std::array<quint32, 5> hints = {
        HintsFunctions | HintsDecorations,
        FunctionMove | (minimize ? FunctionMinimize : 0u) |
            (flags.testFlag(Qt::WindowCloseButtonHint) ? FunctionClose : 0u),
        DecorationBorder | DecorationTitle |
            (flags.testFlag(Qt::WindowSystemMenuHint) ? DecorationMenu : 0u) |
            (minimize ? DecorationMinimize : 0u),
        0, // input mode: left to the window's modality
        0, // status
    };
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom, atom, 32,
                        quint32(hints.size()), hints.data());
}
