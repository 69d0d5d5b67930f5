#include "Artwork.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitArtResource() { Q_INIT_RESOURCE(art); }

void InitArtwork() {
    static const bool done = (InitArtResource(), true);
    (void)done;
}
