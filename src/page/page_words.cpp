// SPDX-License-Identifier: MIT
#include "page_words.h"

#include "languages.h"

namespace tevrimo {

namespace {

struct Texts {
    const char* legend;
    const char* vacuum;
    const char* copy;
    const char* selectAll;
    const char* noUnit;
    const char* pasteNumber;
    const char* copyRow;
    const char* copyPage;
    const char* findUnit;
    const char* noNumber;
    const char* finderPrompt;
    const char* finderHint;
    const char* finderList;
    const char* finderHelp;
    const char* severalCategories;
    const char* didYouMean;
    const char* noSuchUnit;
    const char* keys;
    const char* noClipboard;
};

// Turkish, English, German, French.
constexpr PerLanguage<Texts> kTexts{
    Texts{
        "Rakamlar sayıyı yazar; ondalık nokta: . veya , (tuş takımında da), / veya \\.\n"
        "Ana klavyenin - tuşu: işaret değiştirir; harf veya boşluk: 0'dan başlatır.\n"
        "Tuş takımında + - * / (ya da ana klavyede =): hesap; Enter: sonuç.\n"
        "Esc: siler (iki kez: hesabı da); Geri: son karakteri siler.\n"
        "Yukarı/Aşağı: sayıyı düzenler; Tab: sonraki kutu, yeni sayı;\n"
        "Ctrl+C: seçimi kopyalar (Shift ve oklarla seçin).\n"
        "Alt+PageDown/Alt+PageUp: sonraki/önceki sekme; Alt+1 - Alt+4: dil (bayraklar, "
        "yukarıdan).\n"
        "Alt+G: birim bul; sağ tık veya Shift+F10: sayı yapıştır, satırı ya da sayfayı kopyala.",
        "Birim düğmeleri hesaplanacak büyüklüğü seçer: pompa kapasitesi, boşaltma süresi,\n"
        "hacim ya da nihai basınç; sonuç o satırların kutularında görünür.\n"
        "t = 1.3 · V/S · ln(1013.25 mbar / p): t dakika, V litre, S litre/dakika, p mbar.\n"
        "Kap atmosfer basıncında (1013.25 mbar) başlar; S pompanın nominal emme hızıdır ve sabit\n"
        "sayılır; 1.3 katsayısı bunun dışında kalanlar için sabit bir paydır (düşük basınçta\n"
        "yavaşlayan pompalama, borular, kaçaklar).",
        "&Kopyala", "&Tümünü Seç", "birim yok", "Sayı &yapıştır", "&Satırı kopyala",
        "Say&fayı kopyala", "&Birim bul…\tAlt+G", "Panoda sayı yok; hiçbir şey değişmedi.",
        "Birim bul:", "birim adı veya simgesi", "Birimler", "Enter: birime git; Esc: kapat.",
        "Birden çok kategoride var; birini seçin:", "Bu adda birim yok. Bunu mu demek istediniz:",
        "Bu adda birim yok.", "Tuşlar", "Pano okunamadı; sayıyı Ctrl+V ile yapıştırın."},
    Texts{
        "Digits type the number; decimal point: . or , (keypad too), / or \\.\n"
        "Main keyboard minus: changes the sign; a letter or space: starts again at 0.\n"
        "Keypad + - * / (or = on the main keyboard): calculate; Enter: the result.\n"
        "Esc: clears (twice: the calculation too); Backspace: deletes the last character.\n"
        "Up/Down: tidy the number; Tab: next box, new number;\n"
        "Ctrl+C: copies the selection (select with Shift and the arrow keys).\n"
        "Alt+PageDown/Alt+PageUp: next/previous tab; Alt+1 to Alt+4: language (flags, top down).\n"
        "Alt+G: find a unit; right-click or Shift+F10: paste a number, copy a row or the page.",
        "The unit buttons choose what is computed: pump capacity, pump-down time,\n"
        "volume or final pressure; the result shows in the boxes of those rows.\n"
        "t = 1.3 · V/S · ln(1013.25 mbar / p): t in min, V in litres, S in l/min, p in mbar.\n"
        "The vessel starts at atmospheric pressure (1013.25 mbar); S is the pump's rated speed,\n"
        "taken as constant; the factor 1.3 is a fixed allowance for what that leaves out (slower\n"
        "pumping at low pressure, pipes, leaks).",
        "&Copy", "Select &All", "no unit", "&Paste number", "Copy &row", "Copy pa&ge",
        "&Find unit…\tAlt+G", "The clipboard holds no number; nothing was changed.",
        "Find a unit:", "name or symbol", "Units", "Enter: go to the unit; Esc: close.",
        "Found in several categories; choose one:", "No unit by that name. Did you mean:",
        "No unit by that name.", "Keys",
        "The clipboard could not be read; paste the number with Ctrl+V."},
    Texts{
        "Ziffern tippen die Zahl; Dezimalzeichen: . oder , (auch Ziffernblock), / oder \\.\n"
        "Minus der Haupttastatur: wechselt das Vorzeichen; Buchstabe oder Leertaste: neu bei 0.\n"
        "Ziffernblock + - * / (oder = der Haupttastatur): rechnen; Enter: Ergebnis.\n"
        "Esc: löscht (zweimal: auch die Rechnung); Rücktaste: letztes Zeichen löschen.\n"
        "Auf/Ab: Zahl ordnen; Tab: nächstes Feld, neue Zahl;\n"
        "Strg+C: kopiert die Auswahl (mit Umschalt und Pfeiltasten wählen).\n"
        "Alt+Bild ab/Alt+Bild auf: nächster/vorheriger Reiter; Alt+1 bis Alt+4: Sprache "
        "(Flaggen).\n"
        "Alt+G: Einheit suchen; Rechtsklick oder Umschalt+F10: Zahl einfügen, Zeile/Seite "
        "kopieren.",
        "Die Einheitenknöpfe wählen, was berechnet wird: Saugvermögen, Abpumpzeit,\n"
        "Volumen oder Enddruck; das Ergebnis steht in den Feldern dieser Zeilen.\n"
        "t = 1.3 · V/S · ln(1013.25 mbar / p): t in min, V in Litern, S in l/min, p in mbar.\n"
        "Der Behälter beginnt bei Atmosphärendruck (1013.25 mbar); S ist das Nennsaugvermögen,\n"
        "als konstant angenommen; der Faktor 1.3 ist ein fester Zuschlag für das, was dabei fehlt\n"
        "(langsameres Pumpen bei niedrigem Druck, Leitungen, Lecks).",
        "&Kopieren", "Alles &auswählen", "keine Einheit", "Zahl &einfügen", "&Zeile kopieren",
        "&Seite kopieren", "Einheit s&uchen…\tAlt+G",
        "Die Zwischenablage enthält keine Zahl; nichts wurde geändert.",
        "Einheit suchen:", "Name oder Zeichen", "Einheiten", "Enter: zur Einheit; Esc: schließen.",
        "In mehreren Kategorien; bitte eine wählen:", "Keine Einheit dieses Namens. Meinten Sie:",
        "Keine Einheit dieses Namens.", "Tasten",
        "Die Zwischenablage ist nicht lesbar; die Zahl mit Strg+V einfügen."},
    Texts{
        "Les chiffres tapent le nombre ; virgule : . ou , (pavé aussi), / ou \\.\n"
        "Moins du clavier principal : change le signe ; lettre ou espace : reprend à 0.\n"
        "Pavé + - * / (ou = du clavier principal) : calcul ; Entrée : le résultat.\n"
        "Échap : efface (deux fois : le calcul aussi) ; Retour arrière : dernier caractère.\n"
        "Haut/Bas : arrange le nombre ; Tab : case suivante, nouveau nombre ;\n"
        "Ctrl+C : copie la sélection (choisir avec Maj et les flèches).\n"
        "Alt+Page suiv./préc. : onglet suivant/précédent ; Alt+1 à Alt+4 : langue (drapeaux).\n"
        "Alt+G : chercher une unité ; clic droit ou Maj+F10 : coller un nombre, copier ligne/page.",
        "Les boutons d'unité choisissent ce qui est calculé : débit de la pompe, temps de\n"
        "pompage, volume ou pression finale ; le résultat s'affiche dans leurs cases.\n"
        "t = 1.3 · V/S · ln(1013.25 mbar / p) : t en min, V en litres, S en l/min, p en mbar.\n"
        "L'enceinte part de la pression atmosphérique (1013.25 mbar) ; S est le débit nominal de\n"
        "la pompe, supposé constant ; le facteur 1.3 est une marge fixe pour ce que cela néglige\n"
        "(pompage plus lent à basse pression, conduites, fuites).",
        "&Copier", "&Tout sélectionner", "pas d'unité", "Co&ller le nombre", "Copier la li&gne",
        "Copier la &page", "Chercher une &unité…\tAlt+G",
        "Le presse-papiers ne contient pas de nombre ; rien n'a changé.", "Chercher une unité :",
        "nom ou symbole", "Unités", "Entrée : aller à l'unité ; Échap : fermer.",
        "Présente dans plusieurs catégories ; choisissez :",
        "Aucune unité de ce nom. Vouliez-vous dire :", "Aucune unité de ce nom.", "Touches",
        "Le presse-papiers est illisible ; collez le nombre avec Ctrl+V."},
};

const Texts& Of(int language) {
    return kTexts[LanguageOrEnglish(language)];
}

}  // namespace

std::string_view PageWordText(PageWord word, int language) {
    const Texts& t = Of(language);
    switch (word) {
        case PageWord::kCopy: return t.copy;
        case PageWord::kSelectAll: return t.selectAll;
        case PageWord::kNoUnit: return t.noUnit;
        case PageWord::kPasteNumber: return t.pasteNumber;
        case PageWord::kCopyRow: return t.copyRow;
        case PageWord::kCopyPage: return t.copyPage;
        case PageWord::kFindUnit: return t.findUnit;
        case PageWord::kNoNumber: return t.noNumber;
        case PageWord::kFinderPrompt: return t.finderPrompt;
        case PageWord::kFinderHint: return t.finderHint;
        case PageWord::kFinderList: return t.finderList;
        case PageWord::kFinderHelp: return t.finderHelp;
        case PageWord::kSeveralCategories: return t.severalCategories;
        case PageWord::kDidYouMean: return t.didYouMean;
        case PageWord::kNoSuchUnit: return t.noSuchUnit;
        case PageWord::kKeys: return t.keys;
        case PageWord::kNoClipboard: return t.noClipboard;
    }
    return {};
}

std::string KeyLegendText(int language, bool vacuumPage) {
    std::string legend(Of(language).legend);
    if (vacuumPage) (legend += '\n') += Of(language).vacuum;
    return legend;
}

}  // namespace tevrimo
