'use strict';
// The page's behaviour: every figure and word comes from the engine, as the account of the last
// press of Calculate; this script only moves texts between the fields, the engine and the page.
(function () {
  const FIELDS = 9;
  const $ = (id) => document.getElementById(id);
  const calculate = $('Command1');
  const fields = Array.from({length: FIELDS}, (_, k) => $('Text' + (k + 1)));
  const settingInputs = Array.from(document.querySelectorAll('.settings input'));
  const verdict = $('Label33');
  // Notes about the verdict and the turns lead to them.
  for (const result of [verdict, $('Label40'), $('Label41')]) result.tabIndex = -1;
  const encoder = new TextEncoder();
  const STORED = 'transformer-sizer-settings';
  const ROWS = 'windings';  // the windings table, beside the settings' own keys
  const DIODE = 'diode';
  const WINDOW_LAYOUT = window.matchMedia('(min-width: 720px)');
  let engine = null;
  let account = null;

  // Texts go to the engine as UTF-8 bytes with their lengths, bytes as they are; the answer is
  // its text.
  function call(name, texts) {
    const encoded = texts.map((t) => (typeof t === 'string' ? encoder.encode(t) : t));
    const size = encoded.reduce((n, b) => n + b.length, 0);
    const bytes = engine._ts_alloc(size + 1);
    const lengths = engine._ts_alloc(4 * encoded.length);
    let at = bytes;
    encoded.forEach((b, k) => {
      engine.HEAPU8.set(b, at);
      at += b.length;
      engine.HEAPU32[(lengths >> 2) + k] = b.length;
    });
    const answer = engine.UTF8ToString(engine[name](bytes, lengths, encoded.length));
    engine._ts_free(bytes);
    engine._ts_free(lengths);
    return answer;
  }

  function mark(field, words) {
    const note = $(field.id + '-note');
    field.classList.toggle('marked', words !== '');
    note.textContent = words;
    if (words) {
      field.title = words;
      field.setAttribute('aria-describedby', note.id);
    } else {
      field.removeAttribute('title');
      field.removeAttribute('aria-describedby');
    }
  }

  function run() {
    showForm();
    showAccount(JSON.parse(call('_ts_calculate', fields.map((f) => f.value))));
    if (account.fault) {
      $('fault-message').textContent = account.fault.message;
      $('fault-explanation').textContent = account.fault.explanation;
      $('fault').showModal();
    } else {
      // In the frame's own layout, not the press's.
      requestAnimationFrame(() => verdict.scrollIntoView({block: 'nearest'}));
    }
  }

  // The first field a fault's notes name, else Calculate.
  function faultField() {
    const k = account.fieldWords.findIndex((words) => words !== '');
    return k >= 0 ? fields[k] : calculate;
  }

  // Results of a press whose fields were edited since look stale, as in the window.
  function showStale() {
    const pressed = account && account.end !== 'not-yet';
    const stale = pressed && account.inputs.some((input, k) => input.text !== fields[k].value);
    document.body.classList.toggle('stale', stale);
    $('results-stale').hidden = !stale;
    $('plan-stale').hidden = !stale;
    const capacity = account ? account.capacityWords || '' : '';
    const words = [stale ? $('results-stale').textContent : '', account ? account.coefficientWords : '',
      capacity].filter((w) => w !== '').join('\n\n');
    $('verdict-words').textContent = words;
    verdict.classList.toggle('refused', capacity !== '');
    if (words) {
      verdict.setAttribute('aria-describedby', 'verdict-words');
      verdict.title = words;
    } else {
      verdict.removeAttribute('aria-describedby');
      verdict.removeAttribute('title');
    }
    // The sheet prints the fields the results came from.
    fields.forEach((field, k) => {
      $(field.id + '-printed').textContent = pressed ? account.inputs[k].text : field.value;
    });
  }

  // Every mark's words as text under the results, each naming its field and leading to it.
  function showNotes() {
    const entries = fields.map((field, k) => ({target: field, words: account.fieldWords[k]}));
    entries.push({target: verdict, words: account.coefficientWords});
    entries.push({target: verdict, words: account.capacityWords || ''});
    for (const id of ['Label40', 'Label41']) entries.push({target: $(id), words: account.turnMarks || ''});
    const list = $('notes-list');
    list.replaceChildren(...entries.filter((e) => e.words !== '').map((entry) => {
      const item = document.createElement('li');
      const go = document.createElement('button');
      go.type = 'button';
      go.className = 'note-field';
      go.textContent = entry.target.getAttribute('aria-label');
      go.addEventListener('click', () => entry.target.focus());
      const words = document.createElement('span');
      words.className = 'note-words';
      words.textContent = entry.words;
      item.append(go, words);
      return item;
    }));
    $('notes-empty').hidden = list.children.length > 0;
    verdict.classList.toggle('warned', account.coefficientWords !== '');
  }

  // --- The account as the page shows it -------------------------------------------------------

  function showAccount(answer) {
    account = answer;
    answer.labels.forEach((text, k) => { $('Label' + (26 + k)).textContent = text; });
    answer.fieldWords.forEach((words, k) => mark(fields[k], words));
    answer.settings.forEach((setting, k) => {
      $('setting' + k + '-refusal').textContent = setting.refusal;
      settingInputs[k].setAttribute('aria-invalid', setting.refusal ? 'true' : 'false');
    });
    showNotes();
    showStale();
    showPlan(answer.plan, answer.noPlan);
    showCheck(answer.check, answer.noCheck);
    showLines($('settings-taken'), answer.settingLines);
    document.dispatchEvent(new CustomEvent('ts-account', {detail: answer}));
  }

  function cell(row, text, className) {
    const td = document.createElement('td');
    td.textContent = text;
    if (className) td.className = className;
    row.appendChild(td);
  }

  function showLines(table, lines) {
    const body = table.tBodies[0];
    body.replaceChildren();
    for (const line of lines) {
      const row = body.insertRow();
      cell(row, line.caption);
      cell(row, line.value, 'number');
    }
  }

  // A table of the account: a heading for each column, a caption and a cell for each in a row.
  function showTable(table, rows) {
    table.tHead.replaceChildren();
    table.tBodies[0].replaceChildren();
    if (!rows) return;
    const head = table.tHead.insertRow();
    cell(head, '');
    for (const heading of rows.headings) cell(head, heading);
    for (const row of rows.rows) {
      const r = table.tBodies[0].insertRow();
      cell(r, row.caption);
      for (const c of row.cells) cell(r, c.text, c.flagged ? 'number flagged' : 'number');
    }
  }

  // Nothing of an earlier press stays: without a plan its parts are emptied and hidden.
  function showPlan(plan, reason) {
    $('plan-empty').hidden = plan !== null;
    $('plan-empty').textContent = reason;
    $('plan-body').hidden = plan === null;
    $('plan-verdict').textContent = plan ? plan.verdictWords : '';
    $('plan-verdict').className = 'verdict ' + (plan ? plan.verdict : '');
    $('plan-turns-choice').replaceChildren(...(plan ? plan.choices : []).map((choice) => {
      const option = new Option(choice.words, choice.turns, false, choice.turns === plan.shown);
      option.disabled = !choice.enabled;
      return option;
    }));
    $('plan-turns-printed').textContent = plan ? plan.turns : '';
    $('plan-note').textContent = plan ? plan.note : '';
    showLines($('plan-summary'), plan ? plan.summary : []);
    showTable($('plan-windings'), plan && plan.windings);
    $('plan-drawing').replaceChildren(...(plan ? [drawing(plan.drawing)] : []));
  }

  // Both designs side by side: the turns as calculated and the refined ones.
  function showCheck(check, reason) {
    $('check-empty').hidden = check !== null;
    $('check-empty').textContent = reason;
    $('check-table').hidden = check === null;
    showTable($('check-table'), check && check.table);
    const verdicts = $('check-verdicts');
    verdicts.hidden = check === null;
    verdicts.classList.toggle('flagged', check !== null && check.flagged);
    verdicts.replaceChildren(...(check ? check.verdicts : []).map((line) => {
      const p = document.createElement('p');
      p.textContent = line;
      return p;
    }));
  }

  const SVG = 'http://www.w3.org/2000/svg';
  function shape(parent, tag, attributes, title) {
    const element = document.createElementNS(SVG, tag);
    for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
    if (title) {
      const t = document.createElementNS(SVG, 'title');
      t.textContent = title;
      element.appendChild(t);
    }
    parent.appendChild(element);
    return element;
  }

  // The shades go round four, so a winding differs from the next and the one after next.
  const WINDING_SHADES = ['#c8793a', '#e3a857', '#8e4f2a', '#a89a48'];
  function colour(band) {
    if (band.part === 'winding') return WINDING_SHADES[band.winding % WINDING_SHADES.length];
    return band.part === 'bobbin' ? '#d8c8a0' : '#9cc3e6';
  }

  // A centre tap: a dashed line across its winding at the tap's layer, titled with the engine's
  // words, and its short label on a white halo at `x`, `y` (font `size` in millimetres).
  const TAP_INK = '#0046c8';
  function tapMark(svg, tap, tag, attributes, x, y, size) {
    shape(svg, tag, {...attributes, fill: 'none', stroke: TAP_INK, 'stroke-width': 2,
      'stroke-dasharray': '6 4', 'vector-effect': 'non-scaling-stroke'}, tap.words);
    const text = shape(svg, 'text', {x, y, 'font-size': size, fill: TAP_INK, stroke: '#fff',
      'stroke-width': size / 4, 'paint-order': 'stroke', 'class': 'tap-label'});
    text.textContent = tap.label;
  }

  // The window of a shell core (from the leg outward) or the hole of a ring, in millimetres,
  // with the engine's bands.
  function drawing(scene) {
    const svg = document.createElementNS(SVG, 'svg');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', scene.words);
    const stroke = {stroke: '#333', 'stroke-width': 0.2, 'vector-effect': 'non-scaling-stroke'};
    const bands = scene.bands;
    if (scene.ring) {
      const hole = scene.c / 2;
      const outer = hole + scene.a;
      const pad = outer * 0.05;
      svg.setAttribute('viewBox', `${-outer - pad} ${-outer - pad} ${2 * (outer + pad)} ${2 * (outer + pad)}`);
      shape(svg, 'circle', {r: outer, fill: '#b8b8b8', ...stroke});
      for (const band of bands) {
        if (band.from >= hole) break;
        shape(svg, 'circle', {r: hole - band.from, fill: colour(band), ...stroke}, band.name);
      }
      const left = hole - bands[bands.length - 1].to;
      if (left > 0) shape(svg, 'circle', {r: left, fill: '#fff', ...stroke});
      for (const tap of scene.taps.filter((t) => t.depth < hole)) {
        const r = hole - tap.depth;
        tapMark(svg, tap, 'circle', {r}, 0, -r + outer * 0.06, outer * 0.05);
      }
    } else {
      const width = scene.c;
      const height = scene.h;
      const leg = scene.a / 2;
      const bobbin = bands[0].to;
      const right = Math.max(width, scene.depth);
      const pad = Math.max(right, height) * 0.04;
      svg.setAttribute('viewBox', `${-leg - pad} ${-pad} ${leg + right + 2 * pad} ${height + 2 * pad}`);
      shape(svg, 'rect', {x: -leg, y: 0, width: leg, height, fill: '#b8b8b8', ...stroke});
      shape(svg, 'rect', {x: 0, y: 0, width, height, fill: '#fff', ...stroke});
      bands.forEach((band, k) => {
        const inset = k === 0 ? 0 : bobbin;
        shape(svg, 'rect', {x: band.from, y: inset, width: band.to - band.from,
          height: Math.max(height - 2 * inset, 0), fill: colour(band), ...stroke}, band.name);
      });
      const size = Math.max(right, height) * 0.03;
      for (const tap of scene.taps) {
        tapMark(svg, tap, 'line', {x1: tap.depth, y1: bobbin, x2: tap.depth, y2: height - bobbin},
            tap.depth + size / 3, bobbin + size * 1.2, size);
      }
      const across = Math.min(bands[bands.length - 1].to, right);
      shape(svg, 'rect', {x: 0, y: 0, width: across, height: bobbin, fill: colour(bands[0]), ...stroke});
      shape(svg, 'rect', {x: 0, y: height - bobbin, width: across, height: bobbin,
        fill: colour(bands[0]), ...stroke});
      shape(svg, 'rect', {x: 0, y: 0, width, height, fill: 'none', stroke: '#000',
        'stroke-width': 0.6, 'vector-effect': 'non-scaling-stroke'});
    }
    return svg;
  }

  // ---------------------------------------------------------------------------------------------

  function changeSettings() {
    if (!engine) return;
    showAccount(JSON.parse(call('_ts_settings', settingInputs.map((input) => input.value))));
  }

  function editSetting() {
    if (!engine) return;
    changeSettings();
    keepSettings(account.settings);
  }

  // The browser keeps each setting the engine took; a refused one never replaces it.
  function stored() {
    try {
      const kept = JSON.parse(localStorage.getItem(STORED));
      // Anything else there was not written by the page.
      return kept !== null && typeof kept === 'object' && !Array.isArray(kept) ? kept : {};
    } catch (error) {
      return {};
    }
  }

  function store(kept) {
    try {
      localStorage.setItem(STORED, JSON.stringify(kept));
    } catch (error) {
      // Storage may be off or full; what is typed still counts for this visit.
    }
  }

  function keepSettings(settings) {
    const kept = stored();
    settings.forEach((setting, k) => {
      if (setting.refusal === '') kept[settingInputs[k].dataset.key] = settingInputs[k].value;
    });
    store(kept);
  }

  // The windings table's rows as typed, as the window keeps them; its diode drop, null while
  // refused, never replaces the one kept.
  function keepWindings(rows, diode) {
    const kept = stored();
    kept[ROWS] = rows;
    if (diode !== null) kept[DIODE] = diode;
    store(kept);
  }

  function restoreSettings() {
    const kept = stored();
    for (const input of settingInputs) {
      if (typeof kept[input.dataset.key] === 'string') input.value = kept[input.dataset.key];
    }
  }

  // A kept setting the engine refuses (garbage, or an older page's) reads as its default, as
  // the window reads its own; one typed since stays as typed.
  function dropRefused(kept) {
    const refused = settingInputs.filter((input, k) => account.settings[k].refusal !== '' &&
        input.value === kept[input.dataset.key]);
    for (const input of refused) input.value = input.defaultValue;
    if (refused.length > 0) changeSettings();
  }

  function defaultSettings() {
    for (const input of settingInputs) input.value = input.defaultValue;
    // The rows stay, as the window's defaults button keeps them.
    store({[ROWS]: stored()[ROWS]});
    changeSettings();
    TsWindings.resetDiode();
  }

  // The phone shows the picture of the form typed, or all three while none is.
  function showForm() {
    const form = fields[0].value.trim();
    $('Form1').dataset.form = ['1', '2', '3'].includes(form) ? form : '';
  }

  async function copy(text, done) {
    try {
      await navigator.clipboard.writeText(text);
    } catch (error) {
      const area = document.createElement('textarea');
      area.value = text;
      document.body.appendChild(area);
      area.select();
      document.execCommand('copy');
      area.remove();
    }
    $(done).textContent = 'Скопировано';
    setTimeout(() => { $(done).textContent = ''; }, 2000);
  }

  // The engine's own texts for the clipboard, as the window copies them.
  const resultsText = () => call('_ts_results', fields.map((f) => f.value));
  const planText = () => account.copies.plan;
  const checkText = () => account.copies.check;

  calculate.addEventListener('click', () => { if (engine) run(); });
  $('fault').addEventListener('close', () => faultField().focus());
  settingInputs.forEach((input) => input.addEventListener('input', editSetting));
  fields.forEach((field) => field.addEventListener('input', showStale));
  fields[0].addEventListener('input', showForm);
  // Enter in any field calculates, as a web form submits.
  for (const input of [...fields, ...settingInputs]) {
    input.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      if (engine) run();
    });
  }
  $('plan-turns-choice').addEventListener('change', (event) => {
    showAccount(JSON.parse(engine.UTF8ToString(
        engine._ts_turns(event.target.value === 'refined' ? 1 : 0))));
  });
  $('settings-default').addEventListener('click', defaultSettings);
  $('copy-results').addEventListener('click', () => { if (engine) copy(resultsText(), 'copy-results-done'); });
  $('copy-plan').addEventListener('click', () => { if (account) copy(planText(), 'copy-plan-done'); });
  $('copy-check').addEventListener('click', () => { if (account) copy(checkText(), 'copy-check-done'); });
  $('print').addEventListener('click', () => window.print());

  // A caption whose words the window's width would cut is squeezed instead.
  function squeezeCaptions() {
    if (!WINDOW_LAYOUT.matches) return;
    for (const words of document.querySelectorAll('.caption-words')) {
      words.style.removeProperty('--squeeze');
      const over = words.getBoundingClientRect().right - words.parentNode.getBoundingClientRect().right;
      if (over > 0) words.style.setProperty('--squeeze', `${-(over + 1) / words.textContent.length}px`);
    }
  }

  // The kept settings are read while the engine compiles.
  const made = TransformerSizerEngine();
  restoreSettings();
  showForm();
  WINDOW_LAYOUT.addEventListener('change', squeezeCaptions);
  made.then((instance) => {
    engine = instance;
    // What was typed into the settings before the engine was ready counts from now on; what
    // the browser kept of the windings table, after; a design in the address, last.
    changeSettings();
    const kept = stored();
    dropRefused(kept);
    TsWindings.ready(call, showAccount, keepWindings);
    TsWindings.restore(kept[ROWS], kept[DIODE]);
    document.dispatchEvent(new CustomEvent('ts-engine', {detail: {engine: instance, call}}));
    calculate.disabled = false;
    document.documentElement.dataset.ready = 'true';
    performance.mark('ts-ready');
    squeezeCaptions();
  });
})();
