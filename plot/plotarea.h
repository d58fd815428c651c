#pragma once

// A square drawing surface with a user coordinate window, one-pixel lines and single-pixel dots.
// Everything drawn goes into an image held at the screen's resolution; the surface shows that
// image whenever the window system asks, so nothing drawn is lost when the window is covered.
// One drawing pixel is one logical pixel: on a high-DPI screen it is a crisp block of device
// pixels, never smoothed.

#include <QFrame>
#include <QImage>

class PlotArea : public QFrame {
    Q_OBJECT

public:
    static constexpr QRgb kBackground = 0xFF80FFFF;
    static constexpr QRgb kForeground = 0xFF404040;

    explicit PlotArea(QWidget* parent = nullptr);

    // Fills the drawing area with the background; keeps the coordinate window and child widgets.
    void Clear();
    void SetUserScale(double left, double top, double right, double bottom);
    // Points outside the window, infinite or NaN, draw nothing and are no error.
    void DrawLine(float xa, float ya, float xb, float yb);
    void DrawDot(float x, float y, QRgb colour);
    // Clear, then the two axes and a unit tick on each for -10 ... 17.
    void DrawResetFrame();

    // The drawing area in logical pixels (the inside of the border).
    QSize drawingSize() const { return contentsRect().size(); }
    // What has been drawn, in device pixels.
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Point {
        double column;
        double row;
    };

    Point toPixels(double x, double y) const;
    void ensureImage();
    void fillPixel(int column, int row, QRgb colour);
    void markDirty(const QRect& logical);

    double left_ = 0;
    double top_ = 0;
    double right_ = 1;
    double bottom_ = 1;
    QImage image_;
    QSize logicalSize_;
    QSize widgetSize_;
    qreal ratio_ = 1;
    QRect dirty_;
    bool updatePending_ = false;
};
