// "背景画変更" in the page: the browser decodes the picture (the plug-ins' part in Windows), the program's
// own rules compose it into the face and ask whether to keep it; a kept face stays in the browser's storage
// and is the face of every later visit.

const database = () =>
  new Promise((resolve, reject) => {
    const request = indexedDB.open('velmira-face', 1);
    request.onupgradeneeded = () => request.result.createObjectStore('faces');
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });

function stored(mode, use) {
  return database().then(
    (db) =>
      new Promise((resolve, reject) => {
        const request = use(db.transaction('faces', mode).objectStore('faces'));
        request.onsuccess = () => (resolve(request.result), db.close());
        request.onerror = () => (reject(request.error), db.close());
      }),
  );
}

// The face kept at an earlier visit, or null (none, or no storage in this browser).
export async function keptFace() {
  try {
    return (await stored('readonly', (faces) => faces.get('face'))) ?? null;
  } catch {
    return null;
  }
}

export function setUpBackground({ engine, velmira, withString, pickFile, storeFile, afterEngine }) {
  // JPEG, PNG and GIF become pixels here; a BMP is read by the program itself, as in Windows. A file the
  // browser cannot decode gets no pixels, and the engine says so in its own words.
  async function decode(file, name) {
    try {
      const bitmap = await createImageBitmap(file);
      const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      context.drawImage(bitmap, 0, 0);
      const { data } = context.getImageData(0, 0, bitmap.width, bitmap.height);
      const pointer = engine._malloc(data.length); // 0: no memory for it, which the engine says
      if (pointer) engine.HEAPU8.set(data, pointer);
      withString(name, (namePointer) => velmira('add_picture', namePointer, pointer, bitmap.width, bitmap.height));
      if (pointer) engine._free(pointer);
    } catch {}
  }

  async function keep() {
    const size = velmira('kept_face_size');
    if (!size) return;
    const pointer = velmira('kept_face_bytes');
    const face = engine.HEAPU8.slice(pointer, pointer + size);
    velmira('forget_kept_face');
    await stored('readwrite', (faces) => faces.put(face, 'face'));
  }

  return async function change(id) {
    const file = await pickFile('.bmp,.jpg,.jpeg,.png,.gif,image/bmp,image/jpeg,image/png,image/gif');
    const name = file ? await storeFile(file) : '';
    if (file && !/\.bmp$/i.test(name)) await decode(file, name);
    withString(name, (pointer) => velmira('choose', pointer));
    velmira('command', id);
    afterEngine();
    if (!file) return;
    velmira('offer_face');
    afterEngine();
    await keep();
  };
}
