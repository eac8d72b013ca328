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

// Ids inside each picture get its own prefix: the three share glyph names.
function picture(n) {
  let svg = fs.readFileSync(path.join(picturesDir, `core_form_${n}.svg`), 'utf8');
  svg = svg.replace(/<\?xml[^>]*\?>\s*/, '');
  svg = svg.replace(/\bid="([^"]+)"/g, `id="f${n}-$1"`)
      .replace(/href="#([^"]+)"/g, `href="#f${n}-$1"`)
      .replace(/url\(#([^)]+)\)/g, `url(#f${n}-$1)`);
  return svg.replace('<svg ', `<svg role="img" aria-label="${n})" `);
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

  // The window's Tab order, less the Exit button that a page has no use for.
  const focusOrder = layout.controls.filter((c) => c.kind === 'field')
      .sort((x, y) => x.tab - y.tab).map((c) => c.name);

  const parts = [];
  const heading = byName('Label2');
  parts.push(`<p class="heading" id="Label2" ${place(heading)}>${escapeHtml(heading.text)}</p>`);
  for (const row of layout.rows) {
    const caption = byName(row.caption, row.index);
    const field = byName(row.field);
    const captionId = row.index >= 0 ? `${row.caption}_${row.index}` : row.caption;
    parts.push(`<label class="caption" id="${captionId}" for="${field.name}" ${place(caption)}>` +
        `${escapeHtml(caption.text)}</label>`);
    if (field.kind === 'field') {
      const tab = focusOrder.indexOf(field.name) + 1;
      parts.push(`<input class="field" id="${field.name}" name="${field.name}" type="text" ` +
          `value="${escapeHtml(field.text)}" tabindex="${tab}" autocomplete="off" ` +
          `spellcheck="false" ${field.name === focusOrder[0] ? 'autofocus ' : ''}${place(field)}>` +
          `<span class="note" id="${field.name}-note" hidden></span>`);
    } else {
      parts.push(`<output class="result" id="${field.name}" ${place(field)}></output>`);
    }
  }
  for (const n of [1, 2, 3]) {
    parts.push(`<div class="picture" id="Image${n}" ${place(byName(`Image${n}`))}>` +
        `${picture(n)}</div>`);
  }
  const calculate = byName('Command2');
  parts.push(`<button class="command" id="Command1" type="button" tabindex="${
    focusOrder.length + 1}" disabled ${place(calculate)}>${escapeHtml(calculate.text)}</button>`);

  const settingFields = (s, k) =>
    `<label class="setting"><span>${escapeHtml(s.name)}${s.unit ? ', ' + escapeHtml(s.unit) : ''}` +
    `</span><input id="setting${k}" type="text" value="${escapeHtml(s.text)}" ` +
    `autocomplete="off"><span class="refusal" id="setting${k}-refusal" role="status"></span>` +
    `</label>`;
  const planSettings = layout.settings.slice(0, 7).map(settingFields).join('\n');
  const checkSettings = layout.settings.slice(7).map((s, k) => settingFields(s, k + 7)).join('\n');

  const template = fs.readFileSync(path.join(here, 'page.html'), 'utf8');
  const html = template
      .replaceAll('@TITLE@', escapeHtml(layout.title))
      .replace('@STYLE@', () => ['page.css', 'windings_table.css'].map(read).join('\n'))
      .replace('@WINDOW@', () => parts.join('\n'))
      .replace('@SETTINGS@', () => planSettings)
      .replace('@CHECK_SETTINGS@', () => checkSettings)
      .replace('@ENGINE@', () => fs.readFileSync(enginePath, 'utf8'))
      .replace('@SCRIPT@', () => ['windings_table.js', 'page.js'].map(read).join('\n'));
  fs.mkdirSync(path.dirname(outPath), {recursive: true});
  fs.writeFileSync(outPath, html);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
