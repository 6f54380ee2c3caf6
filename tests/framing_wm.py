#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A window manager for the tests that meets the game as GNOME's does: frames under a title bar
# taller than the layout leaves room for (_NET_FRAME_EXTENTS), a hidden window put back on the
# root at its frame's corner, a new or activated window raised and focused, the stacking order
# in _NET_CLIENT_LIST_STACKING. Runs COMMAND under it and exits with its status.
#   framing_wm.py COMMAND [ARG...]        (on an X display with no window manager)
import select, subprocess, sys
try:
    from Xlib import X, Xatom, display
    from Xlib.protocol import event
except ImportError:
    print("python3-xlib is missing")
    sys.exit(77)

TOP, SIDE = 37, 6
d = display.Display()
d.set_error_handler(lambda *_: None)  # a window may go while it is being managed
root, atom = d.screen().root, d.intern_atom
frames, stack = {}, []  # client id -> frame; client ids bottom to top
root.change_attributes(event_mask=X.SubstructureRedirectMask)
root.change_property(atom('_NET_SUPPORTED'), Xatom.ATOM, 32, [atom('_NET_FRAME_EXTENTS'), atom('_NET_ACTIVE_WINDOW')])


def tell(c, x, y, w, h):  # where a client stands on the screen now
    c.send_event(event.ConfigureNotify(window=c, event=c, x=x, y=y, width=w, height=h, border_width=0, above_sibling=0, override=0))


def place(c, x, y, w, h):
    frames[c.id].configure(x=x - SIDE, y=y - TOP, width=w + 2 * SIDE, height=h + TOP + SIDE)
    c.configure(width=w, height=h)
    tell(c, x, y, w, h)


def on_top(c, focus=True):
    stack.remove(c.id), stack.append(c.id)
    frames[c.id].configure(stack_mode=X.Above)
    root.change_property(atom('_NET_CLIENT_LIST_STACKING'), Xatom.WINDOW, 32, stack)
    if focus:
        c.set_input_focus(X.RevertToPointerRoot, X.CurrentTime)
        root.change_property(atom('_NET_ACTIVE_WINDOW'), Xatom.WINDOW, 32, [c.id])


def handle(e):
    c = getattr(e, 'window', None)
    if e.type == X.MapRequest and c.id not in frames:
        g = c.get_geometry()
        frames[c.id] = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent, event_mask=X.SubstructureNotifyMask | X.SubstructureRedirectMask)
        stack.append(c.id)
        c.change_property(atom('_NET_FRAME_EXTENTS'), Xatom.CARDINAL, 32, [SIDE, SIDE, TOP, SIDE])
        c.reparent(frames[c.id], SIDE, TOP)
        place(c, g.x, g.y, g.width, g.height)
        frames[c.id].map(), c.map(), on_top(c)
    elif e.type == X.ConfigureRequest and c.id in frames:
        if e.value_mask & (X.CWX | X.CWWidth):  # unasked values are the client's own, inside the frame
            f = frames[c.id].get_geometry()
            place(c, *((e.x, e.y) if e.value_mask & X.CWX else (f.x + SIDE, f.y + TOP)), e.width, e.height)
        if e.value_mask & X.CWStackMode:
            on_top(c, focus=False)
    elif e.type == X.ConfigureRequest:
        c.configure(x=e.x, y=e.y, width=e.width, height=e.height)
    elif e.type == X.UnmapNotify and c.id in frames:  # withdrawn
        f = frames.pop(c.id)
        g = f.get_geometry()
        stack.remove(c.id)
        c.reparent(root, g.x, g.y)
        tell(c, g.x, g.y, g.width - 2 * SIDE, g.height - TOP - SIDE)
        f.destroy()
        root.change_property(atom('_NET_CLIENT_LIST_STACKING'), Xatom.WINDOW, 32, stack)
    elif e.type == X.ClientMessage and e.client_type == atom('_NET_ACTIVE_WINDOW') and c.id in frames:
        on_top(c)


d.sync()
command = subprocess.Popen(sys.argv[1:])
while command.poll() is None:
    while d.pending_events():
        handle(d.next_event())
    select.select([d], [], [], 0.05)
sys.exit(command.returncode)
