// What the page keeps between visits, as the program keeps it between runs: the settings under the registry's
// names in the local storage (the engine's store writes them there itself), and the bytes of the files the
// history and the song list name in IndexedDB, so that their entries open again after a reload.

const databaseName = 'velmira';
const fileStore = 'files';

function request(operation) {
  return new Promise((resolve, reject) => {
    operation.onsuccess = () => resolve(operation.result);
    operation.onerror = () => reject(operation.error);
  });
}

// null where the browser keeps no databases (a private window may refuse): the files are then not kept.
async function openDatabase() {
  try {
    const opening = indexedDB.open(databaseName, 1);
    opening.onupgradeneeded = () => opening.result.createObjectStore(fileStore);
    return await request(opening);
  } catch {
    return null;
  }
}

export class Keep {
  // engine: { velmira, text, withString, addFile } of the page.
  constructor(engine, ids) {
    this.engine = engine;
    this.historyIds = new Set();
    for (let id = ids.IDM_HISTORY_FIRST; id <= ids.IDM_HISTORY_LAST; ++id) this.historyIds.add(id);
    this.keptFiles = null; // the names last kept, one a line
    this.saving = Promise.resolve();
  }

  // Before the engine starts: the settings and the kept files are handed over.
  async restore() {
    const { velmira, withString, addFile } = this.engine;
    for (let i = 0; i < localStorage.length; ++i) {
      const name = localStorage.key(i);
      const value = localStorage.getItem(name);
      withString(name, (namePointer) => withString(value, (valuePointer) => velmira('restore_setting', namePointer, valuePointer)));
    }
    // As the window's destruction writes them back, so does the page's leaving; a page brought back from the
    // browser's cache starts afresh, its engine having written them already.
    addEventListener('pagehide', () => velmira('destroy'));
    addEventListener('pageshow', (event) => event.persisted && location.reload());
    this.database = await openDatabase();
    if (!this.database) return;
    const store = this.database.transaction(fileStore).objectStore(fileStore);
    const [names, contents] = await Promise.all([request(store.getAllKeys()), request(store.getAll())]);
    names.forEach((name, i) => addFile(name, contents[i]));
  }

  // After anything the engine did: "レジストリを削除して終了" reloads the page, and the kept files follow the
  // settings.
  afterEngine() {
    const { velmira, text } = this.engine;
    if (velmira('close_requested')) return location.reload();
    const kept = text('kept_files');
    if (kept === this.keptFiles || !this.database) return;
    this.keptFiles = kept;
    this.saving = this.saving.then(() => this.keepFiles(kept.split('\n').filter(Boolean))).catch(() => {});
  }

  async keepFiles(names) {
    const { velmira, withString, engine } = this.engine;
    const bytesOf = (name) =>
      withString(name, (pointer) => {
        const size = velmira('file_size', pointer);
        if (size < 0) return null;
        const start = velmira('file_bytes', pointer);
        return engine.HEAPU8.slice(start, start + size);
      });
    const store = this.database.transaction(fileStore, 'readwrite').objectStore(fileStore);
    const stored = new Set(await request(store.getAllKeys()));
    for (const name of stored) if (!names.includes(name)) store.delete(name);
    for (const name of names) {
      const bytes = stored.has(name) ? null : bytesOf(name);
      if (bytes) store.put(bytes, name);
    }
    await new Promise((resolve) => (store.transaction.oncomplete = store.transaction.onerror = resolve));
  }

  // The history's placeholders of the "ファイル" menu become its entries, newest first; those not in use hide.
  fillHistory(menu) {
    const entries = this.engine.text('history_items').split('\n').filter(Boolean).map((line) => line.split('\t'));
    const placeholders = [...menu.querySelectorAll('li[data-id]')].filter((item) => this.historyIds.has(Number(item.dataset.history ?? item.dataset.id)));
    for (const [index, item] of placeholders.entries()) {
      item.dataset.history ??= item.dataset.id;
      const [id, label] = entries[index] ?? [];
      item.hidden = !id;
      if (id) (item.dataset.id = id), (item.textContent = label.replaceAll('&&', '&'));
    }
  }
}
