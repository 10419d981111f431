// "MIDI入力" in the page: the browser's MIDI inputs (Web MIDI), listed beside the output. The engine's own
// menu rules choose and keep the device by its name, and every message from the open one goes through the
// engine's live input, the path a keyboard takes in the program.

export class MidiInput {
  // page: { engine, velmira, text, withString, afterEngine }; submenu: the resource's submenu, its title and
  // its fixed item ("なし").
  constructor(page, ids, [title, items], select) {
    this.page = page;
    this.ids = ids;
    this.select = select;
    this.ports = [];
    this.none = items[0];
    select.title = title;
    select.addEventListener('focus', () => this.list());
    select.addEventListener('change', () => this.choose(Number(select.value)));
    this.show();
  }

  // At start-up only when a device was kept, so that a page never used with a keyboard asks no permission.
  restore() {
    if (this.page.text('midi_in_name')) this.list();
  }

  list() {
    this.listing ??= navigator.requestMIDIAccess().then(
      (access) => {
        const relist = () => this.devices([...access.inputs.values()]);
        access.addEventListener('statechange', relist);
        relist();
      },
      () => this.devices([]),
    );
    return this.listing;
  }

  devices(ports) {
    const { velmira, withString, afterEngine } = this.page;
    this.ports = ports;
    withString(ports.map((port) => port.name).join('\n'), (names) => velmira('set_midi_inputs', names));
    this.connect();
    afterEngine();
  }

  choose(id) {
    this.page.velmira('command', id);
    this.connect();
    this.page.afterEngine();
  }

  // Only the open device's messages reach the engine.
  connect() {
    const open = this.page.velmira('midi_input_open');
    for (const [index, port] of this.ports.entries())
      port.onmidimessage = index === open ? (event) => this.receive(event.data) : null;
    this.show();
  }

  receive(bytes) {
    const { engine, velmira, afterEngine } = this.page;
    const pointer = engine._malloc(bytes.length);
    engine.HEAPU8.set(bytes, pointer);
    velmira('midi_input', pointer, bytes.length);
    engine._free(pointer);
    afterEngine();
  }

  // "なし", each device, and where there is none to choose, one line saying why.
  show() {
    const open = this.page.velmira('midi_input_open');
    this.select.replaceChildren(new Option(this.none.text, this.none.id));
    for (const [index, port] of this.ports.entries())
      this.select.add(new Option(port.name, this.ids.IDM_MIDI_IN_FIRST + index, false, index === open));
    if (this.listing && !this.ports.length) {
      const unavailable = new Option(this.page.text('midi_input_unavailable_text'));
      unavailable.disabled = true;
      this.select.add(unavailable);
    }
  }
}
