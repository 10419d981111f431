// The tone dialog, the song list's window and the help, drawn by the page on the engine's own rules for them
// (web/engine/DialogExports.cpp), with the texts of the program's resource scripts.

// Returns what the page calls after anything the engine did, to show what it asked for.
export function setUpDialogs({ velmira, text, afterEngine, dialogs, ids }) {
  const toneDialog = document.getElementById('tone');
  const songList = document.getElementById('songlist');
  const toneTexts = dialogs.IDD_TONE_DIALOG;
  const listTexts = dialogs.IDD_SONG_LIST;

  // ---- The tone dialog: modal, as in Windows; every selection is heard at once.
  toneDialog.innerHTML = '<h1></h1><div class="label"></div><select size="10"></select><div class="row actions"></div>';
  toneDialog.querySelector('h1').textContent = toneTexts.caption;
  const tones = toneDialog.querySelector('select');
  tones.setAttribute('aria-label', toneTexts.caption);
  tones.addEventListener('change', () => {
    if (velmira('tone_select', tones.selectedIndex) === 1) tones.selectedIndex = -1;
    afterEngine();
  });
  const closeTone = (ok) => {
    velmira('tone_close', ok ? 1 : 0);
    toneDialog.close();
    afterEngine();
  };
  for (const [id, ok] of [['IDOK', true], ['IDCANCEL', false]]) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = toneTexts[id];
    button.addEventListener('click', () => closeTone(ok));
    toneDialog.querySelector('.actions').append(button);
  }
  toneDialog.addEventListener('cancel', (event) => (event.preventDefault(), closeTone(false)));
  // Enter in the list is the default button's, as in Windows.
  tones.addEventListener('keydown', (event) => event.key === 'Enter' && (event.preventDefault(), closeTone(true)));

  function syncTone() {
    if (!velmira('tone_open') || toneDialog.open) return;
    toneDialog.querySelector('.label').textContent = text('tone_label');
    tones.replaceChildren(...text('tone_rows').split('\n').slice(0, -1).map((name) => new Option(name)));
    tones.selectedIndex = velmira('tone_initial');
    toneDialog.showModal();
    tones.focus();
  }

  // ---- The song list's window, beside the face: it keeps the keyboard while it has it, as in Windows.
  songList.innerHTML = '<h1><span></span><button type="button">×</button></h1><select size="14"></select><p></p>';
  songList.querySelector('h1 span').textContent = listTexts.caption;
  songList.querySelector('p').textContent = listTexts[ids.IDC_SONG_LIST_KEYS];
  const entries = songList.querySelector('select');
  entries.setAttribute('aria-label', listTexts.caption);
  let shownRows = '';
  const hideList = () => (songList.hidden = true);
  songList.querySelector('h1 button').addEventListener('click', hideList);
  const act = (action) => {
    if (entries.selectedIndex < 0) return;
    const selected = velmira('song_list_act', action, entries.selectedIndex);
    afterEngine();
    entries.selectedIndex = selected;
  };
  entries.addEventListener('dblclick', () => act(1));
  entries.addEventListener('keydown', (event) => {
    event.stopPropagation();
    const action = velmira('song_list_key', event.keyCode, event.altKey ? 1 : 0);
    if (action) act(action);
    else if (event.key === 'Escape') hideList();
    else return;
    event.preventDefault();
  });

  function syncSongList() {
    const opening = velmira('song_list_opening');
    const rows = text('song_list_rows');
    if (rows !== shownRows) {
      const selected = entries.selectedIndex;
      entries.replaceChildren(...rows.split('\n').slice(0, -1).map((row) => new Option(row)));
      entries.selectedIndex = Math.min(selected, entries.length - 1);
      shownRows = rows;
    }
    if (!opening) return;
    songList.hidden = false;
    if (entries.selectedIndex < 0) entries.selectedIndex = Math.max(velmira('song_list_marked'), 0);
    entries.focus();
  }

  return () => {
    syncTone();
    syncSongList();
    if (velmira('help_opening')) window.open('help/index.html', 'velmira-help');
  };
}
