// Prints the X11 primary selection, the text the pointer last selected, for the e2e
// scripts; exits 1 when nothing is selected. With `--offer TEXT` it holds TEXT as the
// clipboard instead, until it is ended, so that a script pastes a whole name at once.

#include <QClipboard>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--offer") == 0) {
    QGuiApplication::clipboard()->setText(QString::fromLocal8Bit(argv[2]));
    return QGuiApplication::exec();
  }
  const QString text = QGuiApplication::clipboard()->text(QClipboard::Selection);
  std::printf("%s\n", text.toUtf8().constData());
  return text.isEmpty() ? 1 : 0;
}
