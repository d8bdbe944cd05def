#include "app/svg_cache.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "temporary_home.h"

using namespace vellaro::app::testing;
using vellaro::app::PictureStore;
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

  // A later start reads back the very pixels the first rendered, ahead or when painted,
  // and renders nothing.
  void storedPicturesComeBackAsRendered_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("ahead");
    QTest::newRow("1, ahead") << 1.0 << true;
    QTest::newRow("1.5, painted") << 1.5 << false;
    QTest::newRow("2, ahead") << 2.0 << true;
  }

  void storedPicturesComeBackAsRendered() {
    QFETCH(qreal, ratio);
    QFETCH(bool, ahead);
    QTemporaryDir folder;
    const PictureStore store(folder.path() + "/pictures");
    const QString head = QStringLiteral(":/head.svg");
    const QString chip = QStringLiteral(":/chip.svg");
    SvgCache first(store);
    if (ahead) first.RenderAhead({{head, {449, 449}, ratio}, {chip, {33, 33}, ratio}});
    const QPixmap rendered_head = first.Pixmap(head, {449, 449}, ratio);
    const QPixmap rendered_chip = first.Pixmap(chip, {33, 33}, ratio);
    QCOMPARE(first.RenderCount(), 2);
    QCOMPARE(QDir(folder.path() + "/pictures").entryList(QDir::Files).size(), 2);
    // The head covers the window: opaque (its last pixels only partly covered at 1.5), it
    // comes back as such; the chip is round.
    QCOMPARE(store.Load(head, {449, 449}, ratio)->format(),
             ratio == 1.5 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QCOMPARE(store.Load(chip, {33, 33}, ratio)->format(), QImage::Format_ARGB32_Premultiplied);

    SvgCache next(store);
    if (ahead) next.RenderAhead({{head, {449, 449}, ratio}, {chip, {33, 33}, ratio}});
    ComparePixmaps(next.Pixmap(head, {449, 449}, ratio), rendered_head);
    ComparePixmaps(next.Pixmap(chip, {33, 33}, ratio), rendered_chip);
    QCOMPARE(next.RenderCount(), 0);
    // Another size is another picture.
    QCOMPARE(next.Pixmap(chip, {34, 34}, ratio).size(), QSize(34, 34) * ratio);
    QCOMPARE(next.RenderCount(), 1);
  }

  // Each thing the pixels depend on names another file; a file that is not a whole picture
  // of the size asked for is rendered again, and put right.
  void aDamagedOrForeignFileIsRenderedAgain() {
    QTemporaryDir folder;
    const PictureStore store(folder.path());
    const QString chip = QStringLiteral(":/chip.svg");
    const QString file = store.FileFor(chip, {33, 33}, 1.0);
    QVERIFY(!file.isEmpty());
    QVERIFY(file != store.FileFor(chip, {33, 34}, 1.0));
    QVERIFY(file != store.FileFor(chip, {33, 33}, 2.0));
    QVERIFY(file != store.FileFor(QStringLiteral(":/chip_grey.svg"), {33, 33}, 1.0));
    QVERIFY(PictureStore().FileFor(chip, {33, 33}, 1.0).isEmpty());
    const QImage rendered = SvgCache().Pixmap(chip, {33, 33}, 1.0).toImage();

    QByteArray whole;
    {
      SvgCache first(store);
      first.Pixmap(chip, {33, 33}, 1.0);
      whole = ReadFile(file);
    }
    QVERIFY(whole.size() > 8);
    QByteArray wrong_tag = whole;
    wrong_tag[0] = 'X';
    QByteArray wrong_width = whole;
    wrong_width[8] = 34;
    for (const QByteArray& damaged :
         {whole.left(whole.size() - 1), whole + "x", wrong_tag, wrong_width, QByteArray()}) {
      WriteFile(file, damaged);
      QVERIFY(!store.Load(chip, {33, 33}, 1.0));
      SvgCache next(store);
      QCOMPARE(next.Pixmap(chip, {33, 33}, 1.0).toImage(), rendered);
      QCOMPARE(next.RenderCount(), 1);
      QVERIFY(store.Load(chip, {33, 33}, 1.0));
    }
  }

  void aFolderThatCannotBeWrittenOnlyCostsRendering() {
    QTemporaryDir folder;
    WriteFile(folder.path() + "/pictures", {});  // a file where the folder would be
    SvgCache cache{PictureStore(folder.path() + "/pictures")};
    QCOMPARE(cache.Pixmap(QStringLiteral(":/chip.svg"), {33, 33}, 1.0).size(), QSize(33, 33));
    QCOMPARE(cache.RenderCount(), 1);
  }

  void theStoreFollowsTheXdgRules() {
    const QByteArray cache = qgetenv("XDG_CACHE_HOME");
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", "/home/player");
    qputenv("XDG_CACHE_HOME", "/tmp/cache");
    QCOMPARE(PictureStore::DefaultFolder(), QStringLiteral("/tmp/cache/vellaro/pictures"));
    qputenv("XDG_CACHE_HOME", "relative");  // set aside, as the rules say
    QCOMPARE(PictureStore::DefaultFolder(), QStringLiteral("/home/player/.cache/vellaro/pictures"));
    qunsetenv("XDG_CACHE_HOME");
    qunsetenv("HOME");
    QVERIFY(PictureStore::DefaultFolder().isEmpty());
    qputenv("XDG_CACHE_HOME", cache);
    qputenv("HOME", home);
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
