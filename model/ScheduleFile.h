#pragma once

// The byte format of the schedule file: one record per schedule item, concatenated, without header or
// count (the count lives in the settings file). Files written by older versions of the program must keep
// loading, so this reader and this writer are the only places that know the bytes.
//
// A record: "TPF0", the class name "TScheduleItem" and an empty component name as short names (a length
// byte and the bytes), then the three properties "TaskProperty", "SPTimeProperty" and "OtherProperty",
// each its short name followed by tagged values, then 0x00 ending the properties and 0x00 ending the
// (always empty) list of child objects.

#include "Schedule.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace halvo {

// Reads records one after the other from data, which must outlive the reader.
class ScheduleReader {
public:
    explicit ScheduleReader(std::string_view data) : m_data(data) {}

    // Reads the next record into item, which should be new: what the record does not set stays as it was.
    // Returns the fault's text, empty on success; after a fault the item is half-filled and the position
    // is undefined.
    std::string ReadRecord(TScheduleItem& item);

    std::size_t Position() const { return m_position; }
    bool AtEnd() const { return m_position >= m_data.size(); }

private:
    std::size_t remaining() const { return m_data.size() - m_position; }
    void require(std::size_t bytes) const;
    unsigned char readByte();
    std::uint64_t readUnsigned(std::size_t bytes);
    std::string_view readBytes(std::size_t count);
    std::string_view readShortName();
    std::int64_t readTaggedInteger(unsigned char tag);
    std::int32_t readInteger();
    std::uint32_t readProcessId();
    std::string readString();
    bool readBoolean();
    TDateTime readDateTime();
    void readTaskProperty(TScheduleItem& item);
    void readTimeRuleProperty(TSPTime& rule);
    void readOtherProperty(TScheduleItem& item);

    std::string_view m_data;
    std::size_t m_position = 0;
};

// Appends the record of item to out.
void WriteScheduleRecord(const TScheduleItem& item, std::string& out);

// The whole file of a schedule: the records of all its items in order.
std::string WriteScheduleFile(const TScheduleManager& manager, const TScheduleItem* leaveOut = nullptr);

} // namespace halvo
