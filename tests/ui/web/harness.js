// What the web binding tests' driver reaches in the page: the window's interface (callHarness, by
// the harness's exported functions) and what the user sees of the window and its messages.
'use strict';

function callHarness(name, ...args) {
  // The message returns once dismissed: the driver goes on meanwhile.
  const asleep = name === 'show_message';
  const result = Module.ccall('harness_' + name, name === 'text' ? 'string' : 'number', args.map((a) => typeof a),
                              args, { async: asleep });
  return asleep ? null : result;
}

const seen = {
  control(name) {
    const el = document.getElementById(name);
    if (!el) throw new Error('the page has nothing named ' + name);
    return el;
  },

  // The box that a control takes on the page: a check box's is its label with the caption.
  placeOf: (el) => (el.type === 'checkbox' ? el.closest('.control') : el),

  // A caption as stored: the access key's letter, drawn underlined, after an ampersand.
  caption(name) {
    const el = seen.control(name);
    if (el.type === 'text') return el.value;
    const from = el.type === 'checkbox' ? el.parentElement : el.tagName === 'FIELDSET' ? el.querySelector('legend') : el;
    return [...(from ? from.childNodes : [])]
      .map((node) => (node.nodeName === 'U' ? '&' + node.textContent : node.nodeType === Node.TEXT_NODE ? node.textContent : ''))
      .join('');
  },

  colour(css) {
    const probe = document.body.appendChild(document.createElement('div'));
    probe.style.background = css;
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
    return !el.readOnly && background === field ? 'editable' : '';
  },

  shown(name) {
    const el = seen.control(name);
    const client = document.querySelector('.lumetra-window .client').getBoundingClientRect();
    const box = seen.placeOf(el).getBoundingClientRect();
    const field = el.type === 'text';
    const caption = document.createRange();
    caption.selectNodeContents(el.type === 'checkbox' ? el.parentElement : el);
    return {
      place: [box.left - client.left, box.top - client.top, box.width, box.height].map(Math.round),
      captionWidth: Math.round(caption.getBoundingClientRect().width),
      visible: !seen.placeOf(el).hidden && box.width > 0, enabled: !el.disabled,
      value: el.type === 'checkbox' ? (el.indeterminate ? 2 : el.checked ? 1 : 0) : 0,
      heldDown: el.matches(':active'), isDefault: el.type === 'submit',
      look: field ? seen.look(el) : '', typingLimit: field ? Math.max(el.maxLength, 0) : 0,
      alignedLeft: field && ['left', 'start'].includes(getComputedStyle(el).textAlign),
    };
  },

  focused() {
    const el = document.activeElement;
    return el && el.closest('.lumetra-window .client') ? el.id : '';
  },

  frame() {
    const root = document.querySelector('.lumetra-window');
    const client = root.querySelector('.client');
    return {
      caption: root.querySelector('.title-bar .caption').textContent, clientWidth: client.offsetWidth,
      clientHeight: client.offsetHeight,
      resizable: getComputedStyle(root).resize !== 'none' || client.style.width === '' || client.style.height === '',
      closeBox: !!root.querySelector('.close-box'), minimiseBox: !!root.querySelector('.minimise-box'),
      maximiseBox: !!root.querySelector('.maximise-box'),
    };
  },

  windowShown: () => !!document.querySelector('.lumetra-window'),

  // What waited for the driver since it last asked, and the message that is up.
  take() {
    const dialog = document.querySelector('dialog[open]');
    const taken = { events: Module.events.splice(0), messages: Module.messages.splice(0), message: null };
    if (dialog) {
      taken.message = { caption: dialog.querySelector('.caption').textContent, text: dialog.querySelector('.text').textContent,
                        buttons: [...dialog.querySelectorAll('button')].map((b) => b.textContent),
                        icon: !!dialog.querySelector('img, svg, .icon') };
    }
    return taken;
  },

  // The keyboard's focus as the desktop drivers give it, and a screen reader's default action.
  focus: (name) => seen.control(name).focus(),
  act: (name) => seen.control(name).click(),
};

var Module = { events: [], messages: [] };
