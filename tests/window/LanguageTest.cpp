#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "ChartOutput.h"
#include "ChartHost.h"
#include "CompatibilityWindow.h"
#include "Controls.h"
#include "CriticalDaysDialog.h"
#include "Dialogs.h"
#include "Language.h"
#include "PageControl.h"
#include "PeopleDialogs.h"
#include "PeopleExtras.h"
#include "Series.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <memory>
#include <set>

// Every text a user reads, in each language: the window, its menus, tooltips
// and charts, the comparison window and the dialogs. A text that stays as in
// English is untranslated unless it is rightly the same; a text wider than
// its control is cut off. The language is switched in place from the menu,
// and a window started afresh in that language must read the same.

namespace {

struct TShown {
    QString Where;
    QString Text;
};

struct TLanguageCase {
    const char* Code;
    QStringList Same;  // rightly as in English
};

const TLanguageCase kLanguages[] = {
    {"de", {"Intuition", "Logo", "April", "August", "September", "November"}},
    {"fr", {"Intuition", "Logo", "In&tuition", "C&ycles", "Cycles", "Date", "Information"}},
    {"es", {}},
    {"ja", {}},
};

// Names, addresses and numbers read the same in every language.
bool Untranslatable(const TShown& shown) {
    static const QRegularExpression names(QStringLiteral("/((Person|Compare)[0-9]+|Language_[a-z]+|First|Second)$"));
    static const QRegularExpression letters(QStringLiteral("[[:alpha:]]"));
    return shown.Where.contains(names) || !shown.Text.contains(letters) || shown.Text == "OK" || shown.Text == "CSV (*.csv)" ||
           shown.Text.contains(TPrincipal::WebAddress());
}

QFont LabelFont(const TChartAxis& axis) {
    const TFontData data = axis.LabelsFont().Data();
    QFont font(QString::fromStdString(data.Name));
    font.setPixelSize(-data.Height);
    return font;
}

class TCollector {
public:
    std::vector<TShown> Shown;
    QStringList Problems;

    void Add(const QString& where, const QString& text) {
        if (!text.isEmpty())
            Shown.push_back({where, text});
    }
    void Fits(const QString& where, const QString& text, int needed, int room) {
        if (needed > room)
            Problems << QStringLiteral("%1: \"%2\" needs %3 pixels, has %4").arg(where, text).arg(needed).arg(room);
    }

    void Widgets(QWidget& root) {
        QList<QWidget*> widgets = root.findChildren<QWidget*>();
        widgets.prepend(&root);
        for (QWidget* w : widgets) {
            if (w != &root && !w->isVisibleTo(&root))
                continue;
            const QString where = root.objectName() + u'/' + w->objectName();
            Add(where + "#title", w->isWindow() ? w->windowTitle() : QString());
            Add(where + "#tip", w->toolTip());
            Add(where + "#name", w->accessibleName());
            Add(where + "#description", w->accessibleDescription());
            const QFontMetrics metrics = w->fontMetrics();
            if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull()) {
                Add(where, label->text());
                if (!label->wordWrap())
                    Fits(where, label->text(), metrics.horizontalAdvance(QString(label->text()).remove(u'&')),
                         label->contentsRect().width());
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                Add(where, button->text());
                Fits(where, button->text(), button->sizeHint().width(), button->width());
            } else if (auto* list = qobject_cast<QComboBox*>(w)) {
                QStyleOptionComboBox option;
                option.initFrom(list);
                const int room =
                    list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
                for (int i = 0; i < list->count(); ++i) {
                    Add(where + QStringLiteral("/Item%1").arg(i), list->itemText(i));
                    Fits(where, list->itemText(i), metrics.horizontalAdvance(list->itemText(i)), room);
                }
            } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    Add(where + QStringLiteral("/Tab%1").arg(i), tabs->tabText(i));
                    Fits(where, tabs->tabText(i), metrics.horizontalAdvance(tabs->tabText(i)), tabs->tabRect(i).width());
                }
            } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
                for (int c = 0; c < table->columnCount(); ++c)
                    Add(where + QStringLiteral("/Column%1").arg(c), table->horizontalHeaderItem(c)->text());
                for (int r = 0; r < std::min(table->rowCount(), 3); ++r)
                    for (int c = 0; c < table->columnCount(); ++c)
                        Add(where + QStringLiteral("/Cell%1").arg(c), table->item(r, c)->text());
            } else if (auto* people = qobject_cast<QListWidget*>(w)) {
                for (int i = 0; i < people->count(); ++i)
                    Add(where + QStringLiteral("/Person%1").arg(i), people->item(i)->text());
            }
        }
    }

    // Every item of the menu and its submenus; accelerators unique in each menu.
    void Menu(const QMenu& menu, const QString& where) {
        std::set<QString> keys;
        for (QAction* action : menu.actions()) {
            if (action->isSeparator())
                continue;
            const TShown item{where + u'/' + action->objectName(), action->text()};
            Add(item.Where, item.Text);
            const QString key = QKeySequence::mnemonic(item.Text).toString();
            if (!Untranslatable(item) && (key.isEmpty() || !keys.insert(key).second))
                Problems << item.Where + QStringLiteral(": accelerator \"%1\" missing or taken").arg(key);
            if (action->menu())
                Menu(*action->menu(), item.Where);
        }
    }

    // What a chart draws: its series' titles and point labels; the legend and
    // the labels of the bars within their room.
    void Chart(ChartHost& host) {
        (void)ChartImage(host);
        const TChart& chart = host.Chart();
        const QString where = host.objectName();
        for (const TChartSeries* series : chart.SeriesList()) {
            Add(where + "/" + QString::fromStdString(series->Name()), QString::fromStdString(series->Title()));
            for (int i = 0; i < series->PointCount(); ++i)
                Add(where + QStringLiteral("/Point%1").arg(i), QString::fromStdString(series->PointLabel(i)));
        }
        if (chart.Legend().Visible())
            Fits(where, "legend", chart.Legend().LegendRect().right, chart.Width());
        const auto* bars = dynamic_cast<const TBarSeries*>(chart.SeriesList()[0]);
        const QFontMetrics metrics(LabelFont(*chart.BottomAxis()));
        for (int i = 0; bars && !bars->XValues().DateTime() && i + 1 < bars->PointCount(); ++i) {
            const QString label = QString::fromStdString(bars->PointLabel(i));
            Fits(where, label, metrics.horizontalAdvance(label), bars->ScreenX(i + 1) - bars->ScreenX(i));
        }
    }
};

}  // namespace

class LanguageTest : public WindowTest {
protected:
    LanguageTest() {
        QFile people(QFileInfo(FilePath()).dir().filePath(QStringLiteral("people.json")));
        EXPECT_TRUE(people.open(QIODevice::WriteOnly));
        people.write(PeopleToJson({{QStringLiteral("Anna"), 29527}, {QStringLiteral("Ben"), 27395}}));
        StoreFile("1980\r\n5\r\n17\r\n");
    }

    // The program as main() starts it, in the stored language.
    TPrincipal& StartProgram() {
        TPreferencesLoad load = ApplyStoredLanguage();
        TPrincipal& w = Start();
        m_extras = new TChartExtras(w);
        m_people = new TPeopleExtras(w, *m_extras);
        new TLanguageChoice(w, *m_extras, std::move(load));
        m_people->CompareWith(0);
        return w;
    }

    void ChooseLanguage(const char* code) {
        std::unique_ptr<QMenu> menu(m_extras->CreateMenu(*m_window->ChartTodayHost));
        auto* item = menu->findChild<QAction*>(QStringLiteral("Language_") + QLatin1String(code));
        ASSERT_NE(item, nullptr);
        item->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCoreApplication::sendPostedEvents();
    }

    TCollector Collect() {
        TCollector c;
        TPrincipal& w = *m_window;
        for (int page : {0, 1}) {
            w.PageControl2->SetActivePageIndex(page);
            c.Widgets(w);
        }
        for (ChartHost* host : {w.ChartTodayHost, w.chart4weeksHost}) {
            c.Chart(*host);
            std::unique_ptr<QMenu> menu(m_extras->CreateMenu(*host));
            c.Menu(*menu, host->objectName());
            c.Add("tip", m_extras->ToolTipAt(*host, host->rect().center()));
        }
        // The window's own labels grow to the right: up to the lists, the
        // banner's edge and the scale's values.
        const QFontMetrics metrics = w.Label1->fontMetrics();
        c.Fits("Label1", w.Label1->text(), w.Label1->x() + metrics.horizontalAdvance(w.Label1->text()), w.cDia->x());
        c.Fits("Label2", w.Label2->text(), w.Label2->x() + w.Label2->fontMetrics().horizontalAdvance(w.Label2->text()),
               w.Panel5->width());
        const TChartAxis& scale = *w.ChartToday->LeftAxis();
        for (const auto& [label, value] : {std::pair{w.LHigh, 100}, std::pair{w.LCritical, 0}, std::pair{w.LLow, -100}}) {
            const QString number = QString::fromStdString(scale.ValueLabelText(value));
            c.Fits(label->objectName(), label->text(), label->x() + metrics.horizontalAdvance(label->text()),
                   scale.LabelsPixel() - QFontMetrics(LabelFont(scale)).horizontalAdvance(number));
        }

        TCompatibilityWindow& comparison = *m_people->Comparison();
        c.Widgets(comparison);
        for (ChartHost* host : {comparison.BarsHost, comparison.LinesHost}) {
            c.Chart(*host);
            std::unique_ptr<QMenu> menu(comparison.CreateMenu(*host));
            c.Menu(*menu, host->objectName());
        }
        Dialogs(c);
        return c;
    }

    static void Shown(TCollector& c, QWidget& dialog) {
        dialog.show();
        c.Widgets(dialog);
        dialog.hide();
    }

    // The dialogs, each as the user opens it, and the messages.
    void Dialogs(TCollector& c) {
        const TDayTable& table = *m_window->Table();
        TCriticalDaysDialog critical(table.Birth, table.Today, *m_window->SaveDialog);
        Shown(c, critical);
        TManagePeopleDialog manager(nullptr, {m_people->People(), 0, table.Birth, 0});
        Shown(c, manager);
        QString title, prompt;
        const TNameDialogHandler previous = SetNameDialogHandler([&](const QString& t, const QString& p, const QString&) {
            title = t;
            prompt = p;
            return std::nullopt;
        });
        m_people->SaveAsPerson();
        SetNameDialogHandler(previous);
        TPersonNameDialog name(nullptr, title, prompt, "Anna");
        Shown(c, name);
        QTimer::singleShot(0, [&c] {
            QWidget* day = QApplication::activeModalWidget();
            c.Widgets(*day);
            day->close();
        });
        TriggerMenuAction(*m_extras, *m_window->ChartTodayHost, "AnotherDay");
        ScopedHandler<TSaveDialog> save([&c](TSaveDialog& dialog) {
            c.Add("save", dialog.title());
            c.Add("save", dialog.nameFilters().join(u'|'));
            return false;
        });
        TriggerMenuAction(*m_extras, *m_window->ChartTodayHost, "SaveChart");
        TriggerMenuAction(*m_extras, *m_window->ChartTodayHost, "SaveValues");
        m_boxes.clear();
        m_window->cMes->setCurrentIndex(3);
        m_window->cDia->setCurrentIndex(30);  // 31 April
        m_window->bCalculate->click();
        m_window->cDia->setCurrentIndex(0);
        m_window->cAnne->setCurrentIndex(m_window->cAnne->count() - 1);
        m_window->cMes->setCurrentIndex(11);  // a birthday to come
        m_window->bCalculate->click();
        for (const TMessageBoxRequest& box : m_boxes) {
            c.Add("box", box.caption);
            c.Add("box", box.text);
        }
        m_window->cAnne->setCurrentIndex(m_window->cAnne->findText("1980"));
        m_window->cMes->setCurrentIndex(4);
        m_window->cDia->setCurrentIndex(16);
    }

    TChartExtras* m_extras = nullptr;
    TPeopleExtras* m_people = nullptr;
};

TEST_F(LanguageTest, EveryTextIsTranslatedInPlaceAsAtStartAndFits) {
    StartProgram();
    const TCollector english = Collect();
    EXPECT_TRUE(english.Problems.isEmpty()) << english.Problems.join(u'\n').toStdString();
    for (const TLanguageCase& language : kLanguages) {
        SCOPED_TRACE(language.Code);
        ChooseLanguage(language.Code);
        const TCollector switched = Collect();
        ASSERT_EQ(switched.Shown.size(), english.Shown.size());
        QStringList untranslated;
        for (std::size_t i = 0; i < english.Shown.size(); ++i) {
            const TShown& shown = switched.Shown[i];
            if (shown.Text == english.Shown[i].Text && !Untranslatable(shown) && !language.Same.contains(shown.Text))
                untranslated << shown.Where + ": " + shown.Text;
        }
        EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(u'\n').toStdString();
        EXPECT_TRUE(switched.Problems.isEmpty()) << switched.Problems.join(u'\n').toStdString();

        Close();
        StartProgram();  // in the language just chosen, which the preferences keep
        EXPECT_EQ(CurrentLanguage(), QLatin1String(language.Code));
        const TCollector fresh = Collect();
        ASSERT_EQ(fresh.Shown.size(), switched.Shown.size());
        for (std::size_t i = 0; i < fresh.Shown.size(); ++i)
            EXPECT_EQ(fresh.Shown[i].Text.toStdString(), switched.Shown[i].Text.toStdString()) << fresh.Shown[i].Where.toStdString();
    }
}
