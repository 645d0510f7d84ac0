// SPDX-License-Identifier: MIT
// The category model: what a page converts, how each row is written from a source
// row, and the captions of its unit buttons.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "languages.h"
#include "number_text.h"

namespace tevrimo {

// The rows of a page: a unit button and its value box each, 0..13.
inline constexpr int kRowCount = 14;

enum class StepOp : std::uint8_t { kMultiply, kDivide, kAdd, kSubtract, kDivideInto };

struct ConversionStep {
    StepOp op;
    double constant;
};

// One arithmetic step in IEEE double. A NaN made from two numbers is the negative
// default NaN on every platform; a NaN operand passes through with its sign.
double ApplyStep(StepOp op, double left, double right);
double ApplyStep(const ConversionStep& step, double x);

struct PairRule {
    enum class Kind : std::uint8_t { kEntry, kSteps, kClear, kSkip };
    static constexpr int kMaxSteps = 5;

    Kind kind = Kind::kSkip;
    std::uint8_t stepCount = 0;
    std::array<ConversionStep, kMaxSteps> steps{};

    static PairRule Entry() { return {Kind::kEntry, 0, {}}; }
    static PairRule Clear() { return {Kind::kClear, 0, {}}; }
    static PairRule Skip() { return {Kind::kSkip, 0, {}}; }
    static PairRule Same() { return {Kind::kSteps, 0, {}}; }  // same unit, other name
    static PairRule Step(StepOp op, double c) { return {Kind::kSteps, 1, {{{op, c}}}}; }
    static PairRule Steps(std::initializer_list<ConversionStep> list);
    // Appends a step; a rule holds at most kMaxSteps.
    void AddStep(ConversionStep step);

    double Apply(double v) const;
};

struct UnitRow {
    LanguageTexts captions{};
    double size = 0;  // in the row-0 unit, for proportional rows; 0 where there is none
    // Other names the command line takes, "|" between them: symbols whose case carries
    // meaning ("mbar", "MB"), and names that match whatever the case ("ft", "feet").
    std::string_view symbols, names;
    // A short ASCII key, unique in the category and the same in every language ("ft",
    // "inHg", "kWh"), for scripts; it names the unit in its own case only.
    std::string_view key;
    LanguageTexts fullNames{};  // what the unit is called, written out
    // What the unit's size text tells (see UnitSizeText): the exact size as decimal text
    // ("0.3048", "4.4482216152605/0.3048"), in the same unit as the exact size of row
    // `sizeIn`, whose unit the text states it in; or, where sizeTexts is set, that text.
    std::string_view exactSize;
    int sizeIn = -1;
    LanguageTexts sizeTexts{};
    bool HasUnit() const { return !captions[kEnglish].empty(); }
};

// The writes of one refresh, in ascending row order. Texts point into this object's
// own buffers or into the entry text handed to Refresh.
class RowWrites {
  public:
    struct Write {
        int row;
        std::string_view text;
    };

    void Clear() { m_count = 0; }
    void Add(int row, std::string_view text) { m_writes[m_count++] = {row, text}; }
    void AddNumber(int row, double value);

    std::size_t size() const { return m_count; }
    const Write& operator[](std::size_t i) const { return m_writes[i]; }
    const Write* begin() const { return m_writes.data(); }
    const Write* end() const { return m_writes.data() + m_count; }

  private:
    std::array<Write, kRowCount> m_writes{};
    std::array<std::array<char, kFormatBufferSize>, kRowCount> m_buffers{};
    std::size_t m_count = 0;
};

// What kind of page a category makes.
enum class CategoryKind : std::uint8_t {
    kProportional,  // every pair one multiplication or division by its own constant
    kStepList,      // pairs that need more: offsets, reciprocals, chains, emptied rows
    kVacuum,        // the pump-down calculator: pairs of rows, one quantity computed
};

// What a page shows from its creation until the tab control hands it a language.
enum class StartLook : std::uint8_t {
    kTemplate,       // the template's captions, the flags in the English look
    kStartLanguage,  // the captions and flags of the page's start language at once
};

// Where the page's controls sit.
enum class PageLayout : std::uint8_t {
    kUnitRows,  // each unit button with its value box to the right
    kVacuum,    // a label column, then the buttons, then the boxes
};

// The order in which Tab visits a page's controls.
enum class TabOrderRule : std::uint8_t { kButtonsFirst, kBoxesFirst };

struct CategoryTable {
    std::string_view key;          // English name used on the command line
    std::string_view tabCaption;   // Turkish, the same in every language
    LanguageTexts names{};         // what the category holds, in each language
    std::string_view commonUnits;  // keys of the most used units, most used first, "|" between
    int tabIndex = 0;
    int rowCount = 0;  // N: rows 0..N-1 are converted
    // What the other layers ask of the category, set by its own file.
    CategoryKind kind = CategoryKind::kProportional;
    StartLook startLook = StartLook::kTemplate;
    PageLayout layout = PageLayout::kUnitRows;
    TabOrderRule tabOrder = TabOrderRule::kButtonsFirst;
    int buttonWidth = 0;  // of the unit buttons, in dialog units
    std::array<UnitRow, kRowCount> rows{};
    // What the buttons show before the page's first language is applied. They belong
    // with the captions, and the headless page shows them as the desktop one does.
    std::array<std::string_view, kRowCount> templateCaptions{};
    std::array<std::array<PairRule, kRowCount>, kRowCount> pairs{};

    const std::string_view& Caption(int row, int language) const {
        return rows[static_cast<std::size_t>(row)].captions[static_cast<std::size_t>(language)];
    }
    const std::string_view& FullName(int row, int language) const {
        return rows[static_cast<std::size_t>(row)].fullNames[static_cast<std::size_t>(language)];
    }
    const PairRule& Pair(int source, int target) const {
        return pairs[static_cast<std::size_t>(source)][static_cast<std::size_t>(target)];
    }

    // Whether row `row` is converted and has a unit (not a cleared row).
    bool IsUnitRow(int row) const {
        return row >= 0 && row < rowCount && rows[static_cast<std::size_t>(row)].HasUnit();
    }

    // The row writes of one refresh for `entry` typed in row `sourceRow`; nothing for a
    // row the category does not convert, or -1 (the focus is not on a value box).
    void Refresh(std::string_view entry, int sourceRow, RowWrites& out) const;
    // The same with the entry already parsed.
    void Refresh(std::string_view entry, double v, int sourceRow, RowWrites& out) const;
};

}  // namespace tevrimo
