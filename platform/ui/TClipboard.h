#pragma once
// The system clipboard, as far as the programs use it: a bitmap in and out.
class TBitmap;

class TClipboard {
public:
    // Whether the clipboard holds a picture.
    bool HasBitmap() const;
    // Puts a copy of Bitmap on the clipboard; an empty bitmap clears it.
    void SetBitmap(const TBitmap* Bitmap);
    // Copies the clipboard's picture into Bitmap; false (Bitmap untouched)
    // when it holds none.
    bool GetBitmap(TBitmap* Bitmap) const;
    void Clear();
};

// The one clipboard object of the program.
TClipboard* Clipboard();
