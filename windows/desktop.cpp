// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/desktop.h"

#include <QGuiApplication>
#include <QList>
#include <cstdio>
#include <unistd.h>
#include <utility>

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

}  // namespace desktop
