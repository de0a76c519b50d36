#include "catalogue/Unit.h"

#include <utility>

#include "catalogue/ArchiveReader.h"
#include "catalogue/ArchiveWriter.h"

CUnit::CUnit(std::string type, std::string name, double coefficient, double offset)
    : m_type(std::move(type)),
      m_name(std::move(name)),
      m_coefficient(coefficient),
      m_offset(offset) {}

CUnit::CUnit(const CUnit& other)
    : m_type(other.m_type),
      m_name(other.m_name),
      m_coefficient(other.m_coefficient),
      m_offset(other.m_offset) {}

CUnit& CUnit::operator=(const CUnit& other) {
    m_type = other.m_type;
    m_name = other.m_name;
    m_coefficient = other.m_coefficient;
    m_offset = other.m_offset;
    m_reservedTime = other.m_reservedTime;
    return *this;
}

void CUnit::Serialize(CArchiveReader& archive) {
    m_type = archive.ReadText();
    m_name = archive.ReadText();
    m_reservedText = archive.ReadText();
    m_coefficient = archive.ReadDouble();
    m_offset = archive.ReadDouble();
    m_reservedTime = archive.ReadUInt32();
    m_reservedNumber = archive.ReadInt32();
}

void CUnit::Serialize(CArchiveWriter& archive) const {
    archive.WriteText(m_type);
    archive.WriteText(m_name);
    archive.WriteText(m_reservedText);
    archive.WriteDouble(m_coefficient);
    archive.WriteDouble(m_offset);
    archive.WriteUInt32(m_reservedTime);
    archive.WriteInt32(m_reservedNumber);
}
