// vexa serve: draws the dialogs the server describes and sends back what the user does.
// The pages' logic, checks and messages are the server's; this file only lays out and forwards.
'use strict';

const TOKEN = document.body.dataset.token;
const SCALE = 1.75;          // pixels per dialog unit
const LIST_HEIGHT = 14;      // the closed height of a drop list, dialog units
const $ = (id) => document.getElementById(id);

let cur = null;              // the open calculation as the server described it
let modal = null;            // {serial, root, controls}
let picker = null;           // the section picker's state
let menuButtons = {};
let queue = Promise.resolve();

// ---- talking to the server: one action at a time, in order ----

let pending = 0;              // actions not answered yet (also read by the tests)

function post(action) {
  document.body.dataset.pending = ++pending;
  const run = () => fetch('/api/action', {
    method: 'POST',
    headers: { 'Content-Type': 'application/json', 'X-Vexa-Token': TOKEN },
    body: JSON.stringify(action),
  }).then((r) => r.json().catch(() => ({ ok: false, error: 'HTTP ' + r.status })))
    .catch((e) => ({ ok: false, error: '与 vexa serve 的连接中断：' + e.message }));
  const p = queue.then(run).then((answer) => {
    document.body.dataset.pending = --pending;
    return answer;
  });
  queue = p;
  return p;
}

function act(action) {
  action.dialog = cur ? cur.dialog : 0;
  document.body.classList.add('busy');
  return post(action).then((answer) => {
    document.body.classList.remove('busy');
    apply(answer);
    return answer;
  });
}

function withToken(url) { return url + (url.includes('?') ? '&' : '?') + 'token=' + encodeURIComponent(TOKEN); }

function svgUrl(svg) { return 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(svg); }

function el(tag, cls, text) {
  const e = document.createElement(tag);
  if (cls) e.className = cls;
  if (text !== undefined) e.textContent = text;
  return e;
}

// ---- the menu ----

function buildMenu(menu) {
  const nav = $('menu');
  nav.textContent = '';
  menuButtons = {};
  for (const cat of menu.categories) {
    nav.appendChild(el('h2', null, cat.name));
    for (const item of cat.items) {
      const b = el('button', 'calt', item.name);
      b.type = 'button';
      b.dataset.code = item.code;
      b.title = item.code;
      b.addEventListener('click', () => openCalculation(item.code));
      nav.appendChild(b);
      menuButtons[item.code] = b;
    }
  }
}

function markMenu(code) {
  for (const [c, b] of Object.entries(menuButtons)) b.classList.toggle('active', c === code);
}

function showNotice(text) { $('notice').textContent = text || ''; }

function openCalculation(code) {
  if (overlayOpen()) return;
  act({ action: 'open', code }).then((answer) => {
    if (!answer.ok) return;
    showNotice(answer.notice);
    markMenu(code);
    if (answer.notBuilt) {
      cur = null;
      $('dialog').hidden = true;
      $('welcome').hidden = true;
      $('unbuilt').hidden = false;
      $('unbuilt-title').textContent = answer.name;
      $('unbuilt-message').textContent = answer.message;
      return;
    }
    showDialog(answer);
  });
}

// ---- the tab dialog ----

function showDialog(d) {
  cur = { dialog: d.dialog, code: d.code, tabs: d.tabs, tab: d.tab, pages: [], book: 0, bookShown: -1,
          bookFormats: d.bookFormats, drawFormats: d.drawFormats, drawing: null };
  closeModal();
  closePicker();
  $('welcome').hidden = true;
  $('unbuilt').hidden = true;
  $('dialog').hidden = false;
  $('title').textContent = d.title;
  $('description').textContent = d.description;
  $('summary').textContent = '';
  markMenu(d.code);
  const tabs = $('tabs');
  const pages = $('pages');
  tabs.textContent = '';
  pages.textContent = '';
  d.tabs.forEach((t, i) => {
    const b = el('button', 'tab', t.label);
    b.type = 'button';
    b.setAttribute('role', 'tab');
    b.dataset.index = i;
    b.addEventListener('click', () => selectTab(i));
    tabs.appendChild(b);
    const holder = el('div', 'tabpage ' + t.kind);
    holder.dataset.index = i;
    holder.dataset.kind = t.kind;
    let page = null;
    if (t.kind === 'book') {
      holder.appendChild(buildBook());
    } else {
      page = buildLayout(t.layout, (payload) => act(Object.assign({ action: 'event', page: i }, payload)), 'p' + i);
      holder.appendChild(page.root);
      if (t.kind === 'drawing') holder.appendChild(buildPreview());
    }
    cur.pages.push(page);
    pages.appendChild(holder);
  });
  showTab(d.tab);
  apply(d);
}

function selectTab(i) {
  if (!cur || i === cur.tab || overlayOpen()) return;
  showTab(i);
  act({ action: 'tab', index: i });
}

// The dialog's "计算" where the page shown has none of its own.
function showCalcButton() {
  const page = cur && cur.pages[cur.tab];
  const own = page && Object.values(page.controls).some((w) =>
    w.kind === 'button' && w.c.visible && w.c.text.replace(/\s/g, '') === '计算');
  $('calc').hidden = !!own;
}

function showTab(i) {
  cur.tab = i;
  document.querySelectorAll('#tabs .tab').forEach((b, k) => b.setAttribute('aria-selected', k === i ? 'true' : 'false'));
  document.querySelectorAll('#pages .tabpage').forEach((p, k) => { p.hidden = k !== i; });
  if (cur.tabs[i].kind === 'book') refreshBook();
  showCalcButton();
}

// The bar above a book or a drawing: a note, then one download link a format.
function downloadBar(noteClass, note, formats, linkClass) {
  const tools = el('div', 'booktools');
  tools.appendChild(el('span', noteClass, note));
  for (const f of formats) {
    const a = el('a', linkClass, '下载 ' + f);
    a.dataset.format = f;
    tools.appendChild(a);
  }
  return tools;
}

function buildBook() {
  const box = el('div', 'book');
  box.appendChild(downloadBar('booknote', '', cur.bookFormats, 'download'));
  const frame = el('iframe', 'bookframe');
  frame.title = '计算书';
  frame.setAttribute('sandbox', '');
  box.appendChild(frame);
  return box;
}

function refreshBook() {
  const box = document.querySelector('#pages .book');
  if (!box) return;
  const note = box.querySelector('.booknote');
  const has = cur.book > 0;
  note.textContent = has ? (cur.calculated ? '' : '输入已修改：下面是上次计算的计算书，按【计算】更新。') : '尚无计算书：请先按【计算】。';
  box.querySelectorAll('a.download').forEach((a) => {
    if (has) a.href = withToken(`/api/book?dialog=${cur.dialog}&format=${encodeURIComponent(a.dataset.format)}&download=1`);
    else a.removeAttribute('href');
    a.classList.toggle('off', !has);
  });
  const frame = box.querySelector('iframe');
  if (has && cur.bookShown !== cur.book) {
    frame.src = withToken(`/api/book?dialog=${cur.dialog}&format=.html&n=${cur.book}`);
    cur.bookShown = cur.book;
  } else if (!has) {
    frame.removeAttribute('src');
  }
}

function buildPreview() {
  const box = el('div', 'preview');
  box.appendChild(downloadBar('drawnote', '按【绘制】后在这里预览图形。', cur.drawFormats, 'download off'));
  const img = el('img', 'drawing');
  img.alt = '图形预览';
  img.hidden = true;
  box.appendChild(img);
  return box;
}

function showDrawing(drawing) {
  const box = document.querySelector('#pages .preview');
  if (!box) return;
  const img = box.querySelector('img');
  img.src = svgUrl(drawing.svg);
  img.hidden = false;
  box.querySelector('.drawnote').textContent = '图形（' + drawing.command + '）：';
  box.dataset.command = drawing.command;
  box.querySelectorAll('a.download').forEach((a) => {
    a.href = withToken(`/api/drawing?dialog=${cur.dialog}&format=${encodeURIComponent(a.dataset.format)}&n=${Date.now()}`);
    a.classList.remove('off');
  });
}

// ---- laying out a dialog template ----

// Lays out `layout` (caption, width, height, controls in dialog units); `send` forwards an event.
function buildLayout(layout, send, key) {
  const root = el('div', 'layout');
  root.style.width = layout.width * SCALE + 'px';
  root.style.height = layout.height * SCALE + 'px';
  const controls = {};
  for (const c of layout.controls) {
    const w = makeControl(c, send, key);
    root.appendChild(w.box);
    controls[c.id] = w;
    update(w, c);
  }
  return { root, controls };
}

function makeControl(c, send, key) {
  const box = el('div', 'ctl ' + c.kind);
  box.dataset.id = c.id;
  box.dataset.name = c.name;
  box.dataset.kind = c.kind;
  const [x, y, cx, cy] = c.rect;
  const dropDown = c.kind === 'droplist' || c.kind === 'combo';
  box.style.left = x * SCALE + 'px';
  box.style.top = y * SCALE + 'px';
  box.style.width = cx * SCALE + 'px';
  box.style.height = (dropDown ? Math.min(cy, LIST_HEIGHT) : cy) * SCALE + 'px';
  const w = { box, kind: c.kind, c };
  switch (c.kind) {
    case 'static':
      // A label with room for more than one line wraps within its rectangle, as a dialog's does.
      box.classList.toggle('wrap', cy >= 16);
      w.input = box;
      break;
    case 'group':
      w.legend = box.appendChild(el('span', 'legend'));
      break;
    case 'edit': {
      const input = c.multiLine ? el('textarea') : el('input');
      if (!c.multiLine) {
        input.type = 'text';
        input.addEventListener('keydown', (e) => { if (e.key === 'Enter') input.blur(); });
      }
      input.addEventListener('change', () => send({ id: c.id, event: 'KillFocus', text: input.value }));
      w.input = box.appendChild(input);
      break;
    }
    case 'droplist': {
      const s = el('select');
      s.addEventListener('change', () => send({ id: c.id, event: 'SelChange', index: s.selectedIndex }));
      w.input = box.appendChild(s);
      break;
    }
    case 'combo': {
      const input = el('input');
      input.type = 'text';
      const list = el('datalist');
      list.id = 'dl-' + key + '-' + c.id;
      input.setAttribute('list', list.id);
      input.addEventListener('change', () => {
        const i = w.items.indexOf(input.value);
        send(i >= 0 ? { id: c.id, event: 'SelChange', index: i } : { id: c.id, event: 'KillFocus', text: input.value });
      });
      box.appendChild(list);
      w.list = list;
      w.input = box.appendChild(input);
      break;
    }
    case 'check':
    case 'radio': {
      const label = el('label');
      const input = el('input');
      input.type = c.kind === 'check' ? 'checkbox' : 'radio';
      if (c.kind === 'radio') input.name = 'r-' + key + '-' + (c.group || c.id);
      input.addEventListener('change', () => send(c.kind === 'check'
        ? { id: c.id, event: 'Clicked', checked: input.checked } : { id: c.id, event: 'Clicked' }));
      label.appendChild(input);
      w.caption = label.appendChild(el('span'));
      w.input = input;
      box.appendChild(label);
      break;
    }
    case 'button': {
      const b = el('button');
      b.type = 'button';
      b.addEventListener('click', () => send({ id: c.id, event: 'Clicked' }));
      w.input = box.appendChild(b);
      break;
    }
    case 'picture': {
      const img = el('img');
      img.alt = '';
      w.img = box.appendChild(img);
      break;
    }
    case 'listbox': {
      const s = el('select');
      s.size = Math.max(2, Math.floor(cy / 9));
      s.addEventListener('change', () => send({ id: c.id, event: 'SelChange', index: s.selectedIndex }));
      s.addEventListener('dblclick', () => { if (s.selectedIndex >= 0) send({ id: c.id, event: 'DblClk', index: s.selectedIndex }); });
      w.input = box.appendChild(s);
      break;
    }
    case 'listctrl': {
      const table = el('table');
      w.head = table.appendChild(el('thead'));
      w.body = table.appendChild(el('tbody'));
      w.body.addEventListener('click', (e) => {
        const tr = e.target.closest('tr');
        if (tr && !w.disabled) send({ id: c.id, event: 'SelChange', index: Number(tr.dataset.index) });
      });
      w.body.addEventListener('dblclick', (e) => {
        const tr = e.target.closest('tr');
        if (tr && !w.disabled) send({ id: c.id, event: 'DblClk', index: Number(tr.dataset.index) });
      });
      box.appendChild(table);
      break;
    }
    default:
      break;
  }
  return w;
}

function fillOptions(select, items, sel) {
  const same = select.options.length === items.length && items.every((t, i) => select.options[i].text === t);
  if (!same) {
    select.textContent = '';
    for (const t of items) select.appendChild(el('option', null, t));
  }
  select.selectedIndex = sel;
}

// Brings control `w` to the state `c` the server sent.
function update(w, c) {
  w.c = c;
  w.box.hidden = !c.visible;
  w.box.classList.toggle('disabled', !c.enabled);
  switch (c.kind) {
    case 'static':
      w.box.textContent = c.text;
      break;
    case 'group':
      w.legend.textContent = c.text;
      w.legend.hidden = c.text === '';
      break;
    case 'edit':
      if (w.input.value !== c.text) w.input.value = c.text;
      w.input.readOnly = c.readOnly;
      w.input.disabled = !c.enabled;
      break;
    case 'droplist':
      fillOptions(w.input, c.items, c.sel);
      w.input.disabled = !c.enabled;
      break;
    case 'combo':
      w.items = c.items;
      w.list.textContent = '';
      for (const t of c.items) { const o = el('option'); o.value = t; w.list.appendChild(o); }
      w.input.value = c.sel >= 0 ? c.items[c.sel] : c.text;
      w.input.disabled = !c.enabled;
      break;
    case 'check':
    case 'radio':
      w.caption.textContent = c.text;
      w.input.checked = c.checked;
      w.input.disabled = !c.enabled;
      break;
    case 'button':
      w.input.textContent = c.text;
      w.input.disabled = !c.enabled;
      break;
    case 'picture':
      if (c.svg !== undefined) {
        if (c.svg) { w.img.src = svgUrl(c.svg); w.img.hidden = false; } else { w.img.hidden = true; }
      }
      w.img.dataset.picture = c.picture || '';
      break;
    case 'listbox':
      fillOptions(w.input, c.items, c.sel);
      w.input.disabled = !c.enabled;
      break;
    case 'listctrl': {
      w.disabled = !c.enabled;
      w.head.textContent = '';
      const hr = w.head.appendChild(el('tr'));
      for (const t of c.columns) hr.appendChild(el('th', null, t));
      w.body.textContent = '';
      c.rows.forEach((row, i) => {
        const tr = w.body.appendChild(el('tr'));
        tr.dataset.index = i;
        tr.classList.toggle('sel', i === c.sel);
        for (const t of row) tr.appendChild(el('td', null, t));
      });
      break;
    }
    default:
      break;
  }
}

function updateControls(page, controls) {
  for (const c of controls) {
    const w = page.controls[c.id];
    if (w) update(w, c);
  }
}

// ---- an answer of the server ----

function apply(a) {
  if (!a.ok) {
    if (a.stale) {
      showNotice(a.error);
      refreshState();
      return;
    }
    showMessages([{ kind: 'Error', text: a.error || '请求失败。' }]);
    return;
  }
  if (!cur || a.dialog !== cur.dialog) return;
  for (const p of a.pages || []) {
    const page = cur.pages[p.index];
    if (page) updateControls(page, p.controls);
  }
  if (a.modal !== undefined) {
    closeModal();
    if (a.modal) openModal(a.modal);
  }
  if (a.modalControls && modal) updateControls(modal, a.modalControls);
  if (a.picker !== undefined) {
    closePicker();
    if (a.picker) openPicker(a.picker);
  }
  if (a.book !== undefined) {
    cur.book = a.book;
    cur.calculated = a.calculated;
    if (cur.tabs[cur.tab] && cur.tabs[cur.tab].kind === 'book') refreshBook();
  }
  if (a.summary) {
    $('summary').textContent = [a.summary.type, a.summary.result].map((t) => (t || '').replace(/\s+$/, ''))
      .filter((t) => t).join('\n');
  }
  if (a.drawing) showDrawing(a.drawing);
  showCalcButton();
  if (a.messages && a.messages.length) showMessages(a.messages);
}

function refreshState() {
  post({ action: 'state' }).then((s) => {
    if (!s.ok) return;
    buildMenu(s.menu);
    if (s.open) showDialog(s.open);
    else { cur = null; $('dialog').hidden = true; $('welcome').hidden = false; markMenu(''); }
  });
}

// ---- overlays: message boxes, the nested dialog, the section picker ----

function overlayOpen() { return !$('overlay').hidden; }

function layer(cls, caption, onClose) {
  const o = $('overlay');
  o.hidden = false;
  const win = el('div', 'window ' + cls);
  win.setAttribute('role', 'dialog');
  const bar = el('div', 'caption');
  bar.appendChild(el('span', null, caption));
  if (onClose) {
    const x = el('button', 'x', '×');
    x.type = 'button';
    x.title = '关闭';
    x.addEventListener('click', onClose);
    bar.appendChild(x);
  }
  win.appendChild(bar);
  o.appendChild(win);
  return win;
}

function unlayer(win) {
  if (win && win.parentNode) win.parentNode.removeChild(win);
  $('overlay').hidden = $('overlay').children.length === 0;
}

const HEADINGS = { Range: '输入有误', Error: '错误', Advice: '提示', Box: '' };

// The messages of one answer in one box with the framework's caption.
function showMessages(messages) {
  const win = layer('msgbox', 'QUOR提醒您', null);
  const body = win.appendChild(el('div', 'msgbody'));
  for (const kind of ['Range', 'Error', 'Advice', 'Box']) {
    const some = messages.filter((m) => m.kind === kind);
    if (!some.length) continue;
    const group = body.appendChild(el('div', 'msggroup'));
    group.dataset.kind = kind;
    if (HEADINGS[kind]) group.appendChild(el('h3', null, HEADINGS[kind]));
    for (const m of some) group.appendChild(el('p', 'msg', m.text)).dataset.kind = kind;
  }
  const ok = el('button', 'ok', '确定');
  ok.type = 'button';
  ok.addEventListener('click', () => unlayer(win));
  win.appendChild(el('div', 'buttons')).appendChild(ok);
  ok.focus();
}

function openModal(m) {
  const win = layer('modal', m.layout.caption, () => act({ action: 'modalCancel' }));
  const page = buildLayout(m.layout, (payload) => act(Object.assign({ action: 'event', modal: m.serial }, payload)), 'm' + m.serial);
  win.appendChild(page.root);
  modal = { serial: m.serial, win, controls: page.controls };
}

function closeModal() {
  if (modal) unlayer(modal.win);
  modal = null;
}

function openPicker(p) {
  const win = layer('picker', '截面选择', () => act({ action: 'pickCancel' }));
  const body = win.appendChild(el('div', 'pickbody'));
  const families = body.appendChild(el('select', 'families'));
  families.size = Math.max(4, p.families.length);
  for (const f of p.families) {
    const o = families.appendChild(el('option', null, f.name + (f.user ? '（用户）' : '')));
    o.value = f.name;
  }
  const rowsBox = body.appendChild(el('div', 'rows'));
  const side = body.appendChild(el('div', 'side'));
  const img = side.appendChild(el('img', 'section'));
  img.alt = '';
  img.hidden = true;
  const chosen = side.appendChild(el('p', 'chosen'));
  const buttons = win.appendChild(el('div', 'buttons'));
  const ok = buttons.appendChild(el('button', 'ok', '确定'));
  ok.type = 'button';
  const cancel = buttons.appendChild(el('button', 'cancel', '取消'));
  cancel.type = 'button';
  picker = { win, family: p.family, name: '', dialog: cur.dialog };

  const choose = (name) => {
    picker.name = name;
    chosen.textContent = name ? picker.family + ' / ' + name : '';
    rowsBox.querySelectorAll('tr').forEach((tr) => tr.classList.toggle('sel', tr.dataset.name === name));
    if (!name) { img.hidden = true; return; }
    act({ action: 'pickPicture', family: picker.family, name }).then((a) => {
      if (a.ok && a.svg) { img.src = svgUrl(a.svg); img.hidden = false; }
    });
  };
  const showRows = (rows) => {
    rowsBox.textContent = '';
    const table = rowsBox.appendChild(el('table'));
    const hr = table.appendChild(el('thead')).appendChild(el('tr'));
    for (const t of rows.columns) hr.appendChild(el('th', null, t));
    const tb = table.appendChild(el('tbody'));
    for (const r of rows.rows) {
      const tr = tb.appendChild(el('tr'));
      tr.dataset.name = r.name;
      for (const t of r.cells) tr.appendChild(el('td', null, t));
      tr.addEventListener('click', () => choose(r.name));
      tr.addEventListener('dblclick', () => { choose(r.name); pick(); });
    }
  };
  const pick = () => {
    if (!picker.name) return;
    act({ action: 'pick', family: picker.family, name: picker.name });
  };
  families.value = p.family;
  families.addEventListener('change', () => {
    picker.family = families.value;
    choose('');
    act({ action: 'pickRows', family: picker.family }).then((a) => { if (a.ok) showRows(a.rows); });
  });
  ok.addEventListener('click', pick);
  cancel.addEventListener('click', () => act({ action: 'pickCancel' }));
  if (p.rows) showRows(p.rows);
  if (p.current && p.rows && p.rows.rows.some((r) => r.name === p.current)) choose(p.current);
}

function closePicker() {
  if (picker) unlayer(picker.win);
  picker = null;
}

// ---- start ----

$('calc').addEventListener('click', () => { if (cur && !overlayOpen()) act({ action: 'calculate' }); });
$('close').addEventListener('click', () => {
  if (!cur || overlayOpen()) return;
  act({ action: 'close' }).then(() => {
    cur = null;
    $('dialog').hidden = true;
    $('welcome').hidden = false;
    markMenu('');
  });
});
refreshState();
