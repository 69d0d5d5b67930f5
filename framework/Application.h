#pragma once
// The application object: its title and the guard every window handler runs
// through. No exception may cross Qt's event loop, so the guard catches it and
// shows the default error box (caption = title, stop icon, one OK button).

#include "Errors.h"

#include <QString>
#include <QtGlobal>

#include <exception>
#include <utility>

inline constexpr char kApplicationTitle[] = QT_TRANSLATE_NOOP("TApplication", "Quellmar - Biorhythm Calculator");

class TApplication {
public:
    // In the language of the texts.
    [[nodiscard]] static QString Title();
    static void SetTitle(const QString& title);

    // The message as the error box shows it: a full stop is added when the
    // last character's code lies above that of the full stop.
    [[nodiscard]] static QString ErrorBoxText(const QString& message);

    // The message of an error in the language of the texts; errors not of
    // the program's own (the system's) as they come.
    [[nodiscard]] static QString ErrorMessage(const std::exception& e);

    // The default error box for the message.
    static void ShowException(const QString& message);

    // Runs the handler; returns false when it raised and the box was shown.
    template <class Handler>
    static bool Guard(Handler&& handler) noexcept {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const Exception& e) {
            ReportException(e);
        } catch (const std::exception& e) {
            // Not one of ours (out of memory and the like): shown the same way,
            // since letting it reach the event loop would end the program.
            ReportException(e);
        }
        return false;
    }

private:
    static void ReportException(const std::exception& e) noexcept;
};
