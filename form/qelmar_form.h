#pragma once

#include "calc/fields.h"
#include "form/layout.h"

#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace form {

// The calculator window. The texts of its fields are the program's whole state; the
// handlers in calc/ read and write them through calc::Fields.
// No Q_OBJECT: moc cannot read the Japanese enumerators of calc/fields.h, and the form
// declares no signals or slots of its own.
class QelmarForm final : public QWidget, public calc::Fields {
  // Filled as the elements below are made, so they come first.
  std::array<QWidget*, calc::kFieldCount> fieldWidgets_{};
  std::array<QLabel*, calc::kFieldCount> captionLabels_{};  // by the field each one names

 public:
  explicit QelmarForm(QWidget* parent = nullptr);

  // The window as the program starts it: built, Form_Load run, then shown.
  static std::unique_ptr<QelmarForm> open();

  // Runs once, after construction and before the window is first shown.
  void Form_Load();

  std::u16string text(calc::Field field) const override;
  void setText(calc::Field field, std::u16string text) override;

  // The widget a layout row places: a field's box, a caption label, or another element.
  QWidget* widget(const Placed& element) const;

  QLabel* const Image1;

  QLabel* const 口座残高;
  QLabel* const 口座種別;
  QLabel* const 取引通貨;
  QLabel* const 現在のUSDJYPレート;
  QLabel* const 現在の取引通貨レート;
  QLabel* const 通貨単位;
  QLabel* const レバレッジ;
  QLabel* const 購入比率;
  QLabel* const 運用オーダー数;
  QLabel* const 強制ロスカット証拠金維持率;

  QLineEdit* const 口座残高text;
  QComboBox* const 口座種別Combo;
  QComboBox* const 取引通貨Combo;
  QLineEdit* const 現在のUSDJYPレートtext;
  QLineEdit* const 現在の取引通貨レートtext;
  QComboBox* const 通貨単位Combo;
  QLineEdit* const レバレッジtext;
  QLineEdit* const 購入比率text;
  QLineEdit* const 運用オーダー数text;
  QLineEdit* const 強制ロスカット証拠金維持率text;

  QFrame* const Line1;

  QLabel* const オーダーの適正ロット;
  QLabel* const ポジション必要証拠金ポジション必要証拠金;
  QLabel* const オーダー時の有効証拠金;
  QLabel* const PIPSあたりの損益額;
  QLabel* const 許容含み損;
  QLabel* const ロスカットまでの余力PIPS;
  QLabel* const ロスカット到達レート買;
  QLabel* const ロスカット到達レート売;

  QLineEdit* const オーダーの適正ロットtext;
  QLineEdit* const ポジション必要証拠金text;
  QLineEdit* const オーダー時の有効証拠金text;
  QLineEdit* const PIPSあたりの損益額text;
  QLineEdit* const 許容含み損text;
  QLineEdit* const ロスカットまでの余力PIPStext;
  QLineEdit* const ロスカット到達レート買text;
  QLineEdit* const ロスカット到達レート売text;

  QLabel* const Label1;
  QPushButton* const 計算;

 private:
  void 計算_Click();
  void 取引通貨Combo_Change();

  template <typename Widget>
  Widget* keep(Widget* widget, calc::Field field);
  QLabel* captionLabel(calc::Field field);
  QLineEdit* textBox(calc::Field field);
  QLineEdit* inputBox(calc::Field field);
  QComboBox* comboBox(calc::Field field);
  QLabel* messageLine();

  void placeElements();
  void placeWindow(const QMargins& frame);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void orderFocus();
};

}  // namespace form
