#pragma once

#include <stdexcept>

// The errors a waveset reader can raise. what() is exactly the message the user sees.

class StreamReadError : public std::runtime_error {
  public:
    StreamReadError() : std::runtime_error("Stream read error") {}
};

class StreamWriteError : public std::runtime_error {
  public:
    StreamWriteError() : std::runtime_error("Stream write error") {}
};

// A seek to a position before the start of the stream. No byte sequence leads the
// readers there; only a caller passing a negative position does.
class StreamSeekError : public std::runtime_error {
  public:
    StreamSeekError() : std::runtime_error("Stream seek error") {}
};

// A count that cannot be negative came out negative.
class RangeCheckError : public std::runtime_error {
  public:
    RangeCheckError() : std::runtime_error("Range check error") {}
};
