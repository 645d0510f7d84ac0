// SPDX-License-Identifier: MIT
#include "page_texts.h"

#include "category_table.h"

namespace tevrimo {

namespace {

struct Texts {
    const char* legend;
    const char* vacuum;
    const char* copy;
    const char* selectAll;
    const char* noUnit;
};

// Turkish, English, German, French.
constexpr Texts kTexts[kLanguageCount] = {
    {"Rakamlar sayıyı yazar; nokta: tuş takımının virgülü, / veya \\.\n"
     "Ana klavyenin - tuşu: işaret değiştirir; nokta (.) tuşu: 0'dan başlatır.\n"
     "Tuş takımında + - * / (ya da ana klavyede =): hesap; Enter: sonuç.\n"
     "Esc: siler (iki kez: hesabı da); Geri: son karakteri siler.\n"
     "Yukarı/Aşağı: sayıyı düzenler; Tab: sonraki kutu, yeni sayı;\n"
     "Ctrl+C: seçimi kopyalar (Shift ve oklarla seçin).",
     "Birim düğmeleri hesaplanacak büyüklüğü seçer: pompa kapasitesi, boşaltma süresi,\n"
     "hacim ya da nihai basınç; sonuç o satırların kutularında görünür.\n"
     "t = 1.3 · V/S · ln(1013.25 mbar / p): t dakika, V litre, S litre/dakika, p mbar.\n"
     "Kap atmosfer basıncında (1013.25 mbar) başlar; S pompanın nominal emme hızıdır ve sabit\n"
     "sayılır; 1.3 katsayısı bunun dışında kalanlar için sabit bir paydır (düşük basınçta\n"
     "yavaşlayan pompalama, borular, kaçaklar).",
     "&Kopyala", "&Tümünü Seç", "birim yok"},
    {"Digits type the number; keypad decimal point, / or \\ is the decimal point.\n"
     "Main keyboard minus: changes the sign; period key (.): starts again at 0.\n"
     "Keypad + - * / (or = on the main keyboard): calculate; Enter: the result.\n"
     "Esc: clears (twice: the calculation too); Backspace: deletes the last character.\n"
     "Up/Down: tidy the number; Tab: next box, new number;\n"
     "Ctrl+C: copies the selection (select with Shift and the arrow keys).",
     "The unit buttons choose what is computed: pump capacity, pump-down time,\n"
     "volume or final pressure; the result shows in the boxes of those rows.\n"
     "t = 1.3 · V/S · ln(1013.25 mbar / p): t in min, V in litres, S in l/min, p in mbar.\n"
     "The vessel starts at atmospheric pressure (1013.25 mbar); S is the pump's rated speed,\n"
     "taken as constant; the factor 1.3 is a fixed allowance for what that leaves out (slower\n"
     "pumping at low pressure, pipes, leaks).",
     "&Copy", "Select &All", "no unit"},
    {"Ziffern tippen die Zahl; Dezimalpunkt: Komma des Ziffernblocks, / oder \\.\n"
     "Minus der Haupttastatur: wechselt das Vorzeichen; Punkt (.): neu bei 0.\n"
     "Ziffernblock + - * / (oder = der Haupttastatur): rechnen; Enter: Ergebnis.\n"
     "Esc: löscht (zweimal: auch die Rechnung); Rücktaste: letztes Zeichen löschen.\n"
     "Auf/Ab: Zahl ordnen; Tab: nächstes Feld, neue Zahl;\n"
     "Strg+C: kopiert die Auswahl (mit Umschalt und Pfeiltasten wählen).",
     "Die Einheitenknöpfe wählen, was berechnet wird: Saugvermögen, Abpumpzeit,\n"
     "Volumen oder Enddruck; das Ergebnis steht in den Feldern dieser Zeilen.\n"
     "t = 1.3 · V/S · ln(1013.25 mbar / p): t in min, V in Litern, S in l/min, p in mbar.\n"
     "Der Behälter beginnt bei Atmosphärendruck (1013.25 mbar); S ist das Nennsaugvermögen,\n"
     "als konstant angenommen; der Faktor 1.3 ist ein fester Zuschlag für das, was dabei fehlt\n"
     "(langsameres Pumpen bei niedrigem Druck, Leitungen, Lecks).",
     "&Kopieren", "Alles &auswählen", "keine Einheit"},
    {"Les chiffres tapent le nombre ; point décimal : celui du pavé, / ou \\.\n"
     "Moins du clavier principal : change le signe ; touche point (.) : reprend à 0.\n"
     "Pavé + - * / (ou = du clavier principal) : calcul ; Entrée : le résultat.\n"
     "Échap : efface (deux fois : le calcul aussi) ; Retour arrière : dernier caractère.\n"
     "Haut/Bas : arrange le nombre ; Tab : case suivante, nouveau nombre ;\n"
     "Ctrl+C : copie la sélection (choisir avec Maj et les flèches).",
     "Les boutons d'unité choisissent ce qui est calculé : débit de la pompe, temps de\n"
     "pompage, volume ou pression finale ; le résultat s'affiche dans leurs cases.\n"
     "t = 1.3 · V/S · ln(1013.25 mbar / p) : t en min, V en litres, S en l/min, p en mbar.\n"
     "L'enceinte part de la pression atmosphérique (1013.25 mbar) ; S est le débit nominal de\n"
     "la pompe, supposé constant ; le facteur 1.3 est une marge fixe pour ce que cela néglige\n"
     "(pompage plus lent à basse pression, conduites, fuites).",
     "&Copier", "&Tout sélectionner", "pas d'unité"},
};

const Texts& Of(int language) {
    return kTexts[IsLanguage(language) ? language : kEnglish];
}

}  // namespace

QString KeyLegend(int language, bool vacuumPage) {
    QString legend = QString::fromUtf8(Of(language).legend);
    if (vacuumPage) legend += QStringLiteral("\n") + QString::fromUtf8(Of(language).vacuum);
    return legend;
}

QString CopyText(int language) {
    return QString::fromUtf8(Of(language).copy);
}

QString SelectAllText(int language) {
    return QString::fromUtf8(Of(language).selectAll);
}

QString NoUnitText(int language) {
    return QString::fromUtf8(Of(language).noUnit);
}

}  // namespace tevrimo
