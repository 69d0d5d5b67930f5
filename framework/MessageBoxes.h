#pragma once
// Modal message boxes, each with one OK button that is both the default and
// the escape button, centred on the screen.
//
// Every box goes through one replaceable handler, so that tests and the
// snapshot tool can record a box instead of blocking on it.

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

enum class TMessageIcon { miInformation, miStop };

struct TMessageBoxRequest {
    QString caption;
    QString text;
    TMessageIcon icon = TMessageIcon::miInformation;
    bool operator==(const TMessageBoxRequest&) const = default;
};

using TMessageBoxHandler = std::function<void(const TMessageBoxRequest&)>;

// Shows the box through the current handler and returns when it is closed.
void ShowMessageBox(const TMessageBoxRequest& request);

// Caption "Information", the information icon.
void ShowInformationBox(const QString& text);

// Installs a handler (an empty one restores the real modal box) and returns
// the previous one.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

// The real modal box; what the default handler runs.
void ExecMessageBox(const TMessageBoxRequest& request);

// Where a window of `size` sits centred on `area`, as the main window does.
[[nodiscard]] QPoint CentredOn(const QRect& area, const QSize& size);

// Replaces the handler for the lifetime of the object.
class TScopedMessageBoxHandler {
public:
    explicit TScopedMessageBoxHandler(TMessageBoxHandler handler)
        : m_previous(SetMessageBoxHandler(std::move(handler))) {}
    ~TScopedMessageBoxHandler() { SetMessageBoxHandler(std::move(m_previous)); }
    TScopedMessageBoxHandler(const TScopedMessageBoxHandler&) = delete;
    TScopedMessageBoxHandler& operator=(const TScopedMessageBoxHandler&) = delete;

private:
    TMessageBoxHandler m_previous;
};
