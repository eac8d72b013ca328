'use strict';
// The engine's words beside three results: on the turns W1 and W2 what the check finds of them,
// on the verdict what a refused core can give. Each stands in the result's title and in a note
// its aria-describedby points at; the results' texts stay as the engine wrote them.
(function () {
  const MARKED = [['Label40', 'turnMarks', 'marked'], ['Label41', 'turnMarks', 'marked'],
    ['Label33', 'capacityWords', 'refused']];

  function describe(result, words, className) {
    const id = result.id + '-words';
    let note = document.getElementById(id);
    if (!note) {
      note = document.createElement('span');
      note.id = id;
      note.className = 'note';
      note.hidden = true;
      result.after(note);
    }
    note.textContent = words;
    result.classList.toggle(className, words !== '');
    if (words) {
      result.title = words;
      result.setAttribute('aria-describedby', id);
    } else {
      result.removeAttribute('title');
      result.removeAttribute('aria-describedby');
    }
  }

  // The page's script tells of each account it shows.
  document.addEventListener('ts-account', (event) => {
    for (const [id, key, className] of MARKED) {
      describe(document.getElementById(id), event.detail[key] || '', className);
    }
  });
})();
