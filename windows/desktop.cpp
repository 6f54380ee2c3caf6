// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/desktop.h"

#include <QGuiApplication>
#include <QList>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <utility>
#include <xcb/xcb.h>

namespace desktop {

QByteArray choosePlatform(const QByteArray& chosen, bool wayland, bool x11)
{
    if (!chosen.isEmpty())
        return chosen;
    if (wayland)
        return x11 ? QByteArrayLiteral("xcb;wayland") : QByteArrayLiteral("wayland");
    return {};
}

namespace {

QtMessageHandler qtHandler = nullptr;
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> held;

// Until the application object has reached a display, Qt's messages are held back: when none
// can be reached, Qt's five lines about its window system plugins and its abort become one
// line for the player and exit status 1; otherwise they are passed on as they came.
void startUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held.append({type, context.category, text});
        return;
    }
    std::fputs("tolva-bingo: cannot open its windows: no display could be reached (is DISPLAY or "
               "WAYLAND_DISPLAY set? on Wayland without Xwayland, qt6-wayland is needed)\n", stderr);
    _exit(1);
}

}  // namespace

void prepare()
{
    const QByteArray platform = choosePlatform(qgetenv("QT_QPA_PLATFORM"), qEnvironmentVariableIsSet("WAYLAND_DISPLAY"),
                                               qEnvironmentVariableIsSet("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    // The windows' class on X11 is the program's name, whatever name it was started by.
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", WindowClass);
    qtHandler = qInstallMessageHandler(startUpMessage);
}

void identify()
{
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qtHandler(message.type, context, message.text);
    }
    QGuiApplication::setApplicationName(QStringLiteral("Tolva Bingo"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(Id));
}

void identify(QWindow* window)
{
    const auto* x11 = QGuiApplication::platformName() == QLatin1String("xcb")
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window)
        return;
    xcb_connection_t* connection = x11->connection();
    const char* const names[] = {"UTF8_STRING", "_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"};
    xcb_intern_atom_cookie_t asked[3];
    for (int i = 0; i < 3; ++i)
        asked[i] = xcb_intern_atom(connection, false, std::strlen(names[i]), names[i]);
    xcb_atom_t atoms[3] = {};
    for (int i = 0; i < 3; ++i)
        if (xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, asked[i], nullptr)) {
            atoms[i] = reply->atom;
            std::free(reply);
        }
    for (int i = 1; i < 3; ++i)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window->winId(), atoms[i], atoms[0], 8, std::strlen(Id), Id);
}

}  // namespace desktop
