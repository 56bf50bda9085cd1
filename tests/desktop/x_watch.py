"""A record of what the X server reports about the screen's windows, kept
from the moment the watch starts: the stacking order of the top-level
windows (the window manager's frames, where one runs) after every change,
the window the window manager makes active, and every time a window is
marked as asking for the user's attention (_NET_WM_STATE_DEMANDS_ATTENTION
or the urgency hint), however briefly.

It reads the events themselves (python3-xlib on its own connection, in a
thread of the test), so a state that lasts a millisecond is in the record
even when no poll would have seen it.
"""

import select
import threading
import time

from Xlib import X, display as xdisplay, error as xerror

# WM_HINTS flags field: the urgency hint (ICCCM 4.1.2.4).
URGENCY_HINT = 1 << 8


class XWatch:
    def __init__(self, display_name):
        self._display = xdisplay.Display(display_name)
        self._display.set_error_handler(lambda *args: None)
        self._root = self._display.screen().root
        self._atom = {name: self._display.intern_atom(name) for name in (
            "_NET_WM_STATE", "_NET_WM_STATE_DEMANDS_ATTENTION", "_NET_ACTIVE_WINDOW",
            "WM_HINTS")}
        self._lock = threading.Lock()
        # (monotonic time, kind, value): "stack" with the mapped top-level
        # windows bottom first, "active" with a window id or 0, "attention"
        # with (window, True or False), "map" and "unmap" with a window.
        self._records = []
        self._attention = {}
        self._parents = {}
        self._last = {}  # the last value noted of "stack" and "active"
        self._root.change_attributes(event_mask=X.SubstructureNotifyMask | X.PropertyChangeMask)
        self._display.sync()
        tree = self._root.query_tree()
        self._stack = [child.id for child in tree.children]  # bottom first
        self._mapped = set()
        for child in tree.children:
            try:
                if child.get_attributes().map_state != X.IsUnmapped:
                    self._mapped.add(child.id)
            except xerror.XError:
                pass
            self._watch_window(child.id)
        self._note_stack()
        self._note_active()
        self._stopping = threading.Event()
        self._thread = threading.Thread(target=self._run, daemon=True)
        self._thread.start()

    def close(self):
        self._stopping.set()
        self._thread.join(timeout=5)
        try:
            self._display.close()
        except Exception:  # pylint: disable=broad-except
            pass

    # -- the record ---------------------------------------------------------

    def records(self, kind):
        with self._lock:
            return [(t, value) for t, k, value in self._records if k == kind]

    def attention_marks(self, window):
        """When the window was marked as asking for attention."""
        wanted = int(window)
        return [t for t, (w, asks) in self.records("attention") if w == wanted and asks]

    def activations(self):
        """The windows made active, in order (0: none)."""
        return [w for _, w in self.records("active")]

    def top_level(self, window):
        """The top-level window (a frame of the window manager, or the
        window itself) that holds the window."""
        window = int(window)
        with self._lock:
            parents = dict(self._parents)
        seen = set()
        while window in parents and parents[window] != self._root.id and window not in seen:
            seen.add(window)
            window = parents[window]
        return window

    def stackings(self, since=0.0):
        """The mapped top-level windows, bottom first, after each change from
        `since` (monotonic time) on, with the one that stood at `since`."""
        stacks = self.records("stack")
        earlier = [s for t, s in stacks if t <= since]
        return earlier[-1:] + [s for t, s in stacks if t > since]

    def stood_above(self, window, others, since=0.0):
        """The stackings from `since` in which the window was mapped above one
        of the others that was mapped too: empty when it never was."""
        mine = self.top_level(window)
        theirs = [self.top_level(other) for other in others]
        found = []
        for stack in self.stackings(since):
            if mine not in stack:
                continue
            for other in theirs:
                if other in stack and stack.index(mine) > stack.index(other):
                    found.append(stack)
                    break
        return found

    def describe(self, windows):
        """The record of the stacking, as the windows' names bottom first
        (others as "."), for a failure message."""
        names = {self.top_level(window): name for name, window in windows.items()}
        start = self._records[0][0] if self._records else 0.0
        lines = []
        for t, stack in self.records("stack"):
            shown = [names.get(w, ".") for w in stack]
            if any(name != "." for name in shown):
                lines.append(f"{t - start:8.3f} s: {' '.join(shown)}")
        return "\n" + "\n".join(lines)

    # -- the watching thread --------------------------------------------------

    def _note(self, kind, value):
        with self._lock:
            self._records.append((time.monotonic(), kind, value))

    def _note_changed(self, kind, value):
        if self._last.get(kind) != value:
            self._last[kind] = value
            self._note(kind, value)

    def _note_stack(self):
        self._note_changed("stack", tuple(w for w in self._stack if w in self._mapped))

    def _note_active(self):
        try:
            prop = self._root.get_full_property(self._atom["_NET_ACTIVE_WINDOW"], X.AnyPropertyType)
        except xerror.XError:
            return
        self._note_changed("active",
                           int(prop.value[0]) if prop is not None and len(prop.value) else 0)

    def _asks_for_attention(self, window):
        resource = self._display.create_resource_object("window", window)
        try:
            state = resource.get_full_property(self._atom["_NET_WM_STATE"], X.AnyPropertyType)
            hints = resource.get_full_property(self._atom["WM_HINTS"], X.AnyPropertyType)
        except xerror.XError:
            return None
        if state is not None and self._atom["_NET_WM_STATE_DEMANDS_ATTENTION"] in state.value:
            return True
        return bool(hints is not None and len(hints.value) and int(hints.value[0]) & URGENCY_HINT)

    def _note_attention(self, window):
        asks = self._asks_for_attention(window)
        if asks is None or self._attention.get(window, False) == asks:
            return
        self._attention[window] = asks
        self._note("attention", (window, asks))

    def _watch_window(self, window):
        resource = self._display.create_resource_object("window", window)
        resource.change_attributes(event_mask=X.PropertyChangeMask | X.StructureNotifyMask)
        self._note_attention(window)

    def _note_parent(self, window, parent):
        # The window manager may hold a window in nested windows of its
        # frame: the whole chain up to the root.
        chain = {window: parent}
        current = parent
        for _ in range(8):
            if current == self._root.id:
                break
            try:
                up = self._display.create_resource_object("window", current).query_tree().parent.id
            except (xerror.XError, AttributeError):
                break
            chain[current] = up
            current = up
        with self._lock:
            self._parents.update(chain)

    def _restack(self, window, above):
        if window in self._stack:
            self._stack.remove(window)
        if above and above in self._stack:
            self._stack.insert(self._stack.index(above) + 1, window)
        elif above:
            self._stack.append(window)
        else:
            self._stack.insert(0, window)

    def _run(self):
        while not self._stopping.is_set():
            if not self._display.pending_events():
                select.select([self._display.fileno()], [], [], 0.2)
            while self._display.pending_events():
                try:
                    self._handle(self._display.next_event())
                except xerror.XError:
                    pass

    def _handle(self, event):
        root = self._root.id
        kind = event.type
        if kind == X.CreateNotify and event.parent.id == root:
            self._stack.append(event.window.id)
            self._watch_window(event.window.id)
        elif kind == X.DestroyNotify and event.event.id == root:
            if event.window.id in self._stack:
                self._stack.remove(event.window.id)
            self._mapped.discard(event.window.id)
            self._note_stack()
        elif kind == X.ReparentNotify and event.event.id == event.window.id:
            self._note_parent(event.window.id, event.parent.id)
        elif kind == X.ReparentNotify and event.event.id == root:
            if event.parent.id == root:
                self._stack.append(event.window.id)
            elif event.window.id in self._stack:
                self._stack.remove(event.window.id)
                self._mapped.discard(event.window.id)
            self._note_stack()
        elif kind == X.ConfigureNotify and event.event.id == root:
            self._restack(event.window.id, event.above_sibling.id if event.above_sibling else 0)
            self._note_stack()
        elif kind == X.CirculateNotify and event.event.id == root:
            self._restack(event.window.id, self._stack[-1] if event.place == X.PlaceOnTop else 0)
            self._note_stack()
        elif kind in (X.MapNotify, X.UnmapNotify):
            if event.event.id == root:
                if kind == X.MapNotify:
                    self._mapped.add(event.window.id)
                else:
                    self._mapped.discard(event.window.id)
                self._note_stack()
            elif event.event.id == event.window.id:
                self._note("map" if kind == X.MapNotify else "unmap", event.window.id)
        elif kind == X.PropertyNotify:
            if event.window.id == root:
                if event.atom == self._atom["_NET_ACTIVE_WINDOW"]:
                    self._note_active()
            elif event.atom in (self._atom["_NET_WM_STATE"], self._atom["WM_HINTS"]):
                self._note_attention(event.window.id)
