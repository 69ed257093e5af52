// ordalis: the desktop program. Takes no command-line arguments.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel placeholder("Ordalis");
  placeholder.show();
  return application.exec();
}
