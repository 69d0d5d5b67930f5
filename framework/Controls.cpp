#include "Controls.h"

#include "Application.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QStyledItemDelegate>

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
}

void TComboBox::SetItemHeight(int height) {
    if (height == m_itemHeight)
        return;
    m_itemHeight = height;
    setItemDelegate(new TFixedHeightDelegate(this, height));
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
