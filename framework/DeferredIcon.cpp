#include "DeferredIcon.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>
#include <optional>

namespace {

class TDeferredIconEngine : public QIconEngine {
public:
    explicit TDeferredIconEngine(QList<TIconFile> files)
        : m_files(std::move(files)), m_icon(std::make_shared<std::optional<QIcon>>()) {}

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
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (const TIconFile& file : m_files)
            sizes.append(file.size);
        return sizes;
    }

    bool isNull() override { return m_files.isEmpty(); }
    QString key() const override { return QStringLiteral("TDeferredIconEngine"); }
    QIconEngine* clone() const override { return new TDeferredIconEngine(*this); }

private:
    const QIcon& Icon() {
        if (!*m_icon) {
            QIcon icon;
            for (const TIconFile& file : m_files)
                icon.addFile(file.path, file.size);
            m_icon->emplace(std::move(icon));
        }
        return **m_icon;
    }

    QList<TIconFile> m_files;
    // Shared with clones, so that copies of the icon decode the pictures once.
    std::shared_ptr<std::optional<QIcon>> m_icon;
};

}  // namespace

QIcon DeferredIcon(const QList<TIconFile>& files) {
    return QIcon(new TDeferredIconEngine(files));
}
