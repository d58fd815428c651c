#include "plotarea.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The window is closed: a point on its right or bottom edge belongs to the last pixel.
int clampedPixel(double position, int size) {
    return std::clamp(static_cast<int>(std::floor(position)), 0, size - 1);
}

// Liang-Barsky clipping to [0, width] x [0, height]. The coordinate that lies on the boundary
// a point was clipped to is set exactly: a point far outside leaves too few significant bits to
// land on the boundary by arithmetic.
bool liangBarskyClip(double& x0, double& y0, double& x1, double& y1, double width, double height) {
    double t0 = 0;
    double t1 = 1;
    int entry = -1;
    int exit = -1;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0, width - x0, y0, height - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0 && t > t0) {
            t0 = t;
            entry = i;
        } else if (p[i] > 0 && t < t1) {
            t1 = t;
            exit = i;
        }
        if (t0 > t1)
            return false;
    }
    const auto place = [&](double t, int boundary, double& x, double& y) {
        if (boundary < 0)
            return;
        x = x0 + t * dx;
        y = y0 + t * dy;
        const double edges[4] = {0, width, 0, height};
        (boundary < 2 ? x : y) = edges[boundary];
    };
    double ex = x1;
    double ey = y1;
    place(t1, exit, ex, ey);
    place(t0, entry, x0, y0);
    x1 = ex;
    y1 = ey;
    return true;
}

} // namespace

PlotArea::PlotArea(QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kBackground));
    colours.setColor(QPalette::WindowText, QColor::fromRgb(kForeground));
    setPalette(colours);
    ensureImage();
}

void PlotArea::Clear() {
    ensureImage();
    image_.fill(kBackground);
    markDirty(QRect(QPoint(0, 0), logicalSize_));
}

void PlotArea::SetUserScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

PlotArea::Point PlotArea::toPixels(double x, double y) const {
    return {(x - left_) * logicalSize_.width() / (right_ - left_),
            (y - top_) * logicalSize_.height() / (bottom_ - top_)};
}

void PlotArea::DrawDot(float x, float y, QRgb colour) {
    // size() is a plain read; contentsRect() asks the window system for margins on every call.
    if (size() != widgetSize_)
        ensureImage();
    const Point p = toPixels(x, y);
    // Also false for NaN and infinity.
    if (!(p.column >= 0 && p.column <= logicalSize_.width() && p.row >= 0 &&
          p.row <= logicalSize_.height()))
        return;
    const int column = clampedPixel(p.column, logicalSize_.width());
    const int row = clampedPixel(p.row, logicalSize_.height());
    fillPixel(column, row, colour);
    markDirty(QRect(column, row, 1, 1));
}

void PlotArea::DrawLine(float xa, float ya, float xb, float yb) {
    ensureImage();
    if (logicalSize_.isEmpty())
        return;
    Point a = toPixels(xa, ya);
    Point b = toPixels(xb, yb);
    for (double* v : {&a.column, &a.row, &b.column, &b.row}) {
        if (std::isnan(*v))
            return;
        // Keeps the clip arithmetic finite while leaving the direction as good as unchanged.
        *v = std::clamp(*v, -1e300, 1e300);
    }
    const int width = logicalSize_.width();
    const int height = logicalSize_.height();
    if (!liangBarskyClip(a.column, a.row, b.column, b.row, width, height))
        return;

    int x0 = clampedPixel(a.column, width);
    int y0 = clampedPixel(a.row, height);
    const int x1 = clampedPixel(b.column, width);
    const int y1 = clampedPixel(b.row, height);
    markDirty(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
                    QPoint(std::max(x0, x1), std::max(y0, y1))));

    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        fillPixel(x0, y0, kForeground);
        if (x0 == x1 && y0 == y1)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void PlotArea::DrawResetFrame() {
    Clear();
    DrawLine(-2, 0, 18, 0);
    DrawLine(0, 10, 0, -10);
    for (int i = -10; i <= 17; ++i) {
        const auto at = static_cast<float>(i);
        DrawLine(at, -0.1f, at, 0.1f);
        DrawLine(-0.1f, at, 0.1f, at);
    }
}

const QImage& PlotArea::image() {
    ensureImage();
    return image_;
}

void PlotArea::fillPixel(int column, int row, QRgb colour) {
    if (ratio_ == 1) {
        reinterpret_cast<QRgb*>(image_.scanLine(row))[column] = colour;
        return;
    }
    const auto deviceRange = [this](int logical, int limit) {
        const int first = static_cast<int>(std::floor(logical * ratio_));
        const int last = static_cast<int>(std::floor((logical + 1) * ratio_));
        return std::pair{std::min(first, limit - 1), std::clamp(last, first + 1, limit)};
    };
    const auto [x0, x1] = deviceRange(column, image_.width());
    const auto [y0, y1] = deviceRange(row, image_.height());
    for (int y = y0; y < y1; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + x0, line + x1, colour);
    }
}

void PlotArea::ensureImage() {
    const QSize size = contentsRect().size().expandedTo(QSize(0, 0));
    const qreal ratio = devicePixelRatioF();
    widgetSize_ = this->size();
    if (size == logicalSize_ && ratio == ratio_ && !image_.isNull())
        return;

    const QImage old = image_;
    const QSize oldSize = logicalSize_;
    const qreal oldRatio = ratio_;
    logicalSize_ = size;
    ratio_ = ratio;
    const QSize device(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    image_ = QImage(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(kBackground);
    if (old.isNull() || size.isEmpty())
        return;
    // Keep what was drawn: copy each logical pixel, whatever the old and new resolutions.
    const int columns = std::min(size.width(), oldSize.width());
    const int rows = std::min(size.height(), oldSize.height());
    for (int row = 0; row < rows; ++row) {
        const int oldY = std::min(static_cast<int>(row * oldRatio), old.height() - 1);
        const QRgb* source = reinterpret_cast<const QRgb*>(old.constScanLine(oldY));
        for (int column = 0; column < columns; ++column) {
            const int oldX = std::min(static_cast<int>(column * oldRatio), old.width() - 1);
            fillPixel(column, row, source[oldX]);
        }
    }
}

void PlotArea::markDirty(const QRect& logical) {
    dirty_ |= logical;
    if (updatePending_)
        return;
    // One repaint for a whole run of dots instead of one per dot.
    updatePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            updatePending_ = false;
            update(dirty_.translated(contentsRect().topLeft()));
            dirty_ = QRect();
        },
        Qt::QueuedConnection);
}

void PlotArea::paintEvent(QPaintEvent*) {
    ensureImage();
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.drawImage(QRectF(area), image_, QRectF(QPointF(0, 0), QSizeF(area.size()) * ratio_));
    drawFrame(&painter);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PlotArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    ensureImage();
}
