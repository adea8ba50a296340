// Entry point of the GUI test programs: one QApplication for all cases, on
// the offscreen platform unless the environment names another, with an
// English number format whatever the machine's locale (the cases that test
// another locale set it themselves).
#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
