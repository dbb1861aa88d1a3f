// The page's side of the browser device: the canvas the game's frames are shown on, the queue
// of pointer, key and focus events the game's message pump takes, the sounds through Web
// Audio, the page that says the game has ended, and the service worker that keeps the site for
// offline use. The C++ side (platform/web) calls these through EM_JS.
"use strict";

var VorlenDevice = (() => {
  // The kinds of event queued for the pump (platform/web/input.cpp uses the same numbers).
  const PRESS = 1, MOVE = 2, RELEASE = 3, KEY_DOWN = 4, KEY_UP = 5, FOCUS = 6, BLUR = 7;
  // The page's key codes of the arrow keys, A, B, C and Enter: the hardware keys.
  const HARDWARE_KEYS = new Set([37, 38, 39, 40, 65, 66, 67, 13]);
  const WIDTH = 240, HEIGHT = 320;
  // A sound whose decoding ends later than this after its call is dropped, not played late.
  const SOUND_LATE_MS = 250;

  const canvas = document.getElementById("screen");
  const context = canvas.getContext("2d");
  const image = context.createImageData(WIDTH, HEIGHT);
  const events = [];          // [kind, a, b], oldest first
  let resized = true;         // the page's size changed since the pump last looked
  let activePointer = null;   // the pointer acting as the stylus while it is down
  let audio = null;           // the AudioContext, made on the first tap or key
  const sounds = new Map();   // host path -> { bytes, decoding: Promise of an AudioBuffer or null }
  let wanted = null;          // the latest sound asked for and not yet stopped
  let playing = null;         // the source node playing now

  // What the tests and the benchmark page read.
  const stats = { firstFrameMs: -1, frames: 0, presentMs: 0, soundsStarted: 0, lastSound: "",
                  ended: false };

  // Lets the page make sound: browsers allow it only from a person's tap or key.
  function unlockAudio() {
    if (audio) {
      if (audio.state === "suspended") audio.resume().catch(() => {});
      return;
    }
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    try { audio = new Context(); } catch (e) { audio = null; }
  }

  // Decodes a sound's bytes the first time it is played; null when they cannot be decoded.
  function decoded(sound) {
    if (!sound.decoding) sound.decoding = audio.decodeAudioData(sound.bytes.buffer.slice(0)).catch(() => null);
    return sound.decoding;
  }

  function queue(kind, a, b) { events.push([kind, a, b]); }

  // Pointer events anywhere on the page: mouse, touch and pen alike; presses off the picture
  // are dropped by the device. Only one pointer at a time is the stylus.
  document.addEventListener("pointerdown", (e) => {
    unlockAudio();
    e.preventDefault();
    if (activePointer !== null || !e.isPrimary || e.button !== 0) return;
    activePointer = e.pointerId;
    queue(PRESS, e.clientX, e.clientY);
  });
  document.addEventListener("pointermove", (e) => {
    if (e.pointerId === activePointer) queue(MOVE, e.clientX, e.clientY);
  });
  const lift = (e) => {
    if (e.pointerId !== activePointer) return;
    activePointer = null;
    queue(RELEASE, e.clientX, e.clientY);
  };
  document.addEventListener("pointerup", lift);
  document.addEventListener("pointercancel", lift);
  document.addEventListener("contextmenu", (e) => e.preventDefault());
  document.addEventListener("keydown", (e) => {
    unlockAudio();
    if (!HARDWARE_KEYS.has(e.keyCode)) return;
    e.preventDefault();
    if (!e.repeat) queue(KEY_DOWN, e.keyCode, 0);
  });
  document.addEventListener("keyup", (e) => {
    if (HARDWARE_KEYS.has(e.keyCode)) queue(KEY_UP, e.keyCode, 0);
  });
  window.addEventListener("focus", () => queue(FOCUS, 0, 0));
  window.addEventListener("blur", () => queue(BLUR, 0, 0));
  window.addEventListener("resize", () => { resized = true; });

  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js").catch(() => {});

  return {
    stats,
    displayParameter() { return new URLSearchParams(location.search).get("display") || ""; },
    nextEvent() { return events.shift() || null; },
    pageSize() {
      const view = document.documentElement;
      return [view.clientWidth, view.clientHeight, window.devicePixelRatio || 1];
    },
    takeResized() {
      const was = resized;
      resized = false;
      return was;
    },
    placeCanvas(left, top, width, height) {
      Object.assign(canvas.style, { left: left + "px", top: top + "px", width: width + "px", height: height + "px" });
    },
    showCanvas(shown) { canvas.hidden = !shown; },
    showPicture(pixels, started) {
      image.data.set(pixels);
      context.putImageData(image, 0, 0);
      stats.presentMs += performance.now() - started;
      if (stats.frames++ === 0) stats.firstFrameMs = performance.now();  // since the page began loading
    },
    soundKnown(path) { return sounds.has(path) ? 1 : 0; },
    addSound(path, bytes) { sounds.set(path, { bytes, decoding: null }); },
    playSound(path) {
      this.stopSound();
      const sound = sounds.get(path);
      if (!audio || !sound) return;
      const request = (wanted = { at: performance.now() });
      decoded(sound).then((buffer) => {
        if (wanted !== request || !buffer || performance.now() - request.at > SOUND_LATE_MS) return;
        playing = audio.createBufferSource();
        playing.buffer = buffer;
        playing.connect(audio.destination);
        playing.start();
        stats.soundsStarted++;
        stats.lastSound = path.slice(path.lastIndexOf("/") + 1);
      });
    },
    stopSound() {
      wanted = null;
      if (playing) {
        try { playing.stop(); } catch (e) { /* it had ended */ }
        playing = null;
      }
    },
    gameEnded() {
      stats.ended = true;
      canvas.hidden = true;
      const notice = document.getElementById("ended");
      notice.hidden = false;
      // The tap that ends a game must not start the next: only a later press, or Enter, does.
      setTimeout(() => {
        document.addEventListener("pointerdown", () => location.reload());
        document.addEventListener("keydown", (e) => { if (e.keyCode === 13) location.reload(); });
      }, 0);
    },
  };
})();
