// The page used as a visitor uses it, at a desktop's and a phone's size: the plan's choice of
// turns, stale results, the marks' words as readable notes, Enter, the phone's layout, names,
// units and focus, the printed sheet and the settings the browser keeps.
// Environment: TS_SITE (index.html), TS_PAGE_ENGINE (the engine for node), TS_CHROMIUM.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const web = require('./browser.js');

const {START, DESKTOP, PHONE, NARROW} = web;
const COMMA = ['1', '220', '12', '1.5', '2', '5', '7', '12', '0,35'];
// I2 so small that the efficiency is never set: a division by zero with marked fields.
const FAULTY = ['3', '220', '12', '0.1', '2', '5', '7', '12', '0.2'];
const VIEWS = [DESKTOP, PHONE];

before(() => web.launch());
after(() => web.close());

// The engine's own account of one press on a fresh session, as a fresh page gets it.
async function account(fields) {
  const engine = await require(path.resolve(process.env.TS_PAGE_ENGINE))();
  const texts = fields.map((t) => Buffer.from(t, 'utf8'));
  const all = Buffer.concat(texts);
  const bytes = engine._ts_alloc(all.length + 1);
  const lengths = engine._ts_alloc(4 * texts.length);
  engine.HEAPU8.set(all, bytes);
  engine.HEAPU32.set(texts.map((t) => t.length), lengths >> 2);
  const answer = JSON.parse(engine.UTF8ToString(engine._ts_calculate(bytes, lengths)));
  engine._ts_free(bytes);
  engine._ts_free(lengths);
  return answer;
}

const shown = (page, selector) => page.$eval(selector,
    (el) => el.getClientRects().length > 0 && getComputedStyle(el).visibility !== 'hidden');

const box = (page, selector) => page.$eval(selector, (el) => {
  const {left, top, right, bottom, width, height} = el.getBoundingClientRect();
  return {left, top, right, bottom, width, height};
});

for (const view of VIEWS) {
  test(`${view.name}: the plan is for the refined turns, named as the window names them`, async () => {
    const page = await web.open(view);
    await web.press(page, START);
    const choice = () => page.$eval('#plan-turns-choice', (s) => ({
      value: s.value, text: s.selectedOptions[0].textContent,
      options: Array.from(s.options, (o) => o.textContent)}));
    assert.deepEqual(await choice(), {value: 'refined', text: 'уточненных витков: W1 662, W2 40',
      options: ['расчетных витков: W1 562, W2 50', 'уточненных витков: W1 662, W2 40']});
    assert.equal(await page.$eval('label[for="plan-turns-choice"]', (l) => l.textContent), 'План для:');
    await page.select('#plan-turns-choice', 'calculated');
    assert.equal((await choice()).text, 'расчетных витков: W1 562, W2 50');
    assert.match(await page.$eval('#plan-drawing svg', (s) => s.getAttribute('aria-label')), /562/);
    // The choice lasts through the next press, as the plan window's does.
    await web.press(page, START);
    assert.equal((await choice()).value, 'calculated');
    await page.close();
  });

  test(`${view.name}: results edited away from look stale and say so, as the window's`, async () => {
    const page = await web.open(view);
    await web.press(page, START);
    const fresh = await page.$eval('#Label26', (el) => getComputedStyle(el).color);
    assert.equal(await web.described(page, '#Label33'), '');
    await web.retype(page, '#Text2', '110');
    assert.notEqual(await page.$eval('#Label26', (el) => getComputedStyle(el).color), fresh);
    assert.match(await web.described(page, '#Label33'),
        /^Данные в полях изменены после расчета: результаты относятся к прежним данным/);
    assert.ok(await shown(page, '#results-stale'));
    assert.ok(await shown(page, '#plan-stale'));
    // The same texts again are the press's own: nothing is stale.
    await web.retype(page, '#Text2', '220');
    assert.equal(await web.described(page, '#Label33'), '');
    assert.equal(await shown(page, '#results-stale'), false);
    await web.retype(page, '#Text2', '110');
    await page.click('#Command1');
    assert.equal(await shown(page, '#results-stale'), false);
    await page.close();
  });

  test(`${view.name}: a coefficient the tables did not give marks the verdict in the window's words`, async () => {
    const page = await web.open(view);
    await web.press(page, COMMA);
    const answer = await account(COMMA);
    const words = answer.coefficientWords;
    assert.notEqual(words, '');
    assert.equal(await page.$eval('#Label33', (el) => el.classList.contains('warned')), true);
    // What the refused core can give follows the window's words.
    assert.equal(await web.described(page, '#Label33'),
        [words, answer.capacityWords].filter((w) => w).join('\n\n'));
    await web.press(page, START);
    assert.equal(await page.$eval('#Label33', (el) => el.classList.contains('warned')), false);
    await page.close();
  });

  test(`${view.name}: every mark's words stand under the results and lead to their field`, async () => {
    const page = await web.open(view);
    assert.ok(await shown(page, '#notes-empty'));
    await web.press(page, COMMA);
    const expected = await account(COMMA);
    const notes = await page.$$eval('#notes-list li', (items) => items.map((li) => ({
      field: li.querySelector('button').textContent, words: li.querySelector('.note-words').textContent})));
    const verdictName = 'Резюме: подходит или нет выбранное вами железо';
    assert.deepEqual(notes, [
      {field: 'Толщина пластин,ленты (0.08, 1.0, 0.15, 0.2, 0.35)', words: expected.fieldWords[8]},
      {field: verdictName, words: expected.coefficientWords},
      ...(expected.capacityWords ? [{field: verdictName, words: expected.capacityWords}] : [])]);
    assert.equal(await page.$eval('#notes-list', (l) => l.getAttribute('aria-live')), 'polite');
    // By keyboard alone: Tab to the note, Enter, and the field to fix has the focus.
    await page.focus('#notes-list li:first-child button');
    await page.keyboard.press('Enter');
    assert.equal(await web.focused(page), 'Text9');
    await page.focus('#notes-list li:last-child button');
    await page.keyboard.press('Enter');
    assert.equal(await web.focused(page), 'Label33');
    await page.close();
  });

  test(`${view.name}: a fault points to the notes and leaves the focus on the field it names`, async () => {
    const page = await web.open(view);
    await web.press(page, FAULTY);
    const expected = await account(FAULTY);
    const first = expected.fieldWords.findIndex((w) => w !== '');
    assert.ok(first >= 0);
    assert.match(await page.$eval('#fault-explanation', (p) => p.textContent),
        /в списке «Замечания» под результатами\.$/);
    await web.dismiss(page);
    assert.equal(await web.focused(page), 'Text' + (first + 1));
    assert.ok(await page.$$eval('#notes-list li', (items) => items.length) > 0);
    await page.close();
  });

  test(`${view.name}: Enter in any field calculates`, async () => {
    const page = await web.open(view);
    await web.type(page, START);
    await page.focus('#Text5');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#Label33', (el) => el.textContent), 'Подходит');
    await web.type(page, ['3', '220', '12', '1.5', '1', '1', '2', '2', '0.2']);
    await page.focus('#setting0');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#Label33', (el) => el.textContent), 'Неподходит');
    await page.close();
  });

  test(`${view.name}: Tab goes the way the eye reads, from the form to Calculate`, async () => {
    const page = await web.open(view);
    assert.deepEqual(await page.$$eval('[tabindex]', (els) =>
      els.filter((el) => el.tabIndex > 0).map((el) => el.id)), []);
    await page.focus('#Text1');
    const order = ['Text1'];
    for (let k = 0; k < 9; k++) {
      await page.keyboard.press('Tab');
      order.push(await web.focused(page));
    }
    assert.deepEqual(order, ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6', 'Text7', 'Text8',
      'Text9', 'Command1']);
    await page.close();
  });

  test(`${view.name}: names without leader dots, units beside every result and setting`, async () => {
    const page = await web.open(view);
    const names = await page.$$eval('.field, .result', (els) => els.map((el) => el.getAttribute('aria-label')));
    assert.equal(names.length, 25);
    for (const name of names) assert.match(name, /^[^.]*(\.[^.]+)*[^.]$/, name);
    assert.equal(names[0], 'Форма магнитопровода: 1-броневой пластинчатый, 2-броневой ленчатый, ' +
        '3-кольцевой ленточный');
    const units = await page.$$eval('.unit', (els) => els.map((el) => ({
      of: el.previousElementSibling.id, unit: el.textContent,
      shown: el.getClientRects().length > 0})));
    assert.deepEqual(units.map((u) => u.of), ['Label26', 'Label27', 'Label28', 'Label30', 'Label31',
      'Label32', 'Label35', 'Label36', 'Label37', 'Label38', 'Label39', 'Label40', 'Label41']);
    assert.ok(units.every((u) => u.shown));
    assert.equal(names[10], 'Магнитная индукция Bmax, Тл');
    // Each setting names its unit where it has one.
    const settings = await page.$$eval('.setting span:first-child', (els) => els.map((el) => el.textContent));
    assert.ok(settings.filter((s) => /, (мм|Гц|°C|Тл|%)/.test(s)).length >= 6, settings.join('; '));
    // The core pictures in Russian.
    const pictures = await page.$$eval('.picture svg', (svgs) => svgs.map((svg) => [
      document.getElementById(svg.getAttribute('aria-labelledby')).textContent,
      document.getElementById(svg.getAttribute('aria-describedby')).textContent]));
    assert.equal(pictures.length, 3);
    pictures.forEach(([name, description], k) => {
      assert.match(name, new RegExp(`^Форма ${k + 1}: [а-я ]+ магнитопровод$`));
      assert.match(description, /^[А-Я][а-яё ,:-]+/);
      assert.doesNotMatch(name + description, /[A-Za-z]{3,}/);
    });
    await page.close();
  });
}

test('desktop: the window\'s look, every caption\'s words unclipped', async () => {
  const page = await web.open(DESKTOP);
  const form = await box(page, '#Form1');
  const at = async (id) => {
    const b = await box(page, id);
    return [b.left - form.left, b.top - form.top, b.width];
  };
  // Where the window puts them, in pixels from its corner.
  assert.deepEqual(await at('#Text2'), [328, 32, 129]);
  assert.deepEqual(await at('#Label41'), [328, 584, 129]);
  assert.deepEqual(await at('#Command1'), [24, 616, 201]);
  assert.deepEqual(await at('#Image3'), [480, 424, 220]);
  const clipped = await page.$$eval('.caption', (labels) => labels.filter((label) => {
    const words = label.querySelector('.caption-words').getBoundingClientRect();
    return words.right > label.getBoundingClientRect().right + 0.5;
  }).map((label) => label.textContent));
  assert.deepEqual(clipped, []);
  await page.close();
});

test('phone: the inputs with the chosen form\'s picture, Calculate in view, the verdict after a tap', async () => {
  const page = await web.open(PHONE);
  const calculate = await box(page, '#Command1');
  assert.ok(calculate.top >= 0 && calculate.bottom <= PHONE.height, JSON.stringify(calculate));
  const pictures = async () => ({1: await shown(page, '#Image1'), 2: await shown(page, '#Image2'),
    3: await shown(page, '#Image3')});
  assert.deepEqual(await pictures(), {1: false, 2: false, 3: true});
  const picture = await box(page, '#Image3');
  assert.ok(picture.top >= (await box(page, '#Text9')).bottom);
  assert.ok(picture.bottom <= (await box(page, '#Label10')).top);
  await web.retype(page, '#Text1', '1');
  assert.deepEqual(await pictures(), {1: true, 2: false, 3: false});
  await web.retype(page, '#Text1', '7');
  assert.deepEqual(await pictures(), {1: true, 2: true, 3: true});
  // Fields filled without typing, as a design opened fills them, show their form once pressed.
  await web.type(page, START);
  await page.tap('#Command1');
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));
  assert.deepEqual(await pictures(), {1: false, 2: false, 3: true});
  const verdict = await box(page, '#Label33');
  assert.ok(verdict.top >= 0 && verdict.bottom <= PHONE.height, JSON.stringify(verdict));
  // Not under the button that stays in view.
  assert.equal(await page.evaluate(({left, top, width, height}) =>
    document.elementFromPoint(left + width / 2, top + height / 2).id, verdict), 'Label33');
  await page.close();
});

test('phone: touch targets of 44 px, 16 px inputs with a decimal keypad', async () => {
  const page = await web.open(PHONE);
  await web.press(page, START);
  const small = await page.$$eval('input, button, select', (els) => els
      .filter((el) => el.getClientRects().length > 0 && !el.closest('dialog'))
      .map((el) => ({id: el.id || el.textContent, ...el.getBoundingClientRect().toJSON()}))
      .filter((r) => r.height < 44 || r.width < 44).map((r) => `${r.id} ${r.width}×${r.height}`));
  assert.deepEqual(small, []);
  const inputs = await page.$$eval('input', (els) => els.map((el) =>
    [el.id, getComputedStyle(el).fontSize, el.inputMode]));
  // A design's title is words, and a file is chosen, not typed: the others take numbers.
  const words = ['design-title', 'open-design'];
  for (const [id, size, mode] of inputs) {
    assert.equal(size, '16px', id);
    if (!words.includes(id)) assert.equal(mode, 'decimal', id);
  }
  await page.close();
});

test('a 320 px phone scrolls only up and down, before and after a press', async () => {
  const page = await web.open(NARROW);
  const wide = () => page.evaluate(() => document.documentElement.scrollWidth);
  assert.ok(await wide() <= NARROW.width, `${await wide()} px`);
  for (const fields of [START, ['1', '220', '24', '2', '3', '4', '2', '5', '0.35'], COMMA]) {
    await web.press(page, fields);
    assert.ok(await wide() <= NARROW.width, `${await wide()} px after ${fields}`);
  }
  await page.close();
});

for (const view of VIEWS) {
  test(`${view.name}: the settings are kept across a visit, never a refused one`, async () => {
    const page = await web.open(view);
    await web.setSetting(page, 1, '0.5');
    await web.setSetting(page, 2, '0.1');
    await web.setSetting(page, 2, 'x');
    assert.notEqual(await page.$eval('#setting2-refusal', (el) => el.textContent), '');
    await web.reload(page);
    const values = () => page.$$eval('.settings input', (els) => els.map((el) => el.value));
    const kept = await values();
    assert.equal(kept[1], '0.5');
    assert.equal(kept[2], '0.1');
    await web.press(page, START);
    assert.ok(await page.$$eval('#settings-taken tr', (rows) =>
      rows.some((tr) => tr.textContent === 'Толщина каркаса0.5 мм')));
    await page.click('#settings-default');
    const defaults = await page.$$eval('.settings input', (els) => els.map((el) => el.defaultValue));
    assert.deepEqual(await values(), defaults);
    await web.reload(page);
    assert.deepEqual(await values(), defaults);
    await page.close();
  });

  test(`${view.name}: the sheet prints the fields the results came from, never a refused setting`, async () => {
    const page = await web.open(view);
    await web.press(page, START);
    await web.retype(page, '#Text2', '110');
    await web.setSetting(page, 1, '9x');
    await page.emulateMediaType('print');
    const printed = await page.evaluate(() => {
      const shown = (el) => el.getClientRects().length > 0;
      return {
        fields: Array.from(document.querySelectorAll('.field')).filter(shown).length,
        inputs: Array.from(document.querySelectorAll('.printed')).filter(shown).map((el) => el.textContent),
        greyed: getComputedStyle(document.getElementById('Label26')).color,
        text: document.body.innerText,
      };
    });
    await page.emulateMediaType(null);
    assert.equal(printed.fields, 0);
    assert.deepEqual(printed.inputs, START);
    assert.equal(printed.greyed, 'rgb(0, 0, 0)');
    assert.doesNotMatch(printed.text, /9x/);
    await page.close();
  });
}
