// The page fits an 800 × 600 window and is used from the keyboard alone, tells a screen reader its read-outs,
// and plays without a network once it has been visited.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { demoSong, drop, menu, openPage, origin, page, playToEnd, render, server } from './support.mjs';

const song = [{ name: 'demo.mid', bytes: readFileSync(demoSong) }];
const readouts = async () => (await page.locator('#readouts p').allTextContents()).join('\n');

test('at 800 × 600 each effect dialog opens inside the view, and Esc closes it and frees the hot keys', async () => {
  await openPage();
  await page.setViewportSize({ width: 800, height: 600 });
  await drop(song);
  for (const [item, dialog] of [['変位記号', '#keysignature'], ['好きにして', '#pitchmap']]) {
    await menu('効果', item);
    const box = await page.locator(`${dialog}[open]`).boundingBox();
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= 800 && box.y + box.height <= 600, `${dialog} ${JSON.stringify(box)}`);
    await page.keyboard.press('Escape');
    await page.waitForSelector(dialog, { state: 'hidden' });
  }
  await page.keyboard.press('Space'); // play, and transpose up while playing: hot keys a dialog holds back
  await page.keyboard.press('ArrowUp');
  assert.match(await readouts(), /移調 \+01/);
});

test('F10, the arrow keys and Enter run a menu item; the read-outs and the song are text', async () => {
  await openPage();
  assert.equal(await page.locator('#drophint').isVisible(), true);
  await drop(song);
  assert.equal(await page.locator('#drophint').count(), 0);
  assert.match(await readouts(), /^demo\.mid.*\n演奏時間 00:00\nテンポ \d+\n音量 \d+\n移調 \+00$/);
  const names = await page.locator('#controls button').evaluateAll((controls) => controls.map((control) => control.ariaLabel));
  assert.ok(names.every(Boolean) && names.includes('ch 16 オク下'), names.join());
  await page.keyboard.press('F10');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowRight'); // "効果"
  await page.keyboard.press('ArrowDown'); // opens it on "民謡風"
  await page.keyboard.press('Enter');
  await page.keyboard.press('Tab'); // from the face to its first button, "停止", then "再生"
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  const lines = await playToEnd();
  const expected = execFileSync(render, ['--effect', '1', demoSong], { encoding: 'utf8' });
  assert.deepEqual(lines, expected.trimEnd().split('\n'));
});

test('after one visit the page plays a song with no network; a bad address gets 400 and the server goes on', async () => {
  await openPage();
  await page.waitForFunction(() => navigator.serviceWorker.controller); // the worker installed, its cache filled
  assert.equal((await fetch(`${origin}/%E0%A4%A`)).status, 400);
  assert.equal((await fetch(`${origin}/`)).status, 200);
  server.close(); // no network from here on
  server.closeAllConnections();
  const errors = await openPage();
  await drop(song);
  await page.keyboard.press('Space');
  const lines = await playToEnd();
  assert.deepEqual(lines, execFileSync(render, [demoSong], { encoding: 'utf8' }).trimEnd().split('\n'));
  assert.ok(await page.evaluate(() => fetch('TimGM6mb.sf2').then((response) => response.ok))); // the synthesizer's
  assert.deepEqual(errors, []);
});
