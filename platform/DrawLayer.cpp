#include "DrawLayer.h"

#include <algorithm>
#include <utility>

bool TDrawLayer::TRun::Same(const TRun& o) const {
    return valid && o.valid && count == o.count &&
           std::equal(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(count), o.records.begin());
}

void TDrawLayer::TRun::Assign(const TRun& o) {
    if (records.size() < o.count)
        records.resize(o.count);
    std::copy(o.records.begin(), o.records.begin() + static_cast<std::ptrdiff_t>(o.count), records.begin());
    count = o.count;
    valid = o.valid;
}

void TDrawLayer::Begin(TSize size) {
    // The run that ended last becomes the one before this.
    if (m_ended)
        std::swap(m_last, m_current);
    m_ended = false;
    m_active = true;
    m_recording = true;
    m_stopped = false;
    m_size = size;
    m_covered = {};
    m_whole = false;
    m_blended = false;
    m_current.count = 0;
}

void TDrawLayer::Record(const TDrawCall& call, const TDrawState& state, const TRect& covers) {
    if (covers.Empty()) {
        m_blended = m_blended || !m_whole;
    } else if (!m_whole && !m_blended) {
        // Fills that continue the covered area along a whole side join it, as
        // a gradient's bands do; anything else is left out, so the covered
        // area never claims more than was covered.
        TRect& c = m_covered;
        const TRect& r = covers;
        if (c.Empty() || r.Contains(c))
            c = r;
        else if (r.left <= c.left && r.right >= c.right && r.top <= c.bottom && r.bottom >= c.top)
            c = {c.left, std::min(c.top, r.top), c.right, std::max(c.bottom, r.bottom)};
        else if (r.top <= c.top && r.bottom >= c.bottom && r.left <= c.right && r.right >= c.left)
            c = {std::min(c.left, r.left), c.top, std::max(c.right, r.right), c.bottom};
        m_whole = c.Contains(TRect{0, 0, m_size.cx, m_size.cy});
    }
    std::vector<TRecord>& records = m_current.records;
    if (m_current.count == records.size())
        records.emplace_back();
    TRecord& record = records[m_current.count++];
    record.kind = call.kind;
    record.rect = call.rect;
    record.color = call.color;
    record.text = call.text;
    record.picture = call.picture ? *call.picture : QImage();
    record.pictureKey = record.picture.cacheKey();
    record.patternKey = state.brush.Bitmap ? state.brush.Bitmap->Image().cacheKey() : 0;
    record.state = state;
}

void TDrawLayer::Stop() {
    m_recording = false;
    m_stopped = true;
}

TDrawLayer::TOutcome TDrawLayer::End() {
    if (!m_active)
        return TOutcome::Drawn;
    m_active = false;
    m_recording = false;
    m_current.valid = !m_stopped && m_whole && !m_blended;
    m_ended = true;
    if (m_stopped)
        return TOutcome::Drawn;
    if (m_current.Same(m_kept))
        return TOutcome::PutBack;
    if (m_current.valid && (!m_kept.valid || m_current.Same(m_last))) {
        m_kept.Assign(m_current);
        return TOutcome::PlayAndKeep;
    }
    return TOutcome::Play;
}

void TDrawLayer::Drop() {
    m_kept.valid = false;
    m_last.valid = false;
    m_current.valid = false;
}
