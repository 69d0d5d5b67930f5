#pragma once
// Aligned children: each takes a band of the parent's client area that the
// previous ones left. Take them in the order top, bottom, left, right, client,
// which is the order aligned controls are arranged in, whatever their creation
// order.

#include <QRect>
#include <QSize>

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TAlignArea {
public:
    explicit TAlignArea(QRect client) : m_rest(client) {}

    // The rectangle of a child of this size and alignment; alNone answers
    // an empty rectangle and takes nothing.
    QRect Take(TAlign align, QSize size);
    [[nodiscard]] QRect Rest() const { return m_rest; }

private:
    QRect m_rest;
};
