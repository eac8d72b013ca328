// The page in headless chromium from disk: time from navigation to ready to calculate (median of
// OPENS fresh pages), and what a Calculate press costs: the handler alone and up to the next
// frame (median and worst of PRESSES presses). Also the page's size gzipped.
// Usage: node bench/web_page.js [build-web/site/index.html] (puppeteer-core from tests/web)
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const puppeteer = require(path.join(__dirname, '../tests/web/node_modules/puppeteer-core'));

const site = path.resolve(process.argv[2] || 'build-web/site/index.html');
const opens = Number(process.env.OPENS || 20);
const presses = Number(process.env.PRESSES || 100);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

(async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ts-bench-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const ready = [];
  for (let k = 0; k < opens; k++) {
    const page = await browser.newPage();
    await page.goto('file://' + site);
    await page.waitForSelector('html[data-ready="true"]');
    ready.push(await page.evaluate(() => performance.getEntriesByName('ts-ready')[0].startTime));
    await page.close();
  }
  const page = await browser.newPage();
  await page.goto('file://' + site);
  await page.waitForSelector('html[data-ready="true"]');
  const timings = await page.evaluate(async (count) => {
    const handler = [];
    const frame = [];
    for (let k = 0; k < count; k++) {
      const start = performance.now();
      document.getElementById('Command1').click();
      handler.push(performance.now() - start);
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
      frame.push(performance.now() - start);
    }
    return {handler, frame};
  }, presses);
  await browser.close();
  fs.rmSync(profile, {recursive: true, force: true});
  const bytes = fs.readFileSync(site);
  const gz = zlib.gzipSync(bytes, {level: 9}).length;
  console.log(`ready to calculate from file://: median ${median(ready).toFixed(0)} ms, ` +
      `worst ${Math.max(...ready).toFixed(0)} ms (${opens} opens)`);
  console.log(`Calculate press, handler: median ${median(timings.handler).toFixed(2)} ms, ` +
      `worst ${Math.max(...timings.handler).toFixed(2)} ms; to the next frame: median ` +
      `${median(timings.frame).toFixed(1)} ms (${presses} presses)`);
  console.log(`size: ${bytes.length} bytes, ${gz} gzipped`);
})();
