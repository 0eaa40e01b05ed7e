// The record form in which the catalogue describes a quantity page: its
// identity, its unit fields with their places and conversions, and its data
// exchange and focus orders. The page model and the page windows are both
// derived from these records; nothing about a page is written twice.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace unitora {

enum class Width { Single, Double };

// One step of a conversion, evaluated in double precision. A single-precision
// constant is written with an f suffix and widened exactly when the step is
// made, so the table shows each constant exactly as stored.
struct Step {
    enum class Op : unsigned char { Multiply, Add, Subtract };
    Op op;
    double constant;
};

constexpr Step Times(double c) { return {Step::Op::Multiply, c}; }
constexpr Step Plus(double c) { return {Step::Op::Add, c}; }
constexpr Step Minus(double c) { return {Step::Op::Subtract, c}; }

// A conversion in evaluation order: the input conversion starts from the
// typed number x, the output conversion from the base value. No steps means
// the value itself ("1" as input factor).
class Conversion {
public:
    constexpr Conversion() = default;
    constexpr Conversion(Step a) : m_steps{a}, m_count(1) {}
    constexpr Conversion(Step a, Step b) : m_steps{a, b}, m_count(2) {}
    constexpr Conversion(Step a, Step b, Step c) : m_steps{a, b, c}, m_count(3) {}
    // A plain factor, the common case: x * c or base * c.
    constexpr Conversion(double factor) : Conversion(Times(factor)) {}

    constexpr double Apply(double value) const {
        for (std::size_t i = 0; i < m_count; ++i) {
            const Step& s = m_steps[i];
            switch (s.op) {
            case Step::Op::Multiply: value = value * s.constant; break;
            case Step::Op::Add: value = value + s.constant; break;
            case Step::Op::Subtract: value = value - s.constant; break;
            }
        }
        return value;
    }
    constexpr std::span<const Step> Steps() const { return {m_steps.data(), m_count}; }

private:
    std::array<Step, 3> m_steps{};
    std::size_t m_count = 0;
};

// Marks the input of the field that stores the typed value itself, and the
// output of the field that holds the base value.
inline constexpr Conversion kItself{};

struct UnitField {
    int id;                  // control ID of the edit box
    const wchar_t* label;    // unit label shown right of the box; may be empty
    int column;              // place in the page grid, counted from 1
    int row;
    Conversion input;        // typed x -> base value
    Conversion output;       // base value -> this field
};

// A captioned frame around a block of grid cells (the data-size page).
struct GroupFrame {
    const wchar_t* caption;
    int column;
    int firstRow;
    int lastRow;
};

struct PageRecord {
    const wchar_t* tabLabel;
    unsigned templateId;          // the page window's control ID in the main window
    Width width;                  // of every unit field
    int baseFieldId;              // field holding the base value; 0 when separate
    double defaultBase;
    std::span<const UnitField> fields;       // reading order
    std::span<const int> exchangeOrder;      // empty: reading order
    std::span<const int> focusOrder;         // empty: reading order
    std::span<const GroupFrame> frames = {};

    // The separate base value, where there is one, is a double.
    bool HasSeparateBase() const { return baseFieldId == 0; }

    // The position in fields of the field with this ID, or -1 when the page
    // has none.
    int FieldIndex(int id) const {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].id == id) return static_cast<int>(i);
        }
        return -1;
    }

    // The positions in fields in the order Tab moves through the boxes.
    std::vector<std::size_t> FocusSequence() const {
        std::vector<std::size_t> sequence;
        if (focusOrder.empty()) {
            for (std::size_t i = 0; i < fields.size(); ++i) sequence.push_back(i);
        }
        for (int id : focusOrder) {
            const int index = FieldIndex(id);
            if (index >= 0) sequence.push_back(static_cast<std::size_t>(index));
        }
        return sequence;
    }
};

}  // namespace unitora
