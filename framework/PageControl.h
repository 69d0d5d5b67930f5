#pragma once
// A row of tabs over a framed page area, one page shown at a time. Unlike a
// QTabWidget, the page rectangle does not depend on the style: every page
// sits `PageMargin` pixels inside the frame, below a tab row of `TabHeight`.

#include <QWidget>

#include <vector>

class QFrame;
class QTabBar;

class TPageControl : public QWidget {
public:
    static constexpr int TabHeight = 25;
    static constexpr int PageMargin = 4;

    explicit TPageControl(QWidget* parent);

    // A new page (a tab sheet) with this caption, as the last tab.
    QWidget* AddPage(const QString& caption);

    [[nodiscard]] int PageCount() const { return static_cast<int>(m_pages.size()); }
    [[nodiscard]] QWidget* Page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    [[nodiscard]] QTabBar* TabBar() const { return m_tabBar; }

    // Where every page lies inside a control of the given size.
    [[nodiscard]] static QRect PageRect(QSize size);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowActivePage();
    void Arrange();

    QFrame* m_frame = nullptr;
    QTabBar* m_tabBar = nullptr;
    std::vector<QWidget*> m_pages;
};
