// SPDX-License-Identifier: MIT
#include "web_front.h"

#include "browser_keys.h"
#include "json_writer.h"
#include "key_characters.h"
#include "languages.h"
#include "page_words.h"
#include "pumpdown.h"
#include "unit_search.h"
#include "unit_size_text.h"
#include "user_text.h"

namespace tevrimo {

namespace {

// A window that keeps what the page drew since it was last asked: the page may draw
// more than once for one event (a tab's focus, then its language).
class PictureWindow : public PageWindow {
  public:
    void Render(const PageState&, const PageChanges& c) override {
        m_changes.captions |= c.captions;
        m_changes.language |= c.language;
        m_changes.flags |= c.flags;
        m_changes.readOnly |= c.readOnly;
        m_changes.enabled |= c.enabled;
        m_changes.texts |= c.texts;
        if (c.focus) {
            // A caret step before belongs to the control that had the focus.
            m_changes.focus = true;
            m_changes.byTab = c.byTab;
            m_changes.caret = c.caret;
        } else if (c.caret >= 0) {
            m_changes.caret = c.caret;
        }
    }
    PageChanges Take() {
        const PageChanges changes = m_changes;
        m_changes = {};
        return changes;
    }

  private:
    PageChanges m_changes;
};

using Writer = JsonWriter<StringSink>;

template <typename T, typename F>
void WriteArray(Writer& w, std::string_view key, const T& items, F write) {
    w.Key(key).BeginArray();
    for (const auto& item : items) write(item);
    w.EndArray();
}

std::string_view FocusKind(PageFocus focus) {
    switch (focus.kind) {
        case PageFocus::Kind::kBox: return "box";
        case PageFocus::Kind::kButton: return "button";
        case PageFocus::Kind::kNone: break;
    }
    return "none";
}

}  // namespace

struct WebFront::Page {
    PictureWindow window;
    std::unique_ptr<ConversionPage> logic;
};

WebFront::WebFront(int tab, int language, std::string_view locale)
    : m_tab(tab >= 0 && tab < kCategoryCount ? tab : 0),
      m_mark(DecimalMarkOf(LanguageOfLocale(locale))) {
    ShowPage(m_tab, language);
}

void WebFront::ShowPage(int tab, int language) {
    m_tab = tab;
    ConversionPage& page = *PageOf(tab).logic;
    page.TakeFocus();
    page.SetLanguage(language);
    page.ApplyLanguage();
    m_full = true;
}

WebFront::~WebFront() = default;

WebFront::Page& WebFront::PageOf(int tab) {
    auto& page = m_pages[static_cast<std::size_t>(tab)];
    if (!page) {
        page = std::make_unique<Page>();
        page->logic = ConversionPage::Make(Category(tab), page->window);
        page->logic->Initialize();
    }
    return *page;
}

WebFront::Page& WebFront::Shown() const {
    return *m_pages[static_cast<std::size_t>(m_tab)];
}

const PageState& WebFront::State() const {
    return Shown().logic->State();
}

int WebFront::Language() const {
    return Shown().logic->Language();
}

const std::string& WebFront::Start() {
    m_full = true;
    return Picture();
}

const std::string& WebFront::Picture(bool consumed) {
    PageChanges changes = Shown().window.Take();
    if (m_full) {  // another page: all of it, with the focus and caret its events left
        PageChanges all = PageChanges::All();
        all.byTab = changes.byTab;
        all.caret = changes.caret;
        changes = all;
        m_full = false;
    }
    const PageState& s = State();
    const CategoryTable& table = Category(m_tab);
    m_picture.clear();
    StringSink sink(m_picture);
    Writer w(sink);
    w.BeginObject();
    w.Key("tab").Int(m_tab);
    w.Key("vacuum").Bool(table.kind == CategoryKind::kVacuum);
    w.Key("consumed").Bool(consumed);
    w.Key("pasted").Bool(m_pasted);
    m_pasted = false;
    w.Key("changes").BeginObject();
    w.Key("captions").Int(changes.captions);
    w.Key("language").Bool(changes.language);
    w.Key("flags").Bool(changes.flags);
    w.Key("readOnly").Int(changes.readOnly);
    w.Key("enabled").Int(changes.enabled);
    w.Key("texts").Int(changes.texts);
    w.Key("focus").Bool(changes.focus);
    w.Key("byTab").Bool(changes.byTab);
    w.Key("caret").Int(changes.caret);
    w.EndObject();
    w.Key("state").BeginObject();
    w.Key("entry").String(s.entry);
    w.Key("operand").String(s.operand);
    w.Key("pendingOp").Int(s.pendingOp);
    w.Key("stepCount").Int(s.stepCount);
    w.Key("language").Int(s.language);
    w.Key("shownLanguage").Int(s.shownLanguage);
    w.Key("focus").BeginObject();
    w.Key("kind").String(FocusKind(s.focus));
    w.Key("row").Int(s.focus.row);
    w.EndObject();
    WriteArray(w, "texts", s.texts, [&w](const std::string& t) { w.String(t); });
    WriteArray(w, "captions", s.captions, [&w](const std::string& t) { w.String(t); });
    WriteArray(w, "readOnly", s.readOnly, [&w](bool b) { w.Bool(b); });
    WriteArray(w, "enabled", s.enabled, [&w](bool b) { w.Bool(b); });
    WriteArray(w, "flags", s.flags, [&w](bool b) { w.Bool(b); });
    w.Key("vacuumMode").Int(static_cast<int>(s.vacuumMode));
    w.EndObject();
    w.EndObject();
    return m_picture;
}

const std::string& WebFront::Key(std::string_view code, std::string_view key, Modifiers modifiers) {
    const int vk = VirtualKeyOfBrowserKey(code, key);
    if (vk == 0 || modifiers.alt) return Picture(false);
    ConversionPage& page = *Shown().logic;
    bool consumed = page.PreTranslateKeyDown(vk, modifiers);
    if (!consumed && vk == vk::kTab) {  // the focus moves within the page and wraps around
        page.TabFocus(modifiers.shift);
        consumed = true;
    }
    return Picture(consumed);
}

const std::string& WebFront::Type(std::string_view text) {
    ConversionPage& page = *Shown().logic;
    for (std::size_t i = 0; i < text.size();) {
        page.PreTranslateKeyDown(MainKeyOfCharacter(Utf8NextLoose(text, i)));
    }
    return Picture();
}

const std::string& WebFront::FocusBox(int row) {
    Shown().logic->Focus(PageFocus::Box(row));
    return Picture();
}

const std::string& WebFront::FocusButton(int row) {
    Shown().logic->Focus(PageFocus::Button(row));
    return Picture();
}

const std::string& WebFront::ClickButton(int row) {
    Shown().logic->ClickButton(row);
    return Picture();
}

const std::string& WebFront::ClickFlag(int flag) {
    if (IsLanguage(flag)) Shown().logic->OnLButtonDown(kFirstFlagId + flag);
    return Picture();
}

const std::string& WebFront::ClickBackground() {
    Shown().logic->OnLButtonDown(kNoControl);
    return Picture();
}

void WebFront::SwitchTo(int tab) {
    if (tab < 0 || tab >= kCategoryCount || tab == m_tab) return;
    const int language = Language();
    Shown().window.Take();  // what the page left undrawn is drawn in full when it comes back
    ShowPage(tab, language);
}

const std::string& WebFront::ShowTab(int tab) {
    SwitchTo(tab);
    return Picture();
}

const std::string& WebFront::ShowUnit(int tab, int row) {
    if (tab < 0 || tab >= kCategoryCount) return Picture();
    SwitchTo(tab);
    Shown().logic->Focus(PageFocus::Box(row));  // a row outside the page moves nothing
    return Picture();
}

const std::string& WebFront::Paste(int row, std::string_view clipboard) {
    m_pasted = Shown().logic->PasteNumber(row, clipboard, m_mark);
    return Picture();
}

std::string WebFront::CopyRow(int row) const {
    return Shown().logic->RowText(row);
}

std::string WebFront::CopyPage() const {
    return Shown().logic->PageRowsText();
}

std::string WebFront::Words() const {
    const ConversionPage& page = *Shown().logic;
    const CategoryTable& table = page.Table();
    const int l = LanguageOrEnglish(page.State().shownLanguage);
    std::string out;
    StringSink sink(out);
    Writer w(sink);
    w.BeginObject();
    w.Key("language").Int(l);
    w.Key("code").String(kLanguageCodes[l]);
    w.Key("name").String(table.names[static_cast<std::size_t>(l)]);
    w.Key("legend").String(KeyLegendText(l, table.kind == CategoryKind::kVacuum));
    w.Key("definitions").BeginArray();
    for (int r = 0; r < kRowCount; ++r) {
        if (!table.IsUnitRow(r)) {
            w.String("");
            continue;
        }
        std::string about(table.FullName(r, l));
        (about += '\n') += UnitSizeText(table, r, l);
        w.String(about);
    }
    w.EndArray();
    w.Key("quantities").BeginArray();
    for (int r = 0; r < kRowCount; ++r) {
        const auto quantity = pumpdown::QuantityOfRow(r);
        w.String(table.kind == CategoryKind::kVacuum && quantity
                     ? kVacuumLabels[static_cast<std::size_t>(*quantity)]
                     : std::string_view());
    }
    w.EndArray();
    w.Key("vacuumLabels").BeginArray();
    for (const std::string_view label : kVacuumLabels) w.String(label);
    w.EndArray();
    static constexpr std::pair<std::string_view, PageWord> kWords[] = {
        {"copy", PageWord::kCopy},
        {"selectAll", PageWord::kSelectAll},
        {"noUnit", PageWord::kNoUnit},
        {"pasteNumber", PageWord::kPasteNumber},
        {"copyRow", PageWord::kCopyRow},
        {"copyPage", PageWord::kCopyPage},
        {"findUnit", PageWord::kFindUnit},
        {"noNumber", PageWord::kNoNumber},
        {"finderPrompt", PageWord::kFinderPrompt},
        {"finderHint", PageWord::kFinderHint},
        {"finderList", PageWord::kFinderList},
        {"finderHelp", PageWord::kFinderHelp},
        {"keys", PageWord::kKeys},
        {"noClipboard", PageWord::kNoClipboard},
    };
    w.Key("words").BeginObject();
    for (const auto& [key, word] : kWords) w.Key(key).String(PageWordText(word, l));
    w.EndObject();
    w.EndObject();
    return out;
}

std::string WebFront::CategoryNames(int language) {
    const int l = LanguageOrEnglish(language);
    std::string out;
    StringSink sink(out);
    Writer w(sink);
    w.BeginArray();
    for (int c = 0; c < kCategoryCount; ++c)
        w.String(Category(c).names[static_cast<std::size_t>(l)]);
    w.EndArray();
    return out;
}

std::string WebFront::Tabs() {
    std::string out;
    StringSink sink(out);
    Writer w(sink);
    w.BeginObject();
    w.Key("tabs").BeginArray();
    for (int c = 0; c < kCategoryCount; ++c) {
        w.BeginObject();
        w.Key("caption").String(CategoryTabCaption(c));
        w.Key("key").String(CategoryKey(c));
        w.EndObject();
    }
    w.EndArray();
    w.Key("languages").BeginArray();
    for (int l = 0; l < kLanguageCount; ++l) {
        w.BeginObject();
        w.Key("code").String(kLanguageCodes[l]);
        w.Key("name").String(kNativeNames[l]);
        w.Key("flag").String(kFlagPictures[l]);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    return out;
}

namespace {

std::string HitsJson(const std::vector<UnitHit>& hits, std::string_view status, int language,
                     bool chosen) {
    std::string out;
    StringSink sink(out);
    Writer w(sink);
    w.BeginObject();
    w.Key("status").String(status);
    w.Key("chosen").Bool(chosen);
    w.Key("hits").BeginArray();
    for (const UnitHit& h : hits) {
        w.BeginObject();
        w.Key("tab").Int(h.tab);
        w.Key("row").Int(h.row);
        w.Key("label").String(HitLabel(h, language));
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    return out;
}

}  // namespace

std::string WebFront::Complete(std::string_view text) const {
    const int l = LanguageOrEnglish(State().shownLanguage);
    return HitsJson(CompleteUnitName(text), {}, l, false);
}

std::string WebFront::Resolve(std::string_view text) const {
    const int l = LanguageOrEnglish(State().shownLanguage);
    const std::vector<UnitHit> found = FindUnitEverywhere(text, l);
    if (found.size() == 1) return HitsJson(found, {}, l, true);
    if (!found.empty())
        return HitsJson(found, PageWordText(PageWord::kSeveralCategories, l), l, false);
    const std::vector<UnitHit> suggested = SuggestUnitsEverywhere(text, l);
    const PageWord status = suggested.empty() ? PageWord::kNoSuchUnit : PageWord::kDidYouMean;
    return HitsJson(suggested, PageWordText(status, l), l, false);
}

}  // namespace tevrimo
