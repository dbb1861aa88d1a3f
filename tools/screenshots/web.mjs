// Makes the README's picture of the page in a phone-sized browser window: a new game after
// e2-e4 and the computer's answer, written to docs/images/web.png. Needs the site built
// (tools/web.sh --build-only) and the browser tests' packages (npm ci in tests/web).
//   node tools/screenshots/web.mjs [OUT.png]
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serve, launch } from "../../tests/web/site.mjs";
import { openPage, startGame, pickUp, tap, square, settled, until, differing } from "../../tests/web/driver.mjs";

const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
const OUT = process.argv[2] || path.join(ROOT, "docs/images/web.png");
// A small phone held upright, at twice the density so each device pixel is 3 x 3 screen pixels.
const PHONE = { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true };
const BLACK_HALF = [0, 0, 240, 120];

const site = await serve(path.join(ROOT, "build-web/site"));
const browser = await launch();
try {
  const view = await openPage(browser, site.url, PHONE);
  await startGame(view);
  const black = await settled(view, BLACK_HALF);
  await pickUp(view, "e2");
  await tap(view, square("e4"));
  await until(view, BLACK_HALF, (look) => differing(look, black) > 50, "the computer answers");
  await settled(view, BLACK_HALF);
  await view.page.screenshot({ path: OUT });
  console.log(`wrote ${OUT}`);
} finally {
  await browser.close();
  await site.close();
}
