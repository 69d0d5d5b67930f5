#include "Startup.h"

#include "Application.h"

#ifdef BIORHYTHM_HAVE_ARTWORK
#include "Artwork.h"
#endif

#include <QApplication>
#include <QIcon>

void InitApplicationObject() {
    TApplication::SetTitle(QString::fromLatin1(kApplicationTitle));
    QApplication::setApplicationName(QStringLiteral("biorhythm"));
#ifdef BIORHYTHM_HAVE_ARTWORK
    InitArtwork();
    QIcon icon;
    for (const char* path : {kArtIcon16, kArtIcon32, kArtIcon48, kArtIcon256})
        icon.addFile(QString::fromLatin1(path));
    QApplication::setWindowIcon(icon);
#endif
}
