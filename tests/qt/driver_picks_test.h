#pragma once

#include <QObject>

// The driver's picks at the Qt window, played after whatever may come before a pick.
class DriverPicksTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPickTakesEffectWhateverCameBefore();
};
