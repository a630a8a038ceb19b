// The page's side of the web binding: the window's controls as the page's own HTML elements,
// and what the user does with them passed to the program (lumetra_web_event). The C++ side
// decides everything; this file only wires the elements, shows what it is told and reports.
//
// Rules the window keeps, as on the desktop:
// - a field is reported as left only when the focus moves to another control of the same
//   window, never when it goes to a message, another window or nowhere;
// - Tab and Shift+Tab visit the focusable controls by tab index and wrap round;
// - a check box shows only what the program assigns: a click is reported, and undone;
// - while a message is up the program is asleep, and nothing else is reported.

mergeInto(LibraryManager.library, {
  $LumetraDom__deps: ['$Asyncify'],
  $LumetraDom: {
    windows: {},
    events: { boxClicked: 0, buttonClicked: 1, fieldLeft: 2, closeBox: 3 },

    report: function (w, event, row) {
      // Asleep in a message: the program cannot take another event, and the user cannot
      // have meant one, as the message is modal.
      if (Asyncify.currData || !w.open) return;
      Module['_lumetra_web_event'](w.id, event, row);
    },

    element: function (tag, className, text) {
      var el = document.createElement(tag);
      if (className) el.className = className;
      if (text !== undefined) el.textContent = text;
      return el;
    },

    focusables: function (w) {
      return w.tabOrder.filter(function (el) { return !el.disabled && !el.hidden; });
    },

    // The next control in tab order, wrapping, from the one that has the focus.
    tab: function (w, backwards) {
      var list = LumetraDom.focusables(w);
      if (!list.length) return;
      var at = list.indexOf(document.activeElement);
      var next = at < 0 ? (backwards ? list.length - 1 : 0)
                        : (at + (backwards ? list.length - 1 : 1)) % list.length;
      list[next].focus({ preventScroll: true });
      // As on the desktop, a field reached by the keyboard has its whole text selected.
      if (list[next].type === 'text') list[next].select();
    },

    // The controls of the window's markup, each by its row, with what the user does with
    // them passed on.
    wire: function (w) {
      var root = w.root;
      root.querySelectorAll('[data-row]').forEach(function (el) {
        var row = +el.dataset.row;
        w.controls[row] = el;
        if (el.tagName === 'INPUT' && el.type === 'text') {
          el.addEventListener('focusout', function (e) {
            var to = e.relatedTarget;
            if (to && to !== el && w.tabOrder.indexOf(to) >= 0) {
              w.focusAfterMessage = to;
              LumetraDom.report(w, LumetraDom.events.fieldLeft, row);
              if (!Asyncify.currData) w.focusAfterMessage = null;
            }
          });
        } else if (el.type === 'checkbox') {
          w.values[row] = el.indeterminate ? 2 : el.checked ? 1 : 0;
          el.addEventListener('click', function () {
            // The browser has already toggled the box: show the program's value again, and
            // let the program decide.
            el.checked = w.values[row] !== 0;
            el.indeterminate = w.values[row] === 2;
            LumetraDom.report(w, LumetraDom.events.boxClicked, row);
          });
        } else if (el.tagName === 'BUTTON') {
          el.addEventListener('click', function () {
            LumetraDom.report(w, LumetraDom.events.buttonClicked, row);
          });
        }
      });
      w.tabOrder = Array.prototype.slice.call(root.querySelectorAll('.client [tabindex]'))
        .sort(function (a, b) { return a.tabIndex - b.tabIndex; });

      var close = root.querySelector('.close-box');
      close.addEventListener('click', function () { LumetraDom.report(w, LumetraDom.events.closeBox, -1); });
      // Pressing anything but a control leaves the focus where it is, as on the desktop:
      // labels, frames and the window's face never take it.
      root.addEventListener('mousedown', function (e) {
        var el = e.target.closest('input, button');
        if (!el || !root.contains(el) || el.disabled || el === close) e.preventDefault();
      });
      root.addEventListener('keydown', function (e) {
        if (e.key === 'Tab' && !e.ctrlKey && !e.altKey && !e.metaKey) {
          e.preventDefault();
          LumetraDom.tab(w, e.shiftKey);
        }
      });
      root.querySelectorAll('label.label').forEach(function (label) {
        label.addEventListener('click', function (e) { e.preventDefault(); });
      });
      // A field scrolled into view below the window's edge must not shift the layout.
      var client = root.querySelector('.client');
      client.addEventListener('scroll', function () { client.scrollTop = 0; client.scrollLeft = 0; });
    },
  },

  // The window from its markup: the one the page already shows (written in when the site was
  // built), or else the markup put in now.
  lumetra_dom_open__deps: ['$LumetraDom'],
  lumetra_dom_open: function (id, markup) {
    var host = document.getElementById('lumetra') || document.body;
    var root = host.querySelector('.lumetra-window');
    if (!root) {
      host.innerHTML = UTF8ToString(markup);
      root = host.querySelector('.lumetra-window');
    }
    var w = { id: id, open: true, root: root, controls: [], values: {}, tabOrder: [] };
    LumetraDom.windows[id] = w;
    LumetraDom.wire(w);
  },

  // The program has started: what the user did while it loaded (the page's own script noted
  // it) is done in order, once main has returned, and the focus goes to the first control
  // unless the user has already put it in the window. A message stops the rest, as no more
  // could have been done while it was up.
  lumetra_dom_show__deps: ['$LumetraDom'],
  lumetra_dom_show: function (id, firstRow) {
    var w = LumetraDom.windows[id];
    var early = window.lumetraEarly || [];
    window.lumetraEarly = null;
    if (!w.root.contains(document.activeElement)) w.controls[firstRow].focus({ preventScroll: true });
    setTimeout(function () {
      for (var i = 0; i < early.length && !Asyncify.currData; ++i)
        LumetraDom.report(w, LumetraDom.events[early[i][0]], early[i][1]);
      w.root.dataset.ready = '';
    });
  },

  lumetra_dom_set_enabled__deps: ['$LumetraDom'],
  lumetra_dom_set_enabled: function (id, row, enabled) {
    var el = LumetraDom.windows[id].controls[row];
    el.disabled = !enabled;
    el.closest('.control').classList.toggle('disabled', !enabled);
  },

  lumetra_dom_text__deps: ['$LumetraDom', 'malloc'],
  lumetra_dom_text: function (id, row) {
    var el = LumetraDom.windows[id].controls[row];
    var text = el.tagName === 'INPUT' && el.type === 'text' ? el.value : el.textContent;
    var size = lengthBytesUTF8(text) + 1;
    var p = _malloc(size);
    stringToUTF8(text, p, size);
    return p;
  },

  lumetra_dom_set_text__deps: ['$LumetraDom'],
  lumetra_dom_set_text: function (id, row, text) {
    LumetraDom.windows[id].controls[row].value = UTF8ToString(text);
  },

  lumetra_dom_show_value__deps: ['$LumetraDom'],
  lumetra_dom_show_value: function (id, row, value) {
    var w = LumetraDom.windows[id];
    w.values[row] = value;
    var el = w.controls[row];
    el.checked = value !== 0;
    el.indeterminate = value === 2;
  },

  lumetra_dom_set_read_only__deps: ['$LumetraDom'],
  lumetra_dom_set_read_only: function (id, row, readOnly) {
    var el = LumetraDom.windows[id].controls[row];
    el.readOnly = readOnly;
    el.classList.toggle('read-only', readOnly);
  },

  lumetra_dom_show_message__deps: ['$LumetraDom'],
  lumetra_dom_show_message: function (id, caption, text, button) {
    var w = LumetraDom.windows[id];
    var captionText = UTF8ToString(caption);
    var messageText = UTF8ToString(text);
    var buttonText = UTF8ToString(button);
    return Asyncify.handleSleep(function (wakeUp) {
      var element = LumetraDom.element;
      var dialog = element('dialog', 'lumetra-message');
      var bar = element('div', 'title-bar');
      var title = element('h2', 'caption', captionText);
      title.id = 'lumetra-message-caption';
      bar.appendChild(title);
      var body = element('p', 'text', messageText);
      body.id = 'lumetra-message-text';
      var buttons = element('div', 'buttons');
      var ok = element('button', '', buttonText);
      ok.type = 'button';
      buttons.appendChild(ok);
      dialog.append(bar, body, buttons);
      dialog.setAttribute('aria-labelledby', title.id);
      dialog.setAttribute('aria-describedby', body.id);
      dialog.addEventListener('close', function () {
        dialog.remove();
        // A field left for a control puts its message up before that control has the focus:
        // the focus goes on to it once the message is dismissed.
        var to = w.focusAfterMessage;
        if (to && w.open && (document.activeElement === document.body || !document.activeElement))
          to.focus({ preventScroll: true });
        w.focusAfterMessage = null;
        wakeUp();
      });
      ok.addEventListener('click', function () { dialog.close(); });
      document.body.appendChild(dialog);
      dialog.showModal();
      ok.focus();
    });
  },

  lumetra_dom_close__deps: ['$LumetraDom'],
  lumetra_dom_close: function (id, ended, startAgain) {
    var w = LumetraDom.windows[id];
    if (!w) return;
    w.open = false;
    delete LumetraDom.windows[id];
    if (!ended) {
      w.root.remove();
      return;
    }
    var notice = LumetraDom.element('section', 'lumetra-ended');
    var again = LumetraDom.element('button', '', UTF8ToString(startAgain));
    again.type = 'button';
    again.addEventListener('click', function () { location.reload(); });
    notice.append(LumetraDom.element('p', '', UTF8ToString(ended)), again);
    w.root.replaceWith(notice);
    again.focus();
  },
});
