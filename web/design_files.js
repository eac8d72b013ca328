'use strict';
// Design files on the page: the engine writes and reads them as the window does, and the design
// stands in the address after each calculation. Runs before the page script, whose events it
// follows: "ts-engine" when the engine is ready, with the engine and the page's call of it, and
// "ts-account" with each answer the page shows.
(function () {
  const FIELDS = 9;
  const $ = (id) => document.getElementById(id);
  let engine = null;
  let call = null;
  let download = null;

  // Texts and bytes go to the engine through the page's call; the answer is JSON.
  const ask = (name, parts) => JSON.parse(call(name, parts));

  const field = (k) => $('Text' + (k + 1));
  const shown = () => [...Array.from({length: FIELDS}, (_, k) => field(k).value),
    $('design-title').value];

  // Says how an opening ended; the count lets a reader wait for it.
  function say(text) {
    const message = $('design-message');
    message.textContent = text;
    message.dataset.answers = String(Number(message.dataset.answers) + 1);
  }

  // The texts of a design opened go where the user would type them, and count as typed.
  function open(answer) {
    if (answer.refusal) {
      say(answer.refusal);
      return;
    }
    answer.fields.forEach((text, k) => {
      field(k).value = text;
      field(k).dispatchEvent(new Event('input', {bubbles: true}));
    });
    $('design-title').value = answer.title;
    answer.settings.forEach((text, k) => { $('setting' + k).value = text; });
    $('setting0').dispatchEvent(new Event('input', {bubbles: true}));
    TsWindings.put(answer.windings);
    say('');
  }

  function openAddress() {
    const fragment = location.hash.slice(1);
    // Any other fragment is a place on the page.
    if (engine && fragment.startsWith('design')) open(ask('_ts_design_open_fragment', [fragment]));
  }

  function save() {
    if (!engine) return;
    const file = ask('_ts_design_file', shown());
    if (download) URL.revokeObjectURL(download);
    download = URL.createObjectURL(new Blob([file.text], {type: 'application/json'}));
    const link = document.createElement('a');
    link.href = download;
    link.download = file.name;
    link.click();
  }

  async function openFile(event) {
    const input = event.target;
    const file = input.files[0];
    if (!file || !engine) return;
    input.value = '';  // the same file may be chosen again
    let bytes;
    try {
      bytes = new Uint8Array(await file.slice(0, engine._ts_design_max_bytes()).arrayBuffer());
    } catch (error) {
      say(ask('_ts_design_unreadable', [file.name]).refusal);
      return;
    }
    open(ask('_ts_design_open', [file.name, bytes]));
  }

  $('save-design').addEventListener('click', save);
  $('open-design').addEventListener('change', openFile);
  window.addEventListener('hashchange', openAddress);
  // From the first press on, the address follows the design, its settings changed since too.
  document.addEventListener('ts-account', (event) => {
    if (!engine || event.detail.end === 'not-yet') return;
    history.replaceState(null, '', '#' + ask('_ts_design_fragment', shown()).fragment);
  });
  document.addEventListener('ts-engine', (event) => {
    ({engine, call} = event.detail);
    openAddress();
  });
})();
