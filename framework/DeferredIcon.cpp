#include "DeferredIcon.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>
#include <optional>
#include <utility>

namespace {

class TDeferredIconEngine : public QIconEngine {
public:
    TDeferredIconEngine(QList<QSize> sizes, std::function<QIcon()> make)
        : m_sizes(std::move(sizes)), m_make(std::move(make)), m_icon(std::make_shared<std::optional<QIcon>>()) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }

    // Every picture stands for every mode and state, as when the files are
    // added to a plain icon.
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override { return m_sizes; }

    bool isNull() override { return m_sizes.isEmpty(); }
    QString key() const override { return QStringLiteral("TDeferredIconEngine"); }
    QIconEngine* clone() const override { return new TDeferredIconEngine(*this); }

private:
    const QIcon& Icon() {
        if (!*m_icon)
            m_icon->emplace(m_make());
        return **m_icon;
    }

    QList<QSize> m_sizes;
    std::function<QIcon()> m_make;
    // Shared with clones, so that copies of the icon decode the pictures once.
    std::shared_ptr<std::optional<QIcon>> m_icon;
};

}  // namespace

QIcon DeferredIcon(QList<QSize> sizes, std::function<QIcon()> make) {
    return QIcon(new TDeferredIconEngine(std::move(sizes), std::move(make)));
}

QIcon DeferredIcon(const QList<TIconFile>& files) {
    QList<QSize> sizes;
    for (const TIconFile& file : files)
        sizes.append(file.size);
    return DeferredIcon(sizes, [files] {
        QIcon icon;
        for (const TIconFile& file : files)
            icon.addFile(file.path, file.size);
        return icon;
    });
}
