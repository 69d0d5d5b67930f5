#pragma once
// The dialogs of the people: the name of a person, a yes-or-no question, and
// the manager (rename, delete, reorder by buttons, keys or drag; choose or
// compare a person). Each is modal and goes first through a replaceable
// handler, so that tests and the monkey answer it instead of blocking on it.

#include "People.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The name dialog: refuses, with its reason shown in the dialog, every name
// that cannot be kept, and answers the cleaned name.
class TPersonNameDialog : public QDialog {
public:
    // prompt: the line above the name field, with its accelerator.
    TPersonNameDialog(QWidget* parent, const QString& title, const QString& prompt, const QString& name);
    [[nodiscard]] QString Name() const;
    void accept() override;

    QLineEdit* NameEdit = nullptr;
    QLabel* Problem = nullptr;
};

struct TManageRequest {
    TPeople People;
    int Current = -1;                       // checked in the list; -1 for none
    std::optional<TDaySerial> CompareFrom;  // the first birth date of a comparison; none: no comparing
    int Selected = 0;
};

struct TManageResult {
    enum class TAction { maNone, maChoose, maCompare };
    TPeople People;            // in the new order, renamed, without the deleted
    std::vector<int> Origins;  // for each person, the position it had in the request
    TAction Action = TAction::maNone;
    int Index = -1;  // the person to choose or compare with, in People
};

class TManagePeopleDialog : public QDialog {
public:
    TManagePeopleDialog(QWidget* parent, const TManageRequest& request);
    [[nodiscard]] TManageResult Result() const;

    void RenameSelected();
    void DeleteSelected();
    void MoveSelected(int step);
    void Finish(TManageResult::TAction action);

    QLineEdit* Filter = nullptr;
    QListWidget* List = nullptr;
    QPushButton* Choose = nullptr;
    QPushButton* Compare = nullptr;
    QPushButton* Rename = nullptr;
    QPushButton* Delete = nullptr;
    QPushButton* Up = nullptr;
    QPushButton* Down = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddItem(int row, const TPerson& person, int origin);
    void ApplyFilter();
    void UpdateButtons();
    [[nodiscard]] TPerson PersonAt(int row) const;
    [[nodiscard]] TPeople PeopleListed() const;

    TManageRequest m_request;
    TManageResult::TAction m_action = TManageResult::TAction::maNone;
    int m_index = -1;
};

using TNameDialogHandler =
    std::function<std::optional<QString>(const QString& title, const QString& prompt, const QString& name)>;
using TQuestionHandler = std::function<bool(const QString& text)>;
using TManageDialogHandler = std::function<std::optional<TManageResult>(const TManageRequest& request)>;

// The cleaned name, or none when cancelled.
[[nodiscard]] std::optional<QString> AskPersonName(QWidget* parent, const QString& title, const QString& prompt,
                                                   const QString& name = {});
// True for yes; No is the default button.
[[nodiscard]] bool AskQuestion(QWidget* parent, const QString& text);
// None when cancelled.
[[nodiscard]] std::optional<TManageResult> ManagePeople(QWidget* parent, const TManageRequest& request);

// Each installs a handler (an empty one restores the real dialog) and returns the previous one.
TNameDialogHandler SetNameDialogHandler(TNameDialogHandler handler);
TQuestionHandler SetQuestionHandler(TQuestionHandler handler);
TManageDialogHandler SetManageDialogHandler(TManageDialogHandler handler);
