// The page's side of the browser device: the canvas the game's frames are drawn on, the pointer,
// key, focus, size and visibility events sent to the game's worker (worker.js), the sounds
// through Web Audio, the button that says the game has ended, the game's start and stop (as
// single.js lets this page own it), and the service worker that keeps the site for offline use. The page's own thread only draws and listens: the game never runs on it.
"use strict";

var VorlenDevice = (() => {
  const BUILD = "@VORLEN_BUILD@";
  // The page's key codes of the arrow keys, A, B, C and Enter: the hardware keys (events.js).
  const HARDWARE_KEYS = new Set(VorlenHardwareKeys);
  // A sound whose decoding ends later than this after its call is dropped, not played late.
  const SOUND_LATE_MS = 250;
  const RELOADED = "vorlen-reloaded-for-build";  // session key: a mix of builds was reloaded once
  const STOP_MS = 3000;  // how long a game asked to stop may take to reach a frame boundary

  const canvas = document.getElementById("screen");
  const context = canvas.getContext("2d");
  let activePointer = null;   // the pointer acting as the stylus while it is down
  let audio = null;           // the AudioContext, made on the first tap or key
  const sounds = new Map();   // host path -> { bytes, decoding: Promise of an AudioBuffer or null }
  let wanted = null;          // the latest sound asked for and not yet stopped
  let playing = null;         // the source node playing now
  let hidden = false;         // the page is hidden: the device is switched off

  // What the tests and the benchmark read: frames are the parts of frames drawn.
  // held is the frame a replay holds on the canvas, once it is there (0 before); shared, whether
  // the page's messages go through shared memory; kept, whether a kept game is stored, keeps how
  // many times it was, and framesAtKeep the parts drawn then (the kept frame is the canvas's
  // while no part was drawn since); refused, why a kept game could not be resumed.
  const stats = { firstFrameMs: -1, frames: 0, presentMs: 0, soundsStarted: 0, lastSound: "", ended: false,
                  build: null, held: 0, shared: false, kept: false, keeps: 0, framesAtKeep: 0, refused: "" };

  // Milliseconds on a clock the page and the worker share.
  const now = () => performance.timeOrigin + performance.now();
  const pageSize = () => {
    const view = document.documentElement;
    return [view.clientWidth, view.clientHeight, window.devicePixelRatio || 1];
  };

  // The game's worker while it runs, and how the page's messages reach it: each is an entry of
  // channel.js (a tag and three numbers), written into shared memory where the page is
  // cross-origin isolated (write), else posted.
  let worker = null;
  let write = null;
  let stopped = null;  // once the game is asked to stop: ends the stop when the worker says it has
  const post = (message) => worker && worker.postMessage(message);
  const tell = (tag, a = 0, b = 0, c = 0) => (write ? write(tag, a, b, c) : post({ type: "entry", entry: [tag, a, b, c] }));

  // Lets the page make sound: browsers allow it only from a person's tap or key.
  function unlockAudio() {
    if (audio) return;
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    try { audio = new Context(); } catch (e) { audio = null; }
    if (audio) quietAudio();
  }

  // The audio context runs only while a sound plays, so an idle page's audio process rests.
  function quietAudio() {
    if (audio && audio.state === "running" && !playing) audio.suspend().catch(() => {});
  }

  // Decodes a sound's bytes the first time it is played; null when they cannot be decoded.
  function decoded(sound) {
    if (!sound.decoding) sound.decoding = audio.decodeAudioData(sound.bytes.buffer.slice(0)).catch(() => null);
    return sound.decoding;
  }

  function playSound(path) {
    stopSound();
    const sound = sounds.get(path);
    if (!audio || !sound || hidden) return;
    const request = (wanted = { at: performance.now() });
    Promise.all([decoded(sound), audio.resume().catch(() => {})]).then(([buffer]) => {
      if (wanted !== request || !buffer || performance.now() - request.at > SOUND_LATE_MS) return quietAudio();
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      source.onended = () => {
        if (playing !== source) return;
        playing = null;
        quietAudio();
      };
      playing = source;
      source.start();
      stats.soundsStarted++;
      stats.lastSound = path.slice(path.lastIndexOf("/") + 1);
    });
  }

  function stopSound() {
    wanted = null;
    if (playing) {
      const source = playing;
      playing = null;
      try { source.stop(); } catch (e) { /* it had ended */ }
    }
    quietAudio();
  }

  // A hidden, frozen or left page is a handheld switched off; shown again, it runs on.
  function setHidden(now_hidden) {
    if (now_hidden === hidden) return;
    hidden = now_hidden;
    if (hidden) stopSound();
    tell(hidden ? VorlenChannel.TAGS.SUSPEND : VorlenChannel.TAGS.RESUME, now());
  }

  // The game ended: the button starts the next one (only a press on it, or Enter or Space while it
  // has the focus, so the tap that ended the game cannot).
  function gameEnded() {
    stats.ended = true;
    VorlenSingle.letGo();
    canvas.hidden = true;
    const button = document.getElementById("ended");
    button.hidden = false;
    button.addEventListener("click", () => location.reload());
    button.focus();
  }

  // The builds of the page and of the worker's files; a mix (a stale copy somewhere) is loaded
  // again once, since the game's script and WebAssembly must come from one build.
  function checkBuild(build) {
    stats.build = { page: BUILD, ...build, events: vorlenEventsBuild, pageChannel: VorlenChannel.build };
    const mixed = Object.values(stats.build).some((stamp) => stamp !== BUILD);
    if (!mixed) return sessionStorage.removeItem(RELOADED);
    if (sessionStorage.getItem(RELOADED) !== BUILD) {
      sessionStorage.setItem(RELOADED, BUILD);
      location.reload();
    }
  }

  // What the worker asks of the page.
  function heard({ data }) {
    switch (data.type) {
      case "part":
        context.putImageData(new ImageData(new Uint8ClampedArray(data.pixels.buffer), data.width, data.height),
                             data.left, data.top);
        stats.presentMs += data.cost;
        if (stats.frames++ === 0) {
          stats.firstFrameMs = performance.now();  // since the page began loading
          VorlenStart.started();
        }
        break;
      case "place":
        Object.assign(canvas.style, { left: data.left + "px", top: data.top + "px", width: data.width + "px",
                                      height: data.height + "px" });
        break;
      case "canvas": canvas.hidden = !data.shown; break;
      case "sound-add": sounds.set(data.path, { bytes: data.bytes, decoding: null }); break;
      case "sound-play": playSound(data.path); break;
      case "sound-stop": stopSound(); break;
      case "held": stats.held = data.frame; break;
      case "ended": gameEnded(); break;
      case "build": checkBuild(data.build); break;
      case "stopped": if (stopped) stopped(); break;
      case "keep": keep(data.text); break;
      case "forget": forget(); break;
      case "refused": refused(data.why); break;
    }
  }

  // Stores the kept game's text, and tells the service worker that this build's files are
  // needed as long as it is kept.
  function keep(text) {
    VorlenKept.write(text);
    stats.keeps++;
    stats.framesAtKeep = stats.frames;
    if (!stats.kept) tellServiceWorker({ type: "kept", build: BUILD });
    stats.kept = true;
  }

  function forget() {
    VorlenKept.forget();
    tellServiceWorker({ type: "kept", build: null });
    stats.kept = false;
  }

  // The kept game could not be resumed: it is forgotten, the page says so once, and a fresh game
  // starts in a new worker.
  function refused(why) {
    forget();
    stats.refused = why;
    worker.terminate();
    worker = write = null;
    VorlenNotice.show(`Your last game could not be resumed (${why}): a new one starts.`, "OK", VorlenNotice.hide);
    startGame(null);
  }

  function tellServiceWorker(message) {
    if ("serviceWorker" in navigator) navigator.serviceWorker.ready.then((r) => r.active.postMessage(message));
  }

  // Starts the game, resuming the kept game when there is one (none for a replay).
  function startKept() {
    VorlenKept.read().then(startGame);
  }

  // Starts the game in a new worker with the kept game's text (null for none), which the page's
  // messages reach from now on. Browsers that refuse workers to a page opened from a file say
  // why instead of a black page.
  function startGame(kept) {
    try { worker = new Worker(`worker.js?build=${BUILD}`); } catch (e) {
      return VorlenStart.failed("vorlen cannot start from a file in this browser: open it from a web server.");
    }
    VorlenStart.begin();
    const channel = VorlenChannel.create();
    write = channel && VorlenChannel.writer(channel);
    stats.shared = !!channel;
    worker.onmessage = heard;
    // A fault in the worker is a fault of the page.
    worker.onerror = (e) => setTimeout(() => { throw new Error(`worker: ${e.message}`); });
    hidden = document.visibilityState === "hidden";
    const parameters = new URLSearchParams(location.search);
    post({ type: "start", display: parameters.get("display") || "", session: parameters.get("session") || "",
           hold: Math.max(0, Math.floor(Number(parameters.get("hold")) || 0)), size: pageSize(), hidden, at: now(),
           channel, kept });
  }

  // Stops the game at a frame boundary, after every message the page sent it, with its kept
  // session up to date; resolves once its worker is gone. A worker that does not answer within
  // STOP_MS (a game that has ended does not) is ended as it is.
  function stopGame() {
    if (!worker) return Promise.resolve();
    stopSound();
    return new Promise((resolve) => {
      const timer = setTimeout(() => stopped(), STOP_MS);
      stopped = () => {
        clearTimeout(timer);
        stopped = null;
        worker.terminate();
        worker = write = null;
        VorlenKept.settled().then(resolve);  // the kept game is stored before another page reads it
      };
      tell(VorlenChannel.TAGS.STOP);
    });
  }

  // Pointer events anywhere on the page: mouse, touch and pen alike; presses off the picture
  // are dropped by the device. Only one pointer at a time is the stylus.
  document.addEventListener("pointerdown", (e) => {
    unlockAudio();
    if (stats.ended || e.target.closest("#notice")) return;
    e.preventDefault();
    if (activePointer !== null || !e.isPrimary || e.button !== 0) return;
    activePointer = e.pointerId;
    tell(VorlenEvents.PRESS, e.clientX, e.clientY);
  });
  document.addEventListener("pointermove", (e) => {
    if (e.pointerId === activePointer) tell(VorlenEvents.MOVE, e.clientX, e.clientY);
  });
  const lift = (e) => {
    if (e.pointerId !== activePointer) return;
    activePointer = null;
    tell(VorlenEvents.RELEASE, e.clientX, e.clientY);
  };
  document.addEventListener("pointerup", lift);
  document.addEventListener("pointercancel", lift);
  document.addEventListener("contextmenu", (e) => e.preventDefault());
  // WebKit zooms on its own gesture events and on a two-finger move whatever touch-action says.
  for (const gesture of ["gesturestart", "gesturechange", "gestureend"])
    document.addEventListener(gesture, (e) => e.preventDefault());
  document.addEventListener("touchmove", (e) => e.touches.length > 1 && e.preventDefault(), { passive: false });
  document.addEventListener("keydown", (e) => {
    unlockAudio();
    if (stats.ended || !HARDWARE_KEYS.has(e.keyCode)) return;
    e.preventDefault();
    if (!e.repeat) tell(VorlenEvents.KEY_DOWN, e.keyCode, 0);
  });
  document.addEventListener("keyup", (e) => {
    if (HARDWARE_KEYS.has(e.keyCode)) tell(VorlenEvents.KEY_UP, e.keyCode, 0);
  });
  window.addEventListener("focus", () => tell(VorlenEvents.FOCUS));
  window.addEventListener("blur", () => tell(VorlenEvents.BLUR));
  window.addEventListener("resize", () => tell(VorlenChannel.TAGS.SIZE, ...pageSize()));
  document.addEventListener("visibilitychange", () => setHidden(document.visibilityState === "hidden"));
  window.addEventListener("pagehide", () => setHidden(true));
  window.addEventListener("pageshow", () => setHidden(document.visibilityState === "hidden"));
  document.addEventListener("freeze", () => setHidden(true));
  document.addEventListener("resume", () => setHidden(document.visibilityState === "hidden"));

  // A replayed session is not the player's game: it plays beside one.
  if (new URLSearchParams(location.search).has("session")) startGame(null);
  else VorlenSingle.claim({ start: startKept, stop: stopGame });

  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js", { updateViaCache: "none" }).catch(() => {});

  // The audio context's state ("none" before the first tap), for the tests.
  return { stats, audioState: () => (audio ? audio.state : "none") };
})();
