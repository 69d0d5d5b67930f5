#include "PageControl.h"

#include <QFrame>
#include <QTabBar>

TPageControl::TPageControl(QWidget* parent) : QWidget(parent) {
    m_frame = new QFrame(this);
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_frame->setFrameShadow(QFrame::Raised);
    m_tabBar = new QTabBar(this);
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setFocusPolicy(Qt::TabFocus);
    setFocusProxy(m_tabBar);
    QObject::connect(m_tabBar, &QTabBar::currentChanged, this, [this](int) { ShowActivePage(); });
    Arrange();
}

QWidget* TPageControl::AddPage(const QString& caption) {
    auto* page = new QWidget(this);
    m_pages.push_back(page);
    page->setGeometry(PageRect(size()));
    page->hide();
    m_tabBar->addTab(caption);
    m_tabBar->raise();
    ShowActivePage();
    return page;
}

int TPageControl::ActivePageIndex() const {
    return m_tabBar->currentIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    m_tabBar->setCurrentIndex(index);
    ShowActivePage();
}

QRect TPageControl::PageRect(QSize size) {
    const int top = TabHeight + PageMargin;
    return {PageMargin, top, size.width() - 2 * PageMargin, size.height() - top - PageMargin};
}

void TPageControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void TPageControl::ShowActivePage() {
    const int active = m_tabBar->currentIndex();
    for (int i = 0; i < PageCount(); ++i)
        m_pages[static_cast<std::size_t>(i)]->setVisible(i == active);
}

void TPageControl::Arrange() {
    // The selected tab overlaps the frame's top edge by a couple of pixels, as
    // tabs joined to their page do.
    m_tabBar->setGeometry(2, 0, width() - 4, TabHeight + 2);
    m_frame->setGeometry(0, TabHeight, width(), height() - TabHeight);
    for (QWidget* page : m_pages)
        page->setGeometry(PageRect(size()));
}
