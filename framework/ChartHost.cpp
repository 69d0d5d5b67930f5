#include "ChartHost.h"

#include "Application.h"
#include "Panel.h"

#include <QEvent>
#include <QtMath>
#include <QMoveEvent>
#include <QResizeEvent>

#include <algorithm>

ChartHost::ChartHost(QWidget* parent) : QWidget(parent), m_chart(std::make_unique<TChart>()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    m_chart->SetHasParent(parent != nullptr);
    resize(m_chart->Width(), m_chart->Height());
    m_chart->SetRepaintRequest([this] { update(); });
}

ChartHost::~ChartHost() { m_chart->SetRepaintRequest({}); }

bool ChartHost::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange)
        m_chart->SetHasParent(parentWidget() != nullptr);
    return QWidget::event(event);
}

void ChartHost::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        const TFontData present = DefaultChartFont();
        if (!(present == m_defaultFont))
            TApplication::Guard([&] { m_chart->FollowDefaultFont(m_defaultFont); });
        m_defaultFont = present;
    }
    QWidget::changeEvent(event);
}

void ChartHost::paintEvent(QPaintEvent* /*event*/) {
    // Drawn at the screen's own resolution: the application rounds scale
    // factors to whole numbers, so the chart's device scale is whole too.
    const int scale = std::max(1, qRound(devicePixelRatioF()));
    TApplication::Guard([&] {
        m_chart->SetDeviceScale(scale);
        m_chart->HandlePaint();
    });
    PresentSurface(*this, m_chart->WindowSurface());
}

void ChartHost::resizeEvent(QResizeEvent* event) {
    const QSize size = event->size();
    TApplication::Guard([&] { m_chart->SetBounds(m_chart->Left(), m_chart->Top(), size.width(), size.height()); });
    QWidget::resizeEvent(event);
}

void ChartHost::moveEvent(QMoveEvent* event) {
    const QPoint pos = event->pos();
    TApplication::Guard([&] { m_chart->SetBounds(pos.x(), pos.y(), m_chart->Width(), m_chart->Height()); });
    QWidget::moveEvent(event);
}
