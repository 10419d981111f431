// Writes the main window's menu, the texts of the effect dialogs (by control id) and the command and control
// ids, as the resource scripts and their headers declare them, as JSON for the page:
//   { "menus": [{ "title": "ファイル", "items": [{ "text": "ファイルを開く", "id": 40001 }, { "separator": true }]}],
//     "dialogs": { "IDD_KEY_SIGNATURE": { "caption": "調号の付加", "1069": "試行", "static0": "調号：" } },
//     "ids": { "IDM_FILE_OPEN": 40001, "IDC_PITCH_RESET": 1060 } }
// Usage: node menu-from-rc.mjs RESOURCES_DIR OUT.json
import { readFileSync, writeFileSync } from 'node:fs';

const [resources, outPath] = process.argv.slice(2);
const ids = new Map();
for (const header of ['CommandIds.h', 'DialogIds.h'])
  for (const [, name, value] of readFileSync(`${resources}/${header}`, 'utf8').matchAll(/^#define (\w+) (\d+)/gm))
    ids.set(name, Number(value));

// The page has no submenus: those of the menu bar's popups ("MIDI出力", "MIDI入力", the system's devices)
// become lists of the page's own, their titles and fixed items under "submenus".
const menus = [];
const submenus = {};
let submenu = null;
let depth = 0;
for (const line of readFileSync(`${resources}/menu.rc`, 'utf8').split('\n')) {
  const popup = line.match(/^\s*POPUP "(.*)"/);
  const item = line.match(/^\s*MENUITEM "(.*)", (\w+)/);
  if (/^\s*BEGIN\b/.test(line)) depth++;
  else if (/^\s*END\b/.test(line)) depth--;
  else if (popup && depth === 2) submenu = submenus[popup[1]] = [];
  else if (item && depth === 3) submenu.push({ text: item[1], id: ids.get(item[2]) });
  else if (depth > 2 || (popup && depth > 1)) continue;
  else if (popup) menus.push({ title: popup[1], items: [] });
  else if (/^\s*MENUITEM SEPARATOR/.test(line)) menus.at(-1).items.push({ separator: true });
  else if (item) {
    const id = ids.has(item[2]) ? ids.get(item[2]) : Number(item[2]);
    if (!Number.isInteger(id)) throw new Error(`menu.rc: unknown command ${item[2]}`);
    menus.at(-1).items.push({ text: item[1], id });
  }
}

const dialogs = {};
let dialog = null;
let statics = 0;
const dialogScripts = ['effect-dialogs.rc', 'tone-dialog.rc', 'song-list-dialog.rc'];
for (const line of dialogScripts.flatMap((script) => readFileSync(`${resources}/${script}`, 'utf8').split('\n'))) {
  const start = line.match(/^(\w+) DIALOG(EX)? /);
  const caption = line.match(/^CAPTION "(.*)"/);
  const control = line.match(/^\s+\w+\s+"([^"]*)", ([\w-]+)/);
  if (start) (dialog = dialogs[start[1]] = {}), (statics = 0);
  else if (dialog && caption) dialog.caption = caption[1].trim();
  else if (dialog && control) {
    const key = control[2] === '-1' ? `static${statics++}` : ids.get(control[2]) ?? control[2];
    dialog[key] = control[1].replaceAll('\\n', '\n');
  }
}
writeFileSync(outPath, JSON.stringify({ menus, submenus, dialogs, ids: Object.fromEntries(ids) }));
