// The page in a real browser (Debian's chromium, headless, driven by playwright-core): what it sends to its
// synthesizer is what velmira-render prints for the same song and options, the sound it makes is not
// silence, its face is the Windows program's, and a file it cannot use gets the program's own message.
// Usage: node --test tests/   with VELMIRA_BUILD_DIR set (default: ../../build);
// VELMIRA_WEB_SCREENSHOT=FILE.png also keeps a picture of the page playing.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { clickFace, demoSong, drop, menu, openPage, page, playToEnd, render, scratch } from './support.mjs';

test('the page sends its synthesizer what velmira-render prints for the same song, effect and transpose', async () => {
  const errors = await openPage();
  await drop([{ name: 'demo.mid', bytes: readFileSync(demoSong) }]);
  await menu('効果', '民謡風');
  await clickFace(89, 467); // play
  await clickFace(157, 294); // transpose up: +1, with all sound off on every channel
  const lines = await playToEnd();

  const expected = execFileSync(render, ['--effect', '1', '--transpose', '1', demoSong], { encoding: 'utf8' });
  const soundOff = Array.from({ length: 16 }, (_, channel) => `0 B${channel.toString(16).toUpperCase()} 78 00`);
  const firstSoundOff = lines.indexOf(soundOff[0]);
  assert.deepEqual(lines.slice(firstSoundOff, firstSoundOff + 16), soundOff);
  lines.splice(firstSoundOff, 16);
  assert.deepEqual(lines, expected.trimEnd().split('\n'));
  assert.match(await page.title(), /^demo\.mid\s+\(5547 /);

  // "演奏を保存" downloads the song as it was played, which the renderer plays back to the same messages.
  const download = page.waitForEvent('download');
  await menu('ファイル', '演奏を保存');
  const saved = join(scratch, (await download).suggestedFilename());
  await (await download).saveAs(saved);
  assert.equal(execFileSync(render, [saved], { encoding: 'utf8' }), expected);
  assert.deepEqual(errors, []);
});

test('the key-signature dialog tries its choice: the song plays with it as velmira-render plays it', async () => {
  const errors = await openPage();
  await drop([{ name: 'demo.mid', bytes: readFileSync(demoSong) }]);
  await menu('効果', '変位記号');
  const dialog = page.locator('#keysignature[open]');
  await dialog.getByRole('button', { name: 'シャープ' }).click();
  await dialog.getByRole('button', { name: '２' }).click();
  await dialog.getByRole('button', { name: '試行' }).click();
  const lines = await playToEnd();
  await dialog.getByRole('button', { name: '終了' }).click();
  await page.waitForSelector('#keysignature', { state: 'hidden' });
  const expected = execFileSync(render, ['--effect', '12', '--keysig', '1', '2', demoSong], { encoding: 'utf8' });
  assert.deepEqual(lines, expected.trimEnd().split('\n'));
  assert.deepEqual(errors, []);
});

test('the synthesizer makes sound of the first seconds the page sent', async () => {
  const peak = await page.evaluate(async () => {
    const { SpessaSynthProcessor, SoundBankLoader } = await import('./lib/spessasynth_core/index.js');
    const rate = 22050;
    const synth = new SpessaSynthProcessor(rate, { effectsEnabled: false });
    synth.soundBankManager.addSoundBank(
      SoundBankLoader.fromArrayBuffer(await (await fetch('TimGM6mb.sf2')).arrayBuffer()), 'gm');
    await synth.processorInitialized;
    const seconds = 3;
    const left = new Float32Array(rate * seconds);
    const right = new Float32Array(rate * seconds);
    let done = 0;
    const renderTo = (end) => {
      for (let block; done < end; done += block) synth.process(left, right, done, (block = Math.min(128, end - done)));
    };
    for (const line of window.velmira.stream.lines) {
      const [ms, ...bytes] = line.split(' ');
      renderTo(Math.min(Math.round((Number(ms) / 1000) * rate), left.length));
      if (done === left.length) break;
      synth.processMessage(new Uint8Array(bytes.map((byte) => parseInt(byte, 16))));
    }
    renderTo(left.length);
    return left.reduce((peak, sample) => Math.max(peak, Math.abs(sample)), 0);
  });
  assert.ok(peak > 0.01, `peak ${peak}`);
});

test('a damaged picture and an unreadable song get the program\'s own messages; the face then playing is the Windows program\'s', async () => {
  const errors = await openPage();
  const damaged = join(scratch, 'damaged.bmp');
  writeFileSync(damaged, Buffer.from('BM this is no picture'));
  const refusal = spawnSync(render, ['--from-picture', damaged], { encoding: 'utf8' }).stderr.trim();

  const chooser = page.waitForEvent('filechooser');
  await menu('別領域', '画像音');
  await (await chooser).setFiles(damaged);
  await page.waitForSelector('#messagebox[open]');
  assert.equal(`${damaged}: ${await page.locator('#messagebox p').innerText()}`, refusal);
  await page.click('#messagebox button');

  await drop([{ name: 'gone.mid' }]);
  await page.waitForSelector('#messagebox[open]');
  assert.equal(await page.locator('#messagebox p').innerText(), 'File Read Error');
  await page.click('#messagebox button');

  await drop([{ name: 'demo.mid', bytes: readFileSync(demoSong) }]);
  await clickFace(89, 467);
  await page.evaluate(() => window.velmira.step(300));
  if (process.env.VELMIRA_WEB_SCREENSHOT) {
    for (const [x, y] of [[304, 43], [339, 43], [304, 75], [678, 44], [713, 108], [748, 140]]) await clickFace(x, y);
    await page.evaluate(() => window.velmira.step(40));
    await page.screenshot({ path: process.env.VELMIRA_WEB_SCREENSHOT, clip: { x: 0, y: 0, width: 806, height: 624 } });
  }
  assert.equal(await page.evaluate(() => window.velmira.step(1)), 1);
  assert.ok((await faceLikeWindows()) > 0.95);
  assert.deepEqual(errors, []);
});

// The share of the face's pixels the page draws as the Windows program's screenshot (docs/screenshot.png)
// shows them: both play the same skin, so only the read-outs' font, the meters, lamps, cells and toggles of
// the moment may differ. The client area is found where the skin's logo panel matches.
function faceLikeWindows() {
  const screenshot = [...readFileSync(new URL('../../docs/screenshot.png', import.meta.url))];
  return page.evaluate(async (bytes) => {
    const picture = await createImageBitmap(new Blob([new Uint8Array(bytes)]), { colorSpaceConversion: 'none' });
    const canvas = new OffscreenCanvas(picture.width, picture.height);
    canvas.getContext('2d').drawImage(picture, 0, 0);
    const shot = canvas.getContext('2d').getImageData(0, 0, picture.width, picture.height).data;
    const face = document.getElementById('face').getContext('2d').getImageData(0, 0, 788, 540).data;
    const same = (dx, dy, x, y) => {
      const a = ((y + dy) * picture.width + x + dx) * 4;
      const b = (y * 788 + x) * 4;
      return shot[a] === face[b] && shot[a + 1] === face[b + 1] && shot[a + 2] === face[b + 2];
    };
    const logoMatches = (dx, dy) => {
      for (let y = 12; y < 160; y += 4) for (let x = 12; x < 185; x += 4) if (!same(dx, dy, x, y)) return false;
      return true;
    };
    for (let dy = 0; dy < 80; ++dy)
      for (let dx = 0; dx < 16; ++dx) {
        if (!logoMatches(dx, dy)) continue;
        let equal = 0;
        for (let y = 0; y < 540; ++y) for (let x = 0; x < 788; ++x) equal += same(dx, dy, x, y);
        return equal / (788 * 540);
      }
    return 0;
  }, screenshot);
}

test('on the audio clock the page plays the song through its synthesizer', async () => {
  const errors = await openPage('');
  await drop([{ name: 'demo.mid', bytes: readFileSync(demoSong) }]);
  await clickFace(89, 467);
  await page.waitForFunction(() => window.velmira.sound.synth?.voiceCount > 0, null, { timeout: 60000 });
  assert.ok((await page.evaluate(() => window.velmira.timing)).ticks > 0);
  assert.deepEqual(errors, []);
});
