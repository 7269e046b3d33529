#include "LevelBinary.h"
#include "ObjectTypes.h"

namespace levelc {
namespace {

class ByteReader {
public:
    explicit ByteReader(const std::string& bytes) : bytes(bytes) {}
    size_t Remaining() const { return bytes.size() - pos; }
    size_t Offset() const { return pos; }
    bool AtEnd() const { return pos == bytes.size(); }

    uint32_t Word()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= uint32_t(static_cast<unsigned char>(bytes[pos++])) << (8 * i);
        return value;
    }

    // Reads like the game does: up to a zero byte (consumed) or the end.
    void Name(LevelRecord& record)
    {
        size_t zero = bytes.find('\0', pos);
        record.nameTerminated = zero != std::string::npos;
        size_t end = record.nameTerminated ? zero : bytes.size();
        record.name = bytes.substr(pos, end - pos);
        pos = record.nameTerminated ? end + 1 : end;
    }

private:
    const std::string& bytes;
    size_t pos = 0;
};

void PutWord(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

size_t FixedPayloadSize(PayloadKind kind)
{
    switch (kind) {
    case PayloadKind::Switch: return 8;
    case PayloadKind::Direction:
    case PayloadKind::SwitchLink: return 4;
    default: return 0;
    }
}

std::string Truncated(size_t index, size_t offset, const char* part, size_t need, size_t have)
{
    return "file ends inside record " + std::to_string(index + 1) + " (byte offset " +
           std::to_string(offset) + "): its " + part + " needs " + std::to_string(need) +
           " bytes, only " + std::to_string(have) + " remain";
}

void ReadPayload(ByteReader& in, LevelRecord& record)
{
    switch (PayloadOf(record.type)) {
    case PayloadKind::Switch:
        record.id = in.Word();
        record.state = in.Word();
        break;
    case PayloadKind::Direction: record.direction = static_cast<int32_t>(in.Word()); break;
    case PayloadKind::SwitchLink: record.switchId = in.Word(); break;
    case PayloadKind::Name: in.Name(record); break;
    case PayloadKind::None: break;
    }
}

}  // namespace

bool ReadLevel(const std::string& bytes, std::vector<LevelRecord>& records, std::string& error)
{
    records.clear();
    ByteReader in(bytes);
    while (!in.AtEnd()) {
        size_t start = in.Offset();
        if (in.Remaining() < 12) {
            error = Truncated(records.size(), start, "common part", 12, in.Remaining());
            return false;
        }
        LevelRecord record;
        record.type = static_cast<int32_t>(in.Word());
        record.xBits = in.Word();
        record.yBits = in.Word();
        size_t need = FixedPayloadSize(PayloadOf(record.type));
        if (in.Remaining() < need) {
            error = Truncated(records.size(), start, "payload", need, in.Remaining());
            return false;
        }
        ReadPayload(in, record);
        records.push_back(record);
    }
    return true;
}

std::string WriteLevel(const std::vector<LevelRecord>& records)
{
    std::string out;
    for (const LevelRecord& r : records) {
        PutWord(out, static_cast<uint32_t>(r.type));
        PutWord(out, r.xBits);
        PutWord(out, r.yBits);
        switch (PayloadOf(r.type)) {
        case PayloadKind::Switch:
            PutWord(out, r.id);
            PutWord(out, r.state);
            break;
        case PayloadKind::Direction: PutWord(out, static_cast<uint32_t>(r.direction)); break;
        case PayloadKind::SwitchLink: PutWord(out, r.switchId); break;
        case PayloadKind::Name:
            out += r.name;
            if (r.nameTerminated)
                out.push_back('\0');
            break;
        case PayloadKind::None: break;
        }
    }
    return out;
}

}  // namespace levelc
