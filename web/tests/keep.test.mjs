// What the page keeps across a reload, as the program keeps it across runs: the settings, and the history
// with its files' bytes, until "レジストリを削除して終了" clears them.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { browser, clickFace, demoSong, drop, menu, openPage, page, playToEnd, render, scratch } from './support.mjs';

async function reload() {
  await page.evaluate(() => window.velmira.keep.saving);
  await page.reload();
  await page.waitForFunction(() => window.velmira?.ready, null, { timeout: 60000 });
  await page.evaluate(() => (window.velmira.stream.recording = true));
}

async function checked(title, item) {
  await page.locator('#menubar > div > span', { hasText: title }).click();
  const isChecked = await page.locator('#menubar .open li', { hasText: item }).evaluate((entry) => entry.classList.contains('checked'));
  await page.locator('#menubar > div > span', { hasText: title }).click();
  return isChecked;
}

test('the sound module, the history and the loaded song as played survive a reload, the entry plays from its kept bytes, and clearing forgets them', async () => {
  const errors = await openPage();
  await menu('音源', 'ＳＣ５５');
  await drop([{ name: 'demo.mid', bytes: readFileSync(demoSong) }]);
  await menu('効果', '民謡風');
  // Played, the modulation cell of channel 2 (sounding from the start) raised, transposed up two, turned down a
  // step, stopped: the reload brings the song back so.
  await page.keyboard.press('Space');
  await page.evaluate(() => window.velmira.step(10));
  await clickFace(409, 75);
  for (const key of ['ArrowUp', 'ArrowUp', 'PageDown', 'Space']) await page.keyboard.press(key);
  const cell = () => page.locator('#face').evaluate((face) => face.getContext('2d').getImageData(402, 68, 16, 15).data.join());
  const raisedCell = await cell();
  await reload();
  assert.equal(await cell(), raisedCell);
  assert.equal(await checked('音源', 'ＳＣ５５'), true);
  await clickFace(89, 467); // play
  const played = await playToEnd();
  const asSet = execFileSync(render, ['--effect', '1', '--transpose', '2', '--volume', '90', demoSong], { encoding: 'utf8' });
  assert.ok(played.length > 0);
  assert.deepEqual(played, asSet.trimEnd().split('\n').slice(-played.length)); // what the start loaded, unrecorded
  await page.evaluate(() => (window.velmira.stream.lines.length = 0));
  await menu('ファイル', '1. demo.mid');
  await page.waitForFunction(() => document.title.startsWith('demo.mid'));
  await clickFace(89, 467); // play
  const expected = execFileSync(render, [demoSong], { encoding: 'utf8' });
  assert.deepEqual(await playToEnd(), expected.trimEnd().split('\n'));

  page.once('dialog', (dialog) => dialog.accept());
  const reloaded = page.waitForEvent('load');
  await menu('ファイル', 'レジストリを削除して終了');
  await reloaded;
  await page.waitForFunction(() => window.velmira?.ready, null, { timeout: 60000 });
  assert.equal(await checked('音源', 'ＳＣ５５'), false);
  assert.equal(await page.locator('#menubar li', { hasText: 'demo.mid' }).count(), 0);
  assert.equal(await page.title(), 'Velmira'); // no song brought back
  assert.deepEqual(errors, []);
});

test('a keyboard played into the page through an effect sends what velmira-render --input sends, and stays chosen', async () => {
  await browser.addInitScript(() => {
    const keyboard = { id: 'k', name: 'Stand-in keyboard', onmidimessage: null };
    window.standInKeyboard = keyboard;
    navigator.requestMIDIAccess = async () =>
      Object.assign(new EventTarget(), { inputs: new Map([['k', keyboard]]), outputs: new Map() });
  });
  const errors = await openPage();
  await drop([{ name: 'demo.mid', bytes: readFileSync(demoSong) }]); // an effect is chosen for a loaded song
  await menu('効果', '民謡風');
  await page.locator('#input').focus();
  await page.locator('#input').selectOption({ label: 'Stand-in keyboard' });
  await page.evaluate(() => (window.velmira.stream.lines.length = 0)); // the load's messages
  // Keys overlapping under the effect: each note-off releases the key its note-on sounded.
  const played = ['90 3C 64', '90 41 50', '80 3C 00', '90 40 40', '80 41 00', '80 40 00'];
  for (const message of played)
    await page.evaluate((bytes) => window.standInKeyboard.onmidimessage({ data: new Uint8Array(bytes) }),
      message.split(' ').map((byte) => parseInt(byte, 16)));
  const lines = await page.evaluate(() => window.velmira.stream.lines);
  const recorded = join(scratch, 'keyboard.txt');
  writeFileSync(recorded, played.map((message) => `0\t${message}\n`).join(''));
  const expected = execFileSync(render, ['--effect', '1', '--input', recorded], { encoding: 'utf8' }).trimEnd().split('\n');
  assert.ok(lines.length > 0);
  assert.deepEqual(lines, expected.slice(0, lines.length)); // the render ends with the stop's messages
  await reload();
  await page.waitForFunction(() => document.querySelector('#input').selectedOptions[0]?.text === 'Stand-in keyboard');
  assert.deepEqual(errors, []);
});
