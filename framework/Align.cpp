#include "Align.h"

#include <algorithm>

QRect TAlignArea::Take(TAlign align, QSize size) {
    const int h = std::min(size.height(), m_rest.height());
    const int w = std::min(size.width(), m_rest.width());
    QRect r;
    switch (align) {
    case TAlign::alNone:
        return {};
    case TAlign::alTop:
        r = QRect(m_rest.left(), m_rest.top(), m_rest.width(), h);
        m_rest.setTop(m_rest.top() + h);
        break;
    case TAlign::alBottom:
        r = QRect(m_rest.left(), m_rest.top() + m_rest.height() - h, m_rest.width(), h);
        m_rest.setHeight(m_rest.height() - h);
        break;
    case TAlign::alLeft:
        r = QRect(m_rest.left(), m_rest.top(), w, m_rest.height());
        m_rest.setLeft(m_rest.left() + w);
        break;
    case TAlign::alRight:
        r = QRect(m_rest.left() + m_rest.width() - w, m_rest.top(), w, m_rest.height());
        m_rest.setWidth(m_rest.width() - w);
        break;
    case TAlign::alClient:
        r = m_rest;
        m_rest = QRect(m_rest.topLeft(), QSize(0, 0));
        break;
    }
    return r;
}
