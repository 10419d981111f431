// The lyrics panel in the side panel beside the face, shown by "歌詞…": the song's title, the line being sung
// with the words already sung set apart, and the line after it, as the engine says. A screen reader hears
// each new line once, not every word.
export class Lyrics {
  constructor({ velmira, text }, side) {
    Object.assign(this, { velmira, text });
    this.panel = Object.assign(document.createElement('section'), { id: 'lyrics', hidden: true });
    this.panel.innerHTML = '<h1></h1><p class="line"><span class="sung"></span><span class="rest"></span></p><p class="next"></p>';
    this.spoken = Object.assign(document.createElement('p'), { className: 'spoken' });
    this.spoken.setAttribute('aria-live', 'polite');
    this.panel.append(this.spoken);
    side.prepend(this.panel);
  }

  afterEngine() {
    if (!this.velmira('lyrics_changed')) return;
    const [title, sung, rest, next] = [0, 1, 2, 3].map((part) => this.text('lyrics_part', part));
    this.panel.hidden = !this.velmira('lyrics_shown');
    const show = (selector, words) => (this.panel.querySelector(selector).textContent = words);
    show('h1', title);
    show('.sung', sung);
    show('.rest', rest);
    show('.next', next);
    const line = sung + rest;
    if (line !== this.spoken.dataset.line) (this.spoken.dataset.line = line), (this.spoken.textContent = line);
  }
}
