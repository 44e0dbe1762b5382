#include "wavesets/NspFile.h"

#include "wavesets/Errors.h"
#include "wavesets/LittleEndian.h"

void TNspChunk::Load() {
    SkipRest();
}

void TNspChunk::SkipRest() {
    // 64-bit, so neither a huge size nor a far position can overflow.
    const std::int64_t consumed = std::int64_t{Owner->Position} - Offset - 8;
    const std::int64_t remaining = Size - consumed;
    if (remaining > 0) {
        // Size is at most INT32_MAX and consumed is never negative, so this fits.
        const std::int32_t moved =
            Owner->Stream->Seek(static_cast<std::int32_t>(remaining), TSeekOrigin::Current);
        Owner->Position = static_cast<std::uint32_t>(moved);
    }
}

void TNspNPRGChunk::Load() {
    // A chunk shorter than the header takes the missing bytes from what follows it.
    std::array<unsigned char, 12> bytes{};
    Owner->Read(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    for (std::size_t i = 0; i < Header.size(); ++i) {
        Header[i] = AsSigned(LoadU32(bytes.data() + 4 * i));
    }
    SkipRest();
}

void TNspLYRSChunk::Load() {
    SkipRest();
}

void TNspSIFSChunk::Load() {
    constexpr auto recordSize = static_cast<std::int32_t>(std::tuple_size_v<TNspSampleInfo>);
    const std::int32_t count = Size / recordSize;
    if (count < 0) {
        throw RangeCheckError();
    }
    SampleInfos.clear();
    // Records are kept as their bytes arrive: a size beyond the end of the file
    // claims no more memory than the file can fill.
    for (std::int32_t i = 0; i < count; ++i) {
        TNspSampleInfo record{};
        const std::int32_t arrived = Owner->Read(record.data(), recordSize);
        if (arrived == 0) {
            break;
        }
        SampleInfos.push_back(record);
        if (arrived < recordSize) {
            break;
        }
    }
    SkipRest();
}

void TNspFile::LoadFromStream(TStream* stream) {
    if (!stream) {
        return;
    }
    Stream = stream;
    Stream->Seek(0, TSeekOrigin::Beginning);
    Position = 0;
    while (Chunks.size() < MaxChunks) {
        std::unique_ptr<TNspChunk> chunk = ReadChunk();
        if (!chunk) {
            break;
        }
        Chunks.push_back(std::move(chunk));
    }
}

std::int32_t TNspFile::Read(void* buffer, std::int32_t count) {
    const std::int32_t arrived = Stream->Read(buffer, count);
    Position += static_cast<std::uint32_t>(arrived);
    return arrived;
}

std::unique_ptr<TNspChunk> TNspFile::ReadChunk() {
    std::array<unsigned char, 8> header{};
    if (Read(header.data(), static_cast<std::int32_t>(header.size())) <
        static_cast<std::int32_t>(header.size())) {
        return nullptr;
    }
    const std::string id(reinterpret_cast<const char*>(header.data()), 4);
    std::unique_ptr<TNspChunk> chunk;
    if (id == "NPRG") {
        chunk = std::make_unique<TNspNPRGChunk>(this);
    } else if (id == "LYRS") {
        chunk = std::make_unique<TNspLYRSChunk>(this);
    } else if (id == "SIFS") {
        chunk = std::make_unique<TNspSIFSChunk>(this);
    } else if (id == "SDAT") {
        chunk = std::make_unique<TNspSDATChunk>(this);
    } else {
        chunk = std::make_unique<TNspChunk>(this);
    }
    chunk->Id = id;
    chunk->Size = AsSigned(LoadU32(header.data() + 4));
    chunk->Offset = Position - 8U;
    chunk->Load();
    return chunk;
}

TNspChunk* TNspFile::FindChunk(std::string_view id) const {
    for (const std::unique_ptr<TNspChunk>& chunk : Chunks) {
        if (chunk->Id == id) {
            return chunk.get();
        }
    }
    return nullptr;
}

TNspNPRGChunk* TNspFile::GetNPRGChunk() const {
    return dynamic_cast<TNspNPRGChunk*>(FindChunk("NPRG"));
}
