// The page's side of the web binding: the window's controls as the page's own HTML elements,
// and what the user does with them passed to the program (lumetra_web_event). The C++ side
// decides everything; this file only builds elements, shows what it is told and reports.
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
    kinds: ['label', 'field', 'box', 'button', 'frame'],
    events: { boxClicked: 0, buttonClicked: 1, fieldLeft: 2, closeBox: 3 },

    report: function (w, event, row) {
      // Asleep in a message: the program cannot take another event, and the user cannot
      // have meant one, as the message is modal.
      if (Asyncify.currData || !w.open) return;
      Module['_lumetra_web_event'](w.id, event, row);
    },

    // A caption such as "E&xit": the ampersand marks the access key, "&&" is an ampersand.
    setCaption: function (el, caption) {
      var key = '';
      for (var i = 0; i < caption.length; ++i) {
        var c = caption[i];
        if (c === '&' && i + 1 < caption.length) {
          c = caption[++i];
          if (c !== '&' && !key) {
            key = c.toLowerCase();
            var u = document.createElement('u');
            u.textContent = c;
            el.appendChild(u);
            continue;
          }
        }
        el.appendChild(document.createTextNode(c));
      }
      if (key) {
        el.setAttribute('accesskey', key);
        el.setAttribute('aria-keyshortcuts', 'Alt+' + key.toUpperCase());
      }
      return key;
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

    control: function (w, row) { return w.controls[row]; },
  },

  lumetra_dom_open__deps: ['$LumetraDom'],
  lumetra_dom_open: function (id, caption, clientWidth, clientHeight) {
    var host = document.getElementById('lumetra') || document.body;
    var root = document.createElement('section');
    root.className = 'lumetra-window';
    var bar = document.createElement('div');
    bar.className = 'title-bar';
    var icon = document.createElement('img');
    icon.className = 'icon';
    icon.src = 'icons/lumetra-16.png';
    icon.srcset = 'icons/lumetra-16.png 1x, icons/lumetra-32.png 2x';
    icon.alt = '';
    icon.width = 16;
    icon.height = 16;
    var title = document.createElement('h1');
    title.className = 'caption';
    title.id = 'lumetra-caption';
    title.textContent = UTF8ToString(caption);
    var close = document.createElement('button');
    close.type = 'button';
    close.className = 'close-box';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Close');
    close.title = 'Close';
    bar.append(icon, title, close);
    var client = document.createElement('div');
    client.className = 'client';
    client.style.width = clientWidth + 'px';
    client.style.height = clientHeight + 'px';
    root.setAttribute('aria-labelledby', title.id);
    root.append(bar, client);
    host.replaceChildren(root);

    var w = { id: id, open: true, root: root, client: client, controls: [], tabOrder: [], byTab: [] };
    LumetraDom.windows[id] = w;

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
    // A field scrolled into view below the window's edge must not shift the layout.
    client.addEventListener('scroll', function () { client.scrollTop = 0; client.scrollLeft = 0; });
  },

  lumetra_dom_add__deps: ['$LumetraDom'],
  lumetra_dom_add: function (id, row, kind, container, name, caption, left, top, width, height, tabIndex, labelFor) {
    var w = LumetraDom.windows[id];
    var parent = container < 0 ? w.client : w.controls[container];
    var text = UTF8ToString(caption);
    var el, place;
    switch (LumetraDom.kinds[kind]) {
      case 'label':
        el = document.createElement('label');
        el.textContent = text;
        if (labelFor >= 0) el.htmlFor = w.controls[labelFor].id;
        el.addEventListener('click', function (e) { e.preventDefault(); });
        break;
      case 'field':
        el = document.createElement('input');
        el.type = 'text';
        el.value = text;
        el.autocomplete = 'off';
        el.spellcheck = false;
        el.addEventListener('focusout', function (e) {
          var to = e.relatedTarget;
          if (to && to !== el && w.tabOrder.indexOf(to) >= 0) {
            w.focusAfterMessage = to;
            LumetraDom.report(w, LumetraDom.events.fieldLeft, row);
            if (!Asyncify.currData) w.focusAfterMessage = null;
          }
        });
        break;
      case 'box':
        el = document.createElement('input');
        el.type = 'checkbox';
        place = document.createElement('label');
        place.className = 'check';
        place.append(el, document.createTextNode(text));
        el.addEventListener('click', function () {
          // The browser has already toggled the box: show the program's value again, and
          // let the program decide.
          el.checked = w.values[row] !== 0;
          el.indeterminate = w.values[row] === 2;
          LumetraDom.report(w, LumetraDom.events.boxClicked, row);
        });
        break;
      case 'button':
        el = document.createElement('button');
        el.type = 'button';
        LumetraDom.setCaption(el, text);
        el.addEventListener('click', function () {
          LumetraDom.report(w, LumetraDom.events.buttonClicked, row);
        });
        break;
      case 'frame':
        el = document.createElement('fieldset');
        if (text) {
          var legend = document.createElement('legend');
          legend.textContent = text;
          el.appendChild(legend);
        }
        break;
    }
    el.id = UTF8ToString(name);
    place = place || el;
    place.classList.add('control', LumetraDom.kinds[kind]);
    place.style.left = left + 'px';
    place.style.top = top + 'px';
    if (width >= 0) {
      place.style.width = width + 'px';
      place.style.height = height + 'px';
    }
    parent.appendChild(place);
    w.controls[row] = el;
    if (el.tagName === 'INPUT' || el.tagName === 'BUTTON') {
      el.tabIndex = tabIndex + 1;
      w.byTab[tabIndex] = el;
      w.tabOrder = w.byTab.filter(function (x) { return x; });
    }
  },

  lumetra_dom_set_typing_limit__deps: ['$LumetraDom'],
  lumetra_dom_set_typing_limit: function (id, row, limit) {
    // The browser holds typing and pasting to maxLength, and never cuts what a script writes.
    if (limit > 0) LumetraDom.windows[id].controls[row].maxLength = limit;
  },

  lumetra_dom_set_enabled__deps: ['$LumetraDom'],
  lumetra_dom_set_enabled: function (id, row, enabled) {
    var el = LumetraDom.windows[id].controls[row];
    el.disabled = !enabled;
    el.closest('.control').classList.toggle('disabled', !enabled);
  },

  lumetra_dom_set_visible__deps: ['$LumetraDom'],
  lumetra_dom_set_visible: function (id, row, visible) {
    LumetraDom.windows[id].controls[row].closest('.control').hidden = !visible;
  },

  lumetra_dom_focus__deps: ['$LumetraDom'],
  lumetra_dom_focus: function (id, row) {
    LumetraDom.windows[id].controls[row].focus({ preventScroll: true });
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
    w.values = w.values || {};
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
  lumetra_dom_show_message: function (id, caption, text) {
    var w = LumetraDom.windows[id];
    var captionText = UTF8ToString(caption);
    var messageText = UTF8ToString(text);
    return Asyncify.handleSleep(function (wakeUp) {
      var dialog = document.createElement('dialog');
      dialog.className = 'lumetra-message';
      var bar = document.createElement('div');
      bar.className = 'title-bar';
      var title = document.createElement('h2');
      title.className = 'caption';
      title.id = 'lumetra-message-caption';
      title.textContent = captionText;
      bar.appendChild(title);
      var body = document.createElement('p');
      body.className = 'text';
      body.id = 'lumetra-message-text';
      body.textContent = messageText;
      var buttons = document.createElement('div');
      buttons.className = 'buttons';
      var ok = document.createElement('button');
      ok.type = 'button';
      ok.textContent = 'OK';
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
  lumetra_dom_close: function (id, ended) {
    var w = LumetraDom.windows[id];
    if (!w) return;
    w.open = false;
    delete LumetraDom.windows[id];
    if (!ended) {
      w.root.remove();
      return;
    }
    var ended = document.createElement('section');
    ended.className = 'lumetra-ended';
    var p = document.createElement('p');
    p.textContent = 'Lumetra has ended.';
    var again = document.createElement('button');
    again.type = 'button';
    again.textContent = 'Start Lumetra again';
    again.addEventListener('click', function () { location.reload(); });
    ended.append(p, again);
    w.root.replaceWith(ended);
    again.focus();
  },
});
