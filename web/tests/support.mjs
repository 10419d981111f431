// What every browser test shares: the build's tools and demo song, one server of the built site, one
// headless chromium with a profile of its own, and the strokes a user makes on the page.
// Each test file imports it; node --test runs the files one after another (they share the machine's cores).
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';
import { serve } from '../tools/serve.mjs';

export const build = process.env.VELMIRA_BUILD_DIR ?? new URL('../../build', import.meta.url).pathname;
export const render = join(build, 'native/tools/velmira-render');
export const demoSong = join(build, 'native/demo.mid');
export const scratch = mkdtempSync(join(tmpdir(), 'velmira-web-'));
export let server, origin, browser, page; // browser: a context of its own profile; page: the one openPage made last

before(async () => {
  server = await serve(join(build, 'web/site'));
  origin = `http://127.0.0.1:${server.address().port}`; // kept for a test that stops the server
  browser = await chromium.launchPersistentContext(join(scratch, 'profile'), {
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});
after(async () => {
  await browser?.close();
  server?.close();
  rmSync(scratch, { recursive: true, force: true });
});

// A fresh page whose timer is stepped by the test (?clock=manual) or runs from the audio clock, recording
// what it sends. Returns the list its uncaught errors go to.
export async function openPage(query = '?clock=manual') {
  page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(`${origin}/${query}`);
  await page.waitForFunction(() => window.velmira?.ready, null, { timeout: 60000 });
  await page.evaluate(() => (window.velmira.stream.recording = true));
  return errors;
}

// Drops files on the face as a user would; a file given without bytes cannot be read.
export async function drop(files) {
  const transfer = await page.evaluateHandle((files) => {
    const transfer = new DataTransfer();
    for (const { name, bytes } of files) {
      const file = new File([new Uint8Array(bytes ?? [])], name);
      if (!bytes) file.arrayBuffer = () => Promise.reject(new DOMException('gone', 'NotReadableError'));
      transfer.items.add(file);
    }
    return transfer;
  }, files.map(({ name, bytes }) => ({ name, bytes: bytes && [...bytes] })));
  await page.dispatchEvent('#face', 'drop', { dataTransfer: transfer });
  await page.waitForFunction(() => document.title !== 'Velmira' || document.querySelector('#messagebox[open]'));
}

// A click at a point of the face, in the face's own pixels whatever the scale it is shown at.
export async function clickFace(x, y) {
  const box = await page.locator('#face').boundingBox();
  const scale = box.width / (await page.locator('#face').evaluate((face) => face.width));
  await page.mouse.move(box.x + (x + 0.5) * scale, box.y + (y + 0.5) * scale);
  await page.mouse.down();
  await page.mouse.up();
}

export async function menu(title, item) {
  await page.locator('#menubar > div > span', { hasText: title }).click();
  await page.locator('#menubar li', { hasText: item }).click();
}

// Steps the manual clock until the song ends; returns every line the page sent.
export async function playToEnd() {
  while (await page.evaluate(() => window.velmira.step(1000)));
  return page.evaluate(() => window.velmira.stream.lines);
}
