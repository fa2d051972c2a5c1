// Replays one scenario file through a qelmar-drive: the action lines go to the driver, and
// every {"expect":{...}} line is compared, key by key, with the state line the driver
// wrote after the action before it. The first difference fails the run.
//
//   scenario_replay SCENARIO.jsonl -- DRIVER [ARGUMENT...]
//
// The driver is a command with its arguments, such as a Windows driver run under wine:
//   scenario_replay start_up.jsonl -- tools/wine-run PREFIX qelmar-drive.exe

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

using namespace Qt::StringLiterals;

struct Expectation {
  int line;
  QJsonObject keys;
};

struct Step {
  int line;
  QByteArray action;
  std::vector<Expectation> expectations;
};

int fail(const QString& message) {
  std::cerr << message.toStdString() << '\n';
  return 1;
}

QString shown(const QJsonValue& value) {
  if (value.isUndefined()) return u"missing"_s;
  if (value.isString()) return u'"' + value.toString() + u'"';
  return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
      .mid(1)
      .chopped(1);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc < 4 || std::string_view(argv[2]) != "--") {
    return fail(u"usage: scenario_replay SCENARIO.jsonl -- DRIVER [ARGUMENT...]"_s);
  }
  QFile scenario(QString::fromLocal8Bit(argv[1]));
  const QString name = QFileInfo(scenario).fileName();
  if (!scenario.open(QIODevice::ReadOnly)) return fail(name + u": cannot read"_s);
  std::vector<Step> steps;
  int lineNumber = 0;
  while (!scenario.atEnd()) {
    const QByteArray line = scenario.readLine().trimmed();
    ++lineNumber;
    if (line.isEmpty()) continue;
    const QJsonDocument document = QJsonDocument::fromJson(line);
    const auto where = u"%1:%2: "_s.arg(name).arg(lineNumber);
    if (!document.isObject()) return fail(where + u"not a JSON object"_s);
    const QJsonValue expect = document.object().value(u"expect");
    if (expect.isUndefined()) {
      steps.push_back({lineNumber, line, {}});
    } else if (!expect.isObject()) {
      return fail(where + u"\"expect\" must hold an object"_s);
    } else if (steps.empty()) {
      return fail(where + u"an expectation before any action"_s);
    } else {
      steps.back().expectations.push_back({lineNumber, expect.toObject()});
    }
  }

  QStringList arguments;
  for (int i = 4; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QProcess driver;
  driver.start(QString::fromLocal8Bit(argv[3]), arguments);
  if (!driver.waitForStarted()) return fail(u"cannot start "_s + driver.program());
  for (const Step& step : steps) driver.write(step.action + '\n');
  driver.closeWriteChannel();
  driver.waitForFinished(-1);
  const QByteArray errors = driver.readAllStandardError();
  if (driver.exitStatus() != QProcess::NormalExit || driver.exitCode() != 0) {
    return fail(u"the driver failed:\n"_s + QString::fromUtf8(errors));
  }
  const QList<QByteArray> states = driver.readAllStandardOutput().split('\n');

  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    const auto where = u"%1:%2: "_s.arg(name);
    if (i >= static_cast<std::size_t>(states.size()) || states[i].isEmpty()) {
      return fail(where.arg(step.line) + u"the driver wrote no state line for this action"_s);
    }
    const QJsonObject state = QJsonDocument::fromJson(states[i]).object();
    const bool errorExpected = std::ranges::any_of(
        step.expectations, [](const Expectation& e) { return e.keys.contains(u"error"); });
    if (state.contains(u"error") && !errorExpected) {
      return fail(where.arg(step.line) + u"the driver could not do this: "_s +
                  state.value(u"error").toString());
    }
    for (const Expectation& expectation : step.expectations) {
      for (auto key = expectation.keys.begin(); key != expectation.keys.end(); ++key) {
        const QJsonValue actual = state.value(key.key());
        if (actual != key.value()) {
          return fail(where.arg(expectation.line) + key.key() + u" is "_s + shown(actual) +
                      u", expected "_s + shown(key.value()) +
                      u" (after the action on line %1)"_s.arg(step.line));
        }
      }
    }
  }
  std::cout << steps.size() << " actions replayed, every expectation met\n";
  return 0;
}
