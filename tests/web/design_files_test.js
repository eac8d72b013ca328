// Design files on the page in Debian's headless chromium: saved and opened again, the design in
// the address after each calculation, bad files and addresses refused with nothing changed, and
// the file both faces write byte for byte (the window's tests read the same file).
// Environment: TS_SITE (index.html), TS_BOTH_FACES_DESIGN, TS_CHROMIUM.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const web = require('./browser.js');

const {site, START, setSetting} = web;
const bothFaces = path.resolve(process.env.TS_BOTH_FACES_DESIGN);
let folder;

before(async () => {
  folder = fs.mkdtempSync(path.join(os.tmpdir(), 'ts-designs-'));
  await web.launch();
});

after(async () => {
  await web.close();
  fs.rmSync(folder, {recursive: true, force: true});
});

// A page whose downloads are kept for the test to read instead of saved.
async function openPage(url = 'file://' + site) {
  const page = await web.browser().newPage();
  page.setDefaultNavigationTimeout(120000);  // an address of 1.4 MB loads slowly on a busy machine
  await page.evaluateOnNewDocument(() => {
    window.savedDesigns = [];
    const click = HTMLAnchorElement.prototype.click;
    HTMLAnchorElement.prototype.click = function () {
      if (!this.download) return click.call(this);
      const name = this.download;
      window.savedDesigns.push(fetch(this.href).then((r) => r.text()).then((text) => ({name, text})));
    };
  });
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
  return page;
}

async function type(page, fields, title = '') {
  for (let k = 0; k < 9; k++) {
    await page.$eval('#Text' + (k + 1), (el, v) => { el.value = v; }, fields[k]);
  }
  await page.$eval('#design-title', (el, v) => { el.value = v; }, title);
}

async function saved(page) {
  await page.click('#save-design');
  return page.evaluate(async () => (await Promise.all(window.savedDesigns)).at(-1));
}

// Opens the file as the user would pick it, and gives what the page said.
async function openFile(page, file) {
  const answers = await page.$eval('#design-message', (m) => Number(m.dataset.answers));
  await (await page.$('#open-design')).uploadFile(file);
  await page.waitForFunction(
      (n) => Number(document.getElementById('design-message').dataset.answers) > n, {}, answers);
  return page.$eval('#design-message', (m) => m.textContent);
}

// Every text a user sees or typed, but the message about design files.
function screen(page) {
  return page.evaluate(() => ({
    typed: Array.from(document.querySelectorAll('input:not([type=file])'), (i) => i.id + '=' + i.value),
    shown: ['Form1', 'plan', 'check'].map((id) => document.getElementById(id).innerText),
  }));
}

async function design(page) {
  return page.evaluate(() => ({
    fields: Array.from({length: 9}, (_, k) => document.getElementById('Text' + (k + 1)).value),
    title: document.getElementById('design-title').value,
    settings: Array.from({length: 12}, (_, k) => document.getElementById('setting' + k).value),
    power: document.getElementById('Label26').textContent,
  }));
}

const TYPED = [' 3 ', '220 В', '12\t', '1,5', '2e0', '', '7', '1.2.3', '"0.2"'];

test('a design saved on the page opens again with its texts, title and settings, uncalculated', async () => {
  const page = await openPage();
  await type(page, TYPED, 'Мой «ТН»');
  await setSetting(page, 1, '2.5');
  await setSetting(page, 7, '60');
  const file = await saved(page);
  assert.equal(file.name, 'Мой «ТН».json');
  const where = path.join(folder, file.name);
  fs.writeFileSync(where, file.text);
  const shown = await design(page);
  await page.close();

  const other = await openPage();
  assert.equal(await openFile(other, where), '');
  assert.deepEqual(await design(other), shown);
  assert.equal(shown.settings[1], '2.5');
  assert.equal(shown.power, '');
  await other.close();
});

test('the file both faces write opens with its texts and settings and is saved byte for byte', async () => {
  const page = await openPage();
  assert.equal(await openFile(page, bothFaces), '');
  const shown = await design(page);
  assert.deepEqual(shown.fields, ['3', '220', '12', '1,5', '2', '5', '7', '12 см', '0.2']);
  assert.equal(shown.title, 'Блок питания «БП-12»');
  assert.deepEqual(shown.settings,
      ['1', '1.5', '0.05', '0.3', '0.3', '', '0.45', '60', '1.5', '25.5', '105', '1.2']);
  const file = await saved(page);
  assert.equal(file.name, 'Блок питания «БП-12».json');
  assert.equal(file.text, fs.readFileSync(bothFaces, 'utf8'));
  await page.close();
});

test('after each calculation the address holds the design, and opening it restores it', async () => {
  const page = await openPage();
  await type(page, TYPED, 'Ссылка');
  await setSetting(page, 6, '0.5');
  await page.click('#Command1');
  if (await page.$('#fault[open]')) await page.click('#fault-ok');
  const address = page.url();
  assert.match(address, /#design=[A-Za-z0-9_-]+$/);
  const shown = await design(page);
  await page.close();

  const other = await openPage(address);
  assert.deepEqual(await design(other), {...shown, power: ''});
  await other.close();
});

function designText(members) {
  return '{"transformer-sizer-design":1,"fields":["3","220","12","1.5","2","5","7","12","0.2"]' +
      members + '}';
}

const BAD_FILES = [
  ['garbage.json', Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a]), 'не JSON: ошибка в строке 1'],
  ['other.json', '{"name": "package", "version": 1}', 'не проект: в JSON нет ключа'],
  ['newer.json', '{"transformer-sizer-design":2}', 'версия формата 2 новее'],
  ['big.json', designText('') + ' '.repeat(1 << 20), 'больше 1 МиБ'],
  ['long-field.json', '{"transformer-sizer-design":1,"fields":["3","' + 'x'.repeat(65537) +
      '","1","1","1","1","1","1","1"]}', 'поле 2 длиннее 64 КиБ'],
  ['numbers.json', '{"transformer-sizer-design":1,"fields":[3,220,12,1.5,2,5,7,12,0.2]}',
    'поле 1 должно быть строкой'],
  ['setting.json', designText(',"settings":{"frequency":"60"}'), 'Частота сети'],
  ['refused-setting.json', designText(',"settings":{"bobbin":500}'), 'Толщина каркаса'],
  ['empty.json', '', 'пусто'],
];

test('a design of several windings opens into the windings table', async () => {
  const page = await openPage();
  const where = path.join(folder, 'windings.json');
  fs.writeFileSync(where, designText(
      ',"secondaries":[{"kind":"ct-c"},{"U":6.3,"I":2,"kind":"ac"}],"settings":{"diode":0.7}'));
  assert.equal(await openFile(page, where), '');
  assert.equal(await page.$eval('#windings-kind-1', (s) => s.value), 'ct-c');
  const further = await page.$$eval('#windings-rows tbody tr', (rows) => rows.slice(1).map(
      (r) => [...r.querySelectorAll('input, select')].map((e) => e.value)));
  assert.deepEqual(further, [['ac', '6.3', '2']]);
  assert.equal(await page.$eval('#windings-diode', (d) => d.value), '0.7');
  await page.close();
});

test('a bad file is refused with its name and reason, and nothing on the page changes', async () => {
  const page = await openPage();
  await type(page, START, 'Было');
  await page.click('#Command1');
  await page.$eval('#Text2', (el) => { el.value = '230'; });
  await setSetting(page, 1, '-1');
  const before = await screen(page);
  for (const [name, bytes, reason] of BAD_FILES) {
    const where = path.join(folder, name);
    fs.writeFileSync(where, bytes);
    const message = await openFile(page, where);
    assert.ok(message.startsWith(`Проект «${name}» не открыт: ${reason}`), message);
    assert.deepEqual(await screen(page), before, name);
  }
  await page.close();
});

test('a bad or hostile address is refused, and what was typed stays', async () => {
  const base64 = (text) => Buffer.from(text).toString('base64url');
  const bad = [
    ['design=!!!', 'ссылка повреждена'],
    ['design=abcde', 'ссылка обрезана'],
    ['design=' + base64('не JSON'), 'не JSON'],
    ['design=' + base64('{"transformer-sizer-design":1,"fields":[1,2,3,4,5,6,7,8,9]}'),
      'поле 1 должно быть строкой'],
    ['design=' + 'A'.repeat(1400000), 'ссылка длиннее, чем бывает у проекта'],
  ];
  for (const [fragment, reason] of bad) {
    const page = await openPage('file://' + site + '#' + fragment);
    const message = await page.$eval('#design-message', (m) => m.textContent);
    assert.ok(message.startsWith(`Проект из ссылки не открыт: ${reason}`), message);
    assert.deepEqual((await design(page)).fields, START);
    await page.close();
  }
  const page = await openPage();
  await type(page, TYPED, 'Набрано');
  const before = await screen(page);
  await page.evaluate(() => { location.hash = 'design=!!!'; });
  await page.waitForFunction(() => document.getElementById('design-message').textContent !== '');
  assert.deepEqual(await screen(page), before);
  await page.close();
});
