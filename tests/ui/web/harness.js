// What the web binding tests' driver reads of the page: what the user sees of a control, and
// of the window and its messages. Each function answers with a string, so that the driver
// reads every answer the same way.
'use strict';

const seen = {
  control(name) {
    const el = document.getElementById(name);
    if (!el) throw new Error('the window has no control named ' + name);
    return el;
  },

  // The box that a control takes on the page: a check box's is its label with the caption.
  placeOf(el) { return el.type === 'checkbox' ? el.closest('.control') : el; },

  // A caption as stored: the access key's letter, drawn underlined, after an ampersand.
  caption(el) {
    if (el.tagName === 'INPUT' && el.type === 'text') return el.value;
    const from = el.type === 'checkbox' ? el.parentElement : el.tagName === 'FIELDSET' ? el.querySelector('legend') : el;
    if (!from) return '';
    let text = '';
    for (const node of from.childNodes)
      text += node.nodeName === 'U' ? '&' + node.textContent : node.nodeType === Node.TEXT_NODE ? node.textContent : '';
    return text;
  },

  // The width the caption takes drawn on one line in the control's own font.
  captionWidth(el) {
    const range = document.createRange();
    range.selectNodeContents(el.type === 'checkbox' ? el.parentElement : el);
    return Math.round(range.getBoundingClientRect().width);
  },

  colour(css) {
    const probe = document.createElement('div');
    probe.style.background = css;
    document.body.appendChild(probe);
    const colour = getComputedStyle(probe).backgroundColor;
    probe.remove();
    return colour;
  },

  // The look that a field's typing and its colour agree on, or '' where they do not.
  look(el) {
    const field = seen.colour('Field'), face = seen.colour('ButtonFace');
    if (field === face) throw new Error('the browser does not tell the two looks apart');
    const background = getComputedStyle(el).backgroundColor;
    if (el.readOnly && background === face) return 'read-only';
    if (!el.readOnly && background === field) return 'editable';
    return '';
  },

  shown(name) {
    const el = seen.control(name);
    const client = document.querySelector('.lumetra-window .client').getBoundingClientRect();
    const box = seen.placeOf(el).getBoundingClientRect();
    const value = el.type === 'checkbox' ? (el.indeterminate ? 2 : el.checked ? 1 : 0) : 0;
    const field = el.tagName === 'INPUT' && el.type === 'text';
    return [
      Math.round(box.left - client.left), Math.round(box.top - client.top), Math.round(box.width), Math.round(box.height),
      seen.captionWidth(el), !seen.placeOf(el).hidden && box.width > 0 ? 1 : 0, el.disabled ? 0 : 1, value,
      el.matches(':active') ? 1 : 0, el.type === 'submit' ? 1 : 0,
      field ? seen.look(el) : '-', field && el.maxLength > 0 ? el.maxLength : 0,
      field && ['left', 'start'].includes(getComputedStyle(el).textAlign) ? 1 : 0,
    ].join(' ');
  },

  focused() {
    const el = document.activeElement;
    return el && el.closest('.lumetra-window .client') ? el.id : '';
  },

  frame() {
    const root = document.querySelector('.lumetra-window');
    const client = root.querySelector('.client');
    const style = getComputedStyle(root);
    const resizable = style.resize !== 'none' || client.style.width === '' || client.style.height === '';
    const boxes = ['.close-box', '.minimise-box', '.maximise-box'].map((s) => (root.querySelector(s) ? 1 : 0));
    return [root.querySelector('.title-bar .caption').textContent, client.offsetWidth, client.offsetHeight,
            resizable ? 1 : 0, ...boxes].join('\n');
  },

  // The message that is up: caption, text, buttons and whether it has an icon.
  message() {
    const dialog = document.querySelector('dialog[open]');
    if (!dialog) return '';
    const buttons = [...dialog.querySelectorAll('button')].map((b) => b.textContent).join('|');
    return [dialog.querySelector('.caption').textContent, dialog.querySelector('.text').textContent, buttons,
            dialog.querySelector('img, svg, .icon') ? 1 : 0].join('\n');
  },

  windowShown() { return document.querySelector('.lumetra-window') ? '1' : '0'; },

  // What waits for the driver, oldest first.
  take(queue) { return (Module[queue] || []).splice(0).join('\n'); },
};
