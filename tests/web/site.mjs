// What the browser tests, the screenshot tool and the benchmark share: a static server for a
// built site on localhost, and headless Chromium (Debian's) through puppeteer-core.
import http from "node:http";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { before, after } from "node:test";
import puppeteer from "puppeteer-core";

const TYPES = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".mjs": "text/javascript",
  ".wasm": "application/wasm", ".webmanifest": "application/manifest+json", ".png": "image/png",
  ".json": "application/json", ".session": "text/plain; charset=utf-8",
};

// The headers of a cross-origin isolated page, which may share memory with its worker.
const ISOLATION = { "Cross-Origin-Opener-Policy": "same-origin", "Cross-Origin-Embedder-Policy": "require-corp" };

// Serves the files under root on a free localhost port; extra maps a path to generated text
// (HTML unless the path's extension says otherwise). The files are sent with the headers of
// isolation unless isolated is false (as from a server that cannot set headers).
// Resolves to { url, close, hang }: hang makes it a network that accepts and never answers.
export function serve(root, extra = {}, { isolated = true } = {}) {
  const sent = isolated ? ISOLATION : {};
  let hanging = false;
  const server = http.createServer((request, response) => {
    if (hanging) return;
    const name = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    if (extra[name]) {
      const type = TYPES[path.extname(name)] || TYPES[".html"];
      response.writeHead(200, { ...sent, "Content-Type": type, "Cache-Control": "no-store" });
      response.end(extra[name]);
      return;
    }
    const file = path.join(root, name.endsWith("/") ? name + "index.html" : name);
    if (!file.startsWith(path.resolve(root)) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { ...sent, "Content-Type": TYPES[path.extname(file)] || "application/octet-stream",
                              "Cache-Control": "no-cache" });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      const sockets = new Set();
      server.on("connection", (socket) => { sockets.add(socket); socket.on("close", () => sockets.delete(socket)); });
      resolve({
        url: `http://localhost:${server.address().port}/`,
        // Stops serving at once, open connections included (as a network going away).
        close: () => new Promise((done) => { for (const s of sockets) s.destroy(); server.close(done); }),
        hang: () => { hanging = true; },
      });
    });
  });
}

// Starts headless Chromium with a fresh profile; resolves to the browser, whose close also
// removes the profile.
export async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "vorlen-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           "--autoplay-policy=user-gesture-required", `--user-data-dir=${profile}`],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// For a file of tests: serves root (with extra, as serve takes it, made when the tests begin) and
// starts the browser before them, handing both to ready; closes both after them.
export function serveForTests(root, ready, extra = () => ({})) {
  let site, browser;
  before(async () => {
    site = await serve(root, extra());
    browser = await launch();
    ready(site, browser);
  });
  after(async () => {
    await browser?.close();
    await site?.close();
  });
}
