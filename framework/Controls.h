#pragma once
// The few control classes the window needs beyond plain Qt widgets: labels and
// pictures that report clicks and mouse hover, drop-down lists that report
// typed characters, and a panel of one colour. Every event handler runs
// through TApplication::Guard, so an error becomes the default error box and
// never reaches Qt's event loop.

#include "Basics.h"

#include <QComboBox>
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

// The Qt colour of a plain TColor (0x00BBGGRR); system colours resolve from
// the application palette.
[[nodiscard]] QColor ToQColor(TColor color);

// A font of pixel height n, as a font height of -n asks for. Fully hinted, so
// that text advances are whole pixels and captions measure as the layout's
// rectangles expect.
[[nodiscard]] QFont PixelFont(const QString& family, int pixelHeight, bool bold = false);

class TPanelControl : public QWidget {
public:
    TPanelControl(QWidget* parent, TColor color);
};

// A text label or, with a pixmap, a picture control.
class TLabel : public QLabel {
public:
    using QLabel::QLabel;

    std::function<void()> OnClick;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    void SetFontColor(TColor color);
    // Paints its rectangle in the parent's colour before the text.
    void SetOpaque(bool opaque);
    // Widens the label to the right when its caption does not fit, so that
    // no caption is cut off; a label wide enough keeps its width.
    void GrowToFitText();

    // One picture drawn for several device pixel ratios (each pixmap carries
    // its own); the label shows the one that suits its screen, and changes it
    // when moved to a screen of another density.
    void SetPictures(QList<QPixmap> pictures);
    // The same, decoded when the label is first painted: a window that is
    // built and never shown (for a snapshot of its charts) decodes nothing.
    void SetPictures(std::function<QList<QPixmap>()> decode);
    // The least fine picture at least as fine as `ratio`; else the finest.
    [[nodiscard]] static QPixmap PictureFor(const QList<QPixmap>& pictures, qreal ratio);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_pressed = false;
    QList<QPixmap> m_pictures;
    std::function<QList<QPixmap>()> m_decode;
};

// A drop-down list without editing. Whatever the platform style prefers, it
// opens below the box as a list of at most MaxVisibleRows rows, scrolled so
// that the selected item shows.
class TComboBox : public QComboBox {
public:
    static constexpr int MaxVisibleRows = 8;

    explicit TComboBox(QWidget* parent);

    // Receives each typed character; setting it to 0 swallows the key.
    std::function<void(char& key)> OnKeyPress;

    // Height of the items of the opened list, in pixels.
    void SetItemHeight(int height);
    [[nodiscard]] int ItemHeight() const { return m_itemHeight; }

    // Assistive technology names the list by its accessible name (Qt gives a
    // list on Linux its current item for a name) and reads the current item
    // as its value; `label` becomes the list's labelled-by relation.
    void SetAccessibleLabel(QWidget* label);
    [[nodiscard]] QWidget* AccessibleLabel() const { return m_accessibleLabel; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_itemHeight = 0;
    QPointer<QWidget> m_accessibleLabel;
};
