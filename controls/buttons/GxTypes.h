#pragma once
// Enumerations shared by the gx controls' drawing routines and style objects.
#include "platform/core/TSet.h"
#include "platform/ui/UiTypes.h"

enum TgxTextStyle { fstNone, fstRaised, fstRecessed, fstPushed, fstShadow, fstVolumetric };
enum TgxSide { fsdLeft, fsdTop, fsdRight, fsdBottom };
using TgxSides = TSet<TgxSide>;
constexpr TgxSides gxAllSides{fsdLeft, fsdTop, fsdRight, fsdBottom};
// TBevelCut (bvNone, bvLowered, bvRaised, bvSpace) is the platform's.
enum TgxBoxStyle {
    fbsFlat,
    fbsCtl3D,
    fbsStatusControl,
    fbsRecessed,
    fbsRaised,
    fbsRaisedFrame,
    fbsRecessedFrame
};
enum TgxWallpaperOption { fwoNone, fwoStretch, fwoPropStretch, fwoTile };
enum TgxDrawState { fdsDefault, fdsDisabled, fdsDelicate };
enum TgxAutoTransparentColor {
    ftcUser,
    ftcLeftTopPixel,
    ftcLeftBottomPixel,
    ftcRightTopPixel,
    ftcRightBottomPixel
};
enum TgxHorAlign { fhaLeft, fhaCenter, fhaRight };
enum TgxVertAlign { fvaTop, fvaCenter, fvaBottom };
enum TgxOrigin { forLeftTop, forRightBottom };
