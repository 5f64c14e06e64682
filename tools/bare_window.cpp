// The yardstick of the start-up benchmark: a Qt program that shows one window with one labelled
// button, so that it loads the fonts and draws text as any real window does, and exits.
#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QPushButton("Veltrane", &window));
  window.show();
  QCoreApplication::processEvents();
  return 0;
}
