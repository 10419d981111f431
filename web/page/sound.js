// Where the engine's messages go: the in-page SoundFont synthesizer (spessasynth in an AudioWorklet) or a
// Web MIDI output port. Every message carries the audio-clock time it is due at; both outputs play it then.
// The synthesizer's libraries are loaded at the first gesture, so that they do not hold up the page's start.

export const soundFontUrl = 'TimGM6mb.sf2';

export class Sound {
  constructor() {
    this.context = null;
    this.synth = null;
    this.port = null; // a Web MIDI output, when one is chosen
    this.ready = null;
    this.soundFont = null;
  }

  // The SoundFont is fetched once the page answers, so that it does not hold up the start.
  prefetch() {
    this.soundFont ??= fetch(soundFontUrl).then((response) => response.arrayBuffer());
  }

  // The audio clock must be started from a user's gesture; later calls wait for the same start.
  start() {
    this.ready ??= (async () => {
      const { WorkletSynthesizer } = await import('./lib/spessasynth_lib/index.js');
      this.context = new AudioContext({ latencyHint: 'interactive' });
      await this.context.audioWorklet.addModule('lib/spessasynth_lib/spessasynth_processor.min.js');
      this.synth = new WorkletSynthesizer(this.context);
      this.synth.connect(this.context.destination);
      this.prefetch();
      await this.synth.soundBankManager.addSoundBank(await this.soundFont, 'gm');
      await this.synth.isReady;
    })();
    this.context?.resume();
    return this.ready;
  }

  // Seconds on the audio clock; null before the clock has started.
  now() {
    return this.synth ? this.context.currentTime : null;
  }

  send(bytes, when) {
    if (this.port && !this.context) {
      this.port.send(bytes);
    } else if (this.port) {
      // Web MIDI times messages on the page's clock: the audio clock's time is moved onto it.
      const stamp = this.context.getOutputTimestamp();
      this.port.send(bytes, stamp.performanceTime + (when - stamp.contextTime) * 1000);
    } else if (this.synth) {
      this.synth.sendMessage(bytes, 0, { time: when });
    }
  }

  // The MIDI output ports the browser offers; null without Web MIDI or without permission.
  async midiOutputs() {
    try {
      const access = await navigator.requestMIDIAccess({ sysex: true });
      return [...access.outputs.values()];
    } catch {
      return null;
    }
  }
}
