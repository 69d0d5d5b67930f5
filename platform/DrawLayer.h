#pragma once
// A layer: the pixels that a run of drawing calls leaves, kept together with
// the calls, so that a later run of the same calls puts the pixels back
// instead of drawing them. While a run is recorded nothing is drawn; at its
// end the surface either puts the kept pixels back (the run repeats the kept
// one exactly, in arguments and state) or plays the recorded calls.
//
// A run is kept only when it first covers every pixel with opaque fills, so
// that nothing of the frame before shows through it, and either no layer is
// kept yet or the run repeats the one before it: pixels that change from
// paint to paint are not worth a copy.

#include "DrawTypes.h"
#include "Geometry.h"

#include <QImage>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Everything the pixels of a drawing call depend on besides its arguments.
struct TDrawState {
    TPenData pen;
    TBrushData brush;
    TFontData font;
    int backgroundMode = bkOpaque;
    TColor backgroundColor = clWhite;
    TColor textColor = clBlack;
    int textAlign = 0;
    std::optional<TRect> clip;
    bool operator==(const TDrawState&) const = default;
};

// One drawing call of a surface, as the surface passes it on: the text and
// picture are the caller's until the call returns.
struct TDrawCall {
    enum class TKind { Line, Rectangle, FillRect, FillSolid, Pixel, Text, Picture, Stretch };
    TDrawCall(TKind kind_, TRect rect_, TColor color_ = 0, std::string_view text_ = {}, const QImage* picture_ = nullptr)
        : kind(kind_), rect(rect_), color(color_), text(text_), picture(picture_) {}
    TKind kind;
    TRect rect;                       // Line: from (left, top) to (right, bottom); Pixel, Text, Picture: at (left, top)
    TColor color = 0;                 // FillSolid, Pixel
    std::string_view text;            // Text
    const QImage* picture = nullptr;  // Picture, Stretch
};

class TDrawLayer {
public:
    // A call as recorded, with copies of what it draws and the state it draws in.
    struct TRecord {
        TDrawCall::TKind kind = TDrawCall::TKind::Line;
        TRect rect;
        TColor color = 0;
        std::string text;
        QImage picture;
        qint64 pictureKey = 0, patternKey = 0;  // cache keys: the images' identity and version
        TDrawState state;
        [[nodiscard]] TDrawCall Call() const { return {kind, rect, color, text, picture.isNull() ? nullptr : &picture}; }
        bool operator==(const TRecord& o) const {
            return kind == o.kind && rect == o.rect && color == o.color && pictureKey == o.pictureKey &&
                   patternKey == o.patternKey && text == o.text && state == o.state;
        }
    };
    enum class TOutcome {
        PutBack,      // the kept pixels are the run's
        Play,         // the recorded calls must be drawn
        PlayAndKeep,  // drawn, then kept as the layer
        Drawn,        // recording stopped; the calls were drawn as they came
    };

    [[nodiscard]] bool Recording() const { return m_recording; }
    // Between Begin and End, recording or stopped.
    [[nodiscard]] bool Active() const { return m_active; }
    // size: the surface's, in logical pixels.
    void Begin(TSize size);
    // covers: the call writes every pixel of this logical box opaquely; an
    // empty box: its pixels blend with what lies below.
    void Record(const TDrawCall& call, const TDrawState& state, const TRect& covers);
    // The calls of the run being recorded, or of the run that just ended.
    [[nodiscard]] std::span<const TRecord> Calls() const { return {m_current.records.data(), m_current.count}; }
    // Something needs the pixels now: the calls so far are played and the
    // rest of the run is drawn as it comes, and kept nowhere.
    void Stop();
    TOutcome End();
    // The kept pixels are gone (a new size, another measurer).
    void Drop();

private:
    struct TRun {
        std::vector<TRecord> records;  // used up to count, so their strings keep their room
        std::size_t count = 0;
        bool valid = false;
        [[nodiscard]] bool Same(const TRun& o) const;
        void Assign(const TRun& o);
    };

    TRun m_kept, m_last, m_current;
    bool m_active = false;
    bool m_recording = false;
    bool m_stopped = false;
    bool m_ended = false;
    TSize m_size;
    TRect m_covered;
    bool m_whole = false;     // m_covered is the whole surface
    bool m_blended = false;   // something blended before that
};
