#include "wavesets/inst_chunk.h"

#include "wavesets/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

std::string_view NameOf(const TSfInstRecord& record) {
    const auto end = std::find(record.Name.begin(), record.Name.end(), '\0');
    return {record.Name.data(), static_cast<std::size_t>(end - record.Name.begin())};
}

} // namespace

TinstChunk::TinstChunk() {
    SetupPath();
}

void TinstChunk::SetupPath() {
    TLISTpdtaSubchunk::SetupPath();
    Ids[1] = "inst";
    FormTypes[1].clear();
}

void TinstChunk::ReadData() {
    TLISTpdtaSubchunk::ReadData();
    Stream->Seek(DataStart, TSeekOrigin::Beginning);
    // The last position at which a whole record still fits; 64-bit, so a size near
    // the 32-bit limit cannot wrap it below the start.
    const std::int64_t limit =
        std::int64_t{DataStart} + std::int64_t{Size} - TSfInstRecord::StoredSize;
    Records.clear();
    // Each record is appended only once its bytes have arrived, so a size field
    // beyond the end of the file never sizes an allocation.
    while (Stream->Position() <= limit) {
        std::array<unsigned char, TSfInstRecord::StoredSize> bytes{};
        Stream->ReadBuffer(bytes.data(), TSfInstRecord::StoredSize);
        TSfInstRecord record;
        std::memcpy(record.Name.data(), bytes.data(), record.Name.size());
        record.BagIndex = LoadU16(bytes.data() + record.Name.size());
        if (NameOf(record) == "EOI") {
            break;
        }
        Records.push_back(record);
    }
}

void TinstChunk::WriteData() {
    TLISTpdtaSubchunk::WriteData();
    Stream->Seek(DataStart, TSeekOrigin::Beginning);
    for (const TSfInstRecord& record : Records) {
        std::array<unsigned char, TSfInstRecord::StoredSize> bytes{};
        std::memcpy(bytes.data(), record.Name.data(), record.Name.size());
        StoreU16(bytes.data() + record.Name.size(), record.BagIndex);
        Stream->WriteBuffer(bytes.data(), TSfInstRecord::StoredSize);
    }
}

std::string TinstChunk::GetInstrumentName(std::size_t index) const {
    return std::string(NameOf(Records.at(index)));
}
