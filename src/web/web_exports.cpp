// SPDX-License-Identifier: MIT
// What the web page calls in the WebAssembly module: one converter (WebFront) per page,
// strings in as UTF-8, JSON and texts out. A returned text stays valid until the next
// call.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "web_front.h"

namespace {

std::unique_ptr<tevrimo::WebFront> g_front;
std::string g_text;

tevrimo::WebFront& Front() {
    if (!g_front) g_front = std::make_unique<tevrimo::WebFront>(0, tevrimo::kTurkish, "");
    return *g_front;
}

const char* Out(std::string text) {
    g_text = std::move(text);
    return g_text.c_str();
}

tevrimo::Modifiers ModifiersOf(int bits) {
    return {.shift = (bits & 1) != 0, .ctrl = (bits & 2) != 0, .alt = (bits & 4) != 0};
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* tv_open(int tab, int language, const char* locale) {
    g_front = std::make_unique<tevrimo::WebFront>(tab, language, locale);
    return g_front->Start().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_key(const char* code, const char* key, int modifiers) {
    return Front().Key(code, key, ModifiersOf(modifiers)).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_type(const char* text) {
    return Front().Type(text).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_focus_box(int row) {
    return Front().FocusBox(row).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_focus_button(int row) {
    return Front().FocusButton(row).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_click_button(int row) {
    return Front().ClickButton(row).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_click_flag(int flag) {
    return Front().ClickFlag(flag).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_click_background() {
    return Front().ClickBackground().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_show_tab(int tab) {
    return Front().ShowTab(tab).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_show_unit(int tab, int row) {
    return Front().ShowUnit(tab, row).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_paste(int row, const char* clipboard) {
    return Front().Paste(row, clipboard).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tv_copy_row(int row) {
    return Out(Front().CopyRow(row));
}

EMSCRIPTEN_KEEPALIVE const char* tv_copy_page() {
    return Out(Front().CopyPage());
}

EMSCRIPTEN_KEEPALIVE const char* tv_words() {
    return Out(Front().Words());
}

EMSCRIPTEN_KEEPALIVE const char* tv_tabs() {
    return Out(tevrimo::WebFront::Tabs());
}

EMSCRIPTEN_KEEPALIVE const char* tv_category_names(int language) {
    return Out(tevrimo::WebFront::CategoryNames(language));
}

EMSCRIPTEN_KEEPALIVE const char* tv_complete(const char* text) {
    return Out(Front().Complete(text));
}

EMSCRIPTEN_KEEPALIVE const char* tv_resolve(const char* text) {
    return Out(Front().Resolve(text));
}

EMSCRIPTEN_KEEPALIVE int tv_tab() {
    return Front().Tab();
}

EMSCRIPTEN_KEEPALIVE int tv_language() {
    return Front().Language();
}

// The tab of a category key, index or Turkish caption (a link's "?category=pressure"),
// or -1; the language of a code ("de"), or -1.
EMSCRIPTEN_KEEPALIVE int tv_find_category(const char* name) {
    return tevrimo::FindCategoryIndex(name);
}

EMSCRIPTEN_KEEPALIVE int tv_language_of_code(const char* code) {
    return tevrimo::LanguageOfCode(code).value_or(-1);
}

// The language a browser's locale ("de-DE") stands for, English for any other.
EMSCRIPTEN_KEEPALIVE int tv_language_of_locale(const char* locale) {
    return tevrimo::LanguageOfLocale(locale);
}

}  // extern "C"
