// Saves what the X screen shows as a PNG, cropped to the windows on it (the
// bare root of a virtual server is black), for screenshots of the launcher.
//
//   screen-snapshot <output.png>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace {

const int kMargin = 8;

// The smallest rectangle holding every pixel that is not the background.
QRect ContentBounds(const QImage& image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xffffff) != (background & 0xffffff))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: screen-snapshot <output.png>\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        fprintf(stderr, "screen-snapshot: no screen\n");
        return 1;
    }
    const QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    QRect bounds = ContentBounds(image, image.pixel(0, 0));
    bounds = bounds.isEmpty() ? image.rect() : bounds.adjusted(-kMargin, -kMargin, kMargin, kMargin) & image.rect();
    if (!image.copy(bounds).save(argv[1])) {
        fprintf(stderr, "screen-snapshot: cannot write '%s'\n", argv[1]);
        return 1;
    }
    printf("%s: %dx%d\n", argv[1], bounds.width(), bounds.height());
    return 0;
}
