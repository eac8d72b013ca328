// Debian's headless chromium for the page tests that drive the page as a visitor does: one
// browser a test file, a fresh tab a test, at the desktop's and a phone's size.
// Environment: TS_SITE (index.html), TS_CHROMIUM.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const site = path.resolve(process.env.TS_SITE);
const START = ['3', '220', '12', '1.5', '2', '5', '7', '12', '0.2'];
const DESKTOP = {name: 'desktop', width: 1366, height: 768};
const PHONE = {name: 'phone', width: 390, height: 844, isMobile: true, hasTouch: true,
  deviceScaleFactor: 3};
const NARROW = {name: 'narrow phone', width: 320, height: 640, isMobile: true, hasTouch: true};

let browser;
let profile;

async function launch() {
  profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ts-chromium-'));
  browser = await puppeteer.launch({
    executablePath: process.env.TS_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

async function close() {
  await browser.close();
  fs.rmSync(profile, {recursive: true, force: true});
}

// A fresh tab on the page at `view`'s size with nothing kept from another test, unless `keep`;
// `address` follows the page's file name, `prepare(page)` runs before the page loads.
async function open(view, {keep = false, address = '', prepare = async () => {}} = {}) {
  const page = await browser.newPage();
  await prepare(page);
  await page.setViewport(view);
  await page.goto('file://' + site + address);
  if (!keep) {
    await page.evaluate(() => localStorage.clear());
    await page.reload();
  }
  await page.waitForSelector('html[data-ready="true"]');
  return page;
}

async function reload(page) {
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
}

async function type(page, fields) {
  for (let k = 0; k < fields.length; k++) {
    await page.$eval('#Text' + (k + 1), (el, v) => { el.value = v; }, fields[k]);
  }
}

// Fills the fields and presses Calculate as a visitor does, by a click or a tap.
async function press(page, fields) {
  await type(page, fields);
  await page.click('#Command1');
}

// The dialog loses its open attribute first and fires "close" a task later, and the page moves the
// focus in that event: wait for the event, not for the attribute.
async function dismiss(page) {
  await page.$eval('#fault', (dialog) => {
    window.faultClosed = new Promise((resolve) => {
      dialog.addEventListener('close', resolve, {once: true});
    });
  });
  await page.click('#fault-ok');
  await page.evaluate(() => window.faultClosed);
}

async function setSetting(page, k, text) {
  await page.$eval('#setting' + k, (el, v) => {
    el.value = v;
    el.dispatchEvent(new Event('input'));
  }, text);
}

// Typed as a visitor types: the field emptied, then key by key.
async function retype(page, selector, text) {
  await page.$eval(selector, (el) => { el.value = ''; });
  await page.type(selector, text);
}

const focused = (page) => page.evaluate(() => document.activeElement.id);

// What assistive technology reads for an element: its name and description, by the tree
// chromium builds.
async function described(page, selector) {
  return page.$eval(selector, (el) => {
    const ids = (el.getAttribute('aria-describedby') || '').split(/\s+/).filter(Boolean);
    return ids.map((id) => document.getElementById(id).textContent).join(' ');
  });
}

module.exports = {site, START, DESKTOP, PHONE, NARROW, launch, close, open, reload, type, press,
  dismiss, setSetting, retype, focused, described, browser: () => browser};
