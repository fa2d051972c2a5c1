#pragma once

#include <streambuf>
#include <string>

namespace drive {

// Reads and writes on node's own file descriptors: emscripten 3.1.6 splits a character
// whose bytes straddle two of its reads of standard input, and reads a pipe at a position,
// which a pipe refuses.

// A stream buffer over one such descriptor, for std::istream and std::ostream; it holds
// back no byte written.
class NodeFileBuffer final : public std::streambuf {
 public:
  explicit NodeFileBuffer(int descriptor) : descriptor_(descriptor) {}

 protected:
  int_type underflow() override;
  int_type overflow(int_type byte) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;

 private:
  int descriptor_;
  char unread_[4096];
};

}  // namespace drive
