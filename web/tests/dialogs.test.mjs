// The page's tone dialog, song list window and help, wired to the engine as the Windows program's are.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { browser, clickFace, demoSong, drop, menu, openPage, page } from './support.mjs';

const lines = () => page.evaluate(() => window.velmira.stream.lines);

test('a click on the tone column opens the tone dialog: a row is heard at once, Esc puts the tone back, Enter keeps it', async () => {
  const errors = await openPage();
  await drop([{ name: 'demo.mid', bytes: readFileSync(demoSong) }]);
  await clickFace(89, 467); // play
  await page.evaluate(() => window.velmira.step(100)); // channel 2 (program 73) has sounded
  await clickFace(240, 40 + 32); // channel 2's row of the tone column
  const dialog = page.locator('#tone[open]');
  const list = dialog.locator('select');
  const opened = await list.evaluate((select) => select.selectedOptions[0].text);
  assert.equal(await dialog.locator('.label').textContent(), `音色名：${opened}`);

  const before = (await lines()).length;
  await list.evaluate((select) => select.options[select.selectedIndex + 1].text).then((next) => list.selectOption({ label: next }));
  const heard = (await lines()).slice(before).map((line) => line.replace(/^\d+ /, ''));
  assert.equal(heard.length, 3);
  assert.match(heard[2], /^C1 [0-9A-F]{2} 00$/);
  assert.notEqual(heard[2], 'C1 49 00');
  await page.keyboard.press('Escape');
  await page.waitForSelector('#tone', { state: 'hidden' });
  assert.match((await lines()).at(-1), / C1 49 00$/);

  // Enter is OK: the channel keeps the row, which the dialog then opens on.
  await clickFace(240, 40 + 32);
  const chosen = await list.evaluate((select) => select.options[select.selectedIndex + 2].text);
  await list.selectOption({ label: chosen });
  await list.press('Enter');
  await page.waitForSelector('#tone', { state: 'hidden' });
  await clickFace(240, 40 + 32);
  assert.equal(await dialog.locator('.label').textContent(), `音色名：${chosen}`);
  assert.deepEqual(errors, []);
});

test('the song list window plays, moves and removes entries, and Esc hides it', async () => {
  const errors = await openPage();
  const bytes = readFileSync(demoSong);
  await drop(['demo.mid', 'b.mid', 'c.mid'].map((name) => ({ name, bytes })));
  await menu('選曲', '曲目一覧');
  const list = page.locator('#songlist select');
  await page.waitForSelector('#songlist:not([hidden])');
  const rows = () => list.evaluate((select) => [...select.options].map((option) => option.text.replace(/^.*?\d+\. /, '')));
  const names = await rows();
  assert.deepEqual(names.slice(-2), ['b.mid', 'c.mid']);

  await list.selectOption({ index: names.length - 1 });
  await list.press('Alt+ArrowUp');
  assert.deepEqual((await rows()).slice(-2), ['c.mid', 'b.mid']);
  assert.equal(await list.evaluate((select) => select.selectedIndex), names.length - 2);
  await list.press('Enter');
  await page.waitForFunction(() => document.title.startsWith('c.mid'));
  await list.press('Delete');
  assert.deepEqual((await rows()).slice(-1), ['b.mid']);
  assert.equal(await page.evaluate(() => document.title.startsWith('c.mid')), true); // the song plays on
  await list.press('Escape');
  await page.waitForSelector('#songlist', { state: 'hidden' });
  assert.deepEqual(errors, []);
});

test('"トピックの検索" opens the program\'s own help in a tab', async () => {
  const errors = await openPage();
  const tab = browser.waitForEvent('page');
  await menu('ヘルプ', 'トピックの検索');
  const help = await tab;
  await help.waitForLoadState();
  assert.match(help.url(), /\/help\/index\.html$/);
  assert.equal(await help.title(), 'Velmira へようこそ');
  await help.close();
  assert.deepEqual(errors, []);
});

test('"背景画変更" makes a face of a PNG the browser decodes, and a kept face is there after a reload', async () => {
  const errors = await openPage();
  const face = () => page.locator('#face').evaluate((canvas) =>
    canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.join());
  const ownFace = await face();
  const picture = await page.screenshot({ clip: { x: 0, y: 0, width: 320, height: 200 } });
  // A picture over 1600 pixels wide is refused as a plug-in's would be, and the face stays.
  const wide = await page.evaluate(async () => {
    const canvas = new OffscreenCanvas(1601, 2);
    canvas.getContext('2d');
    return [...new Uint8Array(await (await canvas.convertToBlob()).arrayBuffer())];
  });
  page.once('filechooser', (chooser) => chooser.setFiles({ name: 'wide.png', mimeType: 'image/png', buffer: Buffer.from(wide) }));
  await menu('設定', '背景画変更');
  await page.waitForSelector('#messagebox[open]');
  assert.equal(await page.locator('#messagebox p').textContent(), '画像サイズが大きすぎます');
  await page.locator('#messagebox button').click();
  assert.equal(await face(), ownFace);

  const questions = [];
  page.on('dialog', (question) => (questions.push(question.type()), question.accept()));
  page.once('filechooser', (chooser) => chooser.setFiles({ name: 'picture.png', mimeType: 'image/png', buffer: picture }));
  await menu('設定', '背景画変更');
  await page.waitForFunction(() => !document.title.startsWith('変換'));
  await page.waitForFunction(() => indexedDB.databases().then((all) => all.some((db) => db.name === 'velmira-face')));
  const newFace = await face();
  assert.notEqual(newFace, ownFace);
  assert.deepEqual(questions, ['confirm']);
  await page.close();

  await openPage();
  assert.equal(await face(), newFace);
  assert.deepEqual(errors, []);
});
