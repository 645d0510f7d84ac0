// SPDX-License-Identifier: MIT
// The page shell: it makes the page work offline and installable. The converter page
// itself is drawn from the same page logic as the desktop, compiled to WebAssembly.
"use strict";

if ("serviceWorker" in navigator) {
  window.addEventListener("load", () => {
    navigator.serviceWorker.register("sw.js").catch((error) => {
      console.warn("Tevrimo works online only:", error);
    });
  });
}

window.addEventListener("DOMContentLoaded", () => {
  const status = document.getElementById("status");
  status.textContent = navigator.onLine ? "Ready." : "Ready, offline.";
  document.body.dataset.ready = "1";
});
