#pragma once
// Horizontal alignment of a value in its cell or control.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
