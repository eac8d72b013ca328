// The windings table of the page in Debian's headless chromium: a valve amplifier's design with
// its figures, rows added and removed, cells typed key by key, a cell out of bounds marked; the
// table the browser keeps across visits, with broken or garbage storage, the defaults button and
// a design in the address.
// Environment: TS_SITE (index.html), TS_CHROMIUM.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const web = require('./browser.js');

const {START} = web;
const VALVE = ['1', '220', '500', '0.1', '3.2', '4', '2', '5', '0.35'];

before(() => web.launch());
after(() => web.close());

const WIDE = {width: 1000, height: 900};

// A fresh tab whose table starts empty, whatever an earlier test left kept.
function openPage() {
  return web.open(WIDE, {prepare: (page) => page.evaluateOnNewDocument(() => {
    window.copiedTexts = [];
    Object.defineProperty(navigator, 'clipboard',
        {value: {writeText: async (text) => { window.copiedTexts.push(text); }}});
  })});
}

async function press(page, fields) {
  for (let k = 0; k < 9; k++) {
    await page.$eval('#Text' + (k + 1), (el, v) => {
      el.value = v;
      el.dispatchEvent(new Event('input'));
    }, fields[k]);
  }
  await page.click('#Command1');
}

const rowSelector = (n) => `#windings-rows tbody tr:nth-child(${n})`;

// Adds a row and types its U and I key by key.
async function addWinding(page, voltage, current, kind) {
  await page.click('#windings-add');
  const n = await page.$$eval('#windings-rows tbody tr', (rows) => rows.length);
  await page.type(`${rowSelector(n)} td:nth-child(3) input`, voltage);
  await page.type(`${rowSelector(n)} td:nth-child(4) input`, current);
  if (kind) await page.select(`${rowSelector(n)} select`, kind);
}

// Each row as the page shows it: number, kind, U, I, their marks and the current's caption.
function rowsShown(page) {
  return page.$$eval('#windings-rows tbody tr', (rows) => rows.map((tr) => {
    const [u, i] = tr.querySelectorAll('input');
    const select = tr.querySelector('select');
    const mark = (input) => (input.classList.contains('marked') ?
      document.getElementById(input.getAttribute('aria-describedby')).textContent : '');
    return {n: tr.cells[0].textContent, kind: select.selectedOptions[0].textContent,
      U: u.value, I: i.value, markU: mark(u), markI: mark(i),
      caption: tr.cells[3].querySelector('.windings-caption').textContent};
  }));
}

// A table's rows by caption, a cell text each.
function tableRows(page, id) {
  return page.$eval('#' + id, (table) => Object.fromEntries(Array.from(table.tBodies[0].rows,
      (tr) => [tr.cells[0].textContent, Array.from(tr.cells, (c) => c.textContent).slice(1)])));
}

async function copied(page, button) {
  await page.click(button);
  return page.evaluate(() => window.copiedTexts.at(-1));
}

test('a valve amplifier: the plan and check of all three windings, with Pt', async () => {
  const page = await openPage();
  await page.select('#windings-kind-1', 'ct-c');
  await addWinding(page, '6.3', '2', 'ac');
  await addWinding(page, '5', '2');
  await press(page, VALVE);
  assert.equal(await page.$eval('#windings-plan-line', (p) => p.textContent),
      'Расчет по всем обмоткам: вторичных 3, мощность Pt = 82.6 Вт');
  const shown = await rowsShown(page);
  assert.deepEqual(shown.map((r) => [r.n, r.kind, r.U, r.I, r.caption]), [
    ['1', 'средняя точка, ёмкость', '500', '0.1', 'Iпост, А'],
    ['2', 'переменный ток', '6.3', '2', 'I, А'],
    ['3', 'переменный ток', '5', '2', 'I, А']]);
  const secondaries = await tableRows(page, 'windings-secondaries');
  assert.deepEqual(secondaries['Сечение провода, мм²'], ['0.05', '0.91', '0.91']);
  assert.deepEqual(secondaries['Диаметр провода, мм'], ['0.25', '1.08', '1.08']);
  assert.deepEqual(secondaries['Число витков'], ['1192', '35', '32']);
  assert.deepEqual(secondaries['Отвод после витка'], ['596', '', '']);
  assert.deepEqual(secondaries['Напряжение под нагрузкой UL, В'], ['453.26', '13.27', '12.12']);
  assert.deepEqual(secondaries['Разница напряжений половин, В'], ['0.22', '', '']);
  assert.deepEqual(secondaries['Постоянное напряжение Udc, В'], ['304.03', '', '']);
  assert.deepEqual(secondaries['Действующий ток обмотки, А'], ['0.156', '', '']);
  assert.deepEqual(secondaries['Пиковый ток обмотки, А'], ['0.61', '', '']);
  const flags = await page.$$eval('#windings-flags p', (ps) => ps.map((p) => p.textContent));
  assert.ok(flags.some((f) => f.startsWith('1-я вторичная: ток обмотки при выпрямителе выше ' +
      'принятого на ') && f.endsWith(' %: провод греется сильнее')), flags.join('\n'));
  // The plan, its drawing and the check are of the four windings, the plan for the turns chosen.
  // Catches a centre tap the page leaves undrawn, left at other turns than those shown, or whose
  // words miss the drawing's description.
  for (const [turns, wires, fill, tapAt] of [
    ['calculated', '0.560 0.280 1.120 1.120', '66.9', '596 — слой 5 из 9, 8.37'],
    ['refined', '0.560 0.315 1.120 1.120', '78.3', '731 — слой 6 из 12, 9.64']]) {
    await page.select('#plan-turns-choice', turns);
    const plan = await tableRows(page, 'plan-windings');
    assert.ok(Object.values(plan).some((cells) => cells.join(' ') === wires), JSON.stringify(plan));
    assert.ok(Object.values(await tableRows(page, 'plan-summary')).some((c) => c[0].startsWith(fill)));
    assert.equal(await page.$$eval('#plan-drawing svg rect title', (ts) =>
      ts.filter((t) => /^\d-я обмотка$/.test(t.textContent)).length), 4);
    const tap = await page.$eval('#plan-drawing svg', (svg) => ({
      description: svg.getAttribute('aria-label'),
      titles: Array.from(svg.querySelectorAll('line title'), (t) => t.textContent),
      labels: Array.from(svg.querySelectorAll('.tap-label'), (t) => t.textContent)}));
    const tapWords = `2-я обмотка: отвод от середины после витка ${tapAt} мм от стержня.`;
    assert.ok(tap.description.endsWith(' ' + tapWords), tap.description);
    assert.deepEqual(tap.titles, [tapWords]);
    assert.deepEqual(tap.labels, ['отвод']);
  }
  // Both designs of the check: the turns as sized and the refined ones, B0, UL, Tw, efficiency.
  const check = Object.values(await tableRows(page, 'check-table')).map((c) => c.join(' '));
  for (const pair of ['559 617', '1192 1462', '35 19', '32 15', '1.488 1.348', '453.26 503.77',
    '55.6 53.6', '91.9 90.1']) {
    assert.ok(check.includes(pair), `${pair} in ${check.join(', ')}`);
  }
  assert.match(await copied(page, '#copy-plan'),
      /^Расчет по всем обмоткам: вторичных 3, мощность Pt = 82\.6 Вт\nПлан намотки и проверка\n/);
  assert.match(await copied(page, '#copy-check'), /^Расчет по всем обмоткам: .*Pt = 82\.6 Вт\nПроверка\n/);
  await page.close();
});

test('rows are added up to eight windings and each removed, the others kept as typed', async () => {
  const page = await openPage();
  await press(page, START);
  for (let k = 2; k <= 8; k++) await addWinding(page, `${k}.5`, `0.${k}`);
  assert.equal(await page.$eval('#windings-add', (b) => b.disabled), true);
  assert.equal((await rowsShown(page)).length, 8);
  await page.click(`${rowSelector(3)} .windings-remove`);
  await page.click(`${rowSelector(7)} .windings-remove`);
  const shown = await rowsShown(page);
  assert.deepEqual(shown.map((r) => [r.n, r.U, r.I]), [['1', '12', '1.5'], ['2', '2.5', '0.2'],
    ['3', '4.5', '0.4'], ['4', '5.5', '0.5'], ['5', '6.5', '0.6'], ['6', '7.5', '0.7']]);
  assert.equal(await page.$eval('#windings-add', (b) => b.disabled), false);
  const secondaries = await tableRows(page, 'windings-secondaries');
  assert.deepEqual(secondaries['U, В'], ['12', '2.5', '4.5', '5.5', '6.5', '7.5']);
  assert.match(await page.$eval('#windings-plan-line', (p) => p.textContent), /вторичных 6,/);
  // With every row removed and row 1 plain, the plan is the described one again.
  for (let k = 0; k < 5; k++) await page.click(`${rowSelector(2)} .windings-remove`);
  assert.equal(await page.$eval('#windings-plan-line', (p) => p.hidden), true);
  await page.close();
});

test('keystrokes in a row never lose or corrupt it or its neighbours', async () => {
  const page = await openPage();
  await press(page, START);
  await addWinding(page, '6.3', '1');
  await addWinding(page, '5', '2');
  const u = `${rowSelector(2)} td:nth-child(3) input`;
  await page.click(u, {clickCount: 3});
  for (const key of ['Backspace', 'Backspace']) await page.keyboard.press(key);
  await page.type(u, '6,,x');
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('Backspace');
  const shown = await rowsShown(page);
  assert.deepEqual(shown.map((r) => [r.U, r.I]), [['12', '1.5'], ['6,x', '1'], ['5', '2']]);
  assert.notEqual(shown[1].markU, '');
  assert.equal(shown[2].markU, '');
  await page.keyboard.press('End');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('3');
  assert.deepEqual((await rowsShown(page)).map((r) => [r.U, r.markU]),
      [['12', ''], ['6,3', ''], ['5', '']]);
  assert.deepEqual((await tableRows(page, 'windings-secondaries'))['U, В'], ['12', '6.3', '5']);
  await page.close();
});

test('a cell out of bounds is marked with the engine\'s reason, and no design is made', async () => {
  const page = await openPage();
  await addWinding(page, '0', '1');
  // Before a press a further row is marked at once; row 1 waits for the texts a press reads.
  assert.deepEqual((await rowsShown(page)).map((r) => r.markU !== ''), [false, true]);
  await press(page, START);
  const reason = '2-я вторичная обмотка вне границ: U должно быть от 0.001 до 1000000 В, ' +
      'I — от 0.000001 до 1000000 А';
  const [, second] = await rowsShown(page);
  assert.deepEqual([second.markU, second.markI], [reason, '']);
  assert.equal(await page.$eval(`${rowSelector(2)} td:nth-child(3) input`,
      (i) => [i.title, i.getAttribute('aria-invalid')].join('|')), reason + '|true');
  assert.equal(await page.$eval('#windings-reason', (p) => p.textContent), reason);
  assert.equal(await page.$eval('#plan-body', (d) => d.hidden), true);
  assert.equal(await page.$eval('#plan-empty', (p) => p.textContent), reason);
  // Row 1 is read from the main fields as the described run reads them.
  await press(page, ['3', '220', '', '1.5', '2', '5', '7', '12', '0.2']);
  assert.match((await rowsShown(page))[0].markU, /^1-я вторичная обмотка вне границ/);
  await page.close();
});

test('the diode drop beside the table, refused out of its bounds', async () => {
  const page = await openPage();
  await page.select('#windings-kind-1', 'bridge-c');
  await press(page, START);
  const udc = async () => (await tableRows(page, 'windings-secondaries'))['Постоянное напряжение Udc, В'];
  assert.deepEqual(await udc(), ['21.67']);
  await page.$eval('#windings-diode', (i) => { i.value = ''; });
  await page.type('#windings-diode', '2');
  assert.deepEqual(await udc(), ['19.67']);
  await page.type('#windings-diode', '00');
  assert.match(await page.$eval('#windings-diode-refusal', (s) => s.textContent), /от 0 до 100 В/);
  assert.equal(await page.$eval('#plan-body', (d) => d.hidden), true);
  assert.equal(await page.$eval('#windings', (f) => f.contains(
      document.getElementById('windings-diode'))), true);
  await page.close();
});

// The table as typed, in codes: row 1's kind, each further row's U, I and kind, the diode drop.
function tableTyped(page) {
  return page.evaluate(() => ({
    first: document.getElementById('windings-kind-1').value,
    further: Array.from(document.querySelectorAll('#windings-rows tbody tr'), (tr) =>
      [...tr.querySelectorAll('input'), tr.querySelector('select')].map((e) => e.value)).slice(1),
    diode: document.getElementById('windings-diode').value,
  }));
}

const EMPTY = {first: 'ac', further: [], diode: '1'};

const settingsAreDefaults = (page) => page.$$eval('.settings input',
    (inputs) => inputs.every((input) => input.value === input.defaultValue));

// Errors the page throws, from before it loads.
function errorsOf(page) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  return errors;
}

// A table unlike the first kept one, typed over whatever the page shows.
async function typeOther(page) {
  while (await page.$(`${rowSelector(2)} .windings-remove`)) {
    await page.click(`${rowSelector(2)} .windings-remove`);
  }
  await page.select('#windings-kind-1', 'bridge-c');
  await addWinding(page, '9', '1', 'half-c');
  await web.retype(page, '#windings-diode', '2');
}

test('the rows as typed and the diode drop outlast a reload and a new visit', async () => {
  const page = await openPage();
  await page.select('#windings-kind-1', 'bridge-c');
  await addWinding(page, '6.3', '2', 'ct-c');
  await addWinding(page, '5', '1');
  await web.retype(page, '#windings-diode', '0.7');
  const typed = await tableTyped(page);
  assert.deepEqual(typed,
      {first: 'bridge-c', further: [['6.3', '2', 'ct-c'], ['5', '1', 'ac']], diode: '0.7'});
  await press(page, START);
  const sized = await tableRows(page, 'windings-secondaries');
  await page.close();
  // Its address bare, a new visit has only what the browser kept; so has its reload.
  const visit = await web.open(WIDE, {keep: true});
  assert.deepEqual(await tableTyped(visit), typed);
  await web.reload(visit);
  assert.deepEqual(await tableTyped(visit), typed);
  // The engine sizes the table restored as it sized the one typed.
  await press(visit, START);
  assert.deepEqual((await tableRows(visit, 'windings-secondaries'))['U, В'], ['12', '6.3', '5']);
  assert.deepEqual(await tableRows(visit, 'windings-secondaries'), sized);
  await visit.close();
});

test('a refused diode drop is never kept: the last one taken comes back', async () => {
  const page = await openPage();
  await web.retype(page, '#windings-diode', '7');
  await page.type('#windings-diode', '00');
  assert.match(await page.$eval('#windings-diode-refusal', (s) => s.textContent), /от 0 до 100 В/);
  await web.reload(page);
  assert.equal(await page.$eval('#windings-diode', (d) => d.value), '70');
  assert.equal(await page.$eval('#windings-diode-refusal', (s) => s.textContent), '');
  await page.close();
});

// What the browser may hold under the page's name that the page never wrote.
const STORED = 'transformer-sizer-settings';
const GARBAGE = ['не JSON', '5', '[1, 2]', 'null', '"windings"', '{"windings": 5, "diode": 7}',
  '{"windings": {"first": "zz", "further": "x"}, "diode": "500"}',
  '{"windings": {"first": null, "further": [null, 5, [6, 1, "ac"], ["6", "1", "zz"], ' +
    '["6", "1"]]}, "bobbin": "x", "frequency": 60}'];

test('garbage kept by the browser gives the defaults, and the table is kept again', async () => {
  const page = await openPage();
  const errors = errorsOf(page);
  for (const garbage of GARBAGE) {
    await page.evaluate((key, text) => localStorage.setItem(key, text), STORED, garbage);
    await web.reload(page);
    assert.deepEqual(await tableTyped(page), EMPTY, garbage);
    assert.ok(await settingsAreDefaults(page), garbage);
    await addWinding(page, '6.3', '2');
    await web.setSetting(page, 1, '0.5');
    await web.reload(page);
    assert.deepEqual((await tableTyped(page)).further, [['6.3', '2', 'ac']], garbage);
    await page.click(`${rowSelector(2)} .windings-remove`);
    assert.deepEqual(errors, [], garbage);
  }
  await page.close();
});

// Ways a browser's storage fails: absent, refused for the page, and full.
const BROKEN = {
  missing: () => Object.defineProperty(window, 'localStorage', {value: undefined}),
  disabled: () => Object.defineProperty(window, 'localStorage',
      {get: () => { throw new DOMException('Access is denied', 'SecurityError'); }}),
  full: () => {
    localStorage.clear();
    Storage.prototype.setItem = () => { throw new DOMException('Quota', 'QuotaExceededError'); };
  },
};

for (const [name, breakStorage] of Object.entries(BROKEN)) {
  test(`storage ${name}: the page starts with the defaults and the table still works`, async () => {
    let errors;
    const page = await web.open(WIDE, {keep: true, prepare: async (tab) => {
      errors = errorsOf(tab);
      await tab.evaluateOnNewDocument(breakStorage);
    }});
    assert.deepEqual(await tableTyped(page), EMPTY);
    await addWinding(page, '6.3', '2');
    await web.retype(page, '#windings-diode', '0.7');
    await web.setSetting(page, 1, '0.5');
    await press(page, START);
    assert.match(await page.$eval('#windings-plan-line', (p) => p.textContent), /вторичных 2,/);
    await page.click('#settings-default');
    assert.equal(await page.$eval('#windings-diode', (d) => d.value), '1');
    assert.deepEqual(errors, []);
    await page.close();
  });
}

test('«По умолчанию» brings the diode drop back with the settings and keeps the rows, as the ' +
    'window\'s button does', async () => {
  const page = await openPage();
  await page.select('#windings-kind-1', 'ct-c');
  await addWinding(page, '6.3', '2');
  await web.retype(page, '#windings-diode', '0.7');
  await web.setSetting(page, 1, '0.5');
  await page.click('#settings-default');
  const kept = {first: 'ct-c', further: [['6.3', '2', 'ac']], diode: '1'};
  assert.deepEqual(await tableTyped(page), kept);
  assert.equal(await page.$eval('#windings-diode-refusal', (s) => s.textContent), '');
  await web.reload(page);
  assert.deepEqual(await tableTyped(page), kept);
  assert.ok(await settingsAreDefaults(page));
  await page.close();
});

test('a design in the address wins over the table the browser kept, rows or none', async () => {
  const page = await openPage();
  await press(page, START);
  const plain = new URL(page.url()).hash;
  await page.select('#windings-kind-1', 'ct-c');
  await addWinding(page, '6.3', '2');
  await web.retype(page, '#windings-diode', '0.7');
  await press(page, START);
  const several = new URL(page.url()).hash;
  const opened = await tableTyped(page);
  await typeOther(page);
  await page.close();
  for (const [address, table] of [[several, opened], [plain, EMPTY]]) {
    const visit = await web.open(WIDE, {keep: true, address});
    assert.equal(await visit.$eval('#design-message', (m) => m.textContent), '');
    assert.deepEqual(await tableTyped(visit), table, address);
    await typeOther(visit);
    await visit.close();
  }
});
