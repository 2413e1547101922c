#pragma once
// The enhanced format's records: each is a type, a byte size and its fields;
// offsets inside a record count from the record's first byte. Part of the
// metafile player: the dispatch lives in EmfPlayer.cpp, the records with
// strings, bitmaps and regions in EmfRecords.cpp.
#include "platform/graphics/MetafileOutput.h"
#include "platform/graphics/MetafilePlay.h"

#include <optional>

namespace graphics::metafile {

enum EmfRecordType : std::uint32_t {
    EMR_HEADER = 1,
    EMR_POLYBEZIER = 2,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_POLYBEZIERTO = 5,
    EMR_POLYLINETO = 6,
    EMR_POLYPOLYLINE = 7,
    EMR_POLYPOLYGON = 8,
    EMR_SETWINDOWEXTEX = 9,
    EMR_SETWINDOWORGEX = 10,
    EMR_SETVIEWPORTEXTEX = 11,
    EMR_SETVIEWPORTORGEX = 12,
    EMR_EOF = 14,
    EMR_SETPIXELV = 15,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETROP2 = 20,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_OFFSETCLIPRGN = 26,
    EMR_MOVETOEX = 27,
    EMR_EXCLUDECLIPRECT = 29,
    EMR_INTERSECTCLIPRECT = 30,
    EMR_SCALEVIEWPORTEXTEX = 31,
    EMR_SCALEWINDOWEXTEX = 32,
    EMR_SAVEDC = 33,
    EMR_RESTOREDC = 34,
    EMR_SETWORLDTRANSFORM = 35,
    EMR_MODIFYWORLDTRANSFORM = 36,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ANGLEARC = 41,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_ROUNDRECT = 44,
    EMR_ARC = 45,
    EMR_CHORD = 46,
    EMR_PIE = 47,
    EMR_CREATEPALETTE = 49,
    EMR_LINETO = 54,
    EMR_ARCTO = 55,
    EMR_SETARCDIRECTION = 57,
    EMR_BEGINPATH = 59,
    EMR_ENDPATH = 60,
    EMR_ABORTPATH = 68,
    EMR_FILLRGN = 71,
    EMR_PAINTRGN = 74,
    EMR_EXTSELECTCLIPRGN = 75,
    EMR_BITBLT = 76,
    EMR_STRETCHBLT = 77,
    EMR_SETDIBITSTODEVICE = 80,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTA = 83,
    EMR_EXTTEXTOUTW = 84,
    EMR_POLYBEZIER16 = 85,
    EMR_POLYGON16 = 86,
    EMR_POLYLINE16 = 87,
    EMR_POLYBEZIERTO16 = 88,
    EMR_POLYLINETO16 = 89,
    EMR_POLYPOLYLINE16 = 90,
    EMR_POLYPOLYGON16 = 91,
    EMR_CREATEMONOBRUSH = 93,
    EMR_CREATEDIBPATTERNBRUSHPT = 94,
    EMR_EXTCREATEPEN = 95,
};

// Plays records one by one on a device state of its own.
class EnhancedPlayer {
public:
    EnhancedPlayer(const Header& H, TCanvas* Canvas, const TRect& Target);

    // False at the end record.
    bool Record(std::uint32_t Type, Reader& R);

private:
    void Select(std::uint32_t Index);
    void Poly(std::uint32_t Type, Reader& R);
    void PolyPoly(std::uint32_t Type, Reader& R);
    void Scale(DPoint& Ext, Reader& R);
    void ModifyWorld(Reader& R);
    LogFont Font(Reader& R);
    void PatternBrush(Reader& R);
    std::optional<TRegion> Region(Reader& R, std::uint32_t Size);
    void Text(Reader& R, bool Wide);
    bool Source(Reader& R, std::uint32_t Usage, std::uint32_t OffBmi, std::uint32_t CbBmi,
                std::uint32_t OffBits, std::uint32_t CbBits, const TRect& Area, bool FromBottom,
                PixelBuffer& Out);
    void Blt(Reader& R, bool Stretch);
    void StretchDIBits(Reader& R);
    void SetDIBitsToDevice(Reader& R);

    DeviceState FState;
    Output FOut;
    ObjectTable FObjects;
};

} // namespace graphics::metafile
