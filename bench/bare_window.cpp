// The start-up floor: a plain Qt window with as many widgets of each kind as the
// calculator, placed at fixed points, showing the same texts in the same face, and
// nothing else: no names, resources, images, handlers or number library.
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  window.setFixedSize(553, 233);
  window.move(138, 159);
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  font.setPixelSize(10);
  window.setFont(font);

  QPixmap picture(537, 45);
  picture.fill(QColor(128, 128, 128));
  auto* image = new QLabel(&window);
  image->setPixmap(picture);
  image->setGeometry(8, 8, 537, 45);

  // The glyphs drawn cost memory, so the texts are the window's own kinds of text.
  const QStringList captions{
      u"口座残高"_s, u"口座種別"_s, u"取引通貨"_s, u"現在のUSDJPYレート"_s, u"現在の取引通貨レート"_s,
      u"通貨単位"_s, u"レバレッジ"_s, u"購入比率"_s, u"運用オーダー数"_s, u"強制ロスカット証拠金維持率"_s,
      u"1オーダーの適正ロット"_s, u"ポジション必要証拠金"_s, u"余剰証拠金"_s, u"1PIPSあたりの損益額"_s,
      u"許容含み損"_s, u"ロスカットまでの余力PIPS"_s, u"ロスカット到達レート（買）"_s,
      u"ロスカット到達レート（売）"_s, QString()};
  for (int row = 0; row < 19; ++row) {
    auto* label = new QLabel(captions[row], &window);
    label->setAutoFillBackground(true);
    label->setGeometry(row < 10 ? 8 : 280, 64 + 16 * (row % 10), 150, 14);
  }
  const QStringList boxes{u"10,000.00"_s, u"100.000"_s, u"100.000"_s, u"100"_s, u"10%"_s,
                          u"1"_s, u"100%"_s};
  for (int box = 0; box < 15; ++box) {
    auto* edit = new QLineEdit(box < 7 ? boxes[box] : QString(), &window);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setGeometry(box < 7 ? 160 : 432, 64 + 16 * (box < 7 ? box : box - 7), 105, 18);
  }
  const QStringList prompts{u"口座種別を選択"_s, u"取引通貨を選択"_s, u"通貨単位を選択"_s};
  const QList<QStringList> items{{u"ドル"_s, u"円"_s}, {u"クロス円"_s, u"ドルストレート"_s},
                                 {u"1000"_s, u"10000"_s}};
  for (int combo = 0; combo < 3; ++combo) {
    auto* box = new QComboBox(&window);
    box->setEditable(true);
    box->addItems(items[combo]);
    box->setEditText(prompts[combo]);
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
