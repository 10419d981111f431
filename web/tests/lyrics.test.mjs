// The lyrics panel beside the face follows the song's words as velmira-render --lyrics prints them.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { clickFace, drop, menu, openPage, page, playToEnd, render, scratch } from './support.mjs';

// A song in format 0 named "桜" whose Shift-JIS words "さ", "く", "ら/" and "はな" come every half second
// (480 ticks a beat at 120 beats a minute), under one long note.
function song() {
  const shiftJis = { 桜: [0x8d, 0xf7], さ: [0x82, 0xb3], く: [0x82, 0xad], ら: [0x82, 0xe7], は: [0x82, 0xcd], な: [0x82, 0xc8] };
  const encode = (words) => [...words].flatMap((character) => shiftJis[character] ?? [character.charCodeAt(0)]);
  const beat = [0x83, 0x60]; // 480 as a variable-length delta
  const meta = (delta, type, words) => [...delta, 0xff, type, encode(words).length, ...encode(words)];
  const track = [
    ...meta([0], 0x03, '桜'), 0, 0x90, 60, 100, ...meta([0], 0x05, 'さ'), ...meta(beat, 0x05, 'く'),
    ...meta(beat, 0x05, 'ら/'), ...meta(beat, 0x05, 'はな'), ...beat, 0x80, 60, 0, 0, 0xff, 0x2f, 0,
  ];
  const length = [24, 16, 8, 0].map((shift) => (track.length >> shift) & 0xff);
  return Uint8Array.from([...Buffer.from('MThd'), 0, 0, 0, 6, 0, 0, 0, 1, 1, 0xe0, ...Buffer.from('MTrk'), ...length, ...track]);
}

test('the panel shows the title, the line sung so far and the next, as velmira-render --lyrics sings them, and the start after the end', async () => {
  const errors = await openPage();
  const path = join(scratch, 'sakura.mid');
  writeFileSync(path, song());
  await drop([{ name: 'sakura.mid', bytes: readFileSync(path) }]);
  await menu('設定', '歌詞');
  await clickFace(89, 467); // play
  await page.evaluate(() => window.velmira.step(70)); // to 0.69 s
  // "TIME L WORDS" a line: the words sung by then, and all of them in their lines.
  const words = execFileSync(render, ['--lyrics', path], { encoding: 'utf8' }).trimEnd().split('\n').map((entry) => entry.split(' '));
  const sung = words.filter(([ms]) => Number(ms) < 700).map(([, , text]) => text);
  const [line, next] = words.map(([, , text]) => text).join('').split('/');
  const shown = (selector) => page.locator(`#lyrics ${selector}`).textContent();
  assert.ok(await page.locator('#lyrics').isVisible());
  assert.equal(await shown('h1'), '桜');
  assert.equal(await shown('.sung'), sung.join(''));
  assert.equal((await shown('.sung')) + (await shown('.rest')), line);
  assert.equal(await shown('.next'), next);
  assert.equal(await page.locator('#lyrics .spoken').getAttribute('aria-live'), 'polite');
  await playToEnd(); // the stop at the end shows the song's start again
  assert.deepEqual([await shown('.sung'), await shown('.rest')], ['', line]);
  assert.deepEqual(errors, []);
});
