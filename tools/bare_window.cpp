// The yardstick of the start-up benchmark: a Qt program that opens one empty window and exits.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.show();
  QCoreApplication::processEvents();
  return 0;
}
