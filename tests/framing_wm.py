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
root.change_attributes(event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
root.change_property(atom('_NET_SUPPORTED'), Xatom.ATOM, 32,
                     [atom(n) for n in ('_NET_FRAME_EXTENTS', '_NET_ACTIVE_WINDOW', '_NET_CLIENT_LIST_STACKING')])


def tell(client):  # where the client now stands on the screen, as the protocol asks
    g, f = client.get_geometry(), frames[client.id].get_geometry()
    client.send_event(event.ConfigureNotify(window=client, event=client, x=f.x + SIDE, y=f.y + TOP, width=g.width,
                                            height=g.height, border_width=0, above_sibling=X.NONE, override=False))


def on_top(client, focus=False):
    stack.remove(client.id), stack.append(client.id)
    frames[client.id].configure(stack_mode=X.Above)
    root.change_property(atom('_NET_CLIENT_LIST_STACKING'), Xatom.WINDOW, 32, stack)
    if focus:
        client.set_input_focus(X.RevertToPointerRoot, X.CurrentTime)
        root.change_property(atom('_NET_ACTIVE_WINDOW'), Xatom.WINDOW, 32, [client.id])


def handle(e):
    c = getattr(e, 'window', None)
    if e.type == X.MapRequest and c.id not in frames:
        g = c.get_geometry()
        frame = root.create_window(g.x - SIDE, g.y - TOP, g.width + 2 * SIDE, g.height + TOP + SIDE, 0, X.CopyFromParent,
                                   event_mask=X.SubstructureNotifyMask | X.SubstructureRedirectMask)
        frames[c.id] = frame
        stack.append(c.id)
        c.change_property(atom('_NET_FRAME_EXTENTS'), Xatom.CARDINAL, 32, [SIDE, SIDE, TOP, SIDE])
        c.reparent(frame, SIDE, TOP)
        frame.map(), c.map(), on_top(c, True), tell(c)
    elif e.type == X.ConfigureRequest and c.id in frames:
        g = c.get_geometry()
        x, y = (e.x, e.y) if e.value_mask & (X.CWX | X.CWY) else (frames[c.id].get_geometry().x + SIDE, frames[c.id].get_geometry().y + TOP)
        w, h = (e.width, e.height) if e.value_mask & (X.CWWidth | X.CWHeight) else (g.width, g.height)
        c.configure(width=w, height=h)
        frames[c.id].configure(x=x - SIDE, y=y - TOP, width=w + 2 * SIDE, height=h + TOP + SIDE)
        if e.value_mask & X.CWStackMode and e.stack_mode == X.Above:
            on_top(c)
        tell(c)
    elif e.type == X.ConfigureRequest:
        c.configure(**{k: getattr(e, k) for k, m in (('x', X.CWX), ('y', X.CWY), ('width', X.CWWidth), ('height', X.CWHeight))
                       if e.value_mask & m})
    elif e.type == X.UnmapNotify and c.id in frames:  # withdrawn: on the root, at its frame's corner
        f = frames.pop(c.id)
        g = f.get_geometry()
        stack.remove(c.id)
        c.reparent(root, g.x, g.y)
        f.destroy()
        c.send_event(event.ConfigureNotify(window=c, event=c, x=g.x, y=g.y, width=g.width - 2 * SIDE, height=g.height - TOP - SIDE,
                                           border_width=0, above_sibling=X.NONE, override=False))
        root.change_property(atom('_NET_CLIENT_LIST_STACKING'), Xatom.WINDOW, 32, stack)
    elif e.type == X.ClientMessage and e.client_type == atom('_NET_ACTIVE_WINDOW') and c.id in frames:
        on_top(c, True)


d.sync()
command = subprocess.Popen(sys.argv[1:])
while command.poll() is None:
    while d.pending_events():
        handle(d.next_event())
    select.select([d], [], [], 0.05)
sys.exit(command.returncode)
