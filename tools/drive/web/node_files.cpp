#include "tools/drive/web/node_files.h"

#include <emscripten/emscripten.h>

namespace drive {
namespace {

EM_JS(void, nodeWrite, (int descriptor, const char* bytes, int count), {
  require('fs').writeSync(descriptor, HEAPU8.subarray(bytes, bytes + count));
});

// Waits for at least one byte; 0 at the end.
EM_JS(int, nodeRead, (int descriptor, char* bytes, int count), {
  return require('fs').readSync(descriptor, HEAPU8.subarray(bytes, bytes + count), 0, count, null);
});

}  // namespace

NodeFileBuffer::int_type NodeFileBuffer::underflow() {
  const int count = nodeRead(descriptor_, unread_, sizeof unread_);
  if (count <= 0) return traits_type::eof();
  setg(unread_, unread_, unread_ + count);
  return traits_type::to_int_type(unread_[0]);
}

NodeFileBuffer::int_type NodeFileBuffer::overflow(int_type byte) {
  if (traits_type::eq_int_type(byte, traits_type::eof())) return traits_type::not_eof(byte);
  const char written = traits_type::to_char_type(byte);
  nodeWrite(descriptor_, &written, 1);
  return byte;
}

std::streamsize NodeFileBuffer::xsputn(const char* bytes, std::streamsize count) {
  nodeWrite(descriptor_, bytes, static_cast<int>(count));
  return count;
}

}  // namespace drive
