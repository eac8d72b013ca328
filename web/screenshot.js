// The README's picture of the page: the start input calculated, in Debian's headless chromium.
// Usage: node web/screenshot.js build-web/site/index.html docs/web-page.png
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require(path.join(__dirname, '../tests/web/node_modules/puppeteer-core'));

const [site, out] = process.argv.slice(2);
(async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ts-shot-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const page = await browser.newPage();
  await page.setViewport({width: 980, height: 1180});
  await page.goto('file://' + path.resolve(site));
  await page.waitForSelector('html[data-ready="true"]');
  await page.click('#Command1');
  await page.screenshot({path: out});
  await browser.close();
  fs.rmSync(profile, {recursive: true, force: true});
})();
