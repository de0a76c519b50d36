#pragma once

#include <cstdint>
#include <string>

class CArchiveReader;
class CArchiveWriter;

/// One unit of measurement: u = b × coefficient + offset, where b is the same
/// quantity in the base unit of the type. Texts are UTF-8.
///
/// Copying is deliberately lopsided, and callers rely on it: a copy-constructed unit
/// (what GetUnit hands out) carries no reserved fields, while assignment into an
/// existing unit (how the catalogue stores units) carries the reserved time stamp but
/// keeps the destination's own reserved text and number. Moves carry everything, so
/// units shifted inside the catalogue's array keep what the data file gave them.
class CUnit {
public:
    /// An empty unit: no names, coefficient 0, offset 0.
    CUnit() = default;
    /// A unit made from its four meaningful fields; reserved fields empty.
    CUnit(std::string type, std::string name, double coefficient, double offset);
    /// Copies type, name, coefficient and offset; reserved fields empty.
    CUnit(const CUnit& other);
    /// Copies type, name, coefficient, offset and reserved time stamp; keeps this
    /// unit's reserved text and reserved number.
    CUnit& operator=(const CUnit& other);
    CUnit(CUnit&& other) noexcept = default;
    CUnit& operator=(CUnit&& other) noexcept = default;
    ~CUnit() = default;

    /// Reads this unit's record, reserved fields included.
    void Serialize(CArchiveReader& archive);
    /// Writes this unit's record.
    void Serialize(CArchiveWriter& archive) const;

    std::string m_type;
    std::string m_name;
    std::string m_reservedText;
    double m_coefficient = 0.0;
    double m_offset = 0.0;
    std::uint32_t m_reservedTime = 0;
    std::int32_t m_reservedNumber = 0;
};
