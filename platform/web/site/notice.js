// The page's notice: one short message over the game with one button (to try again, to play in
// this tab, or to dismiss it), for what the player must know and the canvas cannot say.
"use strict";

var VorlenNotice = (() => {
  const box = document.getElementById("notice");
  const text = document.getElementById("notice-text");
  const button = document.getElementById("notice-button");
  let pressed = null;  // what the button does now
  button.addEventListener("click", () => pressed && pressed());

  // Shows text with a button labelled label that calls press (none while press is null); the
  // button takes the focus, so Enter or Space presses it too.
  function show(message, label, press) {
    text.textContent = message;
    button.textContent = label;
    button.hidden = !press;
    pressed = press;
    box.hidden = false;
    if (press) button.focus();
  }

  function hide() {
    box.hidden = true;
    pressed = null;
  }

  return { show, hide, shown: () => !box.hidden, text: () => text.textContent };
})();
