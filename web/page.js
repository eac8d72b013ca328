'use strict';
// The page's behaviour: every figure and word comes from the engine; this script only moves
// texts between the fields, the engine and the page.
(function () {
  const FIELDS = 9;
  const layout = JSON.parse(document.getElementById('layout').textContent);
  const planHeader = layout.planHeader.split('\t').slice(1);
  const checkHeader = layout.checkHeader.split('\t').slice(1);
  const NO_FLAGS = 'Замечаний нет';
  const $ = (id) => document.getElementById(id);
  const calculate = $('Command1');
  const fields = Array.from({length: FIELDS}, (_, k) => $('Text' + (k + 1)));
  const settingInputs = Array.from(document.querySelectorAll('.settings input'));
  const encoder = new TextEncoder();
  let engine = null;
  let lastTexts = null;
  let lastPlan = null;

  // Texts go to the engine as UTF-8 bytes with their lengths; the answer is JSON.
  function call(name, texts) {
    const encoded = texts.map((t) => encoder.encode(t));
    const size = encoded.reduce((n, b) => n + b.length, 0);
    const bytes = engine._ts_alloc(size + 1);
    const lengths = engine._ts_alloc(4 * encoded.length);
    let at = bytes;
    encoded.forEach((b, k) => {
      engine.HEAPU8.set(b, at);
      at += b.length;
      engine.HEAPU32[(lengths >> 2) + k] = b.length;
    });
    const answer = JSON.parse(engine.UTF8ToString(engine[name](bytes, lengths)));
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
    const texts = fields.map((f) => f.value);
    const answer = call('_ts_calculate', texts);
    lastTexts = texts;
    answer.labels.forEach((text, k) => { $('Label' + (26 + k)).textContent = text; });
    answer.words.forEach((words, k) => mark(fields[k], words));
    showPlan(answer.plan);
    if (answer.fault) {
      $('fault-message').textContent = answer.fault.message;
      $('fault-explanation').textContent = answer.fault.explanation;
      $('fault').showModal();
    }
  }

  function cell(row, text, className) {
    const td = document.createElement('td');
    td.textContent = text;
    if (className) td.className = className;
    row.appendChild(td);
  }

  function showPlan(plan) {
    lastPlan = plan;
    showCheck(plan && plan.check);
    $('plan-empty').hidden = plan !== null;
    $('plan-body').hidden = plan === null;
    if (!plan) return;
    const values = plan.columns.split('\t').slice(1);
    const verdict = $('plan-verdict');
    verdict.textContent = plan.verdictText;
    verdict.className = 'verdict ' + values[0];
    const summary = $('plan-summary').tBodies[0];
    summary.replaceChildren();
    for (let k = 1; k < 4; k++) {
      if (values[k] === '' || values[k] === undefined) continue;
      const row = summary.insertRow();
      cell(row, planHeader[k]);
      cell(row, values[k], 'number');
    }
    const windings = $('plan-windings');
    windings.tHead.replaceChildren();
    windings.tBodies[0].replaceChildren();
    windings.hidden = plan.windings.length === 0;
    if (plan.windings.length) {
      const figures = (planHeader.length - 4) / 2;
      const head = windings.tHead.insertRow();
      cell(head, '');
      for (let j = 0; j < 2; j++) cell(head, planHeader[4 + j * figures].split(': ')[0]);
      for (let f = 0; f < figures; f++) {
        const row = windings.tBodies[0].insertRow();
        cell(row, planHeader[4 + f].split(': ').slice(1).join(': '));
        for (let j = 0; j < 2; j++) cell(row, values[4 + j * figures + f], 'number');
      }
    }
    $('plan-drawing').replaceChildren(drawing(plan));
  }

  // Both designs side by side: the turns as calculated and the refined ones.
  function showCheck(check) {
    const table = $('check-table');
    const none = !check || check.columns.split('\t')[1] === 'none';
    table.hidden = none;
    $('check-empty').hidden = !none;
    table.tHead.replaceChildren();
    table.tBodies[0].replaceChildren();
    if (none) return;
    const values = check.columns.split('\t').slice(1);
    const figures = layout.checkFigures;
    const refinedNames = checkHeader.slice(figures + 6).map((n) => n.split(': ').slice(1).join(': '));
    const head = table.tHead.insertRow();
    cell(head, '');
    cell(head, checkHeader[1].split(': ')[0]);
    cell(head, checkHeader[figures + 5].split(': ')[0]);
    const row = (name, calculated, refined, className) => {
      const r = table.tBodies[0].insertRow();
      cell(r, name);
      cell(r, calculated, className);
      cell(r, refined, className);
    };
    const words = (flags) => (flags.length ? flags.join('; ') : NO_FLAGS);
    row(checkHeader[0], words(check.flags), values[figures + 5] ? words(check.refinedFlags) : '');
    for (let f = 0; f < figures; f++) {
      const name = checkHeader[1 + f].split(': ').slice(1).join(': ');
      const k = refinedNames.indexOf(name);
      row(name, values[1 + f], k >= 0 ? values[figures + 6 + k] : '', 'number');
    }
    row(checkHeader[figures + 1], '', values[figures + 1], 'number');
    row(checkHeader[figures + 2], '', values[figures + 2], 'number');
    row(checkHeader[figures + 3], '', check.refinedPlanText);
    row(checkHeader[figures + 4], '', values[figures + 4], 'number');
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

  // The window of a shell core (from the leg outward) or the hole of a ring, in millimetres.
  function drawing(plan) {
    const svg = document.createElementNS(SVG, 'svg');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', $('plan-title').textContent + ': ' + plan.verdictText);
    const names = ['1-я обмотка', '2-я обмотка'];
    const colours = ['#c8793a', '#e3a857'];
    const bands = [{t: plan.bobbin, colour: '#d8c8a0'}];
    plan.windings.forEach((w, j) => {
      if (j > 0) bands.push({t: plan.between, colour: '#9cc3e6'});
      bands.push({t: w.build, colour: colours[j], title: names[j]});
    });
    if (plan.windings.length) bands.push({t: plan.wrap, colour: '#9cc3e6'});
    const stroke = {stroke: '#333', 'stroke-width': 0.2, 'vector-effect': 'non-scaling-stroke'};
    if (plan.form === 3) {
      const hole = 5 * plan.c;
      const outer = hole + 10 * plan.a;
      const pad = outer * 0.05;
      svg.setAttribute('viewBox', `${-outer - pad} ${-outer - pad} ${2 * (outer + pad)} ${2 * (outer + pad)}`);
      shape(svg, 'circle', {r: outer, fill: '#b8b8b8', ...stroke});
      let r = hole;
      for (const band of bands) {
        if (r <= 0) break;
        shape(svg, 'circle', {r, fill: band.colour, ...stroke}, band.title);
        r -= band.t;
      }
      if (r > 0) shape(svg, 'circle', {r, fill: '#fff', ...stroke});
    } else {
      const width = 10 * plan.c;
      const height = 10 * plan.h;
      const leg = 5 * plan.a;
      const right = Math.max(width, plan.depth);
      const pad = Math.max(right, height) * 0.04;
      svg.setAttribute('viewBox', `${-leg - pad} ${-pad} ${leg + right + 2 * pad} ${height + 2 * pad}`);
      shape(svg, 'rect', {x: -leg, y: 0, width: leg, height, fill: '#b8b8b8', ...stroke});
      shape(svg, 'rect', {x: 0, y: 0, width, height, fill: '#fff', ...stroke});
      let x = 0;
      bands.forEach((band, k) => {
        const inset = k === 0 ? 0 : plan.bobbin;
        shape(svg, 'rect', {x, y: inset, width: band.t, height: Math.max(height - 2 * inset, 0),
          fill: band.colour, ...stroke}, band.title);
        x += band.t;
      });
      shape(svg, 'rect', {x: 0, y: 0, width: Math.min(x, right), height: plan.bobbin,
        fill: bands[0].colour, ...stroke});
      shape(svg, 'rect', {x: 0, y: height - plan.bobbin, width: Math.min(x, right),
        height: plan.bobbin, fill: bands[0].colour, ...stroke});
      shape(svg, 'rect', {x: 0, y: 0, width, height, fill: 'none', stroke: '#000',
        'stroke-width': 0.6, 'vector-effect': 'non-scaling-stroke'});
    }
    return svg;
  }

  function changeSettings() {
    if (!engine) return;
    const answer = call('_ts_settings', settingInputs.map((input) => input.value));
    answer.refused.forEach((text, k) => {
      $('setting' + k + '-refusal').textContent = text;
      settingInputs[k].setAttribute('aria-invalid', text ? 'true' : 'false');
    });
    showPlan(answer.plan);
  }

  const withoutLeader = (caption) => caption.replace(/[. ]+$/, '');
  function captionOf(id) {
    return withoutLeader(document.querySelector(`label[for="${id}"]`).textContent);
  }

  function resultsText() {
    const lines = [];
    fields.forEach((f, k) => lines.push(captionOf(f.id) + '\t' + (lastTexts ? lastTexts[k] : f.value)));
    for (let n = 26; n <= 41; n++) lines.push(captionOf('Label' + n) + '\t' + $('Label' + n).textContent);
    return lines.join('\n') + '\n';
  }

  function planText() {
    const lines = [$('plan-title').textContent];
    if (lastPlan) {
      lines.push(planHeader[0] + '\t' + lastPlan.verdictText);
      for (const row of document.querySelectorAll('#plan-summary tr, #plan-windings tr')) {
        lines.push(Array.from(row.cells, (c) => c.textContent).join('\t'));
      }
    } else {
      lines.push($('plan-empty').textContent.replace(/\s+/g, ' '));
    }
    for (const label of document.querySelectorAll('#plan-settings .setting')) {
      lines.push(label.firstElementChild.textContent + '\t' + label.querySelector('input').value);
    }
    return lines.join('\n') + '\n';
  }

  function tableText(table, settings) {
    const lines = Array.from($(table).rows, (row) => Array.from(row.cells, (c) => c.textContent).join('\t'));
    for (const label of $(settings).querySelectorAll('.setting')) {
      lines.push(label.firstElementChild.textContent + '\t' + label.querySelector('input').value);
    }
    return lines.join('\n') + '\n';
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

  calculate.addEventListener('click', () => { if (engine) run(); });
  $('fault').addEventListener('close', () => calculate.focus());
  settingInputs.forEach((input) => input.addEventListener('input', changeSettings));
  $('copy-results').addEventListener('click', () => copy(resultsText(), 'copy-results-done'));
  $('copy-plan').addEventListener('click', () => copy(planText(), 'copy-plan-done'));
  $('copy-check').addEventListener('click', () => copy(tableText('check-table', 'check-settings'), 'copy-check-done'));
  $('print').addEventListener('click', () => window.print());

  TransformerSizerEngine().then((instance) => {
    engine = instance;
    calculate.disabled = false;
    document.documentElement.dataset.ready = 'true';
    performance.mark('ts-ready');
  });
})();
