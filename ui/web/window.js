// The window's controls as the user meets them in the page, from the moment the page shows
// them: what the user does is reported by the control's row and the event its markup names
// (data-event), to the program once it has started (dom.js attaches it) and kept until then.
// Everything else the markup says too: the tab order (data-tab-order), the first control to
// take the focus (autofocus) and the access keys (aria-keyshortcuts).
//
// Rules the window keeps, as on the desktop:
// - the focus moves only to an enabled control, by a press, Tab or an access key; a press on
//   anything else (a label, a frame, a disabled box, the title bar, the page around the
//   window) leaves it where it is, with its caret;
// - a field is left when the focus moves from it to another control of the window, and is
//   reported then, before the pressed control's click, whether or not the browser moves its
//   own focus or says so; never when the focus goes to a message, another window or nowhere;
// - Tab and Shift+Tab visit the enabled controls in tab order and wrap round;
// - a check box shows only what the program assigns: a click is reported, and undone.
'use strict';

var LumetraWindow = {
  wire: function (root) {
    var w = { root: root, program: null, kept: [], shown: {}, keys: {}, wires: new AbortController() };
    var controls = w.controls = {};
    root.querySelectorAll('[data-row]').forEach(function (el) {
      controls[el.dataset.row] = el;
      if (el.type === 'checkbox') w.shown[el.dataset.row] = [el.checked, el.indeterminate];
      var key = /^Alt\+(.)$/.exec(el.getAttribute('aria-keyshortcuts'));
      if (key) w.keys[key[1]] = el;
    });
    w.order = root.dataset.tabOrder.split(' ').map(function (row) { return controls[row]; });
    var active = document.activeElement;
    w.focused = active && active.dataset && active.dataset.row && root.contains(active) ? active
                                                                                       : root.querySelector('[autofocus]');

    // What the user did with the element, reported by its event and its row (none for the
    // close box).
    function send(el) {
      var row = el.dataset.row ? +el.dataset.row : -1;
      if (w.program) return w.program(+el.dataset.event, row);
      w.kept.push([+el.dataset.event, row]);
      return false;
    }
    // The window's focus goes to the control: the field it leaves is reported first. False
    // when that report put up a message, which now has the focus.
    function move(to) {
      var from = w.focused;
      w.focused = to;
      return !from || from === to || from.type !== 'text' || !send(from);
    }
    // The enabled control that a press on the element reaches, if any: a check box's caption
    // is part of its box.
    function controlAt(target) {
      var el = target.closest && target.closest('[data-row], label.check');
      if (el && el.tagName === 'LABEL') el = el.control;
      return el && root.contains(el) && !el.disabled ? el : null;
    }
    function listen(type, handler) { document.addEventListener(type, handler, { signal: w.wires.signal }); }

    listen('mousedown', function (e) {
      var to = controlAt(e.target);
      if (!to) {
        // The page's own controls around the window are another window's: they take the focus.
        if (root.contains(e.target) || !e.target.closest('a[href], button, input, select, textarea')) e.preventDefault();
      } else if (e.button === 0) {
        if (!move(to)) e.preventDefault();
        else if (to.type !== 'text') to.focus({ preventScroll: true });
      }
    });
    listen('keydown', function (e) {
      if (!root.contains(e.target) && e.target !== document.body) return;
      var to = e.altKey && !e.ctrlKey && !e.metaKey && (w.keys[e.key.toUpperCase()] || w.keys[e.code.slice(3)]);
      // WebKitGTK names Shift+Tab's key Unidentified; its code is Tab's.
      if ((e.key === 'Tab' || e.code === 'Tab') && !e.ctrlKey && !e.altKey && !e.metaKey) {
        e.preventDefault();
        var order = w.order, step = e.shiftKey ? order.length - 1 : 1, at = order.indexOf(w.focused);
        if (at < 0) at = e.shiftKey ? 0 : order.length - 1;
        for (var n = 1; n < order.length && order[(at + n * step) % order.length].disabled; ++n);
        to = order[(at + n * step) % order.length];
        if (move(to)) {
          to.focus({ preventScroll: true });
          // As on the desktop, a field reached by the keyboard has its whole text selected.
          if (to.type === 'text') to.select();
        }
      } else if (to && !to.disabled) {
        // An access key moves the focus to its button and presses it, as on Windows.
        e.preventDefault();
        if (move(to)) {
          to.focus({ preventScroll: true });
          send(to);
        }
      }
    });
    // A move the window did not make itself, such as a screen reader's.
    listen('focusin', function (e) {
      if (e.target !== w.focused && e.target.dataset && e.target.dataset.row && root.contains(e.target)) move(e.target);
    });
    listen('click', function (e) {
      var el = e.target, button = el.closest('button[data-event]');
      if (!root.contains(el)) return;
      if (el.type === 'checkbox') {
        // The browser has already toggled the box: it shows the program's value again, and the
        // program decides.
        var shown = w.shown[el.dataset.row];
        el.checked = shown[0];
        el.indeterminate = shown[1];
        send(el);
      } else if (el.closest('label.label')) {
        e.preventDefault();
      } else if (button) {
        send(button);
      }
    });
    // A field scrolled into view below the window's edge must not shift the layout.
    var client = root.querySelector('.client');
    client.addEventListener('scroll', function () { client.scrollTop = 0; client.scrollLeft = 0; });
    root.lumetra = w;
    return w;
  },
};

document.querySelectorAll('.lumetra-window').forEach(LumetraWindow.wire);
