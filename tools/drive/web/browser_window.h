#pragma once

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "tools/drive/web/node_files.h"
#include "tools/drive/window.h"

namespace drive {

// The web page's window in Chromium, played by qelmar-drive-web, which runs this program
// under node and does what it asks: one request line on one of its pipes, one answer line
// back on the other. Texts travel as the hex digits of their UTF-16 code units (four a
// unit), so every text passes as it is. The page's texts and focus are read once, when the
// events of an action have run out.
class BrowserWindow final : public Window {
 public:
  // The pipes' file descriptors, as node has them.
  BrowserWindow(int requests, int answers);

  void reset() override;
  void type(form::Field field, std::u16string_view text) override;
  std::string pick(form::Field combo, std::size_t index) override;
  void click() override;
  void press(Key key) override;
  bool grab(const std::string& path) override;

  void settle() override;
  std::u16string text(form::Field field) const override;
  std::optional<form::Control> focus() const override;

 private:
  // Throws std::runtime_error when the player has gone.
  std::string ask(const std::string& request);

  NodeFileBuffer requestPipe_;
  NodeFileBuffer answerPipe_;
  std::ostream requests_;
  std::istream answers_;
  std::array<std::u16string, form::kFieldCount> texts_;
  std::optional<form::Control> focus_;
};

}  // namespace drive
