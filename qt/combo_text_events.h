#pragma once

#include <QObject>
#include <QString>

class QComboBox;

namespace qt {

// Tells assistive technology in a combo box's own name what became of its text part: once per
// turn of the event loop, when whatever a key, a pick or the wheel did is done, so a screen
// reader hears the outcome rather than each step. Qt's line edit reports every step itself
// (the old text unselected, the caret moved, the text replaced, the new text selected), and
// Orca 43 reads those steps as "unselected", "ル selected", "Selection deleted" around the
// item. The box's text part therefore tells nothing itself (installComboBoxAccessible).
// - A text the user did not type, such as a pick, is told as the new text inserted before the
//   old one, then the old one removed: a reader that finds the inserted text selected speaks
//   it as it is, and the removal of a text no longer selected says nothing.
// - What the user typed is told where it changed, as Qt's own line edit tells it.
// - A caret move or a new selection is told only while the box has the focus and its text
//   stayed the same; what comes with the focus's arrival, such as the item picked from the
//   list as the list closes, the focus itself presents.
class ComboTextEvents final : public QObject {
 public:
  // Lives as long as `combo`, its parent.
  explicit ComboTextEvents(QComboBox* combo);

 private:
  struct Seen {
    QString text;
    int selectionStart;
    int selectionLength;
    int cursor;
    bool focused;
  };

  Seen seen() const;
  void changed();
  void tell();
  void tellText(const QString& before, const QString& now, bool typed);

  QComboBox* combo_;
  Seen told_;
  bool typed_ = false;
  bool pending_ = false;
};

}  // namespace qt
