#include "ScheduleFile.h"

#include "TextEncoding.h"
#include "platform/Translate.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace halvo {

namespace {

namespace tag {
constexpr unsigned char EndOfList = 0x00;
constexpr unsigned char Int8 = 0x02;
constexpr unsigned char Int16 = 0x03;
constexpr unsigned char Int32 = 0x04;
constexpr unsigned char String = 0x06;
constexpr unsigned char False = 0x08;
constexpr unsigned char True = 0x09;
constexpr unsigned char LongString = 0x0C;
constexpr unsigned char DateTime = 0x11;
constexpr unsigned char WideString = 0x12;
constexpr unsigned char Int64 = 0x13;
constexpr unsigned char Utf8String = 0x14;
} // namespace tag

constexpr std::string_view Signature = "TPF0";
constexpr std::string_view ClassName = "TScheduleItem";
constexpr std::string_view TaskPropertyName = "TaskProperty";
constexpr std::string_view TimeRulePropertyName = "SPTimeProperty";
constexpr std::string_view OtherPropertyName = "OtherProperty";

constexpr const char* StreamReadError = HALVO_TRANSLATE_NOOP("ScheduleFile", "Stream read error");
constexpr const char* InvalidStreamFormat = HALVO_TRANSLATE_NOOP("ScheduleFile", "Invalid stream format");
constexpr const char* InvalidPropertyValue = HALVO_TRANSLATE_NOOP("ScheduleFile", "Invalid property value");

// The data ended before what had to be read.
struct EndOfDataFault {};
// A value carries a tag that its kind does not take.
struct InvalidValueFault {};
// The bytes are not a record at all.
struct FormatFault {};

// The range of dates the program can show and compute with: 1 January 0001 to 31 December 9999. A stored
// value outside it (or not a number at all) can only come from a damaged file.
constexpr double EarliestDate = -693593.0;
constexpr double EndOfLatestDate = 2958466.0;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

std::string propertyFault(std::string_view name, std::string_view fault) {
    return FillIn(Translate("ScheduleFile", "Error reading %1.%2: %3"), {ClassName, name, fault});
}

} // namespace

void ScheduleReader::require(std::size_t bytes) const {
    // Compared against what is left, so a hostile length never turns into an allocation.
    if (bytes > remaining())
        throw EndOfDataFault{};
}

unsigned char ScheduleReader::readByte() {
    require(1);
    return static_cast<unsigned char>(m_data[m_position++]);
}

std::uint64_t ScheduleReader::readUnsigned(std::size_t bytes) {
    require(bytes);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(m_data[m_position + i])) << (8 * i);
    m_position += bytes;
    return value;
}

std::string_view ScheduleReader::readBytes(std::size_t count) {
    require(count);
    const std::string_view bytes = m_data.substr(m_position, count);
    m_position += count;
    return bytes;
}

std::string_view ScheduleReader::readShortName() {
    return readBytes(readByte());
}

std::int64_t ScheduleReader::readTaggedInteger(unsigned char valueTag) {
    switch (valueTag) {
    case tag::Int8:
        return std::int8_t(readUnsigned(1));
    case tag::Int16:
        return std::int16_t(readUnsigned(2));
    case tag::Int32:
        return std::int32_t(readUnsigned(4));
    case tag::Int64:
        return std::int64_t(readUnsigned(8));
    default:
        throw InvalidValueFault{};
    }
}

std::int32_t ScheduleReader::readInteger() {
    const unsigned char valueTag = readByte();
    if (valueTag == tag::Int64)
        throw InvalidValueFault{};
    return std::int32_t(readTaggedInteger(valueTag));
}

std::uint32_t ScheduleReader::readProcessId() {
    // The writer puts ids from 2^31 on into 8 bytes; older files may hold such an id as a negative 32-bit
    // value, which is the same id.
    const unsigned char valueTag = readByte();
    const std::int64_t value = readTaggedInteger(valueTag);
    if (valueTag == tag::Int64 &&
        (value < 0 || value > std::int64_t(std::numeric_limits<std::uint32_t>::max())))
        throw InvalidValueFault{};
    return std::uint32_t(value);
}

std::string ScheduleReader::readString() {
    switch (readByte()) {
    case tag::String:
        return SingleByteTextToUtf8(readShortName());
    case tag::LongString:
        return SingleByteTextToUtf8(readBytes(std::size_t(readUnsigned(4))));
    case tag::Utf8String:
        return SanitizeUtf8(readBytes(std::size_t(readUnsigned(4))));
    case tag::WideString: {
        const std::uint64_t characters = readUnsigned(4);
        return Utf16LeToUtf8(readBytes(std::size_t(characters * 2)));
    }
    default:
        throw InvalidValueFault{};
    }
}

bool ScheduleReader::readBoolean() {
    return readByte() == tag::True;
}

TDateTime ScheduleReader::readDateTime() {
    const unsigned char valueTag = readByte();
    const double value = valueTag == tag::DateTime ? std::bit_cast<double>(readUnsigned(8))
                                                   : double(readTaggedInteger(valueTag));
    if (!(value >= EarliestDate && value < EndOfLatestDate))
        throw InvalidValueFault{};
    return value;
}

void ScheduleReader::readTaskProperty(TScheduleItem& item) {
    item.Task.reset();
    item.UnknownTaskCode.reset();
    const std::int32_t code = readInteger();
    const TaskKind* kind = KindOfCode(code);
    if (!kind) {
        // Kept so the item is written back as it was read; it has nothing to run.
        item.UnknownTaskCode = code;
        return;
    }
    TaskParameterValues values;
    switch (kind->Parameters) {
    case TaskParameterKind::Window:
        values.Text = readString();
        values.ProcessId = readProcessId();
        break;
    case TaskParameterKind::CommandLine:
        values.Text = readString();
        break;
    case TaskParameterKind::MessageLines: {
        // No room is made from the count: each line has to be in the data before it is kept.
        const std::int32_t lines = readInteger();
        for (std::int32_t i = 0; i < lines; ++i)
            values.Lines.push_back(readString());
        break;
    }
    case TaskParameterKind::None:
        break;
    }
    item.Task = kind->Create();
    item.Task->SetParameters(values);
}

void ScheduleReader::readTimeRuleProperty(TSPTime& rule) {
    rule.DisplayText = readString();
    // Values outside the enumerations are kept as read, so the file round-trips.
    rule.CrossState = static_cast<TCrossState>(readInteger());
    rule.Period = static_cast<TPeriod>(readInteger());
    rule.Day = readInteger();
    rule.OnceDate = readDateTime();
    rule.TimeOfDay = readDateTime();
}

void ScheduleReader::readOtherProperty(TScheduleItem& item) {
    item.Active = readBoolean();
    item.Spare = readBoolean();
    item.DueToday = readBoolean();
    item.ItemName = readString();
}

std::string ScheduleReader::ReadRecord(TScheduleItem& item) {
    try {
        if (readBytes(Signature.size()) != Signature)
            throw FormatFault{};
        readShortName(); // the class name: every record is a schedule item
        readShortName(); // the component name, which items never have
        while (true) {
            require(1);
            if (m_data[m_position] == char(tag::EndOfList))
                break;
            const std::string_view name = readShortName();
            try {
                if (equalsIgnoringCase(name, TaskPropertyName))
                    readTaskProperty(item);
                else if (equalsIgnoringCase(name, TimeRulePropertyName))
                    readTimeRuleProperty(item.TimeRule);
                else if (equalsIgnoringCase(name, OtherPropertyName))
                    readOtherProperty(item);
                else
                    return propertyFault(SingleByteTextToUtf8(name),
                                         FillIn(Translate("ScheduleFile", "Property %1 does not exist"),
                                                {SingleByteTextToUtf8(name)}));
            } catch (const EndOfDataFault&) {
                return propertyFault(SingleByteTextToUtf8(name), Translate("ScheduleFile", StreamReadError));
            } catch (const InvalidValueFault&) {
                return propertyFault(SingleByteTextToUtf8(name),
                                     Translate("ScheduleFile", InvalidPropertyValue));
            }
        }
        readByte(); // the end of the property list, seen above
        // Schedule items have no child objects; anything here is not a record this program wrote.
        if (readByte() != tag::EndOfList)
            throw FormatFault{};
        return {};
    } catch (const EndOfDataFault&) {
        return Translate("ScheduleFile", StreamReadError);
    } catch (const FormatFault&) {
        return Translate("ScheduleFile", InvalidStreamFormat);
    }
}

namespace {

void writeShortName(std::string_view name, std::string& out) {
    // A length byte cannot say more than 255.
    const std::size_t length = std::min<std::size_t>(name.size(), 255);
    out += char(length);
    out.append(name.substr(0, length));
}

void writeLittleEndian(std::uint64_t value, std::size_t bytes, std::string& out) {
    char buffer[8];
    for (std::size_t i = 0; i < bytes; ++i)
        buffer[i] = char((value >> (8 * i)) & 0xFF);
    out.append(buffer, bytes);
}

// The smallest tag that holds the value.
void writeInteger(std::int64_t value, std::string& out) {
    if (value >= -128 && value <= 127) {
        out += char(tag::Int8);
        writeLittleEndian(std::uint64_t(value), 1, out);
    } else if (value >= -32768 && value <= 32767) {
        out += char(tag::Int16);
        writeLittleEndian(std::uint64_t(value), 2, out);
    } else if (value >= std::numeric_limits<std::int32_t>::min() &&
               value <= std::numeric_limits<std::int32_t>::max()) {
        out += char(tag::Int32);
        writeLittleEndian(std::uint64_t(value), 4, out);
    } else {
        out += char(tag::Int64);
        writeLittleEndian(std::uint64_t(value), 8, out);
    }
}

// ASCII text as the single-byte strings every version reads; anything else as UTF-8.
void writeString(std::string_view text, std::string& out) {
    if (IsAscii(text)) {
        if (text.size() <= 255) {
            out += char(tag::String);
            out += char(text.size());
        } else {
            out += char(tag::LongString);
            writeLittleEndian(text.size(), 4, out);
        }
    } else {
        out += char(tag::Utf8String);
        writeLittleEndian(text.size(), 4, out);
    }
    out.append(text);
}

void writeBoolean(bool value, std::string& out) {
    out += char(value ? tag::True : tag::False);
}

void writeDateTime(TDateTime value, std::string& out) {
    out += char(tag::DateTime);
    writeLittleEndian(std::bit_cast<std::uint64_t>(value), 8, out);
}

void writeTask(const TScheduleItem& item, std::string& out) {
    const TTask* task = item.Task.get();
    if (!task) {
        // Nothing to run: the code it was read with, or 0 for an item that never had a task; both read
        // back as an item without a task.
        writeInteger(item.UnknownTaskCode.value_or(0), out);
        return;
    }
    writeInteger(task->Code, out);
    const TaskParameterValues values = task->Parameters();
    switch (KindOfCode(task->Code)->Parameters) {
    case TaskParameterKind::Window:
        writeString(values.Text, out);
        writeInteger(values.ProcessId, out);
        break;
    case TaskParameterKind::CommandLine:
        writeString(values.Text, out);
        break;
    case TaskParameterKind::MessageLines:
        writeInteger(std::int64_t(values.Lines.size()), out);
        for (const auto& line : values.Lines)
            writeString(line, out);
        break;
    case TaskParameterKind::None:
        break;
    }
}

} // namespace

void WriteScheduleRecord(const TScheduleItem& item, std::string& out) {
    out.append(Signature);
    writeShortName(ClassName, out);
    writeShortName("", out);

    writeShortName(TaskPropertyName, out);
    writeTask(item, out);

    const TSPTime& rule = item.TimeRule;
    writeShortName(TimeRulePropertyName, out);
    writeString(rule.DisplayText, out);
    writeInteger(static_cast<std::int32_t>(rule.CrossState), out);
    writeInteger(static_cast<std::int32_t>(rule.Period), out);
    writeInteger(rule.Day, out);
    writeDateTime(rule.OnceDate, out);
    writeDateTime(rule.TimeOfDay, out);

    writeShortName(OtherPropertyName, out);
    writeBoolean(item.Active, out);
    writeBoolean(item.Spare, out);
    writeBoolean(item.DueToday, out);
    writeString(item.ItemName, out);

    out += char(tag::EndOfList); // properties
    out += char(tag::EndOfList); // child objects
}

std::string WriteScheduleFile(const TScheduleManager& manager, const TScheduleItem* leaveOut) {
    std::string out;
    // The buffer grows geometrically; sizing it from one record would guess wrong for uneven items.
    for (int i = 0; i < manager.Count(); ++i)
        if (&manager.Item(i) != leaveOut)
            WriteScheduleRecord(manager.Item(i), out);
    return out;
}

} // namespace halvo
