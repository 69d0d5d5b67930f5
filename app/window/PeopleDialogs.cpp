#include "PeopleDialogs.h"

#include "Application.h"
#include "ChartTexts.h"
#include "MessageBoxes.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum TItemRole { irOrigin = Qt::UserRole, irName, irBirth };

TNameDialogHandler& NameHandler() {
    static TNameDialogHandler handler;
    return handler;
}

TQuestionHandler& QuestionHandler() {
    static TQuestionHandler handler;
    return handler;
}

TManageDialogHandler& ManageHandler() {
    static TManageDialogHandler handler;
    return handler;
}

template <class Handler>
Handler Replace(Handler& slot, Handler handler) {
    Handler previous = std::move(slot);
    slot = std::move(handler);
    return previous;
}

QString ItemText(const TPerson& person) {
    return QStringLiteral("%1 (%2)").arg(Isolated(person.Name), LongDateText(person.Birth));
}

}  // namespace

// ---------------------------------------------------------------------------
// The name

TPersonNameDialog::TPersonNameDialog(QWidget* parent, const QString& title, const QString& prompt,
                                     const QString& name)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PersonNameDialog"));
    setWindowTitle(title);
    auto* label = new QLabel(prompt, this);
    NameEdit = new QLineEdit(name, this);
    NameEdit->setObjectName(QStringLiteral("Name"));
    NameEdit->selectAll();
    label->setBuddy(NameEdit);
    Problem = new QLabel(this);
    Problem->setObjectName(QStringLiteral("Problem"));
    Problem->setWordWrap(true);
    Problem->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(NameEdit);
    layout->addWidget(Problem);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString TPersonNameDialog::Name() const {
    return CleanName(NameEdit->text());
}

void TPersonNameDialog::accept() {
    const QString problem = NameProblem(Name());
    if (problem.isEmpty()) {
        QDialog::accept();
        return;
    }
    Problem->setText(problem);
    Problem->show();
    Problem->setAccessibleName(problem);
    NameEdit->setFocus();
}

// ---------------------------------------------------------------------------
// The manager

TManagePeopleDialog::TManagePeopleDialog(QWidget* parent, const TManageRequest& request)
    : QDialog(parent), m_request(request) {
    setObjectName(QStringLiteral("ManagePeopleDialog"));
    setWindowTitle(QStringLiteral("People"));

    Filter = new QLineEdit(this);
    Filter->setObjectName(QStringLiteral("Filter"));
    Filter->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(QStringLiteral("&Find:"), this);
    filterLabel->setBuddy(Filter);

    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("People"));
    List->setDragDropMode(QAbstractItemView::InternalMove);
    List->setDefaultDropAction(Qt::MoveAction);
    List->setUniformItemSizes(true);
    List->installEventFilter(this);
    auto* listLabel = new QLabel(QStringLiteral("&People, in the order of the menu:"), this);
    listLabel->setBuddy(List);
    for (std::size_t i = 0; i < request.People.size(); ++i)
        AddItem(static_cast<int>(i), request.People[i], static_cast<int>(i));

    const auto button = [this](const char* name, const QString& text, auto&& slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        QObject::connect(b, &QPushButton::clicked, this, [slot] { TApplication::Guard(slot); });
        return b;
    };
    using TAction = TManageResult::TAction;
    Choose = button("Choose", QStringLiteral("C&hoose"), [this] { Finish(TAction::maChoose); });
    Compare = button("Compare", QStringLiteral("Co&mpare"), [this] { Finish(TAction::maCompare); });
    Rename = button("Rename", QStringLiteral("&Rename\u2026"), [this] { RenameSelected(); });
    Delete = button("Delete", QStringLiteral("&Delete\u2026"), [this] { DeleteSelected(); });
    Up = button("MoveUp", QStringLiteral("Move &up"), [this] { MoveSelected(-1); });
    Down = button("MoveDown", QStringLiteral("Move d&own"), [this] { MoveSelected(1); });
    Compare->setVisible(request.CompareFrom.has_value());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {Choose, Compare, Rename, Delete, Up, Down})
        side->addWidget(b);
    side->addStretch();
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(Filter);
    auto* left = new QVBoxLayout;
    left->addLayout(filterRow);
    left->addWidget(listLabel);
    left->addWidget(List);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle);
    layout->addWidget(buttons);
    resize(520, 440);

    QObject::connect(Filter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    QObject::connect(List, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    QObject::connect(List->model(), &QAbstractItemModel::rowsMoved, this, [this] { UpdateButtons(); });
    QObject::connect(List, &QListWidget::itemActivated, this, [this] {
        if (Choose->isEnabled())
            Finish(TManageResult::TAction::maChoose);
    });
    if (List->count() > 0)
        List->setCurrentRow(std::clamp(request.Selected, 0, List->count() - 1));
    List->setFocus();
    UpdateButtons();
}

void TManagePeopleDialog::AddItem(int row, const TPerson& person, int origin) {
    auto* item = new QListWidgetItem(ItemText(person));
    item->setData(irOrigin, origin);
    item->setData(irName, person.Name);
    item->setData(irBirth, person.Birth);
    // Dropped between items, never onto one.
    item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
    if (origin >= 0 && origin == m_request.Current) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    List->insertItem(row, item);
}

TPerson TManagePeopleDialog::PersonAt(int row) const {
    const QListWidgetItem* item = List->item(row);
    return {item->data(irName).toString(), item->data(irBirth).toDouble()};
}

TPeople TManagePeopleDialog::PeopleListed() const {
    TPeople people;
    for (int row = 0; row < List->count(); ++row)
        people.push_back(PersonAt(row));
    return people;
}

bool TManagePeopleDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != List || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool control = key->modifiers() == Qt::ControlModifier;
    if (key->key() == Qt::Key_Delete && Delete->isEnabled())
        TApplication::Guard([this] { DeleteSelected(); });
    else if (key->key() == Qt::Key_F2 && Rename->isEnabled())
        TApplication::Guard([this] { RenameSelected(); });
    else if (control && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down))
        TApplication::Guard([this, key] { MoveSelected(key->key() == Qt::Key_Up ? -1 : 1); });
    else
        return false;
    return true;
}

void TManagePeopleDialog::ApplyFilter() {
    const QString text = Filter->text().trimmed();
    for (int row = 0; row < List->count(); ++row)
        List->setRowHidden(row, !List->item(row)->data(irName).toString().contains(text, Qt::CaseInsensitive));
    // Reordering a filtered list would move people past hidden ones unseen.
    List->setDragDropMode(text.isEmpty() ? QAbstractItemView::InternalMove : QAbstractItemView::NoDragDrop);
    if (List->currentItem() && List->currentItem()->isHidden()) {
        for (int row = 0; row < List->count(); ++row) {
            if (!List->isRowHidden(row)) {
                List->setCurrentRow(row);
                break;
            }
        }
    }
    UpdateButtons();
}

void TManagePeopleDialog::UpdateButtons() {
    const int row = List->currentRow();
    const bool selected = row >= 0 && !List->isRowHidden(row);
    const bool ordered = Filter->text().trimmed().isEmpty();
    Choose->setEnabled(selected);
    Compare->setEnabled(selected && m_request.CompareFrom && PersonAt(row).Birth != *m_request.CompareFrom);
    Rename->setEnabled(selected);
    Delete->setEnabled(selected);
    Up->setEnabled(selected && ordered && row > 0);
    Down->setEnabled(selected && ordered && row + 1 < List->count());
}

void TManagePeopleDialog::RenameSelected() {
    const int row = List->currentRow();
    if (row < 0)
        return;
    TPerson person = PersonAt(row);
    const std::optional<QString> name =
        AskPersonName(this, QStringLiteral("Rename person"), QStringLiteral("New &name for %1:").arg(Isolated(person.Name)), person.Name);
    if (!name || !NameProblem(*name).isEmpty())
        return;
    if (IndexOfName(PeopleListed(), *name, row) >= 0) {
        ShowMessageBox({TApplication::Title(), QStringLiteral("The name %1 is already used by another person.").arg(Isolated(*name)),
                        TMessageIcon::miInformation});
        return;
    }
    person.Name = *name;
    QListWidgetItem* item = List->item(row);
    item->setData(irName, person.Name);
    item->setText(ItemText(person));
    ApplyFilter();
}

void TManagePeopleDialog::DeleteSelected() {
    const int row = List->currentRow();
    if (row < 0 || !AskQuestion(this, QStringLiteral("Delete %1 from the people?").arg(ItemText(PersonAt(row)))))
        return;
    delete List->takeItem(row);
    UpdateButtons();
}

void TManagePeopleDialog::MoveSelected(int step) {
    const int row = List->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= List->count() || !Filter->text().trimmed().isEmpty())
        return;
    QListWidgetItem* item = List->takeItem(row);
    List->insertItem(to, item);
    List->setCurrentRow(to);
}

void TManagePeopleDialog::Finish(TManageResult::TAction action) {
    m_action = action;
    m_index = List->currentRow();
    accept();
}

TManageResult TManagePeopleDialog::Result() const {
    TManageResult result;
    result.People = PeopleListed();
    for (int row = 0; row < List->count(); ++row)
        result.Origins.push_back(List->item(row)->data(irOrigin).toInt());
    result.Action = m_action;
    result.Index = m_index;
    return result;
}

// ---------------------------------------------------------------------------
// Opening them

namespace {

// Runs a dialog made on the heap and watched, so that closing its parent
// while it runs destroys it; `read` takes the answer from it and its result.
template <class Dialog, class Read>
auto Run(Dialog* made, Read&& read) {
    QPointer<Dialog> dialog = made;
    const int result = dialog->exec();
    decltype(read(*dialog, result)) answer{};
    if (dialog)
        answer = read(*dialog, result);
    delete dialog;
    return answer;
}

}  // namespace

std::optional<QString> AskPersonName(QWidget* parent, const QString& title, const QString& prompt, const QString& name) {
    if (const TNameDialogHandler& handler = NameHandler()) {
        const std::optional<QString> answer = handler(title, prompt, name);
        return answer ? std::optional<QString>(CleanName(*answer)) : std::nullopt;
    }
    return Run(new TPersonNameDialog(parent, title, prompt, name), [](TPersonNameDialog& dialog, int result) {
        return result == QDialog::Accepted ? std::optional<QString>(dialog.Name()) : std::nullopt;
    });
}

bool AskQuestion(QWidget* parent, const QString& text) {
    if (const TQuestionHandler& handler = QuestionHandler())
        return handler(text);
    auto* box = new QMessageBox(QMessageBox::Question, TApplication::Title(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    return Run(box, [](QMessageBox&, int result) { return result == QMessageBox::Yes; });
}

std::optional<TManageResult> ManagePeople(QWidget* parent, const TManageRequest& request) {
    if (const TManageDialogHandler& handler = ManageHandler())
        return handler(request);
    return Run(new TManagePeopleDialog(parent, request), [](TManagePeopleDialog& dialog, int result) {
        return result == QDialog::Accepted ? std::optional<TManageResult>(dialog.Result()) : std::nullopt;
    });
}

TNameDialogHandler SetNameDialogHandler(TNameDialogHandler handler) {
    return Replace(NameHandler(), std::move(handler));
}

TQuestionHandler SetQuestionHandler(TQuestionHandler handler) {
    return Replace(QuestionHandler(), std::move(handler));
}

TManageDialogHandler SetManageDialogHandler(TManageDialogHandler handler) {
    return Replace(ManageHandler(), std::move(handler));
}
