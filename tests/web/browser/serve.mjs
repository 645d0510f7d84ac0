// SPDX-License-Identifier: MIT
// The built site on a local HTTP server of its own, on a free port, for the browser
// tests and benchmarks: serve(SITE_DIR) gives { address, close() }.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";

const TYPES = {
  ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".svg": "image/svg+xml",
  ".png": "image/png", ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
};

export async function serve(site) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    try {
      const body = await readFile(join(site, path.endsWith("/") ? path + "index.html" : path));
      response.writeHead(200, { "Content-Type": TYPES[extname(path)] || "text/html" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { address: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}
