// The page's watch over its own start: a script error before the game's first frame, or no first
// frame within START_MS of the page being shown once the game was started, is a start that failed. Where the service worker
// keeps an earlier build whose start succeeded, it gives that build back (dropping the one that
// failed) and the page starts again from it; elsewhere the page says that vorlen could not start,
// with a button to try again, rather than stay black. A replayed session's start is not watched:
// a session that cannot be read is refused as the developer's fault.
"use strict";

var VorlenStart = (() => {
  const BUILD = "@VORLEN_BUILD@";
  const START_MS = 8000;  // shown time the first frame may take, a slow phone's start included
  const LOOK_MS = 250;
  const workers = "serviceWorker" in navigator ? navigator.serviceWorker : null;
  let shownMs = 0;
  let watching = !new URLSearchParams(location.search).has("session");
  let begun = false;  // the game was started (a page waiting for another tab's game is not late)

  // The page cannot start: the notice and a button to load it again.
  function cannotStart(why) {
    VorlenNotice.show(why, "Try again", () => location.reload());
  }

  // Stops watching, forgets the kept game (a game that the start could not play back would
  // otherwise fail every later start too), and asks the service worker in charge for the good
  // build; without one, or when it keeps none other than this, the page says why it cannot start.
  function failed(why) {
    if (!watching) return;
    watching = false;
    clearInterval(timer);
    // The kept game's script may be the one that failed to load.
    const forgetting = typeof VorlenKept === "object" ? VorlenKept.forget() : Promise.resolve();
    forgetting.then(() => fallBack(why));
  }

  function fallBack(why) {
    if (!workers || !workers.controller) return cannotStart(why);
    workers.addEventListener("message", ({ data }) => {
      if (data.type !== "fallback") return;
      if (data.build) location.reload();
      else cannotStart(why);
    });
    workers.startMessages();
    workers.controller.postMessage({ type: "failed", build: BUILD });
  }

  // The first frame is shown: this build starts, and the service worker keeps it as the good one.
  function started() {
    if (!watching) return;
    watching = false;
    clearInterval(timer);
    if (workers) workers.ready.then((registration) => registration.active.postMessage({ type: "started", build: BUILD }));
  }

  const timer = setInterval(() => {
    if (begun && document.visibilityState === "visible") shownMs += LOOK_MS;
    if (shownMs >= START_MS) failed("vorlen did not start.");
  }, LOOK_MS);
  // Script errors reach the page's window; a script that cannot be loaded, its own element.
  window.addEventListener("error", (e) => {
    if (e.target === window || (e.target && e.target.tagName === "SCRIPT")) failed(`vorlen could not start: ${e.message || "a script could not be loaded"}.`);
  }, true);

  return { begin: () => { begun = true; }, started, failed };
})();
