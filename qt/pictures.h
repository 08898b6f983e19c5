// Every picture of the game, drawn with QPainter when it is asked for.
//
// Sizes are in device-independent pixels; each picture is rendered at size x dpr device pixels and
// carries dpr as its device pixel ratio, so it stays sharp on any screen scale. A picture may be
// asked for at any size: the drawing scales to it (the nominal sizes below are what the windows use).
// An empty size, or one that would exceed kMaxPicturePixels device pixels on a side, gives a null
// pixmap. A dpr that is not a positive finite number is taken as 1.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vocari {

inline constexpr QSize kLetterTileSize{80, 80};
inline constexpr QSize kDieSize{57, 57};
inline constexpr QSize kSeasonBackgroundSize{289, 289};
inline constexpr QSize kSpinningTopFrameSize{93, 93};
inline constexpr QSize kSplashTitleSize{303, 147};
inline constexpr QSize kInfoBackgroundSize{296, 196};
inline constexpr QSize kCloseButtonSize{31, 29};

inline constexpr int kSeasonSchemes = 4;       // 0 winter, 1 summer, 2 spring, 3 autumn
inline constexpr int kSpinningTopFrames = 4;   // tilted, upright, tilted the other way, from above
inline constexpr int kMaxPicturePixels = 8192;

// The die picture of letter index 0..25 (the order of `letters`): a black bold capital on white with
// its point value as a small raised digit at the upper right. Index -1, or any index outside 0..25,
// gives the plain white die shown before a deal. Opaque.
QPixmap letterTile(int letterIndex, QSize size = kLetterTileSize, qreal dpr = 1.0);

// The board background of colour scheme 0..3: a 4 x 4 pattern of rounded squares, each centred on a
// die (dice at 8 + 72 * c on a 289 board). A scheme outside 0..3 gives the winter picture. Opaque.
QPixmap seasonBackground(int scheme, QSize size = kSeasonBackgroundSize, qreal dpr = 1.0);

// The window icon: a rainbow-striped spinning top, at 16 to 256 pixels, transparent around it.
QIcon appIcon();

// Frame 0..3 of the spinning top on a transparent ground: tilted to the left, upright, tilted to the
// right, seen from above. Other frame numbers wrap round modulo 4.
QPixmap spinningTopFrame(int frame, QSize size = kSpinningTopFrameSize, qreal dpr = 1.0);

// The splash title: "VOCARI" in tilted green block capitals with a lilac drop shadow, on white.
QPixmap splashTitle(QSize size = kSplashTitleSize, qreal dpr = 1.0);

// The background of the information window: a blue field with a small picture at the lower left,
// leaving the upper half, the centre and the right side plain for white text and the button.
QPixmap infoBackground(QSize size = kInfoBackgroundSize, qreal dpr = 1.0);

// The picture on the information window's close button: a white X on dark blue.
QPixmap closeButtonPicture(QSize size = kCloseButtonSize, qreal dpr = 1.0);

}  // namespace vocari
