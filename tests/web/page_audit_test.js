// axe-core's audit of the page: WCAG 2.1 A and AA and the best-practice rules for tabindex and
// regions, in light and dark themes at a desktop's and a phone's size: before a press, after
// one, with the fault dialog open and with a setting refused.
// Environment: TS_SITE (index.html), TS_CHROMIUM.
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const web = require('./browser.js');

const AXE = require.resolve('axe-core/axe.min.js');
const RULES = {
  runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']},
  rules: {'tabindex': {enabled: true}, 'region': {enabled: true}},
  resultTypes: ['violations'],
};

before(() => web.launch());
after(() => web.close());

async function audit(page) {
  if (!(await page.evaluate(() => typeof window.axe === 'object'))) {
    await page.addScriptTag({path: AXE});
  }
  const found = await page.evaluate((rules) => window.axe.run(document, rules), RULES);
  return found.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

// In this order: a fault needs a session that has not set the efficiency yet.
const STATES = {
  'before a press': async () => {},
  'with the fault dialog open': async (page) => {
    await web.press(page, ['3', '220', '12', '0.1', '2', '5', '7', '12', '0.2']);
    await page.waitForSelector('#fault[open]');
  },
  'after a press': (page) => web.press(page, web.START),
  'with a setting refused': async (page) => {
    await web.press(page, web.START);
    await web.setSetting(page, 10, '300');
  },
};

for (const view of [web.DESKTOP, web.PHONE]) {
  for (const theme of ['light', 'dark']) {
    test(`${view.name}, ${theme}: no violations`, async () => {
      const page = await web.open(view);
      await page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: theme}]);
      for (const [state, reach] of Object.entries(STATES)) {
        await reach(page);
        assert.deepEqual(await audit(page), [], state);
        if (await page.$('#fault[open]')) await web.dismiss(page);
      }
      await page.close();
    });
  }
}
