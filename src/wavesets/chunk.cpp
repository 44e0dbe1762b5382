#include "wavesets/chunk.h"

#include "wavesets/LittleEndian.h"

#include <array>
#include <stdexcept>

namespace {

TStream* Required(TStream* stream) {
    if (!stream) {
        throw std::invalid_argument("A chunk needs a stream");
    }
    return stream;
}

std::string FourBytes(const unsigned char* bytes) {
    return {reinterpret_cast<const char*>(bytes), 4};
}

// Exactly four bytes: cut, or padded with zero bytes.
std::array<unsigned char, 4> FourByteField(std::string_view text) {
    std::array<unsigned char, 4> bytes{};
    for (std::size_t i = 0; i < bytes.size() && i < text.size(); ++i) {
        bytes[i] = static_cast<unsigned char>(text[i]);
    }
    return bytes;
}

} // namespace

void TChunk::ReadHeader(TStream* stream, std::int32_t position) {
    const std::int32_t resume = Required(stream)->Position();
    Stream = stream;
    stream->Seek(position, TSeekOrigin::Beginning);
    Position = position;
    std::array<unsigned char, 8> header{};
    stream->ReadBuffer(header.data(), static_cast<std::int32_t>(header.size()));
    Id = FourBytes(header.data());
    Size = LoadU32(header.data() + 4);
    TotalSize = Size + 8U;
    if (IsList(Id)) {
        std::array<unsigned char, 4> formType{};
        stream->ReadBuffer(formType.data(), static_cast<std::int32_t>(formType.size()));
        FormType = FourBytes(formType.data());
    } else {
        FormType.clear();
    }
    DataStart = stream->Position();
    stream->Seek(resume, TSeekOrigin::Beginning);
}

void TChunk::WriteHeader(TStream* stream, std::int32_t position) {
    const std::int32_t resume = Required(stream)->Position();
    Stream = stream;
    stream->Seek(position, TSeekOrigin::Beginning);
    Position = position;
    std::array<unsigned char, 12> header{};
    const std::array<unsigned char, 4> id = FourByteField(Id);
    std::copy(id.begin(), id.end(), header.begin());
    StoreU32(header.data() + 4, Size);
    std::int32_t length = 8;
    if (IsList(Id)) {
        const std::array<unsigned char, 4> formType = FourByteField(FormType);
        std::copy(formType.begin(), formType.end(), header.begin() + 8);
        length = 12;
    }
    stream->WriteBuffer(header.data(), length);
    stream->Seek(resume, TSeekOrigin::Beginning);
}

std::int32_t TChunk::NextChunkPos(std::int32_t position) {
    std::uint32_t candidate = 0;
    if (position == -1) {
        candidate = static_cast<std::uint32_t>(DataStart);
    } else {
        TChunk chunk;
        chunk.ReadHeader(Required(Stream), position);
        candidate = static_cast<std::uint32_t>(position) + chunk.TotalSize;
        // A wrapped sum would lead back to a chunk already passed: the walk would
        // never end.
        if (candidate <= static_cast<std::uint32_t>(position)) {
            return -1;
        }
    }
    if (candidate < static_cast<std::uint32_t>(Required(Stream)->Size())) {
        return static_cast<std::int32_t>(candidate);
    }
    return -1;
}

std::int32_t TChunk::FindChunk(std::string_view id, std::int32_t startPos) {
    // The walk NextChunkPos takes, reading each header once and always forward: the
    // header just compared gives the step to the next one.
    TChunk chunk;
    std::int32_t position = startPos;
    bool known = false; // whether `chunk` holds the header at `position`
    for (;;) {
        std::uint32_t candidate = 0;
        if (position == -1) {
            candidate = static_cast<std::uint32_t>(DataStart);
        } else {
            if (!known) {
                chunk.ReadHeader(Required(Stream), position);
            }
            candidate = static_cast<std::uint32_t>(position) + chunk.TotalSize;
            // A wrapped sum would lead back to a chunk already passed: the walk would
            // never end.
            if (candidate <= static_cast<std::uint32_t>(position)) {
                return -1;
            }
        }
        if (candidate >= static_cast<std::uint32_t>(Required(Stream)->Size())) {
            return -1;
        }
        position = static_cast<std::int32_t>(candidate);
        chunk.ReadHeader(Stream, position);
        if (chunk.Id == id) {
            return position;
        }
        known = true;
        if (chunk.TotalSize == 8 && chunk.Id == std::string(4, '\0')) {
            // Zero bytes are a run of empty chunks with a zero id, each 8 bytes on:
            // the walk moves to the last of them that lies wholly within the run.
            const std::int64_t run = std::int64_t{Stream->ZeroRunEnd(position)} - position;
            if (run >= 16) {
                position += static_cast<std::int32_t>((run / 8 - 1) * 8);
            }
        }
    }
}

std::int32_t TChunk::FindListChunk(std::string_view id, std::string_view formType,
                                   std::int32_t startPos) {
    TChunk chunk;
    std::int32_t position = startPos;
    do {
        position = FindChunk(id, position);
        if (position != -1) {
            chunk.ReadHeader(Stream, position);
            if (chunk.FormType == formType) {
                break;
            }
        }
    } while (position != -1);
    return position;
}

void TChunk::ReadHeaderAt(std::int32_t position) {
    ReadHeader(Stream, position);
}
