#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "ChartHost.h"
#include "ChartOutput.h"
#include "Compatibility.h"
#include "CompatibilityWindow.h"
#include "Controls.h"
#include "Dialogs.h"
#include "PeopleDialogs.h"
#include "PeopleExtras.h"
#include "Series.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <set>

namespace {

const QString kCaption = QStringLiteral("Free Biorhythm calculator...");
const TDaySerial kToday = 40238;  // 2010-03-01

TPerson Person(const char* name, int year, int month, int day) {
    return {QString::fromUtf8(name), DateToSerial(year, month, day)};
}

QString Named(const QString& name) {
    return kCaption + QStringLiteral(" \u2013 ") + name;
}

}  // namespace

class PeopleTest : public WindowTest {
protected:
    PeopleTest() {
        SetNameDialogHandler([this](const QString&, const QString& prompt, const QString&) {
            m_prompts << prompt;
            std::optional<QString> answer;
            if (!m_names.empty()) {
                answer = m_names.front();
                m_names.pop_front();
            }
            return answer;
        });
        SetQuestionHandler([this](const QString& text) {
            m_questions << text;
            const bool yes = !m_answers.empty() && m_answers.front();
            if (!m_answers.empty())
                m_answers.pop_front();
            return yes;
        });
        SetManageDialogHandler([this](const TManageRequest& request) {
            m_requests.push_back(request);
            return m_manage;
        });
    }
    ~PeopleTest() override {
        SetNameDialogHandler({});
        SetQuestionHandler({});
        SetManageDialogHandler({});
    }

    QString PeoplePath() const { return QFileInfo(FilePath()).dir().filePath(QStringLiteral("people.json")); }
    void StorePeople(const TPeople& people) const {
        QFile file(PeoplePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(PeopleToJson(people));
    }
    TPeople StoredPeople() const { return ReadPeopleFile(PeoplePath().toStdString(), 1910, 2010).People; }

    TPrincipal& StartWith(const TPeople& people) {
        if (!people.empty())
            StorePeople(people);
        StoreFile("1980\r\n5\r\n17\r\n");
        TPrincipal& w = Start();
        m_extras = new TChartExtras(w);
        m_people = new TPeopleExtras(w, *m_extras);
        QCoreApplication::processEvents();
        return w;
    }

    std::unique_ptr<QMenu> Menu() const { return std::unique_ptr<QMenu>(m_extras->CreateMenu(*m_window->ChartTodayHost)); }

    void Trigger(const QString& name) const {
        const std::unique_ptr<QMenu> menu = Menu();
        auto* action = menu->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name.toStdString();
        ASSERT_TRUE(action->isEnabled()) << name.toStdString();
        action->trigger();
    }

    [[nodiscard]] std::vector<double> Points(const TChartSeries& series) const {
        std::vector<double> v;
        for (int i = 0; i < series.PointCount(); ++i)
            v.push_back(series.PointY(i));
        return v;
    }

    TChartExtras* m_extras = nullptr;
    TPeopleExtras* m_people = nullptr;
    std::deque<std::optional<QString>> m_names;
    std::deque<bool> m_answers;
    std::optional<TManageResult> m_manage;
    QStringList m_prompts, m_questions;
    std::vector<TManageRequest> m_requests;
};

TEST_F(PeopleTest, ChoosingAPersonCalculatesAsByHandAndNamesTheCaptionUntilADateIsPickedByHand) {
    TPrincipal& w = StartWith({Person("Anna", 1980, 5, 17), Person("Ben", 1975, 1, 1)});
    // A stored date that is some person's names nobody: only choosing does.
    EXPECT_EQ(w.windowTitle(), kCaption);

    Trigger("Person1");
    EXPECT_EQ(w.cDia->currentText() + w.cMes->currentText() + w.cAnne->currentText(), "1January1975");
    const TDaySerial ben = DateToSerial(1975, 1, 1);
    EXPECT_EQ(w.Table(), DayTable(ben, kToday));
    const TScoreRow row = ScoreRow(ben, kToday);
    std::vector<double> values(row.Scores.begin(), row.Scores.end());
    values.push_back(row.Average);
    EXPECT_EQ(Points(*w.ChartToday->SeriesList()[0]), values);
    EXPECT_EQ(w.windowTitle(), Named("Ben"));
    {
        const std::unique_ptr<QMenu> menu = Menu();
        EXPECT_TRUE(menu->findChild<QAction*>("Person1")->isChecked());
        EXPECT_FALSE(menu->findChild<QAction*>("Person0")->isCheckable());
    }

    m_extras->ShowDay(40223);
    EXPECT_EQ(w.windowTitle(), Named("Ben") + QStringLiteral(" \u2013 14/02/2010"));
    w.cDia->setCurrentIndex(1);
    EXPECT_EQ(w.windowTitle(), kCaption + QStringLiteral(" \u2013 14/02/2010"));
    EXPECT_EQ(m_people->Current(), -1);

    Trigger("Person1");
    Close();
    EXPECT_EQ(StoredFile(), "1975\r\n1\r\n1\r\n");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(PeopleTest, SaveAsPersonKeepsTheListsDateAndAsksBeforeReplacingAName) {
    TPrincipal& w = StartWith({});
    (void)Menu();
    EXPECT_FALSE(QFile::exists(PeoplePath()));  // nothing written until the list changes

    m_names = {QStringLiteral("  Anna "), QStringLiteral("山田 花子"), QStringLiteral("فاطمة")};
    for (int i = 0; i < 3; ++i)
        Trigger("SaveAsPerson");
    EXPECT_TRUE(m_prompts[0].contains("17/05/1980"));
    const TDaySerial anna = DateToSerial(1980, 5, 17);
    EXPECT_EQ(StoredPeople(), (TPeople{{"Anna", anna}, {"山田 花子", anna}, {"فاطمة", anna}}));
    EXPECT_EQ(w.windowTitle(), Named("\u2068فاطمة\u2069"));

    // The same name in other letters, with another date: asked, refused, asked again, cancelled.
    w.cAnne->setCurrentIndex(w.cAnne->findText("1975"));
    const QByteArray before = [&] { QFile f(PeoplePath()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    m_names = {QStringLiteral("ANNA")};
    m_answers = {false};
    Trigger("SaveAsPerson");
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions[0].contains("17/05/1975"));
    EXPECT_EQ(m_prompts.size(), 5);
    QFile file(PeoplePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);

    m_names = {QStringLiteral("ANNA")};
    m_answers = {true};
    Trigger("SaveAsPerson");
    EXPECT_EQ(StoredPeople().front(), (TPerson{"ANNA", DateToSerial(1975, 5, 17)}));
    EXPECT_EQ(StoredPeople().size(), 3u);
    EXPECT_EQ(m_people->Current(), 0);
}

TEST_F(PeopleTest, AThousandPeopleShowTwentyInEachMenuThenMoreWithUniqueAccelerators) {
    TPeople many;
    for (int i = 0; i < 1000; ++i)
        many.push_back({QStringLiteral("Person & %1").arg(i), 3654.0 + 13 * i});
    StartWith(many);
    const std::unique_ptr<QMenu> menu = Menu();
    const auto names = [](const QMenu& m) {
        QStringList list;
        for (QAction* a : m.actions())
            if (!a->isSeparator())
                list << a->objectName();
        return list;
    };
    const auto* people = menu->findChild<QMenu*>("PeopleMenu");
    const auto* compare = menu->findChild<QMenu*>("CompareMenu");
    ASSERT_TRUE(people && compare);
    QStringList expected{"SaveAsPerson"};
    for (int i = 0; i < 20; ++i)
        expected << QStringLiteral("Person%1").arg(i);
    EXPECT_EQ(names(*people), expected + QStringList({"MorePeople", "ManagePeople"}));
    EXPECT_EQ(names(*compare).size(), 21);
    EXPECT_EQ(names(*compare).last(), "MoreCompare");
    EXPECT_EQ(people->findChild<QAction*>("Person0")->text(), "Person && 0\t01/01/1910");

    for (const QMenu* m : {static_cast<const QMenu*>(menu.get()), people, compare}) {
        std::set<QString> letters;
        for (QAction* a : m->actions()) {
            const QString key = QKeySequence::mnemonic(a->text()).toString();
            const bool person = a->objectName().startsWith("Person") || a->objectName().startsWith("Compare");
            if (person && a->objectName() != "CompareWith") {
                EXPECT_TRUE(key.isEmpty()) << a->objectName().toStdString();
            } else if (!a->isSeparator()) {
                EXPECT_TRUE(letters.insert(key).second) << key.toStdString() << " twice";
            }
        }
    }

    people->findChild<QAction*>("MorePeople")->trigger();
    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_EQ(m_requests[0].People.size(), 1000u);
    EXPECT_EQ(m_requests[0].Selected, 20);
    EXPECT_EQ(m_people->People(), many);
}

TEST_F(PeopleTest, ManagerRenamesDeletesReordersAndItsCancelChangesNothing) {
    const TPeople three = {Person("Anna", 1980, 5, 17), Person("Ben", 1975, 1, 1), Person("Cleo", 1990, 7, 4)};
    TManagePeopleDialog dialog(nullptr, {three, 1, three[0].Birth, 0});
    EXPECT_FALSE(dialog.Compare->isEnabled());  // Anna has the first date
    dialog.List->setCurrentRow(1);
    EXPECT_TRUE(dialog.Compare->isEnabled());
    QTest::keyClick(dialog.List, Qt::Key_Up, Qt::ControlModifier);  // Ben, Anna, Cleo

    m_names = {QStringLiteral("cleo"), QStringLiteral("Bea")};
    QTest::keyClick(dialog.List, Qt::Key_F2);  // taken by Cleo: refused
    ASSERT_EQ(m_boxes.size(), 1u);
    dialog.Rename->click();
    m_answers = {false, true};
    dialog.List->setCurrentRow(2);
    QTest::keyClick(dialog.List, Qt::Key_Delete);  // Cleo stays
    EXPECT_EQ(dialog.List->count(), 3);
    dialog.Delete->click();  // Cleo goes

    dialog.Filter->setText(QStringLiteral("an"));
    EXPECT_FALSE(dialog.Up->isEnabled() || dialog.Down->isEnabled());
    EXPECT_EQ(dialog.List->dragDropMode(), QAbstractItemView::NoDragDrop);
    dialog.Filter->clear();
    EXPECT_EQ(dialog.List->dragDropMode(), QAbstractItemView::InternalMove);
    dialog.List->model()->moveRow({}, 0, {}, 2);  // as a drag of Bea below Anna

    const TManageResult result = dialog.Result();
    EXPECT_EQ(result.People, (TPeople{three[0], {"Bea", three[1].Birth}}));
    EXPECT_EQ(result.Origins, (std::vector<int>{0, 1}));

    // Applied by the window, and the chosen person keeps the caption under the new name.
    TPrincipal& w = StartWith(three);
    Trigger("Person1");
    m_manage = std::nullopt;
    Trigger("ManagePeople");
    EXPECT_EQ(StoredPeople(), three);
    m_manage = result;
    m_manage->Action = TManageResult::TAction::maChoose;
    m_manage->Index = 0;
    Trigger("ManagePeople");
    EXPECT_EQ(StoredPeople(), result.People);
    EXPECT_EQ(m_requests.back().Current, 1);
    EXPECT_EQ(w.windowTitle(), Named("Anna"));
}

TEST_F(PeopleTest, NameDialogRefusesNamesThatCannotBeKeptWithItsReason) {
    struct Case {
        const char* name;
        QString text;
        const char* reason;  // empty: accepted
    } cases[] = {
        {"empty", QString(), "cannot be empty"},
        {"spaces only", QStringLiteral("   "), "cannot be empty"},
        {"too long", QString(101, u'x'), "at most 100 characters"},
        {"tab inside", QStringLiteral("An\tna"), "control characters"},
        {"a name", QStringLiteral(" Anna "), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPersonNameDialog dialog(nullptr, "Save as person", "&Name:", c.text);
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, *c.reason == 0);
        EXPECT_TRUE(dialog.Problem->text().contains(QString::fromLatin1(c.reason)));
        EXPECT_EQ(dialog.Problem->isHidden(), *c.reason == 0);
    }
}

TEST_F(PeopleTest, CompatibilityWindowComparesTheChartsPersonAndFollowsTheDay) {
    StartWith({Person("Anna", 1980, 5, 17), Person("Ben", 1982, 11, 3)});
    const std::unique_ptr<QMenu> menu = Menu();
    EXPECT_EQ(menu->findChild<QAction*>("Compare0"), nullptr);  // Anna's date is the charts'
    Trigger("Compare1");
    TCompatibilityWindow* window = m_people->Comparison();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Compatibility");
    EXPECT_EQ(window->Heading->text(), "Anna (17/05/1980) and Ben (03/11/1982): born 900 days apart");

    const TDaySerial anna = DateToSerial(1980, 5, 17), ben = DateToSerial(1982, 11, 3);
    const TCompatibility c = Compatibility(anna, ben);
    std::vector<double> bars(c.Values.begin(), c.Values.end());
    bars.push_back(c.Average);
    EXPECT_EQ(Points(*window->BarsHost->Chart().SeriesList()[0]), bars);
    EXPECT_TRUE(window->BarsHost->accessibleDescription().startsWith("Physical 84, Emotional 81,"));

    const auto expectLines = [&](TDaySerial day, int cycle) {
        const TChartSeriesList& lines = window->LinesHost->Chart().SeriesList();
        for (int p = 0; p < 2; ++p) {
            const auto rows = FourWeekTable(p == 0 ? anna : ben, day);
            EXPECT_EQ(lines[p]->PointX(15), day);
            EXPECT_EQ(lines[p]->SeriesColor(), CycleTable[static_cast<std::size_t>(cycle)].LineColor);
            for (int row = 0; row < 30; ++row)
                ASSERT_EQ(lines[p]->PointY(row), rows[static_cast<std::size_t>(row)].Scores[static_cast<std::size_t>(cycle)]);
        }
    };
    expectLines(kToday, 0);
    m_extras->ShowDay(40223);
    expectLines(40223, 0);
    window->CycleList->setCurrentIndex(2);
    expectLines(40223, 2);

    // Through its menu: the values, as the snapshot tool prints them.
    QTemporaryDir dir;
    const QString file = dir.filePath("compatibility.csv");
    TSaveDialog::SetHandler([&](TSaveDialog& d) {
        d.SetSelectedFile(file);
        return true;
    });
    const std::unique_ptr<QMenu> bars2(window->CreateMenu(*window->BarsHost));
    QStringList items;
    for (QAction* a : bars2->actions())
        items << a->objectName();
    EXPECT_EQ(items, (QStringList{"CopyChart", "SaveChart", "SaveValues", "Print"}));
    bars2->findChild<QAction*>("SaveValues")->trigger();
    TSaveDialog::SetHandler({});
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), CompatibilityCsv(c));

    // The tooltip of a bar, once painted.
    (void)ChartImage(*window->BarsHost);
    const auto& series = dynamic_cast<const TBarSeries&>(*window->BarsHost->Chart().SeriesList()[0]);
    const QPoint physical(series.ScreenX(0) + series.BarPixelWidth() / 2, series.ScreenY(0) + 2);
    EXPECT_TRUE(window->ToolTipAt(*window->BarsHost, physical).endsWith("<b>Physical</b>: 84"));
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(PeopleTest, ADamagedFileIsSaidOnceAndTheListStartsEmpty) {
    QDir().mkpath(QFileInfo(PeoplePath()).path());
    QFile file(PeoplePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"version\": 1, \"people\": [");
    file.close();
    StartWith({});
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].icon, TMessageIcon::miStop);
    EXPECT_TRUE(m_boxes[0].text.contains("people.json.damaged-20100301"));
    EXPECT_TRUE(m_people->People().empty());
    EXPECT_TRUE(QFile::exists(PeoplePath() + ".damaged-20100301"));
    EXPECT_FALSE(QFile::exists(PeoplePath()));
}
