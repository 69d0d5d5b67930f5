#include "Startup.h"

#include "Application.h"
#include "DeferredIcon.h"

#ifdef BIORHYTHM_HAVE_ARTWORK
#include "Artwork.h"
#endif

#include <QApplication>

#include <utility>

void InitApplicationObject() {
    TApplication::SetTitle(QString::fromLatin1(kApplicationTitle));
    QApplication::setApplicationName(QStringLiteral("biorhythm"));
#ifdef BIORHYTHM_HAVE_ARTWORK
    InitArtwork();
    QList<TIconFile> files;
    for (auto [path, size] : {std::pair{kArtIcon16, 16}, {kArtIcon32, 32}, {kArtIcon48, 48}, {kArtIcon256, 256}})
        files.append({QString::fromLatin1(path), {size, size}});
    QApplication::setWindowIcon(DeferredIcon(files));
#endif
}
