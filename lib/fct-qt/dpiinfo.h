#ifndef DPIINFO_H
#define DPIINFO_H

#include <QString>

// The pixel scale factor of the primary screen (1.0 unscaled) and style
// sheets with their pixel sizes scaled by it.
class DPIinfo {
public:
    static DPIinfo* getInstance();

    // The scale factor; measured on the first call (the application object
    // must exist by then) unless setDPI() fixed it.
    double getDPI();

    // Fixes the scale factor, for tests and for screens that report none.
    void setDPI(double scale);

    // The sheet with every "<number>px" multiplied by the scale factor and
    // truncated; a sheet without pixel sizes comes back unchanged.
    QString getScaledStyleSheet(const QString& styleSheet);

    // The scale factor that logical dots per inch stand for.
    static double scaleForLogicalDpi(double dotsPerInch);

    DPIinfo(const DPIinfo&) = delete;
    DPIinfo& operator=(const DPIinfo&) = delete;

private:
    DPIinfo() = default;

    double scale = 0.0;  // 0: not measured yet
};

#endif  // DPIINFO_H
