// SPDX-License-Identifier: MIT
// The page's speed in headless Chromium (a benchmark, not a test: it prints figures):
//   start-up: from navigation to the first page drawn and ready for keys, on a cold
//             cache (a fresh browser profile each time), from a local server;
//   keystroke: a key-down on a value box until every row is updated and laid out
//             (the page's handler, the WebAssembly page, the DOM writes, a layout).
//   node bench.mjs SITE_DIR [RUNS]
import { chromium } from "playwright-core";
import { serve } from "./serve.mjs";

const [site, runsArg] = process.argv.slice(2);
const runs = Number(runsArg || 9);
const server = await serve(site);
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  args: ["--no-sandbox"],
});
const stats = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  const at = (q) => s[Math.min(s.length - 1, Math.floor(q * s.length))];
  return `median ${at(0.5).toFixed(3)}  p90 ${at(0.9).toFixed(3)}  max ${s[s.length - 1].toFixed(3)}`;
};
try {
  const starts = [];
  for (let i = 0; i < runs; ++i) {
    const context = await browser.newContext({ serviceWorkers: "block" });
    const page = await context.newPage();
    await page.goto(`${server.address}?category=length&lang=en`);
    await page.waitForSelector("body[data-ready]");
    starts.push(await page.evaluate(() => window.tevrimoReadyAt));
    await context.close();
  }
  console.log(`start-up to interactive, cold cache (ms, ${runs} runs): ${stats(starts)}`);

  const context = await browser.newContext();
  const page = await context.newPage();
  for (const category of ["length", "pressure", "vacuum"]) {
    await page.goto(`${server.address}?category=${category}&lang=en`);
    await page.waitForSelector("body[data-ready]");
    const times = await page.evaluate(() => {
      const box = document.activeElement;
      const keys = [["Digit1", "1"], ["Digit2", "2"], ["Period", "."], ["Digit5", "5"], ["NumpadMultiply", "*"],
        ["Digit3", "3"], ["Enter", "Enter"], ["ArrowUp", "ArrowUp"], ["Backspace", "Backspace"], ["Escape", "Escape"]];
      const out = [];
      for (let i = 0; i < 3000; ++i) {
        const [code, key] = keys[i % keys.length];
        const t0 = performance.now();
        box.dispatchEvent(new KeyboardEvent("keydown", { code, key, bubbles: true, cancelable: true }));
        void document.body.offsetHeight;  // the layout the new texts need
        out.push(performance.now() - t0);
      }
      return out.slice(500);  // after the warm-up
    });
    console.log(`keystroke on ${category} (ms, ${times.length} keys): ${stats(times)}`);
  }
} finally {
  await browser.close();
  server.close();
}
