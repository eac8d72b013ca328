'use strict';
// The engine's words beside the turns W1 and W2: what the check finds of them, in the result's
// title and in a note its aria-describedby points at; the results' texts stay as the engine wrote
// them. What a refused core can give joins the verdict's other words (page.js).
(function () {
  const MARKED = ['Label40', 'Label41'];

  function describe(result, words) {
    const id = result.id + '-words';
    let note = document.getElementById(id);
    if (!note) {
      note = document.createElement('span');
      note.id = id;
      note.className = 'note';
      note.hidden = true;
      document.body.append(note);  // apart, so that a result keeps its unit beside it
    }
    note.textContent = words;
    result.classList.toggle('marked', words !== '');
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
    for (const id of MARKED) describe(document.getElementById(id), event.detail.turnMarks || '');
  });
})();
