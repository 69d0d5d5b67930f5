#include "Controls.h"

#include "Application.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>

#include <utility>

namespace {

class TFixedHeightDelegate : public QStyledItemDelegate {
public:
    TFixedHeightDelegate(QObject* parent, int height) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(m_height);
        return size;
    }

private:
    int m_height;
};

// Styles that open a list as a menu over the box ignore the row limit and,
// for a list scrolled to its end, hide the selection under a scroll arrow.
class TDropDownListStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A drop-down list as assistive technology sees it: named, with the current
// item as its value and the list that opens as its one child.
class TComboBoxAccessible : public QAccessibleWidget {
public:
    explicit TComboBoxAccessible(TComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && List()->accessibleName().isEmpty()))
            return List()->currentText();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == List()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = List()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& name) override {
        if (name != showMenuAction())
            QAccessibleWidget::doAction(name);
        else if (List()->view()->isVisible())
            List()->hidePopup();
        else
            List()->showPopup();
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Label) && List()->AccessibleLabel())
            found.append({QAccessible::queryAccessibleInterface(List()->AccessibleLabel()), QAccessible::Label});
        return found;
    }

private:
    [[nodiscard]] TComboBox* List() const { return static_cast<TComboBox*>(widget()); }
};

QAccessibleInterface* ComboBoxAccessibleFactory(const QString& className, QObject* object) {
    auto* list = className == QLatin1String("QComboBox") ? dynamic_cast<TComboBox*>(object) : nullptr;
    return list ? new TComboBoxAccessible(list) : nullptr;
}

void RunGuarded(const std::function<void()>& handler) {
    if (handler)
        TApplication::Guard(handler);
}

}  // namespace

QColor ToQColor(TColor color) {
    if (IsSystemColor(color)) {
        const QPalette palette = QApplication::palette();
        switch (color) {
        case clBtnFace:
            return palette.color(QPalette::Window);
        case clWindowText:
            return palette.color(QPalette::WindowText);
        case clBtnHighlight:
            return palette.color(QPalette::Light);
        case clBtnShadow:
            return palette.color(QPalette::Dark);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QFont PixelFont(const QString& family, int pixelHeight, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

TPanelControl::TPanelControl(QWidget* parent, TColor color) : QWidget(parent) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    setPalette(palette);
    setAutoFillBackground(true);
}

void TLabel::SetFontColor(TColor color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    setPalette(palette);
}

void TLabel::SetOpaque(bool opaque) {
    setAutoFillBackground(opaque);
}

void TLabel::GrowToFitText() {
    const int needed = fontMetrics().horizontalAdvance(text());
    if (needed > width())
        resize(needed, height());
}

void TLabel::SetPictures(QList<QPixmap> pictures) {
    m_decode = nullptr;
    m_pictures = std::move(pictures);
    setPixmap(PictureFor(m_pictures, devicePixelRatioF()));
}

void TLabel::SetPictures(std::function<QList<QPixmap>()> decode) {
    m_pictures.clear();
    m_decode = std::move(decode);
    update();
}

QPixmap TLabel::PictureFor(const QList<QPixmap>& pictures, qreal ratio) {
    QPixmap best;
    QPixmap finest;
    for (const QPixmap& picture : pictures) {
        const qreal r = picture.devicePixelRatio();
        if (finest.isNull() || r > finest.devicePixelRatio())
            finest = picture;
        if (r >= ratio && (best.isNull() || r < best.devicePixelRatio()))
            best = picture;
    }
    return best.isNull() ? finest : best;
}

void TLabel::paintEvent(QPaintEvent* event) {
    if (m_decode)
        m_pictures = std::exchange(m_decode, nullptr)();
    // The screen's density is known for sure only when painting.
    if (!m_pictures.isEmpty()) {
        const QPixmap wanted = PictureFor(m_pictures, devicePixelRatioF());
        if (wanted.cacheKey() != pixmap().cacheKey())
            setPixmap(wanted);
    }
    QLabel::paintEvent(event);
}

void TLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        RunGuarded(OnClick);
}

void TLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    RunGuarded(OnMouseEnter);
}

void TLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    RunGuarded(OnMouseLeave);
}

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    // Built on the application's own style, so the closed box looks the same.
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    auto* style = base ? new TDropDownListStyle(base) : new TDropDownListStyle();
    style->setParent(this);
    setStyle(style);
    setMaxVisibleItems(MaxVisibleRows);
    // Before any interface of a list exists: Qt keeps the first one it made.
    static const bool factoryInstalled = (QAccessible::installFactory(ComboBoxAccessibleFactory), true);
    (void)factoryInstalled;
}

void TComboBox::SetItemHeight(int height) {
    if (height == m_itemHeight)
        return;
    m_itemHeight = height;
    setItemDelegate(new TFixedHeightDelegate(this, height));
}

void TComboBox::SetAccessibleLabel(QWidget* label) {
    m_accessibleLabel = label;
}

void TComboBox::keyPressEvent(QKeyEvent* event) {
    // The Enter keys arrive as Qt keys; the character they stand for is CR.
    char key = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = 13;
    else if (event->text().size() == 1 && event->text().front().unicode() < 0x80)
        key = static_cast<char>(event->text().front().unicode());
    if (key != 0 && OnKeyPress) {
        TApplication::Guard([&] { OnKeyPress(key); });
        if (key == 0) {
            event->accept();
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}
