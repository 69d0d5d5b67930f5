#pragma once
// An icon made of picture files that are decoded only when a size of it is
// first asked for, and then once. The application icon is needed by no
// window that shows before the first frame, so decoding its four pictures
// there would only delay the start.

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

struct TIconFile {
    QString path;
    QSize size;  // the picture's size, known without decoding it
};

[[nodiscard]] QIcon DeferredIcon(const QList<TIconFile>& files);
// The icon `make` returns, made when first needed; sizes: those it will have.
[[nodiscard]] QIcon DeferredIcon(QList<QSize> sizes, std::function<QIcon()> make);
