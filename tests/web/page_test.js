// The page in Debian's headless chromium: typing and pressing Calculate gives what the batch
// tool gives, marks and their words, the fault dialog, the plan, print to one A4 page, the
// phone layout and the Tab order.
// Environment: TS_SITE (index.html), TS_NODE_BATCH (the node batch tool).
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const web = require('./browser.js');

const {site, START, type, dismiss, setSetting} = web;
const batchTool = path.resolve(process.env.TS_NODE_BATCH);

before(() => web.launch());
after(() => web.close());

async function openPage(url = 'file://' + site, width = 1000) {
  const page = await web.browser().newPage();
  await page.evaluateOnNewDocument(`window.tableOf = ${tableOf.toString()};`);
  // Each test starts from the default settings, whatever an earlier one kept.
  await page.evaluateOnNewDocument(() => localStorage.clear());
  // What the copy buttons put on the clipboard, kept for the tests to read.
  await page.evaluateOnNewDocument(() => {
    window.copiedTexts = [];
    Object.defineProperty(navigator, 'clipboard',
        {value: {writeText: async (text) => { window.copiedTexts.push(text); }}});
  });
  await page.setViewport({width, height: 900});
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
  return page;
}

// The batch tool's lines for the runs, one press each: 16 labels, status, notes, plan.
function batchLines(runs, options = []) {
  const input = runs.map((fields) => fields.join('\t') + '\n').join('');
  const out = execFileSync('node', [batchTool, '--notes', '--plan', '--check', ...options],
      {input: Buffer.from(input)});
  return out.toString('utf8').split('\n').slice(0, runs.length).map((l) => l.split('\t'));
}

// A table of the page: its column headings, and each row's cells by the row's caption.
function tableOf(id) {
  const table = document.getElementById(id);
  if (table.hidden || !table.tHead.rows.length) return null;
  const cells = (row) => Array.from(row.cells, (c) => c.textContent);
  const rows = {};
  for (const row of table.tBodies[0].rows) rows[row.cells[0].textContent] = cells(row).slice(1);
  return {headings: cells(table.tHead.rows[0]).slice(1), rows};
}

// The batch tool plans the run's own turns; the page shows them when asked.
async function planCalculated(page) {
  if (await page.$('#plan-turns-choice option[value="calculated"]')) {
    await page.select('#plan-turns-choice', 'calculated');
  }
}

async function press(page, fields) {
  await type(page, fields);
  await page.click('#Command1');
  const dialog = await page.$('#fault[open]');
  if (!dialog) await planCalculated(page);
  const state = await page.evaluate(() => ({
    labels: Array.from({length: 16}, (_, k) => document.getElementById('Label' + (26 + k)).textContent),
    marks: Array.from({length: 9}, (_, k) => {
      const f = document.getElementById('Text' + (k + 1));
      const described = f.getAttribute('aria-describedby');
      return {
        marked: f.classList.contains('marked'),
        title: f.getAttribute('title'),
        description: described ? document.getElementById(described).textContent : null,
      };
    }),
    plan: document.getElementById('plan-body').hidden ? null : {
      summary: Array.from(document.querySelectorAll('#plan-summary td.number'), (td) => td.textContent),
      windings: tableOf('plan-windings'),
    },
  }));
  if (dialog) {
    state.fault = await page.$eval('#fault', (d) => ({
      role: d.getAttribute('role'),
      message: d.querySelector('#fault-message').textContent,
      explanation: d.querySelector('#fault-explanation').textContent,
    }));
  }
  return state;
}

// The batch tool's fields by the names its header gives them, one object a run.
function batchNamed(runs, options = []) {
  const input = runs.map((fields) => fields.join('\t') + '\n').join('');
  const out = execFileSync('node', [batchTool, '--header', '--notes', '--plan', '--check', ...options],
      {input: Buffer.from(input)});
  const lines = out.toString('utf8').split('\n');
  const names = lines[0].split('\t');
  return lines.slice(1, runs.length + 1).map((line) => {
    const values = line.split('\t');
    return Object.fromEntries(names.map((name, k) => [name, values[k]]));
  });
}

// Every figure of the batch tool's plan stands in the page's plan: the fill, depth and hole in
// its summary, each winding's figures in that winding's column.
function expectPlanOf(fields, shown) {
  const summary = ['Заполнение окна, %', 'Глубина намотки, мм', 'Остающееся отверстие кольца, мм']
      .map((name) => fields[name]).filter((v) => v !== '');
  assert.deepEqual(shown.summary, summary);
  let compared = 0;
  for (const [name, value] of Object.entries(fields)) {
    const [winding, figure] = name.split(': ');
    const column = shown.windings.headings.indexOf(winding);
    if (column < 0 || !figure) continue;
    assert.equal(shown.windings.rows[figure][column], value, name);
    compared++;
  }
  assert.ok(compared > 0);
}

// Every figure of the batch tool's check stands in the page's check: the turns as calculated in
// the first column, the refined ones in the second.
function expectCheckOf(fields, shown) {
  let compared = 0;
  for (const [name, value] of Object.entries(fields)) {
    const calculated = name.match(/^Проверка: (.*)$/);
    const refined = name.match(/^Уточненная проверка: (.*)$/);
    const turns = name.match(/^Уточненное число (витков W\d)$/);
    if (calculated && calculated[1] in shown.rows) {
      assert.equal(shown.rows[calculated[1]][0], value === '' ? '—' : value, name);
    } else if (refined && refined[1] in shown.rows) {
      assert.equal(shown.rows[refined[1]][1], value, name);
    } else if (turns) {
      assert.equal(shown.rows['Число ' + turns[1]][1], value, name);
    } else {
      continue;
    }
    compared++;
  }
  assert.ok(compared > 20, `${compared} figures compared`);
}

async function checkShown(page) {
  return page.evaluate(() => tableOf('check-table'));
}

// Sessions of presses; the batch tool runs the same texts as one session.
const sessions = [
  {name: 'start input', runs: [START]},
  {name: 'start twice, then a small core', runs: [START, START, ['3', '220', '12', '5', '1', '1', '2', '12', '0.2']]},
  {name: 'notes: comma in the thickness', runs: [['1', '220', '12', '1.5', '2', '5', '7', '12', '0,35']],
    marked: [8], notes: 'partly-read:Text9 unset:Ks'},
  {name: 'notes: carried Ks', runs: [['1', '220', '12', '1.5', '2', '5', '7', '12', '0.35'],
    ['1', '220', '12', '1.5', '2', '5', '7', '12', '0.5']], marked: [8], notes: 'carried:Ks'},
  {name: 'notes: low power after a full one', runs: [START, ['3', '220', '12', '0.3', '2', '5', '7', '12', '0.2']],
    marked: [2, 3], notes: 'carried:Bmax carried:J carried:Ko unset:dU1 unset:dU2'},
  {name: 'notes: a = 0', runs: [['3', '220', '12', '1.5', '0', '5', '7', '12', '0.2']], marked: [4],
    notes: 'nonpositive:Text5'},
  {name: 'shell core with a plan', runs: [['1', '220', '24', '2', '3', '4', '2', '5', '0.35']]},
  {name: 'bytes as typed: NUL, letters and Cyrillic', runs: [['3', '220В', '12\u0000', '1,5А', '2см', '5', '7', '', '0.2мм']]},
];

for (const session of sessions) {
  test(`presses give the batch tool's labels and plan: ${session.name}`, async () => {
    const page = await openPage();
    const expected = batchLines(session.runs);
    const named = batchNamed(session.runs);
    let state;
    for (let k = 0; k < session.runs.length; k++) {
      state = await press(page, session.runs[k]);
      assert.equal(state.fault, undefined);
      assert.deepEqual(state.labels, expected[k].slice(0, 16));
      if (expected[k][18] === '') {
        assert.equal(state.plan, null);
      } else {
        expectPlanOf(named[k], state.plan);
      }
    }
    const last = expected[expected.length - 1];
    if (session.notes !== undefined) assert.equal(last[17], session.notes);
    if (session.marked) {
      state.marks.forEach((m, k) => {
        const marked = session.marked.includes(k);
        assert.equal(m.marked, marked, `Text${k + 1}`);
        if (marked) {
          assert.ok(m.title.length > 0);
          assert.equal(m.description, m.title);
        } else {
          assert.equal(m.title, null);
          assert.equal(m.description, null);
        }
      });
    }
    await page.close();
  });
}

test('a comma in the thickness is explained in the words of the window', async () => {
  const page = await openPage();
  const state = await press(page, ['1', '220', '12', '1.5', '2', '5', '7', '12', '0,35']);
  assert.equal(state.marks[8].title,
      'Прочитано 0: запятая не считается десятичным знаком, пишите 0.35\n' +
      'Толщины 0 мм нет в таблице для формы 1: коэффициент заполнения сталью не задан и ' +
      'считается равным 0.');
  // Quotes, backslashes and control characters reach the words as typed, through the JSON.
  const odd = await press(page, ['3', '220', '12', '1.5', 'x"\\\u0001', '5', '7', '12', '0.2']);
  assert.equal(odd.marks[4].title, 'В начале поля нет числа («x"\\\u0001»), оно прочитано как 0.');
  const clean = await press(page, START);
  assert.ok(clean.marks.every((m) => !m.marked && m.title === null && m.description === null));
  await page.close();
});

test('a fault shows the dialog with its cause, and the page goes on', async () => {
  const page = await openPage();
  const faulty = ['3', '220', '12', '0.1', '2', '5', '7', '12', '0.2'];
  const expected = batchLines([faulty, START, ['1e300', ...START.slice(1)]]);
  const state = await press(page, faulty);
  assert.equal(state.fault.role, 'alertdialog');
  assert.equal(state.fault.message, 'Ошибка 11: Деление на ноль');
  assert.match(state.fault.explanation, /^Не удалось вычислить ток первичной обмотки I1\.\nВероятная причина: КПД и коэффициент мощности еще не заданы/);
  assert.deepEqual(state.labels, expected[0].slice(0, 16));
  assert.equal(state.plan, null);
  await dismiss(page);
  // The first field the fault's notes name takes the focus.
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Text3');
  const good = await press(page, START);
  assert.equal(good.fault, undefined);
  assert.deepEqual(good.labels, expected[1].slice(0, 16));
  const overflow = await press(page, ['1e300', ...START.slice(1)]);
  assert.equal(overflow.fault.message, 'Ошибка 6: Переполнение');
  assert.deepEqual(overflow.labels, expected[2].slice(0, 16));
  await dismiss(page);
  await page.close();
});

test('plan settings: the batch tool\'s figures with the same settings, a bad value refused', async () => {
  const page = await openPage();
  await press(page, START);
  await page.$eval('#setting0', (el) => { el.value = ''; });
  await page.type('#setting0', '1');
  await page.$eval('#setting1', (el) => { el.value = ''; });
  await page.type('#setting1', '0.5');
  const expected = batchNamed([START], ['--grade', '1', '--bobbin', '0.5']);
  expectPlanOf(expected[0], (await press(page, START)).plan);
  await page.type('#setting2', 'x');
  assert.notEqual(await page.$eval('#setting2-refusal', (el) => el.textContent), '');
  // While a setting is refused no figures stand, as in the window.
  assert.equal(await page.$eval('#plan-body', (el) => el.hidden), true);
  assert.match(await page.$eval('#plan-empty', (el) => el.textContent), /^Настройка не принята: /);
  await page.close();
});

test('check figures of both designs equal the batch tool\'s, with its settings', async () => {
  const page = await openPage();
  const shell = ['1', '220', '24', '2', '3', '4', '2', '5', '0.35'];
  for (const [fields, options] of [[START, []], [shell, []], [START, ['--frequency', '60', '--limit', '80']]]) {
    if (options.length) {
      await page.$eval('#setting7', (el) => { el.value = '60'; el.dispatchEvent(new Event('input')); });
      await page.$eval('#setting10', (el) => { el.value = '80'; el.dispatchEvent(new Event('input')); });
    }
    await press(page, fields);
    expectCheckOf(batchNamed([fields], options)[0], await checkShown(page));
    if (fields === START && !options.length) {
      // flux-high and volts, as the batch tool's verdict says, in the window's words
      const flags = await page.$eval('#check-verdicts', (el) => el.textContent);
      assert.match(flags, /^Расчетные витки: Сталь перегружена: .* Под полной нагрузкой на выходе 18\.45 В/);
    }
  }
  await page.close();
});

test('names a test can hold: labelled fields, results, the Calculate button', async () => {
  const page = await openPage();
  const names = await page.evaluate(() => ({
    lang: document.documentElement.lang,
    fields: Array.from({length: 9}, (_, k) =>
      document.querySelector(`label[for="Text${k + 1}"]`)?.textContent ?? ''),
    results: Array.from({length: 16}, (_, k) =>
      document.querySelector(`label[for="Label${k + 26}"]`)?.textContent ?? ''),
    button: document.getElementById('Command1').textContent,
    pictures: document.querySelectorAll('.picture svg').length,
  }));
  assert.equal(names.lang, 'ru');
  assert.ok(names.fields.every((c) => c.length > 0));
  assert.ok(names.results.every((c) => c.length > 0));
  assert.equal(names.button, 'Вычислить');
  assert.equal(names.pictures, 3);
  await page.close();
});

test('Tab goes through the fields as the eye reads them, from the form to Calculate', async () => {
  const page = await openPage();
  const order = [await page.evaluate(() => document.activeElement.id)];
  for (let k = 0; k < 9; k++) {
    await page.keyboard.press('Tab');
    order.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(order, ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6', 'Text7', 'Text8',
    'Text9', 'Command1']);
  await page.keyboard.press('Enter');  // Enter on the button calculates, as it does in a field
  assert.equal(await page.$eval('#Label33', (el) => el.textContent), 'Подходит');
  await page.close();
});

test('on a 360 px phone the window stacks without side scrolling', async () => {
  const page = await openPage('file://' + site, 360);
  const box = await page.evaluate(() => {
    const r = (id) => {
      const {top, bottom} = document.getElementById(id).getBoundingClientRect();
      return {top, bottom};
    };
    return {scroll: document.documentElement.scrollWidth, t1: r('Text1'), t2: r('Text2'),
      label: r('Label1')};
  });
  assert.ok(box.scroll <= 360, `page is ${box.scroll} px wide`);
  assert.ok(box.t2.top >= box.t1.bottom);
  assert.ok(box.t1.top >= box.label.bottom - 1);
  await page.close();
});

test('the page works from a static web server too', async () => {
  const server = http.createServer((request, response) => {
    response.setHeader('Content-Type', 'text/html; charset=utf-8');
    response.end(fs.readFileSync(site));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  try {
    const page = await openPage(`http://127.0.0.1:${server.address().port}/`);
    const state = await press(page, START);
    assert.deepEqual(state.labels, batchLines([START])[0].slice(0, 16));
    await page.close();
  } finally {
    server.close();
  }
});

test('print gives one A4 page with the check of both designs and the settings', async () => {
  const page = await openPage();
  await press(page, START);
  const pdf = Buffer.from(await page.pdf({preferCSSPageSize: true, printBackground: true}));
  const text = pdf.toString('latin1');
  const pages = text.match(/\/Type\s*\/Page\b/g) || [];
  assert.equal(pages.length, 1);
  const box = text.match(/\/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\]/);
  assert.ok(Math.abs(Number(box[1]) - 595.3) < 2 && Math.abs(Number(box[2]) - 841.9) < 2,
      `media box ${box[1]} × ${box[2]}`);
  // The sheet carries the check of both designs with their flags in words and both settings.
  await page.emulateMediaType('print');
  const printed = await page.evaluate(() => {
    const shown = (el) => el.getClientRects().length > 0 && getComputedStyle(el).visibility !== 'hidden';
    const table = document.getElementById('check-table');
    const settings = Array.from(document.querySelectorAll('#settings-taken tr'));
    return {
      table: shown(table),
      head: Array.from(table.tHead.rows[0].cells, (c) => shown(c) && c.textContent),
      flags: Array.from(document.querySelectorAll('#check-verdicts p'), (p) => shown(p) && p.textContent),
      settings: document.querySelectorAll('.settings .setting').length,
      shownSettings: settings.filter((row) => shown(row)).length,
    };
  });
  assert.ok(printed.table);
  assert.ok(printed.head.slice(1).every((t) => t), `check columns ${printed.head}`);
  assert.ok(printed.flags.length === 2 && printed.flags.every((t) => t), `flags ${printed.flags}`);
  assert.ok(printed.settings > 7 && printed.shownSettings === printed.settings,
      `${printed.shownSettings} of ${printed.settings} settings printed`);
  await page.close();
});

// The clipboard of a page, as the copy buttons fill it.
async function copied(page, button) {
  await page.evaluate(() => { window.copiedTexts = []; });
  await page.click(button);
  return page.evaluate(() => window.copiedTexts.at(-1));
}

// Which of the plan's and the check's parts are laid out in the given media.
async function shownParts(page, media) {
  await page.emulateMediaType(media);
  const shown = await page.evaluate(() => ['plan-body', 'check-table', 'check-verdicts']
      .filter((id) => document.getElementById(id).getClientRects().length > 0));
  await page.emulateMediaType(null);
  return shown;
}

test('the page shows the engine\'s account of the start input and two shell designs', async () => {
  const Engine = require(path.resolve(process.env.TS_PAGE_ENGINE));
  const engine = await Engine();
  engine._ts_turns(0);  // the page's plan set to the run's turns by press()
  // One press on a session of the engine's own, as the page makes it.
  const account = (fields) => {
    const texts = fields.map((t) => Buffer.from(t, 'utf8'));
    const all = Buffer.concat(texts);
    const bytes = engine._ts_alloc(all.length + 1);
    const lengths = engine._ts_alloc(4 * texts.length);
    engine.HEAPU8.set(all, bytes);
    engine.HEAPU32.set(texts.map((t) => t.length), lengths >> 2);
    return JSON.parse(engine.UTF8ToString(engine._ts_calculate(bytes, lengths)));
  };
  const rows = (table) => table && {headings: table.headings,
    rows: Object.fromEntries(table.rows.map((r) => [r.caption, r.cells.map((c) => c.text)]))};
  const page = await openPage();
  for (const fields of [START, ['1', '220', '12', '1', '2', '2.5', '1.2', '3', '0.35'],
    ['1', '220', '24', '2', '3', '4', '2', '5', '0.35']]) {
    const expected = account(fields);
    const state = await press(page, fields);
    assert.deepEqual(state.plan.windings, rows(expected.plan.windings));
    assert.deepEqual(await checkShown(page), rows(expected.check.table));
    const words = await page.evaluate(() => ({
      verdicts: Array.from(document.querySelectorAll('#check-verdicts p'), (p) => p.textContent),
      turns: document.getElementById('plan-turns-choice').selectedOptions[0].textContent,
      note: document.getElementById('plan-note').textContent,
      drawing: document.querySelector('#plan-drawing svg').getAttribute('aria-label'),
    }));
    assert.deepEqual(words, {verdicts: expected.check.verdicts,
      turns: expected.plan.choices.find((c) => c.turns === expected.plan.shown).words,
      note: expected.plan.note, drawing: expected.plan.drawing.words});
    assert.equal(await copied(page, '#copy-plan'), expected.copies.plan);
    assert.equal(await copied(page, '#copy-results'), expected.copies.results);
    const named = batchNamed([fields])[0];
    expectPlanOf(named, state.plan);
    expectCheckOf(named, await checkShown(page));
  }
  await page.close();
});

test('while a setting is refused no plan or check is shown, copied or printed', async () => {
  const page = await openPage();
  await press(page, START);
  await setSetting(page, 1, ' 1,5 ');
  // Copy and print carry what the engine took, not the field's text.
  assert.match(await copied(page, '#copy-plan'), /\nТолщина каркаса\t1\.5 мм\n/);
  await page.emulateMediaType('print');
  assert.ok(await page.evaluate(() => Array.from(document.querySelectorAll('#settings-taken tr'))
      .some((tr) => tr.getClientRects().length > 0 && tr.textContent === 'Толщина каркаса1.5 мм')));
  await page.emulateMediaType(null);
  await setSetting(page, 10, '300');
  const text = await copied(page, '#copy-plan');
  assert.match(text, /^План намотки и проверка\nПлана нет\tНастройка не принята: Предельная температура/);
  assert.doesNotMatch(text, /Заполнение|B0/);
  assert.deepEqual(await shownParts(page, 'screen'), []);
  assert.deepEqual(await shownParts(page, 'print'), []);
  await setSetting(page, 10, '105');
  assert.deepEqual(await shownParts(page, 'screen'), ['plan-body', 'check-table', 'check-verdicts']);
  await page.close();
});

test('after «Неподходит» or a fault no earlier plan or check stays, on screen or printed', async () => {
  const page = await openPage();
  // A core too small, and a form number beyond what the program reads.
  for (const next of [['3', '220', '12', '1.5', '1', '1', '2', '2', '0.2'], ['1e300', ...START.slice(1)]]) {
    await press(page, START);
    const state = await press(page, next);
    if (state.fault) await dismiss(page);
    assert.deepEqual(await shownParts(page, 'screen'), []);
    assert.deepEqual(await shownParts(page, 'print'), []);
    assert.equal(await page.$eval('#plan-windings', (t) => t.rows.length), 0);
  }
  await page.close();
});

test('settings typed before the engine is ready count once it is', async () => {
  const page = await web.browser().newPage();
  await page.evaluateOnNewDocument(`window.tableOf = ${tableOf.toString()};`);
  await page.evaluateOnNewDocument(() => localStorage.clear());
  // The engine waits for the test, as a slow network would keep it.
  await page.evaluateOnNewDocument(() => {
    let made;
    Object.defineProperty(window, 'TransformerSizerEngine', {
      configurable: true,
      get: () => () => new Promise((resolve) => { window.releaseEngine = () => made().then(resolve); }),
      set: (value) => { made = value; },
    });
  });
  await page.goto('file://' + site);
  await page.waitForFunction(() => typeof window.releaseEngine === 'function');
  await setSetting(page, 1, '0.5');
  await page.evaluate(() => window.releaseEngine());
  await page.waitForSelector('html[data-ready="true"]');
  const state = await press(page, START);
  expectPlanOf(batchNamed([START], ['--bobbin', '0.5'])[0], state.plan);
  await page.close();
});

// The words beside a result: its title, the text its aria-describedby points at, what a screen
// reader is given as its description, and whether it carries its mark.
async function describedResult(page, id) {
  const shown = await page.$eval('#' + id, (result) => {
    const described = result.getAttribute('aria-describedby');
    return {
      text: result.textContent,
      marked: result.classList.contains('marked') || result.classList.contains('refused'),
      title: result.getAttribute('title'),
      description: described ? document.getElementById(described).textContent : null,
    };
  });
  const node = await page.accessibility.snapshot({root: await page.$('#' + id), interestingOnly: false});
  shown.heard = (node && node.description) || null;
  return shown;
}

const PASSING_SHELL = ['1', '220', '110', '0.5', '3', '6', '3', '6', '0.35'];

test('the turns the check finds wrong carry its words and the refined turns', async () => {
  const page = await openPage();
  await press(page, START);
  for (const [id, text] of [['Label40', '562'], ['Label41', '50']]) {
    const turns = await describedResult(page, id);
    assert.equal(turns.text, text);
    assert.ok(turns.marked, id);
    assert.equal(turns.title, 'Проверка: при этих витках индукция без нагрузки 2.002 Тл (по таблице ' +
        '1.700), под нагрузкой 18.45 В вместо 12 В. Уточненные витки: W1 662, W2 40 — раздел ' +
        '«Проверка расчета» ниже');
    assert.equal(turns.description, turns.title);
    assert.equal(turns.heard, turns.title);
  }
  assert.match(await copied(page, '#copy-results'),
      /\nЗамечания к расчету\tПроверка: при этих витках .* W1 662, W2 40 — раздел «Проверка расчета» ниже\n$/);
  // Readable without hovering: the notes list has the turns' words and leads to each.
  const noted = await page.$$eval('#notes-list .note-words', (words) => words.map((w) => w.textContent));
  assert.equal(noted.filter((w) => w.startsWith('Проверка: при этих витках')).length, 2);
  await page.focus('#notes-list li:last-child button');
  await page.keyboard.press('Enter');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Label41');
  await press(page, PASSING_SHELL);
  for (const id of ['Label40', 'Label41']) {
    assert.deepEqual(await describedResult(page, id),
        {text: (await page.$eval('#' + id, (r) => r.textContent)), marked: false, title: null,
          description: null, heard: null}, id);
  }
  await page.close();
});

test('«Неподходит» says what the core can give', async () => {
  const page = await openPage();
  // A small shell refused on a first run, then the start input that fits.
  await press(page, ['1', '220', '12', '2', '2', '2.5', '1.2', '3', '0.35']);
  const verdict = await describedResult(page, 'Label33');
  assert.equal(verdict.text, 'Неподходит');
  assert.equal(verdict.title, 'Сердечник отдаст до 18 Вт: при U2 = 12 В ток нагрузки до 1.15 А');
  assert.equal(verdict.description, verdict.title);
  assert.equal(verdict.heard, verdict.title);
  await press(page, START);
  assert.equal((await describedResult(page, 'Label33')).title, null);
  await page.close();
});
