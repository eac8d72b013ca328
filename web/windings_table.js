'use strict';
// The windings table beside the plan. The rows as typed go to the engine, which answers with the
// whole account: the kinds in words, the current captions, why a cell is out of bounds, and the
// plan and check of all windings. The rows live in the page, so an answer never retypes a cell.
const TsWindings = (function () {
  const $ = (id) => document.getElementById(id);
  let call = null;
  let show = null;
  let keep = null;
  let diodeDefault = '';
  let kinds = [];
  let most = 0;
  const rows = [];  // the further rows: {row, voltage, current, kind, remove}
  let made = 0;  // rows ever added: each gets ids of its own

  function element(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  const section = element('section', {class: 'windings-table', id: 'windings',
    'aria-labelledby': 'windings-title'});
  section.append(element('h3', {id: 'windings-title'}, 'Обмотки'));
  const table = element('table', {id: 'windings-rows'});
  const head = table.createTHead().insertRow();
  for (const title of ['№', 'Вид', 'U, В', 'Ток', '']) head.appendChild(element('th', {}, title));
  const body = table.createTBody();
  const add = element('button', {type: 'button', id: 'windings-add'}, 'Добавить');
  const powerLine = element('p', {class: 'windings-power', id: 'windings-power', hidden: ''});
  const reason = element('p', {class: 'windings-reason', id: 'windings-reason', role: 'status'});
  const secondaries = element('table', {class: 'windings-secondaries', id: 'windings-secondaries'});
  secondaries.createTHead();
  secondaries.createTBody();
  const flags = element('div', {class: 'windings-flags', id: 'windings-flags'});
  section.append(table, element('div', {class: 'tools'}), powerLine, reason, secondaries, flags);
  section.querySelector('.tools').append(add);

  const diode = element('input', {id: 'windings-diode', type: 'text', autocomplete: 'off',
    inputmode: 'decimal'});
  const diodeCaption = element('span', {id: 'windings-diode-caption'});
  const diodeRefusal = element('span', {class: 'refusal', id: 'windings-diode-refusal',
    role: 'status'});
  const diodeSetting = element('label', {class: 'windings-diode'});
  diodeSetting.append(diodeCaption, diode, diodeRefusal);

  const kindSelect = (label) => {
    const select = element('select', {'aria-label': label});
    for (const kind of kinds) select.appendChild(element('option', {value: kind.code}, kind.words));
    select.addEventListener('change', send);
    return select;
  };

  // A cell's input with the caption it has in its row and the place its mark is read from.
  function cellInput(label, id, readOnly) {
    const input = element('input', {type: 'text', id, 'aria-label': label, autocomplete: 'off',
      spellcheck: 'false', inputmode: 'decimal', class: 'windings-cell'});
    if (readOnly) input.readOnly = true;
    const note = element('span', {class: 'windings-mark', id: id + '-mark'});
    const td = element('td');
    const caption = element('span', {class: 'windings-caption'});
    td.append(caption, input, note);
    return {td, input, note, caption};
  }

  // Row 1 is the described secondary: its U and I are the main fields' and are edited there.
  let first = null;
  function firstRow() {
    const row = body.insertRow();
    row.appendChild(element('td', {}, '1'));
    const kind = kindSelect('Вид обмотки 1');
    kind.id = 'windings-kind-1';
    const kindCell = element('td');
    kindCell.append(kind);
    row.appendChild(kindCell);
    const voltage = cellInput('U обмотки 1, В', 'windings-u-1', true);
    const current = cellInput('I обмотки 1', 'windings-i-1', true);
    row.append(voltage.td, current.td, element('td'));
    const mirror = () => {
      voltage.input.value = $('Text3').value;
      current.input.value = $('Text4').value;
    };
    $('Text3').addEventListener('input', mirror);
    $('Text4').addEventListener('input', mirror);
    mirror();
    first = {row, voltage, current, kind};
  }

  function number(k) { return k + 2; }

  function renumber() {
    rows.forEach((r, k) => {
      r.row.cells[0].textContent = String(number(k));
      r.kind.setAttribute('aria-label', `Вид обмотки ${number(k)}`);
      r.voltage.input.setAttribute('aria-label', `U обмотки ${number(k)}, В`);
      r.remove.setAttribute('aria-label', `Убрать обмотку ${number(k)}`);
    });
    add.disabled = rows.length + 1 >= most;
  }

  // `typed`: the row comes from a design opened, with its texts; otherwise the user added it.
  function addRow(typed) {
    if (rows.length + 1 >= most) return null;
    const row = body.insertRow();
    made += 1;
    const id = `windings-row-${made}`;
    row.appendChild(element('td'));
    const kind = kindSelect('');
    const kindCell = element('td');
    kindCell.append(kind);
    row.appendChild(kindCell);
    const voltage = cellInput('', id + '-u', false);
    const current = cellInput('', id + '-i', false);
    voltage.input.addEventListener('input', send);
    current.input.addEventListener('input', send);
    const remove = element('button', {type: 'button', class: 'windings-remove'}, 'Убрать');
    const removeCell = element('td');
    removeCell.append(remove);
    row.append(voltage.td, current.td, removeCell);
    const entry = {row, voltage, current, kind, remove};
    remove.addEventListener('click', () => {
      rows.splice(rows.indexOf(entry), 1);
      row.remove();
      renumber();
      send();
      add.focus();
    });
    rows.push(entry);
    renumber();
    if (Array.isArray(typed)) {
      [voltage.input.value, current.input.value, kind.value] = typed;
      return entry;
    }
    voltage.input.focus();
    send();
    return entry;
  }

  // A design opened: its table replaces the rows, the texts as the file gives them.
  function put(opened) {
    for (const r of rows.splice(0)) r.row.remove();
    first.kind.value = opened.first;
    for (const typed of opened.further) addRow(typed);
    diode.value = opened.diode;
    renumber();
    send();
  }

  // A table kept by the browser: what is not as the page keeps it stays at its default, and so
  // does a diode drop the engine no longer takes, as the window reads its own.
  function restore(table, keptDiode) {
    const known = (code) => kinds.some((kind) => kind.code === code);
    const text = (t) => typeof t === 'string';
    const given = table !== null && typeof table === 'object' ? table : {};
    const further = Array.isArray(given.further) ? given.further : [];
    put({
      first: known(given.first) ? given.first : first.kind.value,
      further: further.filter((row) => Array.isArray(row) && row.length === 3 && text(row[0]) &&
          text(row[1]) && known(row[2])),
      diode: text(keptDiode) ? keptDiode : diodeDefault,
    });
    if (diodeRefusal.textContent !== '') resetDiode();
  }

  function resetDiode() {
    diode.value = diodeDefault;
    send();
  }

  // The rows as typed, in the shape `put` takes.
  function typed() {
    return {first: first.kind.value,
      further: rows.map((r) => [r.voltage.input.value, r.current.input.value, r.kind.value])};
  }

  // The table is kept at every change, its diode drop only while the engine takes it.
  function send() {
    if (!call) return;
    const table = typed();
    const texts = [table.first, diode.value, ...table.further.flat()];
    const answer = JSON.parse(call('_ts_windings', texts));
    show(answer);
    keep(table, answer.windings.diode.refusal === '' ? diode.value : null);
  }

  function mark(cell, words) {
    cell.input.classList.toggle('marked', words !== '');
    cell.note.textContent = words;
    if (words) {
      cell.input.title = words;
      cell.input.setAttribute('aria-invalid', 'true');
      cell.input.setAttribute('aria-describedby', cell.note.id);
    } else {
      cell.input.removeAttribute('title');
      cell.input.removeAttribute('aria-invalid');
      cell.input.removeAttribute('aria-describedby');
    }
  }

  function fillTable(target, rowsOf) {
    target.tHead.replaceChildren();
    target.tBodies[0].replaceChildren();
    if (!rowsOf || rowsOf.headings.length === 0) return;
    const h = target.tHead.insertRow();
    h.appendChild(element('th'));
    for (const heading of rowsOf.headings) h.appendChild(element('th', {}, heading));
    for (const r of rowsOf.rows) {
      const tr = target.tBodies[0].insertRow();
      tr.appendChild(element('td', {}, r.caption));
      for (const c of r.cells) {
        tr.appendChild(element('td', {class: c.flagged ? 'number flagged' : 'number'}, c.text));
      }
    }
  }

  // Only marks, captions and the design's figures change: the cells keep what is typed.
  function showWindings(windings) {
    if (!windings) return;
    const all = [first, ...rows];
    windings.rows.forEach((row, k) => {
      const r = all[k];
      if (!r) return;
      mark(r.voltage, row.markU);
      mark(r.current, row.markI);
      r.current.caption.textContent = row.currentCaption;
      r.current.input.setAttribute('aria-label', `${row.currentCaption} обмотки ${k + 1}`);
    });
    diodeCaption.textContent = windings.diode.caption;
    diodeRefusal.textContent = windings.diode.refusal;
    diode.setAttribute('aria-invalid', windings.diode.refusal ? 'true' : 'false');
    section.classList.toggle('active', windings.active);
    const design = windings.design;
    powerLine.hidden = !design || !design.powerLine;
    powerLine.textContent = design ? design.powerLine : '';
    $('windings-plan-line').hidden = powerLine.hidden;
    $('windings-plan-line').textContent = powerLine.textContent;
    reason.textContent = design ? design.reason : '';
    if (design && design.reason) {
      $('plan-empty').textContent = design.reason;
      $('check-empty').textContent = design.reason;
    }
    fillTable(secondaries, design && design.secondaries);
    flags.replaceChildren(...(design ? design.flags : []).map((line) => element('p', {}, line)));
  }

  // Every answer the page renders, the windings' part of it too.
  document.addEventListener('ts-account', (event) => {
    if (first) showWindings(event.detail.windings);
  });

  function build(windings) {
    kinds = windings.kinds;
    most = windings.most;
    diodeDefault = windings.diode.text;
    diode.value = diodeDefault;
    firstRow();
    renumber();
    const plan = $('plan');
    plan.insertBefore(section, plan.querySelector('h2').nextSibling);
    plan.insertBefore(element('p', {class: 'windings-power', id: 'windings-plan-line', hidden: ''}),
        $('plan-body'));
    section.appendChild(diodeSetting);
    diode.addEventListener('input', send);
    add.addEventListener('click', () => addRow());
  }

  return {
    put,
    restore,
    // «По умолчанию»: the rows stay, as the window's defaults button keeps them.
    resetDiode() {
      if (call) resetDiode();
    },
    // The engine is ready: `engineCall` asks it, `showAccount` renders its answer and
    // `keepTable(rows, diode)` keeps the rows as typed and the diode drop, null while refused.
    ready(engineCall, showAccount, keepTable) {
      call = engineCall;
      show = showAccount;
      keep = keepTable;
      const answer = JSON.parse(call('_ts_windings', []));
      build(answer.windings);
      show(answer);
    },
  };
})();
