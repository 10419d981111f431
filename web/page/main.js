// The page: the program's main window drawn by its own engine (WebAssembly), with the engine's 10 ms timer
// stepped from the audio clock and its messages played by the in-page synthesizer or a MIDI port.
import createVelmiraEngine from './velmira-engine.mjs';
import { MidiInput } from './input.js';
import { Keep } from './keep.js';
import { Sound } from './sound.js';
import { Access } from './access.js';
import { setUpDialogs } from './dialogs.js';
import { Lyrics } from './lyrics.js';
import { keptFace, setUpBackground } from './background.js';

// The texts and the skin are fetched while the engine compiles.
const files = Promise.all(['resources.json', 'Button.bmp', 'Mask.bmp', 'Main.bmp'].map((name) => fetch(name)));
const engine = await createVelmiraEngine();
const velmira = (name, ...args) => engine[`_velmira_${name}`](...args);
const text = (name, ...args) => engine.UTF8ToString(velmira(name, ...args));
const sound = new Sound();
const [resources, ...skin] = await files;
const { menus, submenus, dialogs, ids } = await resources.json();
const facts = JSON.parse(text('facts'));

// Commands of the menu the page acts on itself.
const command = {
  open: ids.IDM_FILE_OPEN, text: ids.IDM_GENERATE_TEXT, picture: ids.IDM_GENERATE_PICTURE,
  background: ids.IDM_BACKGROUND_CHANGE,
};
// A page is not quit: the browser's tab is closed.
const leftOut = new Set([ids.IDM_APP_EXIT]);

function withString(value, use) {
  const size = engine.lengthBytesUTF8(value) + 1;
  const pointer = engine._malloc(size);
  engine.stringToUTF8(value, pointer, size);
  try {
    return use(pointer);
  } finally {
    engine._free(pointer);
  }
}

function addFile(name, bytes) {
  const pointer = engine._malloc(Math.max(bytes.length, 1));
  engine.HEAPU8.set(bytes, pointer);
  withString(name, (namePointer) => velmira('add_file', namePointer, pointer, bytes.length));
  engine._free(pointer);
}
const keep = new Keep({ engine, velmira, text, withString, addFile }, ids);
const lyrics = new Lyrics({ velmira, text }, document.getElementById('side'));

// ---- What the engine sends, and when.
const periodSeconds = 0.01;
const lookAheadSeconds = 0.08;
const stream = { recording: false, lines: [] };
// How late the timer periods ran against their times on the audio clock (benchmarks/web/budgets.mjs reads it).
const timing = { ticks: 0, lateTicks: 0, worstLateMs: 0 };
let clock = null; // { startAt, periods } while a song plays on the audio clock
const manualClock = new URLSearchParams(location.search).get('clock') === 'manual';

// Messages of a timer period go out at the period's due time; those of a click or a command while playing
// at the next period's, after everything already scheduled (a stop's or a transpose's all sound off must not
// come before notes sent ahead).
function deliver(when) {
  const now = sound.now() ?? 0;
  when ??= clock ? Math.max(clock.startAt + clock.periods * periodSeconds, now) : now;
  const count = velmira('message_count');
  for (let i = 0; i < count; ++i) {
    const pointer = velmira('message_bytes', i);
    const bytes = engine.HEAPU8.slice(pointer, pointer + velmira('message_size', i));
    if (stream.recording) stream.lines.push(text('message_line', i));
    sound.send(bytes, when);
  }
  velmira('clear_messages');
}

// Runs every timer period that falls due within the look-ahead, each scheduled at its own time on the audio
// clock: the n-th period of a playback at start + n × 10 ms, so nothing is early and nothing drifts.
function pump() {
  const now = sound.now();
  if (manualClock || now === null || !velmira('playing')) return (clock = null);
  clock ??= { startAt: now + lookAheadSeconds, periods: 0 };
  for (let due; velmira('playing') && (due = clock.startAt + clock.periods * periodSeconds) < now + lookAheadSeconds; ) {
    const lateMs = (now - due) * 1000;
    timing.ticks++;
    if (lateMs > 0) (timing.lateTicks++, (timing.worstLateMs = Math.max(timing.worstLateMs, lateMs)));
    velmira('tick');
    clock.periods++;
    deliver(Math.max(due, now));
  }
  afterEngine();
}
setInterval(pump, 20);

// ---- The face.
const canvas = document.getElementById('face');
const context = canvas.getContext('2d');
const faceImage = context.createImageData(facts.faceWidth, facts.faceHeight);
[canvas.width, canvas.height] = [facts.faceWidth, facts.faceHeight];

function drawFace() {
  if (velmira('frame')) {
    const pointer = velmira('face_rgba');
    faceImage.data.set(engine.HEAPU8.subarray(pointer, pointer + faceImage.data.length));
    context.putImageData(faceImage, 0, 0);
    // Read-outs: white on the black box the engine drew, a character cell 8 × 16 a byte.
    context.font = '15px monospace';
    context.fillStyle = '#fff';
    context.textBaseline = 'top';
    for (const line of text('readouts').split('\n').filter(Boolean)) {
      const [x, y, ...words] = line.split(' ');
      const readout = words.join(' ');
      context.fillText(readout, Number(x), Number(y) + 1, readout.length * 8);
    }
  }
  canvas.classList.toggle('compact', !velmira('large_view'));
  access.showReadouts();
}

// After anything the engine did: messages to show, the title, the face, a download, an effect dialog.
function afterEngine() {
  deliver();
  keep.afterEngine();
  lyrics.afterEngine();
  for (let message; (message = text('take_message')); ) showMessage(message);
  caption.textContent = text('title');
  document.title = text('title');
  if (velmira('saved_size')) download();
  syncEffectDialog();
  syncDialogs();
  drawFace();
  if (!velmira('playing')) clock = null; // the next start begins on the audio clock afresh
}

const messageQueue = [];
function showMessage(message) {
  messageQueue.push(message);
  const box = document.getElementById('messagebox');
  if (!box.open) nextMessage(box);
}
function nextMessage(box) {
  if (!messageQueue.length) return;
  box.querySelector('p').innerText = messageQueue.shift();
  box.showModal();
}
document.getElementById('messagebox').addEventListener('close', (event) => nextMessage(event.target));

function download() {
  const pointer = velmira('saved_bytes');
  const bytes = engine.HEAPU8.slice(pointer, pointer + velmira('saved_size'));
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type: 'audio/midi' }));
  link.download = text('saved_name');
  link.click();
  velmira('forget_saved');
}

// The face's own pixel under the pointer, whatever the scale the face is shown at.
function facePoint(event) {
  const box = canvas.getBoundingClientRect();
  return [Math.floor(((event.clientX - box.left) * facts.faceWidth) / box.width),
    Math.floor(((event.clientY - box.top) * facts.faceHeight) / box.height)];
}
const mouse = facts.mouse;
canvas.addEventListener('pointerdown', (event) => {
  sound.start();
  const holds = velmira('mouse', event.button === 2 ? mouse.rightDown : mouse.leftDown, ...facePoint(event));
  if (holds) canvas.setPointerCapture(event.pointerId);
  afterEngine();
});
canvas.addEventListener('pointerup', (event) => {
  if (event.button === 0) velmira('mouse', mouse.leftUp, ...facePoint(event)), afterEngine();
});
canvas.addEventListener('pointermove', (event) => {
  if (event.buttons) velmira('mouse', mouse.move, ...facePoint(event)), afterEngine();
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());
// The compact view has no face: a double click on the caption plays, a right click stops.
const caption = document.getElementById('caption');
caption.addEventListener('dblclick', () => (sound.start(), velmira('mouse', mouse.captionDoubleClick, 0, 0), afterEngine()));
caption.addEventListener('contextmenu', (event) => (event.preventDefault(), velmira('mouse', mouse.captionRight, 0, 0), afterEngine()));

document.addEventListener('keydown', (event) => {
  if (document.querySelector('dialog[open]')) return;
  sound.start();
  const controlO = event.ctrlKey && event.keyCode === 79;
  if (controlO) runCommand(command.open);
  else if (!withKey(event)) return;
  event.preventDefault();
});
function withKey(event) {
  const handled = velmira('key', event.keyCode, event.ctrlKey ? 1 : 0);
  afterEngine();
  return handled;
}

// ---- Files: the picker for "ファイルを開く", "文章音" and "画像音", and files dropped on the page.
const picker = document.getElementById('picker');
function pickFile(accept) {
  return new Promise((resolve) => {
    picker.accept = accept;
    picker.value = '';
    picker.onchange = () => resolve(picker.files[0] ?? null);
    picker.oncancel = () => resolve(null);
    picker.click();
  });
}

// A file the browser cannot read (gone since it was chosen, a folder) is still named to the engine, which
// then says so in its own words.
async function storeFile(file) {
  try {
    addFile(file.name, new Uint8Array(await file.arrayBuffer()));
  } catch {
    withString(file.name, (name) => velmira('add_file', name, 0, -1));
  }
  return file.name;
}

async function openThroughPicker(id) {
  const accept = { [command.open]: '.mid,.midi,.kar', [command.text]: '.txt,text/plain', [command.picture]: '.bmp' }[id];
  const file = await pickFile(accept);
  withString(file ? await storeFile(file) : '', (name) => velmira('choose', name));
  velmira('command', id);
  afterEngine();
}

document.addEventListener('dragover', (event) => event.preventDefault());
document.addEventListener('drop', async (event) => {
  event.preventDefault();
  const names = [];
  for (const file of event.dataTransfer.files) names.push(await storeFile(file));
  withString(names.join('\n'), (joined) => velmira('drop', joined));
  afterEngine();
});

// ---- The menu bar, as the program's menu declares it.
const menubar = document.getElementById('menubar');
function runCommand(id) {
  for (const open of menubar.querySelectorAll('.open')) open.classList.remove('open');
  if ([command.open, command.text, command.picture].includes(id)) return openThroughPicker(id);
  if (id === command.background) return changeBackground(id);
  velmira('command', id);
  afterEngine();
}
for (const menu of menus) {
  const items = menu.items.filter((item) => !leftOut.has(item.id));
  if (!items.some((item) => !item.separator)) continue;
  const element = document.createElement('div');
  element.innerHTML = '<span></span><ul></ul>';
  element.firstChild.textContent = menu.title;
  for (const [index, item] of items.entries()) {
    // Separators next to left-out items would stand doubled or at an end.
    if (item.separator && (index === 0 || index === items.length - 1 || items[index - 1].separator)) continue;
    const entry = document.createElement('li');
    if (item.separator) entry.className = 'separator';
    else {
      entry.textContent = item.text;
      entry.dataset.id = item.id;
      // The keyboard goes back to the face, as a window's does after its menu: hot keys must not walk a menu
      // that has closed. A dialog the command opens then takes it.
      entry.addEventListener('click', () => (canvas.focus(), runCommand(Number(entry.dataset.id))));
    }
    element.lastChild.append(entry);
  }
  element.firstChild.addEventListener('click', () => {
    const opening = !element.classList.contains('open');
    for (const open of menubar.querySelectorAll('.open')) open.classList.remove('open');
    if (!opening) return;
    sound.start();
    keep.fillHistory(element);
    for (const entry of element.querySelectorAll('li[data-id]'))
      entry.classList.toggle('checked', (velmira('menu_state', Number(entry.dataset.id)) & 1) === 1);
    element.classList.add('open');
  });
  menubar.append(element);
}
const access = new Access({ text, facts, canvas, menubar,
  closeDialog: () => (velmira('close_effect_dialog'), afterEngine()),
  press: (x, y, right) => {
    sound.start();
    if (right) velmira('mouse', mouse.rightDown, x, y);
    else velmira('mouse', mouse.leftDown, x, y), velmira('mouse', mouse.leftUp, x, y);
    afterEngine();
  } });
document.addEventListener('click', (event) => {
  if (!menubar.contains(event.target)) for (const open of menubar.querySelectorAll('.open')) open.classList.remove('open');
});

// ---- The two modeless effect dialogs, on the engine's own rules for them.
const keyTexts = dialogs.IDD_KEY_SIGNATURE;
const pitchTexts = dialogs.IDD_PITCH_MAP;
const keyDialog = document.getElementById('keysignature');
const pitchDialog = document.getElementById('pitchmap');
let shownDialog = 0;

function button(label, action) {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = label;
  element.addEventListener('click', () => (action(), afterEngine()));
  return element;
}

function syncEffectDialog() {
  const open = velmira('open_dialog');
  if (open === shownDialog) return;
  shownDialog = open;
  if (keyDialog.open) keyDialog.close();
  if (pitchDialog.open) pitchDialog.close();
  if (open === facts.dialogs.keySignature) buildKeyDialog(), access.showDialog(keyDialog);
  if (open === facts.dialogs.pitchMap) buildPitchDialog(), access.showDialog(pitchDialog);
}

function buildKeyDialog() {
  keyDialog.innerHTML = '<h1></h1><div class="row signs"></div><div class="row counts"></div><div class="row"><span class="label"></span></div><div class="row actions"></div>';
  keyDialog.querySelector('h1').textContent = keyTexts.caption;
  const refresh = () => {
    for (const element of keyDialog.querySelectorAll('.signs button, .counts button'))
      element.disabled = velmira('key_chosen', Number(element.dataset.id)) === 1;
    keyDialog.querySelector('.label').textContent = text('key_label');
  };
  const choice = (id) => {
    const element = button(keyTexts[id], () => (velmira('key_choose', id), refresh()));
    element.dataset.id = id;
    return element;
  };
  keyDialog.querySelector('.signs').append(keyTexts.static0, ...[ids.IDC_KEY_SHARPS, ids.IDC_KEY_NONE, ids.IDC_KEY_FLATS].map(choice));
  const countRow = keyDialog.querySelector('.counts');
  countRow.append(keyTexts.static1);
  for (let id = ids.IDC_KEY_COUNT_FIRST; id <= ids.IDC_KEY_COUNT_LAST; ++id) countRow.append(choice(id));
  keyDialog.querySelector('.label').before(keyTexts.static2);
  keyDialog.querySelector('.actions').append(
    button(keyTexts[ids.IDC_KEY_TRY], () => velmira('key_try')),
    button(keyTexts.IDOK, () => velmira('close_effect_dialog')));
  refresh();
}

function buildPitchDialog() {
  pitchDialog.innerHTML = '<h1></h1><div class="rows"></div><div class="row buttons"></div><div class="row actions"></div>';
  pitchDialog.querySelector('h1').textContent = pitchTexts.caption;
  const rows = pitchDialog.querySelector('.rows');
  const refresh = () => {
    for (const [row, element] of rows.querySelectorAll('.row').entries()) {
      element.querySelector('input').value = velmira('pitch_position', row);
      element.querySelector('.label').textContent = text('pitch_label', row);
    }
  };
  for (let row = 0; row < facts.pitchRows; ++row) {
    const element = document.createElement('div');
    element.className = 'row';
    element.innerHTML = '<span class="name"></span><input type="range"><span class="label"></span>';
    Object.assign(element.querySelector('input'), facts.pitchRange);
    element.querySelector('.name').textContent = pitchTexts[ids.IDC_PITCH_SOURCE_FIRST + row];
    element.querySelector('input').addEventListener('input', (event) => {
      velmira('pitch_drag', row, Number(event.target.value));
      refresh();
    });
    rows.append(element);
  }
  for (const id of facts.pitchButtons)
    pitchDialog.querySelector('.buttons').append(button(pitchTexts[id], () => (velmira('pitch_button', id), refresh())));
  pitchDialog.querySelector('.actions').append(
    button(pitchTexts[ids.IDC_PITCH_TRY], () => velmira('pitch_try')),
    button(pitchTexts.IDOK, () => velmira('close_effect_dialog')));
  refresh();
}

const syncDialogs = setUpDialogs({ velmira, text, afterEngine, dialogs, ids });
const changeBackground = setUpBackground({ engine, velmira, withString, pickFile, storeFile, afterEngine });

// ---- The output: the synthesizer, or a MIDI port where the browser offers one.
const output = document.getElementById('output');
output.add(new Option('TimGM6mb (SoundFont)', ''));
// A browser that refuses its MIDI ports says so in the list, in place of them.
async function listOutputs() {
  output.ports ??= sound.midiOutputs().then((ports) => {
    const refused = new Option(text('midi_access_refused_text'));
    refused.disabled = true;
    if (!ports) output.add(refused);
    for (const port of ports ?? []) output.add(new Option(port.name, port.id));
    return ports ?? [];
  });
  return output.ports;
}
output.addEventListener('focus', listOutputs);
// The port is kept by its name ("MidiOut"), as the program keeps its output device.
output.addEventListener('change', async () => {
  sound.start();
  sound.port = (await listOutputs()).find((port) => port.id === output.value) ?? null;
  withString(sound.port?.name ?? '', (name) => velmira('keep_midi_out', name));
});
async function restoreOutput(name) {
  const port = name && (await listOutputs()).find((candidate) => candidate.name === name);
  if (port) (output.value = port.id), (sound.port = port);
}

// "効果時間" asks its two seconds in the page's modal prompt, as "mm:ss" or seconds; -1 when cancelled.
globalThis.velmiraPage = {
  askSeconds(prompt, initial) {
    const shown = `${String(Math.floor(initial / 60)).padStart(2, '0')}:${String(initial % 60).padStart(2, '0')}`;
    const answer = globalThis.prompt(prompt, shown);
    if (answer === null) return -1;
    const parts = answer.trim().split(':').map(Number);
    if (!parts.every((part) => Number.isInteger(part) && part >= 0)) return initial;
    return parts.length === 2 ? parts[0] * 60 + parts[1] : parts[0];
  },
};

// ---- Start-up, as the window's.
// The kept files first, so that none of them stands in for the skin.
await keep.restore();
addFile('Button.bmp', new Uint8Array(await skin[0].arrayBuffer()));
addFile('Mask.bmp', new Uint8Array(await skin[1].arrayBuffer()));
addFile('Main.bmp', (await keptFace()) ?? new Uint8Array(await skin[2].arrayBuffer()));
velmira('start');
velmira('restore_playing');
afterEngine();
restoreOutput(text('midi_out_name'));
const submenuOf = (firstId) => Object.entries(submenus).find(([, items]) => items[0].id === firstId);
document.getElementById('output').title = submenuOf(ids.IDM_MIDI_OUT_MAPPER)[0];
const inputSubmenu = submenuOf(ids.IDM_MIDI_IN_NONE);
const input = new MidiInput({ engine, velmira, text, withString, afterEngine }, ids, inputSubmenu, document.getElementById('input'));
input.restore();

// What the browser tests drive and read: the message stream as velmira-render prints it, and, with
// ?clock=manual, the timer periods stepped one by one instead of by the audio clock.
window.velmira = {
  stream,
  timing,
  sound,
  keep,
  input,
  step(periods) {
    for (let i = 0; i < periods && velmira('tick'); ++i) deliver(i * periodSeconds);
    afterEngine();
    return velmira('playing');
  },
  ready: true,
};
sound.prefetch();
