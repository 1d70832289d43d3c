#include "dpiinfo.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <cmath>

namespace {

#if defined(__APPLE__)
// Points on macOS: the system scales Retina screens itself.
constexpr double kUnscaledDpi = 72.0;
#else
// The X11 and Xft convention: 96 dots per inch is unscaled, 144 is 1.5.
constexpr double kUnscaledDpi = 96.0;
#endif

// Virtual screens (Xvfb, offscreen) report about 100 dots per inch with no
// scaling asked for; a tenth either way still counts as unscaled.
constexpr double kUnscaledTolerance = 0.1;

}  // namespace

DPIinfo* DPIinfo::getInstance()
{
    static DPIinfo instance;
    return &instance;
}

double DPIinfo::getDPI()
{
    if (scale > 0.0)
        return scale;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return 1.0;
    scale = scaleForLogicalDpi(screen->logicalDotsPerInch());
    return scale;
}

void DPIinfo::setDPI(double newScale)
{
    scale = newScale;
}

double DPIinfo::scaleForLogicalDpi(double dotsPerInch)
{
    if (!(dotsPerInch > 0.0))
        return 1.0;
    const double factor = dotsPerInch / kUnscaledDpi;
    if (std::fabs(factor - 1.0) < kUnscaledTolerance)
        return 1.0;
    return factor;
}

QString DPIinfo::getScaledStyleSheet(const QString& styleSheet)
{
    static const QRegularExpression pixelSize("(\\d+(?:\\.\\d+)?)px\\b");
    const double factor = getDPI();
    QString scaled;
    int copied = 0;
    QRegularExpressionMatchIterator it = pixelSize.globalMatch(styleSheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        scaled += styleSheet.midRef(copied, match.capturedStart() - copied);
        const int pixels = static_cast<int>(match.captured(1).toDouble() * factor);
        scaled += QString::number(pixels) + "px";
        copied = match.capturedEnd();
    }
    scaled += styleSheet.midRef(copied);
    return scaled;
}
