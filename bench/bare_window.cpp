// The start-up floor: a plain Qt window with as many widgets of each kind as the
// calculator, placed at fixed points, with Japanese texts, and nothing else: no names,
// resources, handlers or number library.
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  window.setFixedSize(553, 233);
  window.move(138, 159);
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  font.setPixelSize(12);
  window.setFont(font);

  QPixmap picture(537, 45);
  picture.fill(QColor(128, 128, 128));
  auto* image = new QLabel(&window);
  image->setPixmap(picture);
  image->setGeometry(8, 8, 537, 45);

  // 18 captions and the message line.
  for (int row = 0; row < 19; ++row) {
    auto* label = new QLabel(QStringLiteral("強制ロスカット証拠金維持率"), &window);
    label->setAutoFillBackground(true);
    label->setGeometry(row < 10 ? 8 : 280, 64 + 16 * (row % 10), 150, 14);
  }
  // 7 input and 8 result text boxes.
  for (int box = 0; box < 15; ++box) {
    auto* edit = new QLineEdit(QStringLiteral("10,000.00"), &window);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setGeometry(box < 7 ? 160 : 432, 64 + 16 * (box < 7 ? box : box - 7), 105, 18);
  }
  for (int combo = 0; combo < 3; ++combo) {
    auto* box = new QComboBox(&window);
    box->setEditable(true);
    box->addItems({QStringLiteral("クロス円"), QStringLiteral("ドルストレート")});
    box->setEditText(QStringLiteral("取引通貨を選択"));
    box->setGeometry(160, 176 + 16 * combo, 105, 20);
  }
  auto* button = new QPushButton(QStringLiteral("計算"), &window);
  button->setGeometry(440, 200, 105, 25);
  auto* line = new QFrame(&window);
  line->setFrameShape(QFrame::VLine);
  line->setGeometry(272, 64, 1, 160);

  window.show();
  return QApplication::exec();
}
