// Reads back the plot area's pixels. Runs at device pixel ratios 1, 1.5 and 2 (QT_SCALE_FACTOR
// is set per run in CMake); every check goes through logical pixels so it holds at each ratio.

#include "plotarea.h"

#include <QLabel>
#include <QTest>

#include <array>
#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

struct Pixel {
    int column;
    int row;
    auto operator<=>(const Pixel&) const = default;
};

} // namespace

class TestPlotArea : public QObject {
    Q_OBJECT

private:
    PlotArea* plot = nullptr;
    int W = 0;
    int H = 0;

    // The documented mapping of the default window, with points on the closed right and bottom
    // edges in the last pixel.
    Pixel expectedPixel(float x, float y) const {
        const double column = (double(x) + 2) * W / 20;
        const double row = (10 - double(y)) * H / 20;
        return {std::min(int(std::floor(column)), W - 1), std::min(int(std::floor(row)), H - 1)};
    }

    // The colour of a logical pixel; fails unless its whole block of device pixels agrees.
    QRgb logical(int column, int row) {
        const QImage& image = plot->image();
        const qreal ratio = image.devicePixelRatio();
        const int x0 = int(std::floor(column * ratio));
        const int x1 =
            std::max(x0 + 1, std::min(int(std::floor((column + 1) * ratio)), image.width()));
        const int y0 = int(std::floor(row * ratio));
        const int y1 =
            std::max(y0 + 1, std::min(int(std::floor((row + 1) * ratio)), image.height()));
        const QRgb colour = image.pixel(x0, y0);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (image.pixel(x, y) != colour) {
                    qWarning("logical pixel %d,%d is not one colour", column, row);
                    return 0;
                }
        return colour;
    }

    std::set<Pixel> pixelsOf(QRgb colour) {
        std::set<Pixel> found;
        for (int row = 0; row < H; ++row)
            for (int column = 0; column < W; ++column)
                if (logical(column, row) == colour)
                    found.insert({column, row});
        return found;
    }

private slots:
    void init() {
        plot = new PlotArea;
        plot->resize(505, 505);
        plot->SetUserScale(-2, 10, 18, -10);
        plot->show();
        QVERIFY(QTest::qWaitForWindowExposed(plot));
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QCOMPARE(plot->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        W = plot->drawingSize().width();
        H = plot->drawingSize().height();
        QVERIFY(W > 400 && W < 505);
        QCOMPARE(W, H);
    }

    void cleanup() {
        delete plot;
        plot = nullptr;
    }

    void startsAsPlainBackground() {
        QCOMPARE(pixelsOf(PlotArea::kBackground).size(), std::size_t(W) * std::size_t(H));
        const qreal ratio = plot->devicePixelRatioF();
        QCOMPARE(plot->image().width(), int(std::ceil(W * ratio)));
        QCOMPARE(plot->image().height(), int(std::ceil(H * ratio)));
    }

    void resetFrameDrawsAxesAndTicksOnly() {
        plot->DrawResetFrame();
        std::set<Pixel> expected;
        const Pixel origin = expectedPixel(0, 0);
        QCOMPARE(origin.column, 2 * W / 20);
        QCOMPARE(origin.row, H / 2);
        for (int column = 0; column < W; ++column)
            expected.insert({column, origin.row});
        for (int row = 0; row < H; ++row)
            expected.insert({origin.column, row});
        for (int i = -2; i <= 17; ++i) {
            const Pixel low = expectedPixel(float(i), -0.1f);
            const Pixel high = expectedPixel(float(i), 0.1f);
            QVERIFY(high.row < origin.row && low.row > origin.row);
            for (int row = high.row; row <= low.row; ++row)
                expected.insert({low.column, row});
        }
        for (int i = -10; i <= 10; ++i) {
            const Pixel left = expectedPixel(-0.1f, float(i));
            const Pixel right = expectedPixel(0.1f, float(i));
            for (int column = left.column; column <= right.column; ++column)
                expected.insert({column, left.row});
        }
        const std::set<Pixel> drawn = pixelsOf(PlotArea::kForeground);
        QCOMPARE(drawn.size(), expected.size());
        QVERIFY(drawn == expected);
        QCOMPARE(pixelsOf(PlotArea::kBackground).size(),
                 std::size_t(W) * std::size_t(H) - expected.size());

        // No tick at x = 18: the last column is foreground only on the x-axis.
        for (int row = 0; row < H; ++row)
            QCOMPARE(logical(W - 1, row) == PlotArea::kForeground, row == origin.row);
    }

    void dotsLandOnTheirPixel_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<uint>("colour");
        QTest::newRow("origin") << 0.f << 0.f << uint(kRed);
        QTest::newRow("top left corner") << -2.f << 10.f << uint(kBlue);
        QTest::newRow("bottom right corner") << 18.f << -10.f << uint(kRed);
        QTest::newRow("e^-1") << 1.f << 0.36788f << uint(kRed);
        QTest::newRow("negative slope") << 0.05f << -0.95123f << uint(kBlue);
        QTest::newRow("inside near right edge") << 17.99f << 9.99f << uint(kBlue);
        QTest::newRow("middle") << 8.f << 0.f << uint(kRed);
    }

    void dotsLandOnTheirPixel() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(uint, colour);
        plot->DrawDot(x, y, colour);
        const Pixel at = expectedPixel(x, y);
        QCOMPARE(logical(at.column, at.row), QRgb(colour));
        QCOMPARE(pixelsOf(PlotArea::kBackground).size(), std::size_t(W) * std::size_t(H) - 1);
    }

    void outsideDotsAndLinesDrawNothing() {
        plot->DrawResetFrame();
        const QImage before = plot->image().copy();
        const float inf = std::numeric_limits<float>::infinity();
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float big = std::numeric_limits<float>::max();
        const float points[][2] = {{18.5f, 0},  {0, -12}, {30, 5},    {-2.01f, 0},
                                   {0, 10.01f}, {inf, 0}, {0, -inf},  {-inf, inf},
                                   {nan, 0},    {0, nan}, {big, big}, {-big, 0}};
        for (const auto& p : points)
            plot->DrawDot(p[0], p[1], kRed);
        plot->DrawLine(nan, 0, 5, 5);
        plot->DrawLine(20, 20, 40, 40);
        plot->DrawLine(-big, 12, big, 12);
        plot->DrawLine(-inf, -11, inf, -11);
        QVERIFY(plot->image() == before);
    }

    void linesAreClippedToWhatIsVisible() {
        const float inf = std::numeric_limits<float>::infinity();
        const float big = std::numeric_limits<float>::max();
        for (const auto& line : {std::array{-inf, 5.f, inf, 5.f}, std::array{-big, 5.f, big, 5.f},
                                 std::array{-100.f, 5.f, 100.f, 5.f}}) {
            plot->Clear();
            plot->DrawLine(line[0], line[1], line[2], line[3]);
            const std::set<Pixel> drawn = pixelsOf(PlotArea::kForeground);
            QCOMPARE(drawn.size(), std::size_t(W));
            QCOMPARE(drawn.begin()->row, expectedPixel(0, 5).row);
        }
    }

    void clearRemovesDotsAndKeepsTheWindow() {
        plot->DrawResetFrame();
        plot->DrawDot(3, 4, kRed);
        auto* legend = new QLabel(QStringLiteral("y"), plot);
        legend->move(112, 8);
        legend->show();
        plot->Clear();
        QCOMPARE(pixelsOf(PlotArea::kBackground).size(), std::size_t(W) * std::size_t(H));
        QVERIFY(legend->isVisible());
        QCOMPARE(legend->pos(), QPoint(112, 8));
        plot->DrawDot(3, 4, kBlue);
        const Pixel at = expectedPixel(3, 4);
        QCOMPARE(logical(at.column, at.row), kBlue);
    }

    void repaintsFromItsImage() {
        plot->DrawResetFrame();
        plot->DrawDot(5, 5, kRed);
        const QImage shown = plot->grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        const QPoint inside = plot->contentsRect().topLeft();
        const Pixel at = expectedPixel(5, 5);
        const QPoint device((inside.x() + at.column) * ratio, (inside.y() + at.row) * ratio);
        QCOMPARE(shown.pixel(device), kRed);
        const Pixel origin = expectedPixel(0, 0);
        QCOMPARE(
            shown.pixel((inside.x() + origin.column) * ratio, (inside.y() + origin.row) * ratio),
            PlotArea::kForeground);
    }

    void takesFocusByTabOnly() { QCOMPARE(plot->focusPolicy(), Qt::TabFocus); }
};

QTEST_MAIN(TestPlotArea)
#include "test_plotarea.moc"
