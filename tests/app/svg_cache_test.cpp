#include "app/svg_cache.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using vellaro::app::SvgCache;

// The pictures the window renders ahead on the thread pool must be the very pixmaps it
// would have rendered when painting, at the ratio asked for.
class SvgCacheTest : public QObject {
  Q_OBJECT

 private:
  static void ComparePixmaps(const QPixmap& actual, const QPixmap& expected) {
    QCOMPARE(actual.devicePixelRatio(), expected.devicePixelRatio());
    QCOMPARE(actual.size(), expected.size());
    QCOMPARE(actual.toImage(), expected.toImage());
  }

 private slots:
  void initTestCase() { Q_INIT_RESOURCE(assets); }

  void picturesRenderedAheadAreThoseRenderedWhenPainted_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
  }

  void picturesRenderedAheadAreThoseRenderedWhenPainted() {
    QFETCH(qreal, ratio);
    const QString head = QStringLiteral(":/head.svg");
    const QString tile = QStringLiteral(":/tiles/tile_5.svg");
    SvgCache ahead;
    ahead.RenderAhead(
        {{head, {449, 449}, ratio}, {tile, {33, 33}, ratio}, {tile, {33, 33}, ratio}});
    SvgCache painted;
    ComparePixmaps(ahead.Pixmap(tile, {33, 33}, ratio), painted.Pixmap(tile, {33, 33}, ratio));
    ComparePixmaps(ahead.Pixmap(head, {449, 449}, ratio), painted.Pixmap(head, {449, 449}, ratio));
    QCOMPARE(ahead.Pixmap(tile, {33, 33}, ratio).size(), QSize(33, 33) * ratio);
    // Each distinct picture once, and none again when painted.
    QCOMPARE(ahead.RenderCount(), 2);
  }

  void aPictureAskedForAtAnotherRatioIsRenderedAtThatRatio() {
    const QString chip = QStringLiteral(":/chip.svg");
    SvgCache cache;
    cache.RenderAhead({{chip, {33, 33}, 1.0}});
    const QPixmap& sharp = cache.Pixmap(chip, {33, 33}, 2.0);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.size(), QSize(66, 66));
    QCOMPARE(cache.RenderCount(), 2);
    SvgCache painted;
    ComparePixmaps(sharp, painted.Pixmap(chip, {33, 33}, 2.0));
  }

  void aCacheGoneBeforeItsPicturesAreDoneWaitsForThem() {
    // The thread pool writes into the cache's own jobs: they must outlive the rendering.
    for (int i = 0; i < 5; ++i) {
      SvgCache cache;
      cache.RenderAhead({{QStringLiteral(":/head.svg"), {449, 449}, 1.0}});
    }
  }
};

QTEST_MAIN(SvgCacheTest)
#include "svg_cache_test.moc"
