#ifndef VELMORA_LAUNCHER_PATH_ROUND_TRIP_H
#define VELMORA_LAUNCHER_PATH_ROUND_TRIP_H

#include <QByteArray>

// True when bytes read as a path come back unchanged from the registry's
// text and the UTF-8 form that the file layer receives: the home folder
// and every name a package holds must.
bool SurvivesPathRoundTrip(const QByteArray& bytes);

#endif  // VELMORA_LAUNCHER_PATH_ROUND_TRIP_H
