// SPDX-License-Identifier: MIT
// The page's renderer. The converter itself (the pages, their keys, calculator and
// conversions, the finder's search, every word shown) is the desktop's C++ core, compiled
// to WebAssembly (tevrimo-page.js); this file sends it the browser's events and draws
// the picture each one answers with, as the desktop draws PageState with Qt widgets.
"use strict";

const ROWS = 14;
const STORE = "tevrimo";

const $ = (id) => document.getElementById(id);
const bit = (rows, r) => ((rows >> r) & 1) === 1;

if ("serviceWorker" in navigator) {
  window.addEventListener("load", () => {
    navigator.serviceWorker.register("sw.js").catch((error) => {
      console.warn("Tevrimo works online only:", error);
    });
  });
}

class Converter {
  constructor(module) {
    const fn = (name, args) => module.cwrap(name, "string", args);
    const num = (name, args) => module.cwrap(name, "number", args);
    this.core = {
      open: fn("tv_open", ["number", "number", "string"]),
      key: fn("tv_key", ["string", "string", "number"]),
      type: fn("tv_type", ["string"]),
      focusBox: fn("tv_focus_box", ["number"]),
      focusButton: fn("tv_focus_button", ["number"]),
      clickButton: fn("tv_click_button", ["number"]),
      clickFlag: fn("tv_click_flag", ["number"]),
      clickBackground: fn("tv_click_background", []),
      showTab: fn("tv_show_tab", ["number"]),
      showUnit: fn("tv_show_unit", ["number", "number"]),
      paste: fn("tv_paste", ["number", "string"]),
      copyRow: fn("tv_copy_row", ["number"]),
      copyPage: fn("tv_copy_page", []),
      words: fn("tv_words", []),
      tabs: fn("tv_tabs", []),
      categoryNames: fn("tv_category_names", ["number"]),
      complete: fn("tv_complete", ["string"]),
      resolve: fn("tv_resolve", ["string"]),
      findCategory: num("tv_find_category", ["string"]),
      languageOfCode: num("tv_language_of_code", ["string"]),
      languageOfLocale: num("tv_language_of_locale", ["string"]),
    };
    this.state = null;
    this.words = null;
    this.tab = -1;
    this.rendering = false;
    this.menuRow = -1;
    this.buildTabs();
    this.buildPage();
    this.buildMenu();
    this.buildFinder();
    const { tab, language } = this.startPlace();
    this.draw(this.core.open(tab, language, navigator.language || ""));
  }

  // The tab and language to open with: a link's ?category= and ?lang=, else the last
  // ones used here, else the first tab in the browser's language.
  startPlace() {
    let stored = {};
    try {
      stored = JSON.parse(localStorage.getItem(STORE) || "{}") || {};
    } catch {
      stored = {};
    }
    const query = new URLSearchParams(location.search);
    let tab = query.has("category") ? this.core.findCategory(query.get("category")) : -1;
    if (tab < 0) tab = Number.isInteger(stored.tab) ? stored.tab : 0;
    let language = query.has("lang") ? this.core.languageOfCode(query.get("lang")) : -1;
    if (language < 0) {
      language = Number.isInteger(stored.language)
        ? stored.language
        : this.core.languageOfLocale(navigator.language || "");
    }
    return { tab, language };
  }

  remember() {
    try {
      localStorage.setItem(STORE, JSON.stringify({ tab: this.tab, language: this.state.language }));
    } catch {
      // Storage may be off (a private window): the page works without it.
    }
  }

  buildTabs() {
    const strip = $("tabs");
    const { tabs, languages } = JSON.parse(this.core.tabs());
    this.languages = languages;
    this.tabButtons = tabs.map((tab, i) => {
      const b = document.createElement("button");
      b.type = "button";
      b.id = `tab-${i}`;
      b.className = "tab";
      b.setAttribute("role", "tab");
      b.setAttribute("aria-controls", "page");
      b.textContent = tab.caption;
      b.lang = "tr";  // the tabs are Turkish in every language
      b.dataset.key = tab.key;
      b.addEventListener("click", () => this.draw(this.core.showTab(i)));
      strip.append(b);
      return b;
    });
    // The tab strip's own keys, as any tab strip has them.
    strip.addEventListener("keydown", (e) => {
      const moves = { ArrowRight: 1, ArrowLeft: -1, Home: "first", End: "last" };
      if (!(e.key in moves) || e.altKey || e.ctrlKey) return;
      e.preventDefault();
      const count = this.tabButtons.length;
      const move = moves[e.key];
      const next = move === "first" ? 0 : move === "last" ? count - 1 : (this.tab + move + count) % count;
      this.draw(this.core.showTab(next));
      this.tabButtons[next].focus();
    });
  }

  buildPage() {
    const rows = $("rows");
    this.rows = [];
    for (let r = 0; r < ROWS; ++r) {
      const row = document.createElement("div");
      row.className = "row";
      const quantity = document.createElement("label");
      quantity.className = "quantity";
      quantity.id = `quantity-${r}`;
      quantity.htmlFor = `box-${r}`;
      quantity.lang = "tr";  // as the vacuum page's template has them
      const button = document.createElement("button");
      button.type = "button";
      button.className = "unit";
      button.id = `unit-${r}`;
      const box = document.createElement("input");
      box.className = "value";
      box.id = `box-${r}`;
      box.type = "text";
      box.inputMode = "decimal";
      box.autocomplete = "off";
      box.spellcheck = false;
      box.setAttribute("autocapitalize", "off");
      row.append(quantity, button, box);
      rows.append(row);
      this.rows.push({ row, quantity, button, box });

      button.addEventListener("click", () => this.draw(this.core.clickButton(r)));
      box.addEventListener("paste", (e) => {
        e.preventDefault();
        this.paste(r, e.clipboardData ? e.clipboardData.getData("text/plain") : "");
      });
      // A phone's keyboard names no key: its text comes here, and every change of the
      // box's text is the page's, never the browser's.
      box.addEventListener("beforeinput", (e) => {
        e.preventDefault();
        if (e.inputType === "insertText" && e.data) this.draw(this.core.type(e.data));
        else if (e.inputType === "deleteContentBackward") this.draw(this.core.key("", "Backspace", 0));
        else if (e.inputType === "insertLineBreak") this.draw(this.core.key("", "Enter", 0));
      });
      box.addEventListener("contextmenu", (e) => {
        e.preventDefault();
        this.openMenu(r, e.clientX, e.clientY);
      });
      box.addEventListener("dblclick", () => box.select());  // the whole number, not a word of it
    }
    const page = $("page");
    page.addEventListener("focusin", (e) => this.focusMoved(e.target));
    page.addEventListener("keydown", (e) => this.keyDown(e));
    $("sheet").addEventListener("mousedown", (e) => {
      if (e.button !== 0 || e.target.closest("button, input, label")) return;
      this.draw(this.core.clickBackground());
    });
    this.flags = [];
    for (let k = 0; k < this.languages.length; ++k) {
      const flag = document.createElement("button");
      flag.type = "button";
      flag.className = "flag";
      flag.id = `flag-${k}`;
      flag.tabIndex = -1;  // Alt+1 to Alt+4 from the keyboard, as on the desktop
      const img = document.createElement("img");
      img.alt = this.languages[k].name;
      img.width = 47;
      img.height = 28;
      flag.append(img);
      flag.addEventListener("mousedown", (e) => e.preventDefault());  // the focus stays
      flag.addEventListener("click", () => this.draw(this.core.clickFlag(k)));
      $("flags").append(flag);
      this.flags.push({ flag, img });
    }
    // The actions of the box menu, within reach of a finger.
    const actions = [
      ["act-paste", () => this.pasteFromClipboard(this.focusRow())],
      ["act-copy-row", () => this.copy(this.core.copyRow(this.focusRow()))],
      ["act-copy-page", () => this.copy(this.core.copyPage())],
      ["act-find", () => this.openFinder()],
    ];
    for (const [id, act] of actions) {
      $(id).addEventListener("mousedown", (e) => e.preventDefault());
      $(id).addEventListener("click", act);
    }
    document.addEventListener("keydown", (e) => this.windowKey(e));
  }

  // The row of the focused box, or the first row.
  focusRow() {
    const f = this.state.focus;
    return f.kind === "none" ? 0 : f.row;
  }

  control(focus) {
    if (focus.kind === "box") return this.rows[focus.row].box;
    if (focus.kind === "button") return this.rows[focus.row].button;
    return null;
  }

  // The browser moved the focus to a control (a click, a tap): the page learns it.
  focusMoved(target) {
    if (this.rendering) return;
    const r = this.rows.findIndex((x) => x.box === target || x.button === target);
    if (r < 0) return;
    const kind = this.rows[r].box === target ? "box" : "button";
    const f = this.state.focus;
    if (f.kind === kind && f.row === r) return;
    this.draw(kind === "box" ? this.core.focusBox(r) : this.core.focusButton(r));
  }

  keyDown(e) {
    if (e.isComposing || e.altKey || e.metaKey) return;  // Alt: the window's keys
    if (!this.control(this.state.focus) || !e.target.closest(".row")) return;
    if ((e.key === "F10" && e.shiftKey) || e.key === "ContextMenu") {
      e.preventDefault();
      const box = this.rows[this.focusRow()].box.getBoundingClientRect();
      this.openMenu(this.focusRow(), box.left, box.bottom);
      return;
    }
    if (e.key === "F10") return;  // the page never sees F10
    // Ctrl+V is the browser's way to paste, and a browser may not let the menu read the
    // clipboard: the box's paste event then does Paste number.
    if (e.ctrlKey && !e.shiftKey && e.key.toLowerCase() === "v") return;
    const picture = JSON.parse(this.core.key(e.code, e.key, (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0)));
    if (picture.consumed) e.preventDefault();
    this.render(picture);
  }

  // The window's keys: the next or previous tab, a language, the finder.
  windowKey(e) {
    if (!e.altKey || e.ctrlKey || e.metaKey || $("finder").open) return;
    let picture = null;
    if (e.key === "PageDown" || e.key === "PageUp") {
      const step = e.key === "PageDown" ? 1 : this.tabButtons.length - 1;
      picture = this.core.showTab((this.tab + step) % this.tabButtons.length);
    } else if (/^Digit[1-9]$/.test(e.code) && Number(e.code.slice(5)) <= this.languages.length) {
      picture = this.core.clickFlag(Number(e.code.slice(5)) - 1);  // the flags, top down
    } else if (e.code === "KeyG") {
      e.preventDefault();
      this.openFinder();
      return;
    } else {
      return;
    }
    e.preventDefault();
    this.draw(picture);
  }

  draw(json) {
    this.render(JSON.parse(json));
  }

  render(picture) {
    const first = this.state === null;
    const s = picture.state;
    const c = picture.changes;
    this.state = s;
    this.rendering = true;
    try {
      if (picture.tab !== this.tab) this.showTab(picture);
      if (c.language || first) this.showWords();
      for (let r = 0; r < ROWS; ++r) {
        if (bit(c.captions, r)) this.rows[r].button.textContent = s.captions[r];
      }
      if (c.captions || c.language) this.nameRows();
      if (c.flags) {
        this.flags.forEach(({ flag, img }, k) => {
          const picture = `icons/flag_${this.languages[k].flag}${s.flags[k] ? "" : "_off"}`;
          img.src = `${picture}.png`;
          img.srcset = `${picture}.png 1x, ${picture}@2x.png 2x`;
          flag.setAttribute("aria-pressed", String(s.language === k));
        });
      }
      for (let r = 0; r < ROWS; ++r) {
        const { button, box } = this.rows[r];
        if (bit(c.readOnly, r)) box.readOnly = s.readOnly[r];
        if (bit(c.enabled, r)) button.disabled = !s.enabled[r];
        if (bit(c.texts, r) && box.value !== s.texts[r]) box.value = s.texts[r];
      }
      // Every write before the focus and the caret, which have the browser lay the page out.
      if (c.focus || c.language) this.describeFocus();
      const control = this.control(s.focus);
      if (control && (c.focus || (c.enabled && document.activeElement !== control))) {
        control.focus();
        if (c.byTab && control.tagName === "INPUT") control.select();
      }
      if (c.caret >= 0 && document.activeElement && document.activeElement.classList.contains("value")) {
        document.activeElement.setSelectionRange(c.caret, c.caret);
      }
    } finally {
      this.rendering = false;
    }
    if (c.language || picture.tab !== this.lastStoredTab) {
      this.lastStoredTab = picture.tab;
      this.remember();
    }
  }

  showTab(picture) {
    this.tab = picture.tab;
    this.tabButtons.forEach((b, i) => {
      b.setAttribute("aria-selected", String(i === this.tab));
      b.tabIndex = i === this.tab ? 0 : -1;
    });
    this.tabButtons[this.tab].scrollIntoView({ block: "nearest", inline: "nearest" });
    $("page").setAttribute("aria-labelledby", `tab-${this.tab}`);
    $("sheet").classList.toggle("vacuum", picture.vacuum);
    this.rows.forEach(({ box }) => {
      box.value = "";
    });
  }

  // The words of the shown page in its language.
  showWords() {
    const w = (this.words = JSON.parse(this.core.words()));
    document.documentElement.lang = w.code;
    $("page-name").textContent = w.name;
    $("legend-title").textContent = w.words.keys;
    $("legend").textContent = w.legend;
    $("sheet").title = w.legend;
    this.nameTabs();
    const plain = (text) => text.split("\t")[0].replace(/&(.)/g, "$1");
    $("act-paste").textContent = plain(w.words.pasteNumber);
    $("act-copy-row").textContent = plain(w.words.copyRow);
    $("act-copy-page").textContent = plain(w.words.copyPage);
    $("act-find").textContent = plain(w.words.findUnit);
    for (const [id, word] of [["menu-copy", "copy"], ["menu-copy-row", "copyRow"], ["menu-copy-page", "copyPage"],
      ["menu-paste", "pasteNumber"], ["menu-select-all", "selectAll"], ["menu-find", "findUnit"]]) {
      $(id).textContent = plain(w.words[word]);
    }
    $("finder-prompt").textContent = w.words.finderPrompt;
    $("finder-input").placeholder = w.words.finderHint;
    $("finder-list").setAttribute("aria-label", w.words.finderList);
    $("finder-help").textContent = w.words.finderHelp;
    this.rows.forEach(({ row, button, box }, r) => {
      const about = w.definitions[r];
      button.title = about;
      box.title = about;
      row.classList.toggle("empty", about === "");
    });
  }

  // Each tab's tooltip: what its category holds, in the page's language. The names
  // take every category's table, built once the page is up.
  nameTabs() {
    const name = () => {
      const names = JSON.parse(this.core.categoryNames(this.words.language));
      this.tabButtons.forEach((b, i) => {
        b.title = names[i];
      });
    };
    if (this.tabsNamed) name();
    else {
      this.tabsNamed = true;
      (window.requestIdleCallback || setTimeout)(name);
    }
  }

  // Each box and button named for assistive technology: its unit, or "no unit"; on the
  // vacuum page with the quantity its label shows.
  nameRows() {
    const w = this.words;
    this.rows.forEach(({ button, box, quantity }, r) => {
      const unit = this.state.captions[r].trim() || w.words.noUnit;
      button.setAttribute("aria-label", unit);
      const q = w.quantities[r];
      box.setAttribute("aria-label", q ? `${q} ${unit}` : unit);
      quantity.textContent = r % 2 === 0 && q ? q : "";
    });
  }

  describeFocus() {
    const f = this.state.focus;
    $("about").textContent = f.kind === "none" ? "" : this.words.definitions[f.row];
  }

  showNote(text) {
    const note = $("note");
    note.textContent = text;
    note.hidden = false;
    clearTimeout(this.noteTimer);
    this.noteTimer = setTimeout(() => {
      note.hidden = true;
    }, 6000);
  }

  paste(row, text) {
    const picture = JSON.parse(this.core.paste(row, text));
    this.render(picture);
    if (!picture.pasted && !this.state.readOnly[row]) this.showNote(this.words.words.noNumber);
  }

  async pasteFromClipboard(row) {
    if (this.state.readOnly[row]) return;
    let text;
    try {
      text = await navigator.clipboard.readText();
    } catch {
      this.showNote(this.words.words.noClipboard);
      return;
    }
    this.paste(row, text);
  }

  async copy(text) {
    try {
      await navigator.clipboard.writeText(text);
    } catch (error) {
      console.warn("Tevrimo could not copy:", error);
    }
  }

  buildMenu() {
    const menu = $("menu");
    const items = {
      "menu-copy": () => {
        const box = this.rows[this.menuRow].box;
        this.copy(box.value.slice(box.selectionStart, box.selectionEnd));
      },
      "menu-copy-row": () => this.copy(this.core.copyRow(this.menuRow)),
      "menu-copy-page": () => this.copy(this.core.copyPage()),
      "menu-paste": () => this.pasteFromClipboard(this.menuRow),
      "menu-select-all": () => this.rows[this.menuRow].box.select(),
      "menu-find": () => this.openFinder(),
    };
    for (const [id, act] of Object.entries(items)) {
      $(id).addEventListener("click", () => {
        this.closeMenu(id !== "menu-find");
        act();
      });
    }
    menu.addEventListener("keydown", (e) => {
      const enabled = [...menu.querySelectorAll("[role=menuitem]:not([disabled])")];
      const i = enabled.indexOf(document.activeElement);
      if (e.key === "Escape" || e.key === "Tab") {
        e.preventDefault();
        this.closeMenu(true);
      } else if (e.key === "ArrowDown" || e.key === "ArrowUp") {
        e.preventDefault();
        const step = e.key === "ArrowDown" ? 1 : enabled.length - 1;
        enabled[(i + step) % enabled.length].focus();
      }
    });
    document.addEventListener("mousedown", (e) => {
      if (!menu.hidden && !menu.contains(e.target)) this.closeMenu(false);
    });
  }

  openMenu(row, x, y) {
    this.menuRow = row;
    const box = this.rows[row].box;
    const canPaste = !this.state.readOnly[row];
    $("menu-copy").disabled = box.selectionStart === box.selectionEnd;
    $("menu-copy-row").disabled = this.words.definitions[row] === "";
    $("menu-paste").disabled = !canPaste;
    $("menu-select-all").disabled = this.state.texts[row] === "";
    const menu = $("menu");
    menu.hidden = false;
    const width = menu.offsetWidth;
    const height = menu.offsetHeight;
    menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - width))}px`;
    menu.style.top = `${Math.max(0, y + height > window.innerHeight ? y - height : y)}px`;
    menu.querySelector("[role=menuitem]:not([disabled])").focus();
  }

  closeMenu(refocus) {
    $("menu").hidden = true;
    if (refocus) this.control(this.state.focus)?.focus();
  }

  buildFinder() {
    const finder = $("finder");
    const input = $("finder-input");
    const list = $("finder-list");
    input.addEventListener("input", () => this.showHits(JSON.parse(this.core.complete(input.value.trim()))));
    input.addEventListener("keydown", (e) => {
      if (e.key === "Enter") {
        e.preventDefault();
        const name = input.value.trim();
        if (!name) return;
        const found = JSON.parse(this.core.resolve(name));
        if (found.chosen) this.choose(found.hits[0]);
        else this.showHits(found);
      } else if (e.key === "ArrowDown" && list.firstElementChild) {
        e.preventDefault();
        list.firstElementChild.focus();
      }
    });
    list.addEventListener("keydown", (e) => {
      const item = document.activeElement;
      if (e.key === "Enter" && item.hit) {
        e.preventDefault();
        this.choose(item.hit);
      } else if (e.key === "ArrowDown" && item.nextElementSibling) {
        e.preventDefault();
        item.nextElementSibling.focus();
      } else if (e.key === "ArrowUp") {
        e.preventDefault();
        (item.previousElementSibling || input).focus();
      }
    });
    finder.addEventListener("close", () => {
      if (!this.chosen) this.control(this.state.focus)?.focus();
    });
    finder.addEventListener("mousedown", (e) => {
      if (e.target === finder) finder.close();  // a press outside its frame
    });
  }

  openFinder() {
    this.chosen = false;
    const input = $("finder-input");
    input.value = "";
    this.showHits({ status: "", hits: [] });
    $("finder").showModal();
    input.focus();
  }

  showHits(found) {
    const list = $("finder-list");
    list.replaceChildren(...found.hits.map((hit) => {
      const li = document.createElement("li");
      li.setAttribute("role", "option");
      li.tabIndex = -1;
      li.textContent = hit.label;
      li.hit = hit;
      li.addEventListener("click", () => this.choose(hit));
      return li;
    }));
    list.hidden = found.hits.length === 0;
    $("finder-status").textContent = found.status;
  }

  choose(hit) {
    this.chosen = true;
    $("finder").close();
    this.draw(this.core.showUnit(hit.tab, hit.row));
  }
}

// The module compiles while the page is still being read.
const loading = typeof window.TevrimoModule === "function"
  ? new Promise((resolve, reject) => {
    // The module compiled ahead (index.html), instantiated with the imports it asks for.
    const instantiateWasm = (imports, receive) => {
      window.tevrimoWasm
        .then((compiled) => WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled)))
        .catch(reject);
      return {};
    };
    window.TevrimoModule({ instantiateWasm }).then(resolve, reject);
  })
  : Promise.reject(new Error("tevrimo-page.js did not load"));
loading.catch(() => {});  // reported once the page is there

window.addEventListener("DOMContentLoaded", async () => {
  const status = $("status");
  try {
    const module = await loading;
    performance.mark("tevrimo-module");
    window.tevrimo = new Converter(module);
    status.textContent = "";
    document.body.dataset.ready = "1";
    window.tevrimoReadyAt = performance.now();  // for the start-up benchmark
  } catch (error) {
    status.textContent = `Tevrimo could not start: ${error}`;
    throw error;
  }
});
