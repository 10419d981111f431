// What makes the page fit any window and usable by anyone: the face scaled to the window with its proportions
// kept, the effect dialogs centred over it and closed by Esc, the menu bar reached by F10 or Alt and walked
// with the arrow keys (as Windows' menus are), the read-outs as text for a screen reader, and the first
// visit's line saying what to do.
export class Access {
  #text;
  #facts;
  #canvas;
  #menubar;
  #closeDialog;
  #press;
  #readouts = document.getElementById('readouts');
  #hint = document.getElementById('drophint');
  #altAlone = false;
  #programTitle; // the title before any song: while it stands, the page still waits for one

  constructor({ text, facts, canvas, menubar, closeDialog, press }) {
    [this.#text, this.#facts, this.#canvas, this.#menubar, this.#closeDialog] = [text, facts, canvas, menubar, closeDialog];
    this.#press = press;
    this.#nameControls(JSON.parse(text('face_controls')));
    this.#hint.textContent = facts.dropHint;
    this.#hint.hidden = false;
    this.#labelMenus();
    addEventListener('resize', () => this.fit());
    // Ahead of the page's hot keys: a key that walks the menus or closes a dialog goes no further.
    addEventListener('keydown', (event) => this.#keyDown(event), true);
    addEventListener('keyup', (event) => this.#keyUp(event), true);
    // A side panel shown or hidden gives the face another width.
    new ResizeObserver(() => this.fit()).observe(document.getElementById('side'));
    this.fit();
    navigator.serviceWorker?.register('sw.js');
  }

  // The largest face that fits beside the side panels and below the menu bar, in whole proportions; a face
  // drawn at any scale stays crisp (style.css: image-rendering).
  fit() {
    const { faceWidth, faceHeight } = this.#facts;
    const top = this.#canvas.getBoundingClientRect().top + scrollY;
    const aside = document.getElementById('side').getBoundingClientRect().width;
    const status = document.getElementById('status').getBoundingClientRect().height;
    const scale = Math.max(0.25, Math.min((innerWidth - aside - 24) / faceWidth, (innerHeight - top - status - 16) / faceHeight));
    this.#canvas.style.width = `${Math.floor(faceWidth * scale)}px`;
    this.#canvas.style.height = `${Math.floor(faceHeight * scale)}px`;
    for (const dialog of document.querySelectorAll('dialog.effect[open]')) this.#centre(dialog);
  }

  // An effect dialog opens centred over the face, moved in where it would stand off the window, with the
  // keyboard in it.
  showDialog(dialog) {
    dialog.show();
    this.#centre(dialog);
    dialog.querySelector('button, input')?.focus();
  }

  #centre(dialog) {
    const face = this.#canvas.getBoundingClientRect();
    const box = dialog.getBoundingClientRect();
    const place = (centre, size, room) => Math.max(0, Math.min(centre - size / 2, room - size));
    dialog.style.left = `${place(face.left + face.width / 2, box.width, innerWidth)}px`;
    dialog.style.top = `${place(face.top + face.height / 2, box.height, innerHeight)}px`;
  }

  // The read-outs as the face shows them, each with its name; the song is the window's title. Only what
  // changed is written, so a screen reader hears a change once.
  showReadouts() {
    const lines = [this.#text('title'), ...this.#text('readout_text').split('\n').filter(Boolean)];
    if (this.#readouts.children.length !== lines.length) {
      this.#readouts.replaceChildren(...lines.map(() => document.createElement('p')));
      // The time changes every second: read on request, never announced.
      this.#readouts.children[1].setAttribute('aria-live', 'off');
    }
    for (const [index, line] of lines.entries())
      if (this.#readouts.children[index].textContent !== line) this.#readouts.children[index].textContent = line;
    this.#programTitle ??= lines[0];
    this.#canvas.setAttribute('aria-label', this.#programTitle);
    if (lines[0] !== this.#programTitle) this.#hint.remove();
  }

  // A named button over each of the face's buttons, reached by Tab and pressed by Enter or Space as a click
  // on the face would press it, with Shift as the right button would (which lowers a cell); the mouse goes
  // through them to the face.
  #nameControls(controls) {
    const layer = document.getElementById('controls');
    for (const { name, x, y } of controls) {
      const control = document.createElement('button');
      control.type = 'button';
      control.setAttribute('aria-label', name);
      control.style.left = `${(x * 100) / this.#facts.faceWidth}%`;
      control.style.top = `${(y * 100) / this.#facts.faceHeight}%`;
      control.dataset.point = `${x} ${y}`;
      layer.append(control);
    }
  }

  #labelMenus() {
    this.#menubar.setAttribute('role', 'menubar');
    for (const menu of this.#menubar.children) {
      const [title, list] = menu.children;
      title.setAttribute('role', 'menuitem');
      title.setAttribute('aria-haspopup', 'menu');
      title.tabIndex = -1;
      list.setAttribute('role', 'menu');
      for (const item of list.children) {
        item.setAttribute('role', item.dataset.id ? 'menuitem' : 'separator');
        if (item.dataset.id) item.tabIndex = -1;
      }
    }
    new MutationObserver(() => {
      for (const menu of this.#menubar.children) menu.firstChild.setAttribute('aria-expanded', menu.classList.contains('open'));
    }).observe(this.#menubar, { subtree: true, attributeFilter: ['class'] });
  }

  #titles() {
    return [...this.#menubar.children].map((menu) => menu.firstChild);
  }

  #openMenu(title) {
    if (!title.parentElement.classList.contains('open')) title.click();
    title.parentElement.querySelector('li[data-id]').focus();
  }

  #closeMenus() {
    for (const open of this.#menubar.querySelectorAll('.open')) open.classList.remove('open');
  }

  #keyDown(event) {
    this.#altAlone = event.key === 'Alt';
    const dialog = document.querySelector('dialog.effect[open]');
    if (event.key === 'Escape' && dialog) return this.#handled(event, this.#closeDialog());
    if (event.key === 'F10') return this.#handled(event, this.#toggleMenubar());
    const control = document.activeElement?.dataset?.point;
    if (control && (event.key === 'Enter' || event.key === ' '))
      return this.#handled(event, this.#press(...control.split(' ').map(Number), event.shiftKey));
    if (this.#menubar.contains(document.activeElement)) this.#walkMenus(event);
  }

  #keyUp(event) {
    if (event.key === 'Alt' && this.#altAlone) this.#handled(event, this.#toggleMenubar());
  }

  #handled(event) {
    event.preventDefault();
    event.stopPropagation();
  }

  #toggleMenubar() {
    if (this.#menubar.contains(document.activeElement)) return this.#leaveMenus();
    this.#titles()[0].focus();
  }

  #leaveMenus() {
    this.#closeMenus();
    document.activeElement.blur();
  }

  // In the menu bar: Left/Right move between the menus (an open one opens its neighbour), Down/Enter/Space
  // open one, Up/Down walk its items, Enter runs one, Esc closes the menu and then leaves the bar.
  #walkMenus(event) {
    const titles = this.#titles();
    const focused = document.activeElement;
    const menu = focused.closest('#menubar > div');
    const title = menu.firstChild;
    const open = menu.classList.contains('open');
    const items = [...menu.querySelectorAll('li[data-id]')];
    const step = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -1, ArrowDown: 1 }[event.key];
    if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
      const next = titles[(titles.indexOf(title) + step + titles.length) % titles.length];
      this.#closeMenus();
      if (open) this.#openMenu(next);
      else next.focus();
    } else if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
      if (!open) this.#openMenu(title);
      else items[(items.indexOf(focused) + step + items.length) % items.length].focus();
    } else if (event.key === 'Enter' || event.key === ' ') {
      if (focused === title) this.#openMenu(title);
      else (focused.click(), this.#canvas.focus());
    } else if (event.key === 'Escape') {
      if (open) (this.#closeMenus(), title.focus());
      else this.#leaveMenus();
    } else return;
    this.#handled(event);
  }
}
