// SPDX-License-Identifier: MIT
// The converter page in headless Chromium, as a user drives it: key scripts give the
// box texts tevrimo-cli replay gives for the same keys; a tab, a flag, the finder, the
// box menu and the clipboard work; axe-core finds no violation at desktop and phone
// widths, light and dark; a 360-pixel phone shows every row and tab without sideways
// scrolling; once loaded, the page works with the network cut.
//   node page_test.mjs SITE_DIR REPLAY_CLI
import { execFileSync } from "node:child_process";
import { readFile } from "node:fs/promises";
import { createRequire } from "node:module";
import { chromium } from "playwright-core";
import { serve } from "./serve.mjs";

const require = createRequire(import.meta.url);
const axeSource = await readFile(require.resolve("axe-core/axe.min.js"), "utf8");
const [site, cli] = process.argv.slice(2);
const server = await serve(site);
const address = server.address;

// Keys as a browser reports them in the four layouts (KeyboardEvent.code, the key's
// place; KeyboardEvent.key, what it typed), and the replay token of the key code the
// desktop gives for the same key: the digit row by place, the rest by character.
const KEYS = [
  ["Digit1", "1", "1"], ["Digit2", "2", "2"], ["Digit5", "5", "5"], ["Digit9", "9", "9"],
  ["Digit0", "0", "0"], ["Digit1", "&", "1"], ["Digit2", "é", "2"], ["Digit0", "à", "0"],
  ["Period", ".", "slash"], ["Comma", ",", "backslash"], ["Slash", ".", "slash"],
  ["Backslash", ",", "backslash"], ["Period", ":", "vk:0xBA"], ["NumpadDecimal", ".", "decimal"],
  ["NumpadDecimal", ",", "decimal"], ["Numpad7", "7", "num7"], ["Numpad7", "Home", "home"],
  ["NumpadAdd", "+", "add"], ["NumpadSubtract", "-", "sub"], ["NumpadMultiply", "*", "mul"],
  ["NumpadDivide", "/", "div"], ["Equal", "=", "plus"], ["Minus", "-", "minus"],
  ["Slash", "-", "minus"], ["Enter", "Enter", "enter"], ["Escape", "Escape", "esc"],
  ["Backspace", "Backspace", "back"], ["ArrowUp", "ArrowUp", "up"], ["ArrowDown", "ArrowDown", "down"],
  ["Tab", "Tab", "tab"], ["Tab", "Tab", "shift+tab", 8], ["KeyE", "e", "e"], ["KeyQ", "a", "a"],
  ["KeyI", "ı", "vk:0xFE"],
];
const KEY_CODES = { Enter: 13, Escape: 27, Backspace: 8, Tab: 9, ArrowUp: 38, ArrowDown: 40, Home: 36 };

// A key-down and key-up as the browser's input pipeline gets them from a keyboard.
async function press(cdp, [code, key, , modifiers = 0]) {
  const event = { code, key, modifiers, windowsVirtualKeyCode: KEY_CODES[key] || 0 };
  if ([...key].length === 1) event.text = key;
  await cdp.send("Input.dispatchKeyEvent", { type: "keyDown", ...event });
  await cdp.send("Input.dispatchKeyEvent", { type: "keyUp", ...event });
}

// Clicks into a box and on a unit button, and their replay tokens.
const CLICKS = Array.from({ length: 14 }, (_, r) => [[`#box-${r}`, `focus:${r}`], [`#unit-${r}`, `button:${r}`]]).flat();

// A small seeded generator, so that a failing script can be played again.
function scriptFor(seed, length) {
  let x = seed * 2654435761 >>> 0;
  const next = () => {
    x ^= x << 13; x >>>= 0; x ^= x >>> 17; x ^= x << 5; x >>>= 0;
    return x;
  };
  // Digits more often than anything else, as people type.
  return Array.from({ length }, () => {
    if (next() % 12 === 0) return CLICKS[next() % CLICKS.length];
    return KEYS[next() % 3 === 0 ? next() % KEYS.length : next() % 11];
  });
}

function replay(category, tokens) {
  const out = execFileSync(cli, ["replay", category, ...tokens], { encoding: "utf8" });
  return out.split("\n").slice(0, -1).map((line) => line.slice(line.indexOf("\t") + 1));
}

const boxTexts = (page) => page.$$eval("input.value", (boxes) => boxes.map((b) => b.value));

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  args: ["--no-sandbox"],
});
let failed = 0;
const check = (ok, what, detail = "") => {
  console.log(`${ok ? "ok" : "FAILED"}: ${what}${ok || !detail ? "" : `\n  ${detail}`}`);
  if (!ok) failed++;
};
try {
  const context = await browser.newContext({ locale: "en-US" });
  await context.grantPermissions(["clipboard-read", "clipboard-write"], { origin: address });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  page.on("pageerror", (error) => check(false, "no script error", error.message));
  const open = async (query) => {
    await page.goto(`${address}?${query}`);
    await page.waitForSelector("body[data-ready]");
  };

  // Key scripts on every page, against the same keys replayed on the command line.
  await open("lang=en");
  const keys = await page.$$eval(".tab", (t) => t.map((b) => b.dataset.key));
  let mismatches = 0;
  for (const [i, key] of keys.entries()) {
    await open(`category=${key}&lang=en`);
    const script = scriptFor(i + 1, 60);
    for (const k of script) {
      if (k.length === 2) await page.click(k[0], { force: true });  // disabled: nothing happens
      else await press(cdp, k);
    }
    const got = await boxTexts(page);
    const tokens = script.map((k) => k[k.length === 2 ? 1 : 2]);
    const want = replay(key, tokens);
    if (JSON.stringify(got) !== JSON.stringify(want)) {
      mismatches++;
      console.log(`  ${key}: ${tokens.join(" ")}\n  page   ${got.join("|")}\n  replay ${want.join("|")}`);
    }
  }
  check(mismatches === 0, `key scripts on all ${keys.length} pages give replay's box texts`);

  // A tab, a flag.
  await open("category=length&lang=en");
  await page.click("#tab-5");
  check(await page.getAttribute("#tab-5", "aria-selected") === "true" &&
        await page.evaluate(() => document.activeElement.id) === "box-0",
        "a tab shows its page with the focus in its first box");
  await page.keyboard.type("2");
  check((await boxTexts(page))[0] === "2", "keys reach the page shown");
  await page.click("#flag-2");
  check(await page.evaluate(() => document.documentElement.lang) === "de" &&
        await page.getAttribute("#flag-2", "aria-pressed") === "true",
        "a flag shows the page in its language");
  await page.keyboard.press("Alt+Digit4");
  check(await page.evaluate(() => document.documentElement.lang) === "fr", "Alt+4 is the fourth flag");

  // The finder: a name, Enter, the unit's box.
  await open("category=length&lang=en");
  await page.keyboard.press("Alt+KeyG");
  await page.waitForSelector("#finder[open]");
  await page.keyboard.type("psi");
  await page.keyboard.press("Enter");
  const found = await page.evaluate(() => ({
    tab: document.querySelector(".tab[aria-selected=true]").dataset.key,
    box: document.activeElement.getAttribute("aria-label"),
    open: document.getElementById("finder").open,
  }));
  check(found.tab === "pressure" && found.box.startsWith("PSI") && !found.open, "the finder goes to the unit it names",
        JSON.stringify(found));

  // Copy row, Copy page, Paste number, through the box menu and the buttons.
  await open("category=length&lang=en");
  await page.keyboard.type("12.5");
  await page.click("#act-copy-row");
  const clip = () => page.evaluate(() => navigator.clipboard.readText());
  await page.waitForFunction(() => navigator.clipboard.readText().then((t) => t.length > 0));
  check(await clip() === "meter\t12.5", "Copy row copies caption and value");
  await page.click("#box-3", { button: "right" });
  check(await page.isVisible("#menu"), "a right click opens the box menu");
  await page.click("#menu-copy-page");
  await page.waitForFunction(() => navigator.clipboard.readText().then((t) => t.includes("\n")));
  const rows = (await clip()).split("\n").filter(Boolean);
  check(rows.length === 12 && rows[3] === "foot\t41.0105", "Copy page copies every unit row", rows.join("|"));
  await page.evaluate(() => navigator.clipboard.writeText(" 42\n"));
  await page.click("#box-2");
  await page.click("#act-paste");
  await page.waitForFunction(() => document.getElementById("box-2").value === "42");
  check((await boxTexts(page))[0] === "0.42", "Paste number enters the clipboard's number");
  await page.evaluate(() => navigator.clipboard.writeText("7"));
  await page.click("#box-0");
  await page.keyboard.press("Control+KeyV");
  await page.waitForFunction(() => document.getElementById("box-0").value === "7");
  check(true, "Ctrl+V pastes a number");
  await cdp.send("Input.insertText", { text: "5,2" });  // a phone's keyboard names no key
  check((await boxTexts(page))[0] === "75.2", "text typed without keys goes key by key to the page");
  await page.keyboard.press("Shift+F10");
  check(await page.evaluate(() => document.activeElement.id) === "menu-copy-row",
        "Shift+F10 opens the box menu on its first item that can be used");
  await page.keyboard.press("Escape");
  check(await page.evaluate(() => document.activeElement.id) === "box-0" && await page.isHidden("#menu"),
        "Esc closes the menu, the focus back in the box");
  await page.evaluate(() => navigator.clipboard.writeText("12 apples"));
  await page.click("#act-paste");
  await page.waitForSelector("#note:not([hidden])");
  check((await boxTexts(page))[0] === "75.2", "a clipboard without a number changes nothing, with a note");

  // Axe at desktop and phone widths, light and dark; a phone needs no sideways scrolling.
  for (const scheme of ["light", "dark"]) {
    await page.emulateMedia({ colorScheme: scheme });
    for (const [width, height, query] of [[1024, 768, "category=length"], [360, 740, "category=vacuum"]]) {
      await page.setViewportSize({ width, height });
      await open(`${query}&lang=tr`);
      await page.addScriptTag({ content: axeSource });
      const result = await page.evaluate(() => window.axe.run());
      for (const v of result.violations) console.log(`  ${v.id}: ${v.help} (${v.nodes.map((n) => n.target).join(" ")})`);
      check(result.violations.length === 0, `axe-core finds no violation at ${width} pixels, ${scheme}`);
    }
  }
  const axe = async (what) => {
    await page.addScriptTag({ content: axeSource });
    const result = await page.evaluate(() => window.axe.run());
    for (const v of result.violations) console.log(`  ${v.id}: ${v.help} (${v.nodes.map((n) => n.target).join(" ")})`);
    check(result.violations.length === 0, `axe-core finds no violation ${what}`);
  };
  await page.keyboard.press("Shift+F10");
  await axe("with the box menu open");
  await page.keyboard.press("Escape");
  await page.keyboard.press("Alt+KeyG");
  await page.keyboard.type("ba");
  await axe("with the finder open and its list shown");
  await page.keyboard.press("Escape");
  const fits = await page.evaluate(() => ({
    scroll: document.scrollingElement.scrollWidth,
    outside: [...document.querySelectorAll(".tab, .unit, .value, .flag")]
      .filter((e) => e.getBoundingClientRect().right > window.innerWidth + 0.5).map((e) => e.id),
  }));
  check(fits.scroll <= 360 && fits.outside.length === 0, "every tab and row fits a 360-pixel phone", JSON.stringify(fits));

  // Offline, once the service worker has cached the page.
  await page.setViewportSize({ width: 1024, height: 768 });
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await open("category=temperature&lang=en");
  await page.keyboard.type("100");
  check((await boxTexts(page))[1] === "-173.15", "offline the page loads and converts");
  const manifest = await page.evaluate(async () => (await fetch("manifest.webmanifest")).ok);
  check(manifest, "its manifest comes from the cache offline");
  // (The test's browser context is an incognito one: that alone is not the page's.)
  const installabilityErrors = (await cdp.send("Page.getInstallabilityErrors")).installabilityErrors
    .filter((e) => e.errorId !== "in-incognito");
  check(installabilityErrors.length === 0, "the browser can install it as an app",
        JSON.stringify(installabilityErrors));
} finally {
  await browser.close();
  server.close();
}
console.log(`browser: ${failed === 0 ? "all passed" : `${failed} failed`}`);
process.exit(failed === 0 ? 0 : 1);
