// SPDX-License-Identifier: MIT
// The page in headless Chromium: it loads from a local server, axe-core finds no
// violation (desktop width and a 360-pixel phone), and once the service worker has
// cached it, it loads again with the network cut.
//   node shell_test.mjs SITE_DIR
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { createRequire } from "node:module";
import { extname, join, normalize } from "node:path";
import { chromium } from "playwright-core";

const require = createRequire(import.meta.url);
const axeSource = await readFile(require.resolve("axe-core/axe.min.js"), "utf8");
const site = process.argv[2];
const types = {
  ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".svg": "image/svg+xml",
  ".png": "image/png", ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
};

const server = createServer(async (request, response) => {
  const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
  try {
    const body = await readFile(join(site, path.endsWith("/") ? path + "index.html" : path));
    response.writeHead(200, { "Content-Type": types[extname(path)] || "text/html" });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
const address = `http://127.0.0.1:${server.address().port}/`;

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  args: ["--no-sandbox"],
});
let failed = 0;
const check = (ok, what) => {
  console.log(`${ok ? "ok" : "FAILED"}: ${what}`);
  if (!ok) failed++;
};
try {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(address);
  await page.waitForSelector("body[data-ready]");
  check((await page.title()) === "Tevrimo", "the page loads");

  for (const [width, height] of [[1024, 768], [360, 740]]) {
    await page.setViewportSize({ width, height });
    await page.addScriptTag({ content: axeSource });
    const result = await page.evaluate(() => window.axe.run());
    for (const v of result.violations) console.log(`  ${v.id}: ${v.help} (${v.nodes.length})`);
    check(result.violations.length === 0, `axe-core finds no violation at ${width} pixels`);
  }

  // The worker controls the page once it is active and has claimed it.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector("body[data-ready]");
  check((await page.title()) === "Tevrimo", "the page loads again offline");
  const icon = await page.evaluate(async () => (await fetch("icons/icon_256.png")).ok);
  check(icon, "its icons come from the cache offline");
} finally {
  await browser.close();
  server.close();
}
console.log(`browser: ${failed === 0 ? "all passed" : `${failed} failed`}`);
process.exit(failed === 0 ? 0 : 1);
