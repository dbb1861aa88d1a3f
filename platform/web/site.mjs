// Puts the site together: the page's files from site/, the game's vorlen.js and vorlen.wasm,
// events.js written from the event kinds of events.h and the hardware keys of keys.h, the icons
// and the manifest's screenshot when they exist, sw.js, and files-STAMP.json, the list of the
// build's files with the size and SHA-256 digest of each, against which the service worker checks
// every download. Every file carries the build's stamp, made from their content: the page and
// the scripts in place of @VORLEN_BUILD@, vorlen.js as a variable at its end, vorlen.wasm as a
// custom section, so a page, a worker or the service worker can tell files of two builds apart.
//   node site.mjs SITE BIN ICONS SCREENSHOT
import fs from "node:fs";
import path from "node:path";
import crypto from "node:crypto";
import { fileURLToPath } from "node:url";

const [SITE, BIN, ICONS, SCREENSHOT] = process.argv.slice(2);
const HERE = path.dirname(fileURLToPath(import.meta.url));
const SOURCE = path.join(HERE, "site");
const PLACEHOLDER = /@VORLEN_BUILD@/g;
const STAMP_LENGTH = 12;
const WASM_SECTION = "vorlen-build";  // worker.js reads the same name
const ICON_FILES = { "vorlen-192.png": { sizes: "192x192" }, "vorlen-512.png": { sizes: "512x512" },
                     "vorlen-maskable-512.png": { sizes: "512x512", purpose: "maskable" } };
const TOUCH_ICON = "vorlen-touch-180.png";

// The event kinds' names and numbers from the header's KIND(NAME, number) lines.
function eventKinds() {
  const header = fs.readFileSync(path.join(HERE, "events.h"), "utf8");
  const kinds = {};
  for (const [, name, number] of header.matchAll(/KIND\((\w+), (\d+)\)/g)) kinds[name] = Number(number);
  if (!Object.keys(kinds).length) throw new Error("no event kinds in events.h");
  return kinds;
}

// The page's key codes of the hardware keys, from the KEY(name, code, host) lines of the keys' table.
function hardwareKeys() {
  const header = fs.readFileSync(path.join(HERE, "../common/keys.h"), "utf8");
  const keys = [...header.matchAll(/KEY\((\w+), \w+, (0x[0-9A-Fa-f]+)\)/g)].map(([, , host]) => Number(host));
  if (!keys.length) throw new Error("no hardware keys in keys.h");
  return keys;
}

// An unsigned LEB128 number, as WebAssembly writes sizes.
function leb128(value) {
  const bytes = [];
  do {
    let byte = value & 0x7f;
    value >>>= 7;
    if (value) byte |= 0x80;
    bytes.push(byte);
  } while (value);
  return Buffer.from(bytes);
}

// A WebAssembly custom section named name holding text.
function customSection(name, text) {
  const payload = Buffer.concat([leb128(name.length), Buffer.from(name), Buffer.from(text)]);
  return Buffer.concat([Buffer.from([0]), leb128(payload.length), payload]);
}

// A PNG file's width and height, from its header.
function pngSize(file) {
  const bytes = fs.readFileSync(file);
  return `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`;
}

// name -> bytes of every file but sw.js and the list, as they are before stamping.
function gather() {
  const files = new Map();
  for (const name of ["index.html", "notice.js", "start.js", "single.js", "kept.js", "channel.js", "device.js", "worker.js",
                      "manifest.webmanifest"])
    files.set(name, fs.readFileSync(path.join(SOURCE, name)));
  files.set("events.js", Buffer.from(
    "// Written by the site's build from platform/web/events.h and platform/common/keys.h: the kinds of\n" +
    "// event the page sends the game, and the page's key codes of the hardware keys.\n" +
    `"use strict";\nconst VorlenEvents = Object.freeze(${JSON.stringify(eventKinds())});\n` +
    `const VorlenHardwareKeys = Object.freeze(${JSON.stringify(hardwareKeys())});\n` +
    "const vorlenEventsBuild = \"@VORLEN_BUILD@\";\n"));
  for (const name of ["vorlen.js", "vorlen.wasm"]) files.set(name, fs.readFileSync(path.join(BIN, name)));
  for (const name of [...Object.keys(ICON_FILES), TOUCH_ICON])
    if (fs.existsSync(path.join(ICONS, name))) files.set(`icons/${name}`, fs.readFileSync(path.join(ICONS, name)));
  if (fs.existsSync(SCREENSHOT)) files.set("screenshots/phone.png", fs.readFileSync(SCREENSHOT));
  return files;
}

// The manifest with the icons and the screenshot this site has.
function manifest(template, files) {
  const m = JSON.parse(template);
  m.icons = Object.entries(ICON_FILES).filter(([name]) => files.has(`icons/${name}`))
    .map(([name, info]) => ({ src: `icons/${name}`, type: "image/png", ...info }));
  if (files.has("screenshots/phone.png"))
    m.screenshots = [{ src: "screenshots/phone.png", sizes: pngSize(SCREENSHOT), type: "image/png",
                       form_factor: "narrow", label: "A new game on a phone, after e2-e4 and the computer's answer" }];
  return Buffer.from(JSON.stringify(m, null, 2) + "\n");
}

// name -> { size, sha256 } of every file the service worker keeps, sorted by name.
function fileList(files) {
  const list = {};
  for (const name of [...files.keys()].sort())
    list[name] = { size: files.get(name).length, sha256: crypto.createHash("sha256").update(files.get(name)).digest("hex") };
  return list;
}

const files = gather();
const hash = crypto.createHash("sha256");
for (const [name, bytes] of [...files].sort(([a], [b]) => (a < b ? -1 : 1))) hash.update(name).update(bytes);
const stamp = hash.digest("hex").slice(0, STAMP_LENGTH);

files.set("manifest.webmanifest", manifest(files.get("manifest.webmanifest"), files));
for (const [name, bytes] of files)
  if (/\.(html|js)$/.test(name) && name !== "vorlen.js") files.set(name, Buffer.from(bytes.toString().replace(PLACEHOLDER, stamp)));
files.set("vorlen.js", Buffer.concat([files.get("vorlen.js"), Buffer.from(`\nvar vorlenBuild = "${stamp}";\n`)]));
files.set("vorlen.wasm", Buffer.concat([files.get("vorlen.wasm"), customSection(WASM_SECTION, stamp)]));

files.set(`files-${stamp}.json`, Buffer.from(JSON.stringify({ build: stamp, files: fileList(files) }, null, 1) + "\n"));
files.set("sw.js", Buffer.from(fs.readFileSync(path.join(SOURCE, "sw.js"), "utf8").replace(PLACEHOLDER, stamp)));

fs.rmSync(SITE, { recursive: true, force: true });
for (const [name, bytes] of files) {
  fs.mkdirSync(path.dirname(path.join(SITE, name)), { recursive: true });
  fs.writeFileSync(path.join(SITE, name), bytes);
}
console.log(`site ${stamp}: ${files.size} files in ${SITE}`);
