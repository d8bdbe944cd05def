// A bare window of Vellaro's size: one background label, no logic. The window benchmark
// compares Vellaro's start-up, memory and idle load against it.

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {

void PrintStamp(const char* what) {
  std::printf("%s %lld\n", what, static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
  std::fflush(stdout);
}

class MinimalWindow final : public QWidget {
 public:
  MinimalWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(449, 292);
    auto* background = new QLabel(this);
    background->setGeometry(rect());
    background->setStyleSheet(QStringLiteral("background: rgb(35, 35, 35);"));
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QWidget::paintEvent(event);
    if (!painted_) {
      painted_ = true;
      PrintStamp("first-paint-ms");
      QTimer::singleShot(0, [] { PrintStamp("first-frame-ms"); });
    }
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  MinimalWindow window;
  window.move(242, 112);
  window.show();
  return QApplication::exec();
}
