// The page's side of the web binding, for the program: it takes the window the page shows,
// whose controls window.js has wired from the start, hears from then on what the user does
// with them (lumetra_web_event), after what the user did while the program loaded, and shows
// what the program writes. While a message is up the program is asleep and nothing else is
// reported, as the message is modal.

mergeInto(LibraryManager.library, {
  $LumetraDom__deps: ['$Asyncify'],
  $LumetraDom: {
    windows: {},

    element: function (tag, className, text) {
      var el = document.createElement(tag);
      if (className) el.className = className;
      if (text !== undefined) el.textContent = text;
      return el;
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
    LumetraDom.windows[id] = root.lumetra || LumetraWindow.wire(root);
  },

  // The program has started: the focus goes to the first control unless the user has already
  // put it in the window, and what the user did while the program loaded is done in order,
  // once main has returned. A message stops the rest, as no more could have been done while
  // it was up.
  lumetra_dom_show__deps: ['$LumetraDom'],
  lumetra_dom_show: function (id) {
    var w = LumetraDom.windows[id];
    if (!w.root.contains(document.activeElement)) w.focused.focus({ preventScroll: true });
    setTimeout(function () {
      w.program = function (event, row) {
        if (Asyncify.currData) return true;
        Module['_lumetra_web_event'](id, event, row);
        return !!Asyncify.currData;
      };
      for (var i = 0; i < w.kept.length && !w.program(w.kept[i][0], w.kept[i][1]); ++i);
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
    var text = LumetraDom.windows[id].controls[row].value;
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
  lumetra_dom_show_value: function (id, row, checked, greyed) {
    var w = LumetraDom.windows[id];
    var el = w.controls[row];
    w.shown[row] = [el.checked = !!checked, el.indeterminate = !!greyed];
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
        // The focus goes back to the window's control: a field left by a press or a key puts
        // its message up before the control that the press or key moved to has the focus.
        if (w.root.isConnected) w.focused.focus({ preventScroll: true });
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
    w.wires.abort();
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
