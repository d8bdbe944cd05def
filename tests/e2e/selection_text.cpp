// Prints the X11 primary selection, the text the pointer last selected, for the e2e
// scripts; exits 1 when nothing is selected.

#include <QClipboard>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QString text = QGuiApplication::clipboard()->text(QClipboard::Selection);
  std::printf("%s\n", text.toUtf8().constData());
  return text.isEmpty() ? 1 : 0;
}
