// Builds the page: the window's controls from the engine's own table, the three core pictures
// inlined, the style, the page script and the engine, all in one index.html that works from
// disk and from any static host.
// Usage: node make_page.js ENGINE_JS PICTURES_DIR OUT_HTML
'use strict';
const fs = require('fs');
const path = require('path');

const [enginePath, picturesDir, outPath] = process.argv.slice(2);
const here = __dirname;
const TWIPS_PER_PIXEL = 15;

const read = (name) => fs.readFileSync(path.join(here, name), 'utf8');

function escapeHtml(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
      .replace(/"/g, '&quot;');
}

// Ids inside each picture get its own prefix: the three share glyph names. The English title
// of the drawing file gives way to the engine's Russian name and description.
function picture(n, words) {
  let svg = fs.readFileSync(path.join(picturesDir, `core_form_${n}.svg`), 'utf8');
  svg = svg.replace(/<\?xml[^>]*\?>\s*/, '').replace(/<title>[^<]*<\/title>\s*/, '');
  svg = svg.replace(/\bid="([^"]+)"/g, `id="f${n}-$1"`)
      .replace(/href="#([^"]+)"/g, `href="#f${n}-$1"`)
      .replace(/url\(#([^)]+)\)/g, `url(#f${n}-$1)`);
  return svg.replace(/<svg [^>]*>/, (open) => open.replace('<svg ',
      `<svg role="img" aria-labelledby="f${n}-name" aria-describedby="f${n}-description" `) +
      `<title id="f${n}-name">${escapeHtml(words.name)}</title>` +
      `<desc id="f${n}-description">${escapeHtml(words.description)}</desc>`);
}

// A caption keeps its leader dots on screen; only its words name the control.
function caption(text, name) {
  const words = text.startsWith(name) ? name : '';
  return `<span class="caption-words">${escapeHtml(words)}</span>` +
      `<span class="leader" aria-hidden="true">${escapeHtml(text.slice(words.length))}</span>`;
}

function place(c) {
  return `style="--l:${c.left / TWIPS_PER_PIXEL}px;--t:${c.top / TWIPS_PER_PIXEL}px;` +
      `--w:${c.width / TWIPS_PER_PIXEL}px;--h:${c.height / TWIPS_PER_PIXEL}px"`;
}

async function main() {
  const Engine = require(path.resolve(enginePath));
  const engine = await Engine();
  const layout = JSON.parse(engine.UTF8ToString(engine._ts_layout()));
  const byName = (name, index) => layout.controls.find(
      (c) => c.name === name && (index === undefined || index === -1 || c.index === index));

  const named = (row) => row.unit && !row.name.endsWith(row.unit) ?
    `${row.name}, ${row.unit}` : row.name;
  const captionOf = (row) => byName(row.caption, row.index);
  const captionId = (row) => row.index >= 0 ? `${row.caption}_${row.index}` : row.caption;
  const label = (row) => `<label class="caption" id="${captionId(row)}" for="${row.field}" ` +
      `${place(captionOf(row))}>${caption(captionOf(row).text, row.name)}</label>`;

  // What the eye reads, top to bottom: the form and the other inputs, the pictures that explain
  // them, Calculate, then the results; Tab follows it.
  const parts = [];
  const inputs = layout.rows.filter((row) => byName(row.field).kind === 'field');
  const results = layout.rows.filter((row) => byName(row.field).kind !== 'field');
  for (const row of inputs) {
    const field = byName(row.field);
    parts.push(label(row));
    parts.push(`<input class="field" id="${field.name}" name="${field.name}" type="text" ` +
        `inputmode="decimal" value="${escapeHtml(field.text)}" ` +
        `aria-label="${escapeHtml(named(row))}" autocomplete="off" spellcheck="false" ` +
        `${row === inputs[0] ? 'autofocus ' : ''}${place(field)}>` +
        `<span class="note" id="${field.name}-note" hidden></span>` +
        `<span class="printed" id="${field.name}-printed" ${place(field)}>` +
        `${escapeHtml(field.text)}</span>`);
  }
  const heading = byName('Label2');
  parts.push(`<p class="heading" id="Label2" ${place(heading)}>${escapeHtml(heading.text)}</p>`);
  layout.pictures.forEach((words, k) => {
    parts.push(`<div class="picture" id="Image${k + 1}" ${place(byName(`Image${k + 1}`))}>` +
        `${picture(k + 1, words)}</div>`);
  });
  const calculate = byName('Command2');
  parts.push(`<button class="command" id="Command1" type="button" disabled ${place(calculate)}>` +
      `${escapeHtml(calculate.text)}</button>`);
  for (const row of results) {
    const field = byName(row.field);
    parts.push(label(row));
    parts.push(`<output class="result" id="${field.name}" aria-label="${escapeHtml(named(row))}" ` +
        `${place(field)}></output>` + (row.unit ? `<span class="unit" aria-hidden="true" ` +
        `${place(field)}>${escapeHtml(row.unit)}</span>` : ''));
  }

  const settingFields = (s, k) =>
    `<label class="setting"><span>${escapeHtml(s.name)}${s.unit ? ', ' + escapeHtml(s.unit) : ''}` +
    `</span><input id="setting${k}" type="text" inputmode="decimal" ` +
    `data-key="${escapeHtml(s.key)}" value="${escapeHtml(s.text)}" autocomplete="off">` +
    `<span class="refusal" id="setting${k}-refusal" role="status"></span></label>`;
  const planSettings = layout.settings.slice(0, 7).map(settingFields).join('\n');
  const checkSettings = layout.settings.slice(7).map((s, k) => settingFields(s, k + 7)).join('\n');

  const template = fs.readFileSync(path.join(here, 'page.html'), 'utf8');
  const html = template
      .replaceAll('@TITLE@', escapeHtml(layout.title))
      .replace('@STYLE@', () => ['page.css', 'turn_marks.css', 'windings_table.css'].map(read).join('\n'))
      .replace('@WINDOW@', () => parts.join('\n'))
      .replace('@SETTINGS@', () => planSettings)
      .replace('@CHECK_SETTINGS@', () => checkSettings)
      .replace('@STALE_RESULTS@', () => escapeHtml(layout.stale.results))
      .replace('@STALE_PLAN@', () => escapeHtml(layout.stale.plan))
      .replace('@ENGINE@', () => fs.readFileSync(enginePath, 'utf8'))
      .replace('@DESIGN_FILES@', () => read('design_files.html'))
      .replace('@SCRIPT@', () => ['turn_marks.js', 'design_files.js', 'windings_table.js', 'page.js']
          .map(read).join('\n'));
  fs.mkdirSync(path.dirname(outPath), {recursive: true});
  fs.writeFileSync(outPath, html);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
