#include "Artwork.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitArtResource() { Q_INIT_RESOURCE(art); }

void InitArtwork() {
    static const bool done = (InitArtResource(), true);
    (void)done;
}

QString ArtIconPath(int size) {
    return QStringLiteral(":/art/icon%1.png").arg(size);
}

QString ArtScaledPath(const char* path, int scale) {
    QString scaled = QString::fromLatin1(path);
    if (scale == 1)
        return scaled;
    const qsizetype dot = scaled.lastIndexOf(u'.');
    return scaled.insert(dot, QStringLiteral("@%1x").arg(scale));
}
