#ifndef APP_FONT_H
#define APP_FONT_H

#include <QFont>
#include <QString>

// The application-wide font for an interface language: Thai needs a family
// that carries its script; every other language uses Arial, 12 points.
QFont ApplicationFont(const QString& language);

#endif  // APP_FONT_H
