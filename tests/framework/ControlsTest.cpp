#include "Controls.h"

#include <gtest/gtest.h>

namespace {

QPixmap PictureAt(qreal ratio) {
    QPixmap pixmap(QSize(4, 4) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

TEST(LabelPictures, TheLeastFinePictureThatIsFineEnough) {
    const QList<QPixmap> all{PictureAt(1), PictureAt(2), PictureAt(3)};
    struct Case {
        qreal screen;
        qreal expected;
    };
    for (const Case& c : {Case{1, 1}, Case{1.25, 2}, Case{1.5, 2}, Case{2, 2}, Case{2.5, 3}, Case{3, 3},
                          Case{4, 3}}) {
        SCOPED_TRACE(c.screen);
        EXPECT_EQ(TLabel::PictureFor(all, c.screen).devicePixelRatio(), c.expected);
    }
    // Order of the list does not matter; a single picture serves every screen.
    EXPECT_EQ(TLabel::PictureFor({PictureAt(3), PictureAt(1), PictureAt(2)}, 1).devicePixelRatio(), 1);
    EXPECT_EQ(TLabel::PictureFor({PictureAt(1)}, 2).devicePixelRatio(), 1);
    EXPECT_TRUE(TLabel::PictureFor({}, 1).isNull());
}

TEST(LabelPictures, PicturesGivenByADecoderAreDecodedOnceWhenFirstPainted) {
    TLabel label;
    label.resize(20, 20);
    int decoded = 0;
    const QPixmap plain = PictureAt(1);
    label.SetPictures([&] {
        ++decoded;
        return QList<QPixmap>{PictureAt(2), plain};
    });
    EXPECT_EQ(decoded, 0);
    EXPECT_TRUE(label.pixmap().isNull());
    (void)label.grab();
    (void)label.grab();
    EXPECT_EQ(decoded, 1);
    EXPECT_EQ(label.pixmap().cacheKey(), plain.cacheKey());
    // Pictures given at once replace a decoder not yet called.
    label.SetPictures([&] {
        ++decoded;
        return QList<QPixmap>{};
    });
    label.SetPictures({plain});
    (void)label.grab();
    EXPECT_EQ(decoded, 1);
}

TEST(LabelPictures, ShowsThePictureOfItsScreen) {
    TLabel label;
    const QPixmap fine = PictureAt(2);
    const QPixmap plain = PictureAt(1);
    label.SetPictures({fine, plain});
    EXPECT_EQ(label.pixmap().cacheKey(), plain.cacheKey());
}
