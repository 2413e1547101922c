#pragma once
// The case sheet's small pictures, drawn in code: image 0 a diskette (the row has an
// attached file), image 1 a ticked box (a set flag). The documents and identification
// lists draw them too.
class TImageList;

namespace app {

inline constexpr int FileImage = 0;
inline constexpr int TickImage = 1;

// Makes List 16 by 16 and puts the two images into it, with transparent corners.
void AddCaseSheetImages(TImageList* List);

} // namespace app
