// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program meets the desktop: the window system it shows its windows on, and the one
// identity that its windows, its menu entry and its icon share, so that docks and task
// switchers show the game's name and icon.

#include <QByteArray>

class QWindow;

namespace desktop {

// The desktop file's name and the AppStream id; the windows' class (X11) names the same entry
// through the desktop file's StartupWMClass, and the icon is named like the command.
inline constexpr char Id[] = "org.example.TolvaBingo";
inline constexpr char WindowClass[] = "tolva-bingo";

// The window system to ask Qt for, from what the player chose (QT_QPA_PLATFORM) and the
// displays there are. The game places its three windows side by side, which a Wayland
// compositor does not allow a program to do; so on a Wayland desktop it goes through Xwayland,
// and natively on Wayland only when there is no X display. Empty: Qt's own choice.
QByteArray choosePlatform(const QByteArray& chosen, bool wayland, bool x11);

// Before the application object is made: sets the window system chosen above, and turns Qt's
// abort when no display can be reached into one line on standard error and exit status 1.
void prepare();

// Once the application object is there: its name and its windows' identity.
void identify();

// One window's identity where Qt leaves it out: on X11, the desktop file named for KWin
// (_KDE_NET_WM_DESKTOP_FILE) and GTK's application id, which GNOME and KWin both read.
void identify(QWindow* window);

}  // namespace desktop
