// The page's budgets, measured (run by hand after scripts/build-web.sh; not a test):
//  - the engine's WebAssembly and JavaScript at most 1 MB gzipped, the SoundFont left out;
//  - the page interactive at most 1 s after it starts loading, on loopback;
//  - the engine's CPU per 10 ms timer period within twice the native renderer's, on a busy song.
// Usage: node benchmarks/web/budgets.mjs [BUILD_DIR]
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const top = new URL('../..', import.meta.url).pathname;
const build = process.argv[2] ?? join(top, 'build');
const site = join(build, 'web/site');
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;

// Sizes, gzipped as a server would send them.
function gzipped(dir) {
  const sizes = {};
  for (const name of readdirSync(dir, { recursive: true })) {
    const path = join(dir, name);
    if (name.endsWith('.sf2') || !statSync(path).isFile()) continue;
    sizes[name] = gzipSync(readFileSync(path), { level: 9 }).length;
  }
  return sizes;
}
const sizes = gzipped(site);
const sum = (test) => Object.entries(sizes).filter(([name]) => test(name)).reduce((total, [, size]) => total + size, 0);
const engine = sum((name) => name.startsWith('velmira-engine'));
const page = sum((name) => /^[a-z]+\.(js|html|css|json)$/.test(name));
const synthesizer = sum((name) => name.startsWith('lib/'));
const skin = sum((name) => name.endsWith('.bmp'));
console.log(`engine (wasm + loader) ${kb(engine)}, page ${kb(page)}: ${kb(engine + page)} of 1024 KB gzipped`);
console.log(`synthesizer libraries ${kb(synthesizer)}, skin bitmaps ${kb(skin)} gzipped; SoundFont ${kb(statSync(join(site, 'TimGM6mb.sf2')).size)}`);

// CPU per timer period: the busy song of the timing report played to its end by the engine in Node.js,
// against velmira-render playing it natively.
const song = join(mkdtempSync(join(tmpdir(), 'velmira-budget-')), 'dense.mid');
execFileSync(join(build, 'native/tools/velmira-dense-song'), [song, '60']);
const periods = 6000;
// CPU time, not the clock's: the machine may be shared. The shell's `times` gives its children's.
const shellTimes = execFileSync('bash', ['-c', `"$0" "$1" >/dev/null; times`, join(build, 'native/tools/velmira-render'), song], { encoding: 'utf8' });
const nativeMs = shellTimes.split('\n')[1].split(' ').map((time) => {
  const [, minutes, seconds] = time.match(/(\d+)m([\d.]+)s/);
  return (Number(minutes) * 60 + Number(seconds)) * 1000;
}).reduce((sum, ms) => sum + ms, 0);

// The loader's Node.js branch still expects CommonJS' __dirname and require.
globalThis.__dirname = site;
globalThis.require = createRequire(import.meta.url);
const { default: createVelmiraEngine } = await import(join(site, 'velmira-engine.mjs'));
const wasm = await createVelmiraEngine({ wasmBinary: readFileSync(join(site, 'velmira-engine.wasm')) });
const call = (name, ...args) => wasm[`_velmira_${name}`](...args);
const withBytes = (bytes, use) => {
  const pointer = wasm._malloc(bytes.length + 1);
  wasm.HEAPU8.set(bytes, pointer);
  try {
    return use(pointer);
  } finally {
    wasm._free(pointer);
  }
};
const name = (text) => Buffer.from(`${text}\0`);
for (const skinFile of ['Button.bmp', 'Mask.bmp', 'Main.bmp'])
  withBytes(name(skinFile), (n) => withBytes(readFileSync(join(site, skinFile)), (b) => call('add_file', n, b, statSync(join(site, skinFile)).size)));
call('start');
withBytes(name('dense.mid'), (n) => withBytes(readFileSync(song), (b) => call('add_file', n, b, statSync(song).size)));
withBytes(name('dense.mid'), (n) => call('drop', n));
// Each period: the sequencer, the filter and the device, then the window's tick handler, which in the
// large view draws the meters and lamps into the face picture (the renderer has no face to draw).
function playToEnd() {
  const before = process.cpuUsage();
  let ticks = 0;
  while (call('tick')) {
    ++ticks;
    call('clear_messages');
  }
  if (ticks < periods) throw new Error(`the song stopped after ${ticks} periods`);
  const used = process.cpuUsage(before);
  return (used.user + used.system) / 1000 / ticks;
}
const nativePerPeriod = nativeMs / periods;
const report = (what, perPeriodMs) =>
  console.log(`CPU per period, ${what}: ${(perPeriodMs * 1000).toFixed(1)} µs, ` +
    `${(perPeriodMs / nativePerPeriod).toFixed(2)}x the native renderer's ${(nativePerPeriod * 1000).toFixed(1)} µs (budget 2x)`);
call('command', 40037); // the compact view: no face is drawn, and the caption's double click plays
call('mouse', 4, 0, 0);
// Once through unmeasured: the native renderer is compiled ahead of time, while the engine's WebAssembly is
// compiled again, to faster code, once it has run for a while.
playToEnd();
call('mouse', 4, 0, 0);
report('the engine', playToEnd());
call('command', 40037);
call('mouse', 0, 89, 467);
report('the engine and the face', playToEnd());

// The page interactive: from the start of loading until it answers (Debian's chromium, headless).
const { chromium } = await import(join(top, 'web/node_modules/playwright-core/index.mjs'));
const { serve } = await import(join(top, 'web/tools/serve.mjs'));
const server = await serve(site);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--headless', '--no-sandbox', '--disable-gpu', '--autoplay-policy=no-user-gesture-required'] });
const tab = await browser.newPage();
const started = process.hrtime.bigint();
await tab.goto(`http://127.0.0.1:${server.address().port}/`);
await tab.waitForFunction(() => window.velmira?.ready);
console.log(`page interactive after ${(Number(process.hrtime.bigint() - started) / 1e6).toFixed(0)} ms (budget 1000 ms)`);

// The timer on the audio clock: the busy song played for 20 s, each period's lateness being how long after
// its due time on the audio clock the page got to run it (0 when it ran within the look-ahead).
const transfer = await tab.evaluateHandle((bytes) => {
  const transfer = new DataTransfer();
  transfer.items.add(new File([new Uint8Array(bytes)], 'dense.mid'));
  return transfer;
}, [...readFileSync(song)]);
await tab.dispatchEvent('#face', 'drop', { dataTransfer: transfer });
await tab.waitForFunction(() => document.title.startsWith('dense.mid'));
// The play button, in the face's own pixels, at the scale the page shows the face.
const face = await tab.locator('#face').boundingBox();
const scale = face.width / (await tab.locator('#face').evaluate((canvas) => canvas.width));
await tab.mouse.click(face.x + 89.5 * scale, face.y + 467.5 * scale);
await tab.waitForFunction(() => window.velmira.sound.now() !== null, null, { timeout: 60000 });
await tab.waitForTimeout(20000);
const timing = await tab.evaluate(() => ({ ...window.velmira.timing, audio: window.velmira.sound.now() }));
console.log(`audio clock: ${timing.ticks} periods in the first ${timing.audio.toFixed(1)} s, ${timing.lateTicks} ` +
  `run after their due time, their messages as late (worst ${timing.worstLateMs.toFixed(1)} ms); none early`);
await browser.close();
server.close();
