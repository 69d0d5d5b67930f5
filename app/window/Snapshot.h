#pragma once
// The snapshot tool: the real main window, off screen, with a chosen "today"
// and birth date; writes a picture of the window and/or the 4-week table as
// read back from the chart. Message boxes the window would show go to `err`,
// one line each, and then nothing goes to `out`. It reads the birthday file
// but never writes it, nor makes the folders it lies in.
//
// Exit status: 0 done, 1 a message box was shown, 2 bad options, 3 the
// picture could not be written.

#include <QStringList>
#include <QTextStream>

// Needs a QApplication; `arguments` excludes the program name.
int RunSnapshot(const QStringList& arguments, QTextStream& out, QTextStream& err);

[[nodiscard]] QString SnapshotUsage();
