// SPDX-License-Identifier: MIT
#include "category_table.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tevrimo {

double ApplyStep(StepOp op, double left, double right) {
    double r = 0;
    switch (op) {
        case StepOp::kMultiply: r = left * right; break;
        case StepOp::kDivide: r = left / right; break;
        case StepOp::kAdd: r = left + right; break;
        case StepOp::kSubtract: r = left - right; break;
        case StepOp::kDivideInto: r = right / left; break;
    }
    if (std::isnan(r)) [[unlikely]] {
        if (std::isnan(left)) return left;
        if (std::isnan(right)) return right;
        return -std::numeric_limits<double>::quiet_NaN();
    }
    return r;
}

double ApplyStep(const ConversionStep& step, double x) {
    return ApplyStep(step.op, x, step.constant);
}

PairRule PairRule::Steps(std::initializer_list<ConversionStep> list) {
    PairRule rule{Kind::kSteps, 0, {}};
    for (const ConversionStep& s : list) rule.AddStep(s);
    return rule;
}

void PairRule::AddStep(ConversionStep step) {
    if (stepCount >= kMaxSteps) throw std::length_error("a pair rule holds at most five steps");
    steps[stepCount++] = step;
}

double PairRule::Apply(double v) const {
    for (std::uint8_t k = 0; k < stepCount; ++k) v = ApplyStep(steps[k], v);
    return v;
}

void RowWrites::AddNumber(int row, double value) {
    char* buffer = m_buffers[m_count].data();
    const std::size_t n = FormatNumber(value, buffer);
    m_writes[m_count++] = {row, std::string_view(buffer, n)};
}

void CategoryTable::Refresh(std::string_view entry, int sourceRow, RowWrites& out) const {
    Refresh(entry, ParseNumber(entry), sourceRow, out);
}

void CategoryTable::Refresh(std::string_view entry, double v, int source, RowWrites& out) const {
    out.Clear();
    if (source < 0 || source >= rowCount) return;
    const auto& rules = pairs[static_cast<std::size_t>(source)];
    for (int j = 0; j < rowCount; ++j) {
        const PairRule& rule = rules[static_cast<std::size_t>(j)];
        switch (rule.kind) {
            case PairRule::Kind::kEntry: out.Add(j, entry); break;
            case PairRule::Kind::kSteps: out.AddNumber(j, rule.Apply(v)); break;
            case PairRule::Kind::kClear: out.Add(j, {}); break;
            case PairRule::Kind::kSkip: break;
        }
    }
}

}  // namespace tevrimo
