#include "FPrincipal.h"

#include "Align.h"
#include "Application.h"
#include "Artwork.h"
#include "BirthdayFile.h"
#include "ChartHost.h"
#include "ChartTexts.h"
#include "ChartSetup.h"
#include "Controls.h"
#include "Cycles.h"
#include "DeferredIcon.h"
#include "Dialogs.h"
#include "Formatting.h"
#include "ImageCodec.h"
#include "IntegerText.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "ShellOpen.h"
#include "SpecialFolder.h"
#include "Startup.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QToolButton>

#include <cmath>
#include <utility>

namespace {

const QString kArial = QStringLiteral("Arial");

constexpr const char* kMonths[] = {
    QT_TRANSLATE_NOOP("TPrincipal", "January"),  QT_TRANSLATE_NOOP("TPrincipal", "February"),
    QT_TRANSLATE_NOOP("TPrincipal", "March"),    QT_TRANSLATE_NOOP("TPrincipal", "April"),
    QT_TRANSLATE_NOOP("TPrincipal", "May"),      QT_TRANSLATE_NOOP("TPrincipal", "June"),
    QT_TRANSLATE_NOOP("TPrincipal", "July"),     QT_TRANSLATE_NOOP("TPrincipal", "August"),
    QT_TRANSLATE_NOOP("TPrincipal", "September"), QT_TRANSLATE_NOOP("TPrincipal", "October"),
    QT_TRANSLATE_NOOP("TPrincipal", "November"), QT_TRANSLATE_NOOP("TPrincipal", "December")};

QPixmap ArtPixmap(const QString& path, bool jpeg) {
    InitArtwork();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (jpeg)
        return QPixmap::fromImage(DecodeJpeg(file.readAll()));
    // Named, the format needs no probing through the image plugins.
    QImageReader reader(&file, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The picture at its own size and the finer variants that a screen present
// can use, each with its ratio; decoding the others would only cost start-up.
QList<QPixmap> ArtPictures(const char* path, bool jpeg) {
    QList<QPixmap> pictures;
    pictures.append(ArtPixmap(QString::fromLatin1(path), jpeg));
    const qreal finest = qGuiApp ? std::ceil(qGuiApp->devicePixelRatio()) : 1;
    for (int scale : kArtScales) {
        if (scale > finest)
            continue;
        QPixmap finer = ArtPixmap(ArtScaledPath(path, scale), jpeg);
        if (finer.isNull())
            continue;
        finer.setDevicePixelRatio(scale);
        pictures.append(finer);
    }
    return pictures;
}

void SelectPosition(TComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

}  // namespace

TPrincipal::TPrincipal(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Principal"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetReferenceDay(std::nullopt);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    // Every size, so that task bars and window switchers need not blow up the
    // small one; the 16-pixel icon comes first for those that take one.
    if (const QIcon icon = ProgramIcon(); !icon.isNull())
        setWindowIcon(icon);

    CreateControls();
    ConfigureCharts();
    BindEvents();
    Retranslate();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - ClientWidth) / 2,
             area.top() + (area.height() - ClientHeight) / 2);
    }
}

TPrincipal::~TPrincipal() = default;

QString TPrincipal::WebAddress() {
    return QStringLiteral(BIORHYTHM_WEB_ADDRESS);
}

// ---------------------------------------------------------------------------
// Layout

void TPrincipal::CreateControls() {
    // Creation order decides stacking: later siblings lie on top.
    CreateBanner();
    CreateDateBand();
    CreatePages();
    CreateDialogs();

    TAlignArea client(rect());
    Panel2->setGeometry(client.Take(TAlign::alTop, {ClientWidth, 64}));
    Panel1->setGeometry(client.Take(TAlign::alBottom, {ClientWidth, 126}));
    PageControl2->setGeometry(client.Take(TAlign::alClient, {}));

    TAlignArea banner(Panel1->rect());
    Panel4->setGeometry(banner.Take(TAlign::alLeft, {129, 126}));
    Panel3->setGeometry(banner.Take(TAlign::alRight, {176, 126}));
    Panel5->setGeometry(banner.Take(TAlign::alClient, {}));

    // A page not yet shown delivers no resize to its host, so the chart is
    // told its bounds here; the host keeps them in step from now on.
    for (auto [host, page] : {std::pair{ChartTodayHost, TabSheet3}, std::pair{chart4weeksHost, TabSheet4}}) {
        const QRect r = TAlignArea(page->rect()).Take(TAlign::alClient, {});
        host->setGeometry(r);
        host->Chart().SetBounds(r.x(), r.y(), r.width(), r.height());
    }

    setTabOrder(cDia, cMes);
    setTabOrder(cMes, cAnne);
    setTabOrder(cAnne, PageControl2->TabBar());
}

void TPrincipal::CreateBanner() {
    Panel1 = new TPanelControl(this, clWhite);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->resize(ClientWidth, 126);

    Panel3 = new TPanelControl(Panel1, clWhite);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Image1 = new TLabel(Panel3);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->SetPictures([] { return ArtPictures(kArtPromo, true); });
    Image1->setGeometry(35, 12, 125, 105);

    Panel4 = new TPanelControl(Panel1, clWhite);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Image2 = new TLabel(Panel4);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->SetPictures([] { return ArtPictures(kArtLogo, true); });
    Image2->setGeometry(17, 27, 75, 75);

    Panel5 = new TPanelControl(Panel1, clWhite);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Label2 = new TLabel(Panel5);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(38, 39, 401, 18);
    Label2->setFont(PixelFont(kArial, 15, true));
    Label2->SetFontColor(clBlack);

    cLink = new TLabel(WebAddress(), Panel5);
    cLink->setObjectName(QStringLiteral("cLink"));
    cLink->setGeometry(38, 63, 270, 32);
    cLink->setFont(PixelFont(kArial, 27));
    cLink->SetFontColor(clWindowText);
    cLink->setCursor(Qt::PointingHandCursor);
    cLink->GrowToFitText();
}

void TPrincipal::CreateDateBand() {
    Panel2 = new TPanelControl(this, clBtnFace);
    Panel2->setObjectName(QStringLiteral("Panel2"));

    Label1 = new TLabel(Panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(14, 26, 360, 17);
    Label1->setFont(PixelFont(kArial, 15));
    Label1->SetFontColor(clWindowText);

    bCalculate = new QToolButton(Panel2);
    bCalculate->setObjectName(QStringLiteral("bCalculate"));
    bCalculate->setGeometry(623, 14, 120, 40);
    bCalculate->setAutoRaise(true);
    bCalculate->setFocusPolicy(Qt::NoFocus);
    bCalculate->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bCalculate->setIconSize({32, 32});
    // Decoded when the button is first painted.
    bCalculate->setIcon(DeferredIcon({bCalculate->iconSize()}, [] {
        QIcon glyph;
        for (const QPixmap& picture : ArtPictures(kArtGlyph, false))
            glyph.addPixmap(picture);
        return glyph;
    }));
    bCalculate->setFont(PixelFont(kArial, 13));

    const auto newList = [this](const char* name, QRect geometry) {
        auto* list = new TComboBox(Panel2);
        list->setObjectName(QString::fromLatin1(name));
        list->setGeometry(geometry);
        list->setFont(PixelFont(kArial, 15));
        list->SetItemHeight(17);
        return list;
    };
    cDia = newList("cDia", {382, 22, 49, 25});
    for (int day = 1; day <= 31; ++day)
        cDia->addItem(QString::number(day));
    cMes = newList("cMes", {436, 22, 109, 25});
    for (const char* month : kMonths)
        cMes->addItem(QString::fromLatin1(month));
    cAnne = newList("cAnne", {550, 22, 65, 25});
    for (int year = 1975; year <= 2009; ++year)
        cAnne->addItem(QString::number(year));
    for (TComboBox* list : {cDia, cMes, cAnne})
        list->setCurrentIndex(0);
}

void TPrincipal::CreatePages() {
    PageControl2 = new TPageControl(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->resize(ClientWidth, ClientHeight - 64 - 126);
    PageControl2->setFont(PixelFont(kArial, 16));
    QPalette palette = PageControl2->palette();
    palette.setColor(QPalette::WindowText, ToQColor(clBlack));
    palette.setColor(QPalette::ButtonText, ToQColor(clBlack));
    PageControl2->setPalette(palette);

    TabSheet3 = PageControl2->AddPage({});
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    TabSheet4 = PageControl2->AddPage({});
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    PageControl2->SetActivePageIndex(0);

    const auto newChartHost = [](QWidget* page, const char* name) {
        auto* host = new ChartHost(page);
        host->setObjectName(QString::fromLatin1(name));
        // The opaque scale labels fill with the palette's window colour: the chart's Color.
        QPalette colors = host->palette();
        colors.setColor(QPalette::Window, ToQColor(host->Chart().Color()));
        host->setPalette(colors);
        return host;
    };
    ChartTodayHost = newChartHost(TabSheet3, "ChartToday");
    ChartToday = &ChartTodayHost->Chart();
    chart4weeksHost = newChartHost(TabSheet4, "chart4weeks");
    chart4weeks = &chart4weeksHost->Chart();

    const auto newScaleLabel = [this](const char* name, QRect geometry, TColor color) {
        auto* label = new TLabel(ChartTodayHost);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(geometry);
        label->setFont(PixelFont(kArial, 15));
        label->SetFontColor(color);
        label->SetOpaque(true);
        return label;
    };
    LHigh = newScaleLabel("LHigh", {20, 21, 29, 17}, clGreen);
    LCritical = newScaleLabel("LCritical", {4, 175, 45, 17}, clPurple);
    LLow = newScaleLabel("LLow", {14, 332, 27, 17}, clRed);
}

void TPrincipal::CreateDialogs() {
    SaveDialog = new TSaveDialog(this);
    SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
    SaveDialog->setDefaultSuffix(QStringLiteral("bmp"));
    // The home folder stands for the fixed drive root the dialog starts in.
    SaveDialog->setDirectory(QString::fromStdString(FallbackFolderPath()));

    PrintDialog = new TPrintDialog(this);
    PrintDialog->setObjectName(QStringLiteral("PrintDialog"));
    PrintDialog->SetCopies(1);
}

// ---------------------------------------------------------------------------
// Charts: construction and properties only; the handlers address the series
// by their index in SeriesList.

void TPrincipal::ConfigureCharts() {
    ConfigureTodayChart(*ChartToday);
    ConfigureFourWeekChart(*chart4weeks);
}

void TPrincipal::BindEvents() {
    QObject::connect(bCalculate, &QToolButton::clicked, this,
                     [this] { TApplication::Guard([this] { bCalculateClick(); }); });
    cDia->OnKeyPress = [this](char& key) { cDiaKeyPress(key); };
    cMes->OnKeyPress = [this](char& key) { cMesKeyPress(key); };
    cAnne->OnKeyPress = [this](char& key) { cAnneKeyPress(key); };
    for (TLabel* control : {cLink, Label2, Image1, Image2})
        control->OnClick = [this] { cLinkClick(); };
    cLink->OnMouseEnter = [this] { cLinkMouseEnter(); };
    cLink->OnMouseLeave = [this] { cLinkMouseLeave(); };
}

void TPrincipal::Retranslate() {
    const QString visit = tr("To learn more about biorhythms, please visit our website");
    const QString hint = visit + u'\n' + WebAddress();
    for (TLabel* control : {Image1, Image2, cLink})
        control->setToolTip(hint);
    const std::pair<TLabel*, QString> captions[] = {
        {Label2, visit},
        {Label1, tr("To calculate your Biorhythm, please enter your birthday:")},
        //: The scale of the today chart, at 100.
        {LHigh, tr("High")},
        //: The scale of the today chart, at 0: a day on which a cycle crosses zero is critical.
        {LCritical, tr("Critical")},
        //: The scale of the today chart, at -100.
        {LLow, tr("Low")},
    };
    for (const auto& [label, caption] : captions) {
        label->setText(caption);
        label->GrowToFitText();
    }
    bCalculate->setText(tr("&Calculate"));
    bCalculate->setToolTip(tr("Calculate biorhythm..."));
    for (int month = 0; month < cMes->count(); ++month)
        cMes->setItemText(month, tr(kMonths[month]));
    //: A tab's caption; the two spaces on either side give the tab its width.
    PageControl2->TabBar()->setTabText(0, tr("  Current state analysis  "));
    //: A tab's caption; the two spaces on either side give the tab its width.
    PageControl2->TabBar()->setTabText(1, tr("  4-Week analysis  "));

    TChartSeries& bars = SeriesOf(*ChartToday, 0);
    for (int i = 0; i < bars.PointCount(); ++i)
        bars.SetPointLabel(i, CycleName(i).toStdString());
    for (int s = 0; s < chart4weeks->SeriesList().Count(); ++s)
        SeriesOf(*chart4weeks, s).SetTitle(QCoreApplication::translate("Cycle", FourWeekTitles[s]).toStdString());
    chart4weeks->BottomAxis()->SetDateTimeFormat(AxisDateFormat().toStdString());
    SaveDialog->setNameFilters({tr(".BMP Files (*.bmp)")});
    UpdateCaption();
}

void TPrincipal::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void TPrincipal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        TApplication::Guard([this] { FormShow(); });
}

void TPrincipal::closeEvent(QCloseEvent* event) {
    TApplication::Guard([this] { FormClose(); });
    event->accept();
}

// ---------------------------------------------------------------------------
// Behaviour

void TPrincipal::FormShow() {
    cAnne->clear();
    const TDateParts today = SerialToDate(Today());
    for (int year = FirstYear; year <= today.Year; ++year)
        cAnne->addItem(QString::number(year));

    const TBirthday stored = ReadBirthdayFile();
    SelectPosition(cAnne, stored.Year - FirstYear);
    SelectPosition(cMes, stored.Month - 1);
    SelectPosition(cDia, stored.Day - 1);

    PageControl2->SetActivePageIndex(0);
    cDia->setFocus();

    if (SelectedBirthDate() != Today())
        bCalculateClick();
}

void TPrincipal::FormClose() {
    WriteBirthdayFile(cAnne->currentText().toStdString(), cMes->currentIndex(), cDia->currentIndex());
}

TDaySerial TPrincipal::SelectedBirthDate() const {
    const int day = cDia->currentIndex();
    const int month = cMes->currentIndex();
    const int year = StrToInt(cAnne->currentText().toStdString());
    return DateToSerial(year, month + 1, day + 1);
}

void TPrincipal::bCalculateClick() {
    const TDaySerial birth = SelectedBirthDate();
    const TDaySerial today = DayShown();
    if (birth > today) {
        ShowInformationBox(tr("Your birthday couldn't be greater than today..."));
        cDia->setFocus();
        return;
    }
    const TDayTable table = DayTable(birth, today);

    TChartSeries& bars = SeriesOf(*ChartToday, 0);
    bars.ClearPoints();
    for (int k = 0; k < CycleCount; ++k) {
        const TCycle& cycle = CycleTable[static_cast<std::size_t>(k)];
        bars.AppendPoint(table.TodayRow.Scores[static_cast<std::size_t>(k)], CycleName(k).toStdString(), cycle.BarColor);
    }
    bars.AppendPoint(table.TodayRow.Average, CycleName(CycleCount).toStdString(), clGray);

    const TChartSeriesList& list = chart4weeks->SeriesList();
    for (int s = 0; s < list.Count(); ++s)
        list[s]->ClearPoints();
    for (const TScoreRow& row : table.Rows) {
        for (int k = 1; k <= CycleCount; ++k)
            SeriesOf(*chart4weeks, k).AddPoint(row.Day, row.Scores[static_cast<std::size_t>(k - 1)], "", clDefault);
        SeriesOf(*chart4weeks, 0).AddPoint(row.Day, row.Average, "", clDefault);
    }

    m_table = table;
    if (OnCalculated)
        OnCalculated();
}

TDaySerial TPrincipal::DayShown() const {
    return m_referenceDay.value_or(Today());
}

void TPrincipal::SetReferenceDay(std::optional<TDaySerial> day) {
    if (day && *day == Today())
        day.reset();
    m_referenceDay = day;
    UpdateCaption();
}

void TPrincipal::SetCaptionName(const QString& name) {
    m_captionName = name;
    UpdateCaption();
}

void TPrincipal::UpdateCaption() {
    QString caption = tr("Free Biorhythm calculator...");
    if (!m_captionName.isEmpty())
        caption += QStringLiteral(" \u2013 ") + m_captionName;
    if (m_referenceDay)
        caption += QStringLiteral(" \u2013 ") + LongDateText(*m_referenceDay);
    setWindowTitle(caption);
}

TChartSeries& TPrincipal::SeriesOf(TCustomAxisPanel& chart, int index) const {
    return *chart.SeriesList()[index];
}

int TPrincipal::Score(int period, double days) const {
    return ::Score(period, days);
}

void TPrincipal::cDiaKeyPress(char& key) {
    if (key == 13)
        cMes->setFocus();
}

void TPrincipal::cMesKeyPress(char& key) {
    if (key == 13)
        cAnne->setFocus();
}

void TPrincipal::cAnneKeyPress(char& key) {
    if (key == 13)
        bCalculateClick();
}

void TPrincipal::cLinkClick() {
    ShellOpen(WebAddress());
}

void TPrincipal::cLinkMouseEnter() {
    cLink->SetFontColor(clNavy);
    QFont font = cLink->font();
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(true);
    cLink->setFont(font);
}

void TPrincipal::cLinkMouseLeave() {
    cLink->SetFontColor(clBlack);
    QFont font = cLink->font();
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(false);
    cLink->setFont(font);
}
